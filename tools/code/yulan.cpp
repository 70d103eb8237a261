#include "tools/code/yulan.h"

#include "core/exacttext.h"
#include "core/failure.h"
#include "core/files.h"
#include "core/registry.h"
#include "core/text.h"
#include "tools/code/codecolours.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <functional>

namespace tools {

namespace {

const QString kInitialLine = QStringLiteral(
    "<div style=\"color:#f30;fon-size:24px;\">新版本中优化了右键的快捷方式，右键空白处可清空！</div>");

const QString kHelp = QStringLiteral(
    "使用说明：为了避免窗体无响应问题，现将预览器设定为浏览器预览！第一次编辑完代码后，保存后点击网页预览即可"
    "打开预"
    "览页面！二次编辑代码后，点击保存，完事再打开的浏览器中刷新页面即可，或者点击网页预览都可以看见！");

// The page fragments: a head and a tail per edition, shipped in "files".
struct Fragment {
    const char16_t* holder;
    const char16_t* file;
};
const Fragment kFragments[] = {
    {u"mmo7", u"yulan_basic_head.html"}, {u"mmo8", u"yulan_basic_tail.html"},
    {u"mmo2", u"yulan_pro_head.html"},   {u"mmo3", u"yulan_pro_tail.html"},
    {u"mmo5", u"yulan_tmall_head.html"}, {u"mmo6", u"yulan_tmall_tail.html"},
};

// Head and tail holders by edition index: 0 basic, 1 professional, 2 Tmall.
const char16_t* const kHeads[] = {u"mmo7", u"mmo2", u"mmo5"};
const char16_t* const kTails[] = {u"mmo8", u"mmo3", u"mmo6"};

// The reading layout: line breaks and indents around tags, in this order.
const std::pair<const char16_t*, const char16_t*> kBreaks[] = {
    {u"<div", u"\r<div"},         {u"</div>", u"\r</div>\r"}, {u"<a", u"\r    <a"},
    {u"</a>", u"</a>\r"},         {u"<table", u"\r  <table"}, {u"</table>", u"  </table>\r"},
    {u"<img", u"\r      <img"},   {u"/>", u"/>\r"},           {u"<ul", u"\r    <ul"},
    {u"</ul>", u"\r    </ul>\r"}, {u"<li", u"\r      <li"},   {u"</li>", u"\r      </li>\r"},
};

// Then the colouring passes, whole word and match case.
const Colouring kColourings[] = {
    {u"<div", 0xFF0000},  {u"</div>", 0xFF0000}, {u"src=", 0xFF00FF},  {u"style=", 0x00C8C8},
    {u"href=", 0x0000FF}, {u"<li", 0xFF9600},    {u"</li>", 0xFF9600},
};

QString notFound(const QString& text) {
    return QStringLiteral("Text not found: \"%1\"").arg(text);
}

QTextDocument::FindFlags searchFlags(const SearchOptions& options) {
    QTextDocument::FindFlags flags;
    if (options.matchCase) flags |= QTextDocument::FindCaseSensitively;
    if (options.wholeWord) flags |= QTextDocument::FindWholeWords;
    if (options.backward) flags |= QTextDocument::FindBackward;
    return flags;
}

// The selected text of the editor as it holds it.
QString selectedText(const core::RichEdit* edit) {
    const QTextCursor cursor = edit->textCursor();
    return edit->exact().heldText(cursor.selectionStart(), cursor.selectionEnd());
}

// The find and replace dialogs of the editor's context menu.
class SearchDialog : public QDialog {
public:
    SearchDialog(QWidget* owner, bool replacing)
        : QDialog(owner) {
        setObjectName(replacing ? QStringLiteral("ReplaceDialog1") : QStringLiteral("FindDialog1"));
        setWindowTitle(replacing ? QStringLiteral("替换") : QStringLiteral("查找"));
        auto* grid = new QGridLayout(this);
        // A label shows its mnemonic, and Alt and the letter reach the field, once it has a buddy.
        auto* findCaption = new QLabel(QStringLiteral("查找内容(&N):"), this);
        grid->addWidget(findCaption, 0, 0);
        findText = new QLineEdit(this);
        findText->setObjectName(QStringLiteral("findText"));
        findCaption->setBuddy(findText);
        grid->addWidget(findText, 0, 1);
        if (replacing) {
            auto* replaceCaption = new QLabel(QStringLiteral("替换为(&P):"), this);
            grid->addWidget(replaceCaption, 1, 0);
            replaceText = new QLineEdit(this);
            replaceText->setObjectName(QStringLiteral("replaceText"));
            replaceCaption->setBuddy(replaceText);
            grid->addWidget(replaceText, 1, 1);
        }
        wholeWord = new QCheckBox(QStringLiteral("全字匹配(&W)"), this);
        matchCase = new QCheckBox(QStringLiteral("区分大小写(&C)"), this);
        grid->addWidget(wholeWord, 2, 0, 1, 2);
        grid->addWidget(matchCase, 3, 0, 1, 2);
        if (!replacing) {
            auto* direction = new QGroupBox(QStringLiteral("方向"), this);
            auto* row = new QHBoxLayout(direction);
            up = new QRadioButton(QStringLiteral("向上(&U)"), direction);
            auto* down = new QRadioButton(QStringLiteral("向下(&D)"), direction);
            down->setChecked(true);
            row->addWidget(up);
            row->addWidget(down);
            grid->addWidget(direction, 1, 2, 3, 1);
        }
        auto* buttons = new QVBoxLayout;
        findNext = addButton(buttons, QStringLiteral("findNext"), QStringLiteral("查找下一个(&F)"));
        if (replacing) {
            replaceOne = addButton(buttons, QStringLiteral("replaceOne"), QStringLiteral("替换(&R)"));
            replaceEvery = addButton(buttons, QStringLiteral("replaceEvery"), QStringLiteral("全部替换(&A)"));
        }
        QPushButton* cancel = addButton(buttons, QStringLiteral("cancel"), QStringLiteral("取消"));
        buttons->addStretch();
        grid->addLayout(buttons, 0, 3, 4, 1);
        connect(cancel, &QPushButton::clicked, this, &QDialog::hide);
        const auto enable = [this] {
            const bool any = !findText->text().isEmpty();
            for (QPushButton* button : {findNext, replaceOne, replaceEvery})
                if (button) button->setEnabled(any);
        };
        connect(findText, &QLineEdit::textChanged, this, enable);
        enable();
    }

    SearchOptions options() const {
        return {matchCase->isChecked(), wholeWord->isChecked(), up && up->isChecked()};
    }

    QLineEdit* findText = nullptr;
    QLineEdit* replaceText = nullptr;
    QCheckBox* wholeWord = nullptr;
    QCheckBox* matchCase = nullptr;
    QRadioButton* up = nullptr;
    QPushButton* findNext = nullptr;
    QPushButton* replaceOne = nullptr;
    QPushButton* replaceEvery = nullptr;

private:
    QPushButton* addButton(QVBoxLayout* column, const QString& name, const QString& caption) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(name);
        button->setAutoDefault(false);
        column->addWidget(button);
        return button;
    }
};

} // namespace

Tfrmyulan::Tfrmyulan()
    : core::Form(
          QStringLiteral("Tfrmyulan"),
          QStringLiteral("青梧360 代码编辑器3.0 - 天猫店、集市店、基础版代码预览器 - 岚舟设计工作室出品")) {
    setClientSize(1116, 591);
    buildTools();
    buildEditor();
    buildPanel();
    buildMenu();
    loadFragments();
    addHolderMemo(QStringLiteral("mmo4"),
                  {QStringLiteral("请先把代码栏中，输入代码后，再点击实时预览，看我的具体显示！")});

    on(QStringLiteral("img1Click"), [this] { savePage(); });
    on(QStringLiteral("img2Click"), [this] {
        if (!QFileInfo::exists(cachePath())) {
            message(QStringLiteral("还没有保存过预览网页，请先点击保存，再点击预览！"));
            return;
        }
        core::platform().openDefault(cachePath());
    });
    on(QStringLiteral("rzbtbtn5Click"), [this] { removeText(); });
    on(QStringLiteral("rzbtbtn6Click"), [this] { readingLayout(); });
    on(QStringLiteral("rzbtbtn2Click"), [this] { chooseFont(); });
    on(QStringLiteral("rzbtbtn1Click"), [this] {
        m_panel->show();
        m_panel->raise();
    });
    on(QStringLiteral("lbl4Click"), [this] { m_panel->hide(); });
    on(QStringLiteral("btn5Click"), [this] { findFirst(); });
    on(QStringLiteral("btn6Click"), [this] { replaceEverywhere(); });
    on(QStringLiteral("pnl2MouseDown"), [this] {
        if (QWindow* window = windowHandle()) window->startSystemMove();
    });
    on(QStringLiteral("redt1Change"), [this] { updateScrollBar(); });
    on(QStringLiteral("redt1KeyDown"), [this] {
        if (m_keyDown != Qt::Key_Space) return;
        QTextCursor cursor = m_editor->textCursor();
        cursor.insertText(QStringLiteral("  "));
        m_editor->setTextCursor(cursor);
    });
    on(QStringLiteral("lbl1Click"), [this] { message(kHelp); });
    // The menu's clear item stands for the clear button.
    on(QStringLiteral("btn3Click"), m_actions.value(QStringLiteral("N5")), &QAction::triggered,
       [this] { writeEditor(QString()); });
    on(QStringLiteral("N8Click"), [this] {
        m_editor->selectAll();
        m_editor->setFocus();
    });

    updateScrollBar();
}

QString Tfrmyulan::cachePath() {
    return core::programFolder() + QStringLiteral("/cache.html");
}

void Tfrmyulan::buildTools() {
    addRadioGroup(this, QStringLiteral("rg1"), QRect(5, 4, 95, 96), QStringLiteral("店铺类型"),
                  {QStringLiteral("基础版"), QStringLiteral("专业版"), QStringLiteral("天猫版")}, 1);

    QGroupBox* output =
        addGroup(this, QStringLiteral("GroupBox1"), QRect(5, 106, 95, 116), QStringLiteral("输出"));
    const QString picture = QStringLiteral(
        "QLabel { color: white; font-size: 16px; font-weight: bold; border-radius: 4px; "
        "background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ff8a3d, stop:1 #e8430c); }");
    QLabel* save = addLabel(output, QStringLiteral("img1"), QRect(10, 24, 75, 36), QStringLiteral("保存"));
    QLabel* preview = addLabel(output, QStringLiteral("img2"), QRect(10, 68, 75, 36), QStringLiteral("预览"));
    for (QLabel* button : {save, preview}) {
        button->setAlignment(Qt::AlignCenter);
        button->setStyleSheet(picture);
        button->setCursor(Qt::PointingHandCursor);
    }
    save->setToolTip(QStringLiteral("把代码放进所选版本的店铺页面，保存为预览网页"));
    preview->setToolTip(QStringLiteral("用默认浏览器打开保存的预览网页"));

    QGroupBox* format =
        addGroup(this, QStringLiteral("GroupBox2"), QRect(5, 228, 95, 100), QStringLiteral("格式化"));
    addEdit(format, QStringLiteral("edt4"), QRect(8, 24, 52, 24), QStringLiteral("&quot;"));
    QPushButton* remove =
        addButton(format, QStringLiteral("rzbtbtn5"), QRect(62, 24, 26, 24), QStringLiteral("清"));
    remove->setToolTip(QStringLiteral("删除代码中所有左边的文字"));
    addButton(format, QStringLiteral("rzbtbtn6"), QRect(8, 58, 80, 30), QStringLiteral("格式阅读"));

    QGroupBox* tools =
        addGroup(this, QStringLiteral("GroupBox3"), QRect(5, 334, 95, 100), QStringLiteral("格式化"));
    addButton(tools, QStringLiteral("rzbtbtn2"), QRect(8, 24, 80, 30), QStringLiteral("字体设置"));
    addButton(tools, QStringLiteral("rzbtbtn1"), QRect(8, 60, 80, 30), QStringLiteral("查找替换"));

    QLabel* help = addLabel(this, QStringLiteral("lbl1"), QRect(36, 560, 40, 20), QStringLiteral("帮助"));
    help->setStyleSheet(QStringLiteral("color: blue;"));
    help->setCursor(Qt::PointingHandCursor);
}

void Tfrmyulan::buildEditor() {
    auto* margin = new QWidget(this);
    margin->setObjectName(QStringLiteral("pnl1"));
    margin->setGeometry(105, 0, 1011, 591);
    margin->setAutoFillBackground(true);
    QPalette white = margin->palette();
    white.setColor(QPalette::Window, Qt::white);
    margin->setPalette(white);

    m_editor = new core::RichEdit(margin);
    m_editor->setObjectName(QStringLiteral("redt1"));
    m_editor->setGeometry(10, 10, 991, 571);
    m_editor->setFrameShape(QFrame::NoFrame);
    QPalette base = m_editor->palette();
    base.setColor(QPalette::Base, Qt::white);
    m_editor->setPalette(base);
    QFont font(QStringLiteral("Cambria"));
    font.setPixelSize(20);
    m_editor->setFont(font);
    m_editor->setText(kInitialLine + QStringLiteral("\r\n"));
    m_editor->installEventFilter(this);
}

void Tfrmyulan::buildPanel() {
    auto* panel = new QFrame(findChild<QWidget*>(QStringLiteral("pnl1")));
    panel->setFrameShape(QFrame::StyledPanel);
    m_panel = panel;
    m_panel->setObjectName(QStringLiteral("pnl2"));
    m_panel->setGeometry(10, 471, 440, 100);
    m_panel->setAutoFillBackground(true);
    QPalette grey = m_panel->palette();
    grey.setColor(QPalette::Window, QColor(0xF0, 0xF0, 0xF0));
    m_panel->setPalette(grey);

    QLabel* title =
        addLabel(m_panel, QStringLiteral("lbl5"), QRect(8, 4, 160, 20), QStringLiteral("替换及查找信息"));
    QLabel* close =
        addLabel(m_panel, QStringLiteral("lbl4"), QRect(380, 4, 52, 20), QStringLiteral("x 关闭"));
    close->setCursor(Qt::PointingHandCursor);
    QLabel* findCaption = addCaption(m_panel, QRect(8, 36, 70, 22), QStringLiteral("查找内容："));
    addEdit(m_panel, QStringLiteral("edt1"), QRect(78, 34, 250, 24));
    addButton(m_panel, QStringLiteral("btn5"), QRect(336, 33, 90, 26), QStringLiteral("查找"));
    QLabel* replaceCaption = addCaption(m_panel, QRect(8, 68, 70, 22), QStringLiteral("替换内容："));
    addEdit(m_panel, QStringLiteral("edt2"), QRect(78, 66, 250, 24));
    addButton(m_panel, QStringLiteral("btn6"), QRect(336, 65, 90, 26), QStringLiteral("全部替换"));
    // A press on a label is no press on the panel's background.
    for (QLabel* label : {title, close, findCaption, replaceCaption})
        label->installEventFilter(this);
    m_panel->hide();
}

void Tfrmyulan::buildMenu() {
    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("pm1"));
    const auto item = [this](const QString& name, const QString& caption, const QKeySequence& shortcut = {}) {
        QAction* action = m_menu->addAction(caption);
        action->setObjectName(name);
        action->setShortcut(shortcut);
        m_actions.insert(name, action);
        return action;
    };
    const auto separator = [this](const QString& name) { m_menu->addSeparator()->setObjectName(name); };
    item(QStringLiteral("N5"), QStringLiteral("清空"));
    separator(QStringLiteral("N7"));
    connect(item(QStringLiteral("N1"), QStringLiteral("粘贴"), QKeySequence(QStringLiteral("Ctrl+V"))),
            &QAction::triggered, this, [this] { paste(); });
    connect(item(QStringLiteral("N3"), QStringLiteral("复制"), QKeySequence(QStringLiteral("Ctrl+C"))),
            &QAction::triggered, this, [this] { copy(); });
    connect(item(QStringLiteral("N2"), QStringLiteral("剪切"), QKeySequence(QStringLiteral("Ctrl+X"))),
            &QAction::triggered, this, [this] { cut(); });
    connect(
        item(QStringLiteral("SelectAll1"), QStringLiteral("全选"), QKeySequence(QStringLiteral("Ctrl+A"))),
        &QAction::triggered, this, [this] { selectAll(); });
    connect(item(QStringLiteral("Delete1"), QStringLiteral("&Delete"), QKeySequence(QKeySequence::Delete)),
            &QAction::triggered, this, [this] { deleteSelection(); });
    separator(QStringLiteral("N13"));
    QAction* find =
        item(QStringLiteral("Find1"), QStringLiteral("查找"), QKeySequence(QStringLiteral("Ctrl+F")));
    connect(find, &QAction::triggered, this, [this] { showSearchDialog(false); });
    connect(item(QStringLiteral("Replace1"), QStringLiteral("替换")), &QAction::triggered, this,
            [this] { showSearchDialog(true); });
    separator(QStringLiteral("N9"));
    item(QStringLiteral("N8"), QStringLiteral("反色背景"));
    separator(QStringLiteral("N6"));

    // The editor handles its own editing keys; Ctrl+F opens the find dialog.
    find->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_editor->addAction(find);
    m_editor->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_editor, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_menu->popup(m_editor->viewport()->mapToGlobal(at)); });
    connect(m_menu, &QMenu::aboutToShow, this, [this] { updateEditActions(); });
}

void Tfrmyulan::loadFragments() {
    for (const Fragment& fragment : kFragments) {
        const QString holder = QString::fromUtf16(fragment.holder);
        QStringList lines;
        try {
            lines = core::textLines(
                core::readTextFile(core::filesFolder() + u'/' + QString::fromUtf16(fragment.file)));
        } catch (const core::Failure& failure) {
            m_missingFragments.insert(holder, failure.message());
        }
        addHolderMemo(holder, lines);
    }
}

void Tfrmyulan::savePage() {
    const int edition = control<core::RadioGroup>(QStringLiteral("rg1"))->itemIndex();
    if (edition >= 0 && edition < 3) {
        const QString head = QString::fromUtf16(kHeads[edition]);
        const QString tail = QString::fromUtf16(kTails[edition]);
        for (const QString& holder : {head, tail})
            if (m_missingFragments.contains(holder)) core::fail(m_missingFragments.value(holder));
        setText(QStringLiteral("mmo4"), text(head) + editorText() + text(tail));
    }
    core::writeTextFile(cachePath(), text(QStringLiteral("mmo4")));
    message(QStringLiteral("代码已保存，第一次编辑后点击预览，二次编辑后可直接刷新预览网页即可！"));
}

void Tfrmyulan::readingLayout() {
    // Each replacement reads what the one before it wrote; the editor is written once.
    QString code = editorText();
    for (const auto& [find, replacement] : kBreaks)
        code.replace(QString::fromUtf16(find), QString::fromUtf16(replacement), Qt::CaseSensitive);
    writeEditor(code);
    colourTags();
    m_editor->selectAll();
    m_editor->setFocus();
}

void Tfrmyulan::colourTags() {
    colourWholeWords(m_editor, {std::begin(kColourings), std::end(kColourings)}, false);
}

void Tfrmyulan::removeText() {
    const QString removal = text(QStringLiteral("edt4"));
    if (removal.isEmpty()) return;
    writeEditor(editorText().remove(removal, Qt::CaseSensitive));
}

void Tfrmyulan::findFirst() {
    // The held text is searched, where a long line is one line however the
    // editor shows it.
    const QString wanted = text(QStringLiteral("edt1"));
    const qsizetype at = wanted.isEmpty() ? -1 : editorText().indexOf(wanted, 0, Qt::CaseSensitive);
    if (at < 0) {
        core::platform().information(this, QStringLiteral("找不到"));
        return;
    }
    core::ExactText::Positions positions(m_editor->exact());
    QTextCursor hit(m_editor->document());
    hit.setPosition(positions.at(at, true));
    hit.setPosition(positions.at(at + wanted.size(), false), QTextCursor::KeepAnchor);
    m_editor->setTextCursor(hit);
    m_editor->setFocus();
}

void Tfrmyulan::replaceEverywhere() {
    const QString wanted = text(QStringLiteral("edt1"));
    QString code = editorText();
    if (wanted.isEmpty() || !code.contains(wanted, Qt::CaseSensitive)) {
        message(QStringLiteral("木有要替换的"));
        return;
    }
    writeEditor(code.replace(wanted, text(QStringLiteral("edt2")), Qt::CaseSensitive));
    message(QStringLiteral("替换完毕！"));
}

void Tfrmyulan::chooseFont() {
    const std::optional<QFont> chosen = core::platform().chooseFont(this, m_fontChoice);
    if (!chosen) return;
    m_fontChoice = *chosen;
    m_editor->setFont(*chosen);
}

void Tfrmyulan::updateScrollBar() {
    const int lineHeight =
        QFontMetrics(m_editor->font()).size(Qt::TextSingleLine, QStringLiteral("好")).height();
    // More lines than fit are as good as any larger number: counting stops there.
    const int fitting = m_editor->height() / std::max(1, lineHeight);
    const bool fits = lineHeight * (lineCount(fitting) + 1) < m_editor->height();
    m_editor->setVerticalScrollBarPolicy(fits ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
}

int Tfrmyulan::lineCount(int limit) const {
    QTextDocument* document = m_editor->document();
    // Every paragraph takes a line, and a line never holds more characters than
    // the editor is pixels wide: a long text needs no layout to be known long.
    if (document->blockCount() > limit + 1) return document->blockCount() - 1;
    if (document->characterCount() > qint64(limit + 1) * std::max(1, m_editor->viewport()->width()))
        return limit + 1;
    QAbstractTextDocumentLayout* layout = document->documentLayout();
    int lines = 0;
    for (QTextBlock block = document->begin(); block.isValid() && lines <= limit; block = block.next()) {
        // As the editor counts them, a break at the very end adds no empty line.
        if (!block.next().isValid() && block.length() == 1 && block != document->begin()) break;
        layout->blockBoundingRect(block); // lays the text out up to this paragraph
        lines += std::max(1, block.layout() ? block.layout()->lineCount() : 0);
    }
    return lines;
}

QString Tfrmyulan::editorText() const {
    return text(QStringLiteral("redt1"));
}

void Tfrmyulan::writeEditor(const QString& code) {
    m_editor->setText(code);
}

QWidget* Tfrmyulan::editTarget() const {
    QWidget* focused = focusWidget();
    if (focused && (qobject_cast<QLineEdit*>(focused) || qobject_cast<core::RichEdit*>(focused)))
        return focused;
    return m_editor;
}

void Tfrmyulan::updateEditActions() {
    QWidget* target = editTarget();
    bool selection = false;
    bool any = false;
    if (auto* line = qobject_cast<QLineEdit*>(target)) {
        selection = line->hasSelectedText();
        any = !line->text().isEmpty();
    } else if (auto* rich = qobject_cast<core::RichEdit*>(target)) {
        selection = rich->textCursor().hasSelection();
        any = !rich->document()->isEmpty();
    }
    m_actions.value(QStringLiteral("N3"))->setEnabled(selection);
    m_actions.value(QStringLiteral("N2"))->setEnabled(selection);
    m_actions.value(QStringLiteral("Delete1"))->setEnabled(selection);
    m_actions.value(QStringLiteral("N1"))->setEnabled(core::platform().clipboardHasText());
    m_actions.value(QStringLiteral("SelectAll1"))->setEnabled(any);
}

void Tfrmyulan::paste() {
    if (!core::platform().clipboardHasText()) return;
    const QString clip = core::platform().clipboardText();
    QWidget* target = editTarget();
    if (auto* line = qobject_cast<QLineEdit*>(target)) {
        line->insert(clip);
    } else if (auto* rich = qobject_cast<core::RichEdit*>(target)) {
        rich->insertText(clip);
        rich->ensureCursorVisible();
    }
}

void Tfrmyulan::copy() {
    QWidget* target = editTarget();
    if (auto* line = qobject_cast<QLineEdit*>(target)) {
        if (line->hasSelectedText()) core::platform().setClipboardText(line->selectedText());
    } else if (auto* rich = qobject_cast<core::RichEdit*>(target)) {
        if (rich->textCursor().hasSelection()) core::platform().setClipboardText(selectedText(rich));
    }
}

void Tfrmyulan::cut() {
    copy();
    deleteSelection();
}

void Tfrmyulan::selectAll() {
    QWidget* target = editTarget();
    if (auto* line = qobject_cast<QLineEdit*>(target))
        line->selectAll();
    else if (auto* rich = qobject_cast<core::RichEdit*>(target))
        rich->selectAll();
}

void Tfrmyulan::deleteSelection() {
    QWidget* target = editTarget();
    if (auto* line = qobject_cast<QLineEdit*>(target)) {
        if (line->hasSelectedText()) line->del();
    } else if (auto* rich = qobject_cast<core::RichEdit*>(target)) {
        QTextCursor cursor = rich->textCursor();
        cursor.removeSelectedText();
        rich->setTextCursor(cursor);
    }
}

void Tfrmyulan::showSearchDialog(bool replacing) {
    QPointer<QDialog>& slot = replacing ? m_replaceDialog : m_findDialog;
    auto* dialog = static_cast<SearchDialog*>(slot.data());
    if (!dialog) {
        dialog = new SearchDialog(this, replacing);
        slot = dialog;
        connect(dialog->findNext, &QPushButton::clicked, this,
                [this, dialog] { find(dialog->findText->text(), dialog->options()); });
        if (replacing) {
            connect(dialog->replaceOne, &QPushButton::clicked, this, [this, dialog] {
                replace(dialog->findText->text(), dialog->replaceText->text(), dialog->options());
            });
            connect(dialog->replaceEvery, &QPushButton::clicked, this, [this, dialog] {
                replaceAll(dialog->findText->text(), dialog->replaceText->text(), dialog->options());
            });
        }
    }
    const QString selection = selectedText(m_editor);
    if (!selection.isEmpty() && !selection.contains(u'\n')) dialog->findText->setText(selection);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

bool Tfrmyulan::find(const QString& text, const SearchOptions& options) {
    const QTextCursor hit =
        text.isEmpty() ? QTextCursor()
                       : m_editor->document()->find(text, m_editor->textCursor(), searchFlags(options));
    if (hit.isNull()) {
        core::platform().information(this, notFound(text));
        return false;
    }
    m_editor->setTextCursor(hit);
    m_editor->setFocus();
    return true;
}

bool Tfrmyulan::replace(const QString& text, const QString& replacement, const SearchOptions& options) {
    QTextCursor selection = m_editor->textCursor();
    const Qt::CaseSensitivity sensitivity = options.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    if (!text.isEmpty() && selection.hasSelection() &&
        QString::compare(selection.selectedText(), text, sensitivity) == 0) {
        selection.insertText(replacement);
        m_editor->setTextCursor(selection);
    }
    return find(text, options);
}

int Tfrmyulan::replaceAll(const QString& text, const QString& replacement, const SearchOptions& options) {
    SearchOptions forward = options;
    forward.backward = false;
    int replaced = 0;
    QTextDocument* document = m_editor->document();
    QTextCursor edit(document);
    edit.beginEditBlock();
    for (QTextCursor hit = text.isEmpty() ? QTextCursor() : document->find(text, 0, searchFlags(forward));
         !hit.isNull(); hit = document->find(text, hit, searchFlags(forward))) {
        hit.insertText(replacement);
        ++replaced;
    }
    edit.endEditBlock();
    if (replaced == 0) core::platform().information(this, notFound(text));
    return replaced;
}

bool Tfrmyulan::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_editor && event->type() == QEvent::KeyPress) {
        m_keyDown = static_cast<QKeyEvent*>(event)->key();
        dispatch(QStringLiteral("redt1KeyDown"));
        m_keyDown = 0;
    } else if (m_panel && qobject_cast<QLabel*>(watched) &&
               m_panel->isAncestorOf(static_cast<QWidget*>(watched))) {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
            return true;
        // The panel's title hides the panel as its close label does.
        if (event->type() == QEvent::MouseButtonRelease && watched->objectName() == QLatin1String("lbl5")) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton &&
                static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint()))
                dispatch(QStringLiteral("lbl4Click"));
        }
    }
    return core::Form::eventFilter(watched, event);
}

void Tfrmyulan::receive(const QString& code, int edition) {
    showForm();
    setText(QStringLiteral("redt1"), code);
    control<core::RadioGroup>(QStringLiteral("rg1"))->setItemIndex(edition);
}

QINGWU_PROVIDES(Tfrmyulan, core::PreviewerInput)
QINGWU_WINDOW(Tfrmyulan,
              {.order = 40,
               .tile = core::Tile{
                   .page = u"tsmg1", .row = 1, .column = 3, .image = u"img95", .caption = u"代码预览编辑"}})

} // namespace tools
