// Image-text blocks: two columns previewed in the window, a detail block behind
// one link, seven pictures around a text zone.
#include "generators/lists/danhang1.h"
#include "generators/lists/qituzhuanqu.h"
#include "generators/lists/xijiewutu.h"
#include "tests/generators/carousels/combo_items.h"
#include "tests/generators/lists/list_fixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

const QString kCopied = "代码已被复制，可以到店铺的自定义进行粘贴了！";

QString n(int i) {
    return QString::number(i);
}

using ImageTextTest = testing::ListTest;

// ---- Two columns ----

struct Column {
    QString picture, link, tag, title, text;
};

QString twoColumns(const QString& font, const QString& tagColour, const QString& tagBackground,
                   const Column& left, const Column& right) {
    QString out;
    for (const Column* c : {&left, &right})
        out += " <div style=\"width:49%; float:left; height:385px;" +
               QString(c == &right ? "margin-left:2%;" : "") + " font-family:" + font + "\"><a  href=\"" +
               c->link +
               "\" target=\"_blank\"><div style=\"height:300px; overflow:hidden;margin-bottom:15px; "
               "background-color:#999\"><img src=\" " +
               c->picture + "\" /></div></a>" +
               "<div style=\"height:50px;font-size:18px; color:" + tagColour +
               ";float:left; width:10%; background-color:" + tagBackground +
               "; text-align:center; margin-right:5%; padding:10px; line-height:22px;\">" + c->tag +
               "</div><div style=\"float:left; width:70%\"><div style=\" "
               "height:30px;font-size:18px;color:#000\">" +
               c->title + "</div><div style=\"line-height:20px;font-size:14px; color:#999; height:40px\">" +
               c->text + "</div></div></div>";
    return out;
}

const Column kLeft{"PL", "LL", "TL", "HL", "a\r\nb"};
const Column kRight{"PR", "LR", "TR", "HR", "c\nd"};

generators::Danhang1Input twoInput(const QString& font, const QString& tagColour,
                                   const QString& tagBackground) {
    generators::Danhang1Input in;
    in.font = font;
    in.tagColour = tagColour;
    in.tagBackground = tagBackground;
    in.left = {kLeft.picture, kLeft.link, kLeft.tag, kLeft.title, kLeft.text};
    in.right = {kRight.picture, kRight.link, kRight.tag, kRight.title, kRight.text};
    return in;
}

// The columns from their fields, without the window.
TEST(Danhang1Snippet, FontsAndColours) {
    const struct {
        QString font, colour, background;
    } cases[] = {{"simsun", "#111", "#222"},
                 {"simhei", "", ""},
                 {"Arial", "#fff", "#F30"},
                 {"Microsoft YaHei", "#fff", "#F30"}};
    for (const auto& c : cases) {
        const QString snippet = generators::danhang1Snippet(twoInput(c.font, c.colour, c.background));
        EXPECT_EQ(snippet, twoColumns(c.font, c.colour, c.background, kLeft, kRight)) << c.font.toStdString();
        // Only the right column has the 2 % margin.
        EXPECT_EQ(snippet.count("margin-left:2%;"), 1);
    }
}

class TwoColumnsTest : public ImageTextTest {
protected:
    void SetUp() override {
        ImageTextTest::SetUp();
        w = testing::form("Tfrmdanhang1");
    }
    void type() {
        const struct {
            const char* names[5];
            Column c;
        } columns[] = {{{"edt1", "edt2", "edt3", "edt4", "mmo1"}, kLeft},
                       {{"edt5", "edt6", "edt7", "edt8", "mmo2"}, kRight}};
        for (const auto& col : columns) {
            w->setText(col.names[0], col.c.picture);
            w->setText(col.names[1], col.c.link);
            w->setText(col.names[2], col.c.tag);
            w->setText(col.names[3], col.c.title);
            w->setText(col.names[4], col.c.text);
        }
    }
    testing::FakeBrowser* browser() const { return browserOf(w); }
    core::Form* w = nullptr;
};

// Runs first: the window as start-up made it.
TEST_F(TwoColumnsTest, DefaultsCopyBeforeThePreviewAndHelp) {
    EXPECT_EQ(w->windowTitle(), "单行左右图文混排");
    EXPECT_EQ(testing::comboItems(w, "cbb1"), QStringList({"Microsoft YaHei", "simsun", "simhei"}));
    const QString small =
        "补充健康生活所需的维他命，补充生物类黄铜及抗氧\r\n化剂成分，提供丰富维生素和矿物质全面营养\r\n";
    const struct {
        QString name, text;
    } values[] = {{"cbb1", "Microsoft YaHei"},
                  {"edt9", "#F30"},
                  {"edt10", "#fff"},
                  {"edt2", "#"},
                  {"edt6", "#"},
                  {"edt3", "今日包邮"},
                  {"edt7", "今日包邮"},
                  {"edt4", "香格里拉自由五日游"},
                  {"edt8", "香格里拉自由五日游"},
                  {"mmo1", small},
                  {"mmo2", small},
                  {"mmo3", ""},
                  {"mmo4", ""},
                  {"lbl4", "帮助"},
                  {"btn1", "生成预览"},
                  {"btn2", "复制代码"},
                  {"grp2", "左图"},
                  {"grp3", "右图"},
                  {"grp1", "输出"}};
    for (const auto& v : values)
        EXPECT_EQ(w->text(v.name), v.text) << v.name.toStdString();
    EXPECT_TRUE(w->text("edt1").startsWith("https://"));
    EXPECT_TRUE(w->text("edt5").startsWith("https://"));

    w->fire("btn2Click");
    EXPECT_FALSE(fake().clipboardSet);
    expectMessage("Tfrmdanhang1", "请先点击生成预览生成代码，再复制代码！");

    fake().reset();
    w->fire("lbl4Click");
    expectMessage("Tfrmdanhang1", "双击颜色框可调用色板，先生成预览，无误后点击复制代码！");

    // The launcher's picture is the snippet of the defaults.
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo3"), core::windowClass("Tfrmdanhang1")->info.sample());
}

TEST_F(TwoColumnsTest, FontsSnippetPreviewPageAndCopy) {
    type();
    const struct {
        QString font, colour, background;
    } cases[] = {{"simsun", "#111", "#222"}, {"Microsoft YaHei", "#fff", "#F30"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.font.toStdString());
        fake().reset();
        w->setText("cbb1", c.font);
        w->setText("edt10", c.colour);
        w->setText("edt9", c.background);
        w->fire("btn1Click");
        const QString want = generators::danhang1Snippet(twoInput(c.font, c.colour, c.background));
        EXPECT_EQ(w->text("mmo3"), want);
        const QString pageText =
            " <!doctype html><html><head><meta charset=\"gb2312\"></head><body>" + want + "</body></html>";
        EXPECT_EQ(w->text("mmo4"), pageText);
        EXPECT_EQ(testing::fileBytes(page()), testing::gbk(pageText));
        ASSERT_NE(browser(), nullptr);
        EXPECT_EQ(browser()->navigations.last(), page());
        EXPECT_FALSE(fake().clipboardSet);

        w->fire("btn2Click");
        EXPECT_EQ(fake().clipboard, want); // only the snippet
        expectMessage("Tfrmdanhang1", kCopied);
    }
}

TEST_F(TwoColumnsTest, AFailedPreviewStillLetsTheSnippetBeCopied) {
    type();
    ASSERT_TRUE(QDir().mkdir("files.html"));
    w->setText("cbb1", "simsun");
    w->fire("btn1Click");
    EXPECT_TRUE(fake().lastMessage().text.startsWith("Cannot create file"));
    const QString want = generators::danhang1Snippet(twoInput("simsun", w->text("edt10"), w->text("edt9")));
    EXPECT_EQ(w->text("mmo3"), want);
    fake().reset();
    w->fire("btn2Click");
    EXPECT_EQ(fake().clipboard, want);
    w->setText("cbb1", "Microsoft YaHei");
}

TEST_F(TwoColumnsTest, ColourFieldsPaintTheirBackgroundAndLauncher) {
    for (const QString field : {"edt9", "edt10"}) {
        const QString before = w->text(field);
        fake().colors.enqueue(QColor(0, 165, 197));
        w->fire(field + "DblClick");
        EXPECT_EQ(w->text(field), "#00A5C5");
        EXPECT_EQ(w->control<QLineEdit>(field)->palette().color(QPalette::Base), QColor(0, 165, 197));
        w->setText(field, before);
    }
    openFromLauncher("img40", w);
}

// ---- Detail block ----

const QString kBar =
    "<div style=\"position:relative; left:auto; top:-40px; line-height:40px; background-color:#000; "
    "color:#FFF; text-align:center; font-size:14px;filter:alpha(Opacity=70); opacity: 0.7; \">";

// Large picture "B", small pictures "S1".."S3", captions "C1".."C3", link "K",
// heading "H", subheading "U", body "Y\r\nZ".
QString details() {
    return "<a style=\"text-decoration:none\" href=\"K\" target=\"_blank\">"
           "<div style=\"width:950px; height:500px;\">"
           "<div style=\"width:440px; height:500px; float:left\"><img src=\"B\" alt=\" \"/></div>"
           "<div style=\"width:245px; height:245px; float:left; margin-left:10px; overflow:hidden\"><img "
           "src=\"S1\" "
           "alt=\" \"/>" +
           kBar + "C1</div></div>" +
           "<div style=\"width:245px; height:245px; float:left; margin-left:10px;overflow:hidden\"><img "
           "src=\"S2\" "
           "alt=\" 1_08\"/>" +
           kBar + "C2</div></div>" +
           "<div style=\"width:243px; height:243px; float:left; margin-left:10px; margin-top:10px; "
           "border:#CCC 1px "
           "solid\"><div style=\"width:80px;line-height:40px; font-size:18px; font-family:Microsoft Yahei; "
           "padding:20px; padding-bottom:0px; color:#333\">H</div><div style=\"height:40px;font-size:14px; "
           "font-family:Microsoft Yahei; padding-left:20px; color:#333\">U</div><div style=\"font-size:12px; "
           "padding:0 20px; line-height:25px; color:#999\">Y\r\nZ</div></div>"
           "<div style=\"width:245px; height:245px; float:left; "
           "margin-left:10px;margin-top:10px;overflow:hidden\">"
           "<img src=\"S3\" alt=\" 1_09\"/>" +
           kBar + "C3</div></div></div></a>";
}

// The marked fields of details().
generators::XijiewutuInput detailInput() {
    generators::XijiewutuInput in;
    in.picture = "B";
    in.smallPictures = {"S1", "S2", "S3"};
    in.captions = {"C1", "C2", "C3"};
    in.link = "K";
    in.heading = "H";
    in.subheading = "U";
    in.body = "Y\r\nZ";
    return in;
}

TEST(XijiewutuSnippet, FieldsInTheirPlaces) {
    EXPECT_EQ(generators::xijiewutuSnippet(detailInput()), details());
}

TEST_F(ImageTextTest, DetailBlockDefaultsAndSnippets) {
    core::Form* w = testing::form("Tfrmxijiewutu");
    EXPECT_EQ(w->windowTitle(), "细节五图单链接");
    EXPECT_EQ(testing::comboItems(w, "cbb1"), QStringList({"集市店", "天猫店"}));
    const struct {
        QString name, text;
    } values[] = {{"cbb1", "集市店"},       {"lbl1", "950"},
                  {"lbl2", "440"},          {"lbl4", "500"},
                  {"edt8", "时尚肩带设计"}, {"edt9", "精致衣角设计"},
                  {"edt10", "时尚衣橱"},    {"edt5", "#"},
                  {"edt6", "面料"},         {"edt7", "[ 新疆长绒棉 ]"},
                  {"btn1", "提取代码"},     {"mmo2", "mmo2\r\n"}};
    for (const auto& v : values)
        EXPECT_EQ(w->text(v.name), v.text) << v.name.toStdString();
    for (int i = 1; i <= 4; ++i)
        EXPECT_TRUE(w->text("edt" + n(i)).startsWith("https://")) << i;
    EXPECT_EQ(w->control<core::Memo>("mmo1")->lines().size(), 2);
    expectOutOfSight(w, "mmo2");
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo2"), core::windowClass("Tfrmxijiewutu")->info.sample());

    const struct {
        const char* name;
        QString value;
    } typed[] = {{"edt1", "B"},  {"edt2", "S1"}, {"edt3", "S2"},    {"edt4", "S3"},
                 {"edt8", "C1"}, {"edt9", "C2"}, {"edt10", "C3"},   {"edt5", "K"},
                 {"edt6", "H"},  {"edt7", "U"},  {"mmo1", "Y\r\nZ"}};
    for (const auto& t : typed)
        w->setText(t.name, t.value);
    // The shop type has no effect: both write 950 and 440.
    for (const QString shop : {"天猫店", "集市店"}) {
        fake().reset();
        w->setText("cbb1", shop);
        w->fire("btn1Click");
        EXPECT_EQ(w->text("mmo2"), generators::xijiewutuSnippet(detailInput()));
        EXPECT_EQ(fake().clipboard, w->text("mmo2"));
        expectMessage("Tfrmxijiewutu", kCopied);
    }
    openFromLauncher("img62", w);
}

// ---- Seven pictures with a zone ----

// Pictures "P k", links "L k", title "T", text "X", zone link "Z".
QString sevenZone(const QString& T, const QString& w) {
    const QString margins[] = {"",
                               "; margin-left:10px;",
                               "; margin-left:10px;",
                               "; margin-top:10px;",
                               "; margin-top:10px;",
                               "; margin-left:10px;margin-top:10px;",
                               "; margin-left:10px;margin-top:10px;"};
    auto picture = [&](int k) {
        return "<div style=\"width:" + w + "px; height:400px; float:left" + margins[k - 1] +
               "\"><a href=\"L" + n(k) + "\" target=\"_blank\"><img style=\"border:0px\"  src=\"P" + n(k) +
               "\" alt=\" \"" + (k == 2 ? QString() : " width=\"" + w + "\"") + " height=\"400\"/></a></div>";
    };
    const QString zone =
        "<div style=\"width:630px; height:400px; float:left; margin-left:10px;margin-top:10px; "
        "background-color: "
        "#EAEAEA\"><div style=\" font-family:Microsoft Yahei; font-size:36px; line-height:100px; "
        "border-bottom:#CCC 1px solid;margin:20px;\">T</div><div style=\" font-family:Microsoft Yahei; "
        "font-size:14px; line-height:30px; padding:10px 20px;\">X</div><a style=\"text-decoration:none\" "
        "href=\"Z\" target=\"_blank\"><div style=\" font-family:Microsoft Yahei; font-size:16px; "
        "line-height:40px;background-color:#F30; color:#FFF; width:150px; text-align:center; "
        "margin-left:22px; "
        "margin-top:15px;\">进入专区</div></a></div>";
    return "<div style=\"width:" + T + "px; height:1220px; color:#333\">" + picture(1) + picture(2) +
           picture(3) + picture(4) + zone + picture(5) + picture(6) + picture(7) + "</div>";
}

generators::QituzhuanquInput zoneInput(const QString& T, const QString& w) {
    generators::QituzhuanquInput in;
    in.width = T;
    in.pictureWidth = w;
    for (int k = 1; k <= 7; ++k) {
        in.pictures[k - 1] = "P" + n(k);
        in.links[k - 1] = "L" + n(k);
    }
    in.title = "T";
    in.text = "X";
    in.zoneLink = "Z";
    return in;
}

TEST(QituzhuanquSnippet, SizesOfBothShops) {
    for (const auto& [T, w] : {std::pair<QString, QString>{"950", "310"}, {"990", "323"}, {"", ""}})
        EXPECT_EQ(generators::qituzhuanquSnippet(zoneInput(T, w)), sevenZone(T, w)) << T.toStdString();
}

TEST_F(ImageTextTest, SevenPicturesDefaultsShopTypesAndSnippets) {
    core::Form* w = testing::form("Tfrmqituzhuanqu");
    EXPECT_EQ(w->windowTitle(), "七图专区版");
    EXPECT_EQ(testing::comboItems(w, "cbb1"), QStringList({"集市店", "天猫店"}));
    EXPECT_EQ(w->text("cbb1"), "集市店");
    EXPECT_EQ(w->text("lbl2"), "310");
    EXPECT_EQ(w->text("lbl5"), "950");
    EXPECT_EQ(w->text("edt15"), "风格T恤婉转你的青春");
    EXPECT_EQ(w->text("edt16"), "#");
    EXPECT_EQ(w->control<core::Memo>("mmo1")->lines().size(), 3);
    EXPECT_EQ(w->text("btn1"), "提取代码");
    EXPECT_EQ(w->text("btn2"), "参照图");
    EXPECT_EQ(w->text("mmo2"), "mmo2\r\n");
    expectOutOfSight(w, "mmo2");
    EXPECT_TRUE(w->control("pnl1")->isHidden());
    for (int k = 1; k <= 7; ++k) {
        EXPECT_TRUE(w->text("edt" + n(2 * k - 1)).startsWith("https://")) << k;
        EXPECT_EQ(w->text("edt" + n(2 * k)), "#");
    }
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo2"), core::windowClass("Tfrmqituzhuanqu")->info.sample());

    for (int k = 1; k <= 7; ++k) {
        w->setText("edt" + n(2 * k - 1), "P" + n(k));
        w->setText("edt" + n(2 * k), "L" + n(k));
    }
    w->setText("edt15", "T");
    w->setText("mmo1", "X");
    w->setText("edt16", "Z");
    const struct {
        QString shop, T, w;
    } cases[] = {
        {"天猫店", "990", "323"}, {"集市店", "950", "310"}, {"天猫", "990", "323"}, {"集市店", "950", "310"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shop.toStdString());
        fake().reset();
        w->setText("cbb1", c.shop);
        EXPECT_EQ(w->text("lbl2"), c.w);
        EXPECT_EQ(w->text("lbl5"), c.T);
        w->fire("btn1Click");
        EXPECT_EQ(w->text("mmo2"), generators::qituzhuanquSnippet(zoneInput(c.T, c.w)));
        EXPECT_EQ(fake().clipboard, w->text("mmo2"));
        expectMessage("Tfrmqituzhuanqu", kCopied);
    }
}

TEST_F(ImageTextTest, SevenPicturesReferencePanelAndLauncher) {
    core::Form* w = testing::form("Tfrmqituzhuanqu");
    w->showForm();
    w->fire("btn2MouseMove");
    EXPECT_FALSE(w->control("pnl1")->isHidden());
    w->fire("grp1MouseMove");
    EXPECT_TRUE(w->control("pnl1")->isHidden());
    w->hide();
    openFromLauncher("img59", w);
}

} // namespace
