#include "generators/carousels/lbzhankai.h"
#include "tests/generators/carousels/combo_items.h"
#include "tests/generators/carousels/converter_probe.h"

#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString kCarousel =
    "<div class=\"J_TWidget\"  data-widget-type=\"Carousel\"  \r\ndata-widget-config=\"{'effect': "
    "'scrollx',\r\n "
    "'navCls':'kavri_713nav',\r\n 'contentCls':'kavri_713cont',\r\n 'duration':'1',\r\n "
    "'easing':'bounceOut',\r\n "
    "'autoplay':'true'\r\n }\">\r\n\r\n  <div style=\" width:1920px; height:500px;overflow:hidden\">\r\n    "
    "<div class=\"kavri_713cont\">";
const QString kRound =
    "border:0px solid;border-radius:50px;-moz-border-radius:50px; width:30px; line-height:30px; "
    "background-color:#f30; color:#FFF; float:left;";
const QString kButtons = "\r\n\r\n  <div class=\"kavri_713nav\">\r\n  \r\n    <div style=\"cursor:pointer;" +
                         kRound + "\">1</div>\r\n    \r\n    <div style=\"" + kRound +
                         " margin-left:10px;cursor:pointer;\">2</div>\r\n    \r\n    <div style=\"" + kRound +
                         " margin-left:10px;cursor:pointer;\">3</div>\r\n    \r\n  </div>\r\n    \r\n  "
                         "</div>\r\n\r\n\r\n</div>\r\n</div>";
const QString kAccordion =
    "<!--手风琴-->     \r\n \r\n <div class=\"J_TWidget\"  data-widget-type=\"Accordion\"  "
    "data-widget-config=\"{\r\n 'triggerType': 'mouse',\r\n'triggerCls':'kavri_713triger',\r\n"
    "'panelCls':'kavri_713panel',\r\n'multiple':false\r\n }\">";
const QString kMessage = "代码已生成，点击通栏转化到相应版本吧！";

struct Fields {
    QString picture[3], link[3], title[5], panel[5];
    QString text = "#000", back = "#fff";
};

const Fields kTyped = {{"p1", "p2", "p3"},
                       {"a1", "a2", "a3"},
                       {"e1", "e2", "e3", "e4", "e5"},
                       {"<p>m1</p>\r\n<p>m1b</p>", "m2", "", "m4\r\n", "m5"},
                       "#123",
                       "#EEE"};

// X: left of the column; D: left of the buttons; opacity as the filter and as CSS.
QString expected(const QString& x, const QString& d, const QString& filter, const QString& css,
                 const Fields& f) {
    const QString rule = "line-height:50px;border-bottom:1px #CCCCCC dotted;cursor:pointer;\">";
    const QString closedPanel = "<div class=\"kavri_713panel\"  style=\"height:245px; border-bottom:1px "
                                "#CCCCCC dotted; display:none\">";
    QString out = "<div style=\" width:1920px; height:500px; overflow:hidden\">" + kCarousel;
    for (int i = 0; i < 3; ++i)
        out += "<a href=\"" + f.link[i] + "\" target=\"_blank\"><img src=\"" + f.picture[i] +
               "\" alt=\" 02.jpg\"/></a>";
    out += "</div></div><div style=\"position:relative; top:-50px; left:" + d +
           "px; width:110px; height:30px; text-align:center; font-family:Microsoft YaHei; font-size:15px;\">";
    out += kButtons + "<div style=\"position:relative; left:" + x + "px; top:-500px;\">";
    out += "<div style=\" width:220px; height:500px;  text-align:center;color:" + f.text +
           ";background-color:" + f.back + ";filter:alpha(Opacity=" + filter + "); opacity: " + css +
           "; border-left:0px #ccc dotted;border-right:0px #ccc dotted; font-size:15px;\">";
    out += kAccordion;
    out += "<div class=\"kavri_713triger\" style=\"" + rule + f.title[0] +
           "</div><div class=\"kavri_713panel\" style=\"height:245px; border-bottom:1px #CCCCCC dotted\">" +
           f.panel[0] + "</div>";
    out += "<div class=\"kavri_713triger\"  style=\" " + rule + f.title[1] + "</div>" + closedPanel +
           f.panel[1] + "</div>";
    for (int i = 2; i < 4; ++i)
        out += "<div class=\"kavri_713triger\"  style=\"" + rule + f.title[i] + "</div>" + closedPanel +
               f.panel[i] + "</div>";
    out += "<div class=\"kavri_713triger\"  style=\"line-height:50px;cursor:pointer;\">" + f.title[4] +
           "</div>" + closedPanel + f.panel[4] + "</div>";
    return out + "</div></div></div><!--手风琴-->";
}

// The input with the fields typed as kTyped.
generators::LBzhankaiInput typedInput() {
    generators::LBzhankaiInput in;
    for (int i = 0; i < 3; ++i) {
        in.pictures[i] = kTyped.picture[i];
        in.links[i] = kTyped.link[i];
    }
    for (int i = 0; i < 5; ++i) {
        in.titles[i] = kTyped.title[i];
        in.panels[i] = kTyped.panel[i];
    }
    in.textColour = kTyped.text;
    in.background = kTyped.back;
    return in;
}

// The snippet from the carousel's fields, without its window.
TEST(LBzhankaiSnippet, OffsetsAndOpacities) {
    generators::LBzhankaiInput in = typedInput();
    const struct {
        QString opacity, x, d, css;
    } cases[] = {
        {"85", "485", "1325", "0.85"},
        {"70", "465", "1345", "0.70"},
        {"95", "485", "1325", "0.95"},
        {"75", "465", "1345", "0.75"},
        {"90", "485", "1325", "0.90"},
        // A full opacity is opaque, not one tenth.
        {"100", "465", "1345", "1"},
    };
    for (const auto& c : cases) {
        in.opacity = c.opacity;
        in.columnLeft = c.x;
        in.buttonsLeft = c.d;
        EXPECT_EQ(generators::lbzhankaiSnippet(in), expected(c.x, c.d, c.opacity, c.css, kTyped))
            << c.opacity.toStdString();
    }
}

class LBzhankaiTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = testing::form("TfrmLBzhankai");
    }
    void TearDown() override { w->hide(); }
    void type() {
        for (int i = 0; i < 3; ++i) {
            w->setText(QString("edttu%1").arg(i + 1), kTyped.picture[i]);
            w->setText(QString("edtlian%1").arg(i + 1), kTyped.link[i]);
        }
        for (int i = 0; i < 5; ++i) {
            w->setText(QString("edtbiao%1").arg(i + 1), kTyped.title[i]);
            w->setText(QString("mmohtml%1").arg(i + 1), kTyped.panel[i]);
        }
        w->setText("edtyanse", kTyped.text);
        w->setText("edtdise", kTyped.back);
        fake().reset();
    }
    core::RadioGroup* shopType() { return w->control<core::RadioGroup>("rg1"); }
    core::Form* w = nullptr;
};

// Runs first: the window as start-up made it.
TEST_F(LBzhankaiTest, DefaultsHandOffBeforeGeneratingAndDefaultSnippet) {
    EXPECT_EQ(w->windowTitle(), "左侧展开式轮播效果");
    EXPECT_EQ(shopType()->itemIndex(), 0);
    EXPECT_EQ(shopType()->items(), QStringList({"专业版", "天猫版", "基础版"}));
    EXPECT_EQ(w->text("edtdise"), "#fff");
    EXPECT_EQ(w->text("edtyanse"), "#000");
    EXPECT_EQ(w->text("cbb1"), "85");
    EXPECT_EQ(testing::comboItems(w, "cbb1"), QStringList({"70", "75", "80", "85", "90", "95", "100"}));
    EXPECT_EQ(w->text("lbl10"), "485");
    EXPECT_EQ(w->text("lbl11"), "1325");
    EXPECT_EQ(w->text("lbllunbodaima"), kCarousel);
    EXPECT_EQ(w->text("lblzhongjian"), kButtons);
    EXPECT_EQ(w->text("lblshoufengqin"), kAccordion);
    EXPECT_EQ(w->text("mmodaima"), "mmodaima\r\n");
    Fields defaults;
    for (int i = 0; i < 3; ++i) {
        defaults.picture[i] = w->text(QString("edttu%1").arg(i + 1));
        EXPECT_FALSE(defaults.picture[i].isEmpty());
        defaults.link[i] = "#";
        EXPECT_EQ(w->text(QString("edtlian%1").arg(i + 1)), "#");
    }
    for (int i = 0; i < 5; ++i) {
        defaults.title[i] = "新品发布";
        EXPECT_EQ(w->text(QString("edtbiao%1").arg(i + 1)), "新品发布");
        EXPECT_EQ(w->text(QString("mmohtml%1").arg(i + 1)), "");
    }
    // The window starts from the defaults the snippet's input has.
    const generators::LBzhankaiInput input;
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(defaults.picture[i], input.pictures[i]);

    testing::expectNothingHandedOver(w, "btn2Click");

    w->fire("btn1Click");
    const QString snippet = expected("485", "1325", "85", "0.85", defaults);
    EXPECT_EQ(w->text("mmodaima"), snippet);
    EXPECT_EQ(fake().clipboard, snippet);
    EXPECT_EQ(fake().lastMessage().text, kMessage);
    EXPECT_EQ(fake().lastMessage().title, "提示信息");
    EXPECT_EQ(fake().lastMessage().owner, "TfrmLBzhankai");
}

// 生成代码 builds from what the fields hold, each field in its place, and copies.
TEST_F(LBzhankaiTest, GenerateBuildsFromTheFieldsAndCopies) {
    type();
    generators::LBzhankaiInput in = typedInput();
    const struct {
        int item;
        QString opacity, x, d;
    } cases[] = {{0, "90", "485", "1325"}, {1, "70", "465", "1345"}, {2, "100", "485", "1325"}};
    for (const auto& c : cases) {
        fake().reset();
        shopType()->setItemIndex(c.item);
        w->setText("cbb1", c.opacity);
        w->fire("btn1Click");
        in.opacity = c.opacity;
        in.columnLeft = c.x;
        in.buttonsLeft = c.d;
        const QString snippet = generators::lbzhankaiSnippet(in);
        EXPECT_EQ(w->text("mmodaima"), snippet) << c.item << " " << c.opacity.toStdString();
        EXPECT_EQ(fake().clipboard, snippet);
        EXPECT_EQ(fake().lastMessage().text, kMessage);
    }
}

TEST_F(LBzhankaiTest, ShopTypeRewritesTheOffsetsBothWays) {
    const struct {
        int item;
        QString x, d;
    } steps[] = {
        {1, "465", "1345"}, {0, "485", "1325"}, {1, "465", "1345"}, {2, "485", "1325"}, {0, "485", "1325"}};
    for (const auto& step : steps) {
        shopType()->setItemIndex(step.item);
        EXPECT_EQ(w->text("lbl10"), step.x) << step.item;
        EXPECT_EQ(w->text("lbl11"), step.d) << step.item;
    }
}

TEST_F(LBzhankaiTest, HandOffChoosesTheEditionOfTheShopType) {
    type();
    w->setText("cbb1", "85");
    core::Form* banner = testing::converter();
    ASSERT_NE(banner, nullptr);
    const struct {
        int item;
        QString button, prime, x, d;
    } cases[] = {
        {0, "rb1", "rb2", "485", "1325"}, {1, "rb2", "rb3", "465", "1345"}, {2, "rb3", "rb1", "485", "1325"}};
    for (const auto& c : cases) {
        shopType()->setItemIndex(c.item);
        w->fire("btn1Click");
        const testing::ConverterView view = testing::handOver(w, "btn2Click", banner, c.prime);
        EXPECT_EQ(view.edition, c.button) << c.item;
        EXPECT_EQ(view.width, "1920");
        EXPECT_EQ(view.height, "500");
        EXPECT_EQ(view.code, expected(c.x, c.d, "85", "0.85", kTyped)) << c.item;
    }
}

TEST_F(LBzhankaiTest, ShowingTheWindowEmptiesThePanelsOnly) {
    for (int round = 0; round < 2; ++round) {
        type();
        w->close();
        w->showForm();
        for (int i = 1; i <= 5; ++i) {
            EXPECT_EQ(w->text(QString("mmohtml%1").arg(i)), "") << round;
            EXPECT_EQ(w->text(QString("edtbiao%1").arg(i)), kTyped.title[i - 1]);
        }
        EXPECT_EQ(w->text("edttu1"), "p1");
        EXPECT_EQ(w->text("edtdise"), kTyped.back);
    }
}

TEST_F(LBzhankaiTest, DoubleClickEmptiesThatPanel) {
    w->showForm();
    type();
    auto* memo = w->control<QPlainTextEdit>("mmohtml3");
    w->setText("mmohtml3", "<b>gone</b>");
    QTest::mouseDClick(memo->viewport(), Qt::LeftButton);
    EXPECT_EQ(w->text("mmohtml3"), "");
    EXPECT_EQ(w->text("mmohtml2"), "m2");
    w->fire("mmohtml5DblClick");
    EXPECT_EQ(w->text("mmohtml5"), "");
    EXPECT_EQ(w->text("mmohtml4"), "m4\r\n");
}

TEST_F(LBzhankaiTest, ColumnColoursComeFromTheColourDialog) {
    fake().colors.enqueue(QColor(0, 165, 197));
    w->fire("edtdiseDblClick");
    EXPECT_EQ(w->text("edtdise"), "#00A5C5");
    fake().colors.enqueue(QColor(255, 255, 255));
    w->fire("edtyanseDblClick");
    EXPECT_EQ(w->text("edtyanse"), "#FFFFFF");
}

} // namespace
