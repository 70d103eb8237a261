#include "generators/carousels/xuehua.h"
#include "tests/generators/carousels/combo_items.h"
#include "tests/generators/carousels/converter_probe.h"

#include <gtest/gtest.h>

namespace {

// One snow animation floated to one side.
QString snow(const QString& side, const QString& h, const QString& flash) {
    return "<div style=\"float:" + side +
           "\"><embed allowscriptaccess=\"never\" flashvars=\"scene=taobao_shop\" height=\"" + h +
           "\" src=\"" + flash +
           "\" type=\"application/x-shockwave-flash\" width=\"470\" wmode=\"transparent\"></embed></div>";
}

QString expected(const QString& link, const QString& w, const QString& h, const QString& picture,
                 const QString& flash) {
    return "<a href=\"" + link + "\" target=\"_blank\"><div style=\"width:" + w + "px;height:" + h +
           "px;top:0px;left:0px;background:url(" + picture + ")no-repeat center top;\">" +
           snow("left", h, flash) + snow("left", h, flash) + snow("right", h, flash) +
           snow("right", h, flash) + "</div></a>";
}

// The poster from its fields, without its window: the animation on both
// sides at the poster's height, whatever its width.
TEST(XuehuaSnippet, SizesAndFieldsInTheirPlaces) {
    generators::XuehuaInput in;
    in.snow = "F";
    in.poster = "P";
    in.link = "A";
    const struct {
        QString width, height;
    } cases[] = {{"1920", "583"}, {"1000", "400"}, {"", ""}, {"1920px", "abc"}};
    for (const auto& c : cases) {
        in.width = c.width;
        in.height = c.height;
        EXPECT_EQ(generators::xuehuaSnippet(in), expected("A", c.width, c.height, "P", "F"))
            << c.width.toStdString() << " " << c.height.toStdString();
    }
}

class XuehuaTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = testing::form("Tfrmxuehua");
        banner = testing::converter();
        ASSERT_NE(banner, nullptr);
    }
    core::Form* w = nullptr;
    core::Form* banner = nullptr;
};

// Runs first: the window as start-up made it.
TEST_F(XuehuaTest, DefaultsAndTheDefaultSnippetHandedOver) {
    EXPECT_EQ(w->windowTitle(), "雪花海报");
    EXPECT_EQ(w->text("cbb1"), "专业版");
    EXPECT_EQ(testing::comboItems(w, "cbb1"), QStringList({"基础版", "专业版", "天猫版"}));
    EXPECT_EQ(w->text("edt2"), "1920");
    EXPECT_EQ(w->text("edt3"), "583");
    EXPECT_EQ(w->text("edt5"), "#");
    EXPECT_EQ(w->text("mmo1"), "mmo1\r\n");
    const QString flash = w->text("edt1");
    const QString picture = w->text("edt4");
    EXPECT_FALSE(flash.isEmpty());
    EXPECT_FALSE(picture.isEmpty());

    testing::primeConverter(banner, "rb3");
    w->fire("btn2Click");
    const QString snippet = expected("#", "1920", "583", picture, flash);
    EXPECT_EQ(w->text("mmo1"), snippet);
    // The window starts from the defaults the snippet's input has.
    EXPECT_EQ(snippet, generators::xuehuaSnippet(generators::XuehuaInput()));
    const testing::ConverterView view = testing::viewConverter(banner);
    EXPECT_EQ(view.edition, "rb1");
    EXPECT_EQ(view.width, "1920");
    EXPECT_EQ(view.height, "583");
    EXPECT_EQ(view.code, snippet);
    EXPECT_TRUE(view.visible);
    // Generating hands over at once: nothing copied, no message.
    EXPECT_FALSE(fake().clipboardSet);
    EXPECT_TRUE(fake().callsOf("messageBox").isEmpty());
}

// Each field in its place, and the hand-off for every edition and size.
TEST_F(XuehuaTest, SnippetAndHandOffForEditionsAndSizes) {
    generators::XuehuaInput in;
    in.snow = "F";
    in.poster = "P";
    in.link = "A";
    w->setText("edt1", in.snow);
    w->setText("edt4", in.poster);
    w->setText("edt5", in.link);
    const struct {
        QString combo, width, height, button, prime;
    } cases[] = {
        {"基础版", "1920", "583", "rb3", "rb1"},
        {"专业版", "1920", "500", "rb1", "rb2"},
        {"天猫版", "1920", "600", "rb2", "rb3"},
        // The converter always gets the full width, whatever the poster's own.
        {"专业版", "1000", "400", "rb1", "rb3"},
        // A text typed by hand means the Tmall edition.
        {"旗舰版", "1920", "583", "rb2", "rb1"},
        {"", "", "", "rb2", "rb3"},
    };
    for (const auto& c : cases) {
        fake().reset();
        w->setText("cbb1", c.combo);
        w->setText("edt2", c.width);
        w->setText("edt3", c.height);
        testing::primeConverter(banner, c.prime);
        w->fire("btn2Click");
        in.width = c.width;
        in.height = c.height;
        const QString snippet = generators::xuehuaSnippet(in);
        EXPECT_EQ(w->text("mmo1"), snippet) << c.combo.toStdString() << " " << c.width.toStdString();
        const testing::ConverterView view = testing::viewConverter(banner);
        EXPECT_EQ(view.edition, c.button) << c.combo.toStdString();
        EXPECT_EQ(view.width, "1920");
        EXPECT_EQ(view.height, c.height);
        EXPECT_EQ(view.code, snippet);
        EXPECT_FALSE(fake().clipboardSet);
        EXPECT_TRUE(fake().callsOf("messageBox").isEmpty());
    }
}

} // namespace
