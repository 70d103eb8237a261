#include "tests/description/assistant_support.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

using testing::AssistantTest;

class SectionsTest : public AssistantTest {
protected:
    // Renders with a render button and checks the code box and the preview page.
    void expectRender(const char* handler, const QString& expected) {
        const int before = browser()->navigations.size();
        w->fire(handler);
        EXPECT_EQ(code(), expected);
        // The page holds the code's lines, each followed by CR LF.
        const QString lines = expected.isEmpty() || expected.endsWith("\r\n") ? expected : expected + "\r\n";
        EXPECT_EQ(testing::fileBytes(page()), testing::gbk(lines));
        EXPECT_EQ(browser()->navigations.size(), before + 1);
        EXPECT_EQ(browser()->navigations.last(), page());
    }
    // A render that stops: the code box and the preview stay as they were.
    void expectStop(const char* handler, const QString& failure) {
        w->setText("mmodaima", "previous");
        const int before = browser()->navigations.size();
        const QByteArray shown = testing::fileBytes(page());
        // The handler ends in the generic error box with the failure's message.
        auto& recorder = dynamic_cast<testing::FakePlatform&>(core::platform());
        recorder.calls.clear();
        w->fire(handler);
        EXPECT_EQ(recorder.callsOf("messageBox").size(), 1);
        EXPECT_EQ(recorder.lastMessage().text, failure);
        EXPECT_EQ(recorder.lastMessage().title, recorder.applicationTitle());
        EXPECT_EQ(code(), "previous");
        EXPECT_EQ(browser()->navigations.size(), before);
        EXPECT_EQ(testing::fileBytes(page()), shown);
    }
};

// ---- Related items ----

// One product block as the related-items render writes it.
QString product(const QString& small, const QString& priceColour, const QString& link, const QString& w,
                const QString& H, const QString& picture, const QString& h, const QString& title,
                const QString& price) {
    return "<a style=\"text-decoration:none; color:" + small + ";font-size:14px;\"  href=\"" + link +
           "\" target=\"_blank\"><li style=\"width:" + w + "px; height:" + H +
           "px; float:left;overflow:hidden; text-decoration:none; margin-right:10px; text-align:center;\">"
           "<img src=\"" +
           picture + "\" width=\"" + w + "\" height=\"" + h +
           "\" /><div style=\"font-size:14px;font-family:arial; height:60px;\"><div "
           "style=\"line-height:30px; "
           "margin-top:5px; color:" +
           small + ";font-family:Microsoft YaHei\">" + title +
           "</div><div style=\"font-size:18px; color:" + priceColour +
           "\"><span style=\"font-size:12px;font-family:Microsoft YaHei\">￥</span>" + price +
           "</div></div></li></a>\r\n";
}

QString relatedFrame(const QString& W, const QString& H, const QString& blocks) {
    return "<div style=\"width:" + W + "px; height:" + H +
           "px; overflow:hidden; font-family:Microsoft YaHei\"><div style=\"width:850px; height:" + H +
           "px;\">" + blocks + "</div></div>";
}

TEST_F(SectionsTest, RelatedItemsDefaultsWithFourColumns) {
    EXPECT_EQ(w->text("edtzise"), "#999");
    EXPECT_EQ(w->text("edt23"), "#F30");
    EXPECT_EQ(w->text("mmothree"), "#|#|#|#\r\n");
    EXPECT_EQ(w->text("mmoone"), QString("披肩中老年蝙蝠外套|\r\n").repeated(4));
    EXPECT_EQ(w->text("mmoguanlianjiage"), "59.00|\r\n68.00|\r\n59.00|\r\n63.00|\r\n");
    const QStringList samples = w->text("mmotwo").split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(samples.size(), 4);
    for (const QString& line : samples)
        EXPECT_TRUE(line.endsWith("|"));
    EXPECT_EQ(w->control<core::RadioGroup>("rgleixing")->items(), QStringList({"图文4列", "图文3列"}));

    chooseLayout(0);
    EXPECT_EQ(w->text("lblzonggao"), "310");
    EXPECT_EQ(w->text("lbltukuan"), "180");
    EXPECT_EQ(w->text("lbltugao"), "270");
    QString blocks;
    const QString prices[] = {"59.00", "68.00", "59.00", "63.00"};
    for (int i = 0; i < 4; ++i)
        blocks += product("#999", "#F30", "#", "180", "340", samples[i].chopped(1), "270",
                          "披肩中老年蝙蝠外套", prices[i]);
    expectRender("btn14Click", relatedFrame("750", "340", blocks));
    // The lists were trimmed and written back: no line break at the end any more.
    EXPECT_EQ(w->text("mmothree"), "#|#|#|#");
    EXPECT_EQ(w->text("mmoguanlianjiage"), "59.00|\r\n68.00|\r\n59.00|\r\n63.00|");
}

TEST_F(SectionsTest, RelatedItemsLayoutsByShopType) {
    const struct {
        int shop, layout;
        QString W, w, h, H;
        int n;
    } cases[] = {
        {0, 0, "750", "180", "270", "340", 4},
        {0, 1, "750", "243", "320", "390", 3},
        {1, 0, "790", "190", "270", "340", 4},
        {1, 1, "790", "256", "270", "340", 3},
    };
    for (const auto& c : cases) {
        w->control<core::RadioGroup>("rg1")->setItemIndex(c.shop);
        chooseLayout(c.layout);
        w->setText("mmotwo", " P0|P1 |\r\nP2|P3\r\n");
        w->setText("mmothree", "L0|L1|L2|L3");
        w->setText("mmoone", "T0|T1|T2|T3");
        w->setText("mmoguanlianjiage", "1.0|2.0|3.0|4.0");
        w->setText("edtzise", "#S");
        w->setText("edt23", "#R");
        QString blocks;
        for (int i = 0; i < c.n; ++i) {
            const QString k = QString::number(i);
            blocks +=
                product("#S", "#R", "L" + k, c.w, c.H, "P" + k, c.h, "T" + k, QString::number(i + 1) + ".0");
        }
        expectRender("btn14Click", relatedFrame(c.W, c.H, blocks));
        EXPECT_EQ(w->text("mmotwo"), "P0|P1 |\r\nP2|P3");
        w->control<core::RadioGroup>("rg1")->setItemIndex(1 - c.shop);
    }
}

TEST_F(SectionsTest, RelatedItemsAskForALayoutFirstAndStopOnShortLists) {
    w->setText("mmothree", "  L0|L1|L2|L3 \r\n");
    w->setText("mmodaima", "previous");
    w->fire("btn14Click");
    EXPECT_EQ(fake().lastMessage().text, "请选择生成类型后再生成代码！");
    EXPECT_EQ(fake().lastMessage().title, "提示信息");
    EXPECT_EQ(code(), "previous");
    EXPECT_EQ(w->text("mmothree"), "L0|L1|L2|L3");
    EXPECT_FALSE(QFile::exists(page()));

    // A shop-type change drops the layout again.
    chooseLayout(1);
    w->control<core::RadioGroup>("rg1")->setItemIndex(1);
    fake().calls.clear();
    w->fire("btn14Click");
    EXPECT_EQ(fake().lastMessage().text, "请选择生成类型后再生成代码！");

    chooseLayout(0);
    w->setText("mmothree", "L0|L1|L2");
    expectStop("btn14Click", "List index out of bounds (3)");
}

// ---- Divider bar ----

QString divider(const QString& W, const QString& back, const QString& size, const QString& lineColour,
                const QString& lineWidth, const QString& high, const QString& titleColour,
                const QString& title, const QString& rightColour, const QString& right) {
    return "<div style=\"width:" + W + "px;height:40px; background-color:" + back +
           "; line-height:40px; font-size:" + size +
           "px; font-family:Microsoft YaHei;border-bottom:" + lineColour + " " + lineWidth +
           "px solid;margin:10px 0\"><div style=\"float:left; height:40px; padding:0px "
           "30px;background-color:" +
           high + ";color:" + titleColour + "\">" + title +
           "</div><div style=\"float:right; height:40px; padding:0 30px;color:" + rightColour +
           "; font-size:14px\">" + right + "</div></div>";
}

TEST_F(SectionsTest, DividerBarDefaultsAndTypedValues) {
    expectRender("btn15Click", divider("750", "#F3F3F3", "16", "#8080FF", "0", "#c0c0c0", "#fff", "产品参数",
                                       "#808080", "欢迎光临本店"));
    const QStringList sizes = {"12", "14", "15", "16", "18", "24"};
    QStringList items;
    auto* cbb1 = w->control<QComboBox>("cbb1");
    for (int i = 0; i < cbb1->count(); ++i)
        items << cbb1->itemText(i);
    EXPECT_EQ(items, sizes);

    w->control<core::RadioGroup>("rg1")->setItemIndex(1);
    const struct {
        const char* name;
        const char* value;
    } typed[] = {{"edt1", "#B1"}, {"edt24", "#H2"}, {"cbb2", "3"},     {"edt2", "#L3"}, {"edt3", "标题"},
                 {"edt4", "#T4"}, {"cbb1", "24"},   {"edt25", "右边"}, {"edt28", "#R5"}};
    for (const auto& t : typed)
        w->setText(t.name, t.value);
    expectRender("btn15Click", divider("790", "#B1", "24", "#L3", "3", "#H2", "#T4", "标题", "#R5", "右边"));
}

TEST_F(SectionsTest, ColourFieldsTakeTheChosenColourAsBackground) {
    fake().colors.enqueue(QColor(0x12, 0x34, 0xab));
    w->fire("edt1DblClick");
    EXPECT_EQ(w->text("edt1"), "#1234AB");
    EXPECT_EQ(w->control<QLineEdit>("edt1")->palette().color(QPalette::Base), QColor(0x12, 0x34, 0xab));
    // A cancelled chooser changes nothing.
    w->setText("edtzise", "#999");
    w->fire("edtziseDblClick");
    EXPECT_EQ(w->text("edtzise"), "#999");
}

// ---- Coupons ----

QString coupon(int i, const QString& text, const QString& link, const QString& back, const QString& tab,
               const QString& tabText, const QString& amount, const QString& condition) {
    return "<a style=\"text-decoration:none; color:" + text + "\" href=\"" + link + "\" target=\"_blank\">" +
           (i == 0 ? QString("<div style=\"width:32%;height:100px; float:left; background-color:")
                   : QString("<div style=\"width:32%;margin-left:1.9%;height:100px; float:left; "
                             "background-color:")) +
           back +
           "\">    <div style=\"font-size:14px;float:left;width:15px; line-height:13px; margin-top:0px; "
           "background-color:" +
           tab + "; padding:8px 5px;color:" + tabText +
           "\">领取</div><div style=\"float:left;line-height:100px;font-size:60px; font-family:arial; "
           "padding-right:5px; font-weight:600; width:100px; text-align:center\">" +
           amount +
           "</div>       <div style=\"font-size:18px;float:left;height:100px;\"><div "
           "style=\"margin-top:23px;font-size:24px\">优惠券</div><div style=\"margin-top:0px; "
           "font-size:14px\">" +
           condition + "</div></div></div></a>\r\n";
}

QString couponFrame(const QString& W, const QString& blocks) {
    return "<div style=\"width:" + W +
           "px; height:100px;font-family:Microsoft YaHei; margin:10px 0;overflow:hidden\">" + blocks +
           "</div>";
}

TEST_F(SectionsTest, CouponsDefaultsAndTypedLists) {
    EXPECT_EQ(w->text("mmojine"), "10|20|50\r\n");
    EXPECT_EQ(w->text("mmoshuoming"), "满100元使用|\r\n满200元使用|\r\n满300元使用|\r\n");
    EXPECT_EQ(w->text("mmolianjie"), "#|#|#\r\n");
    const QString amounts[] = {"10", "20", "50"};
    QString blocks;
    for (int i = 0; i < 3; ++i)
        blocks += coupon(i, "#FFF", "#", "#66F", "#F60", "#FFF", amounts[i],
                         "满" + QString::number(i + 1) + "00元使用");
    expectRender("btn16Click", couponFrame("750", blocks));

    w->control<core::RadioGroup>("rg1")->setItemIndex(1);
    const struct {
        const char* name;
        const char* value;
    } typed[] = {{"edt5", "#B"}, {"edt6", "#T"}, {"edt7", "#G"}, {"edt8", "#L"}};
    for (const auto& t : typed)
        w->setText(t.name, t.value);
    w->setText("mmojine", "1 | 2|\r\n3|4");
    w->setText("mmoshuoming", "\"c 0\"|c1|c2");
    w->setText("mmolianjie", "u0|u1|u2|");
    blocks.clear();
    const QString conditions[] = {"c 0", "c1", "c2"};
    for (int i = 0; i < 3; ++i)
        blocks += coupon(i, "#T", "u" + QString::number(i), "#B", "#G", "#L", QString::number(i + 1),
                         conditions[i]);
    expectRender("btn16Click", couponFrame("790", blocks));
}

TEST_F(SectionsTest, CouponsStopAtTheThirdCouponOfAShortList) {
    w->setText("mmojine", "10|20");
    expectStop("btn16Click", "List index out of bounds (2)");
    EXPECT_EQ(w->text("mmojine"), "10|20");
}

// ---- Combo offer ----

QString combo(const QString& W, const QString& w, const QStringList& f) {
    // f: picture 1, title 1, link 1, picture 2, title 2, link 2, old price, price, button, text, buy link
    return "<div style=\"width:" + W +
           "px; height:270px;font-family:Microsoft YaHei; margin:10px 0; padding:1%; border:1px #F0F0F0 "
           "solid\">"
           "<a style=\"text-decoration:none\" href=\"" +
           f[2] + "\" target=\"_blank\">  <div style=\"width:" + w +
           "px; height:270px;float:left\">  \t<img src=\"" + f[0] + "\"  width=\"" + w +
           "\"/>    <div style=\"text-align:center; font-size:15px; margin-top:10px; color:#333\">" + f[1] +
           "</div>  </div></a>  <div style=\"width:5%; height:225px; float:left; font-size:36px; "
           "line-height:225px; "
           "text-align:center; color:#333\">+</div><a style=\"text-decoration:none\" href=\"" +
           f[5] + "\" target=\"_blank\">  <div style=\"width:" + w +
           "px; height:270px;float:left\">  \t<img src=\"" + f[3] + "\"  width=\"" + w +
           "\"/>    <div style=\"text-align:center; font-size:15px; margin-top:10px;color:#333\">" + f[4] +
           "</div>  </div></a>  <div style=\"width:" + w +
           "px; height:270px; float:right;\">  \t<div style=\"line-height:45px; text-align:center; "
           "background-color:#ccc; font-size:23px; color:#FFF; font-weight:600\">搭配套餐</div><div "
           "style=\"line-height:45px; text-align:center;font-size:16px; color:#999\">—— 原价:" +
           f[6] +
           " ——</div>    <div style=\"line-height:30px; text-align:center;font-size:16px; "
           "color:#333\">【划算套餐价】</div>    <div style=\"line-height:50px; "
           "text-align:center;font-size:36px; "
           "font-family:arial; color:#F30\"><span style=\" font-family: Microsoft YaHei\">￥</span>" +
           f[7] + "</div><a style=\"text-decoration:none;color:" + f[9] + "\" href=\"" + f[10] +
           "\" target=\"_blank\">    <div style=\"line-height:40px; text-align:center;font-size:16px; "
           "background-color:" +
           f[8] + "; margin-top:10px;\">立即购买</div></a>  </div></div>";
}

TEST_F(SectionsTest, ComboOfferSetsTheImageWidthByShopType) {
    const QString sample = w->text("edt9");
    EXPECT_FALSE(sample.isEmpty());
    EXPECT_EQ(w->text("edt12"), sample);
    EXPECT_EQ(w->text("btn7"), "预览");
    expectRender("btn7Click", combo("750", "220",
                                    {sample, "华为荣耀，闪耀全城", "#", sample, "华为荣耀，闪耀全城", "#",
                                     "1696.0", "696.0", "#66F", "#fff", "#"}));
    EXPECT_EQ(w->text("lbltukuan"), "220");

    const QStringList typed = {"P1", "T1", "L1", "P2", "T2", "L2", "9.9", "1.1", "#B", "#C", "BUY"};
    const char* names[] = {"edt9",  "edt10", "edt11", "edt12", "edt13", "edt14",
                           "edt15", "edt16", "edt17", "edt18", "edt19"};
    for (int i = 0; i < typed.size(); ++i)
        w->setText(names[i], typed[i]);
    w->control<core::RadioGroup>("rg1")->setItemIndex(1);
    expectRender("btn7Click", combo("790", "230", typed));
    EXPECT_EQ(w->text("lbltukuan"), "230");
}

TEST_F(SectionsTest, ComboOfferWidthCarriesIntoTheNextRelatedItemsRender) {
    chooseLayout(0);
    w->fire("btn7Click");
    for (const char* list : {"mmotwo", "mmothree", "mmoone", "mmoguanlianjiage"})
        w->setText(list, "a|b|c|d");
    w->fire("btn14Click");
    EXPECT_TRUE(code().contains("<li style=\"width:220px; height:340px;"));
    EXPECT_TRUE(code().contains("\" width=\"220\" height=\"270\" />"));
}

} // namespace
