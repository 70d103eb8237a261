#include "tools/code/tihuan.h"

#include "core/files.h"
#include "core/preview.h"
#include "core/registry.h"
#include "core/text.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QWheelEvent>

namespace tools {

namespace {

const QString kHelp = QStringLiteral("适合代码修改工作，例如海报轮播图片的替换或者连接的替换等！");
const QString kBoxTitle = QStringLiteral("提示信息框");

} // namespace

Tfrmtihuan::Tfrmtihuan()
    : core::Form(QStringLiteral("Tfrmtihuan"), QStringLiteral("代码替换")) {
    setClientSize(718, 642);

    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("mm1"));
    bar->setGeometry(0, 0, 718, 24);
    auto menuItem = [&](QMenu* menu, const QString& name, const QString& caption) {
        QAction* action = menu ? menu->addAction(caption) : bar->addAction(caption);
        action->setObjectName(name);
    };
    menuItem(nullptr, QStringLiteral("N4"), QStringLiteral("读取上次"));
    menuItem(nullptr, QStringLiteral("N5"), QStringLiteral("保存信息"));
    menuItem(nullptr, QStringLiteral("N6"), QStringLiteral("提取代码"));
    menuItem(nullptr, QStringLiteral("N7"), QStringLiteral("帮助"));

    m_context = new QMenu(this);
    m_context->setObjectName(QStringLiteral("pm1"));
    menuItem(m_context, QStringLiteral("N1"), QStringLiteral("粘贴"));
    menuItem(m_context, QStringLiteral("N2"), QStringLiteral("全选"));
    menuItem(m_context, QStringLiteral("N3"), QStringLiteral("复制"));
    m_context->addSeparator();
    for (int k = 1; k <= 5; ++k)
        menuItem(m_context, QStringLiteral("N") + QString::number(k) + QStringLiteral("1"),
                 QStringLiteral("设为%1信息").arg(k));

    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("pgc1"));
    tabs->setGeometry(6, 28, 706, 608);
    auto* replacePage = new QWidget(tabs);
    replacePage->setObjectName(QStringLiteral("ts1"));
    tabs->addTab(replacePage, QStringLiteral("替换"));
    auto* logPage = new QWidget(tabs);
    logPage->setObjectName(QStringLiteral("ts2"));
    tabs->addTab(logPage, QStringLiteral("信息"));

    const QStringList kinds = {QStringLiteral("图片"), QStringLiteral("链接"), QStringLiteral("文字"),
                               QStringLiteral("代码")};
    // Rows: kind, find, replace, button.
    const char* rows[][4] = {{"cbb1", "edt1", "edt2", "btn4"},
                             {"cbb2", "edt3", "edt4", "btn1"},
                             {"cbb3", "edt5", "edt6", "btn3"},
                             {"cbb4", "edt7", "edt8", "btn5"},
                             {"cbb5", "edt9", "edt10", "btn6"}};
    for (int i = 0; i < 5; ++i) {
        const int y = 8 + i * 30;
        const QString kind = QString::fromLatin1(rows[i][0]), find = QString::fromLatin1(rows[i][1]),
                      replace = QString::fromLatin1(rows[i][2]), button = QString::fromLatin1(rows[i][3]);
        addCombo(replacePage, kind, QRect(6, y, 64, 24), kinds, QStringLiteral("代码"));
        addCaption(replacePage, QRect(76, y, 50, 24), QStringLiteral("%1、将：").arg(i + 1));
        addEdit(replacePage, find, QRect(126, y, 230, 24));
        addCaption(replacePage, QRect(362, y, 56, 24), QStringLiteral("修改为："));
        addEdit(replacePage, replace, QRect(418, y, 210, 24));
        addButton(replacePage, button, QRect(634, y, 60, 24), QStringLiteral("替换"));
        on(button + QStringLiteral("Click"),
           [this, kind, find, replace] { replaceRow(text(kind), text(find), text(replace)); });
    }

    // The code area has no scroll bars of its own: it sits in a scrolling frame.
    m_frame = new QScrollArea(replacePage);
    m_frame->setObjectName(QStringLiteral("scrlbx1"));
    m_frame->setGeometry(6, 160, 690, 414);
    auto* code = addMemo(m_frame, QStringLiteral("mmo1"), QRect(0, 0, 690 - 24, 2 * 414));
    code->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    code->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    code->setContextMenuPolicy(Qt::NoContextMenu);
    m_frame->setWidget(code);
    m_frame->setWidgetResizable(false);
    // The wheel anywhere over the code scrolls the frame one line per notch.
    code->viewport()->installEventFilter(this);
    m_frame->viewport()->installEventFilter(this);

    addMemo(logPage, QStringLiteral("mmo2"), QRect(6, 6, 690, 568));

    on(QStringLiteral("N1Click"), [this] {
        auto* memo = control<core::Memo>(QStringLiteral("mmo1"));
        memo->textCursor().insertText(core::platform().clipboardText());
    });
    on(QStringLiteral("N2Click"), [this] { control<core::Memo>(QStringLiteral("mmo1"))->selectAll(); });
    on(QStringLiteral("N3Click"), [this] {
        const QString selected = control<core::Memo>(QStringLiteral("mmo1"))->textCursor().selectedText();
        // A block selection separates lines by U+2029; the clipboard gets CR LF.
        if (!selected.isEmpty())
            core::platform().setClipboardText(
                QString(selected).replace(QChar(0x2029), QStringLiteral("\r\n")));
    });
    for (int k = 1; k <= 5; ++k) {
        const QString find = QString::fromLatin1(rows[k - 1][1]);
        on(QStringLiteral("N") + QString::number(k) + QStringLiteral("1Click"),
           [this, find] { takeSelection(find); });
    }
    on(QStringLiteral("N4Click"), [this, tabs, logPage] {
        tabs->setCurrentWidget(logPage);
        setText(QStringLiteral("mmo2"), core::readTextFile(logFile()));
        message(QStringLiteral("上次修改的信息已经恢复！"), kBoxTitle);
    });
    on(QStringLiteral("N5Click"), [this] {
        core::savePageLines(*this, QStringLiteral("mmo2"), logFile());
        message(QStringLiteral("本次修改的信息已经保存！"), kBoxTitle);
    });
    on(QStringLiteral("N6Click"), [this] {
        copyMemo(QStringLiteral("mmo1"));
        message(QStringLiteral("修改后的代码已被提取！"), kBoxTitle);
    });
    on(QStringLiteral("N7Click"), [this] { message(kHelp, kBoxTitle); });
}

QString Tfrmtihuan::logFile() {
    return core::programFolder() + QStringLiteral("/替换信息.txt");
}

void Tfrmtihuan::replaceRow(const QString& kind, const QString& find, const QString& replace) {
    QString code = text(QStringLiteral("mmo1"));
    // An empty find text occurs nowhere.
    if (find.isEmpty() || !code.contains(find)) {
        core::platform().information(this, QStringLiteral("木有找到！"));
        return;
    }
    code.replace(find, replace);
    setText(QStringLiteral("mmo1"), code);
    core::platform().information(this, QStringLiteral("替换完毕！"));

    QString log = text(QStringLiteral("mmo2"));
    if (!log.isEmpty() && !log.endsWith(u'\n') && !log.endsWith(u'\r')) log += QStringLiteral("\r\n");
    log += QStringLiteral("将") + kind + QStringLiteral("：【") + find + QStringLiteral("】 〓 【") +
           replace + QStringLiteral("】\r\n");
    setText(QStringLiteral("mmo2"), log);
}

void Tfrmtihuan::takeSelection(const QString& findField) {
    fire(QStringLiteral("N3Click"));
    if (core::platform().clipboardHasText()) setText(findField, core::platform().clipboardText());
}

bool Tfrmtihuan::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel && m_frame) {
        const int notches = static_cast<QWheelEvent*>(event)->angleDelta().y() / 120;
        QScrollBar* bar = m_frame->verticalScrollBar();
        bar->setValue(bar->value() - notches * bar->singleStep());
        return true;
    }
    return core::Form::eventFilter(watched, event);
}

void Tfrmtihuan::contextMenuEvent(QContextMenuEvent* event) {
    m_context->popup(event->globalPos());
}

void Tfrmtihuan::resizeEvent(QResizeEvent* event) {
    core::Form::resizeEvent(event);
    fitCode();
}

void Tfrmtihuan::fitCode() {
    if (!m_frame) return;
    auto* code = findChild<core::Memo*>(QStringLiteral("mmo1"));
    if (code) code->resize(m_frame->width() - 24, code->height());
}

QINGWU_WINDOW(Tfrmtihuan,
              {.order = 770,
               .tile = core::Tile{
                   .page = u"tstuiyi1", .row = 5, .column = 1, .image = u"img115", .caption = u"代码替换"}})

} // namespace tools
