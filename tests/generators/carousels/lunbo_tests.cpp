#include "generators/carousels/lunbo.h"
#include "tests/generators/carousels/converter_probe.h"
#include "tests/support/helpers.h"

#include <QAbstractButton>
#include <QComboBox>
#include <gtest/gtest.h>

namespace {

// The widget element held by lbl2.
const QString kWidget =
    "<div class=\"J_TWidget\"  data-widget-type=\"Carousel\" data-widget-config=\"{'effect': "
    "'scrollx',\r\n 'navCls':'kavri325_nav_1',\r\n 'contentCls':'kavri325_cont_1',\r\n "
    "'duration':'1',\r\n 'easing':'easeIn',\r\n 'autoplay':'true'\r\n }\">";

QString slide(const QString& picture, const QString& link, int left) {
    return "<div style=\"width:1920px; height:400px; overflow:hidden\"><div style=\"width:1920px; "
           "height:400px;\">"
           "<a href=\"" +
           link +
           "\" style=\"display:block;width:1920px;height:400px;\" target=\"_blank\">"
           "<img  src=\"" +
           picture +
           "\" /></a></div>"
           "<div style=\"width:200px; height:30px; position:relative; top:-30px; left:" +
           QString::number(left) + "px; background-color:#09F; z-index:10\"></div></div>";
}

const QString kHead =
    "<div style=\"width:1920px; height:400px; overflow:hidden\" >" + kWidget +
    "<div  style=\"width:1920px; height:400px; overflow:hidden\" ><div class=\"kavri325_cont_1\">";
const QString kBar =
    "</div></div><div style=\"width:1920px; height:30px; position:relative; top:-30px; left:0px; "
    "background-color:#000; z-index:5;filter:alpha(Opacity=50); opacity: 0.5;\"></div>"
    "<div class=\"kavri325_nav_1\">";
const QString kTabStyle = "px; z-index:20;color:#FFF; text-align:center; line-height:30px;cursor:pointer;\">";

QString firstTab(int left, const QString& title) {
    return "<div style=\"width:200px; height:30px; position:relative; top:-60px; left:" +
           QString::number(left) + kTabStyle + title + "</div>";
}

QString laterTab(int lift, int left, const QString& title) {
    return "<div style=\"width:200px; height:30px; position:relative; top:-" + QString::number(lift) +
           "px;left:" + QString::number(left) + kTabStyle + title + "</div>";
}

class LunboTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = testing::form("Tfrmlunbo");
        for (int k = 1; k <= 4; ++k) {
            w->setText(QString("edt%1").arg(3 * k - 2), QString("p%1").arg(k));
            w->setText(QString("edt%1").arg(3 * k - 1), QString("a%1").arg(k));
            w->setText(QString("edt%1").arg(3 * k), QString("t%1").arg(k));
        }
        w->setText("edt14", "400");
        w->setText("edt15", "#000");
        w->setText("edt17", "#09F");
        w->setText("mmo1", "");
    }
    core::Form* w = nullptr;
};

TEST_F(LunboTest, DefaultsOfTheWindow) {
    // A second look at defaults that the set-up does not overwrite.
    EXPECT_EQ(w->windowTitle(), "淘宝旺铺轮播标签海报");
    EXPECT_EQ(w->text("cbb1"), "2");
    EXPECT_EQ(w->text("cbb2"), "专业版");
    EXPECT_EQ(w->text("lbl1"), "1920");
    EXPECT_EQ(w->text("edt18"), "#fff");
    EXPECT_EQ(w->text("lbl2"), kWidget);
}

// The snippet from the carousel's fields, without its window.
TEST(LunboSnippet, TwoThreeAndFourSlides) {
    generators::LunboInput in;
    in.pictures = {"p1", "p2", "p3", "p4"};
    in.links = {"a1", "a2", "a3", "a4"};
    in.titles = {"t1", "t2", "t3", "t4"};
    const struct {
        int slides;
        QString expected;
    } cases[] = {
        {2, kHead + slide("p1", "a1", 760) + slide("p2", "a2", 960) + kBar + firstTab(760, "t1") +
                laterTab(90, 960, "t2") + "</div></div></div>"},
        {3, kHead + slide("p1", "a1", 660) + slide("p2", "a2", 860) + slide("p3", "a3", 1060) + kBar +
                firstTab(660, "t1") + laterTab(90, 860, "t2") + laterTab(120, 1060, "t3") +
                "</div></div></div>"},
        {4, kHead + slide("p1", "a1", 560) + slide("p2", "a2", 760) + slide("p3", "a3", 960) +
                slide("p4", "a4", 1160) + kBar + firstTab(560, "t1") + laterTab(90, 760, "t2") +
                laterTab(120, 960, "t3") + laterTab(150, 1160, "t4") + "</div></div></div>"},
    };
    for (const auto& c : cases) {
        in.slides = c.slides;
        EXPECT_EQ(generators::lunboSnippet(in), c.expected) << c.slides;
    }
}

// 生成代码 builds from what the fields hold, each field in its place.
TEST_F(LunboTest, GenerateBuildsFromTheFields) {
    generators::LunboInput in;
    in.height = "520";
    in.barColour = "#111";
    in.tabColour = "#222";
    w->setText("edt14", in.height);
    w->setText("edt15", in.barColour);
    w->setText("edt17", in.tabColour);
    for (int k = 0; k < 4; ++k) {
        in.pictures[k] = QString("p%1").arg(k + 1);
        in.links[k] = QString("a%1").arg(k + 1);
        in.titles[k] = QString("t%1").arg(k + 1);
    }
    for (const int slides : {2, 3, 4}) {
        in.slides = slides;
        w->setText("cbb1", QString::number(slides));
        w->fire("btn1Click");
        EXPECT_EQ(w->text("mmo1"), generators::lunboSnippet(in)) << slides;
        EXPECT_EQ(fake().lastMessage().text, "代码已生成点击后面的转化通栏！");
        EXPECT_EQ(fake().lastMessage().title, "提示信息");
        EXPECT_EQ(fake().lastMessage().owner, "Tfrmlunbo");
    }
    EXPECT_FALSE(fake().clipboardSet); // this generator never copies
}

TEST_F(LunboTest, GeneratingTwiceGivesIdenticalText) {
    w->fire("btn1Click");
    const QString first = w->text("mmo1");
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo1"), first);
}

TEST_F(LunboTest, CountTypedByHandLeavesTheMemoAndSaysWhatIsMissing) {
    w->setText("mmo1", "earlier");
    for (const QString count : {"5", "", " 2", "二"}) {
        fake().reset();
        w->setText("cbb1", count);
        w->fire("btn1Click");
        EXPECT_EQ(w->text("mmo1"), "earlier");
        ASSERT_EQ(fake().callsOf("messageBox").size(), 1);
        EXPECT_EQ(fake().lastMessage().text, "请在选择张数中选择2、3或4张，再生成代码！");
    }
}

TEST_F(LunboTest, ClearEmptiesTheSlideFieldsOnly) {
    w->fire("btn2Click");
    for (int i = 1; i <= 12; ++i)
        EXPECT_EQ(w->text(QString("edt%1").arg(i)), "");
    EXPECT_EQ(w->text("edt14"), "400");
    EXPECT_EQ(w->text("edt17"), "#09F");
    w->setText("cbb1", "2");
    w->fire("btn1Click");
    const QString expected = kHead + slide("", "", 760) + slide("", "", 960) + kBar + firstTab(760, "") +
                             laterTab(90, 960, "") + "</div></div></div>";
    EXPECT_EQ(w->text("mmo1"), expected);
}

TEST_F(LunboTest, ColourFieldsWriteUpperCaseHex) {
    fake().colors.enqueue(QColor(0, 165, 197));
    w->fire("edt17DblClick");
    EXPECT_EQ(w->text("edt17"), "#00A5C5");
}

TEST_F(LunboTest, HandsTheSnippetToTheBannerConverter) {
    core::Form* converter = testing::form("Tfrmtonglan3");
    const std::pair<QString, QString> editions[] = {
        {"基础版", "rb3"}, {"专业版", "rb1"}, {"天猫版", "rb2"}, {"旗舰版", "rb2"}};
    w->fire("btn1Click");
    for (const auto& [edition, button] : editions) {
        converter->setText("mmo1", "old");
        w->setText("cbb2", edition);
        w->setText("edt14", "450");
        w->fire("btn3Click");
        EXPECT_TRUE(converter->isVisible());
        EXPECT_TRUE(converter->control<QAbstractButton>(button)->isChecked()) << edition.toStdString();
        EXPECT_EQ(converter->text("edt1"), "1920");
        EXPECT_EQ(converter->text("edt2"), "450");
        EXPECT_EQ(converter->text("mmo1"), w->text("mmo1"));
    }
    // An empty memo is nothing to hand over.
    converter->hide();
    w->setText("mmo1", "");
    testing::expectNothingHandedOver(w, "btn3Click");
}

} // namespace
