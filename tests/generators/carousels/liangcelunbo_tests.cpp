#include "generators/carousels/liangcelunbo.h"
#include "tests/generators/carousels/combo_items.h"
#include "tests/generators/carousels/multi_carousel.h"

#include <gtest/gtest.h>

namespace {

const QString kWidget =
    "<div class=\"J_TWidget\" data-widget-type=\"Carousel\" data-widget-config=\"{'effect': "
    "'scrollx','contentCls':'kavri_120_cont','navCls':'kavri_120_nav', 'autoplay':true}\">";

const QString kMessage = "代码已被复制，集市店天猫店正常安装，如果您是基础版请配合基础版转专业版功能操作！";

const QString kButton =
    "<div style=\"width:100px; height:35px; border:#FFF 1px solid; text-align:center; "
    "line-height:35px; font-size:14px; position:relative; top:-100px; left:150px;color:#FFF;\">"
    "立即查看</div></div></a>";

// Slide k: label "Dk" (edt 5k-4), left picture "Lk" (5k-3) with link "LAk" (5k-2), right picture "Rk" (5k-1)
// with link "RAk" (5k).
QString expected(const QString& t, const QString& m, const QString& e, const QString& c, const QString& n) {
    QString out = "<div style=\"width:" + t + "px; height:500px; overflow:hidden\">" + kWidget;
    out += "<div style=\"width:" + t + "px; height:500px; overflow:hidden\"><div class=\"kavri_120_cont\">";
    for (int k = 1; k <= 5; ++k) {
        const QString i = QString::number(k);
        out += "<div  style=\"width:" + t + "px; height:500px; overflow:hidden\">";
        out += "<a href=\"LA" + i +
               "\" target=\"_blank\" style=\"text-decoration:none;color:#FFF; \"><div style=\"width:400px; "
               "height:500px; float:left\"><img src=\"L" +
               i + "\" width=\"400\" height=\"500\"/>" + kButton;
        out += "<a href=\"RA" + i +
               "\" target=\"_blank\" style=\"text-decoration:none;color:#FFF; \"><div style=\"width:400px; "
               "height:500px; float:right\"><img src=\"R" +
               i + "\" width=\"400\" height=\"500\"/>" + kButton;
        out += "</div>";
    }
    out += "</div></div>";
    out += "<div style=\"width:" + m +
           "; height:500px; position:relative; left:400px; top:-500px; "
           "background-color:#FFF;font-family:Microsoft "
           "Yahei;color:#333;\">";
    out += "<div style=\"width:" + m + "; height:156px; background-color:" + c +
           ";\"><div style=\"font-size:36px;line-height:36px; position:relative; left:" + e +
           "px;; top:40px; color:#FFF; width:100px;\">" + n + "</div></div>";
    out += "<div class=\"kavri_120_nav\">";
    out += "<div style=\"text-align:center; height:60px; line-height:60px; font-size:20px;  "
           "padding-top:25px;\">D1"
           "</div>";
    out += "<div style=\"text-align:center; height:60px; line-height:60px; font-size:20px\">D2</div>";
    for (int k = 3; k <= 5; ++k)
        out += "<div style=\"text-align:center; height:60px; line-height:60px; font-size:20px; \">D" +
               QString::number(k) + "</div>";
    return out + "</div></div></div></div>";
}

// The slides as typeSlides() types them.
generators::LiangcelunboInput typedSlides() {
    generators::LiangcelunboInput in;
    for (int k = 1; k <= 5; ++k) {
        const QString i = QString::number(k);
        in.labels[k - 1] = "D" + i;
        in.leftPictures[k - 1] = "L" + i;
        in.leftLinks[k - 1] = "LA" + i;
        in.rightPictures[k - 1] = "R" + i;
        in.rightLinks[k - 1] = "RA" + i;
    }
    return in;
}

// The snippet from the carousel's fields, without its window: the widths
// and the offset as the shop type gives them, or as they stand.
TEST(LiangcelunboSnippet, WidthsAndHeading) {
    generators::LiangcelunboInput in = typedSlides();
    const struct {
        QString total, column, offset, colour, heading;
    } cases[] = {{"950", "150px", "40", "C-colour", "N-head"},
                 {"990", "190px", "60", "C-colour", "N-head"},
                 {"T9", "M9", "E9", "", "N"}};
    for (const auto& c : cases) {
        in.width = c.total;
        in.columnWidth = c.column;
        in.headingOffset = c.offset;
        in.headingColour = c.colour;
        in.heading = c.heading;
        const QString snippet = generators::liangcelunboSnippet(in);
        EXPECT_EQ(snippet, expected(c.total, c.column, c.offset, c.colour, c.heading))
            << c.total.toStdString();
        EXPECT_EQ(snippet.count(">立即查看</div>"), 10);
    }
}

class LiangcelunboTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = testing::form("Tfrmliangcelunbo");
        w->setText("cbb1", "集市店");
    }
    void typeSlides() {
        for (int k = 1; k <= 5; ++k) {
            const QString i = QString::number(k);
            w->setText(QString("edt%1").arg(5 * k - 4), "D" + i);
            w->setText(QString("edt%1").arg(5 * k - 3), "L" + i);
            w->setText(QString("edt%1").arg(5 * k - 2), "LA" + i);
            w->setText(QString("edt%1").arg(5 * k - 1), "R" + i);
            w->setText(QString("edt%1").arg(5 * k), "RA" + i);
        }
    }
    core::Form* w = nullptr;
};

// Runs first: the window as start-up made it.
TEST_F(LiangcelunboTest, Defaults) {
    EXPECT_EQ(w->windowTitle(), "两侧轮播卡盘：集市店950px；天猫店：990px；");
    EXPECT_EQ(w->size(), QSize(837, 628));
    EXPECT_EQ(testing::comboItems(w, "cbb1"), QStringList({"集市店", "天猫店"}));
    const std::pair<QString, QString> texts[] = {
        {"edt26", "时尚坐标"}, {"edt27", "#acc5a7"},  {"lbl17", "400px"},    {"lbl18", "500px"},
        {"lbl19", "150px"},    {"lbl20", "40"},       {"lbl21", "950"},      {"btn1", "获取代码"},
        {"btn2", "参照图"},    {"mmo1", "mmo1\r\n"},  {"lbl22", kWidget},    {"edt1", "- 优雅 -"},
        {"edt6", "- 清新 -"},  {"edt11", "- 靓丽 -"}, {"edt16", "- 时尚 -"}, {"edt21", "- 魅力 -"}};
    for (const auto& [control, value] : texts)
        EXPECT_EQ(w->text(control), value) << control.toStdString();
    const generators::LiangcelunboInput defaults;
    for (int k = 1; k <= 5; ++k) {
        EXPECT_EQ(w->text(QString("edt%1").arg(5 * k - 2)), "#");
        EXPECT_EQ(w->text(QString("edt%1").arg(5 * k)), "#");
        // The window starts from the defaults the snippet's input has.
        EXPECT_EQ(w->text(QString("edt%1").arg(5 * k - 3)), defaults.leftPictures[k - 1]);
        EXPECT_EQ(w->text(QString("edt%1").arg(5 * k - 1)), defaults.rightPictures[k - 1]);
    }
    testing::expectUnseen(w, {"lbl20", "lbl21", "lbl22", "pnl1"}, {"mmo1"});
    testing::expectOpensFromThumbnail("img55", "Tfrmliangcelunbo");
}

// 获取代码 builds from what the fields hold, each field in its place, and copies.
TEST_F(LiangcelunboTest, GenerateBuildsFromTheFieldsAndCopies) {
    typeSlides();
    w->setText("edt26", "N-head");
    w->setText("edt27", "C-colour");
    generators::LiangcelunboInput in = typedSlides();
    in.heading = "N-head";
    in.headingColour = "C-colour";
    const struct {
        QString type, total, column, offset;
    } cases[] = {{"集市店", "950", "150px", "40"}, {"天猫店", "990", "190px", "60"}};
    for (const auto& c : cases) {
        fake().reset();
        w->setText("cbb1", c.type);
        w->fire("btn1Click");
        in.width = c.total;
        in.columnWidth = c.column;
        in.headingOffset = c.offset;
        const QString want = generators::liangcelunboSnippet(in);
        EXPECT_EQ(w->text("mmo1"), want) << c.type.toStdString();
        EXPECT_EQ(fake().clipboard, want);
        EXPECT_EQ(fake().lastMessage().text, kMessage);
        EXPECT_EQ(fake().lastMessage().title, "提示信息");
        EXPECT_EQ(fake().lastMessage().owner, "Tfrmliangcelunbo");
    }
}

TEST_F(LiangcelunboTest, ShopTypeRewritesTheLabelsInBothDirections) {
    const struct {
        QString type, column, offset, total;
    } steps[] = {{"天猫店", "190px", "60", "990"},
                 {"集市店", "150px", "40", "950"},
                 {"天猫", "190px", "60", "990"},
                 {"集市店", "150px", "40", "950"}};
    for (const auto& s : steps) {
        w->setText("cbb1", s.type);
        EXPECT_EQ(w->text("lbl19"), s.column) << s.type.toStdString();
        EXPECT_EQ(w->text("lbl20"), s.offset);
        EXPECT_EQ(w->text("lbl21"), s.total);
        EXPECT_EQ(w->text("lbl17"), "400px");
        EXPECT_EQ(w->text("lbl18"), "500px");
    }
}

TEST_F(LiangcelunboTest, GenerationReadsTheLabelsAsTheyStand) {
    typeSlides();
    w->setText("edt26", "N");
    w->setText("edt27", "");
    // The labels change only with the combo; whatever they hold is inserted.
    w->setText("lbl21", "T9");
    w->setText("lbl19", "M9");
    w->setText("lbl20", "E9");
    w->fire("btn1Click");
    generators::LiangcelunboInput in = typedSlides();
    in.width = "T9";
    in.columnWidth = "M9";
    in.headingOffset = "E9";
    in.headingColour = "";
    in.heading = "N";
    EXPECT_EQ(w->text("mmo1"), generators::liangcelunboSnippet(in));
    w->setText("cbb1", "天猫店");
    w->setText("cbb1", "集市店");
}

TEST_F(LiangcelunboTest, ReferencePanelFollowsThePointer) {
    QWidget* panel = w->control<QWidget>("pnl1");
    EXPECT_TRUE(panel->isHidden());
    testing::pointerEnters(w->control<QWidget>("btn2"));
    EXPECT_FALSE(panel->isHidden());
    testing::pointerMoves(w->control<QWidget>("grp6"));
    EXPECT_TRUE(panel->isHidden());
    EXPECT_TRUE(w->hasHandler("btn2MouseMove"));
    EXPECT_TRUE(w->hasHandler("grp6MouseMove"));
}

} // namespace
