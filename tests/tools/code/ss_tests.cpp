#include "core/registry.h"
#include "tests/support/helpers.h"
#include "tools/code/ss.h"

#include <gtest/gtest.h>

namespace {

class SsTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = testing::form("Tfrmss");
    }
    core::Form* w = nullptr;
};

struct Link {
    QString href, colour, text;
};

QString expected(const QString& border, const QString& borderColour, const QString& back, const QString& textColour,
                 const QList<Link>& links, const QString& shop, const QString& title, const QString& keyword,
                 const QString& keywordColour, const QString& button, const QString& buttonColour,
                 const QString& buttonText) {
    QString s = "<div style=\"border:" + border + " solid " + borderColour +
                ";line-height:16px;font-size:12px;padding:10px 12px;background-color:" + back +
                "\"> <span style=\"float:right;padding-top:3px;margin:0px;line-height:16px;font-size:12px;\">"
                "<font style=\"color:" +
                textColour + ";\"> 热门搜索: </font>";
    for (const Link& l : links)
        s += " &nbsp;&nbsp; <a href=\"" + l.href + "\" style=\"color:" + l.colour + ";\" target=\"_blank\">" +
             l.text + "</a>";
    s += "</span><form action=\"" + shop +
         "/search.htm?search=y&v=1\" method=\"post\" target=\"_blank\" style=\"padding:0px;margin:0px;\">   "
         "<input type=\"hidden\" data-info=\"" +
         shop + "/search.htm?search=y&v=1\"><span style=\"padding:0px;margin:0px;font-weight:bold;color:" +
         textColour + ";\">" + title + ": &nbsp;&nbsp;</span><input name=\"keyword\" type=\"text\" value=\"" +
         keyword + "\" style=\"line-height:16px;font-size:12px;width:150px; color:" + keywordColour +
         "\">&nbsp;&nbsp;&nbsp;&nbsp;<span style=\"padding:0px;margin:0px;color:" + textColour +
         ";\"> 价格 </span><input name=\"lowPrice\" type=\"text\"  style=\"line-height:16px;font-size:12px;"
         "width:50px\">&nbsp;<span style=\"padding:0px;margin:0px;\">-</span>&nbsp;<input name=\"highPrice\" "
         "type=\"text\"  style=\"line-height:16px;font-size:12px;width:50px\">&nbsp;&nbsp;&nbsp;&nbsp;<input "
         "type=\"submit\" value=\"" +
         button + "\" style=\"background-color:" + buttonColour + ";color:" + buttonText +
         ";border:none;margin:0px;padding:4px 10px; _padding:3px 5px 1px 10px;font-size:12px;cursor:pointer\">"
         "   </form></div>";
    return s;
}

TEST_F(SsTest, DefaultsGiveSixLinksWithEmptyFreeNames) {
    EXPECT_EQ(w->windowTitle(), "店内搜索自动生成器");
    const QString shop = w->text("medt1");
    EXPECT_FALSE(shop.isEmpty());
    EXPECT_FALSE(shop.endsWith("/"));
    EXPECT_EQ(w->text("cbb1"), "边框");
    EXPECT_EQ(w->text("btn1"), "提取代码");
    w->fire("btn1Click");
    const QString want = expected(
        "边框", "#ccc", "#eee", "#333",
        {{shop + "/search.htm?keyword=关键词一", "#333", "关键词一"},
         {shop + "/search.htm?keyword=关键词二", "#333", "关键词二"},
         {shop + "/search.htm?keyword=关键词三", "#333", "关键词三"},
         {"#", "#333", ""},
         {"#", "#333", ""},
         {"#", "#333", ""}},
        shop, "店内搜索", "青梧掌柜", "#333", "搜索", "#333", "#fff");
    EXPECT_EQ(w->text("mmo1"), want);
    EXPECT_EQ(fake().clipboard, want);
    EXPECT_EQ(fake().lastMessage().text, "代码已被复制，可以到店铺的自定义进行粘贴了！");
    EXPECT_EQ(fake().lastMessage().title, "提示信息");
}

// Every field a distinct marker, as the window would hold them.
tools::SsInput markedInput() {
    tools::SsInput in;
    in.shop = "http://s.example";
    in.border = "1px";
    in.borderColour = "<edt2>";
    in.back = "<edt3>";
    in.textColour = "<edt5>";
    in.title = "<edt9>";
    in.keyword = "<edt1>";
    in.keywordColour = "<edt4>";
    in.button = "<edt6>";
    in.buttonColour = "<edt7>";
    in.buttonText = "<edt8>";
    in.words = {"<edt10>", "<edt13>", "<edt15>"};
    in.wordColours = {"<edt11>", "<edt12>", "<edt14>"};
    in.linkNames = {"<edt16>", "<edt19>", "<edt21>"};
    in.linkColours = {"<edt17>", "<edt18>", "<edt20>"};
    in.linkAddresses = {"<edt22>", "<edt23>", "<edt24>"};
    return in;
}

// The strip from its fields, without its window.
TEST(SsSnippet, EveryFieldLandsInItsPlace) {
    const QString shop = "http://s.example";
    EXPECT_EQ(tools::ssSnippet(markedInput()),
              expected("1px", "<edt2>", "<edt3>", "<edt5>",
                       {{shop + "/search.htm?keyword=<edt10>", "<edt11>", "<edt10>"},
                        {shop + "/search.htm?keyword=<edt13>", "<edt12>", "<edt13>"},
                        {shop + "/search.htm?keyword=<edt15>", "<edt14>", "<edt15>"},
                        {"<edt22>", "<edt17>", "<edt16>"},
                        {"<edt23>", "<edt18>", "<edt19>"},
                        {"<edt24>", "<edt20>", "<edt21>"}},
                       shop, "<edt9>", "<edt1>", "<edt4>", "<edt6>", "<edt7>", "<edt8>"));
    // The descriptor's sample: the defaults with a one-pixel border.
    const QString sampleShop = tools::SsInput().shop;
    EXPECT_EQ(core::windowClass("Tfrmss")->info.sample(),
              expected("1px", "#ccc", "#eee", "#333",
                       {{sampleShop + "/search.htm?keyword=关键词一", "#333", "关键词一"},
                        {sampleShop + "/search.htm?keyword=关键词二", "#333", "关键词二"},
                        {sampleShop + "/search.htm?keyword=关键词三", "#333", "关键词三"},
                        {"#", "#333", ""},
                        {"#", "#333", ""},
                        {"#", "#333", ""}},
                       sampleShop, "店内搜索", "青梧掌柜", "#333", "搜索", "#333", "#fff"));
}

TEST_F(SsTest, EveryFieldLandsInItsPlace) {
    const QStringList fields = {"medt1", "cbb1",  "edt2",  "edt3",  "edt5",  "edt9",  "edt1",  "edt4",
                                "edt6",  "edt7",  "edt8",  "edt10", "edt11", "edt13", "edt12", "edt15",
                                "edt14", "edt16", "edt17", "edt22", "edt19", "edt18", "edt23", "edt21",
                                "edt20", "edt24"};
    for (const QString& f : fields)
        w->setText(f, f == "medt1" ? "http://s.example" : f == "cbb1" ? "1px" : "<" + f + ">");
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo1"), tools::ssSnippet(markedInput()));
    // A second build replaces the buffer, it never appends.
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo1").count("<form"), 1);
}

} // namespace
