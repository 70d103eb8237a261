#include "tools/code/piliangtonglan.h"

#include "core/failure.h"
#include "core/files.h"
#include "core/jpegsize.h"
#include "core/registry.h"
#include "core/text.h"
#include "tools/code/bannerwrap.h"
#include "tools/code/pastemenu.h"

#include <QHeaderView>
#include <QMenu>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tools {

namespace {

const QString kCaption = QStringLiteral(
    "淘宝天猫通栏模块批量转化工具    技术支持：（旺旺）岚舟设计工作室");

QStringList sampleAddresses() {
    QStringList lines;
    for (int i = 1; i <= 15; ++i)
        lines << QStringLiteral("https://img.alicdn.com/imgextra/i%1/qingwu/banner-%2-1920x600.jpg")
                     .arg(i % 4 + 1)
                     .arg(i, 2, 10, QLatin1Char('0'));
    return lines;
}

// The thumbnail page of the preview panel.
QString thumbnailFile() {
    return core::workingFolder() + QStringLiteral("/预览.html");
}

} // namespace

Tfrmpiliangtonglan::Tfrmpiliangtonglan() : core::Form(QStringLiteral("Tfrmpiliangtonglan"), kCaption) {
    setClientSize(686, 608);

    QGroupBox* editions =
        addGroup(this, QStringLiteral("grp1"), QRect(10, 6, 300, 50), QStringLiteral("店铺类型"));
    addRadio(editions, QStringLiteral("rb1"), QRect(14, 20, 86, 22), QStringLiteral("专业版"));
    addRadio(editions, QStringLiteral("rb2"), QRect(108, 20, 86, 22), QStringLiteral("天猫店"));
    addRadio(editions, QStringLiteral("rb3"), QRect(202, 20, 86, 22), QStringLiteral("基础版"));
    addCaption(this, QRect(322, 24, 56, 24), QStringLiteral("热点名："));
    addEdit(this, QStringLiteral("edt2"), QRect(378, 24, 80, 24), QStringLiteral("tarro"));
    addButton(this, QStringLiteral("btn3"), QRect(470, 16, 100, 36), QStringLiteral("立即解析"));
    addButton(this, QStringLiteral("btn1"), QRect(576, 16, 100, 36), QStringLiteral("预览图片"));

    addCaption(this, QRect(10, 62, 200, 20), QStringLiteral("图片地址："));
    core::Memo* addresses = addMemo(this, QStringLiteral("mmo1"), QRect(10, 84, 666, 150), sampleAddresses());
    addresses->setPlaceholderText(
        QStringLiteral("图片空间中选中多张图片，批量选择，将图片地址粘贴在这里！"));
    addresses->setToolTip(QStringLiteral("图片空间中选中多张图片，批量选择，将图片地址粘贴在这里！"));
    addPasteClearMenu(this, addresses);

    addCaption(this, QRect(10, 240, 200, 20), QStringLiteral("成品列表："));
    auto* list = new QTreeWidget(this);
    list->setObjectName(QStringLiteral("lv1"));
    list->setGeometry(10, 262, 666, 180);
    list->setRootIsDecorated(false);
    list->setHeaderLabels({QStringLiteral("序号"), QStringLiteral("宽度"), QStringLiteral("高度"),
                           QStringLiteral("成品")});
    list->setColumnWidth(0, 60);
    list->setColumnWidth(1, 60);
    list->setColumnWidth(2, 60);
    addCaption(this, QRect(10, 448, 200, 20), QStringLiteral("代码预览："));
    addMemo(this, QStringLiteral("mmo3"), QRect(10, 470, 666, 128));

    // The preview panel covers the window while shown.
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("pnl1"));
    panel->setGeometry(0, 0, 686, 608);
    panel->setAutoFillBackground(true);
    addCaption(panel, QRect(10, 8, 70, 24), QStringLiteral("预览图宽："));
    addEdit(panel, QStringLiteral("edt1"), QRect(80, 8, 60, 24), QStringLiteral("100"));
    addButton(panel, QStringLiteral("btn4"), QRect(150, 6, 80, 28), QStringLiteral("预览"));
    addButton(panel, QStringLiteral("btn2"), QRect(596, 6, 80, 28), QStringLiteral("关闭"));
    auto* view = new QWidget(panel);
    view->setObjectName(QStringLiteral("wb1"));
    view->setGeometry(0, 40, 686, 568);
    panel->hide();

    on(QStringLiteral("btn3Click"), [this] { convert(); });
    on(QStringLiteral("lv1Click"), [this] { showRow(false); });
    on(QStringLiteral("lv1DblClick"), [this] { showRow(true); });
    // Rows are double-clicked in the list's viewport.
    connect(list, &QTreeWidget::itemDoubleClicked, this, [this] { dispatch(QStringLiteral("lv1DblClick")); });
    on(QStringLiteral("btn1Click"), [panel] {
        panel->show();
        panel->raise();
    });
    on(QStringLiteral("btn2Click"), [panel] { panel->hide(); });
    on(QStringLiteral("btn4Click"), [this] { thumbnails(); });
    on(QStringLiteral("N3Click"), [this] {
        if (core::platform().clipboardHasText())
            setText(QStringLiteral("mmo1"), core::platform().clipboardText());
    });
    on(QStringLiteral("N2Click"), [this] { setText(QStringLiteral("mmo1"), QString()); });
}

QSize Tfrmpiliangtonglan::pictureSize(const core::Fetched& picture) {
    if (!picture.ok()) core::fail(picture.error + QStringLiteral("转化停在这张图片。"));
    const core::JpegHeader header = core::jpegSize(picture.bytes);
    if (!header.size.isValid())
        core::fail(QStringLiteral("图片\"%1\"不是可读的 JPEG 图片（%2），转化停在这张图片。")
                       .arg(picture.address, header.error));
    return header.size;
}

void Tfrmpiliangtonglan::convert() {
    const QStringList typed = core::textLines(text(QStringLiteral("mmo1")));
    m_records.resize(typed.size());
    control<QTreeWidget>(QStringLiteral("lv1"))->clear();

    const QString trimmed = text(QStringLiteral("mmo1")).trimmed();
    setText(QStringLiteral("mmo1"), trimmed);
    std::optional<core::Edition> edition;
    if (control<QRadioButton>(QStringLiteral("rb1"))->isChecked()) edition = core::Edition::Professional;
    if (control<QRadioButton>(QStringLiteral("rb2"))->isChecked()) edition = core::Edition::Tmall;
    if (control<QRadioButton>(QStringLiteral("rb3"))->isChecked()) edition = core::Edition::Basic;
    convertFrom(0, core::textLines(trimmed), text(QStringLiteral("edt2")), edition);
}

void Tfrmpiliangtonglan::convertFrom(int i, const QStringList& addresses, const QString& prefix,
                                     std::optional<core::Edition> edition) {
    if (i >= addresses.size()) return;
    const QString address = addresses[i];
    fetchThen(core::FetchRequest{address, core::FetchKind::Picture}, [=, this](const core::Fetched& picture) {
        const QSize size = pictureSize(picture);
        // The window refuses its commands while it waits, so the records
        // are still those this conversion sized.
        Record& record = m_records[i];
        record.width = QString::number(size.width());
        record.height = QString::number(size.height());
        record.tag = QStringLiteral("<img src=\"") + address + QStringLiteral("\" usemap=\"#") + prefix +
                     QString::number(i) + QStringLiteral("\" />");
        const QString reserved = QString::number(qint64(size.height()) - 20);
        // Without an edition the code of the last conversion stays.
        if (edition)
            record.code = wrapBanner(*edition, {record.width, record.height, reserved, QStringLiteral("-20px")},
                                     record.tag);
        auto* row = new QTreeWidgetItem(control<QTreeWidget>(QStringLiteral("lv1")));
        row->setText(0, QStringLiteral("模") + QString::number(i + 1));
        row->setText(1, record.width);
        row->setText(2, record.height);
        row->setText(3, record.code);
        convertFrom(i + 1, addresses, prefix, edition);
    });
}

void Tfrmpiliangtonglan::showRow(bool copy) {
    QTreeWidgetItem* row = control<QTreeWidget>(QStringLiteral("lv1"))->currentItem();
    if (!row) return;
    setText(QStringLiteral("mmo3"), core::joinLines(core::textLines(row->text(3))));
    if (!copy) return;
    if (!needOutput(QStringLiteral("mmo3"), QStringLiteral("这一行还没有代码：请先选择店铺类型，再点击立即解析！")))
        return;
    copyMemo(QStringLiteral("mmo3"));
    core::platform().information(this, QStringLiteral("代码复制成功！"));
    row->setText(0, QStringLiteral("已安"));
}

void Tfrmpiliangtonglan::thumbnails() {
    const QString p = text(QStringLiteral("edt1"));
    QStringList lines;
    int n = 0;
    for (const QString& address : core::textLines(text(QStringLiteral("mmo1"))))
        lines << QStringLiteral("<table style=\"float:left;margin:10px;background-color:#000; color:#FFF; "
                                "text-align:center;font-size:14px;\" width=\"") +
                     p + QStringLiteral("\" height=\"") + p +
                     QStringLiteral("\"  border=\"0\" cellpadding=\"0\" cellspacing=\"0\"><tr><td>") +
                     QStringLiteral("<img src=\"") + address + QStringLiteral("\" width=\"") + p +
                     QStringLiteral("\" /></td></tr><tr><td> NO.") + QString::number(++n) +
                     QStringLiteral("</td></tr></table>");
    core::writeTextFile(thumbnailFile(), core::joinLines(lines));
    if (!m_browser) m_browser = core::platform().createBrowser(control<QWidget>(QStringLiteral("wb1")));
    m_browser->navigate(thumbnailFile());
}

QINGWU_WINDOW(Tfrmpiliangtonglan, {.order = 810,
                                   .tile = core::Tile{.page = u"tstuijian",
                                                      .row = 1,
                                                      .column = 2,
                                                      .image = u"img2",
                                                      .caption = u"批量通栏转化",
                                                      .size = core::TileSize::Large}})

} // namespace tools
