#include "core/registry.h"
#include "generators/navigation/fenleitongdao.h"
#include "tests/support/helpers.h"

#include <QComboBox>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

QString e(int i) {
    return "edt" + QString::number(i);
}

// Design names: big name and the seven (name, address) links of each group.
struct GroupFields {
    int big;
    int links[7][2];
};
const GroupFields kGroups[5] = {
    {14, {{16, 17}, {18, 19}, {20, 21}, {22, 23}, {24, 25}, {26, 27}, {9, 10}}},
    {11, {{13, 28}, {29, 30}, {31, 32}, {33, 34}, {35, 36}, {37, 38}, {39, 40}}},
    {41, {{43, 44}, {45, 46}, {47, 48}, {49, 50}, {51, 52}, {53, 54}, {55, 56}}},
    {57, {{59, 60}, {61, 62}, {63, 64}, {65, 66}, {67, 68}, {69, 70}, {71, 72}}},
    {73, {{75, 76}, {77, 78}, {79, 80}, {81, 82}, {83, 84}, {85, 86}, {87, 88}}},
};
const int kTop[3][2] = {{12, 15}, {42, 58}, {74, 89}};

struct Channel {
    QString width, middle, shop, title, titleBack, titleText, side, text, picture, pictureLink;
    QString top[3][2];
    QString big[5];
    QString links[5][7][2];
};

QString span(const Channel& v, const QString& name, const QString& address) {
    return "<span style=\"margin-right:15px;\"><a style=\"text-decoration:none; color:" + v.text + "\" href=\"" +
           address + "\" target=\"_blank\">" + name + "</a></span>";
}

QString channel(const Channel& v) {
    QString out = "<div style=\"height:280px; width:" + v.width +
                  "px; font-size:14px;background-color:#fff;font-family: Microsoft yahei;color:" + v.text + "\">";
    out += "<div style=\"height:280px; float:left; width:150px; background-color:" + v.side +
           ";font-weight:700;\"><div style=\"height:40px; line-height:40px; text-align:center; background-color:" +
           v.titleBack + "; font-weight:700; color:" + v.titleText + "; font-size:16px\">" + v.title +
           "</div><div style=\"height:10px;\"></div>";
    for (const QString& big : v.big)
        out += "<div style=\"height:40px; line-height:40px; text-align:center;\">" + big + "</div>";
    out += "</div>";
    out += "<div style=\"height:280px; float:left; width:" + v.middle + "px; font-size:14px;\">";
    out += "<div style=\"height:40px; line-height:40px; background-color: " + v.side + ";padding-left:20px;\">";
    for (const auto& top : v.top)
        out += span(v, top[0], top[1]);
    out += "</div><div style=\"height:10px;\"></div>";
    for (const auto& group : v.links) {
        out += "<div style=\"height:40px; line-height:40px; padding-left:20px\">";
        for (const auto& link : group)
            out += span(v, link[0], link[1]);
        out += "</div>";
    }
    out += "</div>";
    out += "<div style=\"height:280px; float:left; width:200px;\"><div style=\"height:40px; line-height:40px; "
           "text-align:center;background-color: #999\"><form action=\"" +
           v.shop + "/search.htm?search=y&v=1\" method=\"post\" target=\"_blank\">";
    out += "<input class=\"keyword\" name=\"keyword\"  type=\"text\" style=\"border:#000 1px solid; width:115px; "
           "height:23px;line-height:23px;background:url(none) #fff no-repeat; padding-left:10px; color:#ccc\" "
           "value=\"\" /><input class=\"submit\" style=\"border:#069 0px solid; color:#fff;width:40px;height:25px; "
           "color:#fff; background:url(none) #000; font-weight:700\" type=\"submit\" name=\"submit\"  "
           "value=\"提交\"/></form></div>";
    out += "<div style=\"height:240px\"><a href=\"" + v.pictureLink + "\" target=\"_blank\"><img src=\"" +
           v.picture + "\"  width=\"200\" height=\"240\"/></a></div></div></div>";
    return out;
}

Channel defaults(const QString& shop, const QString& picture) {
    Channel v{"950", "600", shop, "快速导航", "#C00", "#fff", "#d9d9d9", "#000", picture, "#",
              {{"按新品", "#"}, {"按销量", "#"}, {"按收藏", "#"}}, {}, {}};
    for (int g = 0; g < 5; ++g) {
        v.big[g] = "左侧分类名";
        for (int k = 0; k < 7; ++k) {
            v.links[g][k][0] = k < 6 ? "自定义名" : "查看更多";
            v.links[g][k][1] = "#";
        }
    }
    return v;
}

Channel marked() {
    Channel v{"950", "600", "https://s.example.com", "T", "#TB", "#TT", "#SIDE", "#TEXT", "pic", "plink",
              {{"t1", "ta1"}, {"t2", "ta2"}, {"t3", "ta3"}}, {}, {}};
    for (int g = 0; g < 5; ++g) {
        v.big[g] = "big" + QString::number(g + 1);
        for (int k = 0; k < 7; ++k) {
            const QString gk = QString::number(g + 1) + QString::number(k + 1);
            v.links[g][k][0] = "n" + gk;
            v.links[g][k][1] = "a" + gk;
        }
    }
    return v;
}

generators::FenleitongdaoInput channelInput(const Channel& v) {
    generators::FenleitongdaoInput in;
    in.width = v.width;
    in.middle = v.middle;
    in.shop = v.shop;
    in.title = v.title;
    in.titleBack = v.titleBack;
    in.titleColour = v.titleText;
    in.side = v.side;
    in.textColour = v.text;
    in.picture = v.picture;
    in.pictureLink = v.pictureLink;
    for (int i = 0; i < 3; ++i) {
        in.topNames[i] = v.top[i][0];
        in.topLinks[i] = v.top[i][1];
    }
    for (int g = 0; g < 5; ++g) {
        in.groups[g].big = v.big[g];
        for (int k = 0; k < 7; ++k) {
            in.groups[g].names[k] = v.links[g][k][0];
            in.groups[g].links[k] = v.links[g][k][1];
        }
    }
    return in;
}

class FenleitongdaoTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = testing::form("Tfrmfenleitongdao");
    }
    void type(const Channel& v) {
        w->setText("edt6", v.shop);
        w->setText("edt1", v.title);
        w->setText("edt2", v.titleBack);
        w->setText("edt3", v.titleText);
        w->setText("edt4", v.side);
        w->setText("edt5", v.text);
        w->setText("edt7", v.picture);
        w->setText("edt8", v.pictureLink);
        for (int i = 0; i < 3; ++i) {
            w->setText(e(kTop[i][0]), v.top[i][0]);
            w->setText(e(kTop[i][1]), v.top[i][1]);
        }
        for (int g = 0; g < 5; ++g) {
            w->setText(e(kGroups[g].big), v.big[g]);
            for (int k = 0; k < 7; ++k) {
                w->setText(e(kGroups[g].links[k][0]), v.links[g][k][0]);
                w->setText(e(kGroups[g].links[k][1]), v.links[g][k][1]);
            }
        }
    }
    core::Form* w = nullptr;
};

const QString kCopied = "代码已被复制，可以到店铺的自定义进行粘贴了,或者用代码预览器预览一下！";

// Runs first: the window as start-up made it.
TEST_F(FenleitongdaoTest, DefaultsAndDefaultChannel) {
    EXPECT_EQ(w->windowTitle(), "首页快速分类通道");
    EXPECT_EQ(w->text("cbb1"), "集市店");
    auto* combo = w->control<QComboBox>("cbb1");
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->itemText(0), "集市店");
    EXPECT_EQ(combo->itemText(1), "天猫店");
    EXPECT_EQ(w->text("lbl17"), "950");
    EXPECT_EQ(w->text("lbl18"), "600");
    EXPECT_TRUE(w->control("lbl17")->isHidden());
    EXPECT_TRUE(w->control("lbl18")->isHidden());
    EXPECT_TRUE(w->control("pnl1")->isHidden());
    EXPECT_TRUE(w->control("mmo1")->isHidden());
    EXPECT_TRUE(w->text("edt6").startsWith("https://"));
    EXPECT_TRUE(w->text("edt7").startsWith("https://"));
    auto* pages = w->control<QTabWidget>("pgc1");
    ASSERT_EQ(pages->count(), 5);
    EXPECT_EQ(pages->tabText(0), "   第一组   ");
    EXPECT_EQ(pages->tabText(4), "   第五组   ");
    EXPECT_EQ(w->text("btn1"), "参照图");
    EXPECT_EQ(w->text("btn2"), "生成提取");
    EXPECT_EQ(w->text("lbl19"), "帮助");

    const Channel v = defaults(w->text("edt6"), w->text("edt7"));
    w->fire("btn2Click");
    const QString want = channel(v);
    EXPECT_EQ(w->text("mmo1"), want);
    EXPECT_EQ(core::windowClass("Tfrmfenleitongdao")->info.sample(), want);
    EXPECT_EQ(fake().clipboard, want);
    EXPECT_EQ(fake().callsOf("messageBox").size(), 1);
    EXPECT_EQ(fake().lastMessage().text, kCopied);
    EXPECT_EQ(fake().lastMessage().title, "提示信息");
    EXPECT_EQ(want.count("\" target=\"_blank\">自定义名</a>"), 30);
    EXPECT_EQ(want.count("href=\"#\" target=\"_blank\">查看更多</a>"), 5);
    EXPECT_FALSE(want.contains('\n'));
}

// The channel from its fields, without its window.
TEST(FenleitongdaoSnippet, TypedValues) {
    // A trailing slash is kept as typed; empty names still give their spans.
    Channel slash = marked();
    slash.shop = "https://s.example.com/";
    slash.links[2][3][0] = "";
    slash.big[4] = "";
    Channel tmall = marked();
    tmall.width = "990";
    tmall.middle = "640";
    for (const Channel& v : {marked(), slash, tmall})
        EXPECT_EQ(generators::fenleitongdaoSnippet(channelInput(v)), channel(v)) << v.width.toStdString();
    EXPECT_TRUE(generators::fenleitongdaoSnippet(channelInput(slash)).contains("https://s.example.com//search.htm"));
    const Channel start = defaults("https://qingwu360.taobao.com",
                                   "https://img.alicdn.com/imgextra/i3/qingwu/fenlei-200x240.jpg");
    EXPECT_EQ(generators::fenleitongdaoSnippet(generators::FenleitongdaoInput()), channel(start));
}

TEST_F(FenleitongdaoTest, EachFieldLandsInItsPlace) {
    Channel v = marked();
    type(v);
    w->fire("btn2Click");
    EXPECT_EQ(w->text("mmo1"), generators::fenleitongdaoSnippet(channelInput(v)));
    EXPECT_EQ(fake().clipboard, w->text("mmo1"));
    type(defaults("https://qingwu360.taobao.com", "x"));
}

TEST_F(FenleitongdaoTest, ShopTypeSetsTheWidthsBothWays) {
    const struct {
        QString text, width, middle;
    } steps[] = {{"天猫店", "990", "640"}, {"集市店", "950", "600"}, {"天猫", "990", "640"},
                 {"集市店", "950", "600"}, {"", "990", "640"},      {"集市店", "950", "600"}};
    Channel v = marked();
    type(v);
    for (const auto& s : steps) {
        w->setText("cbb1", s.text);
        EXPECT_EQ(w->text("lbl17"), s.width) << s.text.toStdString();
        EXPECT_EQ(w->text("lbl18"), s.middle) << s.text.toStdString();
        w->fire("btn2Click");
        v.width = s.width;
        v.middle = s.middle;
        EXPECT_EQ(w->text("mmo1"), generators::fenleitongdaoSnippet(channelInput(v))) << s.text.toStdString();
    }
    w->control<QComboBox>("cbb1")->setCurrentIndex(1);
    EXPECT_EQ(w->text("lbl17"), "990");
    w->control<QComboBox>("cbb1")->setCurrentIndex(0);
    EXPECT_EQ(w->text("lbl17"), "950");
}

TEST_F(FenleitongdaoTest, ExamplePanelHelpAndThumbnail) {
    w->fire("btn1MouseEnter");
    EXPECT_FALSE(w->control("pnl1")->isHidden());
    w->fire("grp1MouseEnter");
    EXPECT_TRUE(w->control("pnl1")->isHidden());
    EXPECT_TRUE(fake().calls.isEmpty());
    w->fire("lbl19Click");
    EXPECT_EQ(fake().lastMessage().text,
              "注意短地址为.com结尾不带/以及后面的地址，板块高度为280转化基础版的朋友注意高度！");
    EXPECT_EQ(fake().lastMessage().title, "提示信息");
    testing::form("Tfrmindex")->fire("img15Click");
    EXPECT_TRUE(w->isVisible());
    w->close();
}

} // namespace
