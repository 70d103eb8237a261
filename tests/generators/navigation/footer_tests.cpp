#include "core/registry.h"
#include "generators/navigation/footer.h"
#include "tests/support/helpers.h"

#include <QAbstractButton>
#include <QComboBox>
#include <gtest/gtest.h>

namespace {

// ---------------------------------------------------------------------------
// Footer with links, columns and picture buttons

struct Footer {
    QString theme;
    QString linkTexts[4], linkAddresses[4];
    QString titles[4], texts[4];
    QString favouritePicture, backPicture, favouriteLink, shopLink;
};

QString footer(const Footer& v) {
    QString out = "<div style=\" clear:both; overflow:hidden; color:#444\"><div style=\"height:28px; "
                  "line-height:28px; background:#FFF; text-align:center; border-top:1px dashed #999\">";
    for (int k = 0; k < 4; ++k)
        out += "<a style=\"padding:0 10px;color:" + v.theme + "\" target=\"_blank\" href=\"" + v.linkAddresses[k] +
               "\">" + v.linkTexts[k] + "</a>";
    out += "</div>";
    out += "<div style=\"clear:both; overflow:hidden; text-align:left;background:#FFF;zoom:1;border-bottom:1px "
           "solid #E7E7E7;border-top:1px dashed #999; padding:10px 0\">";
    for (int k = 0; k < 4; ++k)
        out += "<dl style=\" width:190px;float:left; overflow:hidden; border-right:1px dashed #E7E7E7\"><dt "
               "style=\"color:" +
               v.theme + ";padding:10px 0 10px 15px;\"><b>" + v.titles[k] +
               "</b></dt><dd style=\"padding:0 15px 10px 15px; line-height:18px; color:#999;font-size:14px\">" +
               v.texts[k] + "</dd></dl>";
    out += "<dl style=\" padding:10px 0 0 12px; float:left;\"><dd style=\"float:right;\"><a "
           "style=\"display:block;width:75px; height:75px; background:url(" +
           v.backPicture + ") no-repeat\" href=\"" + v.shopLink +
           "\" target=\"_blank\"></a></dd><dd style=\"float:right\"><a style=\"display:block;width:75px; "
           "height:75px; background:" +
           v.theme + "  url(" + v.favouritePicture + ") no-repeat\" href=\"" + v.favouriteLink +
           "\"></a></dd></dl></div></div></a>";
    return out;
}

const Footer kMarkedFooter{"#THEME",
                           {"L1", "L2", "L3", "L4"},
                           {"a1", "a2", "a3", "a4"},
                           {"T1", "T2", "T3", "T4"},
                           {"x1", "x2\r\nsecond", "x3", "x4"},
                           "fav.png",
                           "back.png",
                           "favlink",
                           "shoplink"};

generators::DbdmInput footerInput(const Footer& v) {
    generators::DbdmInput in;
    in.theme = v.theme;
    for (int k = 0; k < 4; ++k) {
        in.linkTexts[k] = v.linkTexts[k];
        in.linkAddresses[k] = v.linkAddresses[k];
        in.titles[k] = v.titles[k];
        in.texts[k] = v.texts[k];
    }
    in.favouritePicture = v.favouritePicture;
    in.backPicture = v.backPicture;
    in.favouriteLink = v.favouriteLink;
    in.shopLink = v.shopLink;
    return in;
}

// The footer from its fields, without its window.
TEST(DbdmSnippet, FieldsInTheirPlaces) {
    Footer themed = kMarkedFooter;
    themed.theme = "#E87D7D";
    for (const Footer& v : {kMarkedFooter, themed, Footer{}})
        EXPECT_EQ(generators::dbdmSnippet(footerInput(v)), footer(v)) << v.theme.toStdString();
    const QString marked = generators::dbdmSnippet(footerInput(kMarkedFooter));
    EXPECT_TRUE(marked.endsWith("</div></div></a>"));
    EXPECT_TRUE(marked.contains(">x2\r\nsecond</dd>"));
}

class DbdmTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = testing::form("Tfrmdbdm");
    }
    void type(const Footer& v) {
        w->setText("edt7", v.theme);
        const char* texts[4] = {"edt8", "edt10", "edt12", "edt13"};
        const char* addresses[4] = {"edt9", "edt11", "edt14", "edt15"};
        for (int k = 0; k < 4; ++k) {
            w->setText(texts[k], v.linkTexts[k]);
            w->setText(addresses[k], v.linkAddresses[k]);
            w->setText("edt" + QString::number(k + 1), v.titles[k]);
            w->setText("mmo" + QString::number(k + 1), v.texts[k]);
        }
        w->setText("edt5", v.favouritePicture);
        w->setText("edt6", v.backPicture);
        w->setText("edt16", v.favouriteLink);
        w->setText("edt17", v.shopLink);
    }
    core::Form* w = nullptr;
};

// Runs first: the window as start-up made it.
TEST_F(DbdmTest, DefaultsAndDefaultFooter) {
    EXPECT_EQ(w->windowTitle(), "底部信息");
    const QStringList themes = {"红色系", "蓝色系", "灰色系", "粉色系"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(w->text("rb" + QString::number(i + 1)), themes[i]);
        EXPECT_FALSE(w->control<QAbstractButton>("rb" + QString::number(i + 1))->isChecked());
    }
    EXPECT_EQ(w->text("edt7"), "#000");
    EXPECT_TRUE(w->text("edt5").startsWith("https://"));
    EXPECT_TRUE(w->text("edt6").startsWith("https://"));
    EXPECT_EQ(w->text("mmo5"), "mmo5\r\n");
    EXPECT_TRUE(w->control("mmo5")->isHidden());
    EXPECT_EQ(w->text("btn1"), "生成代码");
    EXPECT_EQ(w->text("btn3"), "复制代码");

    // Copying before anything was made copies nothing.
    w->fire("btn3Click");
    EXPECT_FALSE(fake().clipboardSet);
    EXPECT_NE(fake().lastMessage().text, "代码已被复制了！");

    const Footer defaults{"#000",
                          {"首页", "新品发布", "热销推荐", "清仓热卖"},
                          {"#", "#", "#", "#"},
                          {"温馨提示", "关于快递", "关于色差", "关于退换货"},
                          {"这里是温馨提示信息\r\n", "关于快递信息\r\n", "关于色差信息\r\n", "关于退换货信息\r\n"},
                          w->text("edt5"),
                          w->text("edt6"),
                          "#",
                          "#"};
    fake().reset();
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo5"), footer(defaults));
    EXPECT_EQ(core::windowClass("Tfrmdbdm")->info.sample(), footer(defaults));
    // Generating does not copy; it shows the plain notice.
    EXPECT_FALSE(fake().clipboardSet);
    ASSERT_EQ(fake().callsOf("information").size(), 1);
    EXPECT_EQ(fake().callsOf("information")[0].text, "代码生成完毕");
    EXPECT_TRUE(fake().callsOf("messageBox").isEmpty());

    w->fire("btn3Click");
    EXPECT_EQ(fake().clipboard, footer(defaults));
    EXPECT_EQ(fake().lastMessage().text, "代码已被复制了！");
    EXPECT_EQ(fake().lastMessage().title, "提示信息");
}

TEST_F(DbdmTest, EachFieldLandsInItsPlace) {
    type(kMarkedFooter);
    w->fire("btn1Click");
    const QString want = generators::dbdmSnippet(footerInput(kMarkedFooter));
    EXPECT_EQ(w->text("mmo5"), want);
    w->setText("edt7", "#later");
    w->fire("btn3Click");
    EXPECT_EQ(fake().clipboard, want);
}

TEST_F(DbdmTest, ThemeButtonsWriteTheThemeColour) {
    const struct {
        QString radio, colour;
    } themes[] = {{"rb1", "#DD2300"}, {"rb2", "#0E96E5"}, {"rb3", "#666"}, {"rb4", "#E87D7D"}, {"rb1", "#DD2300"}};
    type(kMarkedFooter);
    for (const auto& t : themes) {
        w->setText("edt7", "#typed");
        w->control<QAbstractButton>(t.radio)->click();
        EXPECT_EQ(w->text("edt7"), t.colour) << t.radio.toStdString();
        w->fire("btn1Click");
        Footer v = kMarkedFooter;
        v.theme = t.colour;
        EXPECT_EQ(w->text("mmo5"), generators::dbdmSnippet(footerInput(v)));
    }
    // The theme field is a plain edit.
    EXPECT_FALSE(w->hasHandler("edt7DblClick"));
    testing::form("Tfrmindex")->fire("img32Click");
    EXPECT_TRUE(w->isVisible());
    w->close();
}

// ---------------------------------------------------------------------------
// Footer over an animated picture

struct AnimatedFooter {
    QString width, highlight, background, favouriteLink;
    QString titles[3], texts[3];
};

QString animatedFooter(const AnimatedFooter& v) {
    const QString title = "<div style=\"font-weight:700; line-height:35px; color:" + v.highlight + "\">";
    return "<div style=\"width:" + v.width + "px; height: 241px; background-image: url(" + v.background +
           "); color:#666\">" + "<div style=\"height:100px;\">" +
           "<div style=\"width:150px; height:100px;margin-left:235px; font-size:14px; line-height:20px; "
           "float:left\">" +
           title + v.titles[0] + "：</div><div>" + v.texts[0] + "</div></div>" +
           "<a style=\"text-decoration:none\" href=\"#\" target=\"_blank\"><div style=\"width:110px; "
           "height:100px;margin-left:415px; font-size:14px; line-height:100px; float:left;font-weight:700; "
           "text-align:center;color:#000\">【 返回顶部 】</div></a></div>" +
           "<div style=\"height:100px;\"><div style=\"width:150px; height:100px;margin-left:260px; font-size:14px; "
           "line-height:20px; float:left\"> " +
           title + v.titles[1] + "：</div><div>" + v.texts[1] + "</div></div>" +
           "<div style=\"width:150px; height:100px;margin-left:230px; font-size:14px; line-height:20px; "
           "float:left\">" +
           title + v.titles[2] + "：</div> <div>" + v.texts[2] + "</div></div>" + "<a href=\"" + v.favouriteLink +
           "\" target=\"_blank\"><div style=\"width:100px; height:100px;margin-left:30px;float:left\"></div></a>"
           "</div></div>";
}

generators::DonghuadibuInput animatedInput(const AnimatedFooter& v) {
    generators::DonghuadibuInput in;
    in.width = v.width;
    in.highlight = v.highlight;
    in.background = v.background;
    in.favouriteLink = v.favouriteLink;
    for (int k = 0; k < 3; ++k) {
        in.titles[k] = v.titles[k];
        in.texts[k] = v.texts[k];
    }
    return in;
}

// The footer from its fields, without its window.
TEST(DonghuadibuSnippet, WidthsAndTypedValues) {
    AnimatedFooter v{"950", "#HL", "bg.gif", "favlink", {"A", "B", "C"}, {"ta", "tb\nline", ""}};
    AnimatedFooter tmall = v;
    tmall.width = "990";
    for (const AnimatedFooter& c : {v, tmall, AnimatedFooter{}})
        EXPECT_EQ(generators::donghuadibuSnippet(animatedInput(c)), animatedFooter(c)) << c.width.toStdString();
    EXPECT_TRUE(generators::donghuadibuSnippet(animatedInput(tmall))
                    .startsWith("<div style=\"width:990px; height: 241px;"));
}

class DonghuadibuTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = testing::form("TFrmdonghuadibu");
    }
    void type(const AnimatedFooter& v) {
        w->setText("edt6", v.highlight);
        w->setText("edt5", v.background);
        w->setText("edt4", v.favouriteLink);
        for (int k = 0; k < 3; ++k) {
            w->setText("edt" + QString::number(k + 1), v.titles[k]);
            w->setText("mmo" + QString::number(k + 1), v.texts[k]);
        }
    }
    core::Form* w = nullptr;
};

// Runs first: the window as start-up made it.
TEST_F(DonghuadibuTest, DefaultsAndDefaultFooter) {
    EXPECT_EQ(w->windowTitle(), "动态GIF底部信息");
    EXPECT_EQ(w->text("cbb1"), "集市店");
    auto* combo = w->control<QComboBox>("cbb1");
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->itemText(1), "天猫店");
    EXPECT_EQ(w->text("lbl2"), "950");
    EXPECT_EQ(w->text("edt6"), "#00A5C5");
    EXPECT_EQ(w->text("edt4"), "#");
    EXPECT_TRUE(w->text("edt5").startsWith("https://"));
    EXPECT_TRUE(w->text("edt5").endsWith("/L1/142/414097029/modules/tshop-um-lo-end/assets/images/a.gif"));
    EXPECT_EQ(w->text("mmo4"), "mmo4\r\n");
    EXPECT_TRUE(w->control("mmo4")->isHidden());
    EXPECT_EQ(w->text("btn1"), "提取代码");

    const AnimatedFooter defaults{"950",
                                  "#00A5C5",
                                  w->text("edt5"),
                                  "#",
                                  {"发货时间", "关于快递", "关于退换货"},
                                  {"16点前下单当日发货，16点\r\n后下单次日发货。\r\n",
                                   "默认发顺丰快递，港澳台地\r\n区不发货。\r\n",
                                   "本店支持七天无理由退换货\r\n政策。\r\n"}};
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(w->text("mmo" + QString::number(k + 1)), defaults.texts[k]);
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo4"), animatedFooter(defaults));
    EXPECT_EQ(core::windowClass("TFrmdonghuadibu")->info.sample(), animatedFooter(defaults));
    EXPECT_EQ(fake().clipboard, animatedFooter(defaults));
    EXPECT_EQ(fake().callsOf("messageBox").size(), 1);
    EXPECT_EQ(fake().lastMessage().text, "代码已被复制，可以到店铺的自定义进行粘贴了！");
    EXPECT_EQ(fake().lastMessage().title, "提示信息");
}

TEST_F(DonghuadibuTest, ShopTypeAndTypedValues) {
    AnimatedFooter v{"950", "#HL", "bg.gif", "favlink", {"A", "B", "C"}, {"ta", "tb\nline", ""}};
    type(v);
    const struct {
        QString shop, width;
    } steps[] = {{"天猫店", "990"}, {"集市店", "950"}, {"其它", "990"}, {"集市店", "950"}};
    for (const auto& s : steps) {
        w->setText("cbb1", s.shop);
        EXPECT_EQ(w->text("lbl2"), s.width);
        w->fire("btn1Click");
        v.width = s.width;
        EXPECT_EQ(w->text("mmo4"), generators::donghuadibuSnippet(animatedInput(v))) << s.shop.toStdString();
        EXPECT_EQ(fake().clipboard, w->text("mmo4"));
    }
}

TEST_F(DonghuadibuTest, ColourFieldAndThumbnail) {
    fake().colors.enqueue(QColor(0, 165, 197));
    w->setText("edt6", "x");
    w->fire("edt6DblClick");
    EXPECT_EQ(w->text("edt6"), "#00A5C5");
    testing::form("Tfrmindex")->fire("img103Click");
    EXPECT_TRUE(w->isVisible());
    w->close();
}

} // namespace
