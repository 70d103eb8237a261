#include "description/assistant.h"
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

TEST_F(SectionsTest, ParametersKeepEveryLineWithItsTrailingBlank) {
    EXPECT_EQ(w->text("mmocanshu"), "CPU型号：苹果A7 \r\n屏幕尺寸：4.0英寸 \r\n运行内存：1GB \r\n"
                                    "屏幕分辨率：1136×640像素 \r\n机身容量：16GB \r\n操作系统：iOS 8.0 \r\n"
                                    "后置相机：800万像素\r\n");
    const QString sample = w->text("edtcanshutu");
    EXPECT_FALSE(sample.isEmpty());
    expectRender(
        "btn18Click",
        parametersSection("750", sample,
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
    w->control<core::RadioGroup>("rg1")->setItemIndex(1);
    w->setText("edtcanshutu", "PIC");
    for (const auto& c : cases) {
        w->setText("mmocanshu", c.typed);
        expectRender("btn18Click", parametersSection("790", "PIC", c.lines));
    }
}

// ---- Size chart ----

TEST_F(SectionsTest, SizeChartIsTheFixedTableAt750EvenForTmall) {
    w->control<core::RadioGroup>("rg1")->setItemIndex(1);
    w->fire("btn19Click");
    const QString chart = code();
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
    // Written to the preview as it is.
    EXPECT_EQ(testing::fileBytes(page()), testing::gbk(chart));
    EXPECT_EQ(browser()->navigations.last(), page());
}

// ---- Product display ----

TEST_F(SectionsTest, DisplayWritesOnePictureLinePerCount) {
    auto line = [](const QString& picture, const QString& W) {
        return "<img style=\"margin:5px 0\" src=\"" + picture + "\" alt=\" 790.jpg\" width=\"" + W +
               "\"/>\r\n";
    };
    EXPECT_EQ(w->text("cbb3"), "5");
    const QStringList samples = w->text("mmozhanshi").split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(samples.size(), 5);
    QString expected;
    for (int i = 0; i < 5; ++i)
        expected += line(i < 4 ? samples[i].chopped(1) : samples[i], "750");
    expectRender("btn1Click", expected);

    w->control<core::RadioGroup>("rg1")->setItemIndex(1);
    w->setText("mmozhanshi", "A|B|C|D|E|F|G");
    const struct {
        QString count, section;
    } cases[] = {
        {"3", line("A", "790") + line("B", "790") + line("C", "790")},
        {" 7", line("A", "790") + line("B", "790") + line("C", "790") + line("D", "790") + line("E", "790") +
                   line("F", "790") + line("G", "790")},
        {"0", ""},
        {"-2147483648", ""},
    };
    for (const auto& c : cases) {
        w->setText("cbb3", c.count);
        expectRender("btn1Click", c.section);
    }
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

TEST_F(SectionsTest, DetailsAsAListUseOnlyTheCountedEntries) {
    EXPECT_EQ(w->control<core::RadioGroup>("rg2")->items(), QStringList({"图文列表", "图文叠加"}));
    EXPECT_EQ(w->control<core::RadioGroup>("rg2")->itemIndex(), 0);
    EXPECT_EQ(w->text("mmoxijiebiaoti"), QString("高品质面料说明|\r\n").repeated(4) + "高品质面料说明\r\n");
    const QString words = "2016单鞋春款时尚蛋卷鞋浅口新品真皮豆豆鞋平底软底串珠水钻女鞋";
    EXPECT_EQ(w->text("mmoxijieshuoming"), (words + "|\r\n").repeated(4) + words + "\r\n");
    const QStringList samples = w->text("mmoxijietupian").split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(samples.size(), 5);
    QString blocks;
    for (int i = 0; i < 5; ++i)
        blocks += listBlock("750", i < 4 ? samples[i].chopped(1) : samples[i], "#f30", "高品质面料说明",
                            "#999", words);
    expectRender("btn11Click", detailsFrame("750", blocks));

    w->control<core::RadioGroup>("rg1")->setItemIndex(1);
    w->setText("cbb4", "3");
    w->setText("edt20", "#T");
    w->setText("edt21", "#D");
    w->setText("mmoxijiebiaoti", "t0|t1|t2|t3");
    w->setText("mmoxijieshuoming", "d0|d1|d2|d3");
    w->setText("mmoxijietupian", "p0|p1|p2|p3");
    blocks.clear();
    for (const QString k : {"0", "1", "2"})
        blocks += listBlock("790", "p" + k, "#T", "t" + k, "#D", "d" + k);
    expectRender("btn11Click", detailsFrame("790", blocks));

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
    // 400 px: the block is clipped at 390 and the text lifted by 350; below
    // 50 px the lift itself turns negative.
    const QString expected =
        detailsFrame("750", overlayBlock("750", "390", "350", tall, "#T", "t0", "#D", "d0") +
                                overlayBlock("750", "20", "-20", low, "#T", "t1", "#D", "d1"));
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

    const QString missing = server.address("/missing.jpg");
    w->setText("mmoxijietupian", missing);
    expectStop("btn11Click", "下载“" + missing + "”失败：服务器回答 404。");
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
    EXPECT_LT(testing::residentBytes() - before, 100LL << 20);
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

TEST_F(SectionsTest, SectionTitleDefaultsAndTypedValues) {
    expectRender("btn21Click",
                 titleSection({"750", "#FFF", "48", "#999", "1", "dashed", "#000", "精美细致 完美品质", "14",
                               "#999", "Exquisite and perfect quality"}));
    w->control<core::RadioGroup>("rg1")->setItemIndex(1);
    const struct {
        const char* name;
        const char* value;
    } typed[] = {{"edtfengedise", "#B"},   {"cbb5", "60"},           {"edtfengexian", "#L"}, {"cbb7", "0"},
                 {"cbb8", "solid"},        {"edtfengebiaoti", "#T"}, {"edt26", "标题"},      {"cbb6", "24"},
                 {"edtfengexiaozi", "#S"}, {"edt27", "sub"}};
    for (const auto& t : typed)
        w->setText(t.name, t.value);
    // A width of 0 still writes the border declaration.
    expectRender("btn21Click",
                 titleSection({"790", "#B", "60", "#L", "0", "solid", "#T", "标题", "24", "#S", "sub"}));
}

// ---- Buyer's notes ----

TEST_F(SectionsTest, BuyersNotesRecolourEveryLabelAndStay750Wide) {
    w->control<core::RadioGroup>("rg1")->setItemIndex(1);
    EXPECT_EQ(w->text("edt22"), "#F30");
    w->fire("btn22Click");
    const QString notes = code();
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
    EXPECT_EQ(testing::fileBytes(page()), testing::gbk(notes));

    w->setText("edt22", "#123abc");
    w->fire("btn22Click");
    EXPECT_EQ(code().count("#123abc"), 8);
    EXPECT_EQ(QString(code()).replace("#123abc", "#F30"), notes);
}

// ---- Custom HTML ----

TEST_F(SectionsTest, CustomHtmlFillsTheCodeBoxOnlyAt750) {
    w->control<core::RadioGroup>("rg1")->setItemIndex(1);
    EXPECT_EQ(w->text("mmo34"), "");
    const int before = browser()->navigations.size();
    const struct { QString typed; } cases[] = {{""}, {"<b>自己的</b>\r\n<i>x</i>\n"}};
    for (const auto& c : cases) {
        w->setText("mmo34", c.typed);
        w->fire("btn23Click");
        EXPECT_EQ(code(), "<table width=\"750\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\"><tr><td>" +
                              c.typed + "</td></tr></table>");
    }
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
