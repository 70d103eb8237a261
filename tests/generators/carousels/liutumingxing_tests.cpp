#include "generators/carousels/liutumingxing.h"
#include "tests/generators/carousels/combo_items.h"
#include "tests/generators/carousels/multi_carousel.h"

#include <gtest/gtest.h>

namespace {

const QString kWidget =
    "<div class=\"J_TWidget\" data-widget-type=\"Carousel\" data-widget-config=\"{'effect': "
    "'scrollx','contentCls':'kavri_120_cont2','navCls':'kavri_120_nav2', 'autoplay':true}\">";

const QString kMessage =
    "代码已被复制，集市店天猫店正常安装即可，基础版需要借助基础版转专业版功能转化一下在安装！";

// Group k: large picture "Bk" (edt 5k-4), thumbnail "Sk", link "Lk", title "Ak", price "Rk" (edt 5k).
const char* const kKinds[] = {"B", "S", "L", "A", "R"};

QString item(const char* kind, int k) {
    return QString(kind) + QString::number(k);
}

QString expected(const QString& t, const QString& m, const QString& c) {
    QString out = "<div style=\"width:" + t + "px; height:560px; overflow:hidden\">" + kWidget;
    out += "<div style=\"width:" + t + "px; height:560px; overflow:hidden\"><div class=\"kavri_120_nav2\">";
    for (int k = 1; k <= 6; ++k)
        out += QString("<div style=\" height:180px; width:50%; float:left; margin-bottom:10px;\">") +
               (k % 2 ? "<div style=\"float:left; width:180px; height:180px;\"><img src=\""
                      : "<div style=\"float:right; width:180px; height:180px;\"><img src=\"") +
               item("S", k) + "\" alt=\"青梧美工\" width=\"180\" height=\"180\" /></div></div>";
    out += "</div></div>";
    out += "<div style=\"width:" + m +
           "px; height:560px; position:relative; left:195px; top:-560px;overflow:hidden \"><div "
           "class=\"kavri_120_cont2\">";
    for (int k = 1; k <= 6; ++k) {
        out += "<a style=\"text-decoration:none; color:#FFF\" href=\"" + item("L", k) +
               "\" target=\"_blank\"><div style=\"width:" + m + "px; height:560px;background-image:url(" +
               item("B", k) + ");font-family: Microsoft yahei;\"><div style=\"height:500px;\"></div>";
        out += "<div style=\" float:left; width:" + m +
               "px;height:60px; text-align:left;background-color:#000; font-size:16px; line-height:25px; "
               "filter:alpha(Opacity=80); opacity: 0.8; color:#FFF\"><div  style=\" float:left; "
               "line-height:60px; "
               "width:300px; padding-left:20px;\">" +
               item("A", k);
        out += "</div><div style=\"font-size:16px; width:100px;line-height:40px;  float:right; "
               "background-color:" +
               c +
               ";text-align:center; color:#fff; margin:10px;\">详情点击</div><div  style=\"float:right; "
               "line-height:60px; padding-right:15px;\">" +
               item("R", k) + "</div></div></div></a>";
    }
    out += "</div></div>";
    return out + "</div></div>";
}

// The groups as typeGroups() types them.
generators::LiutumingxingInput typedGroups() {
    generators::LiutumingxingInput in;
    QStringList* lists[] = {&in.pictures, &in.thumbnails, &in.links, &in.titles, &in.prices};
    for (int k = 1; k <= 6; ++k)
        for (int f = 0; f < 5; ++f)
            (*lists[f])[k - 1] = item(kKinds[f], k);
    return in;
}

// The snippet from the carousel's fields, without its window.
TEST(LiutumingxingSnippet, Widths) {
    generators::LiutumingxingInput in = typedGroups();
    in.buttonColour = "C-colour";
    const struct { QString total, picture; } cases[] = {{"950", "560"}, {"990", "600"}};
    for (const auto& c : cases) {
        in.width = c.total;
        in.pictureWidth = c.picture;
        EXPECT_EQ(generators::liutumingxingSnippet(in), expected(c.total, c.picture, "C-colour"))
            << c.total.toStdString();
    }
}

class LiutumingxingTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = testing::form("Tfrmliutumingxing");
        w->setText("cbb1", "集市店");
    }
    void typeGroups() {
        for (int k = 1; k <= 6; ++k)
            for (int f = 0; f < 5; ++f)
                w->setText(QString("edt%1").arg(5 * (k - 1) + 1 + f), item(kKinds[f], k));
    }
    core::Form* w = nullptr;
};

// Runs first: the window as start-up made it.
TEST_F(LiutumingxingTest, Defaults) {
    EXPECT_EQ(w->windowTitle(), "六图明星卡盘");
    EXPECT_EQ(w->size(), QSize(1036, 558));
    EXPECT_EQ(testing::comboItems(w, "cbb1"), QStringList({"集市店", "天猫店"}));
    const std::pair<QString, QString> texts[] = {
        {"edt31", "#3dc97f"}, {"lbl11", "小图尺寸：180x180，中间大图 集市店560宽 天猫店600宽"},
        {"btn8", "查看参照"}, {"btn7", "提取代码"},
        {"lbl9", "950"},      {"lbl10", "560"},
        {"mmo1", "mmo1\r\n"}, {"lbl7", kWidget}};
    for (const auto& [control, value] : texts)
        EXPECT_EQ(w->text(control), value) << control.toStdString();
    const generators::LiutumingxingInput defaults;
    for (int k = 1; k <= 6; ++k) {
        EXPECT_TRUE(w->text(QString("edt%1").arg(5 * k - 4)).startsWith("https://")) << k;
        // The window starts from the defaults the snippet's input has.
        EXPECT_EQ(w->text(QString("edt%1").arg(5 * k - 4)), defaults.pictures[k - 1]) << k;
        EXPECT_EQ(w->text(QString("edt%1").arg(5 * k - 3)), defaults.thumbnails[k - 1]) << k;
        EXPECT_TRUE(w->text(QString("edt%1").arg(5 * k - 3)).startsWith("https://")) << k;
        EXPECT_EQ(w->text(QString("edt%1").arg(5 * k - 2)), "#") << k;
        EXPECT_EQ(w->text(QString("edt%1").arg(5 * k - 1)), "一句话简介概述该产品的描述信息") << k;
        EXPECT_EQ(w->text(QString("edt%1").arg(5 * k)), "RMB:89.00") << k;
        EXPECT_EQ(w->text(QString("btn%1").arg(k)), "复") << k;
    }
    testing::expectUnseen(w, {"lbl7", "lbl9", "lbl10", "pnl1"}, {"mmo1"});
    testing::expectOpensFromThumbnail("img56", "Tfrmliutumingxing");
}

// 提取代码 builds from what the fields hold, each field in its place, and
// copies; the widths follow the shop type.
TEST_F(LiutumingxingTest, GenerateBuildsFromTheFieldsPerShopType) {
    typeGroups();
    w->setText("edt31", "C-colour");
    const struct {
        QString type, total, picture;
    } cases[] = {{"集市店", "950", "560"}, {"天猫店", "990", "600"}};
    for (const auto& c : cases) {
        fake().reset();
        w->setText("cbb1", c.type);
        EXPECT_EQ(w->text("lbl9"), c.total);
        EXPECT_EQ(w->text("lbl10"), c.picture);
        w->fire("btn7Click");
        generators::LiutumingxingInput in = typedGroups();
        in.buttonColour = "C-colour";
        in.width = c.total;
        in.pictureWidth = c.picture;
        const QString want = generators::liutumingxingSnippet(in);
        EXPECT_EQ(w->text("mmo1"), want) << c.type.toStdString();
        EXPECT_EQ(fake().clipboard, want);
        EXPECT_EQ(fake().lastMessage().text, kMessage);
        EXPECT_EQ(fake().lastMessage().title, "提示信息");
        EXPECT_EQ(fake().lastMessage().owner, "Tfrmliutumingxing");
    }
    w->setText("cbb1", "天猫");
    EXPECT_EQ(w->text("lbl9"), "990");
    EXPECT_EQ(w->text("lbl10"), "600");
    w->setText("cbb1", "集市店");
    EXPECT_EQ(w->text("lbl9"), "950");
    EXPECT_EQ(w->text("lbl10"), "560");
}

TEST_F(LiutumingxingTest, CopyButtonGivesTheLargePictureToItsOwnThumbnailOnly) {
    for (int k = 1; k <= 6; ++k) {
        typeGroups();
        fake().reset();
        w->fire(QString("btn%1Click").arg(k));
        for (int g = 1; g <= 6; ++g) {
            EXPECT_EQ(w->text(QString("edt%1").arg(5 * g - 4)), item("B", g));
            EXPECT_EQ(w->text(QString("edt%1").arg(5 * g - 3)), g == k ? item("B", g) : item("S", g))
                << k << g;
            EXPECT_EQ(w->text(QString("edt%1").arg(5 * g - 2)), item("L", g));
        }
        EXPECT_EQ(fake().callsOf("messageBox").size(), 1);
        EXPECT_EQ(fake().lastMessage().text, "大图地址已经复制给小图！");
        EXPECT_FALSE(fake().clipboardSet);
    }
}

TEST_F(LiutumingxingTest, ReferencePanelShowsOverItsButtonAndHidesOverTheBackground) {
    QWidget* panel = w->control<QWidget>("pnl1");
    EXPECT_TRUE(panel->isHidden());
    EXPECT_TRUE(w->hasHandler("btn8MouseMove"));
    EXPECT_TRUE(w->hasHandler("FormMouseMove"));
    testing::pointerMoves(w->control<QWidget>("btn8"));
    EXPECT_FALSE(panel->isHidden());
    // Over a control the panel stays; over the window's background it goes.
    testing::pointerMoves(w->control<QWidget>("edt31"));
    EXPECT_FALSE(panel->isHidden());
    testing::pointerMoves(w);
    EXPECT_TRUE(panel->isHidden());
}

} // namespace
