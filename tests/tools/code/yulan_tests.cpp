#include "tests/support/helpers.h"
#include "tools/code/yulan.h"

#include "core/files.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QStringEncoder>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>
#include <algorithm>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

const QString kInitial =
    "<div style=\"color:#f30;fon-size:24px;\">新版本中优化了右键的快捷方式，右键空白处可清空！</div>\r\n";
const QString kSaved = "代码已保存，第一次编辑后点击预览，二次编辑后可直接刷新预览网页即可！";

// A shipped page fragment as the window must hold it: its lines, each
// followed by CR LF.
QString fragment(const QString& file) {
    QFile source(QStringLiteral(QINGWU_SOURCE_DIR "/resources/files/") + file);
    EXPECT_TRUE(source.open(QIODevice::ReadOnly)) << file.toStdString();
    QStringList lines = QString::fromUtf8(source.readAll()).split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    QString joined;
    for (QString line : lines) {
        if (line.endsWith(u'\r')) line.chop(1);
        joined += line + "\r\n";
    }
    return joined;
}

QByteArray gb18030(const QString& text) {
    QStringEncoder encoder("GB18030");
    return encoder.encode(text);
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Coloured {
    QString text;
    QColor colour;
    bool operator==(const Coloured& other) const { return text == other.text && colour == other.colour; }
};

void PrintTo(const Coloured& run, std::ostream* out) {
    *out << run.text.toStdString() << " " << run.colour.name().toStdString();
}

class YulanTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = testing::form("Tfrmyulan");
        w->showForm();
        editor = w->control<core::RichEdit>("redt1");
        rg1 = w->control<core::RadioGroup>("rg1");
        rg1->setItemIndex(1);
        QFont font("Cambria");
        font.setPixelSize(20);
        editor->setFont(font);
        w->setText("edt1", "");
        w->setText("edt2", "");
        w->setText("edt4", "&quot;");
        fake().reset();
    }

    QString code() const { return w->text("redt1"); }

    // The coloured pieces of the editor in text order.
    QList<Coloured> colouredRuns() const {
        QList<QTextEdit::ExtraSelection> marks = editor->extraSelections();
        std::sort(marks.begin(), marks.end(), [](const auto& a, const auto& b) {
            return a.cursor.selectionStart() < b.cursor.selectionStart();
        });
        QList<Coloured> runs;
        for (const auto& mark : marks)
            if (mark.cursor.hasSelection())
                runs.append({mark.cursor.selectedText(), mark.format.foreground().color()});
        return runs;
    }

    QAction* action(const QString& name) const { return w->control<QMenu>("pm1")->findChild<QAction*>(name); }

    core::Form* w = nullptr;
    core::RichEdit* editor = nullptr;
    core::RadioGroup* rg1 = nullptr;
};

TEST(YulanStart, InitialState) {
    core::Form* w = testing::form("Tfrmyulan");
    EXPECT_EQ(w->text("redt1"), kInitial);
    EXPECT_EQ(w->control<core::RadioGroup>("rg1")->itemIndex(), 1);
    EXPECT_EQ(w->control<core::RadioGroup>("rg1")->items(), QStringList({"基础版", "专业版", "天猫版"}));
    EXPECT_EQ(w->text("rg1"), "店铺类型");
    EXPECT_EQ(w->text("edt4"), "&quot;");
    EXPECT_EQ(w->text("edt1"), "");
    EXPECT_EQ(w->text("edt2"), "");
    EXPECT_EQ(w->text("mmo4"), "请先把代码栏中，输入代码后，再点击实时预览，看我的具体显示！\r\n");
    EXPECT_TRUE(w->control<QWidget>("pnl2")->isHidden());
    EXPECT_EQ(w->size(), QSize(1116, 591));
    const struct {
        const char* name;
        const char* caption;
    } captions[] = {{"img1", "保存"},         {"img2", "预览"},           {"rzbtbtn5", "清"},
                    {"rzbtbtn6", "格式阅读"}, {"rzbtbtn2", "字体设置"},   {"rzbtbtn1", "查找替换"},
                    {"lbl1", "帮助"},         {"lbl5", "替换及查找信息"}, {"lbl4", "x 关闭"},
                    {"btn5", "查找"},         {"btn6", "全部替换"}};
    for (const auto& c : captions)
        EXPECT_EQ(w->text(c.name), c.caption) << c.name;
    const QFont font = w->control<core::RichEdit>("redt1")->font();
    EXPECT_EQ(font.family(), "Cambria");
    EXPECT_EQ(font.pixelSize(), 20);
}

// The six fragments are whole pages of their edition once put together.
TEST(YulanFragments, EachEditionHasItsPageStructure) {
    const struct {
        const char* head;
        const char* tail;
        QStringList inHead;
        QString headEnd;
        QStringList inTail;
    } editions[] = {
        {"mmo7",
         "mmo8",
         {"<meta charset=\"gbk\">", "<title>岚舟设计工作室 - 青梧美工网店装修软件</title>",
          "href=\"files/yulan.css\"", "青梧美工", "当前为基础版预览效果（实际店铺为准）",
          "class=\"layout grid-s5m0 J_TLayout\"", "data-width=\"b750\"", "data-title=\"自定义内容区\"",
          "#content .layout { width: 950px; }"},
         "<div class=\"skin-box-bd clear-fix\">\r\n",
         {"skin-box-bt", "J_TLayout hidden", "footer-strip", "</html>"}},
        {"mmo2",
         "mmo3",
         {"<meta charset=\"gbk\">", "<title>岚舟设计工作室 - 代码预览器 - C店</title>",
          "href=\"files/yulan.css\"", "青梧美工", "专业版效果预览器", "class=\"layout grid-m0 J_TLayout\"",
          "data-width=\"b950\" style=\"overflow:visible;\""},
         "<div class=\"J_TModule\" data-widgetid=\"2002\" data-title=\"自定义内容区\">\r\n",
         {"data-width=\"f950\"", ".footer-more-trigger { position: absolute; }", "</html>"}},
        {"mmo5",
         "mmo6",
         {"<meta charset=\"gbk\">", "<title>岚舟设计工作室 - 代码预览器 - 天猫店</title>",
          "href=\"files/yulan.css\"", "<body class=\"tmall\">", "class=\"tmall-hd\"", "青梧美工",
          "当前为天猫版预览效果", "class=\"tmall-menu\"", "class=\"layout grid-m0 J_TLayout\"",
          "data-width=\"b950\"", "data-title=\"自定义内容区\""},
         "<div class=\"skin-box-bd clear-fix\">\r\n",
         {"skin-box-bt", "class=\"tmall-line\"", "footer-strip", "</html>"}},
    };
    core::Form* w = testing::form("Tfrmyulan");
    for (const auto& e : editions) {
        SCOPED_TRACE(e.head);
        const QString head = w->text(e.head);
        const QString tail = w->text(e.tail);
        EXPECT_TRUE(head.startsWith("<!DOCTYPE html>\r\n"));
        for (const QString& piece : e.inHead)
            EXPECT_TRUE(head.contains(piece)) << piece.toStdString();
        EXPECT_TRUE(head.endsWith(e.headEnd));
        for (const QString& piece : e.inTail)
            EXPECT_TRUE(tail.contains(piece)) << piece.toStdString();
        EXPECT_TRUE(tail.endsWith("</html>\r\n"));
        // The opened elements are all closed again.
        const QString page = head + tail;
        EXPECT_EQ(page.count("<div"), page.count("</div>"));
    }
    // The style sheet the pages link is shipped beside them, with what banners rely on.
    QFile css(core::filesFolder() + "/yulan.css");
    ASSERT_TRUE(css.open(QIODevice::ReadOnly));
    const QString sheet = QString::fromUtf8(css.readAll());
    for (const char* rule :
         {".layout { width: 950px; margin: 0 auto 10px; }", ".tmall .layout { width: 990px; }",
          ".grid-s5m0 .main-wrap { margin-left: 200px; }", ".footer-more-trigger { position: absolute; }",
          ".sn-simple-logo { position: absolute; }"})
        EXPECT_TRUE(sheet.contains(rule)) << rule;
}

TEST_F(YulanTest, SaveBuildsHeadTextAndTailOfTheEdition) {
    const struct {
        int edition;
        const char* head;
        const char* tail;
        QString code;
    } cases[] = {
        {0, "yulan_basic_head.html", "yulan_basic_tail.html", "<p>基础版</p>"},
        {1, "yulan_pro_head.html", "yulan_pro_tail.html", "<div>\r\n  专业版\r\n</div>\r\n"},
        {2, "yulan_tmall_head.html", "yulan_tmall_tail.html", "<b>天猫</b>\r\n\r\n"},
        {1, "yulan_pro_head.html", "yulan_pro_tail.html", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.edition);
        fake().reset();
        rg1->setItemIndex(c.edition);
        w->setText("redt1", c.code);
        w->fire("img1Click");
        const QString page = fragment(c.head) + c.code + fragment(c.tail);
        EXPECT_EQ(w->text("mmo4"), page);
        EXPECT_EQ(fileBytes(tools::Tfrmyulan::cachePath()), gb18030(page));
        ASSERT_EQ(fake().callsOf("messageBox").size(), 1);
        EXPECT_EQ(fake().lastMessage().text, kSaved);
        EXPECT_EQ(fake().lastMessage().title, "提示信息");
        EXPECT_EQ(fake().lastMessage().owner, "Tfrmyulan");
        EXPECT_TRUE(fake().callsOf("open").isEmpty());
    }
    EXPECT_EQ(tools::Tfrmyulan::cachePath(), core::programFolder() + "/cache.html");
}

TEST_F(YulanTest, SavingTheInitialTextShowsTheHintInsideTheCustomModule) {
    w->setText("redt1", kInitial);
    w->fire("img1Click");
    const QString page = w->text("mmo4");
    const qsizetype module = page.indexOf("data-title=\"自定义内容区\"");
    const qsizetype hint = page.indexOf(kInitial);
    ASSERT_GE(module, 0);
    EXPECT_GT(hint, module);
    EXPECT_EQ(page.mid(hint + kInitial.size()), w->text("mmo3"));
}

TEST_F(YulanTest, WithoutAnEditionTheBufferKeepsItsText) {
    w->setText("redt1", "<p>first</p>");
    w->fire("img1Click");
    const QString first = w->text("mmo4");
    rg1->setItemIndex(-1);
    ASSERT_EQ(rg1->itemIndex(), -1);
    w->setText("redt1", "<p>second</p>");
    fake().reset();
    w->fire("img1Click");
    EXPECT_EQ(w->text("mmo4"), first);
    EXPECT_EQ(fileBytes(tools::Tfrmyulan::cachePath()), gb18030(first));
    EXPECT_EQ(fake().lastMessage().text, kSaved);
}

TEST_F(YulanTest, FailedWriteKeepsThePreviousPageAndShowsTheFileError) {
    w->setText("redt1", "<p>old</p>");
    w->fire("img1Click");
    const QByteArray old = fileBytes(tools::Tfrmyulan::cachePath());
    ASSERT_FALSE(old.isEmpty());

    // A page larger than the process may write: the write fails half way.
    QString big;
    for (int i = 0; i < 2000; ++i)
        big += QString(100, u'x') + "\r\n";
    w->setText("redt1", big);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = static_cast<rlim_t>(old.size() + 4096);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    fake().reset();
    w->fire("img1Click");
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(fileBytes(tools::Tfrmyulan::cachePath()), old);
    ASSERT_EQ(fake().callsOf("messageBox").size(), 1);
    EXPECT_TRUE(fake().lastMessage().text.startsWith("Cannot create file"))
        << fake().lastMessage().text.toStdString();
    EXPECT_TRUE(fake().lastMessage().text.contains("cache.html"));
    EXPECT_EQ(fake().lastMessage().title, fake().applicationTitle());
    // No temporary file is left beside the page.
    const QStringList left = QDir(core::programFolder()).entryList({"cache.html*"}, QDir::Files);
    EXPECT_EQ(left, QStringList{"cache.html"});
}

TEST_F(YulanTest, MissingFragmentFailsTheSaveOfItsEditionOnly) {
    const QString file = core::filesFolder() + "/yulan_tmall_head.html";
    ASSERT_TRUE(QFile::rename(file, file + ".away"));
    tools::Tfrmyulan fresh;
    QFile::rename(file + ".away", file);

    w->setText("redt1", "<p>kept</p>");
    w->fire("img1Click");
    const QByteArray before = fileBytes(tools::Tfrmyulan::cachePath());
    fake().reset();
    fresh.control<core::RadioGroup>("rg1")->setItemIndex(2);
    fresh.fire("img1Click");
    EXPECT_EQ(fileBytes(tools::Tfrmyulan::cachePath()), before);
    ASSERT_EQ(fake().callsOf("messageBox").size(), 1);
    EXPECT_TRUE(fake().lastMessage().text.startsWith("Cannot open file"))
        << fake().lastMessage().text.toStdString();
    EXPECT_TRUE(fake().lastMessage().text.contains("yulan_tmall_head.html"));

    fake().reset();
    fresh.control<core::RadioGroup>("rg1")->setItemIndex(0);
    fresh.fire("img1Click");
    EXPECT_EQ(fake().lastMessage().text, kSaved);
    EXPECT_TRUE(fresh.text("mmo4").startsWith(fragment("yulan_basic_head.html")));
}

TEST_F(YulanTest, PreviewOpensTheSavedPageEveryTime) {
    rg1->setItemIndex(2);
    w->fire("img1Click");
    fake().reset();
    w->fire("img2Click");
    w->fire("img2Click");
    const auto opened = fake().callsOf("open");
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(opened[0].address, core::programFolder() + "/cache.html");
    EXPECT_EQ(opened[1].address, opened[0].address);
    EXPECT_TRUE(fake().callsOf("messageBox").isEmpty());
}

TEST_F(YulanTest, SaveWritesTheEditorTextWithEveryBreakAsItIs) {
    // The reading layout's lone CRs, a pasted LF and typed CR LF side by side.
    w->setText("redt1", "<div>");
    w->fire("rzbtbtn6Click");
    QTextCursor end(editor->document());
    end.movePosition(QTextCursor::End);
    end.insertText("a\nb");
    ASSERT_EQ(code(), "\r<div>a\r\nb");
    w->setText("redt1", code() + "\nc\r");
    w->fire("img1Click");
    const QString page =
        fragment("yulan_pro_head.html") + "\r<div>a\r\nb\nc\r" + fragment("yulan_pro_tail.html");
    EXPECT_EQ(fileBytes(tools::Tfrmyulan::cachePath()), gb18030(page));
}

TEST_F(YulanTest, PreviewBeforeAnySaveSaysSoAndOpensNothing) {
    QFile::remove(tools::Tfrmyulan::cachePath());
    w->fire("img2Click");
    EXPECT_TRUE(fake().callsOf("open").isEmpty());
    ASSERT_EQ(fake().callsOf("messageBox").size(), 1);
    EXPECT_EQ(fake().lastMessage().text, "还没有保存过预览网页，请先点击保存，再点击预览！");
    EXPECT_EQ(fake().lastMessage().title, "提示信息");
    fake().reset();
    w->fire("img1Click");
    w->fire("img2Click");
    EXPECT_EQ(fake().callsOf("open").size(), 1);
}

TEST_F(YulanTest, ACharacterThatCannotBeSavedFailsAndKeepsTheOldPage) {
    w->setText("redt1", "<p>old</p>");
    w->fire("img1Click");
    const QByteArray old = fileBytes(tools::Tfrmyulan::cachePath());
    w->setText("redt1", QString("<p>") + QChar(0xDC00) + "</p>");
    fake().reset();
    w->fire("img1Click");
    EXPECT_EQ(fileBytes(tools::Tfrmyulan::cachePath()), old);
    ASSERT_EQ(fake().callsOf("messageBox").size(), 1);
    EXPECT_TRUE(fake().lastMessage().text.contains("不成对的代理字符"))
        << fake().lastMessage().text.toStdString();
    EXPECT_NE(fake().lastMessage().text, kSaved);
}

TEST_F(YulanTest, ReadingLayoutBreaksLinesAndColoursTagsAndAttributes) {
    w->setText("redt1", "<div style=\"a\"><a href=\"h\"><img src=\"s\"/></a><ul><li>t</li></ul>"
                        "<DIV xstyle=\"b\">x</DIV></div>");
    w->fire("rzbtbtn6Click");
    // "\r" is one carriage return: the text holds lone CRs, not CR LF.
    EXPECT_EQ(code(), "\r<div style=\"a\">\r    <a href=\"h\">\r      <img src=\"s\"/>\r</a>\r\r"
                      "    <ul>\r      <li>t\r      </li>\r\r    </ul>\r"
                      "<DIV xstyle=\"b\">x</DIV>\r</div>\r");
    const QColor red(0xFF, 0, 0), magenta(0xFF, 0, 0xFF), cyan(0, 0xC8, 0xC8), blue(0, 0, 0xFF),
        orange(0xFF, 0x96, 0);
    // "<DIV", "</DIV>" (match case) and "xstyle=" (whole word) stay plain.
    EXPECT_EQ(colouredRuns(), (QList<Coloured>{{"<div", red},
                                               {"style=", cyan},
                                               {"href=", blue},
                                               {"src=", magenta},
                                               {"<li", orange},
                                               {"</li>", orange},
                                               {"</div>", red}}));
    // Finally everything is selected.
    EXPECT_EQ(editor->textCursor().selectionStart(), 0);
    EXPECT_EQ(editor->textCursor().selectionEnd(), editor->document()->characterCount() - 1);
}

TEST_F(YulanTest, ManyColoursAreShownWhereTheEditorIsScrolledTo) {
    QString code;
    for (int i = 0; i < 2000; ++i)
        code += QString("<div style=\"w%1\">x</div>").arg(i);
    w->setText("redt1", code);
    w->fire("rzbtbtn6Click");
    auto* rich = w->control<core::RichEdit>("redt1");
    // Every "<div", "style=" and "</div>" is coloured ...
    EXPECT_EQ(rich->colours().size(), 3 * 2000);
    // ... but the editor is given those near the screen only.
    const auto onScreen = editor->extraSelections();
    EXPECT_FALSE(onScreen.isEmpty());
    EXPECT_LT(onScreen.size(), 1000);
    EXPECT_EQ(onScreen.first().cursor.selectedText(), "<div");

    // Scrolled to the end once the editor has laid the text out.
    const auto lastColoured = [&] {
        int last = 0;
        for (const auto& colour : editor->extraSelections())
            last = std::max(last, colour.cursor.selectionEnd());
        return last;
    };
    const int end = editor->document()->characterCount() - 2; // the final "</div>" before the last break
    for (int wait = 0; wait < 100 && lastColoured() < end; ++wait) {
        editor->verticalScrollBar()->setValue(editor->verticalScrollBar()->maximum());
        QTest::qWait(20);
    }
    EXPECT_EQ(lastColoured(), end);

    // Typing keeps the colours, typing over the whole selected text drops
    // them as any write of the whole text does.
    QTextCursor atEnd = editor->textCursor();
    atEnd.movePosition(QTextCursor::End);
    editor->setTextCursor(atEnd);
    QTest::keyClicks(editor, "y");
    EXPECT_EQ(rich->colours().size(), 3 * 2000);
    editor->selectAll();
    QTest::keyClicks(editor, "z");
    EXPECT_TRUE(rich->colours().isEmpty());
    EXPECT_EQ(w->text("redt1"), "z");
    w->setText("redt1", "<div>");
    EXPECT_TRUE(rich->colours().isEmpty());
    EXPECT_TRUE(editor->extraSelections().isEmpty());
}

TEST_F(YulanTest, ReadingLayoutTableOfSmallCases) {
    const struct {
        QString before;
        QString after;
    } cases[] = {
        {"<a href=\"x\">y</a>", "\r    <a href=\"x\">y</a>\r"},
        {"a<br/>b", "a<br/>\rb"},
        {"<table><tr><td>1</td></tr></table>", "\r  <table><tr><td>1</td></tr>  </table>\r"},
        // Plain patterns: "<a" starts an abbr tag and "<li" a link tag.
        {"<abbr>", "\r    <abbr>"},
        {"<DIV>x</DIV>", "<DIV>x</DIV>"},
        // Breaks already in the text stay as they are.
        {"a\nb\r\nc\rd", "a\nb\r\nc\rd"},
        {"x\n<div>", "x\n\r<div>"},
        {"<link>", "\r      <link>"},
    };
    for (const auto& c : cases) {
        w->setText("redt1", c.before);
        w->fire("rzbtbtn6Click");
        EXPECT_EQ(code(), c.after) << c.before.toStdString();
    }
    // "<link" is broken like "<li" but not coloured: the pass looks for whole words.
    EXPECT_TRUE(colouredRuns().isEmpty());
}

TEST_F(YulanTest, ReadingLayoutTwiceBreaksTwice) {
    w->setText("redt1", "<div>x</div>");
    w->fire("rzbtbtn6Click");
    EXPECT_EQ(code(), "\r<div>x\r</div>\r");
    w->fire("rzbtbtn6Click");
    EXPECT_EQ(code(), "\r\r<div>x\r\r</div>\r\r");
}

TEST_F(YulanTest, EveryWriteOfTheTextDropsTheColours) {
    const struct {
        const char* what;
        std::function<void()> write;
    } writes[] = {
        {"clear", [&] { w->fire("btn3Click"); }},
        {"hand-over", [&] { w->setText("redt1", "<div>handed over</div>"); }},
        {"remove",
         [&] {
             w->setText("edt4", "x");
             w->fire("rzbtbtn5Click");
         }},
        {"replace all",
         [&] {
             w->setText("edt1", "div");
             w->setText("edt2", "p");
             w->fire("btn6Click");
         }},
    };
    for (const auto& c : writes) {
        SCOPED_TRACE(c.what);
        w->setText("redt1", "<div style=\"x\">y</div>");
        w->fire("rzbtbtn6Click");
        ASSERT_EQ(colouredRuns().size(), 3);
        // With coloured text selected the new text must not take its colour.
        editor->setTextCursor(editor->document()->find("<div", 0));
        c.write();
        EXPECT_TRUE(colouredRuns().isEmpty());
        EXPECT_EQ(editor->textCursor().charFormat().foreground().style(), Qt::NoBrush);
    }
    EXPECT_EQ(code(), "\r<p style=\"x\">y\r</p>\r");
}

TEST_F(YulanTest, RemoveText) {
    const struct {
        QString removal;
        QString before;
        QString after;
    } cases[] = {
        {"&quot;", "a&quot;b&quot;&quot;c", "abc"},
        {"&quot;", "a&QUOT;b", "a&QUOT;b"},
        {"", "a&quot;b", "a&quot;b"},
        {"\"", "<p class=\"x\">", "<p class=x>"},
    };
    for (const auto& c : cases) {
        w->setText("edt4", c.removal);
        w->setText("redt1", c.before);
        w->fire("rzbtbtn5Click");
        EXPECT_EQ(code(), c.after) << c.before.toStdString();
    }
    EXPECT_TRUE(fake().callsOf("messageBox").isEmpty());
}

TEST_F(YulanTest, FindSelectsTheFirstOccurrenceEveryTime) {
    w->setText("redt1", "x<div>\r\ny<div>");
    w->setText("edt1", "<div");
    for (int press = 0; press < 2; ++press) {
        w->fire("btn5Click");
        EXPECT_EQ(editor->textCursor().selectionStart(), 1);
        EXPECT_EQ(editor->textCursor().selectionEnd(), 5);
    }
    EXPECT_TRUE(fake().calls.isEmpty());

    for (const QString missing : {"<DIV", "", "zz"}) {
        fake().reset();
        w->setText("edt1", missing);
        w->fire("btn5Click");
        ASSERT_EQ(fake().callsOf("information").size(), 1) << missing.toStdString();
        EXPECT_EQ(fake().lastMessage().text, "找不到");
        EXPECT_EQ(fake().lastMessage().title, fake().applicationTitle());
        EXPECT_EQ(fake().lastMessage().owner, "Tfrmyulan");
    }
    EXPECT_EQ(code(), "x<div>\r\ny<div>");
}

TEST_F(YulanTest, ReplaceAll) {
    const struct {
        QString find;
        QString replacement;
        QString before;
        QString after;
        QString message;
    } cases[] = {
        {"-", "+", "a-b-c", "a+b+c", "替换完毕！"},
        {"&quot;", "\"", "x=&quot;1&quot;", "x=\"1\"", "替换完毕！"},
        {"ab", "", "aabb", "ab", "替换完毕！"},
        {"A", "b", "aaa", "aaa", "木有要替换的"},
        {"", "b", "aaa", "aaa", "木有要替换的"},
    };
    for (const auto& c : cases) {
        fake().reset();
        w->setText("edt1", c.find);
        w->setText("edt2", c.replacement);
        w->setText("redt1", c.before);
        w->fire("btn6Click");
        EXPECT_EQ(code(), c.after) << c.before.toStdString();
        ASSERT_EQ(fake().callsOf("messageBox").size(), 1);
        EXPECT_EQ(fake().lastMessage().text, c.message);
        EXPECT_EQ(fake().lastMessage().title, "提示信息");
    }
}

TEST_F(YulanTest, SpaceKeyYieldsThreeSpaces) {
    w->setText("redt1", "ab");
    QTextCursor cursor = editor->textCursor();
    cursor.movePosition(QTextCursor::End);
    editor->setTextCursor(cursor);
    QTest::keyClick(editor, Qt::Key_Space);
    EXPECT_EQ(code(), "ab   ");
    // A selection is replaced.
    cursor.setPosition(1);
    cursor.setPosition(2, QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
    QTest::keyClick(editor, Qt::Key_Space);
    EXPECT_EQ(code(), "a      ");
    // Other keys type as usual.
    QTest::keyClick(editor, Qt::Key_Z);
    EXPECT_EQ(code(), "a   z   ");
}

TEST_F(YulanTest, ScrollBarOnlyWhenTheLinesDoNotFit) {
    const auto linesOf = [](int n) {
        QString text;
        for (int i = 0; i < n; ++i)
            text += "line\r\n";
        return text;
    };
    for (const QFont& font : {editor->font(), QFont("DejaVu Sans", 30)}) {
        fake().fonts.enqueue(font);
        w->fire("rzbtbtn2Click");
        const int h = QFontMetrics(editor->font()).size(Qt::TextSingleLine, "好").height();
        int fitting = 1;
        while (h * (fitting + 2) < editor->height())
            ++fitting;
        w->setText("redt1", linesOf(fitting));
        EXPECT_EQ(editor->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff) << fitting;
        w->setText("redt1", linesOf(fitting + 1));
        EXPECT_EQ(editor->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn) << fitting;
        w->setText("redt1", "one line");
        EXPECT_EQ(editor->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    }
}

TEST_F(YulanTest, FontFromTheDialog) {
    const QFont chosen("DejaVu Serif", 17);
    fake().fonts.enqueue(chosen);
    w->fire("rzbtbtn2Click");
    EXPECT_EQ(fake().callsOf("font").size(), 1);
    EXPECT_EQ(fake().callsOf("font")[0].owner, "Tfrmyulan");
    EXPECT_EQ(editor->font().family(), chosen.family());
    EXPECT_EQ(editor->font().pointSize(), 17);
    // Cancelled: the editor keeps its font; writes keep it too.
    w->fire("rzbtbtn2Click");
    w->setText("redt1", "<p>x</p>");
    w->fire("rzbtbtn6Click");
    EXPECT_EQ(editor->font().family(), chosen.family());
    EXPECT_EQ(editor->font().pointSize(), 17);
}

TEST_F(YulanTest, PanelShowsAndHides) {
    QWidget* panel = w->control<QWidget>("pnl2");
    w->fire("rzbtbtn1Click");
    EXPECT_TRUE(panel->isVisible());
    w->fire("lbl4Click");
    EXPECT_FALSE(panel->isVisible());
    for (const char* label : {"lbl4", "lbl5"}) {
        w->fire("rzbtbtn1Click");
        ASSERT_TRUE(panel->isVisible());
        QTest::mouseClick(w->control<QLabel>(label), Qt::LeftButton);
        EXPECT_FALSE(panel->isVisible()) << label;
    }
}

TEST_F(YulanTest, HelpMessage) {
    w->fire("lbl1Click");
    EXPECT_EQ(fake().lastMessage().text, "使用说明：为了避免窗体无响应问题，现将预览器设定为浏览器预览！第一"
                                         "次编辑完代码后，保存后点击网页预览即"
                                         "可打开预览页面！二次编辑代码后，点击保存，完事再打开的浏览器中刷新"
                                         "页面即可，或者点击网页预览都可以看见！");
    EXPECT_EQ(fake().lastMessage().title, "提示信息");
    EXPECT_EQ(fake().lastMessage().owner, "Tfrmyulan");
}

TEST_F(YulanTest, ContextMenuItemsInOrder) {
    const struct {
        const char* name;
        const char* caption;
        QKeySequence shortcut;
    } items[] = {
        {"N5", "清空", {}},
        {"N7", "", {}},
        {"N1", "粘贴", QKeySequence("Ctrl+V")},
        {"N3", "复制", QKeySequence("Ctrl+C")},
        {"N2", "剪切", QKeySequence("Ctrl+X")},
        {"SelectAll1", "全选", QKeySequence("Ctrl+A")},
        {"Delete1", "&Delete", QKeySequence(QKeySequence::Delete)},
        {"N13", "", {}},
        {"Find1", "查找", QKeySequence("Ctrl+F")},
        {"Replace1", "替换", {}},
        {"N9", "", {}},
        {"N8", "反色背景", {}},
        {"N6", "", {}},
    };
    const QList<QAction*> actions = w->control<QMenu>("pm1")->actions();
    ASSERT_EQ(actions.size(), std::size(items));
    for (size_t i = 0; i < std::size(items); ++i) {
        SCOPED_TRACE(items[i].name);
        EXPECT_EQ(actions[i]->objectName(), items[i].name);
        EXPECT_EQ(actions[i]->isSeparator(), QString(items[i].caption).isEmpty());
        if (!actions[i]->isSeparator()) {
            EXPECT_EQ(actions[i]->text(), items[i].caption);
        }
        EXPECT_EQ(actions[i]->shortcut(), items[i].shortcut);
    }
}

TEST_F(YulanTest, StandardEditActions) {
    QMenu* menu = w->control<QMenu>("pm1");
    editor->setFocus();
    w->setText("redt1", "hello world");
    emit menu->aboutToShow();
    EXPECT_FALSE(action("N3")->isEnabled());
    EXPECT_FALSE(action("N2")->isEnabled());
    EXPECT_FALSE(action("Delete1")->isEnabled());
    EXPECT_FALSE(action("N1")->isEnabled()); // nothing on the clipboard
    EXPECT_TRUE(action("SelectAll1")->isEnabled());

    QTextCursor cursor = editor->textCursor();
    cursor.setPosition(6);
    cursor.setPosition(11, QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
    fake().clipboard = "x";
    emit menu->aboutToShow();
    EXPECT_TRUE(action("N3")->isEnabled());
    EXPECT_TRUE(action("N2")->isEnabled());
    EXPECT_TRUE(action("Delete1")->isEnabled());
    EXPECT_TRUE(action("N1")->isEnabled());

    action("N3")->trigger();
    EXPECT_EQ(fake().clipboard, "world");
    action("N2")->trigger();
    EXPECT_EQ(code(), "hello ");
    action("N1")->trigger();
    action("N1")->trigger();
    EXPECT_EQ(code(), "hello worldworld");
    fake().clipboard = "a\r\nb";
    action("N1")->trigger();
    EXPECT_EQ(code(), "hello worldworlda\r\nb");

    action("SelectAll1")->trigger();
    action("N3")->trigger();
    EXPECT_EQ(fake().clipboard, "hello worldworlda\r\nb");
    action("Delete1")->trigger();
    EXPECT_EQ(code(), "");

    w->setText("redt1", "abc");
    editor->moveCursor(QTextCursor::End);
    action("N8")->trigger();
    EXPECT_EQ(editor->textCursor().selectedText(), "abc");
    EXPECT_EQ(w->focusWidget(), editor);
    action("N5")->trigger();
    EXPECT_EQ(code(), "");
}

TEST_F(YulanTest, EditActionsWorkOnTheFocusedEdit) {
    auto* search = w->control<QLineEdit>("edt1");
    w->fire("rzbtbtn1Click");
    search->setText("abc");
    search->setFocus();
    ASSERT_EQ(w->focusWidget(), search);
    search->selectAll();
    w->setText("redt1", "untouched");
    action("N2")->trigger();
    EXPECT_EQ(fake().clipboard, "abc");
    EXPECT_EQ(search->text(), "");
    action("N1")->trigger();
    EXPECT_EQ(search->text(), "abc");
    EXPECT_EQ(code(), "untouched");
    w->fire("lbl4Click");
}

TEST_F(YulanTest, FindDialogSearchesOnFromTheSelection) {
    auto* yulan = static_cast<tools::Tfrmyulan*>(w);
    w->setText("redt1", "Word word sword word");
    editor->moveCursor(QTextCursor::Start);
    const auto selection = [&] {
        return std::pair(editor->textCursor().selectionStart(), editor->textCursor().selectionEnd());
    };

    EXPECT_TRUE(yulan->find("word", {}));
    EXPECT_EQ(selection(), std::pair(0, 4));
    EXPECT_TRUE(yulan->find("word", {}));
    EXPECT_EQ(selection(), std::pair(5, 9));
    EXPECT_TRUE(yulan->find("word", {}));
    EXPECT_EQ(selection(), std::pair(11, 15));
    // Whole word skips "sword"; the end has no further hit.
    editor->moveCursor(QTextCursor::Start);
    EXPECT_TRUE(yulan->find("word", {true, true, false}));
    EXPECT_EQ(selection(), std::pair(5, 9));
    EXPECT_TRUE(yulan->find("word", {true, true, false}));
    EXPECT_EQ(selection(), std::pair(16, 20));
    EXPECT_TRUE(fake().calls.isEmpty());
    EXPECT_FALSE(yulan->find("word", {true, true, false}));
    ASSERT_EQ(fake().callsOf("information").size(), 1);
    EXPECT_EQ(fake().lastMessage().text, "Text not found: \"word\"");
    EXPECT_EQ(fake().lastMessage().title, fake().applicationTitle());
    EXPECT_EQ(selection(), std::pair(16, 20));
    // Backward from there, match case.
    EXPECT_TRUE(yulan->find("Word", {true, false, true}));
    EXPECT_EQ(selection(), std::pair(0, 4));

    // Through the dialog itself.
    fake().reset();
    editor->moveCursor(QTextCursor::Start);
    action("Find1")->trigger();
    auto* dialog = w->findChild<QDialog*>("FindDialog1");
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    dialog->findChild<QLineEdit*>("findText")->setText("sword");
    dialog->findChild<QPushButton*>("findNext")->click();
    EXPECT_EQ(selection(), std::pair(10, 15));
    dialog->findChild<QPushButton*>("findNext")->click();
    EXPECT_EQ(fake().lastMessage().text, "Text not found: \"sword\"");
    dialog->findChild<QPushButton*>("cancel")->click();
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(YulanTest, ReplaceDialog) {
    auto* yulan = static_cast<tools::Tfrmyulan*>(w);
    w->setText("redt1", "a.b.c");
    editor->moveCursor(QTextCursor::Start);
    // Replace: the first press only finds, the next replaces what it found.
    EXPECT_TRUE(yulan->replace(".", "-", {}));
    EXPECT_EQ(code(), "a.b.c");
    EXPECT_TRUE(yulan->replace(".", "-", {}));
    EXPECT_EQ(code(), "a-b.c");
    EXPECT_EQ(editor->textCursor().selectionStart(), 3);

    w->setText("redt1", "x.y.z.");
    EXPECT_EQ(yulan->replaceAll(".", "..", {}), 3);
    EXPECT_EQ(code(), "x..y..z..");
    EXPECT_TRUE(fake().calls.isEmpty());
    EXPECT_EQ(yulan->replaceAll("Q", "", {true, false, false}), 0);
    EXPECT_EQ(fake().lastMessage().text, "Text not found: \"Q\"");
    EXPECT_EQ(code(), "x..y..z..");

    fake().reset();
    w->setText("redt1", "Cat cat");
    action("Replace1")->trigger();
    auto* dialog = w->findChild<QDialog*>("ReplaceDialog1");
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QLineEdit*>("findText")->setText("cat");
    dialog->findChild<QLineEdit*>("replaceText")->setText("dog");
    dialog->findChild<QPushButton*>("replaceEvery")->click();
    EXPECT_EQ(code(), "dog dog");
    EXPECT_TRUE(fake().calls.isEmpty());
    dialog->hide();
}

// The captions of the find and replace dialogs name their fields: the
// mnemonic shows as an underlined letter (not "&N") and Alt with the letter
// goes to the field.
TEST_F(YulanTest, SearchDialogCaptionsLeadToTheirFields) {
    for (const auto& [item, name] : {std::pair{"Find1", "FindDialog1"}, {"Replace1", "ReplaceDialog1"}}) {
        action(item)->trigger();
        auto* dialog = w->findChild<QDialog*>(name);
        ASSERT_NE(dialog, nullptr) << name;
        QMap<QString, QWidget*> buddies;
        for (QLabel* label : dialog->findChildren<QLabel*>())
            if (label->text().contains('&')) buddies.insert(label->text(), label->buddy());
        EXPECT_EQ(buddies.value("查找内容(&N):"), dialog->findChild<QLineEdit*>("findText")) << name;
        if (QString(name) == "ReplaceDialog1") {
            EXPECT_EQ(buddies.value("替换为(&P):"), dialog->findChild<QLineEdit*>("replaceText"));
        }
        for (auto it = buddies.cbegin(); it != buddies.cend(); ++it)
            EXPECT_NE(it.value(), nullptr) << it.key().toStdString();
        dialog->hide();
    }
}

} // namespace
