#include "generators/lists/batuzhezhao.h"
#include "generators/lists/qitukaiguandeng.h"
#include "generators/lists/shitufangdajing.h"
#include "tests/support/helpers.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

const QString kMessage = "代码已被复制，可以到店铺的自定义进行粘贴了！";

QString n(int i) {
    return QString::number(i);
}

class TilesTest : public testing::ProgramTest {
protected:
    QStringList comboItems(core::Form* w) {
        QStringList items;
        auto* box = w->control<QComboBox>("cbb1");
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        return items;
    }
    void expectDelivered(core::Form* w, const QString& want) {
        EXPECT_EQ(w->text("mmo1"), want);
        EXPECT_EQ(fake().clipboard, want);
        EXPECT_EQ(fake().callsOf("messageBox").size(), 1);
        EXPECT_EQ(fake().lastMessage().text, kMessage);
        EXPECT_EQ(fake().lastMessage().title, "提示信息");
        EXPECT_EQ(fake().lastMessage().owner, w->objectName());
    }
    void expectOutput(core::Form* w) {
        EXPECT_EQ(w->text("mmo1"), "mmo1\r\n");
        EXPECT_TRUE(w->control("mmo1")->isHidden());
        EXPECT_EQ(w->control("mmo1")->focusPolicy(), Qt::NoFocus);
    }
    // Each shop type writes its sizes; a typed text other than "集市店" counts as Tmall.
    void expectShopSizes(core::Form* w, const QStringList& labels, const QStringList& market,
                         const QStringList& other) {
        for (const QString shop : {"天猫店", "集市店", "天猫", "集市店", "天猫店"}) {
            w->setText("cbb1", shop);
            for (int i = 0; i < labels.size(); ++i)
                EXPECT_EQ(w->text(labels[i]), shop == "集市店" ? market[i] : other[i])
                    << labels[i].toStdString() << " " << shop.toStdString();
        }
        w->setText("cbb1", "集市店");
    }
    // The launcher's picture of the module is the snippet of the window's defaults.
    void expectSample(core::Form* w, const QString& generate) {
        w->fire(generate);
        EXPECT_EQ(w->text("mmo1"), core::windowClass(w->objectName())->info.sample());
    }
    void movePointer(QWidget* widget) {
        QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), widget->mapToGlobal(QPointF(3, 3)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &move);
    }
    void expectReferencePanel(core::Form* w, const QString& group) {
        EXPECT_TRUE(w->control("pnl1")->isHidden());
        w->showForm();
        movePointer(w->control("btn1"));
        EXPECT_FALSE(w->control("pnl1")->isHidden());
        movePointer(w->control(group));
        EXPECT_TRUE(w->control("pnl1")->isHidden());
        movePointer(w->control("btn1"));
        EXPECT_FALSE(w->control("pnl1")->isHidden());
        w->fire(group + "MouseMove");
        EXPECT_TRUE(w->control("pnl1")->isHidden());
        w->hide();
    }
    void openFromLauncher(const QString& image, core::Form* w) {
        testing::form("Tfrmindex")->fire(image + "Click");
        EXPECT_TRUE(w->isVisible());
        w->close();
        EXPECT_FALSE(w->isVisible());
    }
};

// ---- Eight tiles ----

// Front, back and link field of tile k.
const int kEightFirstField[] = {4, 1, 7, 10, 13, 16, 19, 22};

QString eightTiles(const QString& W, const QString& L) {
    const QString column = "<div style=\"width:165px; height:335px; float:left; margin-left:6px;\">";
    QString out = "<div style=\"width:" + W + "px; height:335px;\">";
    out += "<!--1-->"
           "<div class=\"kavri329_1\" style=\"width:" +
           L + "px; height:335px; float:left\">" + "<img src=\"f1\" width=\"" + L +
           "\" height=\"335\" alt=\"\">" + "</div>";
    out += column;
    out += "<!--2-->"
           "<div class=\"kavri329_2\" style=\"width:165px; height:165px; margin-bottom:6px;\">"
           "<img src=\"f2\" width=\"165\" height=\"165\" alt=\"\"></div>";
    out += "<!--3-->"
           "<div class=\"kavri329_3\" style=\"width:165px; height:165px;\">"
           "<img src=\"f3\" width=\"165\" height=\"165\" alt=\"\"></div>";
    out += "</div>" + column;
    out +=
        "<!--4-->"
        "<div class=\"kavri329_4\" style=\"width:165px; height:165px; margin-bottom:6px;\"><img src=\"f4\" "
        "width=\"165\" height=\"165\" alt=\"\"></div>";
    out += "<!--5-->"
           "<div class=\"kavri329_5\" style=\"width:165px; height:165px;\"> <img src=\"f5\" width=\"165\" "
           "height=\"165\" alt=\"\"></div>";
    out += "</div>" + column;
    out += "<!--6-->"
           "<div class=\"kavri329_6\" style=\"width:165px; height:165px; margin-bottom:6px;\"> <img "
           "src=\"f6\" width=\"165\" height=\"165\" alt=\"\"></div>";
    out += "<!--7-->"
           "<div class=\"kavri329_7\" style=\"width:165px; height:165px;\"> <img src=\"f7\" width=\"165\" "
           "height=\"165\" alt=\"\"></div>";
    out += "</div>";
    out += "<!--8-->"
           "<div class=\"kavri329_8\" style=\"width:165px; height:335px; float:left; margin-left:6px; "
           "overflow:hidden\">"
           "<img src=\"f8\" width=\"167\" height=\"335\" alt=\"\">"
           "</div>";
    out += "</div>";
    for (int k = 1; k <= 8; ++k) {
        const QString c = "kavri329_" + n(k);
        const QString tail = k == 1   ? "\" width=\"" + L + "\" height=\"335\" alt=\"\"></a></div>"
                             : k == 8 ? QString("\" width=\"165\" height=\"335\" alt=\"\"></a></div>")
                                      : QString("\" width=\"165\" height=\"165\" alt=\"\"></a></div>");
        out +=
            "<div class=\"J_TWidget hidden\" data-widget-type=\"Popup\" data-widget-config=\"{'trigger':'." +
            c + "', 'align':{'node':'." + c + "','offset':[0,0], 'points':['cc','cc'] } }\">" +
            "<a href=\"l" + n(k) + "\" target=\"_blank\">" + "<img src=\"b" + n(k) + tail;
    }
    return out;
}

TEST_F(TilesTest, EightTilesDefaults) {
    core::Form* w = testing::form("Tfrmbatuzhezhao");
    EXPECT_EQ(w->windowTitle(), "八图遮罩翻转");
    EXPECT_EQ(comboItems(w), QStringList({"集市店", "天猫店"}));
    EXPECT_EQ(w->text("cbb1"), "集市店");
    const struct {
        QString name, text;
    } labels[] = {{"lbl10", "950"},  {"lbl11", "335"},     {"lbl12", "266"},         {"lbl13", "165"},
                  {"btn1", "参照"},  {"btn2", "提取代码"}, {"grp9", "整体输出参数"}, {"grp1", "左边图"},
                  {"grp2", "位置2"}, {"grp7", "位置7"},    {"grp8", "右边图"}};
    for (const auto& l : labels)
        EXPECT_EQ(w->text(l.name), l.text) << l.name.toStdString();
    // Every field sits in the group box of its tile.
    for (int k = 1; k <= 8; ++k) {
        const int f = kEightFirstField[k - 1];
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(w->control("edt" + n(f + i))->parentWidget()->objectName(), "grp" + n(k)) << k;
        EXPECT_TRUE(w->text("edt" + n(f)).startsWith("https://"));
        EXPECT_TRUE(w->text("edt" + n(f + 1)).startsWith("https://"));
        EXPECT_EQ(w->text("edt" + n(f + 2)), "#");
    }
    const struct {
        QString name, text;
    } holders[] = {
        {"lbl14",
         "<div class=\"J_TWidget hidden\" data-widget-type=\"Popup\" data-widget-config=\"{'trigger':'."},
        {"lbl15", "', 'align':{'node':'."},
        {"lbl16", "','offset':[0,0], 'points':['cc','cc'] } }\">"}};
    for (const auto& h : holders) {
        EXPECT_EQ(w->text(h.name), h.text);
        EXPECT_TRUE(w->control(h.name)->isHidden());
    }
    expectOutput(w);
    EXPECT_TRUE(w->control("pnl1")->isHidden());
    EXPECT_TRUE(w->hasHandler("FormCreate"));
    expectSample(w, "btn2Click");
}

// The snippet from the tiles' fields and the shop's sizes, without the window.
TEST(BatuzhezhaoSnippet, SizesOfBothShops) {
    generators::BatuzhezhaoInput in;
    EXPECT_EQ(in.width, "950");
    EXPECT_EQ(in.leftWidth, "266");
    for (int k = 1; k <= 8; ++k) {
        in.fronts[k - 1] = "f" + n(k);
        in.backs[k - 1] = "b" + n(k);
        in.links[k - 1] = "l" + n(k);
    }
    const struct { QString W, L; } cases[] = {{"950", "266"}, {"990", "306"}, {"", ""}};
    for (const auto& c : cases) {
        in.width = c.W;
        in.leftWidth = c.L;
        EXPECT_EQ(generators::batuzhezhaoSnippet(in), eightTiles(c.W, c.L)) << c.W.toStdString();
    }
}

// 提取代码 builds from what the fields and the size labels hold, each in its place.
TEST_F(TilesTest, EightTilesShopSizesAndFields) {
    core::Form* w = testing::form("Tfrmbatuzhezhao");
    expectShopSizes(w, {"lbl10", "lbl11", "lbl12", "lbl13"}, {"950", "335", "266", "165"},
                    {"990", "335", "306", "165"});
    generators::BatuzhezhaoInput in;
    for (int k = 1; k <= 8; ++k) {
        const int f = kEightFirstField[k - 1];
        in.fronts[k - 1] = "f" + n(k);
        in.backs[k - 1] = "b" + n(k);
        in.links[k - 1] = "l" + n(k);
        w->setText("edt" + n(f), in.fronts[k - 1]);
        w->setText("edt" + n(f + 1), in.backs[k - 1]);
        w->setText("edt" + n(f + 2), in.links[k - 1]);
    }
    const struct {
        QString shop, W, L;
    } cases[] = {{"集市店", "950", "266"}, {"天猫店", "990", "306"}, {"集市店", "950", "266"}};
    for (const auto& c : cases) {
        fake().reset();
        w->setText("cbb1", c.shop);
        in.width = c.W;
        in.leftWidth = c.L;
        w->fire("btn2Click");
        expectDelivered(w, generators::batuzhezhaoSnippet(in));
    }
}

TEST_F(TilesTest, EightTilesReferencePanelAndLauncher) {
    core::Form* w = testing::form("Tfrmbatuzhezhao");
    expectReferencePanel(w, "grp9");
    openFromLauncher("img125", w);
}

// ---- Seven tiles ----

QString sevenTiles(const QString& W, const QString& H, const QString& S) {
    const QString margin[] = {"",
                              " margin-left:10px;",
                              " margin-left:10px;",
                              " margin-top:10px;",
                              " margin-top:10px; margin-left:10px;",
                              " margin-top:10px; margin-left:10px;",
                              " margin-top:10px; margin-left:10px;"};
    const QString cursor[] = {"cursor:pointer; ", "cursor:pointer; ", "cursor:pointer; ", " cursor:pointer;",
                              " cursor:pointer;", "cursor:pointer; ", "cursor:pointer; "};
    QString out = "<div style=\"width:" + W + "px; height:" + H + "px;overflow:hidden\">" +
                  "<div style=\"width:" + W + "px; height:" + H + "px;\">";
    out += "<div style=\"width:" + H + "px; height:" + S + "px; float:left;\"><img src=\"p1\" width=\"" + H +
           "\" height=\"" + S + "\" /></div>";
    for (int k = 2; k <= 7; ++k)
        out += "<div style=\"width:" + S + "px; height:" + S + "px; float:left;" + margin[k - 1] +
               "\"><img src=\"p" + n(k) + "\"  width=\"" + S + "\" height=\"" + S + "\"/></div>";
    out += "</div>";
    out += "<div style=\"width:" + W + "px; height:" + H + "px; position:relative; left:auto; top:-" + H +
           "px\">";
    for (int k = 1; k <= 7; ++k)
        out += "<div class=\"kavri_24_" + n(k) + "\"" + (k == 1 ? " " : "  ") +
               "style=\"width:" + (k == 1 ? H : S) + "px; height:" + S + "px; float:left;" + margin[k - 1] +
               " background-color:#000;filter:alpha(Opacity=30); opacity: 0.3;" + cursor[k - 1] + "\"></div>";
    out += "</div>";
    for (int k = 1; k <= 7; ++k) {
        const QString c = "kavri_24_" + n(k);
        const QString wk = k == 1 ? H : S;
        out +=
            "<div class=\"J_TWidget hidden\" data-widget-type=\"Popup\" data-widget-config=\"{ 'trigger':'." +
            c + "', 'align':{ 'node':'." + c + "', 'offset':[0,0], 'points':['cc','cc'] } }\">" +
            "<div style=\"width:" + wk + "px; height:" + S + "px;\">" + "<a href=\"l" + n(k) +
            "\" target=\"_blank\"><img src=\"p" + n(k) + "\" width=\"" + wk + "\" height=\"" + S +
            "\" /></a></div></div>";
    }
    return out + "</div>";
}

TEST_F(TilesTest, SevenTilesDefaults) {
    core::Form* w = testing::form("Tfrmqitukaiguandeng");
    EXPECT_EQ(w->windowTitle(), "七图开关灯效果");
    EXPECT_EQ(comboItems(w), QStringList({"集市店", "天猫店"}));
    EXPECT_EQ(w->text("cbb1"), "集市店");
    const QStringList values = {"950", "470", "470", "230", "230", "230"};
    for (int i = 0; i < values.size(); ++i)
        EXPECT_EQ(w->text("lbl" + n(i + 2)), values[i]);
    EXPECT_EQ(w->text("btn1"), "提取代码");
    for (int k = 1; k <= 7; ++k) {
        EXPECT_TRUE(w->text("edt" + n(2 * k - 1)).startsWith("https://"));
        EXPECT_EQ(w->text("edt" + n(2 * k)), "#");
    }
    const struct {
        QString name, text;
    } holders[] = {
        {"lbl10",
         "<div class=\"J_TWidget hidden\" data-widget-type=\"Popup\" data-widget-config=\"{ 'trigger':'."},
        {"lbl11", "', 'align':{ 'node':'."},
        {"lbl12", "', 'offset':[0,0], 'points':['cc','cc'] } }\">"}};
    for (const auto& h : holders) {
        EXPECT_EQ(w->text(h.name), h.text);
        EXPECT_TRUE(w->control(h.name)->isHidden());
    }
    expectOutput(w);
    expectSample(w, "btn1Click");
}

TEST(QitukaiguandengSnippet, SizesOfBothShops) {
    generators::QitukaiguandengInput in;
    for (int k = 1; k <= 7; ++k) {
        in.pictures[k - 1] = "p" + n(k);
        in.links[k - 1] = "l" + n(k);
    }
    const struct { QString W, H, S; } cases[] = {{"950", "470", "230"}, {"990", "490", "240"}};
    for (const auto& c : cases) {
        in.width = c.W;
        in.height = c.H;
        in.tile = c.S;
        EXPECT_EQ(generators::qitukaiguandengSnippet(in), sevenTiles(c.W, c.H, c.S)) << c.W.toStdString();
    }
    // The ordinary shop, as the window starts: the wide tile is 470 by 230 and the masks move up by 470.
    const QString snippet = generators::qitukaiguandengSnippet(generators::QitukaiguandengInput());
    EXPECT_TRUE(
        snippet.contains("<div class=\"kavri_24_1\" style=\"width:470px; height:230px; float:left; "
                         "background-color:#000;filter:alpha(Opacity=30); opacity: 0.3;cursor:pointer; "
                         "\"></div>"));
    EXPECT_TRUE(snippet.contains("position:relative; left:auto; top:-470px\">"));
    EXPECT_TRUE(snippet.endsWith("\" width=\"230\" height=\"230\" /></a></div></div></div>"));
}

TEST_F(TilesTest, SevenTilesShopSizesAndFields) {
    core::Form* w = testing::form("Tfrmqitukaiguandeng");
    expectShopSizes(w, {"lbl2", "lbl3", "lbl4", "lbl5", "lbl6", "lbl7"},
                    {"950", "470", "470", "230", "230", "230"}, {"990", "490", "490", "240", "240", "240"});
    generators::QitukaiguandengInput in;
    for (int k = 1; k <= 7; ++k) {
        in.pictures[k - 1] = "p" + n(k);
        in.links[k - 1] = "l" + n(k);
        w->setText("edt" + n(2 * k - 1), in.pictures[k - 1]);
        w->setText("edt" + n(2 * k), in.links[k - 1]);
    }
    const struct {
        QString shop, W, H, S;
    } cases[] = {{"集市店", "950", "470", "230"}, {"天猫店", "990", "490", "240"}};
    for (const auto& c : cases) {
        fake().reset();
        w->setText("cbb1", c.shop);
        in.width = c.W;
        in.height = c.H;
        in.tile = c.S;
        w->fire("btn1Click");
        expectDelivered(w, generators::qitukaiguandengSnippet(in));
    }
    w->setText("cbb1", "集市店");
    openFromLauncher("img63", w);
}

// ---- Ten tiles ----

QString tenTiles(const QString& W, const QString& S, const QString& Z) {
    auto tile = [&](int k) {
        const QString t = k % 5 == 0
                              ? "px; float:left;background-color: #CCC\"><img src=\""
                              : "px; float:left; margin-right:10px; background-color: #CCC\"><img src=\"";
        return "<div class=\"kavri_28_" + n(k) + "\" style=\"width:" + S + "px; height:" + S + t + "p" +
               n(k) + "\" width=\"" + S + "\" height=\"" + S + "\"/></div>";
    };
    QString out = "<div style=\"width:" + W + "px; height:" + S + "px; overflow:hidden\">";
    for (int k = 1; k <= 5; ++k)
        out += tile(k);
    out += "</div><div style=\"width:" + W + "px; height:" + S + "px; overflow:hidden;margin-top:10px;\">";
    for (int k = 6; k <= 10; ++k)
        out += tile(k);
    out += "</div>";
    for (int k = 1; k <= 10; ++k) {
        const QString c = "kavri_28_" + n(k);
        out += "<div class=\"J_TWidget hidden\" data-widget-type=\"Popup\" \r\ndata-widget-config=\"{ "
               "'trigger':'." +
               c + "',\r\n 'align':{ 'node':'." + c +
               "',\r\n 'offset':[0,0], \r\n'points':['cc','cc'] }\r\n }\">" + "<div style=\"width:" + Z +
               "px; height:" + Z + "px; background-color: #CCC\">" + "<a href=\"l" + n(k) +
               "\" target=\"_blank\"><img src=\"p" + n(k) + "\"  width=\"" + Z + "\" height=\"" + Z +
               "\"/></a></div></div>";
    }
    return out;
}

TEST_F(TilesTest, TenTilesDefaults) {
    core::Form* w = testing::form("Tfrmshitufangdajing");
    EXPECT_EQ(w->windowTitle(), "十图放大镜功能");
    EXPECT_EQ(comboItems(w), QStringList({"集市店", "天猫店"}));
    EXPECT_EQ(w->text("cbb1"), "集市店");
    const struct {
        QString name, text;
    } labels[] = {{"lbl3", "950"},  {"lbl4", "374"},      {"lbl5", "182"},    {"lbl6", "182"},
                  {"edt21", "320"}, {"lbl9", "清空所有"}, {"btn1", "参照图"}, {"btn2", "提取代码"}};
    for (const auto& l : labels)
        EXPECT_EQ(w->text(l.name), l.text) << l.name.toStdString();
    for (int k = 1; k <= 10; ++k) {
        EXPECT_TRUE(w->text("edt" + n(2 * k - 1)).startsWith("https://"));
        EXPECT_EQ(w->text("edt" + n(2 * k)), "#");
    }
    const struct {
        QString name, text;
    } holders[] = {{"lbl10",
                    "<div class=\"J_TWidget hidden\" data-widget-type=\"Popup\" \r\ndata-widget-config=\"{ "
                    "'trigger':'."},
                   {"lbl11", "',\r\n 'align':{ 'node':'."},
                   {"lbl12", "',\r\n 'offset':[0,0], \r\n'points':['cc','cc'] }\r\n }\">"}};
    for (const auto& h : holders) {
        EXPECT_EQ(w->text(h.name), h.text);
        EXPECT_TRUE(w->control(h.name)->isHidden());
    }
    expectOutput(w);
    EXPECT_TRUE(w->control("pnl1")->isHidden());
    expectSample(w, "btn2Click");
}

TEST(ShitufangdajingSnippet, SizesOfBothShopsAndTheZoom) {
    generators::ShitufangdajingInput in;
    for (int k = 1; k <= 10; ++k) {
        in.pictures[k - 1] = "p" + n(k);
        in.links[k - 1] = "l" + n(k);
    }
    const struct {
        QString zoom, W, S;
    } cases[] = {{"320", "950", "182"}, {"400", "990", "190"}, {"400", "950", "182"}, {"", "950", "182"}};
    for (const auto& c : cases) {
        in.width = c.W;
        in.tile = c.S;
        in.zoom = c.zoom;
        EXPECT_EQ(generators::shitufangdajingSnippet(in), tenTiles(c.W, c.S, c.zoom)) << c.zoom.toStdString();
    }
}

TEST_F(TilesTest, TenTilesShopSizesAndFields) {
    core::Form* w = testing::form("Tfrmshitufangdajing");
    expectShopSizes(w, {"lbl3", "lbl4", "lbl5", "lbl6"}, {"950", "374", "182", "182"},
                    {"990", "390", "190", "190"});
    generators::ShitufangdajingInput in;
    for (int k = 1; k <= 10; ++k) {
        in.pictures[k - 1] = "p" + n(k);
        in.links[k - 1] = "l" + n(k);
        w->setText("edt" + n(2 * k - 1), in.pictures[k - 1]);
        w->setText("edt" + n(2 * k), in.links[k - 1]);
    }
    const struct {
        QString shop, zoom, W, S;
    } cases[] = {{"集市店", "320", "950", "182"}, {"天猫店", "400", "990", "190"}};
    for (const auto& c : cases) {
        fake().reset();
        w->setText("cbb1", c.shop);
        w->setText("edt21", c.zoom);
        in.width = c.W;
        in.tile = c.S;
        in.zoom = c.zoom;
        w->fire("btn2Click");
        expectDelivered(w, generators::shitufangdajingSnippet(in));
    }
    w->setText("cbb1", "集市店");
    w->setText("edt21", "320");
}

TEST_F(TilesTest, TenTilesClearEmptiesEveryEditAndTheZoom) {
    core::Form* w = testing::form("Tfrmshitufangdajing");
    w->setText("cbb1", "天猫店");
    w->setText("edt21", "400");
    w->fire("lbl9Click");
    for (int i = 1; i <= 21; ++i)
        EXPECT_EQ(w->text("edt" + n(i)), "") << i;
    EXPECT_EQ(w->text("cbb1"), "天猫店");
    EXPECT_EQ(w->text("lbl5"), "190");
    EXPECT_TRUE(fake().calls.isEmpty());
    // Until a size is typed again the popups have empty sizes.
    w->fire("btn2Click");
    EXPECT_TRUE(fake().clipboard.contains(
        "<div style=\"width:px; height:px; background-color: #CCC\"><a href=\"\" "
        "target=\"_blank\"><img src=\"\"  width=\"\" height=\"\"/></a></div></div>"));
    EXPECT_TRUE(fake().clipboard.startsWith("<div style=\"width:990px; height:190px; overflow:hidden\">"));
    w->setText("cbb1", "集市店");
    w->setText("edt21", "320");
}

TEST_F(TilesTest, TenTilesReferencePanelAndLauncher) {
    core::Form* w = testing::form("Tfrmshitufangdajing");
    expectReferencePanel(w, "grp1");
    openFromLauncher("img60", w);
}

} // namespace
