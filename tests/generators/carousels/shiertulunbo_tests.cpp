#include "generators/carousels/shiertulunbo.h"
#include "tests/generators/carousels/combo_items.h"
#include "tests/generators/carousels/multi_carousel.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString kWidget =
    "<div class=\"J_TWidget\"  data-widget-type=\"Carousel\"  \rdata-widget-config=\"{'effect': 'scrollx',"
    "\r\r\n 'navCls':'kavri_28_nav',\r\r\n 'contentCls':'kavri_28_cont',\r\n 'prevBtnCls': 'kavri_28_prev',"
    "\r\n 'nextBtnCls': 'kavri_28_next',\r\n 'easing':'bounceOut','duration':'1',\r\r\n 'autoplay':'true'"
    "\r\r\n}\">";

const QString kMessage = "代码已被复制，可以到店铺的自定义进行粘贴了！";

// Picture k of group g is "g<g>p<k>" in field edt(8(g-1) + 2k - 1), its link "g<g>a<k>" in the next field.
const int kPictureFields[3][4] = {{1, 3, 5, 7}, {9, 11, 13, 15}, {17, 19, 21, 23}};
const int kLinkFields[3][4] = {{2, 4, 6, 8}, {10, 12, 14, 16}, {18, 20, 22, 24}};

QString marker(int g, const char* kind, int k) {
    return QString("g%1%2%3").arg(g).arg(kind).arg(k);
}

// The slide of group g with pictures w px wide.
QString slide(int g, const QString& w) {
    const QString names[] = {"青梧美工第一张", "青梧美工第二张", "青梧美工第三张", "青梧美工第四张"};
    QString out = "<div style=\"width:" + w +
                  "px; height:360px;float:left;background-color:#CCC\"><a href=\"" + marker(g, "a", 1) +
                  "\" target=\"_blank\"><img src=\"" + marker(g, "p", 1) +
                  "\" alt=\"青梧美工第一张\" width=\"" + w + "\" height=\"360\"/></a></div>";
    for (int k = 2; k <= 4; ++k)
        out += "<div style=\"width:" + w +
               "px; height:360px;float:left; margin-left:10px;background-color:#CCC\"><a href=\"" +
               marker(g, "a", k) + "\" target=\"_blank\"><img src=\"" + marker(g, "p", k) + "\" alt=\"" +
               names[k - 1] + "\" width=\"" + w + "\" height=\"360\"/></a></div>";
    return out;
}

// The carousel of total width t around the three slide texts.
QString expected(const QString& t, const QString& s1, const QString& s2, const QString& s3) {
    QString out = "<div style=\"width:" + t + "px; height:360px;overflow:hidden\" >" + kWidget;
    out += "<div style=\"width:" + t + "px; height:360px;overflow:hidden\"><ul class=\"kavri_28_cont\">";
    for (const QString& s : {s1, s2, s3})
        out += "<li  style=\"width:" + t + "px; height:360px\">" + s + "</li>";
    out += "</ul></div>";
    out +=
        "<div class=\"kavri_28_prev\" style=\"width:48px; height:48px; font-size:40px; font-family:Simhei; "
        "text-align:center; line-height:50px; float:left;position:relative; top:-220px; left:10px; "
        "filter:alpha(Opacity=70); opacity: 0.7; background-color:#000; color:#FFF;cursor:pointer;\"><</div>";
    out +=
        "<div class=\"kavri_28_next\" style=\"width:48px; height:48px; font-size:40px; font-family:Simhei; "
        "text-align:center; line-height:50px; float:right;position:relative; top:-220px; "
        "right:10px;filter:alpha(Opacity=70); opacity: 0.7; background-color:#000; "
        "color:#FFF;cursor:pointer;\">"
        "></div>";
    return out + "</div></div>";
}

// The groups as typeGroups() types them.
generators::ShiertulunboInput typedGroups() {
    generators::ShiertulunboInput in;
    for (int g = 1; g <= 3; ++g)
        for (int k = 1; k <= 4; ++k) {
            in.pictures[4 * (g - 1) + k - 1] = marker(g, "p", k);
            in.links[4 * (g - 1) + k - 1] = marker(g, "a", k);
        }
    return in;
}

// A group's slide from the carousel's fields, without its window.
TEST(ShiertulunboSlide, EachGroupAndPictureWidth) {
    generators::ShiertulunboInput in = typedGroups();
    for (const QString width : {"230", "240"}) {
        in.pictureWidth = width;
        for (int g = 1; g <= 3; ++g)
            EXPECT_EQ(generators::shiertulunboSlide(in, g - 1), slide(g, width)) << width.toStdString() << g;
    }
}

// The carousel takes the slides as their memos hold them.
TEST(ShiertulunboSnippet, WidthsAndSlidesAsTheyStand) {
    generators::ShiertulunboInput in = typedGroups();
    const struct {
        QString total, s1, s2, s3;
    } cases[] = {{"950", slide(1, "230"), "<p>own\r\nhtml</p>", slide(3, "230")},
                 {"990", slide(1, "240"), slide(2, "240"), ""},
                 {"950", "", "", ""}};
    for (const auto& c : cases) {
        in.width = c.total;
        in.slides = {c.s1, c.s2, c.s3};
        EXPECT_EQ(generators::shiertulunboSnippet(in), expected(c.total, c.s1, c.s2, c.s3))
            << c.total.toStdString();
    }
}

class ShiertulunboTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = testing::form("Tfrmshiertulunbo");
        w->setText("cbb1", "集市店");
    }
    void typeGroups() {
        for (int g = 1; g <= 3; ++g)
            for (int k = 1; k <= 4; ++k) {
                w->setText(QString("edt%1").arg(kPictureFields[g - 1][k - 1]), marker(g, "p", k));
                w->setText(QString("edt%1").arg(kLinkFields[g - 1][k - 1]), marker(g, "a", k));
            }
    }
    core::Form* w = nullptr;
};

// Runs first: the window as start-up made it; generating before any group is submitted.
TEST_F(ShiertulunboTest, DefaultsAndThreeEmptySlidesBeforeSubmitting) {
    EXPECT_EQ(w->windowTitle(), "十二图轮播功能，分三组显示");
    EXPECT_EQ(w->size(), QSize(994, 663));
    EXPECT_EQ(testing::comboItems(w, "cbb1"), QStringList({"集市店", "天猫店"}));
    const std::pair<QString, QString> texts[] = {
        {"lbl5", "950"},    {"lbl6", "360"},        {"lbl7", "230"},        {"lbl8", "230"},
        {"lbl10", "提示"},  {"btn1", "提交第一组"}, {"btn2", "提交第二组"}, {"btn3", "提交第三组"},
        {"btn4", "参照图"}, {"btn5", "提取代码"},   {"mmo1", ""},           {"mmo2", ""},
        {"mmo3", ""},       {"mmo4", ""},           {"lbl9", kWidget}};
    for (const auto& [control, value] : texts)
        EXPECT_EQ(w->text(control), value) << control.toStdString();
    const generators::ShiertulunboInput defaults;
    for (int g = 0; g < 3; ++g)
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(w->text(QString("edt%1").arg(kLinkFields[g][k])), "#");
            EXPECT_TRUE(w->text(QString("edt%1").arg(kPictureFields[g][k])).startsWith("https://"));
            // The window starts from the defaults the snippet's input has.
            EXPECT_EQ(w->text(QString("edt%1").arg(kPictureFields[g][k])), defaults.pictures[4 * g + k]);
        }
    testing::expectUnseen(w, {"lbl9", "pnl1"}, {"mmo4"});
    w->showForm();
    for (const QString memo : {"mmo1", "mmo2", "mmo3"}) {
        EXPECT_TRUE(w->control(memo)->isVisible()) << memo.toStdString();
        EXPECT_FALSE(w->control<core::Memo>(memo)->isReadOnly());
    }
    w->hide();
    testing::expectOpensFromThumbnail("img61", "Tfrmshiertulunbo");

    w->fire("btn5Click");
    const QString want = expected("950", "", "", "");
    EXPECT_EQ(w->text("mmo4"), want);
    EXPECT_EQ(fake().clipboard, want);
    EXPECT_EQ(fake().lastMessage().text, kMessage);
    EXPECT_EQ(fake().lastMessage().title, "提示信息");
    EXPECT_EQ(fake().lastMessage().owner, "Tfrmshiertulunbo");
}

TEST_F(ShiertulunboTest, ShopTypeRewritesTheSizesInBothDirections) {
    const struct {
        QString type, total, width;
    } steps[] = {
        {"天猫店", "990", "240"}, {"集市店", "950", "230"}, {"集市", "990", "240"}, {"集市店", "950", "230"}};
    for (const auto& s : steps) {
        w->setText("cbb1", s.type);
        EXPECT_EQ(w->text("lbl5"), s.total) << s.type.toStdString();
        EXPECT_EQ(w->text("lbl7"), s.width);
        EXPECT_EQ(w->text("lbl8"), s.width);
        EXPECT_EQ(w->text("lbl6"), "360");
    }
}

TEST_F(ShiertulunboTest, EachGroupButtonBuildsOnlyItsOwnSlide) {
    typeGroups();
    generators::ShiertulunboInput in = typedGroups();
    const struct { QString type, width; } types[] = {{"集市店", "230"}, {"天猫店", "240"}};
    for (const auto& t : types) {
        w->setText("cbb1", t.type);
        in.pictureWidth = t.width;
        for (int g = 1; g <= 3; ++g) {
            for (int m = 1; m <= 3; ++m)
                w->setText(QString("mmo%1").arg(m), "kept");
            fake().reset();
            w->fire(QString("btn%1Click").arg(g));
            for (int m = 1; m <= 3; ++m)
                EXPECT_EQ(w->text(QString("mmo%1").arg(m)),
                          m == g ? generators::shiertulunboSlide(in, g - 1) : "kept")
                    << t.type.toStdString() << g << m;
            EXPECT_TRUE(fake().calls.isEmpty());
            EXPECT_FALSE(fake().clipboardSet);
        }
    }
}

TEST_F(ShiertulunboTest, CarouselPerShopTypeUsesTheGroupMemosAsTheyStand) {
    typeGroups();
    const struct {
        QString type, total, width;
    } types[] = {{"集市店", "950", "230"}, {"天猫店", "990", "240"}};
    for (const auto& t : types) {
        w->setText("cbb1", t.type);
        for (int g = 1; g <= 3; ++g)
            w->fire(QString("btn%1Click").arg(g));
        // Any HTML typed into a group memo goes in unchanged.
        w->setText("mmo2", "<p>own\r\nhtml</p>");
        fake().reset();
        w->fire("btn5Click");
        generators::ShiertulunboInput in = typedGroups();
        in.width = t.total;
        in.pictureWidth = t.width;
        in.slides = {generators::shiertulunboSlide(in, 0), "<p>own\r\nhtml</p>",
                     generators::shiertulunboSlide(in, 2)};
        const QString want = generators::shiertulunboSnippet(in);
        EXPECT_EQ(w->text("mmo4"), want) << t.type.toStdString();
        EXPECT_EQ(fake().clipboard, want);
        EXPECT_EQ(fake().lastMessage().text, kMessage);
    }
}

TEST_F(ShiertulunboTest, SubmittedSlidesKeepTheirWidthUntilSubmittedAgain) {
    typeGroups();
    w->setText("mmo3", "");
    w->setText("cbb1", "天猫店");
    w->fire("btn1Click");
    w->setText("cbb1", "集市店");
    w->fire("btn2Click");
    w->setText("edt1", "changed");
    w->fire("btn5Click");
    EXPECT_EQ(w->text("mmo4"), expected("950", slide(1, "240"), slide(2, "230"), ""));
    EXPECT_FALSE(w->text("mmo4").contains("changed"));
    EXPECT_TRUE(w->text("mmo4").startsWith("<div style=\"width:950px;"));
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo1").count("width=\"230\""), 4);
    EXPECT_TRUE(w->text("mmo1").contains("<img src=\"changed\" alt=\"青梧美工第一张\""));
}

TEST_F(ShiertulunboTest, HelpLabelAndReferencePanel) {
    w->showForm();
    QTest::mouseClick(w->control<QWidget>("lbl10"), Qt::LeftButton);
    w->hide();
    EXPECT_EQ(fake().callsOf("messageBox").size(), 1);
    EXPECT_EQ(
        fake().lastMessage().text,
        "输入每一组相关参数后，点击提交该组数据，获得自动生成的代码，同是也支持每一组的自定义的html代码，"
        "可以查看使用教程！");
    EXPECT_EQ(fake().lastMessage().title, "提示信息框");

    QWidget* panel = w->control<QWidget>("pnl1");
    EXPECT_TRUE(w->hasHandler("btn4MouseMove"));
    EXPECT_TRUE(w->hasHandler("grp4MouseMove"));
    testing::pointerMoves(w->control<QWidget>("btn4"));
    EXPECT_FALSE(panel->isHidden());
    testing::pointerMoves(w->control<QWidget>("grp4"));
    EXPECT_TRUE(panel->isHidden());
    testing::pointerEnters(w->control<QWidget>("btn4"));
    EXPECT_FALSE(panel->isHidden());
    testing::pointerEnters(w->control<QWidget>("grp4"));
    EXPECT_TRUE(panel->isHidden());
}

} // namespace
