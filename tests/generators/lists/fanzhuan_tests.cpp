#include "app/windows.h"
#include "generators/lists/fanzhuan190.h"
#include "generators/lists/fanzhuan950.h"
#include "tests/support/helpers.h"

#include <gtest/gtest.h>

namespace {

const QString kMessage = "代码已被复制，可以到店铺的自定义进行粘贴了！";
const QString kHead950 =
    "<div class=\"J_TWidget hidden ks-popup ks-overlay ks-ext-position ks-popup-hidden ks-overlay-hidden\" "
    "data-widget-config=\"{'trigger':'.rkfcEd2','align':{'node':'.rkfcEd2','offset':[0,0],'points':['cc','cc'"
    "]}}\" "
    "data-widget-type=\"Popup\" style=\"display:block;visibility:hidden;z-index:10000000;\">\r\n";

// Height h, front f, hover picture b, link l.
QString flip950(const QString& h, const QString& f, const QString& b, const QString& l) {
    return "<div class=\"rkfcEd2\" style=\"overflow:hidden;height:" + h + "px;float:left;width:950px;\">" +
           "<img  src=\"" + f + "\" style=\"float:none;margin:0px;\"  />" + kHead950 +
           "<div class=\"ks-contentbox\" style=\"width:950px;height:" + h + "px;overflow:hidden;\">" +
           "<a data-spm-anchor-id=\"a1z10.1.w5003-2708181516.2\" "
           "data-spm-wangpu-module-id=\"5003-2708181516\" "
           "href=\"" +
           l + "\" target=\"_blank\">" + "<img src=\"" + b + "\" /></a></div></div></div>";
}

// Picture p, link l.
QString flip190(const QString& p, const QString& l) {
    return "<div class=\"skin-box-bd clear-fix\"><span><div class=\"footer-more\" style=\"border:0px solid "
           "red;width:180px;height:200px;overflow:visible;padding-top:0px;margin-right:10px;float:left;\"><"
           "div "
           "class=\"footer-more-trigger\" style=\"padding:0px;border:0px solid "
           "red;left:0px;top:0px;width:180px;"
           "height:180px;overflow:hidden;margin-top:10px;\"><a class=\"arrow-d\" href=\"" +
           l +
           "\" style=\"border:0px solid "
           "red;transition:1s;transform:rotate(90deg);left:0px;top:0px;display:block;"
           "transition:all 1s;\" target=\"_blank\">" +
           "<img src=\"" + p + "\" /></a>" + "</div></div></span></div>";
}

class FlipTest : public testing::ProgramTest {
protected:
    void expectDelivered(core::Form* w, const QString& memo, const QString& want) {
        EXPECT_EQ(w->text(memo), want);
        EXPECT_EQ(fake().clipboard, want);
        EXPECT_EQ(fake().callsOf("messageBox").size(), 1);
        EXPECT_EQ(fake().lastMessage().text, kMessage);
        EXPECT_EQ(fake().lastMessage().title, "提示信息");
        EXPECT_EQ(fake().lastMessage().owner, w->objectName());
    }
    void expectOutOfSight(core::Form* w, const QString& memo) {
        EXPECT_TRUE(w->control(memo)->isHidden()) << memo.toStdString();
        EXPECT_EQ(w->control(memo)->focusPolicy(), Qt::NoFocus) << memo.toStdString();
    }
};

TEST_F(FlipTest, Flip950DefaultsAndDefaultSnippet) {
    core::Form* w = testing::form("TFrm950fanzhuan");
    EXPECT_EQ(w->windowTitle(), "950两图翻转");
    EXPECT_EQ(w->text("edt3"), "400");
    EXPECT_EQ(w->text("edt4"), "#");
    EXPECT_TRUE(w->text("edt1").startsWith("https://"));
    EXPECT_TRUE(w->text("edt2").startsWith("https://"));
    EXPECT_NE(w->text("edt1"), w->text("edt2"));
    EXPECT_EQ(w->text("btn1"), "生成并提取代码");
    EXPECT_EQ(w->text("mmo1"), kHead950);
    EXPECT_EQ(w->text("mmo2"), "mmo2\r\n");
    expectOutOfSight(w, "mmo1");
    expectOutOfSight(w, "mmo2");

    w->fire("btn1Click");
    expectDelivered(w, "mmo2", flip950("400", w->text("edt1"), w->text("edt2"), "#"));
    EXPECT_EQ(fake().clipboard, core::windowClass("TFrm950fanzhuan")->info.sample());

    // Each field in its place; pressing twice without changes gives the same text.
    fake().reset();
    w->setText("edt3", "512");
    w->setText("edt1", "F1");
    w->setText("edt2", "B2");
    w->setText("edt4", "L4");
    w->fire("btn1Click");
    expectDelivered(w, "mmo2", flip950("512", "F1", "B2", "L4"));
    const QString first = fake().clipboard;
    w->fire("btn1Click");
    EXPECT_EQ(fake().clipboard, first);
}

TEST(Fanzhuan950Snippet, FieldsAsTyped) {
    const struct {
        QString h, f, b, l;
    } cases[] = {{"512", "F1", "B2", "L4"}, {"", "", "", ""}, {"4 0 0", "a\"b", "x y", "http://l/?a=1&b=2"}};
    for (const auto& c : cases)
        EXPECT_EQ(generators::fanzhuan950Snippet({.height = c.h, .front = c.f, .back = c.b, .link = c.l}),
                  flip950(c.h, c.f, c.b, c.l));
}

TEST(Fanzhuan190Snippet, FieldsAsTyped) {
    const struct { QString p, l; } cases[] = {{"P1", "L2"}, {"P1", ""}, {"", "a\"b c"}};
    for (const auto& c : cases)
        EXPECT_EQ(generators::fanzhuan190Snippet({.picture = c.p, .link = c.l}), flip190(c.p, c.l));
}

TEST_F(FlipTest, Flip190DefaultsAndSnippets) {
    core::Form* w = testing::form("Tfrmfanzhuan190");
    EXPECT_EQ(w->windowTitle(), "190左侧图片反转效果");
    EXPECT_TRUE(w->text("edt1").startsWith("https://"));
    EXPECT_TRUE(w->text("edt1").endsWith(".png"));
    EXPECT_EQ(w->text("edt2"), "");
    EXPECT_EQ(w->text("btn1"), "提取代码");
    EXPECT_EQ(w->text("mmo1"), "mmo1\r\n");
    expectOutOfSight(w, "mmo1");

    // An empty link yields href="".
    w->fire("btn1Click");
    expectDelivered(w, "mmo1", flip190(w->text("edt1"), ""));
    EXPECT_EQ(fake().clipboard, core::windowClass("Tfrmfanzhuan190")->info.sample());
    EXPECT_TRUE(fake().clipboard.contains("href=\"\""));

    fake().reset();
    w->setText("edt1", "P1");
    w->setText("edt2", "L2");
    w->fire("btn1Click");
    expectDelivered(w, "mmo1", flip190("P1", "L2"));
}

TEST_F(FlipTest, LauncherThumbnailsOpenTheWindows) {
    core::Form* launcher = testing::form("Tfrmindex");
    const struct {
        QString image, window;
    } thumbs[] = {{"img21", "TFrm950fanzhuan"}, {"img23", "Tfrmfanzhuan190"}};
    for (const auto& s : thumbs) {
        core::Form* w = testing::form(s.window);
        w->setText("edt1", "kept");
        launcher->fire(s.image + "Click");
        EXPECT_TRUE(w->isVisible()) << s.window.toStdString();
        w->close();
        EXPECT_FALSE(w->isVisible());
        launcher->fire(s.image + "Click");
        EXPECT_EQ(app::window(s.window), w);
        EXPECT_EQ(w->text("edt1"), "kept");
        w->hide();
    }
}

} // namespace
