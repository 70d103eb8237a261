// Static product picture lists: eight products with words and prices, four
// products with titles (previewed in the window), six pictures in an
// irregular grid (previewed in the default browser).
#include "generators/lists/ltbgz.h"
#include "generators/lists/situtong.h"
#include "generators/lists/tupian8.h"
#include "tests/generators/carousels/combo_items.h"
#include "tests/generators/lists/list_fixture.h"

#include <QDir>
#include <QRadioButton>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

QString n(int i) {
    return QString::number(i);
}

class ProductListTest : public testing::ListTest {
protected:
    void expectMessage(core::Form* w, const QString& text, const QString& title) {
        ListTest::expectMessage(w->objectName(), text, title);
    }
    // The window keeps what was typed while it is closed.
    void openKeeping(const QString& image, core::Form* w) {
        w->setText("edt1", "kept");
        openFromLauncher(image, w);
        testing::form("Tfrmindex")->fire(image + "Click");
        EXPECT_EQ(w->text("edt1"), "kept");
        w->hide();
    }
};

// ---- Eight products ----

// Product k with picture p, link l, word t, price v; width w, tag colour c.
QString eightBlock(int k, const QString& w, const QString& c, const QString& p, const QString& l,
                   const QString& t, const QString& v) {
    const QString margins[] = {"",
                               "margin-left:10px;",
                               "margin-left:10px;",
                               "margin-left:10px;",
                               "margin-top:10px",
                               "margin-left:10px;margin-top:10px",
                               "margin-left:10px;margin-top:10px",
                               "margin-left:10px;margin-top:10px"};
    return "<a style=\"color:#000; text-decoration:none\" href=\"" + l +
           "\" target=\"_blank\"><div style=\"width:" + w +
           "px; height:370px; font-size:14px; font-family:Microsoft Yahei; float:left;" + margins[k - 1] +
           "\"><div style=\"width:" + w + "px; height:330px; overflow:hidden\"><img src=\"" + p +
           "\" /></div>" +
           "<div style=\"line-height:30px; height:30px; background-color: #EAEAEA; padding-right:8px;\">" +
           "<span style=\"float:right; font-size:14px\">" + v +
           "</span><span style=\"padding:0px 10px; background-color:" + c + "; float:left; color:#FFF\">" +
           t + "</span></div></div></a>";
}

// The eight products with the markers P k, L k, T k, V k.
QString eightMarked(const QString& w, const QString& c) {
    QString out;
    for (int k = 1; k <= 8; ++k)
        out += eightBlock(k, w, c, "P" + n(k), "L" + n(k), "T" + n(k), "V" + n(k));
    return out;
}

// The input with those markers.
generators::Tupian8Input eightInput(const QString& w, const QString& c) {
    generators::Tupian8Input in;
    in.width = w;
    in.tagColour = c;
    for (int k = 1; k <= 8; ++k) {
        in.pictures[k - 1] = "P" + n(k);
        in.links[k - 1] = "L" + n(k);
        in.words[k - 1] = "T" + n(k);
        in.prices[k - 1] = "V" + n(k);
    }
    return in;
}

// The snippet from the products' fields, without the window.
TEST(Tupian8Snippet, WidthsColoursAndEmptyFields) {
    const struct {
        QString width, colour;
    } cases[] = {{"240", "#C1C1C1"}, {"230", "red"}, {"190", "#123"}, {"180", "#396"}, {"230", ""}};
    for (const auto& c : cases)
        EXPECT_EQ(generators::tupian8Snippet(eightInput(c.width, c.colour)), eightMarked(c.width, c.colour))
            << c.width.toStdString();

    generators::Tupian8Input empty;
    empty.width = "240";
    empty.tagColour = "";
    for (QStringList* fields : {&empty.pictures, &empty.links, &empty.words, &empty.prices})
        fields->fill(QString());
    QString want;
    for (int k = 1; k <= 8; ++k)
        want += eightBlock(k, "240", "", "", "", "", "");
    EXPECT_EQ(generators::tupian8Snippet(empty), want);
    EXPECT_TRUE(want.contains("href=\"\""));
}

void markEight(core::Form* w) {
    for (int k = 1; k <= 8; ++k) {
        w->setText("edt" + n(4 * k - 3), "P" + n(k));
        w->setText("edt" + n(4 * k - 2), "L" + n(k));
        w->setText("edt" + n(4 * k - 1), "T" + n(k));
        w->setText("edt" + n(4 * k), "V" + n(k));
    }
}

TEST_F(ProductListTest, EightProductsDefaults) {
    core::Form* w = testing::form("Tfrmtupian8");
    EXPECT_EQ(w->windowTitle(), "集市店首页950描述750及天猫店首页990描述790宝贝描述均可用8图关联列表");
    EXPECT_EQ(testing::comboItems(w, "cbb1"), QStringList({"集市描述", "天猫描述", "集市首页", "天猫首页"}));
    EXPECT_EQ(w->text("cbb1"), "集市描述");
    EXPECT_EQ(w->text("lbl3"), "180");
    EXPECT_EQ(w->text("lbl4"), "330");
    EXPECT_EQ(w->text("edt33"), "#396");
    EXPECT_EQ(w->text("btn1"), "提取代码");
    EXPECT_EQ(w->text("mmo1"), "mmo1\r\n");
    expectOutOfSight(w, "mmo1");
    for (int k = 1; k <= 8; ++k) {
        EXPECT_TRUE(w->text("edt" + n(4 * k - 3)).startsWith("https://")) << k;
        EXPECT_EQ(w->text("edt" + n(4 * k - 2)), "#");
        EXPECT_EQ(w->text("edt" + n(4 * k - 1)), "毛呢衫");
        EXPECT_EQ(w->text("edt" + n(4 * k)), "抢购价￥96.00");
    }

    // The default snippet: sample pictures, "#" links, the sample word and price.
    w->fire("btn1Click");
    QString want;
    for (int k = 1; k <= 8; ++k)
        want += eightBlock(k, "180", "#396", w->text("edt" + n(4 * k - 3)), "#", "毛呢衫", "抢购价￥96.00");
    EXPECT_EQ(w->text("mmo1"), want);
    EXPECT_EQ(fake().clipboard, want);
    expectMessage(w, "代码已生成并复制", "提示");
    EXPECT_EQ(want, core::windowClass("Tfrmtupian8")->info.sample());
}

TEST_F(ProductListTest, EightProductsPageKindsSetTheWidthAndTheSnippet) {
    core::Form* w = testing::form("Tfrmtupian8");
    markEight(w);
    const struct {
        QString kind, width, colour;
    } cases[] = {{"天猫首页", "240", "#C1C1C1"},
                 {"集市首页", "230", "red"},
                 {"天猫描述", "190", "#123"},
                 {"集市描述", "180", "#396"},
                 {"天猫", "190", "#ABCDEF"},
                 {"集市首页", "230", ""},
                 {"", "190", "#000"},
                 {"集市描述", "180", "#396"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind.toStdString());
        fake().reset();
        w->setText("cbb1", c.kind);
        EXPECT_EQ(w->text("lbl3"), c.width);
        EXPECT_EQ(w->text("lbl4"), "330");
        w->setText("edt33", c.colour);
        w->fire("btn1Click");
        const QString want = generators::tupian8Snippet(eightInput(c.width, c.colour));
        EXPECT_EQ(w->text("mmo1"), want);
        EXPECT_EQ(fake().clipboard, want);
        expectMessage(w, "代码已生成并复制", "提示");
    }
    // Pressing twice without changes gives the same text.
    const QString first = fake().clipboard;
    w->fire("btn1Click");
    EXPECT_EQ(fake().clipboard, first);
}

TEST_F(ProductListTest, EightProductsTheColourField) {
    core::Form* w = testing::form("Tfrmtupian8");
    // A double-click chooses the tag colour; cancelling keeps the text.
    fake().colors.enqueue(QColor(0, 165, 197));
    w->fire("edt33DblClick");
    EXPECT_EQ(w->text("edt33"), "#00A5C5");
    w->fire("edt33DblClick");
    EXPECT_EQ(w->text("edt33"), "#00A5C5");
    EXPECT_EQ(fake().lastInitialColor, QColor(0, 165, 197));
    w->setText("edt33", "#396");
    w->setText("cbb1", "集市描述");
}

TEST_F(ProductListTest, EightProductsOpenFromTheLauncher) {
    core::Form* w = testing::form("Tfrmtupian8");
    const QString picture = w->text("edt1");
    openKeeping("img129", w);
    w->setText("edt1", picture);
}

// ---- Four products ----

// Product k with picture p, link l, title t, introduction i; width w, tag colour c.
QString fourBlock(int k, const QString& w, const QString& c, const QString& p, const QString& l,
                  const QString& t, const QString& i) {
    const QString margins[] = {"", " margin-left:10px;", " margin-top:10px;",
                               " margin-left:10px; margin-top:10px;"};
    return "<div style=\"width:" + w + "px; height:300px; float:left;" + margins[k - 1] + "\">" +
           "<div style=\"width:" + w + "px; height:250px; background-color:#CCC\"><a href=\"" + l +
           "\" target=\"_blank\">" + "<img style=\"border:0px\" src=\"" + p + "\" width=\"" + w +
           "\" height=\"250\" /></a></div>" + "<div style=\"width:" + w +
           "px; height:50px; font-family:Microsoft Yahei; font-size:16px; background-color:#EAEAEA\">" +
           "<div  style=\"width:80px; height:50px; text-align:center; line-height:50px; background-color:" +
           c + "; float:left; font-weight:700; color:#FFF\">" + t + "</div>" +
           "<div style=\"height:50px; line-height:50px; float:left; margin-left:20px; font-size:14px; "
           "overflow:hidden;color:#333\">" +
           i + "</div>" + "</div>" + "</div>";
}

QString fourMarked(const QString& w, const QString& c) {
    QString out;
    for (int k = 1; k <= 4; ++k)
        out += fourBlock(k, w, c, "P" + n(k), "L" + n(k), "T" + n(k), "I" + n(k));
    return out;
}

generators::SitutongInput fourInput(const QString& w, const QString& c) {
    generators::SitutongInput in;
    in.width = w;
    in.tagColour = c;
    for (int k = 1; k <= 4; ++k) {
        in.pictures[k - 1] = "P" + n(k);
        in.links[k - 1] = "L" + n(k);
        in.titles[k - 1] = "T" + n(k);
        in.introductions[k - 1] = "I" + n(k);
    }
    return in;
}

TEST(SitutongSnippet, WidthsAndColours) {
    const struct {
        QString width, colour;
    } cases[] = {{"370", "#F00"}, {"490", "blue"}, {"390", ""}, {"470", "#093"}};
    for (const auto& c : cases)
        EXPECT_EQ(generators::situtongSnippet(fourInput(c.width, c.colour)), fourMarked(c.width, c.colour))
            << c.width.toStdString();
}

class FourProductsTest : public ProductListTest {
protected:
    void SetUp() override {
        ProductListTest::SetUp();
        w = testing::form("TFrmsitutong");
    }
    testing::FakeBrowser* browser() const { return browserOf(w); }
    void mark() {
        for (int k = 1; k <= 4; ++k) {
            w->setText("edt" + n(4 * k - 3), "P" + n(k));
            w->setText("edt" + n(4 * k - 2), "L" + n(k));
            w->setText("edt" + n(4 * k - 1), "T" + n(k));
            w->setText("edt" + n(4 * k), "I" + n(k));
        }
    }
    core::Form* w = nullptr;
};

// Runs first: the window as start-up made it.
TEST_F(FourProductsTest, DefaultsAndCopyBeforeThePreview) {
    EXPECT_EQ(w->windowTitle(), "通用四图列表");
    const struct {
        QString radio, caption;
        bool checked;
    } radios[] = {{"rb1", "集市首页", true},
                  {"rb4", "集市描述", false},
                  {"rb2", "天猫首页", false},
                  {"rb3", "天猫描述", false}};
    for (const auto& r : radios) {
        EXPECT_EQ(w->text(r.radio), r.caption);
        EXPECT_EQ(w->control<QRadioButton>(r.radio)->isChecked(), r.checked);
    }
    EXPECT_EQ(w->text("lbl2"), "950");
    EXPECT_EQ(w->text("lbl3"), "470");
    EXPECT_EQ(w->text("lbl5"), "250");
    EXPECT_EQ(w->text("edt17"), "#093");
    EXPECT_FALSE(w->hasHandler("edt17DblClick")); // a plain field
    EXPECT_EQ(w->text("btn1"), "生成预览");
    EXPECT_EQ(w->text("btn2"), "复制代码");
    for (int k = 1; k <= 4; ++k) {
        EXPECT_TRUE(w->text("edt" + n(4 * k - 3)).startsWith("https://")) << k;
        EXPECT_EQ(w->text("edt" + n(4 * k - 2)), "250");
        EXPECT_EQ(w->text("edt" + n(4 * k - 1)), "春季新品");
        EXPECT_EQ(w->text("edt" + n(4 * k)), "2015新品发布精选优质产品");
    }
    EXPECT_EQ(w->text("mmo1"), "");
    EXPECT_EQ(browser(), nullptr);

    // Copying before any preview copies no placeholder and says what is missing.
    w->fire("btn2Click");
    EXPECT_FALSE(fake().clipboardSet);
    expectMessage(w, "请先点击生成预览生成代码，再复制代码！", "提示信息");
    EXPECT_FALSE(QFileInfo::exists(page()));

    // The launcher's picture is the snippet of the defaults.
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo1"), core::windowClass("TFrmsitutong")->info.sample());
}

TEST_F(FourProductsTest, PageKindsSetTheSizesAndTheSnippet) {
    mark();
    const struct {
        QString radio, total, width, colour;
    } cases[] = {{"rb4", "750", "370", "#F00"},
                 {"rb2", "990", "490", "blue"},
                 {"rb3", "790", "390", ""},
                 {"rb1", "950", "470", "#093"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.radio.toStdString());
        fake().reset();
        w->control<QRadioButton>(c.radio)->click();
        EXPECT_EQ(w->text("lbl2"), c.total);
        EXPECT_EQ(w->text("lbl3"), c.width);
        EXPECT_EQ(w->text("lbl5"), "250");
        w->setText("edt17", c.colour);
        w->fire("btn1Click");
        const QString want = generators::situtongSnippet(fourInput(c.width, c.colour));
        EXPECT_EQ(w->text("mmo1"), want);
        // The preview shows the page written whole in the working folder.
        EXPECT_EQ(testing::fileBytes(page()), testing::gbk(want));
        ASSERT_NE(browser(), nullptr);
        EXPECT_EQ(browser()->navigations.last(), page());
        EXPECT_FALSE(fake().clipboardSet); // the preview copies nothing
        EXPECT_TRUE(fake().callsOf("messageBox").isEmpty());

        w->fire("btn2Click");
        EXPECT_EQ(fake().clipboard, want);
        expectMessage(w, "代码已经复制了！", "提示");
    }
    // The browser is made once and reused.
    EXPECT_EQ(w->findChildren<testing::FakeBrowser*>().size(), 1);
}

TEST_F(FourProductsTest, CopyTakesTheLastPreviewAndAFailedWriteKeepsTheSnippet) {
    mark();
    w->control<QRadioButton>("rb4")->click();
    w->fire("btn1Click");
    w->control<QRadioButton>("rb2")->click(); // not previewed yet
    w->fire("btn2Click");
    EXPECT_EQ(fake().clipboard, fourMarked("370", "#093"));

    const int navigations = browser()->navigations.size();
    ASSERT_TRUE(QDir().mkdir("blocked"));
    QDir::setCurrent(folder.path() + "/blocked");
    ASSERT_TRUE(QDir().mkdir("files.html")); // a folder where the page should go
    fake().reset();
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo1"), fourMarked("490", "#093")); // already filled
    ASSERT_EQ(fake().callsOf("messageBox").size(), 1);
    EXPECT_TRUE(fake().lastMessage().text.startsWith("Cannot create file"))
        << fake().lastMessage().text.toStdString();
    EXPECT_EQ(browser()->navigations.size(), navigations);
    fake().reset();
    w->fire("btn2Click");
    EXPECT_EQ(fake().clipboard, fourMarked("490", "#093"));
    w->control<QRadioButton>("rb1")->click();
}

TEST_F(FourProductsTest, OpensFromTheLauncher) {
    const QString picture = w->text("edt1");
    openKeeping("img130", w);
    w->setText("edt1", picture);
}

// ---- Six pictures in an irregular grid ----

// Picture k is "P k", link k "L k"; the tall picture is l px wide.
QString sixGrid(const QString& l) {
    auto a = [](int k) { return n(k); };
    return "<div style=\"width:" + l + "px; height:470px; overflow:hidden;float:left\"><a href=\"L" + a(1) +
           "\" target=\"_blank\"><img src=\"P" + a(1) + "\" width=\"" + l +
           "\" height=\"470\"  alt=\"\"/></a></div>" +
           "<div style=\"width:230px; height:470px; margin-left:10px;float:left\"><div style=\"width:230px; "
           "height:230px;\"><a href=\"L2\" target=\"_blank\"><img src=\"P2\" width=\"230\" height=\"230\"  "
           "alt=\"\"/></a></div><div style=\"width:230px; height:230px; margin-top:10px\"><a href=\"L3\" "
           "target=\"_blank\"><img src=\"P3\" width=\"230\" height=\"230\"  alt=\"\"/></a></div></div><div "
           "style=\"width:470px; height:470px; margin-left:10px;float:left\"><div style=\"width:230px; "
           "height:230px; float:left\"><a href=\"L4\" target=\"_blank\"><img src=\"P4\" width=\"230\" "
           "height=\"230\"  alt=\"\"/></a></div><div style=\"width:230px; height:230px; float:left; "
           "margin-left:10px\"><a href=\"L5\" target=\"_blank\"><img src=\"P5\" width=\"230\" height=\"230\" "
           " "
           "alt=\"\"/></a></div><div style=\"width:470px; height:230px; margin-top:10px;float:left\"><a "
           "href=\"L6\" target=\"_blank\"><img src=\"P6\" width=\"470\" height=\"230\"  "
           "alt=\"\"/></a></div></div>";
}

generators::LtbgzInput sixInput(const QString& l) {
    generators::LtbgzInput in;
    in.leftWidth = l;
    for (int k = 1; k <= 6; ++k) {
        in.pictures[k - 1] = "P" + n(k);
        in.links[k - 1] = "L" + n(k);
    }
    return in;
}

TEST(LtbgzSnippet, TallPictureWidthsAndEmptyFields) {
    for (const QString l : {"230", "270", ""})
        EXPECT_EQ(generators::ltbgzSnippet(sixInput(l)), sixGrid(l)) << l.toStdString();
    generators::LtbgzInput empty = sixInput("270");
    empty.pictures.fill(QString());
    empty.links.fill(QString());
    QString want = sixGrid("270");
    for (int k = 1; k <= 6; ++k)
        want.replace("\"L" + n(k) + "\"", "\"\"").replace("\"P" + n(k) + "\"", "\"\"");
    EXPECT_EQ(generators::ltbgzSnippet(empty), want);
    EXPECT_EQ(want.count("href=\"\""), 6);
}

class SixGridTest : public ProductListTest {
protected:
    void SetUp() override {
        ProductListTest::SetUp();
        w = testing::form("Tfrmltbgz");
    }
    void mark() {
        for (int k = 1; k <= 6; ++k) {
            w->setText("edt" + n(k), "P" + n(k));
            w->setText("edt" + n(k + 6), "L" + n(k));
        }
    }
    core::Form* w = nullptr;
};

// Runs first: the window as start-up made it.
TEST_F(SixGridTest, DefaultsAndCopyBeforeThePreview) {
    EXPECT_EQ(w->windowTitle(), "六图不规则列表");
    auto* pages = w->findChild<QTabWidget*>();
    ASSERT_NE(pages, nullptr);
    ASSERT_EQ(pages->count(), 2);
    EXPECT_EQ(pages->tabText(0), "六图无字版    ");
    EXPECT_EQ(pages->tabText(1), "参照图    ");
    EXPECT_TRUE(w->control<QRadioButton>("rb1")->isChecked());
    EXPECT_EQ(w->text("rb1"), "集市店");
    EXPECT_EQ(w->text("rb2"), "天猫店");
    EXPECT_EQ(w->text("lbl2"), "230");
    EXPECT_EQ(w->text("btn1"), "生成/预览");
    EXPECT_EQ(w->text("btn2"), "复制代码");
    EXPECT_EQ(w->text("btn3"), "清空信息");
    for (int k = 1; k <= 6; ++k) {
        EXPECT_TRUE(w->text("edt" + n(k)).startsWith("https://")) << k;
        EXPECT_TRUE(w->text("edt" + n(k + 6)).startsWith("https://")) << k;
    }
    expectOutOfSight(w, "mmo1");
    EXPECT_EQ(w->text("mmo1"), "mmo1\r\n");
    for (int i = 28; i <= 39; ++i)
        expectOutOfSight(w, "lbl" + n(i));

    w->fire("btn2Click");
    EXPECT_FALSE(fake().clipboardSet);
    expectMessage(w, "请先点击生成/预览生成代码，再复制代码！", "提示信息");

    // The default snippet opens with the 230 px tall picture.
    fake().reset();
    w->fire("btn1Click");
    EXPECT_TRUE(
        w->text("mmo1").startsWith("<div style=\"width:230px; height:470px; overflow:hidden;float:left\"><a "
                                   "href=\"" +
                                   w->text("edt7") + "\" target=\"_blank\"><img src=\"" + w->text("edt1") +
                                   "\" width=\"230\" height=\"470\"  alt=\"\"/></a></div>"));
    EXPECT_EQ(w->text("mmo1"), core::windowClass("Tfrmltbgz")->info.sample());
}

TEST_F(SixGridTest, ShopTypesSetTheTallPictureAndThePreviewOpensInTheBrowser) {
    mark();
    const struct {
        QString radio, width;
    } cases[] = {{"rb2", "270"}, {"rb1", "230"}, {"rb2", "270"}, {"rb1", "230"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.radio.toStdString());
        fake().reset();
        w->control<QRadioButton>(c.radio)->click();
        EXPECT_EQ(w->text("lbl2"), c.width);
        w->fire("btn1Click");
        const QString want = generators::ltbgzSnippet(sixInput(c.width));
        EXPECT_EQ(w->text("mmo1"), want);
        EXPECT_EQ(testing::fileBytes(page()), testing::gbk(want));
        ASSERT_EQ(fake().callsOf("open").size(), 1);
        EXPECT_EQ(fake().callsOf("open")[0].address, page());
        EXPECT_FALSE(fake().clipboardSet);
        EXPECT_TRUE(fake().callsOf("messageBox").isEmpty());

        w->fire("btn2Click");
        EXPECT_EQ(fake().clipboard, want);
        expectMessage(w, "代码已被复制，可以到店铺的自定义进行粘贴了！", "提示信息");
    }
}

TEST_F(SixGridTest, ClearEmptiesPicturesAndLinksButNotTheShopType) {
    mark();
    w->control<QRadioButton>("rb2")->click();
    w->fire("btn3Click");
    for (int i = 1; i <= 12; ++i)
        EXPECT_EQ(w->text("edt" + n(i)), "") << i;
    EXPECT_TRUE(w->control<QRadioButton>("rb2")->isChecked());
    EXPECT_EQ(w->text("lbl2"), "270");
    w->fire("btn1Click");
    generators::LtbgzInput empty = sixInput("270");
    empty.pictures.fill(QString());
    empty.links.fill(QString());
    EXPECT_EQ(w->text("mmo1"), generators::ltbgzSnippet(empty));

    // A page that cannot be written is reported; nothing is opened.
    ASSERT_TRUE(QDir().mkdir("blocked"));
    QDir::setCurrent(folder.path() + "/blocked");
    ASSERT_TRUE(QDir().mkdir("files.html"));
    mark();
    fake().reset();
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo1"), sixGrid("270"));
    EXPECT_TRUE(fake().lastMessage().text.startsWith("Cannot create file"));
    EXPECT_TRUE(fake().callsOf("open").isEmpty());
    w->control<QRadioButton>("rb1")->click();
}

TEST_F(SixGridTest, OpensFromTheLauncher) {
    const QString picture = w->text("edt1");
    openKeeping("img51", w);
    w->setText("edt1", picture);
}

} // namespace
