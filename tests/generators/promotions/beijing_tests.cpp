#include "generators/promotions/beijing.h"
#include "tests/generators/promotions/pagewidgets_checks.h"

#include <QPlainTextEdit>

namespace {

class BeijingTest : public testing::FormTest {
protected:
    BeijingTest()
        : FormTest("Tfrmbeijing") {}
};

// Runs first: the window as start-up made it.
TEST_F(BeijingTest, StartsEmptyAndCopiesNothingBeforeABuild) {
    EXPECT_EQ(w->windowTitle(), "固定背景代码生成器");
    EXPECT_EQ(w->text("edt1"), "");
    EXPECT_EQ(w->text("mmo1"), "");
    EXPECT_FALSE(w->control<QPlainTextEdit>("mmo1")->isHidden()); // the user sees the rule
    w->fire("btn2Click");
    EXPECT_FALSE(fake().clipboardSet);
    ASSERT_EQ(fake().callsOf("messageBox").size(), 1);
    EXPECT_NE(fake().lastMessage().text, "复制代码成功，请粘贴在，导航 - 编辑 - 显示空白处！");
}

// The rule from the picture field, without the window.
TEST(BeijingSnippet, FixedOrScrollingWithThePage) {
    const struct {
        bool fixed;
        QString rule;
    } cases[] = {
        {true, "body{background-image:url(http://p/x 1.jpg);background-repeat:no-repeat;"
               "background-position:center;background-attachment:fixed;}"},
        {false, "body{background-image:url(http://p/x 1.jpg);background-repeat:no-repeat;"
                "background-position:center;background-position:top;}"},
    };
    generators::BeijingInput in;
    in.picture = "http://p/x 1.jpg";
    for (const auto& c : cases) {
        in.fixed = c.fixed;
        EXPECT_EQ(generators::beijingSnippet(in), c.rule) << c.fixed;
    }
}

TEST_F(BeijingTest, EachButtonWritesItsRuleWithoutCopying) {
    const struct {
        const char* button;
        bool fixed;
    } cases[] = {{"btn1Click", true}, {"btn3Click", false}, {"btn1Click", true}};
    generators::BeijingInput in;
    in.picture = "http://p/x 1.jpg";
    w->setText("edt1", in.picture);
    for (const auto& c : cases) {
        w->fire(c.button);
        in.fixed = c.fixed;
        EXPECT_EQ(w->text("mmo1"), generators::beijingSnippet(in)) << c.button;
    }
    EXPECT_FALSE(fake().clipboardSet);
    EXPECT_TRUE(fake().callsOf("messageBox").isEmpty());
}

TEST_F(BeijingTest, CopyTakesTheRuleAsShownEvenWhenEdited) {
    w->setText("edt1", "");
    w->fire("btn3Click");
    const QString rule = "body{background-image:url();background-repeat:no-repeat;background-position:center;"
                         "background-position:top;}";
    EXPECT_EQ(w->text("mmo1"), rule);
    w->fire("btn2Click");
    testing::expectCopied(fake(), "Tfrmbeijing", rule, "复制代码成功，请粘贴在，导航 - 编辑 - 显示空白处！");

    fake().reset();
    w->setText("mmo1", "body{color:red}\r\n");
    w->fire("btn2Click");
    EXPECT_EQ(fake().clipboard, "body{color:red}\r\n");
}

} // namespace
