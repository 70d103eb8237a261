// Promotion lists: four group-buy cards and eight carnival cards, both
// previewed in the window's own browser page.
#include "generators/lists/jianianhua.h"
#include "generators/lists/tuangou.h"
#include "tests/generators/carousels/combo_items.h"
#include "tests/generators/lists/list_fixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

const QString kCopied = "代码已被复制，可以到店铺的自定义进行粘贴了！";

QString n(int i) {
    return QString::number(i);
}

class PromotionTest : public testing::ListTest {
protected:
    void clickOn(QWidget* widget) {
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(3, 3), widget->mapToGlobal(QPointF(3, 3)),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &release);
    }
};

// ---- Group-buy cards ----

// Fields of card k: picture, link, title, price.
const int kCardFields[4][4] = {{4, 9, 12, 15}, {5, 8, 11, 14}, {6, 7, 10, 13}, {16, 17, 18, 19}};

struct GroupBuy {
    QString c, b, p, h, height, colour, button, buttonText, caption;
};

// Card k with title T k, link L k, picture P k and price V k.
QString groupBuy(const GroupBuy& g) {
    QString out;
    for (int k = 1; k <= 4; ++k) {
        const QString m = k == 1 ? "0" : "10";
        out +=
            "<div style=\" background:#FFF ;width:" + g.c + "px; height:" + g.height +
            "px; float:left; margin:0px 0px 10px " + m +
            "px;font-family: Microsoft yahei; border:#DFDFDF 1px solid; padding:10px; "
            "margin-left::0px\"><div "
            "style=\"height:55px; width:" +
            g.p + "px; font-size:16px; color:#666\">T" + n(k) + "</div><div style=\"border:" + g.colour +
            " 2px solid; height:" + g.h + "px; overflow:hidden; width:" + g.p + "px\"><a href=\"L" + n(k) +
            "\"><img style=\"border:none\"  src=\"P" + n(k) + "\" width=\"" + g.p +
            "\" /></a></div><div style=\"background:" + g.colour + "; height:45px;width:" + g.b +
            "px\"><div style=\" color:#FFF; font-size:26px; font-weight:600; line-height:45px; float:left; "
            "padding-left:10px; font-family:arial\"><span style=\"font-size:14px;font-family: Microsoft "
            "yahei; "
            "\">￥</span>V" +
            n(k) + "</div><a style=\"color:" + g.buttonText + "; text-decoration:none\" href=\"L" + n(k) +
            "\"><div style=\"background:" + g.button +
            ";font-size:16px;font-weight:600;float:right; padding:4px 10px 4px 10px; margin-top:8px; "
            "margin-right:10px;\">" +
            g.caption + "</div></a></div></div>";
    }
    return out;
}

// The input with those values and the markers of groupBuy().
generators::TuangouInput groupBuyInput(const GroupBuy& g) {
    generators::TuangouInput in;
    in.cardWidth = g.c;
    in.cardHeight = g.height;
    in.pictureWidth = g.p;
    in.pictureHeight = g.h;
    in.colour = g.colour;
    in.buttonColour = g.button;
    in.buttonTextColour = g.buttonText;
    in.buttonCaption = g.caption;
    for (int k = 1; k <= 4; ++k) {
        in.pictures[k - 1] = "P" + n(k);
        in.links[k - 1] = "L" + n(k);
        in.titles[k - 1] = "T" + n(k);
        in.prices[k - 1] = "V" + n(k);
    }
    return in;
}

// The cards from their fields, without the window; the price bar is one pixel
// wider than the card.
TEST(TuangouSnippet, SizesColoursAndAWidthThatIsNoNumber) {
    const GroupBuy cases[] = {
        {"208", "209", "205", "206", "310", "#F30", "#FF0", "#c00", "参团"},
        {"218", "219", "215", "250", "354", "#A1", "#B2", "#C3", "抢"},
        {"208", "209", "205", "0", "104", "", "", "", ""},
        {"9", "10", "5", "6", "110", "#F30", "#FF0", "#c00", "参团"},
    };
    for (const GroupBuy& g : cases)
        EXPECT_EQ(generators::tuangouSnippet(groupBuyInput(g)), groupBuy(g)) << g.c.toStdString();
    for (const QString width : {"x", "", "20 8"}) {
        generators::TuangouInput in;
        in.cardWidth = width;
        EXPECT_EQ(testing::failureOf([&] { generators::tuangouSnippet(in); }),
                  "'" + width + "' is not a valid integer value");
    }
}

class GroupBuyTest : public PromotionTest {
protected:
    void SetUp() override {
        PromotionTest::SetUp();
        w = testing::form("Tfrmtuangou");
    }
    void mark() {
        for (int k = 1; k <= 4; ++k) {
            w->setText("edt" + n(kCardFields[k - 1][0]), "P" + n(k));
            w->setText("edt" + n(kCardFields[k - 1][1]), "L" + n(k));
            w->setText("edt" + n(kCardFields[k - 1][2]), "T" + n(k));
            w->setText("edt" + n(kCardFields[k - 1][3]), "V" + n(k));
        }
    }
    QTabWidget* pages() const { return w->findChild<QTabWidget*>(); }
    core::Form* w = nullptr;
};

// Runs first: the window as start-up made it.
TEST_F(GroupBuyTest, DefaultsAndCopyBeforeThePreview) {
    EXPECT_EQ(w->windowTitle(), "仿团购促销列表");
    ASSERT_NE(pages(), nullptr);
    ASSERT_EQ(pages()->count(), 2);
    EXPECT_EQ(pages()->tabText(0), "参数设置      ");
    EXPECT_EQ(pages()->tabText(1), "预览      ");
    EXPECT_EQ(testing::comboItems(w, "cbb1"), QStringList({"天猫", "集市"}));
    const struct {
        QString name, text;
    } values[] = {{"cbb1", "集市"},     {"edt1", "#F30"},  {"edt2", "#FF0"}, {"edt3", "#c00"},
                  {"edt20", "206"},     {"edt21", "参团"}, {"lbl13", "205"}, {"lbl14", "310"},
                  {"lbl17", "208"},     {"lbl15", "0"},    {"lbl18", "10"},  {"btn1", "确认预览"},
                  {"btn2", "提取代码"}, {"mmo1", ""}};
    for (const auto& v : values)
        EXPECT_EQ(w->text(v.name), v.text) << v.name.toStdString();
    for (const QString name : {"lbl15", "lbl18"}) {
        EXPECT_TRUE(w->control(name)->isHidden());
        EXPECT_EQ(w->control(name)->focusPolicy(), Qt::NoFocus);
    }
    for (int k = 0; k < 4; ++k) {
        EXPECT_TRUE(w->text("edt" + n(kCardFields[k][0])).startsWith("https://")) << k;
        EXPECT_EQ(w->text("edt" + n(kCardFields[k][1])), "#");
        EXPECT_EQ(w->text("edt" + n(kCardFields[k][2])), "店铺装修实战入门到精通视频淘宝美工自学教程");
        EXPECT_EQ(w->text("edt" + n(kCardFields[k][3])), "89.00");
    }
    w->fire("btn2Click");
    EXPECT_FALSE(fake().clipboardSet);
    expectMessage("Tfrmtuangou", "请先点击确认预览生成代码，再提取代码！");

    // The launcher's picture is the snippet of the defaults.
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo1"), core::windowClass("Tfrmtuangou")->info.sample());
    pages()->setCurrentIndex(0);
}

TEST_F(GroupBuyTest, ShopTypesPictureHeightAndSnippets) {
    mark();
    const struct {
        QString shop, height; // "" leaves the picture height as the shop type wrote it
        GroupBuy want;
    } cases[] = {
        {"集市", "", {"208", "209", "205", "206", "310", "#F30", "#FF0", "#c00", "参团"}},
        {"天猫", "", {"218", "219", "215", "216", "320", "#A1", "#B2", "#C3", "抢"}},
        {"天猫", "250", {"218", "219", "215", "250", "354", "#A1", "#B2", "#C3", "抢"}},
        {"天猫店", "", {"208", "209", "205", "206", "310", "", "", "", ""}},
        {"集市", "0", {"208", "209", "205", "0", "104", "#F30", "#FF0", "#c00", "参团"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE((c.shop + " " + c.height).toStdString());
        fake().reset();
        w->setText("cbb1", c.shop);
        if (!c.height.isEmpty()) w->setText("edt20", c.height);
        EXPECT_EQ(w->text("edt20"), c.want.h);
        EXPECT_EQ(w->text("lbl13"), c.want.p);
        EXPECT_EQ(w->text("lbl14"), c.want.height);
        EXPECT_EQ(w->text("lbl17"), c.want.c);
        w->setText("edt1", c.want.colour);
        w->setText("edt2", c.want.button);
        w->setText("edt3", c.want.buttonText);
        w->setText("edt21", c.want.caption);
        pages()->setCurrentIndex(0);
        w->fire("btn1Click");
        const QString want = generators::tuangouSnippet(groupBuyInput(c.want));
        EXPECT_EQ(w->text("mmo1"), want);
        EXPECT_EQ(testing::fileBytes(page()), testing::gbk(want));
        EXPECT_EQ(pages()->currentIndex(), 1);
        ASSERT_NE(browserOf(w), nullptr);
        EXPECT_EQ(browserOf(w)->navigations.last(), page());
        EXPECT_FALSE(fake().clipboardSet);

        w->fire("btn2Click");
        EXPECT_EQ(fake().clipboard, want);
        expectMessage("Tfrmtuangou", kCopied);
    }
    w->setText("cbb1", "集市");
}

TEST_F(GroupBuyTest, APictureHeightThatIsNoNumberFailsAndKeepsTheCardHeight) {
    w->setText("cbb1", "集市");
    w->setText("edt20", "206");
    const struct {
        QString typed, height; // empty height: the text fails
    } cases[] = {{"abc", ""},
                 {"", "310"}, // an empty height changes nothing
                 {"2147483648", ""},
                 {"2147483647", "2147483751"},
                 {"-2147483648", "-2147483544"},
                 {"1e309", ""},
                 {"NaN", ""},
                 {"1,5", ""},
                 {QString(200000, '9'), ""},
                 {"206", "310"}};
    QString kept = w->text("lbl14");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.left(20).toStdString());
        fake().reset();
        w->setText("edt20", c.typed);
        if (c.height.isEmpty()) {
            ASSERT_EQ(fake().callsOf("messageBox").size(), 1);
            // The field holds what it can of a very long text.
            EXPECT_TRUE(c.typed.startsWith(w->text("edt20")));
            EXPECT_TRUE(fake().lastMessage().text == "'" + w->text("edt20") + "' is not a valid integer value");
            EXPECT_EQ(w->text("lbl14"), kept);
        } else {
            EXPECT_TRUE(fake().callsOf("messageBox").isEmpty());
            EXPECT_EQ(w->text("lbl14"), c.height);
            kept = c.height;
        }
        EXPECT_FALSE(w->text("lbl14").contains("inf"));
    }
    // A card width that is no number stops the generation; the box keeps its text.
    w->fire("btn1Click");
    const QString before = w->text("mmo1");
    w->setText("lbl17", "x");
    fake().reset();
    w->fire("btn1Click");
    EXPECT_EQ(fake().lastMessage().text, "'x' is not a valid integer value");
    EXPECT_EQ(w->text("mmo1"), before);
    w->setText("cbb1", "天猫");
    w->setText("cbb1", "集市");
    EXPECT_EQ(w->text("lbl17"), "208");
}

TEST_F(GroupBuyTest, AFailedPreviewKeepsTheSnippetForCopying) {
    mark();
    w->fire("btn1Click");
    const int navigations = browserOf(w)->navigations.size();
    ASSERT_TRUE(QDir().mkdir("blocked"));
    QDir::setCurrent(folder.path() + "/blocked");
    ASSERT_TRUE(QDir().mkdir("files.html"));
    w->setText("edt21", "买");
    fake().reset();
    w->fire("btn1Click");
    EXPECT_TRUE(fake().lastMessage().text.startsWith("Cannot create file"));
    EXPECT_EQ(browserOf(w)->navigations.size(), navigations);
    EXPECT_TRUE(w->text("mmo1").contains(">买</div>"));
    w->fire("btn2Click");
    EXPECT_TRUE(fake().clipboard.contains(">买</div>"));
    w->setText("edt21", "参团");
}

TEST_F(GroupBuyTest, ColourFieldsAndLauncher) {
    for (const QString field : {"edt1", "edt2", "edt3"}) {
        const QString before = w->text(field);
        fake().colors.enqueue(QColor(0, 165, 197));
        w->fire(field + "DblClick");
        EXPECT_EQ(w->text(field), "#00A5C5");
        w->setText(field, before);
    }
    openFromLauncher("img53", w);
}

// ---- Carnival cards ----

struct Carnival {
    QString W, H, u, w, v, background, accent;
};

// Cards with picture P k, link L k, title T k, tag G k and price V k.
QString carnival(const Carnival& c) {
    QString out = "<div style=\"width:" + c.W + "px; height:" + c.H + "px; background:" + c.background +
                  "; padding:10px 0;font-family: Microsoft yahei; text-align:center\">";
    for (int k = 1; k <= 8; ++k)
        out += "<a href=\"L" + n(k) + "\" target=\"_blank\" style=\"text-decoration:none\" >" +
               "<div style=\"width:" + c.w + "px; height:" + c.u +
               "px; float:left; background:#fff; margin-left:10px; padding:10px;" +
               (k >= 5 ? "margin-top:10px; " : "") + "\">" + "<div style=\"width:" + c.w +
               "px; height:" + c.v + "px; overflow:hidden\">" + "<img style=\"border:none;\" src=\"P" + n(k) +
               "\" width=\"" + c.w + "\" height=\"" + c.v + " \" alt=\"岚舟设计工作室\">" + "</div>" +
               "<div style=\"width:" + c.w +
               "px;overflow:hidden; font-size:14px; margin-top:15px; color:#666\">T" + n(k) + "</div>" +
               "<div style=\"width:" + c.w +
               "px;height:50px; line-height:40px;  overflow:hidden; font-size:14px;font-weight:100; color:" +
               c.accent + "\">G" + n(k) +
               "<span style=\"font-size:12px\">￥</span><span style=\"font-size:18px\">V" + n(k) +
               "</span></div>" + "<div style=\"width:" + c.w +
               "px; height:35px; overflow:hidden; font-size:16px; line-height:35px; font-weight:700; "
               "color:#Fff; "
               "background: " +
               c.accent + ";\">立即购买</div>" + "</div>" + "</a>";
    return out + "</div>";
}

generators::JianianhuaInput carnivalInput(const Carnival& c) {
    generators::JianianhuaInput in;
    in.width = c.W;
    in.height = c.H;
    in.cardHeight = c.u;
    in.pictureWidth = c.w;
    in.pictureHeight = c.v;
    in.background = c.background;
    in.accent = c.accent;
    for (int k = 1; k <= 8; ++k) {
        in.pictures[k - 1] = "P" + n(k);
        in.links[k - 1] = "L" + n(k);
        in.titles[k - 1] = "T" + n(k);
        in.tags[k - 1] = "G" + n(k);
        in.prices[k - 1] = "V" + n(k);
    }
    return in;
}

TEST(JianianhuaSnippet, EditionsAndColours) {
    const Carnival cases[] = {{"990", "740", "330", "215", "215", "#ABC", "#DEF"},
                              {"950", "700", "320", "205", "205", "#fc0", "#f33"},
                              {"990", "740", "330", "215", "215", "", ""},
                              {"1", "2", "3", "4", "5", "6", "7"}};
    for (const Carnival& c : cases)
        EXPECT_EQ(generators::jianianhuaSnippet(carnivalInput(c)), carnival(c)) << c.W.toStdString();
}

class CarnivalTest : public PromotionTest {
protected:
    void SetUp() override {
        PromotionTest::SetUp();
        w = testing::form("TFrmjianianhua");
    }
    void mark() {
        for (int k = 1; k <= 8; ++k) {
            w->setText("edt" + n(k + 1), "P" + n(k));
            w->setText("edt" + n(k + 9), "L" + n(k));
            w->setText("edt" + n(k + 33), "T" + n(k));
            w->setText("edt" + n(k + 17), "G" + n(k));
            w->setText("edt" + n(k + 25), "V" + n(k));
        }
    }
    QColor base(const QString& swatch) {
        return w->control<QLineEdit>(swatch)->palette().color(QPalette::Base);
    }
    QColor ink(const QString& swatch) {
        return w->control<QLineEdit>(swatch)->palette().color(QPalette::Text);
    }
    void expectStartColours() {
        EXPECT_EQ(w->text("edt44"), "#fc0");
        EXPECT_EQ(w->text("edt45"), "#f33");
        EXPECT_EQ(base("edt1"), QColor(255, 204, 0));
        EXPECT_EQ(ink("edt1"), QColor(255, 204, 0));
        EXPECT_EQ(base("edt43"), QColor(255, 50, 0));
        EXPECT_EQ(ink("edt43"), QColor(255, 50, 0));
    }
    core::Form* w = nullptr;
};

// Runs first: the window as start-up made it.
TEST_F(CarnivalTest, DefaultsAndTheDefaultSnippet) {
    EXPECT_EQ(w->windowTitle(), "仿淘宝嘉年华，图片列表排列");
    auto* pages = w->findChild<QTabWidget*>();
    ASSERT_NE(pages, nullptr);
    EXPECT_EQ(pages->tabText(0), " 参数");
    EXPECT_TRUE(w->control<QRadioButton>("rb1")->isChecked());
    EXPECT_EQ(w->text("rb1"), "集市版");
    EXPECT_EQ(w->text("rb2"), "天猫版");
    const struct {
        QString name, text;
    } values[] = {{"lbl3", "205"},           {"lbl4", "205"},     {"lbl8", "950"},      {"lbl10", "700"},
                  {"lbl12", "320"},          {"edt42", "嘉年华"}, {"btn1", "一键标签"}, {"btn2", "清空"},
                  {"btn3", "生成/复制代码"}, {"btn4", "预览"},    {"mmo1", "mmo1\r\n"}};
    for (const auto& v : values)
        EXPECT_EQ(w->text(v.name), v.text) << v.name.toStdString();
    expectStartColours();
    for (int k = 1; k <= 8; ++k) {
        EXPECT_TRUE(w->text("edt" + n(k + 1)).startsWith("https://")) << k;
        EXPECT_EQ(w->text("edt" + n(k + 9)), "#");
        EXPECT_EQ(w->text("edt" + n(k + 33)), "淘宝嘉年华页面仿照设计");
        EXPECT_EQ(w->text("edt" + n(k + 17)), "嘉年华");
        EXPECT_EQ(w->text("edt" + n(k + 25)), "49.00");
    }
    w->fire("btn3Click");
    const QString out = fake().clipboard;
    EXPECT_TRUE(out.startsWith("<div style=\"width:950px; height:700px; background:#fc0; padding:10px 0;"));
    EXPECT_EQ(out.count("px; height:320px; float:left; background:#fff; margin-left:10px; padding:10px;\">"),
              4);
    EXPECT_EQ(out.count("px; height:320px; float:left; background:#fff; margin-left:10px; "
                        "padding:10px;margin-top:10px; \">"),
              4);
    EXPECT_EQ(
        out.count(
            "嘉年华<span style=\"font-size:12px\">￥</span><span style=\"font-size:18px\">49.00</span>"),
        8);
    expectMessage("TFrmjianianhua", kCopied);
    EXPECT_EQ(out, core::windowClass("TFrmjianianhua")->info.sample());
}

TEST_F(CarnivalTest, EditionsAndSnippets) {
    mark();
    const int navigations = browserOf(w) ? browserOf(w)->navigations.size() : 0;
    const struct {
        QString radio;
        Carnival want;
    } cases[] = {{"rb2", {"990", "740", "330", "215", "215", "#ABC", "#DEF"}},
                 {"rb1", {"950", "700", "320", "205", "205", "#fc0", "#f33"}},
                 {"rb2", {"990", "740", "330", "215", "215", "", ""}},
                 {"rb1", {"950", "700", "320", "205", "205", "#fc0", "#f33"}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.radio.toStdString());
        fake().reset();
        w->control<QRadioButton>(c.radio)->click();
        EXPECT_EQ(w->text("lbl3"), c.want.w);
        EXPECT_EQ(w->text("lbl4"), c.want.v);
        EXPECT_EQ(w->text("lbl8"), c.want.W);
        EXPECT_EQ(w->text("lbl10"), c.want.H);
        EXPECT_EQ(w->text("lbl12"), c.want.u);
        w->setText("edt44", c.want.background);
        w->setText("edt45", c.want.accent);
        w->fire("btn3Click");
        const QString want = generators::jianianhuaSnippet(carnivalInput(c.want));
        EXPECT_EQ(w->text("mmo1"), want);
        EXPECT_EQ(fake().clipboard, want);
        EXPECT_EQ(testing::fileBytes(page()), testing::gbk(want));
        expectMessage("TFrmjianianhua", kCopied);
        EXPECT_EQ(browserOf(w) ? browserOf(w)->navigations.size() : 0, navigations); // shown only on "预览"
    }
}

TEST_F(CarnivalTest, SwatchesChooseColoursAndShowingTheWindowResetsThem) {
    fake().colors.enqueue(QColor(0, 165, 197));
    clickOn(w->control("edt1"));
    EXPECT_EQ(w->text("edt44"), "#00A5C5");
    EXPECT_EQ(base("edt1"), QColor(0, 165, 197));
    EXPECT_EQ(ink("edt1"), QColor(0, 165, 197));
    fake().colors.enqueue(QColor(1, 2, 3));
    w->fire("edt43Click");
    EXPECT_EQ(w->text("edt45"), "#010203");
    EXPECT_EQ(base("edt43"), QColor(1, 2, 3));
    w->fire("edt43Click"); // cancelled: nothing changes
    EXPECT_EQ(w->text("edt45"), "#010203");
    EXPECT_EQ(fake().callsOf("color").size(), 3);

    w->show();
    expectStartColours();
    w->setText("edt45", "#000");
    w->hide();
    w->show();
    EXPECT_EQ(w->text("edt45"), "#f33");
    w->hide();
}

TEST_F(CarnivalTest, OneTagForAllAndClear) {
    mark();
    w->setText("edt42", "狂欢");
    w->fire("btn1Click");
    for (int k = 1; k <= 8; ++k)
        EXPECT_EQ(w->text("edt" + n(k + 17)), "狂欢");
    EXPECT_EQ(w->text("edt2"), "P1"); // nothing else changes

    w->setText("edt44", "#123");
    w->setText("edt45", "#456");
    w->fire("btn2Click");
    for (int i = 1; i <= 43; ++i)
        EXPECT_EQ(w->text("edt" + n(i)), "") << i;
    expectStartColours();
    w->fire("btn3Click");
    EXPECT_EQ(fake().clipboard.count("<img style=\"border:none;\" src=\"\""), 8);
}

TEST_F(CarnivalTest, APageThatCannotBeWrittenIsReportedAndNothingIsCopied) {
    mark();
    ASSERT_TRUE(QDir().mkdir("files.html")); // a folder where the page should go
    w->fire("btn3Click");
    EXPECT_EQ(w->text("mmo1"), carnival({"950", "700", "320", "205", "205", "#fc0", "#f33"})); // already filled
    ASSERT_EQ(fake().callsOf("messageBox").size(), 1);
    EXPECT_TRUE(fake().lastMessage().text.startsWith("Cannot create file"));
    EXPECT_FALSE(fake().clipboardSet);
}

TEST_F(CarnivalTest, PreviewShowsThePageAndTheLauncherOpensTheWindow) {
    auto* pages = w->findChild<QTabWidget*>();
    pages->setCurrentIndex(0);
    w->fire("btn4Click");
    expectMessage("TFrmjianianhua", "记得先点生成再预览哦！");
    EXPECT_EQ(pages->currentIndex(), 1);
    ASSERT_NE(browserOf(w), nullptr);
    EXPECT_EQ(browserOf(w)->navigations.last(), page());
    openFromLauncher("img54", w);
}

} // namespace
