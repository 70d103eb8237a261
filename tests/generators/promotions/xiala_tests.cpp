#include "generators/promotions/xiala.h"
#include "tests/generators/promotions/pagewidgets_checks.h"

namespace {

QString box(const QString& width, const QString& height, const QString& border, const QString& content) {
    return "<div class=\"bd\" style=\"overflow-y:auto;width:" + width + "px;height:" + height +
           "px;font-size:14px;background:#fff;border:1px " + border + " solid; color:#000\">" + content +
           "</div>";
}

class XialaTest : public testing::FormTest {
protected:
    XialaTest()
        : FormTest("Tfrmxiala") {}
};

// Runs first: the window as start-up made it.
TEST_F(XialaTest, DefaultsGiveAnEmptyScrollBox) {
    EXPECT_EQ(w->windowTitle(), "超出内容下拉框显示");
    EXPECT_EQ(w->text("edt2"), "950");
    EXPECT_EQ(w->text("edt3"), "300");
    EXPECT_EQ(w->text("edt1"), "#ccc");
    EXPECT_EQ(w->text("lbl5"), "930");
    EXPECT_EQ(w->text("mmo2"), "mmo2\r\n");
    w->fire("btn1Click");
    testing::expectCopied(fake(), "Tfrmxiala", box("950", "300", "#ccc", w->text("mmo1")),
                          testing::kShopCopied);
}

TEST_F(XialaTest, SuggestedWidthFollowsTheBoxWidthButStaysOutOfTheCode) {
    const struct {
        QString width, suggested;
    } cases[] = {{"750", "730"},
                 {"465.5", "445.5"},
                 {"10", "-10"},
                 {"2147483648", "2147483628"},
                 {"-2147483648", "-2147483668"},
                 {"950", "930"}};
    for (const auto& c : cases) {
        w->setText("edt2", c.width);
        EXPECT_EQ(w->text("lbl5"), c.suggested) << c.width.toStdString();
    }
    // An emptied width leaves the suggestion alone.
    w->setText("edt2", "600");
    w->setText("edt2", "");
    EXPECT_EQ(w->text("lbl5"), "580");
    EXPECT_TRUE(fake().callsOf("messageBox").isEmpty());

    // 提取代码 builds from what the fields hold, each field in its place.
    generators::XialaInput in;
    in.width = "W1";
    in.height = "H2";
    in.border = "C3";
    in.content = "<p>a</p>\r\n<img src=\"x\">";
    w->setText("edt2", in.width);
    w->setText("edt3", in.height);
    w->setText("edt1", in.border);
    w->setText("mmo1", in.content);
    fake().reset();
    w->fire("btn1Click");
    const QString snippet = generators::xialaSnippet(in);
    EXPECT_EQ(w->text("mmo2"), snippet);
    testing::expectCopied(fake(), "Tfrmxiala", snippet, testing::kShopCopied);
    EXPECT_FALSE(snippet.contains("580"));
}

// The box from the fields, without the window.
TEST(XialaSnippet, FieldsGoToTheirPlacesAsTyped) {
    generators::XialaInput in;
    in.width = "W1";
    in.height = "H2";
    in.border = "C3";
    in.content = "<p>a</p>\r\n<img src=\"x\">";
    EXPECT_EQ(generators::xialaSnippet(in), box("W1", "H2", "C3", "<p>a</p>\r\n<img src=\"x\">"));
    EXPECT_EQ(generators::xialaSnippet(generators::XialaInput()), box("950", "300", "#ccc", ""));
}

TEST_F(XialaTest, AWidthThatIsNoNumberFailsAndKeepsTheSuggestion) {
    w->setText("edt2", "800");
    ASSERT_EQ(w->text("lbl5"), "780");
    const QString longText(200000, u'9');
    for (const QString& bad : {QString("abc"), QString("1e309"), QString("NaN"), QString("1,5"), longText}) {
        fake().reset();
        w->setText("edt2", bad);
        testing::expectNotANumber(fake(), bad, "floating point");
        EXPECT_EQ(fake().lastMessage().title, fake().applicationTitle());
        EXPECT_EQ(w->text("lbl5"), "780");
    }
    // The window stays usable.
    w->setText("edt2", "100");
    EXPECT_EQ(w->text("lbl5"), "80");
}

} // namespace
