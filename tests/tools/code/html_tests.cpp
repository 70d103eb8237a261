#include "tests/generators/carousels/page_files.h"
#include "tests/support/helpers.h"
#include "tools/code/html.h"

#include "core/exacttext.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <gtest/gtest.h>

namespace {

class HtmlTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = testing::form("TFrmhtml");
        code = w->control<core::RichEdit>("redtmome");
    }
    // Puts the caret at a position, or selects from `from` to `to`.
    void caret(int from, int to = -1) {
        QTextCursor cursor(code->document());
        cursor.setPosition(from);
        if (to >= 0) cursor.setPosition(to, QTextCursor::KeepAnchor);
        code->setTextCursor(cursor);
    }
    core::Form* w = nullptr;
    core::RichEdit* code = nullptr;
};

TEST_F(HtmlTest, StartsWithTheStyleBlockAndAMonospaceFont) {
    EXPECT_EQ(code->text(), "<style>\r\n<!-- code -->\r\n</style>\r\n");
    EXPECT_EQ(code->font().family(), "Noto Sans Mono CJK SC");
    EXPECT_EQ(w->text("edtcolor"), "#fff");
    EXPECT_FALSE(w->control<QListWidget>("lsthtml")->isVisibleTo(w));
    EXPECT_TRUE(w->windowTitle().startsWith("QW - html代码编辑器"));
    // The preview page lies below the folder current at creation.
    EXPECT_TRUE(static_cast<tools::TFrmhtml*>(w)->previewPath().endsWith("/files/html.html"));
}

TEST_F(HtmlTest, DeclarationListAndInsertion) {
    auto* list = w->control<QListWidget>("lsthtml");
    ASSERT_EQ(list->count(), 75);
    const struct {
        int row;
        QString text;
    } items[] = {{0, "【标签列表】"},
                 {1, ""},
                 {2, "—— 尺寸 ——"},
                 {9, "backgroud:url() no-repeat #f30;"},
                 {34, "font-size:14px; "},
                 {58, "margin-right:10px;  "},
                 {64, "padding-left: 10px;   "},
                 {71, "left: 10px;   "},
                 {74, "overflow:hidden;"}};
    for (const auto& item : items)
        EXPECT_EQ(list->item(item.row)->text(), item.text) << item.row;

    w->control<QCheckBox>("chklist")->click();
    EXPECT_TRUE(list->isVisibleTo(w));
    w->control<QCheckBox>("chklist")->click();
    EXPECT_FALSE(list->isVisibleTo(w));

    code->setText("<div>\r</div>");
    const struct {
        int row, from, to;
        QString result;
    } inserts[] = {
        {3, 4, -1, "<divwidth:100px;>\r</div>"},
        // A heading goes in as it is; an empty line inserts nothing.
        {2, 0, 4, "—— 尺寸 ——width:100px;>\r</div>"},
        {1, 0, -1, "—— 尺寸 ——width:100px;>\r</div>"},
        {34, 8, 20, "—— 尺寸 ——font-size:14px; >\r</div>"},
    };
    for (const auto& c : inserts) {
        caret(c.from, c.to);
        list->setCurrentRow(c.row);
        w->fire("lsthtmlDblClick");
        EXPECT_EQ(code->text(), c.result) << c.row;
    }
}

TEST_F(HtmlTest, FragmentsReplaceTheSelection) {
    const struct {
        QString action, text;
    } fragments[] = {
        {"actstyle", "style=\"属性\""},
        {"actdivdaihref", "<a href=\"链接地址\" target=\"_blank\"> <div > 自定义内容  </div></a>"},
        {"actdiv", "<div  > 自定义内容 </div>"},
        {"actCSS", " class=\"class名\""},
        {"actimg", "<img src=\"图片地址\" width=\"宽度\" height=\"高度\"/>"},
        {"actimgdaihref", "<a href=\"链接地址\" target=\"_blank\"> <img src=\"图片地址\"  width=\"宽度\" "
                          "height=\"高度\"/></a>"},
    };
    for (const auto& f : fragments) {
        code->setText("[xx]\r\n");
        caret(1, 3);
        w->fire(f.action + "Execute");
        EXPECT_EQ(code->text(), "[" + f.text + "]\r\n") << f.action.toStdString();
    }
    auto* menu = w->findChild<QMenu*>("pmright");
    ASSERT_NE(menu, nullptr);
    QStringList captions;
    for (QAction* a : menu->actions())
        captions << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(captions,
              QStringList({"撤销", "-", "插入Style", "插入Div带链接", "插入Div", "插入CSS", "插入图片",
                           "插入图片带链接", "-", "复制", "剪切", "粘贴", "全选", "-", "清空"}));
    w->fire("N10Click");
    EXPECT_EQ(code->text(), "");
}

TEST_F(HtmlTest, CommentIndentAndSpaceKey) {
    code->setText("ab");
    caret(1);
    fake().inputs.enqueue(QString("头部"));
    w->fire("rzpnljiClick");
    EXPECT_EQ(code->text(), "a<!--头部-->b");
    const auto prompt = fake().callsOf("prompt");
    ASSERT_EQ(prompt.size(), 1);
    EXPECT_EQ(prompt[0].title, "提示");
    EXPECT_EQ(prompt[0].text, "请输入注释标题\n0");
    // A cancelled prompt still inserts the default.
    code->setText("");
    fake().inputs.enqueue(std::nullopt);
    w->fire("rzpnljiClick");
    EXPECT_EQ(code->text(), "<!--0-->");

    code->setText("xy");
    caret(1);
    w->fire("rzpnlsuoClick");
    EXPECT_EQ(code->text(), "x  y");

    code->setText("ab");
    caret(1);
    code->setFocus();
    QTest::keyClick(code, Qt::Key_Space);
    EXPECT_EQ(code->text(), "a   b");
    QTest::keyClick(code, Qt::Key_C);
    EXPECT_EQ(code->text(), "a   cb");
}

TEST_F(HtmlTest, ReadingLayoutBreaksAndColours) {
    code->setText(
        "<div class=\"x\"><a href=\"#\"><img src=\"p.jpg\"></a><span style=\"\">t</span><div>z</div></div>");
    w->fire("actgeExecute");
    const QString once = "\r<div class=\"x\">\r    <a href=\"#\">\r    <img src=\"p.jpg\">\r    </a>"
                         "\r    <span style=\"\">t</span><div>z\r</div>\r\r</div>\r";
    EXPECT_EQ(code->text(), once);

    // Colours: src=, <div, href= and style, whole words, bold; in text order.
    QStringList hits;
    for (const auto& c : code->colours()) {
        hits << c.cursor.selectedText() + " " + c.format.foreground().color().name();
        EXPECT_EQ(c.format.fontWeight(), QFont::Bold);
    }
    EXPECT_EQ(hits, QStringList(
                        {"<div #ff0000", "href= #ff00ff", "src= #0000ff", "style #008000", "<div #ff0000"}));

    // Twice: the breaks go in twice.
    w->fire("actgeExecute");
    EXPECT_EQ(code->text(),
              "\r\r<div class=\"x\">\r    \r    <a href=\"#\">\r    \r    <img src=\"p.jpg\">\r    "
              "\r    </a>\r    \r    <span style=\"\">t</span><div>z\r\r</div>\r\r\r\r</div>\r\r");
}

TEST_F(HtmlTest, ColoursOnlyWholeWords) {
    // "src=1" is no whole word (a digit follows); "data-src=\"" is one.
    code->setText("<p class=\"mystyle\" x=src=1 data-src=\"1\"><divx><STYLE>");
    w->fire("actgeExecute");
    EXPECT_EQ(code->text(), "<p class=\"mystyle\" x=src=1 data-src=\"1\"><divx><STYLE>");
    ASSERT_EQ(code->colours().size(), 1);
    EXPECT_EQ(code->colours()[0].cursor.selectedText(), "src=");
    EXPECT_EQ(code->colours()[0].cursor.selectionStart(), 32);
}

TEST_F(HtmlTest, ColourFieldIsLowerCaseAndInserted) {
    fake().colors.enqueue(std::nullopt);
    w->fire("edtcolorDblClick");
    EXPECT_EQ(w->text("edtcolor"), "#fff");
    fake().colors.enqueue(QColor(255, 102, 0));
    w->fire("edtcolorDblClick");
    EXPECT_EQ(w->text("edtcolor"), "#ff6600");
    EXPECT_TRUE(w->control<QLineEdit>("edtcolor")->styleSheet().contains("#ff6600"));
    code->setText("color:;");
    caret(6);
    w->fire("btn4Click");
    EXPECT_EQ(code->text(), "color:#ff6600;");
    // The dialog starts on the colour chosen last.
    fake().colors.enqueue(std::nullopt);
    w->fire("edtcolorDblClick");
    EXPECT_EQ(fake().lastInitialColor, QColor(255, 102, 0));
}

TEST_F(HtmlTest, PreviewIsWrittenWholeAndShown) {
    const QString path = static_cast<tools::TFrmhtml*>(w)->previewPath();
    const QString files = QFileInfo(path).absolutePath();
    const bool hadFolder = QDir(files).exists();
    ASSERT_TRUE(QDir().mkpath(files));
    code->setText("<p>甲</p>\r<i>\n");
    w->fire("actyuExecute");
    EXPECT_EQ(testing::fileBytes(path), testing::gbk("<p>甲</p>\r<i>\n"));
    auto browsers = w->findChildren<testing::FakeBrowser*>();
    ASSERT_EQ(browsers.size(), 1);
    EXPECT_EQ(browsers[0]->navigations.last(), path);

    // Without the folder the refresh fails and the page stays as it was. A
    // folder that was there before is only moved aside for the moment.
    const QString aside = files + "-aside-" + QString::number(QCoreApplication::applicationPid());
    if (hadFolder) {
        ASSERT_TRUE(QDir().rename(files, aside));
    } else {
        ASSERT_TRUE(QDir(files).removeRecursively());
    }
    fake().reset();
    w->fire("actyuExecute");
    const bool noFile = !QFile::exists(path);
    if (hadFolder) {
        ASSERT_TRUE(QDir().rename(aside, files));
    }
    EXPECT_TRUE(noFile);
    EXPECT_EQ(fake().callsOf("messageBox").size(), 1);
    EXPECT_TRUE(fake().lastMessage().text.startsWith("Cannot create file"));
    EXPECT_EQ(browsers[0]->navigations.size(), 1);
}

TEST_F(HtmlTest, OpenSaveAndFont) {
    testing::ScratchCurrentFolder scratch;
    const QString utf8 = scratch.path() + "/u.html", gbk = scratch.path() + "/g.txt";
    {
        QFile a(utf8), b(gbk);
        ASSERT_TRUE(a.open(QIODevice::WriteOnly) && b.open(QIODevice::WriteOnly));
        a.write(QString("<b>青梧</b>\r\nx").toUtf8());
        b.write(testing::gbk("<i>岚舟</i>\ry"));
    }
    fake().openFiles.enqueue(utf8);
    w->fire("Open2Click");
    EXPECT_EQ(code->text(), "<b>青梧</b>\r\nx");
    fake().openFiles.enqueue(gbk);
    w->fire("Open2Click");
    EXPECT_EQ(code->text(), "<i>岚舟</i>\ry");
    ASSERT_EQ(fake().callsOf("openFile").size(), 2);
    // Cancel and a missing file change nothing.
    w->fire("Open2Click");
    fake().openFiles.enqueue(scratch.path() + "/missing.html");
    w->fire("Open2Click");
    EXPECT_EQ(code->text(), "<i>岚舟</i>\ry");

    fake().saveFiles.enqueue(scratch.path() + "/index");
    w->fire("N13Click");
    EXPECT_EQ(testing::fileBytes(scratch.path() + "/index.html"), testing::gbk("<i>岚舟</i>\ry"));
    fake().saveFiles.enqueue(scratch.path() + "/a.html");
    w->fire("N13Click");
    EXPECT_TRUE(QFile::exists(scratch.path() + "/a.html.html"));
    EXPECT_FALSE(fake().lastFileDialog.confirmOverwrite);
    // ".html" follows the dialog, so the window asks before replacing the final name.
    code->setText("new");
    fake().reset();
    fake().saveFiles.enqueue(scratch.path() + "/index");
    fake().answers.enqueue(core::Answer::Cancel);
    w->fire("N13Click");
    ASSERT_EQ(fake().callsOf("messageBox").size(), 1);
    EXPECT_EQ(fake().lastMessage().text, "文件“" + scratch.path() + "/index.html”已经存在，要替换它吗？");
    EXPECT_EQ(testing::fileBytes(scratch.path() + "/index.html"), testing::gbk("<i>岚舟</i>\ry"));
    fake().saveFiles.enqueue(scratch.path() + "/index");
    fake().answers.enqueue(core::Answer::Ok);
    w->fire("N13Click");
    EXPECT_EQ(testing::fileBytes(scratch.path() + "/index.html"), "new");
    // A file that cannot be written leaves the old one and says so.
    ASSERT_TRUE(QDir().mkpath(scratch.path() + "/ro.html"));
    fake().reset();
    fake().saveFiles.enqueue(scratch.path() + "/ro");
    w->fire("N13Click");
    EXPECT_EQ(fake().callsOf("messageBox").size(), 1);
    EXPECT_TRUE(QFileInfo(scratch.path() + "/ro.html").isDir());

    fake().fonts.enqueue(std::nullopt);
    w->fire("N15Click");
    EXPECT_EQ(code->font().family(), "Noto Sans Mono CJK SC");
    fake().fonts.enqueue(QFont("DejaVu Serif", 15));
    w->fire("N15Click");
    EXPECT_EQ(code->font().family(), "DejaVu Serif");
    EXPECT_EQ(code->font().pointSize(), 15);
}

// A minified page: one line of many pieces. It opens, colours, pastes and
// saves exactly, and the editor never holds a paragraph longer than a piece.
TEST_F(HtmlTest, AMinifiedPageOnOneLineStaysExactInPieces) {
    testing::ScratchCurrentFolder scratch;
    QString page;
    for (int k = 0; page.size() < 5 * core::ExactText::kPieceLength; ++k)
        page += QString("<p style=\"color:#f30\"><i src=\"%1.jpg\" href=\"#\">店铺%1</i></p>").arg(k);
    page += "\n";
    const QString file = scratch.path() + "/min.html";
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(page.toUtf8());
    }
    const auto longest = [&] {
        qsizetype most = 0;
        for (QTextBlock block = code->document()->begin(); block.isValid(); block = block.next())
            most = std::max<qsizetype>(most, block.length() - 1);
        return most;
    };
    fake().openFiles.enqueue(file);
    w->fire("Open2Click");
    EXPECT_EQ(code->text(), page);
    EXPECT_GT(code->document()->blockCount(), 5);
    EXPECT_LE(longest(), core::ExactText::kPieceLength);

    // Every hit is coloured where it stands, also past the first piece.
    w->fire("actgeExecute");
    EXPECT_EQ(code->text(), page);
    QMap<QString, int> coloured;
    for (const auto& c : code->colours())
        ++coloured[c.cursor.selectedText()];
    EXPECT_EQ(coloured.value("src="), page.count(" src="));
    EXPECT_EQ(coloured.value("style"), page.count("style="));
    EXPECT_EQ(coloured.value("href="), page.count("href="));
    EXPECT_EQ(coloured.keys(), QStringList({"href=", "src=", "style"}));

    // Pasted over everything, and saved byte for byte.
    code->setText("x");
    caret(0, 1);
    fake().clipboard = page;
    w->findChild<QAction*>("Paste1")->trigger();
    EXPECT_EQ(code->text(), page);
    EXPECT_LE(longest(), core::ExactText::kPieceLength);
    fake().saveFiles.enqueue(scratch.path() + "/out");
    w->fire("N13Click");
    EXPECT_EQ(testing::fileBytes(scratch.path() + "/out.html"), testing::gbk(page));
}

} // namespace
