#include "tools/code/html.h"

#include "core/exacttext.h"
#include "core/files.h"
#include "core/registry.h"
#include "core/savename.h"
#include "core/text.h"
#include "tools/code/codecolours.h"

#include <QAction>
#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTextBlockFormat>
#include <QVBoxLayout>

namespace tools {

namespace {

const QString kCaption = QStringLiteral("QW - html代码编辑器    技术支持：（旺旺）岚舟设计工作室");

// The ready CSS declarations, headings and empty lines included.
const char16_t* const kDeclarations[] = {
    u"【标签列表】", u"", u"—— 尺寸 ——", u"width:100px;", u"height:100px;", u"", u"—— 背景 ——",
    u"background-color:#f30;", u"background-image:url(#);", u"backgroud:url() no-repeat #f30;", u"",
    u"—— 边框 ——", u"border:0;", u"border:1px #000 solid;", u"border:1px #000 dashed;",
    u"border:1px #000 dotted;", u"border-bottom:1px #000 solid;", u"border-left:1px #000 solid;",
    u"border-right:1px #000 solid;", u"border-top:1px #000 solid;", u"", u"—— 字体 ——",
    u"font-family:Microsoft yahei;", u"font-family:Times New Roman;", u"font-family:simhei;",
    u"font-family:georgia;", u"font-family:impact;", u"font-family:courier new;", u"font-family: arial;",
    u"font-family:verdana;", u"font-family:tahoma;", u"", u"—— 文本 ——", u"color:#000;", u"font-size:14px; ",
    u"font-weight:600; ", u"font-weight:100; ", u"", u"line-height:10px; ", u"", u"text-decoration: none;",
    u"text-decoration: underline;", u"text-decoration: line-through;", u"", u"word-spacing:10px;", u"",
    u"text-align:left;", u"text-align:right;", u"text-align:center;", u"", u"text-indent:length;",
    u"text-indent:percentage;", u"", u"", u"—— 外边距 ——", u"margin:10px; ", u"margin-bottom:10px; ",
    u"margin-left:10px; ", u"margin-right:10px;  ", u"margin-top:10px;  ", u"", u"—— 内边距 ——",
    u"padding:10px;", u"padding-bottom:10px;", u"padding-left: 10px;   ", u"padding-right: 10px;",
    u"padding-top:10px; ", u"", u"—— 定位 ——", u"position:relative;", u"top:10px;", u"left: 10px;   ",
    u"float:left;", u"float:right;", u"overflow:hidden;",
};

// The context menu's fragments: action name, caption, inserted text.
struct Fragment {
    const char16_t* action;
    const char16_t* caption;
    const char16_t* text;
};
const Fragment kFragments[] = {
    {u"actstyle", u"插入Style", u"style=\"属性\""},
    {u"actdivdaihref", u"插入Div带链接",
     u"<a href=\"链接地址\" target=\"_blank\"> <div > 自定义内容  </div></a>"},
    {u"actdiv", u"插入Div", u"<div  > 自定义内容 </div>"},
    {u"actCSS", u"插入CSS", u" class=\"class名\""},
    {u"actimg", u"插入图片", u"<img src=\"图片地址\" width=\"宽度\" height=\"高度\"/>"},
    {u"actimgdaihref", u"插入图片带链接",
     u"<a href=\"链接地址\" target=\"_blank\"> <img src=\"图片地址\"  width=\"宽度\" height=\"高度\"/></a>"},
};

// The reading layout: line breaks before and around tags, in this order.
const std::pair<const char16_t*, const char16_t*> kBreaks[] = {
    {u"<div ", u"\r<div "},          {u"</div>", u"\r</div>\r"},    {u"<img ", u"\r    <img "},
    {u"<a ", u"\r    <a "},          {u"<span ", u"\r    <span "}, {u"</a>", u"\r    </a>"},
};
const QList<Colouring> kColourings = {
    {u"src=", 0x0000FF}, {u"<div", 0xFF0000}, {u"href=", 0xFF00FF}, {u"style", 0x008000}};

} // namespace

TFrmhtml::TFrmhtml() : core::Form(QStringLiteral("TFrmhtml"), kCaption) {
    // The working folder of the preview page is the one at creation.
    m_previewPath = core::workingFolder() + QStringLiteral("/files/html.html");
    if (QScreen* screen = QGuiApplication::primaryScreen())
        resize(screen->availableGeometry().size());
    else
        resize(1280, 800);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("mm1"));
    layout->setMenuBar(bar);

    auto* tools = new QWidget(this);
    tools->setObjectName(QStringLiteral("pnltools"));
    auto* toolRow = new QHBoxLayout(tools);
    toolRow->setContentsMargins(6, 4, 6, 4);
    auto place = [&](QWidget* widget) {
        widget->setMinimumWidth(widget->width());
        toolRow->addWidget(widget);
        return widget;
    };
    place(addCheck(tools, QStringLiteral("chklist"), QRect(0, 0, 80, 24), QStringLiteral("启动标签")));
    place(addButton(tools, QStringLiteral("btn1"), QRect(0, 0, 60, 24), QStringLiteral("代码")));
    place(addButton(tools, QStringLiteral("btn2"), QRect(0, 0, 60, 24), QStringLiteral("设计")));
    place(addButton(tools, QStringLiteral("btnyu"), QRect(0, 0, 60, 24), QStringLiteral("刷新")))
        ->setToolTip(QStringLiteral("点击预览效果"));
    place(addCaption(tools, QRect(0, 0, 40, 24), QStringLiteral("色值：")));
    place(addEdit(tools, QStringLiteral("edtcolor"), QRect(0, 0, 80, 24), QStringLiteral("#fff")))
        ->setToolTip(QStringLiteral("双击我选色"));
    place(addButton(tools, QStringLiteral("btn4"), QRect(0, 0, 60, 24), QStringLiteral("插入")))
        ->setToolTip(QStringLiteral("帮助：在代码区相应位置定位，双击颜色框选色，并点击插入即可！"));
    toolRow->addStretch(1);
    layout->addWidget(tools);

    auto* middle = new QHBoxLayout;
    middle->setSpacing(0);
    auto* list = new QListWidget(this);
    list->setObjectName(QStringLiteral("lsthtml"));
    list->setFixedWidth(200);
    for (const char16_t* item : kDeclarations)
        list->addItem(QString::fromUtf16(item));
    list->hide();
    middle->addWidget(list);

    auto* strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("pnlstrip"));
    strip->setFixedWidth(28);
    auto* stripColumn = new QVBoxLayout(strip);
    stripColumn->setContentsMargins(2, 2, 2, 2);
    for (const auto& [name, caption] : {std::pair{u"btnji", u"记"}, {u"btnkan", u"格"}, {u"btnsuo", u"缩"}}) {
        QPushButton* button = addButton(strip, QString::fromUtf16(name), QRect(0, 0, 24, 24),
                                        QString::fromUtf16(caption));
        button->setFixedSize(24, 24);
        stripColumn->addWidget(button);
    }
    stripColumn->addStretch(1);
    middle->addWidget(strip);

    m_code = new core::RichEdit(this);
    m_code->setObjectName(QStringLiteral("redtmome"));
    m_code->setFrameShape(QFrame::NoFrame);
    m_code->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette green = m_code->palette();
    green.setColor(QPalette::Base, QColor(192, 220, 192));
    m_code->setPalette(green);
    m_code->setFont(QFont(QStringLiteral("Noto Sans Mono CJK SC"), 11));
    m_code->setText(QStringLiteral("<style>\r\n<!-- code -->\r\n</style>\r\n"));
    m_code->installEventFilter(this);
    middle->addWidget(m_code, 1);

    auto* view = new QWidget(this);
    view->setObjectName(QStringLiteral("wb1"));
    view->setFixedWidth(300);
    middle->addWidget(view);
    layout->addLayout(middle, 1);

    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("stat1"));
    status->setSizeGripEnabled(false);
    status->addWidget(new QLabel(QStringLiteral("帮助："), status), 1);
    status->addWidget(new QLabel(QStringLiteral("坐标信息："), status), 1);
    status->addWidget(new QLabel(core::workingFolder(), status), 2);
    layout->addWidget(status);

    buildMenus();

    on(QStringLiteral("chklistClick"),
       [this, list] { list->setVisible(control<QCheckBox>(QStringLiteral("chklist"))->isChecked()); });
    on(QStringLiteral("lsthtmlDblClick"), [this, list] {
        if (QListWidgetItem* item = list->currentItem()) insert(item->text());
    });
    connect(list, &QListWidget::itemDoubleClicked, this, [this] { dispatch(QStringLiteral("lsthtmlDblClick")); });
    on(QStringLiteral("btn1Click"), [view] { view->setFixedWidth(1); });
    on(QStringLiteral("btn2Click"), [this, view] { view->setFixedWidth(width() / 2); });
    on(QStringLiteral("actyuExecute"), control<QPushButton>(QStringLiteral("btnyu")), &QPushButton::clicked,
       [this] { refresh(); });
    on(QStringLiteral("edtcolorDblClick"), [this] { chooseColour(); });
    on(QStringLiteral("btn4Click"), [this] { insert(text(QStringLiteral("edtcolor"))); });
    // The second strip's buttons raise the handlers of the panels they stand for.
    on(QStringLiteral("rzpnljiClick"), control<QPushButton>(QStringLiteral("btnji")), &QPushButton::clicked,
       [this] {
           const std::optional<QString> answer = core::platform().prompt(
               this, QStringLiteral("提示"), QStringLiteral("请输入注释标题"), QStringLiteral("0"));
           insert(QStringLiteral("<!--") + answer.value_or(QStringLiteral("0")) + QStringLiteral("-->"));
       });
    on(QStringLiteral("actgeExecute"), control<QPushButton>(QStringLiteral("btnkan")), &QPushButton::clicked,
       [this] { readingLayout(); });
    on(QStringLiteral("rzpnlsuoClick"), control<QPushButton>(QStringLiteral("btnsuo")), &QPushButton::clicked,
       [this] { insert(QStringLiteral("  ")); });
    on(QStringLiteral("redtmomeKeyPress"), [this] { insert(QStringLiteral("  ")); });
    for (const Fragment& fragment : kFragments) {
        const QString text = QString::fromUtf16(fragment.text);
        on(QString::fromUtf16(fragment.action) + QStringLiteral("Execute"), [this, text] { insert(text); });
    }
    on(QStringLiteral("N10Click"), [this] { m_code->setText(QString()); });
    on(QStringLiteral("Open2Click"), [this] {
        const QString name = core::platform().openFileName(
            this, QStringLiteral("打开"), QStringLiteral("网页（*.html）|*.html|文本(*.txt)|*.txt"));
        if (name.isEmpty()) return;
        m_code->setText(core::readTextFile(name));
    });
    on(QStringLiteral("N13Click"), [this] {
        // ".html" is added to whatever name is chosen.
        const QString path = core::saveNameWithSuffix(
            this, QStringLiteral("保存"), QStringLiteral("网页（*.html）|*.html"), QStringLiteral(".html"));
        if (!path.isEmpty()) core::writeTextFile(path, m_code->text());
    });
    on(QStringLiteral("N15Click"), [this] {
        const std::optional<QFont> font = core::platform().chooseFont(this, m_code->font());
        if (font) m_code->setFont(*font);
    });
}

QAction* TFrmhtml::action(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& keys) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(name);
    item->setShortcut(keys);
    item->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(item);
    return item;
}

void TFrmhtml::buildMenus() {
    auto* bar = findChild<QMenuBar*>(QStringLiteral("mm1"));
    auto run = [this](QAction* item, const QString& handler) {
        connect(item, &QAction::triggered, this, [this, handler] { dispatch(handler); });
    };
    auto edit = [this](QAction* item, std::function<void()> step) {
        connect(item, &QAction::triggered, this, [step] { step(); });
    };
    auto copy = [this] {
        const QTextCursor cursor = m_code->textCursor();
        const QString selected = m_code->exact().heldText(cursor.selectionStart(), cursor.selectionEnd());
        if (!selected.isEmpty()) core::platform().setClipboardText(selected);
    };
    auto paste = [this] {
        if (core::platform().clipboardHasText()) insert(core::platform().clipboardText());
    };
    auto cut = [this, copy] {
        copy();
        insert(QString());
    };
    auto selectAll = [this] { m_code->selectAll(); };

    QMenu* file = bar->addMenu(QStringLiteral(" 文件 "));
    file->setObjectName(QStringLiteral("N1"));
    action(file, QStringLiteral("Open2"), QStringLiteral("打开"), QKeySequence(QStringLiteral("Ctrl+O")));
    action(file, QStringLiteral("N13"), QStringLiteral("保存"));
    edit(action(file, QStringLiteral("N14"), QStringLiteral("退出")), [] { core::platform().quit(); });

    QMenu* editing = bar->addMenu(QStringLiteral(" 编辑 "));
    editing->setObjectName(QStringLiteral("N2"));
    edit(action(editing, QStringLiteral("Undo1"), QStringLiteral("撤销"), QKeySequence(QStringLiteral("Ctrl+Z"))),
         [this] { m_code->undo(); });
    editing->addSeparator();
    edit(action(editing, QStringLiteral("Cut1"), QStringLiteral("剪切"), QKeySequence(QStringLiteral("Ctrl+X"))),
         cut);
    edit(action(editing, QStringLiteral("Copy1"), QStringLiteral("拷贝"), QKeySequence(QStringLiteral("Ctrl+C"))),
         copy);
    edit(action(editing, QStringLiteral("Paste1"), QStringLiteral("粘贴"), QKeySequence(QStringLiteral("Ctrl+V"))),
         paste);
    editing->addSeparator();
    edit(action(editing, QStringLiteral("SelectAll1"), QStringLiteral("全选"),
                QKeySequence(QStringLiteral("Ctrl+A"))),
         selectAll);
    edit(action(editing, QStringLiteral("Delete1"), QStringLiteral("删除"), QKeySequence(QKeySequence::Delete)),
         [this] { insert(QString()); });
    editing->addSeparator();
    edit(action(editing, QStringLiteral("Find1"), QStringLiteral("查找"), QKeySequence(QStringLiteral("Ctrl+F"))),
         [this] { findText(false); });
    edit(action(editing, QStringLiteral("FindFirst1"), QStringLiteral("查找第一个")), [this] { findText(true); });
    edit(action(editing, QStringLiteral("FindNext1"), QStringLiteral("查找下一个"), QKeySequence(Qt::Key_F3)),
         [this] {
             if (m_lastFind.isEmpty())
                 findText(false);
             else if (!m_code->find(m_lastFind, QTextDocument::FindCaseSensitively))
                 core::platform().information(this, QStringLiteral("Text not found: \"%1\"").arg(m_lastFind));
         });
    edit(action(editing, QStringLiteral("Replace1"), QStringLiteral("替换")), [this] { replaceText(); });

    QMenu* format = bar->addMenu(QStringLiteral(" 格式化 "));
    format->setObjectName(QStringLiteral("N3"));
    auto charFormat = [this](std::function<void(QTextCharFormat&)> change) {
        return [this, change] {
            QTextCharFormat f;
            const QTextCharFormat current = m_code->currentCharFormat();
            f.setFontWeight(current.fontWeight());
            f.setFontItalic(current.fontItalic());
            f.setFontUnderline(current.fontUnderline());
            change(f);
            m_code->mergeCurrentCharFormat(f);
        };
    };
    edit(action(format, QStringLiteral("Bold1"), QStringLiteral("加粗"), QKeySequence(QStringLiteral("Ctrl+B"))),
         charFormat([](QTextCharFormat& f) {
             f.setFontWeight(f.fontWeight() > QFont::Normal ? QFont::Normal : QFont::Bold);
         }));
    edit(action(format, QStringLiteral("Italic1"), QStringLiteral("斜体"), QKeySequence(QStringLiteral("Ctrl+I"))),
         charFormat([](QTextCharFormat& f) { f.setFontItalic(!f.fontItalic()); }));
    edit(action(format, QStringLiteral("Underline1"), QStringLiteral("下划线"),
                QKeySequence(QStringLiteral("Ctrl+U"))),
         charFormat([](QTextCharFormat& f) { f.setFontUnderline(!f.fontUnderline()); }));
    format->addSeparator();
    // The code pane lays out only what it shows, line by line: alignment is the whole pane's.
    auto align = [this](Qt::Alignment alignment) {
        return [this, alignment] {
            QTextOption option = m_code->document()->defaultTextOption();
            option.setAlignment(alignment);
            m_code->document()->setDefaultTextOption(option);
        };
    };
    edit(action(format, QStringLiteral("AlignLeft1"), QStringLiteral("居左")), align(Qt::AlignLeft));
    edit(action(format, QStringLiteral("AlignCenter1"), QStringLiteral("居中")), align(Qt::AlignHCenter));
    edit(action(format, QStringLiteral("AlignRight1"), QStringLiteral("居右")), align(Qt::AlignRight));
    format->addSeparator();
    action(format, QStringLiteral("N15"), QStringLiteral("字体"));

    // The code pane's context menu.
    m_context = new QMenu(this);
    m_context->setObjectName(QStringLiteral("pmright"));
    auto contextItem = [this](const QString& name, const QString& caption) {
        QAction* item = m_context->addAction(caption);
        item->setObjectName(name);
        return item;
    };
    edit(contextItem(QStringLiteral("N4"), QStringLiteral("撤销")), [this] { m_code->undo(); });
    m_context->addSeparator();
    for (const Fragment& fragment : kFragments)
        run(contextItem(QString::fromUtf16(fragment.action), QString::fromUtf16(fragment.caption)),
            QString::fromUtf16(fragment.action) + QStringLiteral("Execute"));
    m_context->addSeparator();
    edit(contextItem(QStringLiteral("N5"), QStringLiteral("复制")), copy);
    edit(contextItem(QStringLiteral("N6"), QStringLiteral("剪切")), cut);
    edit(contextItem(QStringLiteral("N7"), QStringLiteral("粘贴")), paste);
    edit(contextItem(QStringLiteral("N8"), QStringLiteral("全选")), selectAll);
    m_context->addSeparator();
    contextItem(QStringLiteral("N10"), QStringLiteral("清空"));
    m_code->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_code, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_context->popup(m_code->viewport()->mapToGlobal(at)); });
}

bool TFrmhtml::eventFilter(QObject* watched, QEvent* event) {
    // A typed space comes after two more: one press gives three spaces.
    if (watched == m_code && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space &&
        !(static_cast<QKeyEvent*>(event)->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        dispatch(QStringLiteral("redtmomeKeyPress"));
    return core::Form::eventFilter(watched, event);
}

void TFrmhtml::insert(const QString& text) {
    m_code->insertText(text);
    m_code->ensureCursorVisible();
}

void TFrmhtml::refresh() {
    core::writeTextFile(m_previewPath, m_code->text());
    if (!m_browser) m_browser = core::platform().createBrowser(control<QWidget>(QStringLiteral("wb1")));
    m_browser->navigate(m_previewPath);
}

void TFrmhtml::readingLayout() {
    QString code = m_code->text();
    for (const auto& [find, replacement] : kBreaks)
        code.replace(QString::fromUtf16(find), QString::fromUtf16(replacement), Qt::CaseSensitive);
    m_code->setText(code);
    colourWholeWords(m_code, kColourings, true);
}

void TFrmhtml::chooseColour() {
    const std::optional<QColor> colour = core::platform().chooseColor(this, m_lastColour);
    if (!colour) return;
    m_lastColour = *colour;
    const QString value = core::colorText(*colour).toLower();
    setText(QStringLiteral("edtcolor"), value);
    control<QLineEdit>(QStringLiteral("edtcolor"))->setStyleSheet(QStringLiteral("background-color:%1;").arg(value));
}

void TFrmhtml::findText(bool fromStart) {
    const std::optional<QString> wanted =
        core::platform().prompt(this, QStringLiteral("查找"), QStringLiteral("查找内容："), m_lastFind);
    if (!wanted || wanted->isEmpty()) return;
    m_lastFind = *wanted;
    if (fromStart) m_code->moveCursor(QTextCursor::Start);
    if (!m_code->find(m_lastFind, QTextDocument::FindCaseSensitively))
        core::platform().information(this, QStringLiteral("Text not found: \"%1\"").arg(m_lastFind));
}

void TFrmhtml::replaceText() {
    const std::optional<QString> wanted =
        core::platform().prompt(this, QStringLiteral("替换"), QStringLiteral("查找内容："), m_lastFind);
    if (!wanted || wanted->isEmpty()) return;
    const std::optional<QString> replacement =
        core::platform().prompt(this, QStringLiteral("替换"), QStringLiteral("替换为："), QString());
    if (!replacement) return;
    m_lastFind = *wanted;
    QString code = m_code->text();
    if (!code.contains(m_lastFind, Qt::CaseSensitive)) {
        core::platform().information(this, QStringLiteral("Text not found: \"%1\"").arg(m_lastFind));
        return;
    }
    m_code->setText(code.replace(m_lastFind, *replacement, Qt::CaseSensitive));
}

QINGWU_WINDOW(TFrmhtml,
              {.order = 50,
               .tile = core::Tile{
                   .page = u"tsmg1", .row = 2, .column = 3, .image = u"img73", .caption = u"HTML编辑器"}})

} // namespace tools
