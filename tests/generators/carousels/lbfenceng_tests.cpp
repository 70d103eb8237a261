#include "generators/carousels/lbfenceng.h"
#include "tests/generators/carousels/combo_items.h"
#include "tests/generators/carousels/converter_probe.h"

#include <gtest/gtest.h>

namespace {

const QString kBackOpening =
    " <div class=\"J_TWidget\"  data-widget-type=\"Carousel\" data-widget-config=\"{'effect': "
    "'scrollx','navCls':'kavri_710nav1',\r\n 'contentCls':'kavri_710cont1',\r\n "
    "'prevBtnCls': 'kavri_710shang1',\r\n 'nextBtnCls': 'kavri_710xia1',\r\n 'duration':'1'";
const QString kFrontOpening =
    "<div class=\"J_TWidget\"  data-widget-type=\"Carousel\" data-widget-config=\"{'effect': "
    "'scrolly', 'navCls':'kavri_710nav1',\r\n'contentCls':'kavri_710cont2',\r\n "
    "'duration':'1',\r\n 'prevBtnCls': 'kavri_710shang1',\r\n 'nextBtnCls': 'kavri_710xia1'";
const QString kPlain = "}\">";
const QString kBounce = ",\r\n'easing':'bounceOut'\r\n}\">";
const QString kMessage =
    "代码已生成，点击后方的转化通栏，并设置好相关参数和店铺类型后就可以复制到店铺自定义了！";

// Foreground pictures, backgrounds, links and theme names of the three slides.
struct Slides {
    QString front[3], back[3], link[3], name[3];
};

const Slides kTyped = {{"f1", "f2", "f3"}, {"g1", "g2", "g3"}, {"k1", "k2", "k3"}, {"n1", "n2", "n3"}};

const QString kSquare = "<div style=\"font-size:16px; line-height:35px; width:150px; background-color:#333; "
                        "text-align:center; float:right;filter:alpha(Opacity=80); opacity: 0.8;";

QString expected(const QString& h, const QString& lift, const QString& closing, const Slides& s) {
    QString out = "<div style=\" width:1920px; height:" + h + "px; overflow:hidden\">" + kBackOpening +
                  closing + "<div style=\"width:1920px; height:" + h +
                  "px; overflow:hidden\"><div  class=\"kavri_710cont1\">";
    for (int i = 0; i < 3; ++i)
        out +=
            "<div style=\"width:1920px; height:" + h + "px;background-image:url(" + s.back[i] + ")\"></div>";
    out += "</div></div>" + kFrontOpening + closing + "<div style=\"width:950px; height:" + h +
           "px;font-family:Microsoft YaHei; position:relative; top:-" + h +
           "px; overflow:hidden;margin-left:485px;\"><div class=\"kavri_710cont2\">";
    for (int i = 0; i < 3; ++i)
        out += "<div style=\"\"><a style=\"color:#fff; text-decoration: none\" href=\"" + s.link[i] +
               "\"><img src=\"" + s.front[i] + "\" /></a></div>";
    out += "</div></div><div style=\"height:35px; width:950px; position:relative; left:485px; top:-" + lift +
           "px; color:#FFF\"><div class=\"kavri_710nav1\" >";
    out += kSquare + " cursor:pointer;\">" + s.name[2] + "</div>";
    out += kSquare + "margin-right:2px;cursor:pointer;\">" + s.name[1] + "</div>";
    out += kSquare + "cursor:pointer;margin-right:2px;\">" + s.name[0] + "</div>";
    return out + "</div></div></div></div></div>";
}

// The input with the slides typed as kTyped.
generators::LBfencengInput typedInput() {
    generators::LBfencengInput in;
    for (int i = 0; i < 3; ++i) {
        in.fronts[i] = kTyped.front[i];
        in.backs[i] = kTyped.back[i];
        in.links[i] = kTyped.link[i];
        in.names[i] = kTyped.name[i];
    }
    return in;
}

// The snippet from the carousel's fields, without its window.
TEST(LBfencengSnippet, HeightsAndMotions) {
    generators::LBfencengInput in = typedInput();
    const struct {
        QString height, lift;
        bool bouncing;
        QString closing;
    } cases[] = {
        {"450", "490", false, kPlain},
        {"600", "640", true, kBounce},
        {"380", "420", false, kPlain},
        // The height goes in as typed, the lift as the window holds it.
        {"abc", "640", true, kBounce},
    };
    for (const auto& c : cases) {
        in.height = c.height;
        in.lift = c.lift;
        in.bouncing = c.bouncing;
        EXPECT_EQ(generators::lbfencengSnippet(in), expected(c.height, c.lift, c.closing, kTyped))
            << c.height.toStdString();
    }
}

class LBfencengTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = testing::form("TfrmLBfenceng");
    }
    void typeSlides() {
        for (int i = 0; i < 3; ++i) {
            w->setText(QString("edt%1").arg(1 + i), kTyped.front[i]);
            w->setText(QString("edt%1").arg(4 + i), kTyped.back[i]);
            w->setText(QString("edt%1").arg(7 + i), kTyped.link[i]);
            w->setText(QString("edt%1").arg(10 + i), kTyped.name[i]);
        }
        w->setText("edt14", "450");
        w->setText("cbb1", "默认效果");
        fake().reset();
    }
    core::Form* w = nullptr;
};

// Runs first: the window as start-up made it.
TEST_F(LBfencengTest, DefaultsHandOffBeforeGeneratingAndDefaultSnippet) {
    EXPECT_EQ(w->windowTitle(), "分层主题轮播(天猫淘宝通用)");
    EXPECT_EQ(w->text("edt14"), "450");
    EXPECT_EQ(w->text("cbb1"), "默认效果");
    EXPECT_EQ(testing::comboItems(w, "cbb1"), QStringList({"默认效果", "动态效果"}));
    EXPECT_EQ(w->text("edt13"), "#333");
    EXPECT_EQ(w->text("lbl7"), kBackOpening);
    EXPECT_EQ(w->text("lbl8"), kFrontOpening);
    EXPECT_EQ(w->text("lbl9"), kPlain);
    EXPECT_EQ(w->text("lbl11"), kBounce);
    EXPECT_EQ(w->text("lbl10"), "490");
    EXPECT_EQ(w->text("mmo1"), "mmo1\r\n");
    Slides defaults;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(w->text(QString("edt%1").arg(7 + i)), "#");
        EXPECT_EQ(w->text(QString("edt%1").arg(10 + i)), "主题名称");
        defaults.front[i] = w->text(QString("edt%1").arg(1 + i));
        defaults.back[i] = w->text(QString("edt%1").arg(4 + i));
        defaults.link[i] = "#";
        defaults.name[i] = "主题名称";
        EXPECT_FALSE(defaults.front[i].isEmpty());
        EXPECT_FALSE(defaults.back[i].isEmpty());
    }
    // The window starts from the defaults the snippet's input has.
    const generators::LBfencengInput input;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(defaults.front[i], input.fronts[i]);
        EXPECT_EQ(defaults.back[i], input.backs[i]);
    }

    // Before any generation the memo's placeholder is not handed over as code.
    testing::expectNothingHandedOver(w, "btn2Click");

    w->fire("btn1Click");
    const QString snippet = expected("450", "490", kPlain, defaults);
    EXPECT_EQ(w->text("mmo1"), snippet);
    EXPECT_EQ(fake().clipboard, snippet);
    EXPECT_EQ(fake().lastMessage().text, kMessage);
    EXPECT_EQ(fake().lastMessage().title, "提示信息");
    EXPECT_EQ(fake().lastMessage().owner, "TfrmLBfenceng");
}

// 生成代码 builds from what the fields hold, each field in its place, and copies.
TEST_F(LBfencengTest, GenerateBuildsFromTheFieldsAndCopies) {
    typeSlides();
    generators::LBfencengInput in = typedInput();
    const struct {
        QString height, motion, lift;
        bool bouncing;
    } cases[] = {
        {"600", "动态效果", "640", true},
        {"500", "默认效果", "540", false},
    };
    for (const auto& c : cases) {
        fake().reset();
        w->setText("cbb1", c.motion);
        w->setText("edt14", c.height);
        w->fire("btn1Click");
        in.height = c.height;
        in.lift = c.lift;
        in.bouncing = c.bouncing;
        const QString snippet = generators::lbfencengSnippet(in);
        EXPECT_EQ(w->text("mmo1"), snippet) << c.height.toStdString() << " " << c.motion.toStdString();
        EXPECT_EQ(fake().clipboard, snippet);
        EXPECT_EQ(fake().lastMessage().text, kMessage);
    }
}

TEST_F(LBfencengTest, MotionChoiceRewritesTheClosingBothWays) {
    typeSlides();
    const struct {
        QString motion, closing;
    } steps[] = {{"动态效果", kBounce}, {"默认效果", kPlain}, {"动态效果", kBounce}, {"动态", kPlain}};
    for (const auto& step : steps) {
        w->setText("cbb1", step.motion);
        EXPECT_EQ(w->text("lbl9"), step.closing) << step.motion.toStdString();
    }
    // Back on the plain motion, both carousels close plainly again.
    w->setText("cbb1", "动态效果");
    w->setText("cbb1", "默认效果");
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo1"), expected("450", "490", kPlain, kTyped));
}

TEST_F(LBfencengTest, HeightKeepsTheBarLiftAndAHeightThatIsNoIntegerFails) {
    typeSlides();
    const struct {
        QString height, lift, error;
    } steps[] = {
        {"600", "640", ""},
        {"", "640", "'' is not a valid integer value"},
        {"6x0", "640", "'6x0' is not a valid integer value"},
        {"45.5", "640", "'45.5' is not a valid integer value"},
        {"300", "340", ""},
        {"450", "490", ""},
    };
    for (const auto& step : steps) {
        fake().reset();
        w->setText("edt14", step.height);
        EXPECT_EQ(w->text("lbl10"), step.lift) << step.height.toStdString();
        if (step.error.isEmpty()) {
            EXPECT_TRUE(fake().callsOf("messageBox").isEmpty());
        } else {
            EXPECT_EQ(fake().lastMessage().text, step.error);
            EXPECT_EQ(fake().lastMessage().title, fake().applicationTitle());
            EXPECT_EQ(fake().lastMessage().owner, "TfrmLBfenceng");
        }
    }
    // Generation parses nothing: a bad height is inserted as typed, with the
    // lift kept from the last good one.
    w->setText("edt14", "600");
    w->setText("edt14", "abc");
    fake().reset();
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo1"), expected("abc", "640", kPlain, kTyped));
    EXPECT_EQ(fake().lastMessage().text, kMessage);
}

TEST_F(LBfencengTest, HandOffAfterGeneratingPassesTheSnippet) {
    typeSlides();
    w->setText("edt14", "600");
    w->setText("cbb1", "动态效果");
    w->fire("btn1Click");
    core::Form* banner = testing::converter();
    ASSERT_NE(banner, nullptr);
    const testing::ConverterView view = testing::handOver(w, "btn2Click", banner, "rb3");
    EXPECT_EQ(view.edition, "rb3");
    EXPECT_EQ(view.width, "1920");
    EXPECT_EQ(view.height, "600");
    EXPECT_EQ(view.code, expected("600", "640", kBounce, kTyped));
    EXPECT_TRUE(view.visible);
}

} // namespace
