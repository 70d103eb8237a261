#include "generators/carousels/wutuzuolunbo.h"
#include "tests/generators/carousels/combo_items.h"
#include "tests/generators/carousels/multi_carousel.h"

#include <gtest/gtest.h>

namespace {

const QString kWidget =
    "<div class=\"J_TWidget\" data-widget-type=\"Carousel\" data-widget-config=\"{'effect': 'scrollx',"
    "'contentCls':'kavri_130cont','prevBtnCls': 'kavri_130shang',\r\n 'nextBtnCls': 'kavri_130xia',"
    "'navCls':'kavri_130nav', 'autoplay':true}\">";

const QString kMessage = "代码已被复制，可以到店铺的自定义进行粘贴了！";

// Carousel picture Pk in edt(2k-1) with link Ak in edt(2k); square Qk in edt(2k+7) with link Bk in edt(2k+8).
QString square(const QString& margins, int k) {
    return "<div style=\"width:265px; height:265px; float:left;" + margins + "\"><a href=\"B" +
           QString::number(k) + "\" target=\"_blank\"><img src=\"Q" + QString::number(k) +
           "\" width=\"265\" height=\"265\"></a></div>";
}

QString expected(const QString& t, const QString& w) {
    QString out = "<div style=\"width:" + t + "px; height:540px; background-color:#FFF\">";
    out += "<div style=\"width:" + w + "px; height:540px; float:left\">" + kWidget;
    out += "<div style=\"width:" + w + "px; height:540px; overflow:hidden\"><div class=\"kavri_130cont\">";
    for (int k = 1; k <= 4; ++k)
        out += "<div style=\"width:" + w + "px; height:540px;\"><a href=\"A" + QString::number(k) +
               "\" target=\"_blank\"><img src=\"P" + QString::number(k) + "\" width=\"" + w +
               "\" height=\"540\"></a></div>";
    out += "</div></div>";
    out +=
        "<div class=\"kavri_130shang\" style=\"width:40px; height:80px; font-family:Simhei; font-size:30px; "
        "background-color:#000; text-align:center; line-height:80px; position:relative; left:auto; "
        "top:-300px;color:#FFF;cursor:pointer;filter:alpha(Opacity=30); opacity: 0.3;\"><</div>";
    out += "<div class=\"kavri_130xia\" style=\"width:40px; height:80px; font-family:Simhei; font-size:30px; "
           "background-color:#000; text-align:center; line-height:80px;position:relative; right:auto; "
           "top:-380px; float:right; color:#FFF;cursor:pointer;filter:alpha(Opacity=30); opacity: "
           "0.3;\">></div>";
    out += "</div></div>";
    out += "<div style=\"width:540px; height:540px; float:left; margin-left:10px;\">";
    out += square("", 1);
    out += square("margin-left:10px;", 2);
    out += square("margin-top:10px;", 3);
    out += square("margin-left:10px;margin-top:10px;", 4);
    return out + "</div></div>";
}

// The fields as typeFields() types them.
generators::WutuzuolunboInput typedFields() {
    generators::WutuzuolunboInput in;
    for (int k = 1; k <= 4; ++k) {
        in.pictures[k - 1] = QString("P%1").arg(k);
        in.links[k - 1] = QString("A%1").arg(k);
        in.squares[k - 1] = QString("Q%1").arg(k);
        in.squareLinks[k - 1] = QString("B%1").arg(k);
    }
    return in;
}

// The snippet from the carousel's fields, without its window: each square
// on its own link.
TEST(WutuzuolunboSnippet, WidthsWithEachSquareOnItsOwnLink) {
    generators::WutuzuolunboInput in = typedFields();
    const struct { QString total, width; } cases[] = {{"950", "400"}, {"990", "440"}};
    for (const auto& c : cases) {
        in.width = c.total;
        in.carouselWidth = c.width;
        EXPECT_EQ(generators::wutuzuolunboSnippet(in), expected(c.total, c.width)) << c.total.toStdString();
    }
}

TEST(WutuzuolunboSnippet, EmptyFieldsGiveEmptyInsertions) {
    generators::WutuzuolunboInput in = typedFields();
    in.squares[0] = "";
    in.links[0] = "";
    const QString snippet = generators::wutuzuolunboSnippet(in);
    EXPECT_TRUE(snippet.contains("<a href=\"\" target=\"_blank\"><img src=\"P1\" width=\"400\""));
    EXPECT_TRUE(snippet.contains("<a href=\"B1\" target=\"_blank\"><img src=\"\" width=\"265\""));
}

class WutuzuolunboTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = testing::form("Tfrmwutuzuolunbo");
        w->setText("cbb1", "集市店");
    }
    void typeFields() {
        for (int k = 1; k <= 4; ++k) {
            w->setText(QString("edt%1").arg(2 * k - 1), QString("P%1").arg(k));
            w->setText(QString("edt%1").arg(2 * k), QString("A%1").arg(k));
            w->setText(QString("edt%1").arg(2 * k + 7), QString("Q%1").arg(k));
            w->setText(QString("edt%1").arg(2 * k + 8), QString("B%1").arg(k));
        }
    }
    core::Form* w = nullptr;
};

// Runs first: the window as start-up made it.
TEST_F(WutuzuolunboTest, Defaults) {
    EXPECT_EQ(w->windowTitle(), "五图排版左图轮播");
    EXPECT_EQ(w->size(), QSize(773, 513));
    EXPECT_EQ(testing::comboItems(w, "cbb1"), QStringList({"集市店", "天猫店"}));
    EXPECT_EQ(w->text("lbl1"), "400");
    EXPECT_EQ(w->text("lbl2"), "950");
    EXPECT_EQ(w->text("lbl6"), kWidget);
    EXPECT_EQ(w->text("mmo1"), "mmo1\r\n");
    EXPECT_EQ(w->text("btn2"), "生成代码");
    EXPECT_EQ(w->text("btn1"), "参照图");
    for (int n = 1; n <= 16; ++n)
        if (n % 2 == 0)
            EXPECT_EQ(w->text(QString("edt%1").arg(n)), "#") << n;
        else
            EXPECT_TRUE(w->text(QString("edt%1").arg(n)).startsWith("https://")) << n;
    // The window starts from the defaults the snippet's input has.
    const generators::WutuzuolunboInput defaults;
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(w->text(QString("edt%1").arg(2 * k - 1)), defaults.pictures[k - 1]);
        EXPECT_EQ(w->text(QString("edt%1").arg(2 * k + 7)), defaults.squares[k - 1]);
    }
    testing::expectUnseen(w, {"lbl2", "lbl6", "pnl1"}, {"mmo1"});
    testing::expectOpensFromThumbnail("img58", "Tfrmwutuzuolunbo");
}

// 生成代码 builds from what the fields hold, each field in its place, and
// copies; the widths follow the shop type.
TEST_F(WutuzuolunboTest, GenerateBuildsFromTheFieldsPerShopType) {
    typeFields();
    const struct {
        QString type, total, width;
    } cases[] = {{"集市店", "950", "400"}, {"天猫店", "990", "440"}, {"集市店", "950", "400"}};
    for (const auto& c : cases) {
        fake().reset();
        w->setText("cbb1", c.type);
        EXPECT_EQ(w->text("lbl1"), c.width);
        EXPECT_EQ(w->text("lbl2"), c.total);
        w->fire("btn2Click");
        generators::WutuzuolunboInput in = typedFields();
        in.width = c.total;
        in.carouselWidth = c.width;
        const QString want = generators::wutuzuolunboSnippet(in);
        EXPECT_EQ(w->text("mmo1"), want) << c.type.toStdString();
        EXPECT_EQ(fake().clipboard, want);
        EXPECT_EQ(fake().lastMessage().text, kMessage);
        EXPECT_EQ(fake().lastMessage().title, "提示信息");
        EXPECT_EQ(fake().lastMessage().owner, "Tfrmwutuzuolunbo");
    }
}

TEST_F(WutuzuolunboTest, ATypedShopTypeThatIsNoItemCountsAsTmall) {
    w->setText("cbb1", "集");
    EXPECT_EQ(w->text("lbl1"), "440");
    EXPECT_EQ(w->text("lbl2"), "990");
    w->setText("cbb1", "集市店");
    EXPECT_EQ(w->text("lbl1"), "400");
    EXPECT_EQ(w->text("lbl2"), "950");
}

TEST_F(WutuzuolunboTest, ReferencePanelFollowsThePointer) {
    QWidget* panel = w->control<QWidget>("pnl1");
    EXPECT_TRUE(panel->isHidden());
    testing::pointerMoves(w->control<QWidget>("btn1"));
    EXPECT_FALSE(panel->isHidden());
    testing::pointerMoves(w->control<QWidget>("grp1"));
    EXPECT_TRUE(panel->isHidden());
    EXPECT_TRUE(w->hasHandler("btn1MouseMove"));
    EXPECT_TRUE(w->hasHandler("grp1MouseMove"));
}

} // namespace
