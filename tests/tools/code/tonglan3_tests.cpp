#include "tests/support/helpers.h"
#include "tools/code/tonglan3.h"

#include "core/handoff.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString kCopied = "代码已被复制，可以到店铺的自定义进行粘贴了！";
const QString kBufferStart = "哈哈，傻眼了吧！你肯定没选店铺类型~\r\n";

// The Tmall wrapper, fragment by fragment.
QString tmall(const QString& w, const QString& h, const QString& hc, const QString& offset,
              const QString& code) {
    return "<div style=\"height:" + hc + "px;\">" +
           "<div class=\"sn-simple-logo\" style=\"left:50%;width:" + w + "px;height:" + h + "px;" +
           "right:auto;top:auto;padding:0;border:none;left:auto;z-index:1;background-color: transparent; "
           "\">" +
           "<div class=\"sn-simple-logo\" style=\"left:-" + offset +
           "px;top:0px;border:none;padding:0;background-color: transparent; \">" + code +
           "</div></div></div>";
}

// The professional wrapper, and the basic one whose outer height has no unit.
QString footer(bool basic, const QString& w, const QString& h, const QString& hc, const QString& offset,
               const QString& code) {
    return "<div  style=\"height:" + hc + (basic ? "\">" : "px;\">") +
           "<div class=\"most-footer footer-more-trigger\" style=\"left:50%;width:" + w + "px;height:" + h +
           "px;" +
           "right:auto;top:auto;padding:0;border:none;left:auto;z-index:1;background-color: transparent; "
           "\"> " +
           "<div class=\"most-footer footer-more-trigger\" style=\"left:-" + offset +
           "px;top:0px;border:none;padding:0;" + "background-color: transparent; \">" + code +
           "</div></div></div>";
}

const QString kCode = "<div class=\"x\">\r\n  <img src=\"a.jpg\" />\r\n</div>\r\n";

class Tonglan3Test : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = testing::form("Tfrmtonglan3");
        w->control<QRadioButton>("rb1")->setChecked(true);
        w->setText("edt1", "1920");
        // Written twice: writing the text a field already holds is no change.
        w->setText("edt2", "401");
        w->setText("edt2", "400");
        w->setText("mmo1", kCode);
        fake().reset();
    }
    void choose(const QString& button) { w->control<QRadioButton>(button)->setChecked(true); }
    core::Form* w = nullptr;
};

TEST_F(Tonglan3Test, WrapperOfEveryEditionForWidthsAroundTheColumn) {
    const struct {
        QString button;
        QString width;
        QString expected;
    } cases[] = {
        {"rb2", "1920", tmall("1920", "400", "380", "465", kCode)},
        {"rb2", "1921", tmall("1921", "400", "380", "465.5", kCode)},
        {"rb2", "1200", tmall("1200", "400", "380", "105", kCode)},
        // Below the column the offset keeps its own sign after the fragment's minus.
        {"rb2", "950", tmall("950", "400", "380", "-20", kCode)},
        {"rb1", "1920", footer(false, "1920", "400", "380", "485", kCode)},
        {"rb1", "1921", footer(false, "1921", "400", "380", "485.5", kCode)},
        {"rb1", "1200", footer(false, "1200", "400", "380", "125", kCode)},
        {"rb1", "900", footer(false, "900", "400", "380", "-25", kCode)},
        {"rb3", "1920", footer(true, "1920", "400", "380", "685", kCode)},
        {"rb3", "1921", footer(true, "1921", "400", "380", "685.5", kCode)},
        {"rb3", "1200", footer(true, "1200", "400", "380", "325", kCode)},
        {"rb3", "900", footer(true, "900", "400", "380", "175", kCode)},
        {"rb3", "500", footer(true, "500", "400", "380", "-25", kCode)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE((c.button + " " + c.width).toStdString());
        fake().reset();
        choose(c.button);
        w->setText("edt1", c.width);
        w->fire("btn1Click");
        EXPECT_EQ(w->text("mmo2"), c.expected);
        EXPECT_EQ(fake().clipboard, c.expected);
        EXPECT_EQ(w->text("mmo1"), kCode);
        ASSERT_EQ(fake().callsOf("messageBox").size(), 1);
        EXPECT_EQ(fake().lastMessage().text, kCopied);
        EXPECT_EQ(fake().lastMessage().title, "提示信息");
        EXPECT_EQ(fake().lastMessage().owner, "Tfrmtonglan3");
    }
}

TEST_F(Tonglan3Test, OneCaseSpelledOut) {
    choose("rb3");
    w->setText("edt1", "1920");
    w->setText("mmo1", "X");
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo2"),
              "<div  style=\"height:380\"><div class=\"most-footer footer-more-trigger\" "
              "style=\"left:50%;width:1920px;"
              "height:400px;right:auto;top:auto;padding:0;border:none;left:auto;z-index:1;background-color: "
              "transparent; \"> <div class=\"most-footer footer-more-trigger\" "
              "style=\"left:-685px;top:0px;border:none;"
              "padding:0;background-color: transparent; \">X</div></div></div>");
    choose("rb2");
    w->setText("edt1", "950");
    w->fire("btn1Click");
    EXPECT_TRUE(w->text("mmo2").contains("style=\"left:--20px;top:0px;")) << w->text("mmo2").toStdString();
    EXPECT_TRUE(w->text("mmo2").startsWith("<div style=\"height:380px;\">"));
}

TEST_F(Tonglan3Test, FieldsAreInsertedAsTyped) {
    // Only W is parsed; its text, H and a hand-typed Hc go in unchanged.
    w->setText("edt1", " 1920.0");
    w->setText("edt2", "");
    w->setText("edt3", "3 8 0");
    w->setText("mmo1", "");
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo2"), footer(false, " 1920.0", "", "3 8 0", "485", ""));
}

TEST_F(Tonglan3Test, ConvertingTwiceGivesTheSameText) {
    w->fire("btn1Click");
    const QString first = w->text("mmo2");
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo2"), first);
    EXPECT_EQ(w->text("mmo1"), kCode);
}

TEST_F(Tonglan3Test, WidthThatIsNotANumberChangesNothing) {
    w->fire("btn1Click");
    const QString before = w->text("mmo2");
    fake().clipboard = "kept";
    fake().reset();
    fake().clipboard = "kept";
    for (const QString width : {"19x0", "", "abc"}) {
        SCOPED_TRACE(width.toStdString());
        w->setText("edt1", width);
        fake().calls.clear();
        w->fire("btn1Click");
        EXPECT_EQ(w->text("mmo2"), before);
        EXPECT_EQ(fake().clipboard, "kept");
        EXPECT_EQ(w->text("edt1"), width);
        ASSERT_EQ(fake().callsOf("messageBox").size(), 1);
        EXPECT_EQ(fake().lastMessage().text, "'" + width + "' is not a valid floating point value");
        EXPECT_NE(fake().lastMessage().text, kCopied);
    }
}

TEST_F(Tonglan3Test, ConvertedHeightFollowsEveryChangeOfTheHeight) {
    const struct {
        QString height;
        QString converted;
    } cases[] = {{"600", "580"}, {"400", "380"}, {"20", "0"}, {"5", "-15"}, {" 450", "430"}};
    for (const auto& c : cases) {
        w->setText("edt2", c.height);
        EXPECT_EQ(w->text("edt3"), c.converted) << c.height.toStdString();
    }
    // Typing digit by digit recomputes on each keystroke.
    auto* height = w->control<QLineEdit>("edt2");
    height->clear();
    QTest::keyClicks(height, "52");
    EXPECT_EQ(w->text("edt3"), "32");
}

TEST_F(Tonglan3Test, EmptyOrBadHeightKeepsTheConvertedHeight) {
    w->setText("edt2", "500");
    w->setText("edt2", "");
    EXPECT_EQ(w->text("edt3"), "480");
    EXPECT_TRUE(fake().callsOf("messageBox").isEmpty());

    w->control<QLineEdit>("edt2")->setText("5o0");
    EXPECT_EQ(w->text("edt3"), "480");
    ASSERT_EQ(fake().callsOf("messageBox").size(), 1);
    EXPECT_EQ(fake().lastMessage().text, "'5o0' is not a valid integer value");
    EXPECT_EQ(fake().lastMessage().owner, "Tfrmtonglan3");
}

TEST_F(Tonglan3Test, CallerWritingTheHeightUpdatesTheConvertedHeightAtOnce) {
    core::handToConverter({core::Edition::Tmall, QString("1920"), "600", "<p>c</p>"});
    EXPECT_EQ(w->text("edt3"), "580");
    EXPECT_TRUE(w->control<QRadioButton>("rb2")->isChecked());
    EXPECT_FALSE(w->control<QRadioButton>("rb1")->isChecked());
    EXPECT_EQ(w->text("mmo1"), "<p>c</p>");
    w->fire("btn1Click");
    EXPECT_EQ(fake().clipboard, tmall("1920", "600", "580", "465", "<p>c</p>"));
}

TEST_F(Tonglan3Test, TypedConvertedHeightIsUsedUntilTheHeightChanges) {
    w->setText("edt3", "999");
    w->fire("btn1Click");
    EXPECT_TRUE(w->text("mmo2").startsWith("<div  style=\"height:999px;\">"));
    w->setText("edt2", "300");
    w->fire("btn1Click");
    EXPECT_TRUE(w->text("mmo2").startsWith("<div  style=\"height:280px;\">"));
}

TEST_F(Tonglan3Test, ClickingTheConvertedHeightWarnsEachTime) {
    w->showForm();
    auto* converted = w->control<QLineEdit>("edt3");
    QTest::mouseClick(converted, Qt::LeftButton);
    QTest::mouseClick(converted, Qt::LeftButton);
    const auto boxes = fake().callsOf("messageBox");
    ASSERT_EQ(boxes.size(), 2);
    for (const auto& box : boxes) {
        EXPECT_EQ(box.text, "这里是自动数据，一般不作修改！");
        EXPECT_EQ(box.title, "提示信息");
    }
    EXPECT_FALSE(converted->isReadOnly());
    w->hide();
}

TEST_F(Tonglan3Test, EditionButtonsAreExclusive) {
    for (const QString button : {"rb2", "rb3", "rb1"}) {
        choose(button);
        int checked = 0;
        for (const QString other : {"rb1", "rb2", "rb3"})
            checked += w->control<QRadioButton>(other)->isChecked() ? 1 : 0;
        EXPECT_EQ(checked, 1);
        EXPECT_TRUE(w->control<QRadioButton>(button)->isChecked());
    }
}

TEST_F(Tonglan3Test, ImportReadsTheChosenFile) {
    QTemporaryDir dir;
    const QString utf8 = dir.filePath("a.html");
    const QString gbk = dir.filePath("b.txt");
    {
        QFile file(utf8);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QString("<p>通栏</p>\r\n<b>x</b>").toUtf8());
    }
    {
        QFile file(gbk);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("<p>") + QByteArray("\xcd\xa8\xc0\xb8") + QByteArray("</p>\r\n"));
    }
    fake().openFiles.enqueue(utf8);
    w->fire("btn3Click");
    EXPECT_EQ(w->text("mmo1"), "<p>通栏</p>\r\n<b>x</b>");
    fake().openFiles.enqueue(gbk);
    w->fire("btn3Click");
    EXPECT_EQ(w->text("mmo1"), "<p>通栏</p>\r\n");
    ASSERT_EQ(fake().callsOf("openFile").size(), 2);
    EXPECT_TRUE(fake().callsOf("openFile")[0].text.contains("*.txt"));
    EXPECT_TRUE(fake().callsOf("openFile")[0].text.contains("*.html"));
    EXPECT_TRUE(fake().callsOf("messageBox").isEmpty());
}

TEST_F(Tonglan3Test, ImportCancelledOrUnreadableKeepsTheInput) {
    w->fire("btn3Click"); // the dialog is cancelled
    EXPECT_EQ(w->text("mmo1"), kCode);
    EXPECT_TRUE(fake().callsOf("messageBox").isEmpty());

    QTemporaryDir dir;
    fake().openFiles.enqueue(dir.filePath("missing.txt"));
    w->fire("btn3Click");
    EXPECT_EQ(w->text("mmo1"), kCode);
    ASSERT_EQ(fake().callsOf("messageBox").size(), 1);
    EXPECT_FALSE(fake().lastMessage().text.isEmpty());
    EXPECT_EQ(fake().lastMessage().title, core::platform().applicationTitle());
}

TEST_F(Tonglan3Test, PasteAndClearFromTheContextMenu) {
    auto* paste = w->control<QAction>("N3");
    auto* clear = w->control<QAction>("N2");
    const QList<QAction*> items = w->control<QMenu>("pm1")->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0], paste);
    EXPECT_TRUE(items[1]->isSeparator());
    EXPECT_EQ(items[2], clear);
    EXPECT_EQ(paste->text(), "贴入");
    EXPECT_EQ(clear->text(), "清空");
    EXPECT_EQ(w->control<QWidget>("mmo1")->contextMenuPolicy(), Qt::CustomContextMenu);

    fake().clipboard = "<a href=\"#\">x</a>\r\n";
    paste->trigger();
    EXPECT_EQ(w->text("mmo1"), "<a href=\"#\">x</a>\r\n");

    // No text on the clipboard (a picture, say): the input stays as it is.
    fake().clipboard.clear();
    paste->trigger();
    EXPECT_EQ(w->text("mmo1"), "<a href=\"#\">x</a>\r\n");
    EXPECT_TRUE(fake().callsOf("messageBox").isEmpty());

    clear->trigger();
    EXPECT_EQ(w->text("mmo1"), "");
}

TEST_F(Tonglan3Test, Help) {
    w->fire("lbl7Click");
    EXPECT_EQ(fake().lastMessage().text, "如果DW代码复制进来显示乱码，别紧张，将DW的代码复制到任意TXT文档后，"
                                         "在从TXT复制出来粘贴在下面的编辑框，"
                                         "就木有问题了，或者将dw编辑的html文件保存，点击软件的导入代码！");
    EXPECT_EQ(fake().lastMessage().title, "提示信息");
}

// A window straight from start-up, before any caller or user has touched it.
class Tonglan3StartTest : public testing::ProgramTest {};

TEST_F(Tonglan3StartTest, DefaultsAndConversionBeforeAnyChange) {
    tools::Tfrmtonglan3 fresh;
    EXPECT_EQ(fresh.windowTitle(), "通栏模块");
    EXPECT_EQ(fresh.size(), QSize(678, 479));
    EXPECT_TRUE(fresh.control<QRadioButton>("rb1")->isChecked());
    EXPECT_EQ(fresh.text("rb1"), "专业版");
    EXPECT_EQ(fresh.text("rb2"), "天猫店");
    EXPECT_EQ(fresh.text("rb3"), "基础版");
    EXPECT_EQ(fresh.text("btn1"), "【重要】转化并提取代码");
    EXPECT_EQ(fresh.text("btn2"), "预览一下");
    EXPECT_EQ(fresh.text("btn3"), "导入代码");
    EXPECT_EQ(fresh.text("edt1"), "1920");
    EXPECT_EQ(fresh.text("edt2"), "400");
    EXPECT_EQ(fresh.text("mmo1"), "");
    EXPECT_EQ(fresh.text("mmo2"), kBufferStart);
    // Hc is the field's own default, not 400 - 20.
    EXPECT_EQ(fresh.text("edt3"), "400");
    fresh.fire("btn1Click");
    EXPECT_EQ(fresh.text("mmo2"), footer(false, "1920", "400", "400", "485", ""));
}

TEST_F(Tonglan3StartTest, PreviewBeforeAnyConversionHandsNothingAndSaysSo) {
    core::Form* previewer = testing::form("Tfrmyulan");
    const QString before = previewer->text("redt1");
    tools::Tfrmtonglan3 fresh;
    fresh.control<QRadioButton>("rb3")->setChecked(true);
    fake().reset();
    fresh.fire("btn2Click");
    EXPECT_EQ(previewer->text("redt1"), before);
    EXPECT_FALSE(previewer->isVisible());
    ASSERT_EQ(fake().callsOf("messageBox").size(), 1);
    EXPECT_EQ(fake().lastMessage().text, "还没有转化代码，请先点击【重要】转化并提取代码，再预览一下！");
}

TEST_F(Tonglan3Test, PreviewHandsTheConvertedCodeAndTheEdition) {
    core::Form* previewer = testing::form("Tfrmyulan");
    const struct {
        QString button;
        int index;
    } cases[] = {{"rb1", 1}, {"rb2", 2}, {"rb3", 0}};
    for (const auto& c : cases) {
        choose(c.button);
        w->fire("btn1Click");
        w->fire("btn2Click");
        EXPECT_EQ(previewer->text("redt1"), w->text("mmo2")) << c.button.toStdString();
        EXPECT_EQ(previewer->control<core::RadioGroup>("rg1")->itemIndex(), c.index)
            << c.button.toStdString();
    }
    previewer->hide();
}

} // namespace
