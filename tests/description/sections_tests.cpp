#include "description/assistant.h"
#include "description/sections.h"
#include "tests/description/assistant_support.h"
#include "tests/description/http_server.h"
#include "tests/tools/images/hostile.h"

#include <QBuffer>
#include <QImage>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using testing::AssistantTest;
using namespace description;

// A build's field updates as "control=text", in order.
class SectionsTest : public AssistantTest {
protected:
    // Renders with a render button and checks the code box and the preview page.
    void expectRender(const char* handler, const QString& expected) {
        const int before = browser()->navigations.size();
        testing::fireAndSettle(w, handler);
        EXPECT_EQ(code(), expected);
        // The page holds the code box's text exactly.
        EXPECT_EQ(testing::fileBytes(page()), testing::gbk(expected));
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
        testing::fireAndSettle(w, handler);
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

// The layout choice's size labels, and the section by layout and width.
TEST(SectionHtml, RelatedItemsByLayoutAndWidth) {
    const struct {
        int layout;
        QString W, total, w, h, H;
        int n;
    } cases[] = {
        {0, "750", "310", "180", "270", "340", 4},
        {1, "750", "360", "243", "320", "390", 3},
        {0, "790", "310", "190", "270", "340", 4},
        {1, "790", "360", "256", "270", "340", 3},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(testing::updatesOf(relatedItemsLayoutSizes(c.layout, c.W)),
                  QStringList({"lblzonggao=" + c.total, "lbltukuan=" + c.w, "lbltugao=" + c.h}));
        RelatedItemsInput in;
        in.width = c.W;
        in.layout = c.layout;
        in.totalHeight = c.total;
        in.imageWidth = c.w;
        in.imageHeight = c.h;
        in.pictures = " P0|P1 |\r\nP2|P3\r\n";
        in.links = "L0|L1|L2|L3";
        in.titles = "T0|T1|T2|T3";
        in.prices = "1.0|2.0|3.0|4.0";
        in.smallColour = "#S";
        in.priceColour = "#R";
        QString blocks;
        for (int i = 0; i < c.n; ++i) {
            const QString k = QString::number(i);
            blocks +=
                product("#S", "#R", "L" + k, c.w, c.H, "P" + k, c.h, "T" + k, QString::number(i + 1) + ".0");
        }
        const core::Built built = relatedItemsHtml(in);
        EXPECT_EQ(built.snippet, relatedFrame(c.W, c.H, blocks));
        EXPECT_FALSE(built.failure);
        // The lists tidied in the order they are read.
        EXPECT_EQ(testing::updatesOf(built), QStringList({"mmoone=T0|T1|T2|T3", "mmotwo=P0|P1 |\r\nP2|P3",
                                               "mmothree=L0|L1|L2|L3", "mmoguanlianjiage=1.0|2.0|3.0|4.0"}));
    }
}

TEST(SectionHtml, RelatedItemsStartValuesWithFourColumns) {
    RelatedItemsInput in;
    in.layout = 0;
    in.totalHeight = "310";
    in.imageWidth = "180";
    in.imageHeight = "270";
    QString blocks;
    const QString prices[] = {"59.00", "68.00", "59.00", "63.00"};
    // Four blocks: the default price list has a fifth, empty entry, unused.
    for (int i = 0; i < 4; ++i)
        blocks += product("#999", "#F30", "#", "180", "340", samplePicture(i + 1), "270",
                          "披肩中老年蝙蝠外套", prices[i]);
    const core::Built built = relatedItemsHtml(in);
    EXPECT_EQ(built.snippet, relatedFrame("750", "340", blocks));
    EXPECT_EQ(built.updates.last().text, "59.00|\r\n68.00|\r\n59.00|\r\n63.00|");
}

TEST(SectionHtml, RelatedItemsWithoutALayoutOnlyTidyAndShortListsFail) {
    RelatedItemsInput in;
    in.links = "  L0|L1|L2|L3 \r\n";
    core::Built built = relatedItemsHtml(in);
    EXPECT_EQ(built.snippet, "");
    EXPECT_FALSE(built.failure);
    ASSERT_EQ(built.updates.size(), 4);
    EXPECT_EQ(built.updates[2].control, "mmothree");
    EXPECT_EQ(built.updates[2].text, "L0|L1|L2|L3");

    in.layout = 1;
    in.totalHeight = "360";
    in.links = "L0|L1";
    built = relatedItemsHtml(in);
    EXPECT_EQ(built.snippet, "");
    EXPECT_EQ(built.failure, "List index out of bounds (2)");
    EXPECT_EQ(built.updates.size(), 4);
}

// The window's fields and size labels reach the section, and the tidied
// lists are written back.
TEST_F(SectionsTest, RelatedItemsRenderTheFieldsWithTheLayoutsSizes) {
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
    RelatedItemsInput in;
    in.layout = 0;
    in.totalHeight = "310";
    in.imageWidth = "180";
    in.imageHeight = "270";
    expectRender("btn14Click", relatedItemsHtml(in).snippet);
    // The lists were trimmed and written back: no line break at the end any more.
    EXPECT_EQ(w->text("mmothree"), "#|#|#|#");
    EXPECT_EQ(w->text("mmoguanlianjiage"), "59.00|\r\n68.00|\r\n59.00|\r\n63.00|");

    w->control<core::RadioGroup>("rg1")->setItemIndex(1);
    chooseLayout(1);
    EXPECT_EQ(w->text("lblzonggao"), "360");
    EXPECT_EQ(w->text("lbltukuan"), "256");
    EXPECT_EQ(w->text("lbltugao"), "270");
    in = {.width = "790",
          .layout = 1,
          .totalHeight = "360",
          .imageWidth = "256",
          .imageHeight = "270",
          .smallColour = "#S",
          .priceColour = "#R",
          .titles = "T0|T1|T2",
          .pictures = " P0|P1 |\r\nP2\r\n",
          .links = "L0|L1|L2",
          .prices = "1|2|3"};
    w->setText("edtzise", in.smallColour);
    w->setText("edt23", in.priceColour);
    w->setText("mmoone", in.titles);
    w->setText("mmotwo", in.pictures);
    w->setText("mmothree", in.links);
    w->setText("mmoguanlianjiage", in.prices);
    expectRender("btn14Click", relatedItemsHtml(in).snippet);
    EXPECT_TRUE(code().contains("<img src=\"P2\" width=\"256\" height=\"270\" />"));
    EXPECT_EQ(w->text("mmotwo"), "P0|P1 |\r\nP2");
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

TEST(SectionHtml, DividerBar) {
    EXPECT_EQ(dividerBarHtml({}), divider("750", "#F3F3F3", "16", "#8080FF", "0", "#c0c0c0", "#fff",
                                          "产品参数", "#808080", "欢迎光临本店"));
    const DividerBarInput typed{.width = "790",
                                .background = "#B1",
                                .highlight = "#H2",
                                .lineWidth = "3",
                                .lineColour = "#L3",
                                .title = "标题",
                                .titleColour = "#T4",
                                .fontSize = "24",
                                .right = "右边",
                                .rightColour = "#R5"};
    EXPECT_EQ(dividerBarHtml(typed),
              divider("790", "#B1", "24", "#L3", "3", "#H2", "#T4", "标题", "#R5", "右边"));
}

TEST_F(SectionsTest, DividerBarRendersItsFields) {
    expectRender("btn15Click", dividerBarHtml({}));
    const QStringList sizes = {"12", "14", "15", "16", "18", "24"};
    QStringList items;
    auto* cbb1 = w->control<QComboBox>("cbb1");
    for (int i = 0; i < cbb1->count(); ++i)
        items << cbb1->itemText(i);
    EXPECT_EQ(items, sizes);

    w->control<core::RadioGroup>("rg1")->setItemIndex(1);
    const struct {
        const char* name;
        QString DividerBarInput::*value;
    } fields[] = {{"edt1", &DividerBarInput::background},  {"edt24", &DividerBarInput::highlight},
                  {"cbb2", &DividerBarInput::lineWidth},   {"edt2", &DividerBarInput::lineColour},
                  {"edt3", &DividerBarInput::title},       {"edt4", &DividerBarInput::titleColour},
                  {"cbb1", &DividerBarInput::fontSize},    {"edt25", &DividerBarInput::right},
                  {"edt28", &DividerBarInput::rightColour}};
    DividerBarInput in{.width = "790"};
    int k = 0;
    for (const auto& field : fields) {
        in.*field.value = QString("v%1").arg(++k);
        w->setText(field.name, in.*field.value);
    }
    expectRender("btn15Click", dividerBarHtml(in));
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

TEST(SectionHtml, Coupons) {
    const QString amounts[] = {"10", "20", "50"};
    QString blocks;
    for (int i = 0; i < 3; ++i)
        blocks += coupon(i, "#FFF", "#", "#66F", "#F60", "#FFF", amounts[i],
                         "满" + QString::number(i + 1) + "00元使用");
    core::Built built = couponsHtml({});
    EXPECT_EQ(built.snippet, couponFrame("750", blocks));
    EXPECT_EQ(testing::updatesOf(built),
              QStringList({"mmojine=10|20|50", "mmoshuoming=满100元使用|\r\n满200元使用|\r\n满300元使用|",
                           "mmolianjie=#|#|#"}));

    // Blanks around bars and line breaks are no entries; quotes hold blanks;
    // only the first three entries are used.
    const CouponsInput typed{.width = "790",
                             .background = "#B",
                             .text = "#T",
                             .tab = "#G",
                             .tabText = "#L",
                             .amounts = "1 | 2|\r\n3|4",
                             .conditions = "\"c 0\"|c1|c2",
                             .links = "u0|u1|u2|"};
    blocks.clear();
    const QString conditions[] = {"c 0", "c1", "c2"};
    for (int i = 0; i < 3; ++i)
        blocks += coupon(i, "#T", "u" + QString::number(i), "#B", "#G", "#L", QString::number(i + 1),
                         conditions[i]);
    built = couponsHtml(typed);
    EXPECT_EQ(built.snippet, couponFrame("790", blocks));
    EXPECT_FALSE(built.failure);
}

TEST_F(SectionsTest, CouponsRenderTheirFields) {
    EXPECT_EQ(w->text("mmojine"), "10|20|50\r\n");
    EXPECT_EQ(w->text("mmoshuoming"), "满100元使用|\r\n满200元使用|\r\n满300元使用|\r\n");
    EXPECT_EQ(w->text("mmolianjie"), "#|#|#\r\n");
    expectRender("btn16Click", couponsHtml({}).snippet);
    EXPECT_EQ(w->text("mmolianjie"), "#|#|#");

    w->control<core::RadioGroup>("rg1")->setItemIndex(1);
    const CouponsInput in{.width = "790",
                          .background = "#B",
                          .text = "#T",
                          .tab = "#G",
                          .tabText = "#L",
                          .amounts = "a0|a1|a2",
                          .conditions = "c0|c1|c2",
                          .links = " u0|u1|u2\r\n"};
    const std::pair<const char*, QString> fields[] = {{"edt5", in.background}, {"edt6", in.text},
                                                      {"edt7", in.tab},        {"edt8", in.tabText},
                                                      {"mmojine", in.amounts}, {"mmoshuoming", in.conditions},
                                                      {"mmolianjie", in.links}};
    for (const auto& [name, value] : fields)
        w->setText(name, value);
    expectRender("btn16Click", couponsHtml(in).snippet);
    EXPECT_EQ(w->text("mmolianjie"), "u0|u1|u2");
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

TEST(SectionHtml, ComboOfferWritesTheImageWidthByShopType) {
    const QString sample = samplePicture(1);
    core::Built built = comboOfferHtml({});
    EXPECT_EQ(built.snippet, combo("750", "220",
                                   {sample, "华为荣耀，闪耀全城", "#", sample, "华为荣耀，闪耀全城", "#",
                                    "1696.0", "696.0", "#66F", "#fff", "#"}));
    EXPECT_EQ(testing::updatesOf(built), QStringList({"lbltukuan=220"}));

    const QStringList typed = {"P1", "T1", "L1", "P2", "T2", "L2", "9.9", "1.1", "#B", "#C", "BUY"};
    built = comboOfferHtml({.width = "790",
                            .tmall = true,
                            .picture1 = typed[0],
                            .title1 = typed[1],
                            .link1 = typed[2],
                            .picture2 = typed[3],
                            .title2 = typed[4],
                            .link2 = typed[5],
                            .oldPrice = typed[6],
                            .price = typed[7],
                            .button = typed[8],
                            .buttonText = typed[9],
                            .buyLink = typed[10]});
    EXPECT_EQ(built.snippet, combo("790", "230", typed));
    EXPECT_EQ(testing::updatesOf(built), QStringList({"lbltukuan=230"}));
}

TEST_F(SectionsTest, ComboOfferRendersItsFieldsAndSetsTheImageWidth) {
    const QString sample = w->text("edt9");
    EXPECT_FALSE(sample.isEmpty());
    EXPECT_EQ(w->text("edt12"), sample);
    EXPECT_EQ(w->text("btn7"), "预览");
    expectRender("btn7Click", comboOfferHtml({}).snippet);
    EXPECT_EQ(w->text("lbltukuan"), "220");

    const std::pair<const char*, QString ComboOfferInput::*> fields[] = {
        {"edt9", &ComboOfferInput::picture1},  {"edt10", &ComboOfferInput::title1},
        {"edt11", &ComboOfferInput::link1},    {"edt12", &ComboOfferInput::picture2},
        {"edt13", &ComboOfferInput::title2},   {"edt14", &ComboOfferInput::link2},
        {"edt15", &ComboOfferInput::oldPrice}, {"edt16", &ComboOfferInput::price},
        {"edt17", &ComboOfferInput::button},   {"edt18", &ComboOfferInput::buttonText},
        {"edt19", &ComboOfferInput::buyLink}};
    ComboOfferInput in{.width = "790", .tmall = true};
    for (const auto& [name, value] : fields) {
        in.*value = QString("<%1>").arg(name);
        w->setText(name, in.*value);
    }
    w->control<core::RadioGroup>("rg1")->setItemIndex(1);
    expectRender("btn7Click", comboOfferHtml(in).snippet);
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

// ---- Product parameters ----

QString parametersSection(const QString& W, const QString& picture, const QString& lines) {
    return "<div style=\"width:" + W +
           "px; margin:10px 0;background-color:#f5f5f5;padding:15px 0px; height:320px; font-family:Microsoft "
           "YaHei\"><div style=\"background-color:#FFF;height:320px; margin:0px 15px;\"><div "
           "style=\"width:320px; "
           "height:320px; overflow:hidden; float:left\"><img src=\"" +
           picture +
           "\" width=\"320\"/></div><div style=\"width:320px; height:300px;float:left;line-height:30px; "
           "font-size:14px; padding:10px; background-color:#FFF; padding-left:60px; color:#999\"><div "
           "style=\"font-size:18px; font-weight:600; line-height:60px; color:#333\">参数信息 "
           "/Parameters</div>" +
           lines + "</div></div></div>";
}

TEST(SectionHtml, ParametersKeepEveryLineWithItsTrailingBlank) {
    EXPECT_EQ(
        parametersHtml({}),
        parametersSection("750", samplePicture(5),
                          "CPU型号：苹果A7 <br>\r\n屏幕尺寸：4.0英寸 <br>\r\n运行内存：1GB <br>\r\n"
                          "屏幕分辨率：1136×640像素 <br>\r\n机身容量：16GB <br>\r\n操作系统：iOS 8.0 <br>\r\n"
                          "后置相机：800万像素<br>\r\n"));
    const struct {
        QString typed, lines;
    } cases[] = {
        {"", ""},
        {"a\nb  ", "a<br>\r\nb  <br>\r\n"},
        {"  x\r\n\r\ny\r\n", "  x<br>\r\n<br>\r\ny<br>\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parametersHtml({.width = "790", .parameters = c.typed, .picture = "PIC"}),
                  parametersSection("790", "PIC", c.lines));
}

TEST_F(SectionsTest, ParametersRenderTheirFields) {
    EXPECT_EQ(w->text("mmocanshu"), "CPU型号：苹果A7 \r\n屏幕尺寸：4.0英寸 \r\n运行内存：1GB \r\n"
                                    "屏幕分辨率：1136×640像素 \r\n机身容量：16GB \r\n操作系统：iOS 8.0 \r\n"
                                    "后置相机：800万像素\r\n");
    EXPECT_FALSE(w->text("edtcanshutu").isEmpty());
    expectRender("btn18Click", parametersHtml({}));
    w->control<core::RadioGroup>("rg1")->setItemIndex(1);
    w->setText("edtcanshutu", "PIC");
    w->setText("mmocanshu", "a\nb  ");
    expectRender("btn18Click", parametersHtml({.width = "790", .parameters = "a\nb  ", .picture = "PIC"}));
}

// ---- Size chart ----

TEST(SectionHtml, SizeChartIsTheFixedTable) {
    const QString chart = sizeChartHtml();
    const QStringList lines = chart.split("\r\n");
    ASSERT_EQ(lines.size(), 55); // 54 lines, each followed by CR LF
    EXPECT_EQ(lines.last(), "");
    EXPECT_EQ(lines[0], "<div style=\"width:750px; font-family: Microsoft YaHei;\">");
    EXPECT_EQ(lines[1],
              "\t<div style=\"text-align:center; font-size:20px; line-height:80px; font-weight:100;\">"
              "产品尺码表 | 单位（cm）</div>");
    EXPECT_EQ(lines[2],
              "<table style=\"border-collapse: collapse; color: #333; font-size: 15px;\" width=\"100%\" "
              "border=\"1\" cellpadding=\"0\" cellspacing=\"0\" bordercolor=\"#999\">");
    EXPECT_EQ(lines[3], "    <tr>");
    EXPECT_EQ(lines[4], "      <td height=\"30\" align=\"center\" bgcolor=\"#E6E6E6\">尺码</td>");
    EXPECT_EQ(lines[9], "      <td height=\"30\" align=\"center\" bgcolor=\"#E6E6E6\">衣长</td>");
    EXPECT_EQ(lines[10], "    </tr>");
    // The XL row: rows start at lines 3, 11, 19, 27, 35, 43.
    const QStringList xl = {"XL", "40", "41", "42", "43", "45"};
    EXPECT_EQ(lines[35], "    <tr>");
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(lines[36 + i], "      <td height=\"25\" align=\"center\">" + xl[i] + "</td>");
    EXPECT_EQ(lines[44], "      <td height=\"25\" align=\"center\">XXL</td>");
    EXPECT_EQ(lines[49], "      <td height=\"25\" align=\"center\">50</td>");
    EXPECT_EQ(lines[51], "  </table>");
    EXPECT_EQ(lines[52], "  <div style=\"text-align:center; font-size:14px; line-height:60px; color:#999\">"
                         "备注信息：以上尺码为手工测量，可能会有1-3cm误差，实际以实物为准</div>");
    EXPECT_EQ(lines[53], "</div>");
}

TEST_F(SectionsTest, SizeChartRendersAt750EvenForTmall) {
    w->control<core::RadioGroup>("rg1")->setItemIndex(1);
    EXPECT_EQ(w->text("mmochima"), sizeChartHtml());
    expectRender("btn19Click", sizeChartHtml());
}

// ---- Product display ----

QString displayLine(const QString& picture, const QString& W) {
    return "<img style=\"margin:5px 0\" src=\"" + picture + "\" alt=\" 790.jpg\" width=\"" + W + "\"/>\r\n";
}

TEST(SectionHtml, DisplayWritesOnePictureLinePerCount) {
    QString expected;
    for (int i = 0; i < 5; ++i)
        expected += displayLine(samplePicture(11 + i), "750");
    core::Built built = productDisplayHtml({});
    EXPECT_EQ(built.snippet, expected);
    EXPECT_EQ(built.updates.size(), 1);

    const struct {
        QString count, section;
    } cases[] = {
        {"3", displayLine("A", "790") + displayLine("B", "790") + displayLine("C", "790")},
        {" 7", displayLine("A", "790") + displayLine("B", "790") + displayLine("C", "790") +
                   displayLine("D", "790") + displayLine("E", "790") + displayLine("F", "790") +
                   displayLine("G", "790")},
        {"0", ""},
        {"-2147483648", ""},
    };
    for (const auto& c : cases) {
        built = productDisplayHtml({.width = "790", .count = c.count, .pictures = "A|B|C|D|E|F|G\r\n"});
        EXPECT_EQ(built.snippet, c.section) << c.count.toStdString();
        EXPECT_EQ(testing::updatesOf(built), QStringList({"mmozhanshi=A|B|C|D|E|F|G"}));
    }
}

TEST_F(SectionsTest, DisplayRendersItsFields) {
    EXPECT_EQ(w->text("cbb3"), "5");
    EXPECT_EQ(w->text("mmozhanshi").split("\r\n", Qt::SkipEmptyParts).size(), 5);
    expectRender("btn1Click", productDisplayHtml({}).snippet);

    w->control<core::RadioGroup>("rg1")->setItemIndex(1);
    w->setText("mmozhanshi", "A|B|C|D|E|F|G\r\n");
    w->setText("cbb3", "4");
    expectRender("btn1Click",
                 productDisplayHtml({.width = "790", .count = "4", .pictures = "A|B|C|D|E|F|G"}).snippet);
    EXPECT_EQ(w->text("mmozhanshi"), "A|B|C|D|E|F|G");
}

TEST_F(SectionsTest, DisplayStopsOnShortListsAndBadCounts) {
    w->setText("mmozhanshi", "A|B|C|D|E");
    w->setText("cbb3", "6");
    expectStop("btn1Click", "List index out of bounds (5)");
    const QString longText(200000, u'9');
    for (const QString& typed : {QString(""), QString("abc"), QString("2147483648"), QString("1e309"),
                                 QString("NaN"), QString("1,5"), QString("5.0"), longText}) {
        w->setText("cbb3", typed);
        // The combo box holds at most 32767 characters of a long text.
        EXPECT_EQ(w->text("cbb3"), typed.left(32767));
        expectStop("btn1Click", "'" + w->text("cbb3") + "' is not a valid integer value");
    }
    w->setText("cbb3", "2147483647");
    expectStop("btn1Click", "List index out of bounds (5)");
}

// ---- Product details ----

QString detailsFrame(const QString& W, const QString& blocks) {
    return "<div style=\"width:" + W + "px; font-family:Microsoft YaHei; font-size:15px\">" + blocks +
           "</div>";
}

QString listBlock(const QString& W, const QString& picture, const QString& titleColour, const QString& title,
                  const QString& smallColour, const QString& description) {
    return "<img style=\"margin-top:5px;\" src=\"" + picture + "\" width=\"" + W +
           "\"/><div style=\"width:" + W + "px;\"><div style=\"font-size:21px;color:" + titleColour +
           ";margin:30px 0px; margin-bottom:5px;font-weight:600;text-align:center\">" + title +
           "</div><div style=\"color:" + smallColour +
           ";line-height:25px; padding:0 40px;margin-bottom:20px;;text-align:center\">" + description +
           "</div></div>\r\n";
}

QString overlayBlock(const QString& W, const QString& height, const QString& lift, const QString& picture,
                     const QString& titleColour, const QString& title, const QString& smallColour,
                     const QString& description) {
    return "<div style=\"width:" + W + "px; height:" + height +
           "px;overflow:hidden\"><img style=\"margin-top:5px;\" src=\"" + picture + "\" width=\"" + W +
           "\"/><div style=\"width:350px;position:relative; top:-" + lift +
           "px; left:60px;\"><div style=\"font-size:33px;color:" + titleColour +
           ";margin:30px 0px; margin-bottom:5px;font-weight:600;\">" + title +
           "</div><div style=\"color:" + smallColour + ";line-height:25px;margin-bottom:20px;\">" +
           description + "</div></div></div>\r\n";
}

TEST(SectionHtml, DetailsAsAListUseOnlyTheCountedEntries) {
    const QString words = "2016单鞋春款时尚蛋卷鞋浅口新品真皮豆豆鞋平底软底串珠水钻女鞋";
    QString blocks;
    for (int i = 0; i < 5; ++i)
        blocks += listBlock("750", samplePicture(21 + i), "#f30", "高品质面料说明", "#999", words);
    core::Built built = productDetailsHtml({});
    EXPECT_EQ(built.snippet, detailsFrame("750", blocks));
    EXPECT_EQ(built.updates.size(), 3);

    ProductDetailsInput in{.width = "790",
                           .count = "3",
                           .titleColour = "#T",
                           .smallColour = "#D",
                           .titles = "t0|t1|t2|t3",
                           .descriptions = "d0|d1|d2|d3 ",
                           .pictures = "p0|p1|p2|p3"};
    blocks.clear();
    for (const QString k : {"0", "1", "2"})
        blocks += listBlock("790", "p" + k, "#T", "t" + k, "#D", "d" + k);
    built = productDetailsHtml(in);
    EXPECT_EQ(built.snippet, detailsFrame("790", blocks));
    EXPECT_EQ(testing::updatesOf(built), QStringList({"mmoxijiebiaoti=t0|t1|t2|t3", "mmoxijieshuoming=d0|d1|d2|d3",
                                           "mmoxijietupian=p0|p1|p2|p3"}));
    // The list style measures nothing.
    const PicturesToMeasure measure = productDetailsPictures(in);
    EXPECT_TRUE(measure.pictures.isEmpty());
    EXPECT_TRUE(measure.tidied.updates.isEmpty());
}

// Over a picture 400 px high the block is clipped at 390 and the text lifted
// by 350; below 50 px the lift itself turns negative.
TEST(SectionHtml, DetailsOverlayTakeEachPicturesHeight) {
    ProductDetailsInput in{.style = 1,
                           .count = "2",
                           .titleColour = "#T",
                           .smallColour = "#D",
                           .titles = "t0|t1",
                           .descriptions = "d0|d1",
                           .pictures = " tall.jpg|low.jpg|unused.jpg",
                           .heights = {{"tall.jpg", 400}, {"low.jpg", 30}}};
    const PicturesToMeasure measure = productDetailsPictures(in);
    EXPECT_EQ(measure.pictures, QStringList({"tall.jpg", "low.jpg"}));
    EXPECT_EQ(testing::updatesOf(measure.tidied), QStringList({"mmoxijiebiaoti=t0|t1", "mmoxijieshuoming=d0|d1",
                                                    "mmoxijietupian=tall.jpg|low.jpg|unused.jpg"}));
    EXPECT_EQ(measure.tidied.snippet, "");

    core::Built built = productDetailsHtml(in);
    EXPECT_EQ(built.snippet,
              detailsFrame("750", overlayBlock("750", "390", "350", "tall.jpg", "#T", "t0", "#D", "d0") +
                                      overlayBlock("750", "20", "-20", "low.jpg", "#T", "t1", "#D", "d1")));
    EXPECT_FALSE(built.failure);

    // A picture nobody measured is no height of 0.
    in.heights.remove("low.jpg");
    built = productDetailsHtml(in);
    EXPECT_EQ(built.failure, "图片没有下载：low.jpg");
    EXPECT_EQ(built.snippet, "");
    EXPECT_EQ(built.updates.size(), 3);

    // A count that is no number stops before anything is measured, with the lists tidied.
    in.count = "abc";
    const PicturesToMeasure stopped = productDetailsPictures(in);
    EXPECT_EQ(stopped.tidied.failure, "'abc' is not a valid integer value");
    EXPECT_EQ(stopped.tidied.updates.size(), 3);
    EXPECT_TRUE(stopped.pictures.isEmpty());
}

TEST_F(SectionsTest, DetailsRenderTheirFields) {
    EXPECT_EQ(w->control<core::RadioGroup>("rg2")->items(), QStringList({"图文列表", "图文叠加"}));
    EXPECT_EQ(w->control<core::RadioGroup>("rg2")->itemIndex(), 0);
    EXPECT_EQ(w->text("mmoxijiebiaoti"), QString("高品质面料说明|\r\n").repeated(4) + "高品质面料说明\r\n");
    const QString words = "2016单鞋春款时尚蛋卷鞋浅口新品真皮豆豆鞋平底软底串珠水钻女鞋";
    EXPECT_EQ(w->text("mmoxijieshuoming"), (words + "|\r\n").repeated(4) + words + "\r\n");
    EXPECT_EQ(w->text("mmoxijietupian").split("\r\n", Qt::SkipEmptyParts).size(), 5);
    expectRender("btn11Click", productDetailsHtml({}).snippet);

    w->control<core::RadioGroup>("rg1")->setItemIndex(1);
    const ProductDetailsInput in{.width = "790",
                                 .count = "3",
                                 .titleColour = "#T",
                                 .smallColour = "#D",
                                 .titles = "t0|t1|t2|t3",
                                 .descriptions = "d0|d1|d2|d3",
                                 .pictures = "p0|p1|p2|p3\r\n"};
    w->setText("cbb4", in.count);
    w->setText("edt20", in.titleColour);
    w->setText("edt21", in.smallColour);
    w->setText("mmoxijiebiaoti", in.titles);
    w->setText("mmoxijieshuoming", in.descriptions);
    w->setText("mmoxijietupian", in.pictures);
    expectRender("btn11Click", productDetailsHtml(in).snippet);
    EXPECT_EQ(w->text("mmoxijietupian"), "p0|p1|p2|p3");

    w->setText("mmoxijieshuoming", "d0|d1");
    expectStop("btn11Click", "List index out of bounds (2)");
    w->setText("cbb4", "abc");
    expectStop("btn11Click", "'abc' is not a valid integer value");
}

// Pictures come from a real HTTP server on the loopback address through the
// real fetch service; everything else stays with the recording platform.
class DownloadingPlatform : public testing::FakePlatform {
public:
    DownloadingPlatform() { network = true; }
};

QByteArray jpegOfHeight(int height) {
    QImage image(750, height, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return bytes;
}

class DetailsOverlayTest : public SectionsTest {
protected:
    void SetUp() override {
        SectionsTest::SetUp();
        core::setPlatform(&downloading);
        w->control<core::RadioGroup>("rg2")->setItemIndex(1);
        server.files["/400.jpg"] = jpegOfHeight(400);
        server.files["/30.jpg"] = jpegOfHeight(30);
        server.files["/png.jpg"] = QByteArray("\x89PNG\r\n\x1a\n not a jpeg", 20);
    }
    void TearDown() override {
        core::setPlatform(&testing::fakePlatform());
        w->control<core::RadioGroup>("rg2")->setItemIndex(0);
        SectionsTest::TearDown();
    }
    QString scratch() const { return static_cast<description::Tfrmmain*>(w)->scratchPicture(); }
    DownloadingPlatform downloading;
    testing::LoopbackHttpServer server;
};

TEST_F(DetailsOverlayTest, MeasuresEachDownloadedPicture) {
    const QString tall = server.address("/400.jpg");
    const QString low = server.address("/30.jpg");
    w->setText("cbb4", "2");
    w->setText("mmoxijiebiaoti", "t0|t1");
    w->setText("mmoxijieshuoming", "d0|d1");
    w->setText("mmoxijietupian", tall + "|" + low);
    w->setText("edt20", "#T");
    w->setText("edt21", "#D");
    // Each picture with the height measured from its download.
    const QString expected = productDetailsHtml({.style = 1,
                                                 .count = "2",
                                                 .titleColour = "#T",
                                                 .smallColour = "#D",
                                                 .titles = "t0|t1",
                                                 .descriptions = "d0|d1",
                                                 .pictures = tall + "|" + low,
                                                 .heights = {{tall, 400}, {low, 30}}})
                                 .snippet;
    ASSERT_FALSE(expected.isEmpty());
    const int before = browser()->navigations.size();
    testing::fireAndSettle(w, "btn11Click");
    EXPECT_EQ(code(), expected);
    EXPECT_EQ(downloading.fetched(), QStringList({tall, low}));
    EXPECT_EQ(browser()->navigations.size(), before + 1);
    // The scratch picture lives outside the working folder.
    EXPECT_FALSE(scratch().isEmpty());
    EXPECT_FALSE(scratch().startsWith(folder.path()));
    EXPECT_FALSE(QFile::exists(folder.path() + "/1.jpg"));
    EXPECT_TRUE(QFile::exists(scratch()));
    w->fire("FormClose");
    EXPECT_FALSE(QFile::exists(scratch()));
}

TEST_F(DetailsOverlayTest, AFailedDownloadIsReportedAndNothingOlderIsMeasured) {
    w->setText("cbb4", "1");
    w->setText("mmoxijietupian", server.address("/400.jpg"));
    testing::fireAndSettle(w, "btn11Click");
    ASSERT_TRUE(code().contains("height:390px;"));

    // The lists are tidied before anything is fetched.
    const QString missing = server.address("/missing.jpg");
    w->setText("mmoxijietupian", " " + missing + "\r\n");
    expectStop("btn11Click", "下载“" + missing + "”失败：服务器回答 404。");
    EXPECT_EQ(w->text("mmoxijietupian"), missing);
    EXPECT_FALSE(QFile::exists(scratch()));
    w->setText("mmoxijietupian", server.address("/png.jpg"));
    expectStop("btn11Click", "图片不是JPEG格式，无法读取尺寸：" + server.address("/png.jpg"));
}

// Each hostile answer stops the render with its message inside its limit;
// the code box and the preview stay, and no scratch picture is left.
TEST_F(DetailsOverlayTest, HostileAnswersStopTheRender) {
    testing::HostileServer hostile;
    ASSERT_TRUE(hostile.running());
    w->setText("cbb4", "1");
    QList<testing::HostileRow> table = hostile.rows();
    const QString html = testing::htmlAsJpeg(hostile);
    table.append({html, "", 1000});
    const qint64 before = testing::residentBytes();
    for (const testing::HostileRow& row : table) {
        w->setText("mmoxijietupian", row.address);
        QElapsedTimer clock;
        clock.start();
        expectStop("btn11Click", row.address == html ? "图片不是JPEG格式，无法读取尺寸：" + html
                                                     : testing::hostileMessage(row));
        EXPECT_LE(clock.elapsed(), row.within) << row.address.toStdString();
        EXPECT_FALSE(QFile::exists(scratch())) << row.address.toStdString();
    }
    EXPECT_LT(testing::residentBytes() - before, testing::kResidentGrowthLimit);
}

// While a picture stalls the window keeps its countdown going, and Esc ends
// the wait at once.
TEST_F(DetailsOverlayTest, AStalledPictureCanBeCancelledWhileTheWindowLives) {
    testing::PictureServer hostile;
    ASSERT_TRUE(hostile.running());
    auto* countdown = w->control<QTimer>("tmr1");
    w->show();
    int ticks = 0;
    QObject::connect(countdown, &QTimer::timeout, w, [&ticks] { ++ticks; });
    countdown->setInterval(50);
    countdown->start();
    w->setText("mmodaima", "previous");
    w->setText("cbb4", "1");
    w->setText("mmoxijietupian", hostile.base() + "/stall/s.jpg");
    w->fire("btn11Click");
    ASSERT_TRUE(w->busy());
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks >= 5; }, 5000));
    EXPECT_TRUE(w->busy());
    QElapsedTimer clock;
    clock.start();
    QTest::keyClick(w->control<QWidget>("mmoxijietupian"), Qt::Key_Escape);
    EXPECT_FALSE(w->busy());
    EXPECT_LT(clock.elapsed(), 100);
    EXPECT_EQ(code(), "previous");
    EXPECT_TRUE(downloading.callsOf("messageBox").isEmpty());
    countdown->stop();
    countdown->setInterval(1000);
    w->hide();
}

// ---- Section title ----

QString titleSection(const QStringList& f) {
    // f: W, background, title size, line colour, line width, line style, title colour, title,
    //    subtitle size, subtitle colour, subtitle
    return "<div style=\"width:" + f[0] + "px; padding:20px 0px; background-color:" + f[1] +
           ";margin:10px 0\"><div style=\"text-align:center; font-size:" + f[2] +
           "px; font-family:Microsoft YaHei; font-weight:600;border-bottom:" + f[3] + " " + f[4] + "px " +
           f[5] + "; color:" + f[6] + "; padding-bottom:0px;\">" + f[7] +
           "</div><div style=\"padding-bottom:5px;text-align:center; font-size:" + f[8] +
           "px; font-family:arial; line-height:30px;color:" + f[9] + "\">---- " + f[10] +
           " ----</div> </div>";
}

TEST(SectionHtml, SectionTitle) {
    EXPECT_EQ(sectionTitleHtml({}),
              titleSection({"750", "#FFF", "48", "#999", "1", "dashed", "#000", "精美细致 完美品质", "14",
                            "#999", "Exquisite and perfect quality"}));
    // A width of 0 still writes the border declaration.
    EXPECT_EQ(sectionTitleHtml({.width = "790",
                                .background = "#B",
                                .titleSize = "60",
                                .titleColour = "#T",
                                .smallColour = "#S",
                                .smallSize = "24",
                                .lineWidth = "0",
                                .lineColour = "#L",
                                .lineStyle = "solid",
                                .title = "标题",
                                .subtitle = "sub"}),
              titleSection({"790", "#B", "60", "#L", "0", "solid", "#T", "标题", "24", "#S", "sub"}));
}

TEST_F(SectionsTest, SectionTitleRendersItsFields) {
    expectRender("btn21Click", sectionTitleHtml({}));
    w->control<core::RadioGroup>("rg1")->setItemIndex(1);
    const std::pair<const char*, QString SectionTitleInput::*> fields[] = {
        {"edtfengedise", &SectionTitleInput::background},
        {"cbb5", &SectionTitleInput::titleSize},
        {"edtfengebiaoti", &SectionTitleInput::titleColour},
        {"edtfengexiaozi", &SectionTitleInput::smallColour},
        {"cbb6", &SectionTitleInput::smallSize},
        {"cbb7", &SectionTitleInput::lineWidth},
        {"edtfengexian", &SectionTitleInput::lineColour},
        {"cbb8", &SectionTitleInput::lineStyle},
        {"edt26", &SectionTitleInput::title},
        {"edt27", &SectionTitleInput::subtitle}};
    SectionTitleInput in{.width = "790"};
    for (const auto& [name, value] : fields) {
        in.*value = QString("<%1>").arg(name);
        w->setText(name, in.*value);
    }
    expectRender("btn21Click", sectionTitleHtml(in));
}

// ---- Buyer's notes ----

TEST(SectionHtml, BuyersNotesRecolourEveryLabel) {
    const QString notes = buyersNotesHtml({});
    EXPECT_TRUE(notes.startsWith(
        "<div style=\"width:750px;\">  <table  style=\"font-size:14px; font-family:Microsoft "
        "YaHei; line-height:25px;border-collapse:collapse; color:#333\" width=\"100%\" "
        "cellpadding=\"0\" cellspacing=\"0\" border=\"1\" bordercolor=\"#DFDFDF\">\r\n"));
    EXPECT_TRUE(notes.endsWith("\r\n  </table>\r\n</div>"));
    EXPECT_EQ(notes.count("#F30"), 8);
    EXPECT_FALSE(notes.contains("#666666"));
    EXPECT_EQ(notes.count("\r\n"), 35);
    EXPECT_TRUE(notes.contains(
        "    <tr>\r\n      <td width=\"20%\" height=\"40\" align=\"center\" valign=\"middle\"><div "
        "style=\"height:40px; background-color:#F30; line-height:40px; color:#FFF; margin:10px; "
        "font-weight:700; "
        "font-size:15px;\">正品保障</div></td>\r\n      <td width=\"88%\" height=\"30\" "
        "valign=\"middle\"><div "
        "style=\"margin:0 20px;\">本店所售产品均为全新正品，质量保证，请放心购买！</div></td>\r\n    "
        "</tr>\r\n"));
    EXPECT_TRUE(notes.contains(
        "<td width=\"20%\" height=\"30\" align=\"center\" valign=\"middle\"><div style=\"height:40px; "
        "background-color:#F30; line-height:40px; color:#FFF; margin:10px; font-weight:700; "
        "font-size:15px;\">7天退货</div></td>\r\n      <td height=\"120\" valign=\"middle\"><div "
        "style=\"margin:0 "
        "20px;\">A."
        "本店支持7天无理由退换货服务，如果您对我们的商品不满意，在保存商品及包装原样情况下以退换一次。商品及"
        "包"
        "装原样指：商品未使用过、有吊牌、未拆标、配件齐全、未改装过、无人为损坏、不影响二次销售。\r\n      "
        "B.因质量问题造成的退换货邮费由我们承担，非质量问题造成的退换货邮费由买家承担！</div></td>\r\n"));
    EXPECT_TRUE(notes.contains(
        ">收货提醒</div></td>\r\n      <td height=\"30\" valign=\"middle\"><div "
        "style=\"margin:0 20px;\">请您务必在签收快递前，确认商品完好无损后再签收，如检验商品过程"
        "中发现缺货、少货，可以拒签并第一时间联系我们。</div></td>\r\n"));

    const QString recoloured = buyersNotesHtml({.labelColour = "#123abc"});
    EXPECT_EQ(recoloured.count("#123abc"), 8);
    EXPECT_EQ(QString(recoloured).replace("#123abc", "#F30"), notes);
}

TEST_F(SectionsTest, BuyersNotesTakeTheLabelColourAndStay750Wide) {
    w->control<core::RadioGroup>("rg1")->setItemIndex(1);
    EXPECT_EQ(w->text("edt22"), "#F30");
    // The hidden box holds the table in its own label colour.
    EXPECT_EQ(w->text("mmomaijiabidu"), core::joinLines(buyersNotesLines()));
    EXPECT_EQ(w->text("mmomaijiabidu").count("#666666"), 8);
    expectRender("btn22Click", buyersNotesHtml({}));
    w->setText("edt22", "#123abc");
    expectRender("btn22Click", buyersNotesHtml({.labelColour = "#123abc"}));
}

// ---- Custom HTML ----

TEST(SectionHtml, CustomCodeInA750Table) {
    for (const QString typed : {"", "<b>自己的</b>\r\n<i>x</i>\n"})
        EXPECT_EQ(customCodeHtml({.code = typed}),
                  "<table width=\"750\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\"><tr><td>" + typed +
                      "</td></tr></table>");
}

TEST_F(SectionsTest, CustomHtmlFillsTheCodeBoxOnly) {
    w->control<core::RadioGroup>("rg1")->setItemIndex(1);
    EXPECT_EQ(w->text("mmo34"), "");
    const int before = browser()->navigations.size();
    w->setText("mmo34", "<b>自己的</b>\r\n");
    w->fire("btn23Click");
    EXPECT_EQ(code(), customCodeHtml({.code = "<b>自己的</b>\r\n"}));
    EXPECT_EQ(browser()->navigations.size(), before);
    EXPECT_FALSE(QFile::exists(page()));
}

// ---- Preview file ----

TEST_F(SectionsTest, AnUnwritablePreviewStopsTheRenderAfterTheCodeBoxWasSet) {
    // A folder in the way of the preview file.
    ASSERT_TRUE(QDir(folder.path()).mkdir("file.html"));
    w->setText("mmodaima", "previous");
    const int before = browser()->navigations.size();
    fake().calls.clear();
    w->fire("btn15Click");
    EXPECT_TRUE(code().startsWith("<div style=\"width:750px;height:40px;"));
    ASSERT_EQ(fake().callsOf("messageBox").size(), 1);
    EXPECT_TRUE(fake().lastMessage().text.startsWith("Cannot create file \""))
        << fake().lastMessage().text.toStdString();
    EXPECT_EQ(fake().lastMessage().title, fake().applicationTitle());
    EXPECT_EQ(browser()->navigations.size(), before);
}

} // namespace
