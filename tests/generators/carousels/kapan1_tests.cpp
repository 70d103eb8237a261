#include "generators/carousels/kapan1.h"
#include "tests/generators/carousels/combo_items.h"
#include "tests/generators/carousels/multi_carousel.h"

#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

const QString kWidget =
    "<div class=\"J_TWidget\" data-widget-type=\"Carousel\" data-widget-config=\"{'effect': "
    "'scrollx','contentCls':'kavri_cont','navCls':'kavri_nav', 'autoplay':true}\">";

const QString kMessage = "代码已被复制，可以到店铺的自定义进行粘贴了！";

// Card k: picture "Pk" (edt 6k-5), title "Ak", subtitle "Sk", price text "Rk", reason "Ek", buy link "Lk"
// (edt 6k).
const char* const kKinds[] = {"P", "A", "S", "R", "E", "L"};

QString cardText(const char* kind, int k) {
    return QString(kind) + QString::number(k);
}

QString expected(const QString& t, const QString& h, const QString& c, const QString& b) {
    const QString box =
        "<div style=\"width:" + t + "px; height:" + h +
        "px;font-family:Microsoft Yahei; border:1px solid  #E0E0E0;color:#333;background-color:#fff\">";
    QString out = kWidget;
    out += "<div style=\"width:" + t + "px; height:" + h + "px; overflow:hidden\"><div class=\"kavri_cont\">";
    for (int k = 1; k <= 5; ++k) {
        out += box;
        out += "<div style=\"width:370px; height:370px; margin:15px; float:left\"><img src=\"" +
               cardText("P", k) + "\" width=\"370\" height=\"370\" ></div>";
        out += "<div style=\"width:502px; height:370px; margin:15px; float:right\">";
        out += "<div style=\"height:80px; border-bottom:#666 1px dashed; line-height:80px; font-size:30px; "
               "font-weight:700\">" +
               cardText("A", k);
        out += "</div><div style=\"height:40px;line-height:60px; font-size:15px; \">" + cardText("S", k);
        out += "</div><div style=\"height:35px;line-height:35px; font-size:15px;\">" + cardText("R", k);
        out += "</div><div style=\"height:40px;line-height:40px; font-size:12px; margin-top:20px; "
               "color:#999\">" +
               cardText("E", k);
        out +=
            "</div><a style=\"color:#fff\" href=\"" + cardText("L", k) +
            "\" target=\"_blank\"><div style=\"height:40px;line-height:40px; font-size:16px;width:190px;;  "
            "background-color:" +
            c + "; text-align:center\">" + b + "</div></a></div></div>";
    }
    out += "</div></div>";
    out += "<div style=\"position:relative; left:435px; top:-100px; float:left; height:85px; width:502px; "
           "margin-right:15px;\"><div class=\"kavri_nav\">";
    for (int k = 1; k <= 4; ++k)
        out += "<div style=\"width:85px; height:85px; margin-right:19px; float:left\"><img src=\"" +
               cardText("P", k) + "\" width=\"85\" height=\"85\" ></div>";
    out += "<div style=\"width:85px; height:85px; float:left\"><img src=\"P5\" width=\"85\" height=\"85\" "
           "></div>";
    return out + "</div></div></div>";
}

// The cards as typeCards() types them.
generators::Kapan1Input typedCards() {
    generators::Kapan1Input in;
    QStringList* lists[] = {&in.pictures, &in.titles, &in.subtitles, &in.prices, &in.reasons, &in.links};
    for (int k = 1; k <= 5; ++k)
        for (int f = 0; f < 6; ++f)
            (*lists[f])[k - 1] = cardText(kKinds[f], k);
    return in;
}

// The snippet from the carousel's fields, without its window: the
// thumbnails keep their offset for either width.
TEST(Kapan1Snippet, WidthsKeepTheThumbnailOffset) {
    generators::Kapan1Input in = typedCards();
    in.buttonText = "B-text";
    in.buttonColour = "C-colour";
    for (const QString width : {"950", "990"}) {
        in.width = width;
        EXPECT_EQ(generators::kapan1Snippet(in), expected(width, "402", "C-colour", "B-text"))
            << width.toStdString();
    }
}

class Kapan1Test : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = testing::form("Tfrmkapan1");
        w->setText("cbb1", "集市店");
    }
    void typeCards() {
        for (int k = 1; k <= 5; ++k)
            for (int f = 0; f < 6; ++f)
                w->setText(QString("edt%1").arg(6 * (k - 1) + 1 + f), cardText(kKinds[f], k));
    }
    core::Form* w = nullptr;
};

// Runs first: the window as start-up made it.
TEST_F(Kapan1Test, Defaults) {
    EXPECT_EQ(w->windowTitle(), "五图卡盘轮播");
    EXPECT_EQ(w->size(), QSize(708, 508));
    EXPECT_EQ(testing::comboItems(w, "cbb1"), QStringList({"集市店", "天猫店"}));
    const std::pair<QString, QString> texts[] = {
        {"edt32", "立即购买"}, {"edt33", "#f30"},    {"btn1", "生成/提取"}, {"lbl2", "950"},
        {"lbl3", "402"},       {"mmo1", "mmo1\r\n"}, {"lbl4", kWidget}};
    for (const auto& [control, value] : texts)
        EXPECT_EQ(w->text(control), value) << control.toStdString();
    const QString defaults[] = {"新春年夜饭", "自定义一下宝贝的标题信息", "特惠价：59.00 | 已累计售出 200 件",
                                "推荐理由：简单易学心情不错在写两句，随便来点,别超过一行！", "#"};
    const generators::Kapan1Input input;
    for (int k = 1; k <= 5; ++k) {
        EXPECT_TRUE(w->text(QString("edt%1").arg(6 * k - 5)).startsWith("https://")) << k;
        // The window starts from the defaults the snippet's input has.
        EXPECT_EQ(w->text(QString("edt%1").arg(6 * k - 5)), input.pictures[k - 1]) << k;
        for (int f = 0; f < 5; ++f)
            EXPECT_EQ(w->text(QString("edt%1").arg(6 * k - 4 + f)), defaults[f]) << k << ' ' << f;
    }
    auto* pages = w->findChild<QTabWidget*>();
    ASSERT_NE(pages, nullptr);
    QStringList tabs;
    for (int i = 0; i < pages->count(); ++i)
        tabs << pages->tabText(i);
    EXPECT_EQ(tabs, QStringList({"参照图", "第一张", "第二张", "第三张", "第四张", "第五张"}));
    testing::expectUnseen(w, {"lbl2", "lbl3", "lbl4"}, {"mmo1"});
    testing::expectOpensFromThumbnail("img46", "Tfrmkapan1");
}

// 生成/提取 builds from what the fields hold, each field in its place, and copies.
TEST_F(Kapan1Test, GenerateBuildsFromTheFieldsAndCopies) {
    typeCards();
    w->setText("edt32", "B-text");
    w->setText("edt33", "C-colour");
    generators::Kapan1Input in = typedCards();
    in.buttonText = "B-text";
    in.buttonColour = "C-colour";
    const struct { QString type, width; } cases[] = {{"集市店", "950"}, {"天猫店", "990"}};
    for (const auto& c : cases) {
        fake().reset();
        w->setText("cbb1", c.type);
        w->fire("btn1Click");
        in.width = c.width;
        const QString want = generators::kapan1Snippet(in);
        EXPECT_EQ(w->text("mmo1"), want) << c.type.toStdString();
        EXPECT_EQ(fake().clipboard, want);
        EXPECT_EQ(fake().lastMessage().text, kMessage);
        EXPECT_EQ(fake().lastMessage().title, "提示信息");
        EXPECT_EQ(fake().lastMessage().owner, "Tfrmkapan1");
    }
}

TEST_F(Kapan1Test, ShopTypeRewritesTheWidthInBothDirections) {
    const struct {
        QString type, width;
    } steps[] = {{"天猫店", "990"}, {"集市店", "950"}, {"", "990"}, {"集市店", "950"}};
    for (const auto& s : steps) {
        w->setText("cbb1", s.type);
        EXPECT_EQ(w->text("lbl2"), s.width) << s.type.toStdString();
        EXPECT_EQ(w->text("lbl3"), "402");
    }
}

} // namespace
