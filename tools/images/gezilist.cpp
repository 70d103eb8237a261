#include "tools/images/gezilist.h"

#include "core/failure.h"
#include "core/fetch.h"
#include "core/files.h"
#include "core/registry.h"
#include "core/text.h"
#include "tools/images/gezigrid.h"

#include <QComboBox>
#include <QDate>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>
#include <QUrl>

#ifndef QINGWU_GEZI_ADMIN_PASSWORD
#define QINGWU_GEZI_ADMIN_PASSWORD "tuv517"
#endif

namespace tools {

namespace {

const QString kLoadTitle = QStringLiteral("加载提示");
// The parameter panel's heights: no caption fields, one, both.
constexpr int kPanelPlain = 249;
constexpr int kPanelOne = 307;
constexpr int kPanelBoth = 365;
constexpr int kClientHeight = 862;

} // namespace

Tfrmgezilist::Tfrmgezilist()
    : core::Form(QStringLiteral("Tfrmgezilist"), QStringLiteral("图片格子列表生成器 V1.0"))
    , m_db(QStringLiteral("gezi"))
    , m_administrator(*this, m_db) {
    setClientSize(1584, kClientHeight);
    buildLeft();
    buildCentre();
    buildAdministration();

    on(QStringLiteral("FormCreate"), [this] { connectDatabase(databasePath()); });
    on(QStringLiteral("lst1Click"), [this] { chooseStyle(); });
    on(QStringLiteral("edt1Click"), [this] { widthPrompt(); });
    on(QStringLiteral("edt3Change"), [this] { cellsPerRow(); });
    for (const QString& field : kGeziRowFields)
        on(field + QStringLiteral("DblClick"), [this, field] { refillField(field); });
    on(QStringLiteral("btn6Click"), [this] { demoFill(); });
    on(QStringLiteral("btn5Click"), [this] { generateGroup(); });
    on(QStringLiteral("N5Click"), [this] { previewGroup(); });
    on(QStringLiteral("N1Click"), [this] { deleteGroups(); });
    on(QStringLiteral("btn8Click"), [this] { extractAll(); });
    on(QStringLiteral("pnl18Click"), [this] {
        const bool show = m_parameters->isHidden();
        m_parameters->setVisible(show);
        setText(QStringLiteral("pnl18"), show ? QStringLiteral("▼ 隐藏") : QStringLiteral("▲ 显示"));
    });
    on(QStringLiteral("pnl27Click"), [this] {
        if (!control(QStringLiteral("pnl27"))->isEnabled()) return;
        const bool show = m_administration->isHidden();
        m_administration->setVisible(show);
        setText(QStringLiteral("pnl27"), show ? QStringLiteral("》") : QStringLiteral("《"));
    });
    on(QStringLiteral("pnl8Click"), [this] { unlock(); });
    on(QStringLiteral("lv1Click"), [this] { m_administrator.loadStyleFields(); });
    on(QStringLiteral("btn4Click"), [this] { m_administrator.loadStyles(true); });
    on(QStringLiteral("btn1Click"), [this] { m_administrator.addStyle(); });
    on(QStringLiteral("btn2Click"), [this] { m_administrator.modifyStyle(); });
    on(QStringLiteral("btn3Click"), [this] {
        const qint64 deleted = m_administrator.deleteStyle();
        if (deleted && deleted == m_chosenRow) m_chosenRow = 0;
    });
    on(QStringLiteral("btn7Click"), [this] { showSample(); });
    connect(m_browser, &core::Browser::documentComplete, this,
            [this] { dispatch(QStringLiteral("wb1DocumentComplete")); });
    on(QStringLiteral("wb1DocumentComplete"), [this] {
        m_browser->setBodyAttribute(QStringLiteral("scroll"), QStringLiteral("no"));
        m_browser->setBodyStyle(QStringLiteral("border"), QStringLiteral("none"));
        m_browser->setBodyStyle(QStringLiteral("margin"), QStringLiteral("0px"));
    });
}

void Tfrmgezilist::buildLeft() {
    QLabel* header = addCaption(this, QRect(10, 8, 230, 30), QStringLiteral("方格列表"));
    header->setStyleSheet(QStringLiteral("font-size:20px;font-weight:bold;"));
    addCaption(this, QRect(10, 40, 230, 20), QStringLiteral("选择列表中样式"));
    m_styles = new QListWidget(this);
    m_styles->setObjectName(QStringLiteral("lst1"));
    m_styles->setGeometry(10, 62, 230, 330);
    m_styles->setStyleSheet(QStringLiteral("QListWidget::item{height:25px;}"));

    addCaption(this, QRect(10, 400, 230, 20), QStringLiteral("选择列表中样式"));
    m_groups = new QTreeWidget(this);
    m_groups->setObjectName(QStringLiteral("lv2"));
    m_groups->setGeometry(10, 422, 230, 370);
    m_groups->setHeaderLabels({QStringLiteral("组别"), QStringLiteral("代码")});
    m_groups->setRootIsDecorated(false);
    m_groups->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("pm1"));
    const auto item = [&](const QString& name, const QString& caption) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
    };
    item(QStringLiteral("N5"), QStringLiteral("预览"));
    menu->addSeparator();
    item(QStringLiteral("N2"), QStringLiteral("上移"));
    item(QStringLiteral("N3"), QStringLiteral("下移"));
    menu->addSeparator();
    item(QStringLiteral("N1"), QStringLiteral("删除"));
    m_groups->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_groups, &QWidget::customContextMenuRequested, this,
            [this, menu](const QPoint& at) { menu->popup(m_groups->viewport()->mapToGlobal(at)); });

    addButton(this, QStringLiteral("btn8"), QRect(10, 800, 230, 40), QStringLiteral("提取代码"));
    QLabel* strip = addLabel(this, QStringLiteral("pnl8"), QRect(0, kClientHeight - 14, 250, 14), QString());
    strip->setCursor(Qt::PointingHandCursor);
}

void Tfrmgezilist::buildCentre() {
    auto* frame = new QWidget(this);
    frame->setObjectName(QStringLiteral("pnlwb"));
    // Below the browser, a strip for the toggle of the parameter panel.
    frame->setGeometry(250, 0, 1300, kClientHeight - kPanelBoth - 22);
    m_browser = core::platform().createBrowser(frame);
    m_browser->setObjectName(QStringLiteral("wb1"));
    if (QWidget* view = m_browser->widget()) view->setGeometry(0, 0, 1300, kClientHeight - kPanelBoth - 22);

    QLabel* toggle = addLabel(this, QStringLiteral("pnl18"),
                              QRect(1460, kClientHeight - kPanelBoth - 22, 80, 20), QStringLiteral("▲ 显示"));
    toggle->setAlignment(Qt::AlignCenter);
    toggle->setCursor(Qt::PointingHandCursor);

    m_parameters = new QWidget(this);
    m_parameters->setObjectName(QStringLiteral("pnlcanshu"));
    QWidget* p = m_parameters;
    int x = 10;
    const auto field = [&](const QString& caption, int captionWidth, const QString& name, int width,
                           const QString& value) {
        addCaption(p, QRect(x, 10, captionWidth, 24), caption);
        addEdit(p, name, QRect(x + captionWidth, 10, width, 24), value)->setEnabled(false);
        x += captionWidth + width + 12;
    };
    field(QStringLiteral("总宽度："), 60, QStringLiteral("edt1"), 60, QString());
    control<QLineEdit>(QStringLiteral("edt1"))->setReadOnly(true);
    field(QStringLiteral("总高度："), 60, QStringLiteral("edt2"), 60, QString());
    addCaption(p, QRect(x, 10, 170, 24), QStringLiteral("一行生成                张"));
    addEdit(p, QStringLiteral("edt3"), QRect(x + 60, 10, 50, 24), QStringLiteral("3"))->setEnabled(false);
    x += 182;
    field(QStringLiteral("单列宽度："), 70, QStringLiteral("edt4"), 60, QString());
    field(QStringLiteral("图片宽度："), 70, QStringLiteral("edttupiankuan"), 60, QString());
    field(QStringLiteral("图片高度："), 70, QStringLiteral("edttupiangao"), 60, QString());
    addButton(p, QStringLiteral("btn5"), QRect(x, 6, 110, 32), QStringLiteral("生成一组代码"))
        ->setEnabled(false);
    addButton(p, QStringLiteral("btn6"), QRect(x + 120, 6, 90, 32), QStringLiteral("演示信息"));

    const auto captionPanel = [&](const QString& name, const QString& caption, const QString& edit) {
        auto* panel = new QWidget(p);
        panel->setObjectName(name);
        addCaption(panel, QRect(0, 0, 1000, 22), caption);
        addEdit(panel, edit, QRect(0, 24, 1270, 26));
        panel->hide();
    };
    captionPanel(QStringLiteral("pnlbiaoti"),
                 QStringLiteral("主标题信息，其余标题间用 | 隔开    ---    双击可清空"),
                 QStringLiteral("edt5"));
    captionPanel(QStringLiteral("pnljiage"),
                 QStringLiteral("副标题信息（也可以是价格），其余标题间用 | 隔开    ---    双击可清空"),
                 QStringLiteral("edt6"));
    addCaption(p, QRect(10, 0, 620, 20), QStringLiteral("【图片列表】图片间用 | 隔开    ---    双击可清空"))
        ->setObjectName(QStringLiteral("lbltupian"));
    addMemo(p, QStringLiteral("mmo2"), QRect(10, 0, 630, 160));
    addCaption(p, QRect(650, 0, 620, 20), QStringLiteral("【链接列表】链接间用 | 隔开    ---    双击可清空"))
        ->setObjectName(QStringLiteral("lbllianjie"));
    addMemo(p, QStringLiteral("mmo3"), QRect(650, 0, 630, 160));
    m_parameters->hide();
}

void Tfrmgezilist::buildAdministration() {
    QLabel* toggle = addLabel(this, QStringLiteral("pnl27"), QRect(1560, 300, 24, 60), QStringLiteral("《"));
    toggle->setAlignment(Qt::AlignCenter);
    toggle->setEnabled(false);

    m_administration = new QWidget(this);
    m_administration->setObjectName(QStringLiteral("pnl9"));
    m_administration->setGeometry(1160, 0, 400, kClientHeight);
    m_administration->setAutoFillBackground(true);
    QWidget* a = m_administration;
    m_table = new QTreeWidget(a);
    m_table->setObjectName(QStringLiteral("lv1"));
    m_table->setGeometry(8, 8, 384, 300);
    m_table->setRootIsDecorated(false);
    QStringList headers = {QStringLiteral("功能"), QStringLiteral("宽度"), QStringLiteral("高度")};
    headers << QStringLiteral("代码") << QStringLiteral("边线") << QStringLiteral("标题")
            << QStringLiteral("价格") << QStringLiteral("图外高") << QStringLiteral("图高")
            << QStringLiteral("图宽") << QStringLiteral("图外框") << QStringLiteral("示例图")
            << QStringLiteral("间距");
    m_table->setHeaderLabels(headers);

    int y = 318;
    const auto row = [&](const QString& caption, const QString& name, int width) {
        addCaption(a, QRect(8, y, 70, 22), caption);
        addEdit(a, name, QRect(80, y, width, 22));
        y += 28;
    };
    row(QStringLiteral("功能名："), QStringLiteral("edtgongneng"), 300);
    row(QStringLiteral("总宽度："), QStringLiteral("edtkuan"), 100);
    row(QStringLiteral("总高度："), QStringLiteral("edtgao"), 100);
    row(QStringLiteral("外边线："), QStringLiteral("edtbianxian"), 100);
    const QStringList flags = {QStringLiteral("无"), QStringLiteral("有")};
    addCaption(a, QRect(8, y, 70, 22), QStringLiteral("标题："));
    addCombo(a, QStringLiteral("cbbbiaoti"), QRect(80, y, 100, 22), flags, QStringLiteral("无"));
    addCaption(a, QRect(200, y, 50, 22), QStringLiteral("价格："));
    addCombo(a, QStringLiteral("cbbjiage"), QRect(250, y, 100, 22), flags, QStringLiteral("无"));
    y += 28;
    row(QStringLiteral("图外高："), QStringLiteral("edttuwaigao"), 100);
    row(QStringLiteral("图片高："), QStringLiteral("edttugao"), 100);
    row(QStringLiteral("图片宽："), QStringLiteral("edttukuan"), 100);
    row(QStringLiteral("图边距："), QStringLiteral("edttuwaikuang"), 100);
    row(QStringLiteral("间距："), QStringLiteral("edtjianju"), 100);
    addCaption(a, QRect(8, y, 70, 22), QStringLiteral("示例图："));
    addEdit(a, QStringLiteral("edtshilitu"), QRect(80, y, 240, 22));
    addButton(a, QStringLiteral("btn7"), QRect(326, y, 66, 22), QStringLiteral("查看"));
    y += 28;
    addCaption(a, QRect(8, y, 70, 22), QStringLiteral("代 码："));
    addMemo(a, QStringLiteral("mmodaima"), QRect(80, y, 312, kClientHeight - y - 50));
    addButton(a, QStringLiteral("btn4"), QRect(80, kClientHeight - 40, 70, 30), QStringLiteral("刷新"));
    addButton(a, QStringLiteral("btn1"), QRect(160, kClientHeight - 40, 70, 30), QStringLiteral("添加"));
    addButton(a, QStringLiteral("btn2"), QRect(240, kClientHeight - 40, 70, 30), QStringLiteral("修改"));
    addButton(a, QStringLiteral("btn3"), QRect(320, kClientHeight - 40, 70, 30), QStringLiteral("删除"));
    m_administration->hide();
}

QString Tfrmgezilist::databasePath() {
    return core::programFolder() + QStringLiteral("/gezi.db");
}

QString Tfrmgezilist::adminPassword() {
    return QStringLiteral(QINGWU_GEZI_ADMIN_PASSWORD);
}

void Tfrmgezilist::connectDatabase(const QString& path) {
    m_styles->clear();
    m_table->clear();
    m_parameters->resize(1300, kPanelPlain);
    m_parameters->move(250, kClientHeight - kPanelPlain);
    try {
        m_db.open(path);
        m_administrator.loadStyles(false);
    } catch (const core::Failure& failure) {
        message(QStringLiteral("数据库连接错误") + QStringLiteral("\r\n") + failure.message());
    }
}

bool Tfrmgezilist::chooseStyle(const QString& name) {
    const QList<QListWidgetItem*> found = m_styles->findItems(name, Qt::MatchExactly);
    if (found.isEmpty()) return false;
    m_styles->setCurrentItem(found.first());
    fire(QStringLiteral("lst1Click"));
    return true;
}

void Tfrmgezilist::selectStyleRow(int row) {
    m_table->setCurrentItem(row < 0 ? nullptr : m_table->topLevelItem(row));
}

void Tfrmgezilist::selectGroups(const QList<int>& rows) {
    m_groups->clearSelection();
    for (int row : rows)
        if (QTreeWidgetItem* item = m_groups->topLevelItem(row)) item->setSelected(true);
}

QStringList Tfrmgezilist::groupCaptions() const {
    QStringList captions;
    for (int i = 0; i < m_groups->topLevelItemCount(); ++i)
        captions << m_groups->topLevelItem(i)->text(0);
    return captions;
}

QStringList Tfrmgezilist::groupCodes() const {
    QStringList codes;
    for (int i = 0; i < m_groups->topLevelItemCount(); ++i)
        codes << m_groups->topLevelItem(i)->data(1, Qt::UserRole).toString();
    return codes;
}

void Tfrmgezilist::chooseStyle() {
    QListWidgetItem* current = m_styles->currentItem();
    if (!current) return;
    const std::optional<Style> style = m_db.byName(current->text());
    if (!style) styleGone(current->text());
    m_style = style->value(QStringLiteral("功能"));
    m_chosenRow = style->rowId;
    m_administrator.setLoaded(style->rowId);
    for (const QString& name :
         {QStringLiteral("edt1"), QStringLiteral("edt3"), QStringLiteral("edttupiankuan"),
          QStringLiteral("edttupiangao"), QStringLiteral("btn5")})
        control(name)->setEnabled(true);

    fillStyleFields(*this, *style, choiceFills());

    showPage(style->value(QStringLiteral("实例")));

    // "有"/"无": titles only; "有"/"有": both; "无"/"无": neither; anything else: prices only.
    const QString titleFlag = text(QStringLiteral("cbbbiaoti"));
    const QString priceFlag = text(QStringLiteral("cbbjiage"));
    const bool yes = titleFlag == QStringLiteral("有");
    const bool noPrice = priceFlag == QStringLiteral("无");
    const bool showTitles = yes && (noPrice || priceFlag == QStringLiteral("有"));
    const bool showPrices = !(noPrice && (yes || titleFlag == QStringLiteral("无")));
    const int height =
        showTitles && showPrices ? kPanelBoth : (showTitles || showPrices ? kPanelOne : kPanelPlain);
    QWidget* titlePanel = control(QStringLiteral("pnlbiaoti"));
    QWidget* pricePanel = control(QStringLiteral("pnljiage"));
    int y = 44;
    titlePanel->setVisible(showTitles);
    if (showTitles) {
        place(titlePanel, QRect(10, y, 1280, 52));
        y += 58;
    }
    pricePanel->setVisible(showPrices);
    if (showPrices) {
        place(pricePanel, QRect(10, y, 1280, 52));
        y += 58;
    }
    QWidget* pictures = control(QStringLiteral("lbltupian"));
    QWidget* links = control(QStringLiteral("lbllianjie"));
    place(pictures, QRect(QPoint(10, y), design(pictures->size())));
    place(links, QRect(QPoint(650, y), design(links->size())));
    place(control(QStringLiteral("mmo2")), QRect(10, y + 22, 630, height - y - 30));
    place(control(QStringLiteral("mmo3")), QRect(650, y + 22, 630, height - y - 30));
    place(m_parameters, QRect(250, kClientHeight - height, 1300, height));
}

void Tfrmgezilist::widthPrompt() {
    const std::optional<QString> answer = core::platform().prompt(
        this, QStringLiteral("信息"), QStringLiteral("请输入要修改的 宽度 值不带单位"), QString());
    setText(QStringLiteral("edt1"), answer.value_or(QString()));
    if (m_chosenRow == 0) return;
    const std::optional<Style> style = m_db.byRowId(m_chosenRow);
    if (!style) styleGone(m_style);
    setText(QStringLiteral("edt2"), style->value(QStringLiteral("高度")));
    setText(QStringLiteral("edttupiankuan"), style->value(QStringLiteral("图宽")));
    setText(QStringLiteral("edttupiangao"), style->value(QStringLiteral("图高")));
    // Setting "3" recomputes the row even when it already reads "3".
    QLineEdit* cells = control<QLineEdit>(QStringLiteral("edt3"));
    if (cells->text() == QLatin1String("3"))
        cellsPerRow();
    else
        cells->setText(QStringLiteral("3"));
}

void Tfrmgezilist::cellsPerRow() {
    core::applyBuilt(*this, geziRow({.width = text(QStringLiteral("edt1")),
                                     .cells = text(QStringLiteral("edt3")),
                                     .spacing = text(QStringLiteral("edtjianju")),
                                     .margin = text(QStringLiteral("edttuwaikuang")),
                                     .pictureWidth = text(QStringLiteral("edttupiankuan")),
                                     .pictureHeight = text(QStringLiteral("edttupiangao"))}));
}

void Tfrmgezilist::refillField(const QString& field) {
    core::applyBuilt(*this, geziRowFrames(text(QStringLiteral("edt3")), {field}));
}

void Tfrmgezilist::demoFill() {
    Style style;
    if (m_chosenRow) style = m_db.byRowId(m_chosenRow).value_or(Style());
    core::applyBuilt(*this, geziDemoRow(text(QStringLiteral("edt3")), style.value(QStringLiteral("示例图")),
                                        style.value(QStringLiteral("主标题")),
                                        style.value(QStringLiteral("副标题"))));
}

GeziGroupInput Tfrmgezilist::groupInput() const {
    auto field = [this](const char* name) { return text(QString::fromLatin1(name)); };
    return {.cellTemplate = field("mmodaima"),
            .width = field("edt1"),
            .cells = field("edt3"),
            .column = field("edt4"),
            .pictureWidth = field("edttupiankuan"),
            .pictureHeight = field("edttupiangao"),
            .captionHeight = field("edttuwaigao"),
            .margin = field("edttuwaikuang"),
            .border = field("edtbianxian"),
            .spacing = field("edtjianju"),
            .titleFlag = field("cbbbiaoti"),
            .priceFlag = field("cbbjiage"),
            .pictures = field("mmo2"),
            .links = field("mmo3"),
            .titles = field("edt5"),
            .prices = field("edt6")};
}

void Tfrmgezilist::generateGroup() {
    const GeziGroup group = geziGroup(groupInput());
    const QString code = core::applyBuilt(*this, group.built);
    core::writeTextFile(QDir(core::workingFolder()).filePath(QStringLiteral("0.txt")), group.cells);

    const QString caption = QStringLiteral("第%1组").arg(m_groups->topLevelItemCount() + 1);
    auto* item = new QTreeWidgetItem(m_groups, {caption, code});
    item->setData(1, Qt::UserRole, code);
    core::platform().setClipboardText(code);
    message(QStringLiteral("单行图片列表生成并复制成功完毕，可以点击预览！"), kLoadTitle);
    showPreview(QStringLiteral(" |  操作时间：") +
                    QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat),
                code, group.footer);
    if (m_chosenRow) m_db.update(m_chosenRow, {{QStringLiteral("实例"), code}});
}

void Tfrmgezilist::showPreview(const QString& extraHeading, const QString& body, const QString& footer) {
    showPage(geziPreviewPage(text(QStringLiteral("edt1")), m_style, extraHeading, body, footer));
}

void Tfrmgezilist::showPage(const QString& html) {
    const QString path = QDir(core::workingFolder()).filePath(QStringLiteral("files.html"));
    core::writeTextFile(path, html);
    m_browser->navigate(path);
}

void Tfrmgezilist::previewGroup() {
    QTreeWidgetItem* group = m_groups->currentItem();
    if (!group || !group->isSelected()) return;
    showPreview(QStringLiteral(" |  所在分组：") + group->text(0), group->data(1, Qt::UserRole).toString(),
                {});
}

void Tfrmgezilist::deleteGroups() {
    qDeleteAll(m_groups->selectedItems());
}

void Tfrmgezilist::extractAll() {
    if (m_groups->topLevelItemCount() == 0) {
        message(QStringLiteral("列表中还没有代码，请先生成一组代码！"), kLoadTitle);
        return;
    }
    QString all;
    for (const QString& code : groupCodes())
        all += code + QStringLiteral("\r\n");
    core::platform().setClipboardText(all);
    message(QStringLiteral("列表中所有行数代码复制成功完毕，可以点击预览！"), kLoadTitle);
    showPreview(QString(), all, {});
}

void Tfrmgezilist::unlock() {
    const std::optional<QString> answer =
        core::platform().prompt(this, QStringLiteral("权限认证"), QStringLiteral("管理员密码"), QString());
    if (answer && *answer == adminPassword()) control(QStringLiteral("pnl27"))->setEnabled(true);
}

void Tfrmgezilist::showSample() {
    QString address = text(QStringLiteral("edtshilitu"));
    const qsizetype https = address.indexOf(QStringLiteral("https"));
    if (https >= 0) {
        address.replace(https, 5, QStringLiteral("http"));
        setText(QStringLiteral("edtshilitu"), address);
    }
    const int width = core::parseInt(text(QStringLiteral("edttukuan")));
    const int height = core::parseInt(text(QStringLiteral("edttugao")));
    if (!m_viewer) {
        m_viewer = new QDialog(this, Qt::Dialog);
        m_viewer->setObjectName(QStringLiteral("frmshilitu"));
        m_viewer->setWindowTitle(QStringLiteral("示例图图片预览"));
        auto* picture = new QLabel(m_viewer);
        picture->setObjectName(QStringLiteral("imgshilitu"));
        picture->setScaledContents(true);
    }
    // A window no bigger than a large screen, at least one pixel.
    const QSize size(qBound(1, width, 4096), qBound(1, height, 4096));
    m_viewer->setFixedSize(size);
    auto* picture = m_viewer->findChild<QLabel*>(QStringLiteral("imgshilitu"));
    picture->setGeometry(0, 0, size.width(), size.height());
    picture->clear();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        m_viewer->move(screen->geometry().center() - QPoint(size.width() / 2, size.height() / 2));
    m_viewer->show();
    const auto showJpeg = [picture](const QByteArray& bytes) {
        QImage image;
        if (!image.loadFromData(bytes, "JPEG"))
            core::fail(QStringLiteral("JPEG error #53: 示例图不是 JPEG 图片"));
        picture->setPixmap(QPixmap::fromImage(image));
    };
    // The shipped styles' samples are files of the program: read, not fetched.
    const QUrl local(address);
    if (local.isLocalFile()) {
        QFile file(local.toLocalFile());
        if (!file.open(QIODevice::ReadOnly)) core::fail(QStringLiteral("示例图无法读取：%1").arg(address));
        if (file.size() > core::fetchCap(core::FetchKind::Picture))
            core::fail(core::fetchError::tooLarge(address, core::fetchCap(core::FetchKind::Picture)));
        showJpeg(file.readAll());
        return;
    }
    fetchThen(core::FetchRequest{address, core::FetchKind::Picture}, [showJpeg](const core::Fetched& got) {
        if (!got.ok()) core::fail(got.error);
        showJpeg(got.bytes);
    });
}

QINGWU_WINDOW(Tfrmgezilist, {.order = 790,
                             .tile = core::Tile{.page = u"ts6",
                                                .row = 1,
                                                .column = 1,
                                                .image = u"img52",
                                                .caption = u"图片格子列表生成器",
                                                .size = core::TileSize::Wide},
                             .atStart = true})

} // namespace tools
