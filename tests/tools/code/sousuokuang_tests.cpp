#include "tests/generators/carousels/page_files.h"
#include "core/registry.h"
#include "tests/support/helpers.h"
#include "tools/code/sousuokuang.h"

#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

// A failure message; a very long typed text may come back shortened in the box.
bool sameFailure(const QString& shown, const QString& expected) {
    if (expected.size() < 1000) return shown == expected;
    return shown.size() > 1000 && shown.startsWith(expected.left(500)) && shown.endsWith(expected.right(60));
}

class SousuokuangTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = testing::form("Tfrmsousuokuang");
        ASSERT_TRUE(scratch.isValid());
    }
    // Fields with distinct markers, sizes left to each test.
    void markers() {
        w->setText("edtdizhi", "http://s.example");
        w->setText("edtgaodu", "H35");
        w->setText("edtguanjianzi", "<K>");
        w->setText("edtguanjianzise", "<kc>");
        w->setText("edtsexi", "<C>");
        w->setText("edtrecise", "<hc>");
        w->setText("edtwenbense", "<tc>");
        w->setText("edtwenbenbeijing", "<tp>");
        w->setText("edtanniuwenzi", "<bt>");
        w->setText("edtwenzise", "<btc>");
        w->setText("edtanniubeijing", "<bp>");
        w->setText("edtzidingyikuan", "<BW>");
        w->setText("mmozidingyi", "<own/>");
    }
    void sizes(const QString& tw, const QString& bw, const QString& f, const QString& p, const QString& bh,
               const QString& tm, const QString& rm) {
        w->setText("edtwenbenkuan", tw);
        w->setText("edtanniukuan", bw);
        w->setText("cbbxiankuan", f);
        w->setText("edtwenbentukuan", p);
        w->setText("edtzidingyigao", bh);
        w->setText("edtdingbianju", tm);
        w->setText("edtyoubianju", rm);
    }
    core::Form* w = nullptr;
    testing::ScratchCurrentFolder scratch;
};

// The form with the given field sizing and button height property.
QString form(const QString& f, const QString& p, const QString& bw, const QString& fieldSize,
             const QString& buttonHeight) {
    return "<form action=\"http://s.example/search.htm?search=y&v=1\" method=\"post\" target=\"_blank\">"
           "\t<input class=\"keyword\" name=\"keyword\"  type=\"text\" style=\"border:<C> " +
           f + "px solid; " + fieldSize + ";background:url(<tp>) <tc> no-repeat; padding-left:" + p +
           "px; color:<kc>\" value=\"<K>\" /><input class=\"submit\" style=\"border:" + f +
           "px solid <C>; color:<btc>;width:" + bw + "px;" + buttonHeight +
           "H35px; background:url(<bp>) <C>; font-weight:700\" type=\"submit\" name=\"submit\"  value=\"<bt>\"/>"
           "</form>";
}

const QString kHot =
    "<div style=\"font-size:12px;margin-top:5px;\">热搜："
    "<a style=\"text-decoration:none;color:<hc>\" href=\"http://s.example/search.htm?keyword=一\" "
    "target=\"_blank\">一</a>&nbsp;\r\n"
    "<a style=\"text-decoration:none;color:<hc>\" href=\"http://s.example/search.htm?keyword=二\" "
    "target=\"_blank\">二</a>&nbsp;\r\n"
    "<a style=\"text-decoration:none;color:<hc>\" href=\"http://s.example/search.htm?keyword=三\" "
    "target=\"_blank\">三</a>&nbsp;\r\n"
    "</div>\r\n";
const QString kNoHot = "<div style=\"font-size:12px;margin-top:5px;\"></div>\r\n";

TEST_F(SousuokuangTest, Defaults) {
    const struct {
        QString field, value;
    } defaults[] = {
        {"edtgaodu", "35"},          {"edtguanjianzise", "#ccc"}, {"edtsexi", "#f30"},
        {"edtrecise", "#000"},       {"edtwenbenkuan", "200"},    {"edtwenbense", "#fff"},
        {"cbbxiankuan", "0"},        {"edtwenbenbeijing", "none"}, {"edtwenbentukuan", "0"},
        {"edtanniukuan", "75"},      {"edtanniuwenzi", "Search"}, {"edtwenzise", "#fff"},
        {"edtanniubeijing", "none"}, {"edtzidingyikuan", "950"},  {"edtzidingyigao", "150"},
        {"edtyoubianju", "0"},       {"edtdingbianju", "0"},
    };
    for (const auto& d : defaults)
        EXPECT_EQ(w->text(d.field), d.value) << d.field.toStdString();
    EXPECT_FALSE(w->text("edtdizhi").endsWith("/"));
    EXPECT_FALSE(w->text("edtreci").isEmpty());
    EXPECT_FALSE(w->text("mmozidingyi").isEmpty());
    EXPECT_EQ(w->text("btntiaoshi"), "调试效果");
    EXPECT_EQ(w->text("btnsousuokuang"), "提取搜索框");
    EXPECT_EQ(w->text("btntiqu"), "提取代码");
}

// Runs before any build: nothing to copy yet.
TEST_F(SousuokuangTest, CopyingBeforeABuildCopiesNothing) {
    for (const char* button : {"btnsousuokuangClick", "btntiquClick"}) {
        fake().reset();
        w->fire(button);
        EXPECT_FALSE(fake().clipboardSet) << button;
        EXPECT_NE(fake().lastMessage().text, "搜索框生成并提取成功！");
        EXPECT_NE(fake().lastMessage().text, "搜索框与自定义代码结合生成并提取完毕！");
        EXPECT_FALSE(fake().lastMessage().text.isEmpty());
    }
}

// The fields of markers() with the given sizes and hot words.
tools::SousuokuangInput markedInput(const QString& tw, const QString& bw, const QString& f, const QString& p,
                                    const QString& bh, const QString& tm, const QString& rm,
                                    const QString& hot = "一 | 二|\r\n三") {
    tools::SousuokuangInput in;
    in.shop = "http://s.example";
    in.height = "H35";
    in.keyword = "<K>";
    in.keywordColour = "<kc>";
    in.colour = "<C>";
    in.hotWords = hot;
    in.hotColour = "<hc>";
    in.fieldWidth = tw;
    in.fieldColour = "<tc>";
    in.frame = f;
    in.fieldPicture = "<tp>";
    in.fieldPictureWidth = p;
    in.buttonWidth = bw;
    in.buttonText = "<bt>";
    in.buttonTextColour = "<btc>";
    in.buttonPicture = "<bp>";
    in.codeWidth = "<BW>";
    in.codeHeight = bh;
    in.code = "<own/>";
    in.right = rm;
    in.top = tm;
    return in;
}

// The search box, its preview page and the combined code from the fields,
// without the window.
TEST(SousuokuangSnippet, SearchBoxCombinationAndPreviewBySizes) {
    const struct {
        QString tw, bw, f, p, bh, tm, rm;
        QString boxWidth, top, right, fieldWidth, previewWidth;
    } cases[] = {
        {"200", "75", "0", "0", "150", "0", "0", "275", "-155", "0", "200", "200"},
        {"200", "75", "2", "20", "150", "0", "0", "303", "-155", "-24", "180", "196"},
        {"300", "60", "1", "10", "100", "30", "50", "374", "-75", "38", "290", "298"},
        // A top margin beyond the block moves the box down, never "top:--".
        {"200", "75", "0", "0", "10", "20", "0", "275", "5", "0", "200", "200"},
    };
    for (const auto& c : cases) {
        tools::SousuokuangInput in = markedInput(c.tw, c.bw, c.f, c.p, c.bh, c.tm, c.rm);
        const QString box = form(c.f, c.p, c.bw, "width:" + c.fieldWidth + "px;line-height:H35px", "line-height:");
        const QString layer = "<div style=\"width:<BW>px;height:" + c.bh + "px;overflow:hidden\"><own/>" +
                              "<div style=\"width:" + c.boxWidth + "px; height:H35px;position:relative;top:" +
                              c.top + "px;right:" + c.right + "px;float:right\">";
        const QString page =
            "<style>body { background-image: url(" + QString() + "BG);padding-left:7px;padding-top:2px;}</style>" +
            layer + form(c.f, c.p, c.bw, "width:" + c.previewWidth + "px; height:H35px", "height:") +
            "<div style=\"font-size:12px;margin-top:-10px;\">" + kHot + "</div></div></div>";

        const core::Built built = tools::sousuokuangBox(in);
        EXPECT_FALSE(built.failure);
        EXPECT_TRUE(built.updates.isEmpty()); // an http address stays as it is
        EXPECT_EQ(built.snippet, box + kHot) << c.tw.toStdString() << c.p.toStdString();
        // The sample background is the implementer's; the rest is exact.
        QString shown = tools::sousuokuangPage(in);
        const qsizetype from = shown.indexOf("url(") + 4, to = shown.indexOf(");padding-left");
        ASSERT_GT(to, from);
        EXPECT_EQ(shown.replace(from, to - from, "BG"), page) << c.tw.toStdString() << c.p.toStdString();
        in.box = built.snippet;
        EXPECT_EQ(tools::sousuokuangSnippet(in), layer + box + kHot + "</div></div>");
    }
}

TEST(SousuokuangSnippet, AnHttpsAddressIsWrittenBackBeforeTheSizesAreRead) {
    tools::SousuokuangInput in = markedInput("200", "75", "0", "0", "150", "0", "0", "");
    in.shop = "https://s.example";
    const core::Built built = tools::sousuokuangBox(in);
    ASSERT_EQ(built.updates.size(), 1);
    EXPECT_EQ(built.updates[0].control, "edtdizhi");
    EXPECT_EQ(built.updates[0].text, "http://s.example");
    EXPECT_EQ(built.snippet, form("0", "0", "75", "width:200px;line-height:H35px", "line-height:") + kNoHot);
    EXPECT_TRUE(tools::sousuokuangPage(in).contains("<form action=\"http://s.example/search.htm"));
    // A size that does not parse fails after the address was written back.
    in.buttonWidth = "abc";
    const core::Built failed = tools::sousuokuangBox(in);
    ASSERT_TRUE(failed.failure);
    EXPECT_EQ(*failed.failure, "'abc' is not a valid integer value");
    EXPECT_TRUE(failed.snippet.isEmpty());
    ASSERT_EQ(failed.updates.size(), 1);
    EXPECT_EQ(failed.updates[0].text, "http://s.example");
}

// The descriptor's sample: "调试效果" then "提取代码" on the window's defaults.
TEST(SousuokuangSnippet, SampleIsTheDefaultsBuiltAndCombined) {
    const tools::SousuokuangInput defaults;
    const QString sample = core::windowClass("Tfrmsousuokuang")->info.sample();
    EXPECT_TRUE(sample.startsWith("<div style=\"width:950px;height:150px;overflow:hidden\">" + defaults.code +
                                  "<div style=\"width:275px; height:35px;position:relative;top:-155px;right:0px;"
                                  "float:right\"><form action=\"http://qingwu360.taobao.com/search.htm"));
    EXPECT_TRUE(sample.endsWith("</div>\r\n</div></div>"));
    EXPECT_EQ(sample.count("热搜："), 1);
}

TEST_F(SousuokuangTest, SearchBoxCombinationAndPreviewBySizes) {
    markers();
    w->setText("edtreci", "一 | 二|\r\n三");
    sizes("200", "75", "2", "20", "150", "0", "0");
    tools::SousuokuangInput in = markedInput("200", "75", "2", "20", "150", "0", "0");
    in.code = w->text("mmozidingyi");
    fake().reset();
    w->fire("btntiaoshiClick");
    const QString box = tools::sousuokuangBox(in).snippet;
    EXPECT_EQ(w->text("mmo1"), box);
    QStringDecoder decoder("GB18030");
    EXPECT_EQ(decoder.decode(testing::fileBytes(scratch.path() + "/files.html")), tools::sousuokuangPage(in));
    EXPECT_FALSE(fake().clipboardSet);

    w->fire("btnsousuokuangClick");
    EXPECT_EQ(fake().clipboard, box);
    EXPECT_EQ(fake().lastMessage().text, "搜索框生成并提取成功！");

    in.box = box;
    w->fire("btntiquClick");
    EXPECT_EQ(fake().clipboard, tools::sousuokuangSnippet(in));
    EXPECT_EQ(w->text("mmo2"), tools::sousuokuangSnippet(in));
    EXPECT_EQ(fake().lastMessage().text, "搜索框与自定义代码结合生成并提取完毕！");

    const auto browsers = w->findChildren<testing::FakeBrowser*>();
    ASSERT_EQ(browsers.size(), 1);
    // The notice page first, then the preview page of the build.
    EXPECT_TRUE(browsers[0]->navigations.first().startsWith("https://"));
    EXPECT_EQ(browsers[0]->navigations.last(), scratch.path() + "/files.html");
}

TEST_F(SousuokuangTest, EmptyHotWordsAndHttpsAddress) {
    markers();
    sizes("200", "75", "0", "0", "150", "0", "0");
    w->setText("edtreci", "");
    w->setText("edtdizhi", "https://s.example");
    w->fire("btntiaoshiClick");
    EXPECT_EQ(w->text("edtdizhi"), "http://s.example");
    w->fire("btnsousuokuangClick");
    EXPECT_EQ(fake().clipboard,
              form("0", "0", "75", "width:200px;line-height:H35px", "line-height:") + kNoHot);
    // A failing build still writes the address back, and keeps the last box.
    w->setText("edtdizhi", "https://s.example");
    w->setText("edtanniukuan", "abc");
    fake().reset();
    w->fire("btntiaoshiClick");
    EXPECT_EQ(fake().lastMessage().text, "'abc' is not a valid integer value");
    EXPECT_EQ(w->text("edtdizhi"), "http://s.example");
    EXPECT_EQ(w->text("mmo1"), form("0", "0", "75", "width:200px;line-height:H35px", "line-height:") + kNoHot);
}

TEST_F(SousuokuangTest, ANumberThatDoesNotParseKeepsTheSearchBox) {
    markers();
    sizes("200", "75", "0", "0", "150", "0", "0");
    w->setText("edtreci", "");
    w->fire("btntiaoshiClick");
    const QString before = w->text("mmo1");
    const QString big(200000, u'7');
    const struct {
        QString field, value, message;
    } cases[] = {
        {"edtwenbenkuan", "", "'' is not a valid integer value"},
        {"edtanniukuan", "abc", "'abc' is not a valid integer value"},
        {"cbbxiankuan", "2147483648", "'2147483648' is not a valid integer value"},
        {"edtwenbentukuan", "1e309", "'1e309' is not a valid integer value"},
        {"edtzidingyigao", "NaN", "'NaN' is not a valid integer value"},
        {"edtdingbianju", "1,5", "'1,5' is not a valid integer value"},
        {"edtyoubianju", big, "'" + big + "' is not a valid integer value"},
    };
    for (const auto& c : cases) {
        sizes("200", "75", "0", "0", "150", "0", "0");
        w->setText("edtwenbense", "<new>");
        w->setText(c.field, c.value);
        w->fire("btntiaoshiClick");
        EXPECT_TRUE(sameFailure(fake().lastMessage().text, c.message)) << c.field.toStdString();
        EXPECT_EQ(w->text("mmo1"), before);
        fake().reset();
        w->fire("btntiquClick");
        EXPECT_TRUE(sameFailure(fake().lastMessage().text, c.message)) << c.field.toStdString();
        EXPECT_FALSE(fake().clipboardSet);
    }
    // The extremes of 32 bits compute without overflow.
    sizes("2147483647", "2147483647", "3", "-2147483648", "-2147483648", "2147483647", "2147483647");
    w->fire("btntiquClick");
    EXPECT_TRUE(fake().lastMessage().text.startsWith("搜索框与"));
    EXPECT_TRUE(fake().clipboard.contains("<div style=\"width:2147483658px; height:H35px;position:relative;"
                                          "top:4294967290px;right:4294967289px;float:right\">"));
}

TEST_F(SousuokuangTest, ColourFieldsPaintThemselves) {
    for (const char* edit : {"edtguanjianzise", "edtrecise", "edtsexi", "edtwenbense", "edtwenzise"}) {
        w->setText(edit, "#old");
        fake().colors.enqueue(std::nullopt);
        w->fire(QString(edit) + "DblClick");
        EXPECT_EQ(w->text(edit), "#old") << edit;
        fake().colors.enqueue(QColor(0, 165, 197));
        w->fire(QString(edit) + "DblClick");
        EXPECT_EQ(w->text(edit), "#00A5C5") << edit;
        const QString sheet = w->control<QLineEdit>(edit)->styleSheet();
        EXPECT_TRUE(sheet.contains("background-color:#00A5C5")) << edit;
        EXPECT_TRUE(sheet.contains(";color:#00A5C5")) << edit;
    }
}

} // namespace
