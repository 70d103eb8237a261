#include "tools/images/imgurl.h"

#include "core/addresses.h"
#include "core/failure.h"
#include "core/fetch.h"
#include "core/files.h"
#include "core/fit.h"
#include "core/registry.h"
#include "core/text.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>
#include <QSet>
#include <QStatusBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <algorithm>
#include <cmath>
#include <memory>

namespace tools {

namespace {

const QString kAsk = QStringLiteral("确定要删除吗？");

// A panel that follows the pointer while a mouse button is held on its
// background, staying inside its parent.
class DragPanel : public QFrame {
public:
    using QFrame::QFrame;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        m_grip = event->position().toPoint();
        m_dragging = true;
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (!m_dragging || !parentWidget()) return;
        QPoint target = mapToParent(event->position().toPoint() - m_grip);
        const QRect room = parentWidget()->rect();
        target.setX(std::clamp(target.x(), 0, std::max(0, room.width() - width())));
        target.setY(std::clamp(target.y(), 0, std::max(0, room.height() - height())));
        move(target);
    }
    void mouseReleaseEvent(QMouseEvent*) override { m_dragging = false; }

private:
    QPoint m_grip;
    bool m_dragging = false;
};

// A picture format: `minimum` required integer digits, thousands grouped by
// ",", `decimals` digits after the point, rounded half away from zero.
QString pictureFormat(double value, int minimum, int decimals) {
    const qint64 scale = decimals == 2 ? 100 : 1;
    const qint64 scaled = std::llround(value * double(scale));
    QString whole = QString::number(scaled / scale).rightJustified(minimum, u'0');
    for (qsizetype i = whole.size() - 3; i > 0; i -= 3)
        whole.insert(i, u',');
    if (decimals == 0) return whole;
    return whole + u'.' + QString::number(scaled % scale).rightJustified(decimals, u'0');
}

QTreeWidgetItem* row(const QString& number, const QString& address, const QString& size) {
    return new QTreeWidgetItem(QStringList{number, address, size});
}

QTreeWidgetItem* copyRow(const QTreeWidgetItem* item) {
    return row(item->text(0), item->text(1), item->text(2));
}

} // namespace

QString sizeLabel(qint64 s) {
    QString out;
    if (s > 1073741824)
        out = pictureFormat(double(s) / 1073741824.0, 1, 2) + u'G';
    else if (s > 1048576)
        out = pictureFormat(double(s) / 1048576.0, 1, 2) + u'M';
    else if (s > 1024)
        out = pictureFormat(double(s) / 1024.0, 2, 0) + u'K';
    else
        out = pictureFormat(double(s), 1, 0) + u'B';
    if (out.size() > 2 && out.startsWith(u'0')) out.remove(0, 1);
    return out;
}

QString numberLabel(int ordinal) {
    return QStringLiteral("第 ") + QString::number(ordinal).rightJustified(2, u'0') + QStringLiteral(" 张");
}

Tfrmimgurl::Tfrmimgurl()
    : Form(QStringLiteral("Tfrmimgurl"),
           QStringLiteral("青梧360 图片下载器 - 宝贝图片批量提取 V5.0 - 青梧工作室出品")) {
    setMinimumSize(1360, 850);
    resize(1366, 850);

    // Main menu.
    auto* menus = new QMenuBar(this);
    menus->setObjectName(QStringLiteral("mm1"));
    menus->setGeometry(0, 0, 1366, 24);
    QMenu* file = menus->addMenu(QStringLiteral(" 文件"));
    file->addAction(QStringLiteral("解析图片"))->setObjectName(QStringLiteral("N3"));
    file->addAction(QStringLiteral("下载保存"))->setObjectName(QStringLiteral("N4"));
    file->addAction(QStringLiteral("退出关闭"))->setObjectName(QStringLiteral("N5"));
    menus->addAction(QStringLiteral(" 下载地址"))->setObjectName(QStringLiteral("N6"));
    menus->addAction(QStringLiteral("  使用帮助"))->setObjectName(QStringLiteral("N7"));

    // Top bar.
    addButton(this, QStringLiteral("btn14"), QRect(8, 28, 90, 28), QStringLiteral("返回首页"));
    addCaption(this, QRect(104, 32, 90, 22), QStringLiteral("    Input Url:  "));
    addEdit(this, QStringLiteral("edt1"), QRect(194, 30, 900, 26), core::addresses::imageDownloaderSample);
    addCaption(this, QRect(1104, 32, 160, 22), QStringLiteral("◎ 可按回车键跳转"));

    // Left column.
    addButton(this, QStringLiteral("btn1"), QRect(8, 64, 170, 36), QStringLiteral("① 跳转网址"));
    QLabel* summary =
        addLabel(this, QStringLiteral("lbl7"), QRect(8, 108, 170, 150),
                 QStringLiteral("您好！\r\n\r\n提取到大于            KB， \r\n\r\n的图片数量为         "
                                "张，\r\n\r\n请及时保存！"));
    summary->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QLineEdit* threshold =
        addEdit(this, QStringLiteral("edtdaxiao"), QRect(78, 138, 48, 22), QStringLiteral("50"));
    QLabel* count = addLabel(this, QStringLiteral("lbl1"), QRect(92, 172, 40, 20), QStringLiteral("0"));
    core::putInGaps(summary, {threshold, count});
    count->setStyleSheet(QStringLiteral("color:red; font-weight:bold"));
    addButton(this, QStringLiteral("btn2"), QRect(8, 266, 170, 36), QStringLiteral("② 解析图片"));
    auto* gauge = new QProgressBar(this);
    gauge->setObjectName(QStringLiteral("g1"));
    gauge->setGeometry(8, 308, 170, 20);
    gauge->setRange(0, 100);
    gauge->setValue(0);
    setStopButton(addButton(this, QStringLiteral("btnstop"), QRect(8, 332, 170, 26), QStringLiteral("停止")));
    addCaption(this, QRect(8, 370, 80, 22), QStringLiteral(" 缩略图尺寸: "));
    addEdit(this, QStringLiteral("edt3"), QRect(90, 368, 50, 24), QStringLiteral("100"));
    addCaption(this, QRect(142, 370, 34, 22), QStringLiteral(" px "));
    addButton(this, QStringLiteral("btn9"), QRect(8, 402, 170, 36), QStringLiteral("看原尺寸"));
    addButton(this, QStringLiteral("btn10"), QRect(8, 444, 170, 36), QStringLiteral("预览"));
    addButton(this, QStringLiteral("btn5"), QRect(8, 486, 170, 40), QStringLiteral("③ 下载保存"));

    // Pages.
    auto* pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("pgc1"));
    pages->setGeometry(186, 62, 1172, 738);
    for (int n : {1, 2}) {
        auto* page = new QWidget;
        auto* host = new QWidget(page);
        host->setObjectName(QStringLiteral("wb%1").arg(n));
        host->setGeometry(0, 0, 1166, 706);
        pages->addTab(page, n == 1 ? QStringLiteral(" 浏览页面      ") : QStringLiteral("图片预览     "));
    }
    auto* edit = new QWidget;
    addCaption(edit, QRect(8, 4, 200, 20), QStringLiteral("图片预览"));
    auto* single = new QWidget(edit);
    single->setObjectName(QStringLiteral("wb3"));
    single->setGeometry(8, 26, 350, 676);
    addCaption(edit, QRect(370, 4, 100, 20), QStringLiteral("图片列表："));
    addButton(edit, QStringLiteral("btn3"), QRect(700, 0, 90, 26), QStringLiteral("删除单图"));
    addButton(edit, QStringLiteral("btn11"), QRect(800, 0, 90, 26), QStringLiteral("预览"));
    addCaption(edit, QRect(900, 4, 150, 20), QStringLiteral("点图片编号可排序"))
        ->setStyleSheet(QStringLiteral("color:grey"));
    auto makeList = [&](QWidget* parent, const QString& name, const QRect& geometry,
                        const QStringList& columns, const QList<int>& widths) {
        auto* view = new QTreeWidget(parent);
        view->setObjectName(name);
        view->setGeometry(geometry);
        view->setRootIsDecorated(false);
        view->setSelectionBehavior(QAbstractItemView::SelectRows);
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->setHeaderLabels(columns);
        for (int i = 0; i < widths.size(); ++i)
            view->setColumnWidth(i, widths[i]);
        return view;
    };
    QTreeWidget* images = makeList(
        edit, QStringLiteral("lv1"), QRect(370, 30, 790, 400),
        {QStringLiteral("  图片编号"), QStringLiteral("  图片地址"), QStringLiteral("大小")}, {80, 650, 80});
    images->setStyleSheet(QStringLiteral("QTreeView::item { border: 1px solid #ddd; }"));
    addCaption(edit, QRect(370, 440, 100, 20), QStringLiteral("图片回收站："));
    addCaption(edit, QRect(480, 440, 260, 20), QStringLiteral("您选中了第          张，撤销数据！"))
        ->setStyleSheet(QStringLiteral("color:red; font-weight:bold"));
    addLabel(edit, QStringLiteral("lbl9"), QRect(552, 440, 40, 20), QStringLiteral("0"))
        ->setStyleSheet(QStringLiteral("color:red; font-weight:bold"));
    addButton(edit, QStringLiteral("btn4"), QRect(900, 436, 80, 26), QStringLiteral("撤销"));
    addButton(edit, QStringLiteral("btn12"), QRect(990, 436, 80, 26), QStringLiteral("清空"));
    QTreeWidget* bin =
        makeList(edit, QStringLiteral("lv2"), QRect(370, 466, 790, 236),
                 {QStringLiteral("编号"), QStringLiteral("图片地址"), QStringLiteral("大小")}, {80, 620, 80});
    auto* panel = new DragPanel(edit);
    panel->setObjectName(QStringLiteral("pnl12"));
    panel->setGeometry(20, 330, 330, 360);
    panel->setFrameShape(QFrame::Panel);
    panel->setAutoFillBackground(true);
    addCaption(panel, QRect(8, 6, 200, 20), QStringLiteral("图片删除列表"));
    makeList(panel, QStringLiteral("lv3"), QRect(8, 28, 314, 284),
             {QStringLiteral("编号"), QStringLiteral("图片"), QStringLiteral("大小")}, {70, 170, 60});
    addButton(panel, QStringLiteral("btn6"), QRect(230, 320, 90, 30), QStringLiteral("删除"));
    pages->addTab(edit, QStringLiteral("图片编辑     "));

    // Context menus of the image list and the bin.
    auto* imageMenu = new QMenu(this);
    imageMenu->setObjectName(QStringLiteral("pm1"));
    imageMenu->addAction(QStringLiteral("删除此记录"))->setObjectName(QStringLiteral("N1"));
    auto* binMenu = new QMenu(this);
    binMenu->setObjectName(QStringLiteral("pm2"));
    binMenu->addAction(QStringLiteral("删除本记录"))->setObjectName(QStringLiteral("N2"));
    images->setContextMenuPolicy(Qt::CustomContextMenu);
    bin->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(images, &QWidget::customContextMenuRequested, this,
            [images, imageMenu](const QPoint& at) { imageMenu->popup(images->viewport()->mapToGlobal(at)); });
    connect(bin, &QWidget::customContextMenuRequested, this,
            [bin, binMenu](const QPoint& at) { binMenu->popup(bin->viewport()->mapToGlobal(at)); });

    addCaption(this, QRect(8, 804, 1000, 20),
               QStringLiteral(
                   "提示信息：输入网址 → 跳转 → 键盘PgDn 按钮 直到页面底部 → 击解析地址 → 预览 → 保存！"));

    // Status bar: the working folder and the date, both fixed now.
    m_date = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).remove(u'/');
    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("stat1"));
    status->setGeometry(0, 826, 1366, 24);
    status->setSizeGripEnabled(false);
    const QStringList panels = {QStringLiteral("当前路径："), core::workingFolder(), m_date};
    for (int i = 0; i < panels.size(); ++i) {
        auto* part = new QLabel(panels[i], status);
        part->setObjectName(QStringLiteral("stat1panel%1").arg(i));
        status->addWidget(part, i == 1 ? 1 : 0);
    }

    on(QStringLiteral("btn1Click"), [this] { browse(text(QStringLiteral("edt1"))); });
    on(QStringLiteral("edt1KeyDown"), [this] { browse(text(QStringLiteral("edt1"))); });
    connect(control<QLineEdit>(QStringLiteral("edt1")), &QLineEdit::returnPressed, this,
            [this] { dispatch(QStringLiteral("edt1KeyDown")); });
    on(QStringLiteral("edt1Click"), [this] { control<QLineEdit>(QStringLiteral("edt1"))->selectAll(); });
    on(QStringLiteral("btn14Click"), [this] { browse(core::addresses::imageDownloaderStart); });
    on(QStringLiteral("btn2Click"), [this] { parse(); });
    on(QStringLiteral("N3Click"), [this] { dispatch(QStringLiteral("btn2Click")); });
    on(QStringLiteral("btn10Click"), [this] { thumbnails(true); });
    connect(control<QPushButton>(QStringLiteral("btn11")), &QPushButton::clicked, this,
            [this] { dispatch(QStringLiteral("btn10Click")); });
    on(QStringLiteral("btn9Click"), [this] { fullSize(); });
    on(QStringLiteral("lv1Click"), [this] { singlePreview(list(QStringLiteral("lv1"))); });
    on(QStringLiteral("lv2Click"), [this] { singlePreview(list(QStringLiteral("lv2"))); });
    on(QStringLiteral("wb3DocumentComplete"), [this] {
        core::Browser* page = browser(3);
        page->setBodyAttribute(QStringLiteral("scroll"), QStringLiteral("no"));
        page->setBodyStyle(QStringLiteral("border"), QStringLiteral("0"));
        page->setBodyStyle(QStringLiteral("borderStyle"), QStringLiteral("none"));
        page->setBodyStyle(QStringLiteral("margin"), QStringLiteral("0"));
        page->setBodyStyle(QStringLiteral("padding"), QStringLiteral("0"));
        page->setBodyStyle(QStringLiteral("overflow"), QStringLiteral("hidden"));
    });
    on(QStringLiteral("btn3Click"), [this] { deleteOne(); });
    on(QStringLiteral("N1Click"), [this] { dispatch(QStringLiteral("btn3Click")); });
    on(QStringLiteral("btn6Click"), [this] { deleteChecked(); });
    on(QStringLiteral("btn4Click"), [this] { undo(); });
    on(QStringLiteral("N2Click"), [this] { dropFromBin(); });
    on(QStringLiteral("btn12Click"), [this] { emptyBin(); });
    on(QStringLiteral("lv1ColumnClick"), images->header(), &QHeaderView::sectionClicked,
       [this] { sortByNumber(); });
    on(QStringLiteral("btn5Click"), [this] { download(); });
    on(QStringLiteral("N4Click"), [this] { dispatch(QStringLiteral("btn5Click")); });
    on(QStringLiteral("N5Click"), [this] { close(); });
    on(QStringLiteral("N6Click"), [this] { browse(core::addresses::imageDownloaderDownload); });
    on(QStringLiteral("N7Click"), [this] { browse(core::addresses::imageDownloaderHelp); });
    connect(this, &Form::busyChanged, this, &Tfrmimgurl::setBusy);
    // A stopped parse or download changes nothing but the gauge.
    connect(this, &Form::waitCancelled, this, [gauge] { gauge->setValue(0); });
    on(QStringLiteral("FormClose"), [] {
        if (QFile::exists(previewFile())) core::platform().moveToTrash(previewFile());
    });
}

QString Tfrmimgurl::previewFile() {
    return core::workingFolder() + QStringLiteral("/Preview.html");
}

// The start page is loaded when the window is first shown, so that a window
// never opened costs no page load.
void Tfrmimgurl::showEvent(QShowEvent* event) {
    Form::showEvent(event);
    if (m_started) return;
    m_started = true;
    browser(1)->navigate(core::addresses::imageDownloaderStart);
}

core::Browser* Tfrmimgurl::browser(int number) {
    if (!m_browsers[number]) {
        m_browsers[number] =
            core::platform().createBrowser(control<QWidget>(QStringLiteral("wb%1").arg(number)));
        if (number == 3)
            connect(m_browsers[3], &core::Browser::documentComplete, this,
                    [this] { dispatch(QStringLiteral("wb3DocumentComplete")); });
    }
    return m_browsers[number];
}

QTreeWidget* Tfrmimgurl::list(const QString& name) const {
    return control<QTreeWidget>(name);
}

void Tfrmimgurl::browse(const QString& address) {
    m_started = true;
    control<QTabWidget>(QStringLiteral("pgc1"))->setCurrentIndex(0);
    core::Browser* page = browser(1);
    page->navigate(address);
    page->widget()->setFocus();
}

void Tfrmimgurl::setBusy(bool busy) {
    for (const QString& name : {QStringLiteral("btn2"), QStringLiteral("btn5")})
        control<QPushButton>(name)->setEnabled(!busy);
}

void Tfrmimgurl::setCount() {
    setText(QStringLiteral("lbl1"), QString::number(list(QStringLiteral("lv1"))->topLevelItemCount()));
}

QStringList Tfrmimgurl::inOrder(const QStringList& addresses, const QHash<QString, QString>& failures) {
    QStringList listed;
    QSet<QString> seen;
    for (const QString& address : addresses)
        if (failures.contains(address) && !seen.contains(address)) {
            seen.insert(address);
            listed << failures.value(address);
        }
    return listed;
}

void Tfrmimgurl::reportFailures(const QStringList& failures, const QString& heading) {
    if (failures.isEmpty()) return;
    // One box for the whole batch, however many failed.
    constexpr int kShown = 20;
    QStringList lines = failures.mid(0, kShown);
    if (failures.size() > kShown)
        lines << QStringLiteral("……另有 %1 个地址未列出。").arg(failures.size() - kShown);
    message(heading.arg(failures.size()) + QStringLiteral("\r\n") + lines.join(QStringLiteral("\r\n")));
}

void Tfrmimgurl::parse() {
    control<QTabWidget>(QStringLiteral("pgc1"))->setCurrentIndex(1);
    const QList<core::PictureElement> elements = browser(1)->pictures();
    if (elements.isEmpty()) return;
    const QString thresholdText = text(QStringLiteral("edtdaxiao"));
    const qint64 limit = qint64(core::parseInt(thresholdText)) * 1024;

    // Each distinct address is measured once, twelve at a time; only the
    // size and the first bytes of a picture are kept.
    QStringList addresses;
    QList<core::FetchRequest> requests;
    for (const core::PictureElement& element : elements) {
        addresses << element.name + element.src;
        requests.append({addresses.last(), core::FetchKind::Picture, true});
    }
    auto* gauge = control<QProgressBar>(QStringLiteral("g1"));
    gauge->setRange(0, int(QSet<QString>(addresses.begin(), addresses.end()).size()));
    gauge->setValue(0);
    auto sizes = std::make_shared<QHash<QString, qint64>>();
    auto failures = std::make_shared<QHash<QString, QString>>();
    fetchThen(
        requests,
        [sizes, failures, gauge](const core::Fetched& result) {
            if (!result.ok())
                failures->insert(result.address, result.error);
            else if (!core::looksLikePicture(result.bytes))
                failures->insert(result.address, core::fetchError::notPicture(result.address));
            else
                sizes->insert(result.address, result.size);
            gauge->setValue(gauge->value() + 1);
        },
        [this, addresses, limit, thresholdText, sizes, failures] {
            QTreeWidget* images = list(QStringLiteral("lv1"));
            images->clear();
            int kept = 0;
            for (const QString& address : addresses) {
                const auto size = sizes->constFind(address);
                if (size == sizes->constEnd() || *size <= limit) continue;
                QTreeWidgetItem* item = row(numberLabel(++kept), address, sizeLabel(*size));
                item->setCheckState(0, Qt::Unchecked);
                images->addTopLevelItem(item);
            }
            setCount();
            reportFailures(inOrder(addresses, *failures), QStringLiteral("有 %1 个图片地址没有取到图片，未计入列表："));
            core::platform().messageBox(this,
                                        QStringLiteral("成功解析大于 ") + thresholdText +
                                            QStringLiteral(" KB, 的图片为 ") + QString::number(kept) +
                                            QStringLiteral(" 张！"),
                                        QStringLiteral("提示信息"), core::Buttons::OkCancel);
            thumbnails(false);
        });
}

void Tfrmimgurl::thumbnails(bool numbered) {
    QTreeWidget* images = list(QStringLiteral("lv1"));
    const QString height = text(QStringLiteral("edt3"));
    QStringList lines;
    for (int i = 0; i < images->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = images->topLevelItem(i);
        const QString caption = numbered ? item->text(0) + QStringLiteral(" [ ") + item->text(2)
                                         : QStringLiteral("第 ") + QString::number(i + 1) +
                                               QStringLiteral(" 张 [ ") + item->text(2);
        lines << QStringLiteral(
                     "<table style=\"float:left;margin:10px;border-collapse:collapse;\" width=\"100\" "
                     "border=\"0\" cellpadding=\"0\" cellspacing=\"0\"><tr><td bgcolor=\"#999\"><img "
                     "src=\"") +
                     item->text(1) + QStringLiteral("\" height=") + height + QStringLiteral("/>") +
                     QStringLiteral("</td></tr><tr><td height=\"30\" align=\"center\" bgcolor=\"#FFFFFF\" "
                                    "style=\"font-size:13px;color:#333;font-family:Microsoft YaHei\">") +
                     caption + QStringLiteral(" ] </td></tr></table>");
    }
    writePreview(lines, 2);
    if (numbered) control<QTabWidget>(QStringLiteral("pgc1"))->setCurrentIndex(1);
}

void Tfrmimgurl::fullSize() {
    QTreeWidget* images = list(QStringLiteral("lv1"));
    QStringList lines;
    for (int i = 0; i < images->topLevelItemCount(); ++i)
        lines << QStringLiteral("<img src=\"") + images->topLevelItem(i)->text(1) + QStringLiteral(" \"/>");
    writePreview(lines, 2);
    control<QTabWidget>(QStringLiteral("pgc1"))->setCurrentIndex(1);
}

void Tfrmimgurl::writePreview(const QStringList& lines, int browserNumber) {
    core::writeTextFile(previewFile(), core::joinLines(lines));
    browser(browserNumber)->navigate(previewFile());
}

void Tfrmimgurl::singlePreview(QTreeWidget* clicked) {
    QTreeWidgetItem* selected = clicked->currentItem();
    if (selected && selected->isSelected())
        writePreview(
            {QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\"><html><head>"
                            "<meta charset=\"GB2312\"></head><body><img src=\"") +
             selected->text(1) + QStringLiteral("\" width=\"350\"/>") + QStringLiteral("</body></html>")},
            3);
    else
        selected = nullptr;
    if (clicked == list(QStringLiteral("lv1"))) {
        QTreeWidget* marked = list(QStringLiteral("lv3"));
        marked->clear();
        for (int i = 0; i < clicked->topLevelItemCount(); ++i)
            if (clicked->topLevelItem(i)->checkState(0) == Qt::Checked)
                marked->addTopLevelItem(copyRow(clicked->topLevelItem(i)));
        setText(QStringLiteral("lbl9"),
                QString::number(selected ? clicked->indexOfTopLevelItem(selected) : -1));
    } else {
        setText(QStringLiteral("lbl9"),
                QString::number(selected ? clicked->indexOfTopLevelItem(selected) + 1 : 0));
    }
}

void Tfrmimgurl::deleteOne() {
    QTreeWidget* images = list(QStringLiteral("lv1"));
    QTreeWidgetItem* selected = images->currentItem();
    if (!selected || !selected->isSelected()) return;
    if (core::platform().messageBox(this, kAsk, QStringLiteral("提示"), core::Buttons::OkCancel,
                                    core::Icon::Information) != core::Answer::Ok)
        return;
    list(QStringLiteral("lv2"))->addTopLevelItem(copyRow(selected));
    delete selected;
}

void Tfrmimgurl::deleteChecked() {
    QTreeWidget* images = list(QStringLiteral("lv1"));
    QTreeWidget* marked = list(QStringLiteral("lv3"));
    if (marked->topLevelItemCount() == 0) {
        message(QStringLiteral(
            "提醒信息：\r1、图片删除列表为空，您未选中要删除对象，请点击任意行后再批量删除\r2、如"
            "果要删除最后一条请选中后删除单图！"));
    } else if (core::platform().messageBox(this, QStringLiteral("你确定要删除吗？"), QStringLiteral("提示"),
                                           core::Buttons::OkCancel,
                                           core::Icon::Information) == core::Answer::Ok) {
        QSet<QString> numbers;
        for (int i = 0; i < marked->topLevelItemCount(); ++i)
            numbers.insert(marked->topLevelItem(i)->text(0));
        for (int i = images->topLevelItemCount() - 1; i >= 0; --i)
            if (numbers.contains(images->topLevelItem(i)->text(0))) delete images->takeTopLevelItem(i);
        QTreeWidget* bin = list(QStringLiteral("lv2"));
        for (int i = 0; i < marked->topLevelItemCount(); ++i)
            bin->addTopLevelItem(copyRow(marked->topLevelItem(i)));
        message(QStringLiteral("删除成功"));
    }
    setCount();
}

void Tfrmimgurl::undo() {
    QTreeWidget* bin = list(QStringLiteral("lv2"));
    QTreeWidgetItem* selected = bin->currentItem();
    if (!selected || !selected->isSelected()) return;
    QTreeWidgetItem* back = copyRow(selected);
    back->setCheckState(0, Qt::Unchecked);
    list(QStringLiteral("lv1"))->addTopLevelItem(back);
    delete selected;
    setCount();
}

void Tfrmimgurl::dropFromBin() {
    QTreeWidgetItem* selected = list(QStringLiteral("lv2"))->currentItem();
    if (core::platform().messageBox(this, kAsk, QStringLiteral("提示"), core::Buttons::OkCancel,
                                    core::Icon::Information) != core::Answer::Ok)
        return;
    if (selected && selected->isSelected()) delete selected;
}

void Tfrmimgurl::emptyBin() {
    if (core::platform().messageBox(this, kAsk, QStringLiteral("提示"), core::Buttons::OkCancel,
                                    core::Icon::Information) == core::Answer::Ok)
        list(QStringLiteral("lv2"))->clear();
}

void Tfrmimgurl::sortByNumber() {
    QTreeWidget* images = list(QStringLiteral("lv1"));
    QList<QTreeWidgetItem*> rows;
    while (images->topLevelItemCount() > 0)
        rows << images->takeTopLevelItem(0);
    std::stable_sort(rows.begin(), rows.end(), [](const QTreeWidgetItem* a, const QTreeWidgetItem* b) {
        return QString::localeAwareCompare(a->text(0), b->text(0)) < 0;
    });
    images->addTopLevelItems(rows);
}

void Tfrmimgurl::download() {
    const QString chosen = core::platform().chooseFolder(this, QStringLiteral("请选择图片保存的文件夹"));
    if (chosen.isEmpty()) return;
    const QString target = chosen + QStringLiteral("/QwImg") + m_date;
    if (!QDir().mkpath(target)) core::fail(QStringLiteral("Cannot create directory \"%1\"").arg(target));
    QTreeWidget* images = list(QStringLiteral("lv1"));
    if (images->topLevelItemCount() == 0) core::fail(QStringLiteral("图片列表为空，没有可下载的图片！"));

    // Every row gets its position number; rows of other kinds keep theirs unused.
    auto files = std::make_shared<QHash<QString, QStringList>>();
    QList<core::FetchRequest> requests;
    for (int p = 1; p <= images->topLevelItemCount(); ++p) {
        const QString address = images->topLevelItem(p - 1)->text(1);
        const QString extension = address.contains(QStringLiteral("jpg"))   ? QStringLiteral(".jpg")
                                  : address.contains(QStringLiteral("gif")) ? QStringLiteral(".gif")
                                  : address.contains(QStringLiteral("png")) ? QStringLiteral(".png")
                                                                            : QString();
        if (extension.isEmpty()) continue;
        (*files)[address] << target + u'/' + QString::number(p) + extension;
        requests.append({address, core::FetchKind::Picture});
    }

    auto* gauge = control<QProgressBar>(QStringLiteral("g1"));
    gauge->setRange(0, int(files->size()));
    gauge->setValue(0);
    auto failures = std::make_shared<QHash<QString, QString>>();
    fetchThen(
        requests,
        [files, failures, gauge](const core::Fetched& result) {
            gauge->setValue(gauge->value() + 1);
            // Only a picture is ever written under a picture's name.
            if (!result.ok()) {
                failures->insert(result.address, result.error);
                return;
            }
            if (!core::looksLikePicture(result.bytes)) {
                failures->insert(result.address, core::fetchError::notPicture(result.address));
                return;
            }
            QStringList unwritten;
            for (const QString& path : files->value(result.address)) {
                QSaveFile file(path);
                if (!file.open(QIODevice::WriteOnly) || file.write(result.bytes) != result.bytes.size() ||
                    !file.commit())
                    unwritten << QStringLiteral("无法写入文件“%1”：%2").arg(path, file.errorString());
            }
            if (!unwritten.isEmpty()) failures->insert(result.address, unwritten.join(QStringLiteral("\r\n")));
        },
        [this, failures, target, requests] {
            QStringList order;
            for (const core::FetchRequest& request : requests)
                order << request.address;
            reportFailures(inOrder(order, *failures), QStringLiteral("有 %1 张图片没有保存："));
            message(QStringLiteral("图片下载完成！"));
            core::platform().openDefault(target);
        });
}

QINGWU_WINDOW(Tfrmimgurl, {.order = 800,
                           .tile = core::Tile{.page = u"tstuijian",
                                              .row = 1,
                                              .column = 1,
                                              .image = u"img10",
                                              .caption = u"图片下载器",
                                              .size = core::TileSize::Large},
                           .atStart = true})

} // namespace tools
