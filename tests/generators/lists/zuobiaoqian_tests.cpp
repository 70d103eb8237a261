// The left tab card: a title column with four group names switching slides of
// three pictures each.
#include "app/windows.h"
#include "generators/lists/zuobiaoqian.h"
#include "tests/generators/carousels/combo_items.h"
#include "tests/support/helpers.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

const QString kCopied = "代码已被复制，可以通过本软件的预览功能预览或者安装到店铺自定义！";

const QString kHead = "<div class=\"J_TWidget\"  data-widget-type=\"Carousel\"  \r\n"
                      "data-widget-config=\"{'effect': 'scrollx',\r\n"
                      "                                    'navCls':'kavri_124nav',\r\n"
                      "                                    'contentCls':'kavri_124cont',\r\n"
                      "                                    'autoplay':'true'\r\n"
                      "                                   }\">";

// Picture and link field numbers of the three pictures of each group.
const int kPicture[4][3] = {{5, 7, 9}, {11, 15, 16}, {17, 21, 22}, {23, 27, 28}};
const int kLink[4][3] = {{6, 8, 10}, {12, 13, 14}, {18, 19, 20}, {24, 25, 26}};

QString n(int i) {
    return QString::number(i);
}

struct Look {
    QString W, N, title, titleColour, blockColour, columnColour;
};

// The snippet with group names G g, pictures P g i and links L g i.
QString card(const Look& l) {
    QString out =
        kHead + "<div style=\"width:" + l.W + "px; height:400px; background-color:" + l.blockColour + "\">" +
        "<div style=\"float:left; width:" + l.N +
        "px;height:400px; text-align:center; font-size:14px; color:#FFF;background-color:" + l.columnColour +
        "; \">" + "<div style=\"height:100px; background-color:" + l.titleColour +
        ";line-height:100px; font-family: Microsoft yahei; font-size:20px\">" + "<strong>" + l.title +
        "</strong>" + "</div>" + "<div style=\"height:20px;\"></div>" + "<div class=\"kavri_124nav\">";
    for (int g = 1; g <= 4; ++g)
        out += "<div style=\"line-height:50px;cursor:pointer;\">G" + n(g) + "</div>";
    out += "</div><div style=\"height:80px;\"></div></div>";
    out +=
        "<div style=\"float:left; width:799px;height:400px;overflow:hidden\"><div class=\"kavri_124cont\">";
    for (int g = 1; g <= 4; ++g) {
        out += "<div style=\"width:799px;height:400px;\">";
        for (int i = 1; i <= 3; ++i)
            out +=
                "<div style=\"float:left; width:253px;height:380px; margin:10px 0px 0px 10px\"> <a href=\"L" +
                n(g) + n(i) + "\" target=\"_blank\"><img src=\"P" + n(g) + n(i) +
                "\" alt=\" 253x380\" width=\"253\" height=\"380\"/></a></div>";
        out += "</div>";
    }
    return out + "</div></div></div></div>";
}

// The input with the look and the marks of card().
generators::ZuobiaoqianInput marked(const Look& l) {
    generators::ZuobiaoqianInput in;
    in.width = l.W;
    in.columnWidth = l.N;
    in.title = l.title;
    in.titleColour = l.titleColour;
    in.blockColour = l.blockColour;
    in.columnColour = l.columnColour;
    for (int g = 1; g <= 4; ++g) {
        in.groups[g - 1] = "G" + n(g);
        for (int i = 1; i <= 3; ++i) {
            in.pictures[3 * (g - 1) + i - 1] = "P" + n(g) + n(i);
            in.links[3 * (g - 1) + i - 1] = "L" + n(g) + n(i);
        }
    }
    return in;
}

// The looks of both shops, with the fields' texts.
const Look kLooks[] = {{"990", "191", "T1", "#A00001", "#B00002", "#C00003"},
                       {"950", "151", "标题", "#119662", "#e9e9e9", "#15b677"},
                       {"990", "191", "", "", "", ""},
                       {"950", "151", "x y", "red", "blue", "green"}};

// The snippet from the card's fields, without the window.
TEST(ZuobiaoqianSnippet, LooksOfBothShops) {
    for (const Look& look : kLooks)
        EXPECT_EQ(generators::zuobiaoqianSnippet(marked(look)), card(look)) << look.W.toStdString();
}

class TabCardTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = testing::form("Tfrmzuobiaoqian");
    }
    void mark() {
        for (int g = 1; g <= 4; ++g) {
            w->setText("edt" + n(g), "G" + n(g));
            for (int i = 1; i <= 3; ++i) {
                w->setText("edt" + n(kPicture[g - 1][i - 1]), "P" + n(g) + n(i));
                w->setText("edt" + n(kLink[g - 1][i - 1]), "L" + n(g) + n(i));
            }
        }
    }
    void expectDelivered(const QString& want) {
        EXPECT_EQ(w->text("mmo1"), want);
        EXPECT_EQ(fake().clipboard, want);
        ASSERT_EQ(fake().callsOf("messageBox").size(), 1);
        EXPECT_EQ(fake().lastMessage().text, kCopied);
        EXPECT_EQ(fake().lastMessage().title, "提示信息");
        EXPECT_EQ(fake().lastMessage().owner, "Tfrmzuobiaoqian");
    }
    void movePointer(QWidget* widget) {
        QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), widget->mapToGlobal(QPointF(3, 3)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &move);
    }
    core::Form* w = nullptr;
};

// Runs first: the window as start-up made it.
TEST_F(TabCardTest, DefaultsAndTheDefaultSnippet) {
    EXPECT_EQ(w->windowTitle(), "左侧标签卡盘");
    EXPECT_EQ(testing::comboItems(w, "cbb1"), QStringList({"集市店", "天猫店"}));
    const struct {
        QString name, text;
    } values[] = {{"cbb1", "集市店"},   {"lbl13", "950"},     {"lbl12", "151"},     {"edt29", "新风向标"},
                  {"edt30", "#119662"}, {"edt32", "#e9e9e9"}, {"edt31", "#15b677"}, {"btn1", "复制提取"},
                  {"btn2", "参照图"},   {"grp1", "输出"},     {"lbl10", kHead},     {"mmo1", "mmo1\r\n"}};
    for (const auto& v : values)
        EXPECT_EQ(w->text(v.name), v.text) << v.name.toStdString();
    for (const QString name : {"lbl13", "lbl12", "lbl10", "mmo1"}) {
        EXPECT_TRUE(w->control(name)->isHidden()) << name.toStdString();
        EXPECT_EQ(w->control(name)->focusPolicy(), Qt::NoFocus);
    }
    for (int g = 1; g <= 4; ++g) {
        EXPECT_EQ(w->text("edt" + n(g)), "青梧美工");
        for (int i = 0; i < 3; ++i) {
            EXPECT_TRUE(w->text("edt" + n(kPicture[g - 1][i])).startsWith("https://"));
            EXPECT_EQ(w->text("edt" + n(kLink[g - 1][i])), "#");
        }
    }
    auto* pages = w->findChild<QTabWidget*>();
    ASSERT_NE(pages, nullptr);
    EXPECT_EQ(pages->count(), 4);
    EXPECT_EQ(pages->tabText(0), "    第一组  ");
    EXPECT_EQ(pages->tabText(3), "    第四组  ");
    // Group 2's second picture sits on the page of group 2.
    EXPECT_EQ(w->control("edt15")->parentWidget(), pages->widget(1));
    EXPECT_EQ(w->control("edt13")->parentWidget(), pages->widget(1));

    w->fire("btn1Click");
    const QString out = fake().clipboard;
    EXPECT_TRUE(out.startsWith(kHead + "<div style=\"width:950px; height:400px; background-color:#e9e9e9\">"
                                       "<div style=\"float:left; width:151px;height:400px;"));
    EXPECT_EQ(out.count("<div style=\"line-height:50px;cursor:pointer;\">青梧美工</div>"), 4);
    EXPECT_EQ(out.count("<strong>新风向标</strong>"), 1);
    EXPECT_EQ(fake().lastMessage().text, kCopied);
    EXPECT_TRUE(out.endsWith("</div></div></div></div></div></div>"));
    EXPECT_EQ(out, core::windowClass("Tfrmzuobiaoqian")->info.sample());
}

TEST_F(TabCardTest, ShopTypesAndMarkedSnippets) {
    mark();
    const struct {
        QString shop;
        Look look;
    } cases[] = {{"天猫店", kLooks[0]}, {"集市店", kLooks[1]}, {"天猫", kLooks[2]}, {"集市店", kLooks[3]}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shop.toStdString());
        fake().reset();
        w->setText("cbb1", c.shop);
        EXPECT_EQ(w->text("lbl13"), c.look.W);
        EXPECT_EQ(w->text("lbl12"), c.look.N);
        w->setText("edt29", c.look.title);
        w->setText("edt30", c.look.titleColour);
        w->setText("edt32", c.look.blockColour);
        w->setText("edt31", c.look.columnColour);
        w->fire("btn1Click");
        expectDelivered(generators::zuobiaoqianSnippet(marked(c.look)));
    }
}

TEST_F(TabCardTest, EmptyGroupNamesLeaveEmptyItemsAndEveryBlockCloses) {
    mark();
    w->setText("edt2", "");
    w->fire("btn1Click");
    const QString out = fake().clipboard;
    EXPECT_TRUE(out.contains("<div style=\"line-height:50px;cursor:pointer;\"></div>"));
    EXPECT_EQ(out.count("<div"), out.count("</div>"));
    w->setText("edt2", "G2");
}

TEST_F(TabCardTest, ColourFields) {
    const struct {
        QString field;
        QColor colour;
        QString text;
    } cases[] = {{"edt30", QColor(0, 165, 197), "#00A5C5"},
                 {"edt32", QColor(255, 255, 255), "#FFFFFF"},
                 {"edt31", QColor(1, 2, 3), "#010203"}};
    for (const auto& c : cases) {
        const QString before = w->text(c.field);
        fake().colors.enqueue(c.colour);
        w->fire(c.field + "DblClick");
        EXPECT_EQ(w->text(c.field), c.text);
        w->fire(c.field + "DblClick"); // cancelled
        EXPECT_EQ(w->text(c.field), c.text);
        w->setText(c.field, before);
    }
}

TEST_F(TabCardTest, ReferencePanelAndLauncher) {
    EXPECT_TRUE(w->control("pnl1")->isHidden());
    w->showForm();
    movePointer(w->control("btn2"));
    EXPECT_FALSE(w->control("pnl1")->isHidden());
    movePointer(w->control("grp1"));
    EXPECT_TRUE(w->control("pnl1")->isHidden());
    w->hide();

    w->setText("edt29", "kept");
    testing::form("Tfrmindex")->fire("img57Click");
    EXPECT_TRUE(w->isVisible());
    w->close();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(app::window("Tfrmzuobiaoqian"), w);
    EXPECT_EQ(w->text("edt29"), "kept");
    w->setText("edt29", "新风向标");
}

} // namespace
