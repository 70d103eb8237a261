#include "generators/promotions/paihangbang.h"
#include "tests/generators/promotions/pagewidgets_checks.h"

#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QPushButton>

namespace {

struct Product {
    QString title, picture, link, price;
};

QString product(const Product& p, bool open) {
    return "<div class=\"kavri_21_1\" style=\"line-height:45px; text-align:center; border-bottom:#CCC 1px "
           "dotted;cursor:pointer;\">" +
           p.title +
           (open ? QString("</div><div class=\"kavri_21_2\"><a href=\"")
                 : QString("</div><div class=\"kavri_21_2\"  style=\"display:none\"><a href=\"")) +
           p.link + "\" target=\"_blank\"><img style=\"margin:10px;\" src=\"" + p.picture +
           "\" width=\"168\" height=\"168\"/></a><div style=\"line-height:30px; "
           "height:40px;text-align:center; "
           "border-bottom:#CCC 1px dotted\">特惠价:<span style=\"color:#F00\"> " +
           p.price + "</span></div></div>";
}

QString list(const QList<Product>& products) {
    QString out =
        "<div style=\"width:188px; border:#CCC 1px dotted; color:#333;font-size:14px; \"class=\"J_TWidget\"  "
        "data-widget-type=\"Accordion\"  data-widget-config=\"{\r\n             'triggerType':'mouse',\r\n   "
        "          'triggerCls':'kavri_21_1',\r\n             'panelCls':'kavri_21_2',\r\n             "
        "'multiple':false\r\n     }\">";
    for (int i = 0; i < products.size(); ++i)
        out += product(products[i], i == 0);
    return out + "</div>";
}

// Title, picture, link and price fields of each product.
const char* const kFields[5][4] = {{"edt1", "edt2", "edt3", "edt4"},
                                   {"edt5", "edt6", "edt7", "edt8"},
                                   {"edt9", "edt10", "edt11", "edt12"},
                                   {"edt13", "edt14", "edt15", "edt16"},
                                   {"edt17", "edt18", "edt19", "edt20"}};

class PaihangbangTest : public testing::FormTest {
protected:
    PaihangbangTest()
        : FormTest("Tfrmpaihangbang") {}
};

TEST_F(PaihangbangTest, DefaultsGiveFiveProductsWithTheFirstOpen) {
    EXPECT_EQ(w->windowTitle(), "190销售排行榜");
    const QString titles[] = {"NO.1 累计售出100件", "NO.2 累计售出100件", "NO.3累计售出100件",
                              "NO.4 累计售出100件", "NO.5 累计售出100件"};
    const QString sample = w->text("edt2");
    EXPECT_FALSE(sample.isEmpty());
    QList<Product> products;
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(w->text(kFields[k][0]), titles[k]);
        EXPECT_EQ(w->text(kFields[k][1]), sample);
        EXPECT_EQ(w->text(kFields[k][2]), "#");
        EXPECT_EQ(w->text(kFields[k][3]), "125.00");
        products << Product{titles[k], sample, "#", "125.00"};
    }
    EXPECT_EQ(w->text("mmo1"), "mmo1\r\n");
    w->fire("btn2Click");
    EXPECT_EQ(w->text("mmo1"), list(products));
    testing::expectCopied(fake(), "Tfrmpaihangbang", list(products), testing::kShopCopied);
}

// Five products, each of its own fields, the first one open.
generators::PaihangbangInput markedProducts(QList<Product>& products) {
    generators::PaihangbangInput in;
    for (int k = 0; k < 5; ++k) {
        const Product p{QString("T%1").arg(k + 1), QString("P%1").arg(k + 1), QString("L%1").arg(k + 1),
                        QString("M%1").arg(k + 1)};
        in.titles[k] = p.title;
        in.pictures[k] = p.picture;
        in.links[k] = p.link;
        in.prices[k] = p.price;
        products << p;
    }
    return in;
}

TEST(PaihangbangSnippet, EachProductTakesItsOwnFields) {
    QList<Product> products;
    const generators::PaihangbangInput in = markedProducts(products);
    EXPECT_EQ(generators::paihangbangSnippet(in), list(products));
}

// 提取代码 builds from what the fields hold, each field in its place.
TEST_F(PaihangbangTest, EachProductTakesItsOwnFields) {
    QList<Product> products;
    const generators::PaihangbangInput in = markedProducts(products);
    for (int k = 0; k < 5; ++k) {
        w->setText(kFields[k][0], in.titles[k]);
        w->setText(kFields[k][1], in.pictures[k]);
        w->setText(kFields[k][2], in.links[k]);
        w->setText(kFields[k][3], in.prices[k]);
    }
    w->fire("btn2Click");
    testing::expectCopied(fake(), "Tfrmpaihangbang", generators::paihangbangSnippet(in),
                          testing::kShopCopied);
    // Generating again without changes gives the same text.
    w->fire("btn2Click");
    EXPECT_EQ(w->text("mmo1"), generators::paihangbangSnippet(in));
}

TEST_F(PaihangbangTest, TheExampleShowsOverTheButtonAndHidesOverTheOutputGroup) {
    auto* panel = w->control<QWidget>("pnl1");
    EXPECT_TRUE(panel->isHidden());
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(w->control<QPushButton>("btn1"), &enter);
    EXPECT_FALSE(panel->isHidden());
    QEvent enterGroup(QEvent::Enter);
    QApplication::sendEvent(w->control<QGroupBox>("grp6"), &enterGroup);
    EXPECT_TRUE(panel->isHidden());
    EXPECT_EQ(w->control<QGroupBox>("grp6")->title(), "输出");
    // A click on the button does nothing.
    w->control<QPushButton>("btn1")->click();
    EXPECT_FALSE(fake().clipboardSet);
    EXPECT_TRUE(fake().callsOf("messageBox").isEmpty());
}

} // namespace
