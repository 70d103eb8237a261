#include "tools/images/geziadmin.h"

#include "core/failure.h"
#include "core/form.h"
#include "core/platform.h"

#include <QListWidget>
#include <QTreeWidget>

namespace tools {

namespace {

// The style table's columns after the name, as loaded at start (the height
// column shows `总高` then, `高度` after a refresh).
const char16_t* const kTableColumns[] = {u"宽度",   u"总高", u"代码", u"边线",   u"标题",   u"价格",
                                         u"图外高", u"图高", u"图宽", u"图外框", u"示例图", u"间距"};

const StyleFill kChoiceFills[] = {
    {u"edtgongneng", u"功能"},     {u"edt1", u"宽度"},         {u"edt2", u"总高"},
    {u"edttuwaigao", u"图外高"},   {u"mmodaima", u"代码"},     {u"cbbbiaoti", u"标题"},
    {u"cbbjiage", u"价格"},        {u"edttupiangao", u"图高"}, {u"edttupiankuan", u"图宽"},
    {u"edttuwaikuang", u"图外框"}, {u"edtshilitu", u"示例图"}, {u"edtjianju", u"间距"},
    {u"edtbianxian", u"边线"}};
// On a click in the style table.
const StyleFill kTableFills[] = {
    {u"edtgongneng", u"功能"}, {u"edtkuan", u"宽度"},         {u"edtgao", u"总高"},
    {u"mmodaima", u"代码"},    {u"edtbianxian", u"边线"},     {u"cbbbiaoti", u"标题"},
    {u"cbbjiage", u"价格"},    {u"edttuwaigao", u"图外高"},   {u"edttugao", u"图高"},
    {u"edttukuan", u"图宽"},   {u"edttuwaikuang", u"图外框"}, {u"edtshilitu", u"示例图"},
    {u"edtjianju", u"间距"}};

} // namespace

void styleGone(const QString& name) {
    core::fail(QStringLiteral("样式\"%1\"已不在样式库中，请点击刷新").arg(name));
}

std::span<const StyleFill> choiceFills() {
    return kChoiceFills;
}

void fillStyleFields(core::Form& window, const Style& style, std::span<const StyleFill> fills) {
    for (const auto& [field, column] : fills)
        window.setText(QString::fromUtf16(field), style.value(QString::fromUtf16(column)));
}

GeziAdministration::GeziAdministration(core::Form& window, StyleDatabase& db)
    : m_window(window)
    , m_db(db) {}

QTreeWidget* GeziAdministration::table() const {
    return m_window.control<QTreeWidget>(QStringLiteral("lv1"));
}

void GeziAdministration::loadStyles(bool keptHeight) {
    auto* styles = m_window.control<QListWidget>(QStringLiteral("lst1"));
    styles->clear();
    table()->clear();
    if (!m_db.isOpen()) core::fail(QStringLiteral("数据库连接错误"));
    for (const Style& style : m_db.all()) {
        QStringList cells = {style.value(QStringLiteral("功能"))};
        for (const char16_t* column : kTableColumns) {
            const QString name = QString::fromUtf16(column);
            cells << style.value(keptHeight && name == QStringLiteral("总高") ? QStringLiteral("高度")
                                                                              : name);
        }
        auto* row = new QTreeWidgetItem(table(), cells);
        row->setData(0, Qt::UserRole, style.rowId);
        styles->addItem(style.value(QStringLiteral("功能")));
    }
}

void GeziAdministration::loadStyleFields() {
    QTreeWidgetItem* row = table()->currentItem();
    if (!row) return;
    const std::optional<Style> style = m_db.byRowId(row->data(0, Qt::UserRole).toLongLong());
    if (!style) styleGone(row->text(0));
    m_loadedRow = style->rowId;
    fillStyleFields(m_window, *style, kTableFills);
}

QMap<QString, QString> GeziAdministration::styleFields() const {
    const auto field = [this](const char* name) { return m_window.text(QString::fromLatin1(name)); };
    return {
        {QStringLiteral("功能"), field("edtgongneng")},     {QStringLiteral("代码"), field("mmodaima")},
        {QStringLiteral("边线"), field("edtbianxian")},     {QStringLiteral("宽度"), field("edtkuan")},
        {QStringLiteral("高度"), field("edtgao")},          {QStringLiteral("标题"), field("cbbbiaoti")},
        {QStringLiteral("价格"), field("cbbjiage")},        {QStringLiteral("图外高"), field("edttuwaigao")},
        {QStringLiteral("图高"), field("edttugao")},        {QStringLiteral("图宽"), field("edttukuan")},
        {QStringLiteral("图外框"), field("edttuwaikuang")}, {QStringLiteral("示例图"), field("edtshilitu")},
        {QStringLiteral("间距"), field("edtjianju")}};
}

void GeziAdministration::addStyle() {
    if (core::platform().messageBox(&m_window, QStringLiteral("确定要添加该条信息？"), QStringLiteral("提示"),
                                    core::Buttons::OkCancel) != core::Answer::Ok)
        return;
    if (!m_db.isOpen()) core::fail(QStringLiteral("数据库连接错误"));
    m_db.append(styleFields());
}

void GeziAdministration::modifyStyle() {
    if (core::platform().messageBox(&m_window, QStringLiteral("确定要修改该条信息？"), QStringLiteral("提示"),
                                    core::Buttons::OkCancel) != core::Answer::Ok)
        return;
    if (!m_db.isOpen()) core::fail(QStringLiteral("数据库连接错误"));
    if (m_loadedRow == 0) {
        m_window.message(QStringLiteral("请先在样式表或样式列表中选择要修改的样式！"),
                         QStringLiteral("提示"));
        return;
    }
    m_db.update(m_loadedRow, styleFields());
}

qint64 GeziAdministration::deleteStyle() {
    QTreeWidgetItem* row = table()->currentItem();
    if (core::platform().messageBox(&m_window, QStringLiteral("确定要删除该条信息？"), QStringLiteral("警告"),
                                    core::Buttons::OkCancel) != core::Answer::Ok)
        return 0;
    if (!row) {
        m_window.message(QStringLiteral("请先在样式表中选择要删除的样式！"), QStringLiteral("警告"));
        return 0;
    }
    if (!m_db.isOpen()) core::fail(QStringLiteral("数据库连接错误"));
    const qint64 rowId = row->data(0, Qt::UserRole).toLongLong();
    m_db.remove(rowId);
    if (m_loadedRow == rowId) m_loadedRow = 0;
    delete row;
    return rowId;
}

} // namespace tools
