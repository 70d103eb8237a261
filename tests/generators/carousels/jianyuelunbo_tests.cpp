#include "generators/carousels/jianyuelunbo.h"
#include "tests/generators/carousels/combo_items.h"
#include "tests/generators/carousels/converter_probe.h"

#include <gtest/gtest.h>

namespace {

const QString kMessage = "代码已被复制，记得拿通栏版块转化一下再安装哦！";

// The snippet for height h and the given (link, picture) slides.
QString expected(const QString& h, const QList<std::pair<QString, QString>>& slides) {
    QString out =
        "<div style=\"width:1920px; height:" + h +
        "px; overflow:hidden\"><div class=\"J_TWidget\" data-widget-type=\"Carousel\" "
        "data-widget-config=\"{'effect': 'scrollx','contentCls':'kavri_126cont','navCls':'kavri_126nav',"
        "'easing':'backOut','duration':'0.5','delay':'0.2', 'prevBtnCls': 'kavri_126shang', "
        "'nextBtnCls': 'kavri_126xia','autoplay':true}\"><div style=\"width:1920px; height:" +
        h + "px; overflow:hidden\"><div class=\"kavri_126cont\">";
    for (const auto& [link, picture] : slides)
        out += "<div style=\"width:1920px; height:" + h + "px;\"><a href=\"" + link +
               "\" target=\"_blank\"><img src=\"" + picture + "\"  width=\"1920\" height=\"" + h +
               "\"/></a></div>\r\n";
    out += "</div></div>";
    out +=
        "<div class=\"kavri_126shang\" style=\"width:40px; height:90px;line-height:90px; position:relative; "
        "left:465px; top:-295px;cursor:pointer; font-size:60px; color:#000;float:left; font-family:simhei; "
        "text-align:center;\"><</div>";
    out +=
        "<div class=\"kavri_126xia\" style=\"width:40px; height:90px;line-height:90px; position:relative; "
        "left:1375px; top:-295px;cursor:pointer; font-size:60px;color:#000;float:left; font-family:simhei; "
        "text-align:center;\">></div>";
    return out + "</div></div>";
}

// The snippet from the carousel's fields, without its window.
TEST(JianyuelunboSnippet, ListsCountsAndHeights) {
    const struct {
        QString pictures, links, count, height;
        QList<std::pair<QString, QString>> slides;
    } cases[] = {
        // The default lists: blanks and line breaks around "|" do not count.
        {"图1地址| \r\n图2地址|\r\n图3地址\r\n",
         "#|#|#\r\n",
         "3",
         "500",
         {{"#", "图1地址"}, {"#", "图2地址"}, {"#", "图3地址"}}},
        {"p1|p2|p3", "a1|a2|a3", "2", "450", {{"a1", "p1"}, {"a2", "p2"}}},
        {"p1 | p2 |\r\n p3|p4|p5|p6|p7|p8|p9|p10",
         "a1|a2|a3|a4|a5|a6|a7|a8|a9|a10",
         "10",
         "600",
         {{"a1", "p1"},
          {"a2", "p2"},
          {"a3", "p3"},
          {"a4", "p4"},
          {"a5", "p5"},
          {"a6", "p6"},
          {"a7", "p7"},
          {"a8", "p8"},
          {"a9", "p9"},
          {"a10", "p10"}}},
        // Quoted entries keep their blanks; a blank elsewhere splits an entry.
        {"\"p 1\"|p2", "a 1|a2", "2", "500", {{"a", "p 1"}, {"1", "p2"}}},
        // A trailing "|" adds one empty entry.
        {"p1|", "a1|a2", "2", "500", {{"a1", "p1"}, {"a2", ""}}},
    };
    for (const auto& c : cases) {
        generators::JianyuelunboInput in;
        in.pictures = c.pictures;
        in.links = c.links;
        in.count = c.count;
        in.height = c.height;
        EXPECT_EQ(generators::jianyuelunboSnippet(in), expected(c.height, c.slides))
            << c.pictures.toStdString();
    }
}

class JianyuelunboTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = testing::form("Tfrmjianyuelunbo");
    }
    // A successful generation whose snippet is returned.
    QString generateSample() {
        type("p1|p2|p3", "a1|a2|a3", "3", "500");
        w->fire("btn3Click");
        const QString snippet = expected("500", {{"a1", "p1"}, {"a2", "p2"}, {"a3", "p3"}});
        EXPECT_EQ(fake().clipboard, snippet);
        fake().reset();
        return snippet;
    }
    // The picture list, link list, count and height.
    void type(const QString& pictures, const QString& links, const QString& count, const QString& height) {
        w->setText("mmo2", pictures);
        w->setText("mmo3", links);
        w->setText("cbb1", count);
        w->setText("edt1", height);
    }
    core::Form* w = nullptr;
};

// Runs first: the window as start-up made it.
TEST_F(JianyuelunboTest, DefaultsAndHandOffBeforeGenerating) {
    EXPECT_EQ(w->windowTitle(), "简约通栏轮播");
    EXPECT_EQ(w->size(), QSize(633, 673));
    EXPECT_EQ(w->text("edt1"), "500");
    EXPECT_EQ(w->text("cbb1"), "3");
    EXPECT_EQ(w->text("mmo2"), "图1地址| \r\n图2地址|\r\n图3地址\r\n");
    EXPECT_EQ(w->text("mmo3"), "#|#|#\r\n");
    EXPECT_EQ(w->text("btn3"), "生成代码");
    EXPECT_EQ(w->text("btn4"), "通栏转化");
    EXPECT_EQ(testing::comboItems(w, "cbb1"), QStringList({"2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    // The window starts from the defaults the snippet's input has.
    const generators::JianyuelunboInput defaults;
    EXPECT_EQ(w->text("mmo2"), defaults.pictures);
    EXPECT_EQ(w->text("mmo3"), defaults.links);

    // Nothing generated yet: nothing is handed over.
    testing::expectNothingHandedOver(w, "btn4Click");
}

// 生成代码 builds from what the fields hold, each field in its place, holds
// the snippet and copies it.
TEST_F(JianyuelunboTest, GenerateBuildsFromTheFieldsHoldsAndCopies) {
    const generators::JianyuelunboInput in{"450", "2", "p1 | p2|p3", "a1|a2"};
    type(in.pictures, in.links, in.count, in.height);
    w->fire("btn3Click");
    const QString want = generators::jianyuelunboSnippet(in);
    EXPECT_EQ(w->text("LastSnippet"), want);
    EXPECT_EQ(fake().clipboard, want);
    EXPECT_EQ(fake().lastMessage().text, kMessage);
    EXPECT_EQ(fake().lastMessage().title, "提示信息");
    EXPECT_EQ(fake().lastMessage().owner, "Tfrmjianyuelunbo");
}

TEST_F(JianyuelunboTest, FailuresKeepTheLastSnippetAndCopyNothing) {
    const struct {
        QString pictures, links, count, height, error;
    } cases[] = {
        {"p1|p2|p3", "a1|a2|a3", "4", "500", "List index out of bounds (3)"},
        {"p1|p2|p3", "a1|a2", "3", "500", "List index out of bounds (2)"},
        {"p1 p2", "a1|a2|a3", "3", "500", "List index out of bounds (2)"},
        {"p1|p2|p3", "a1|a2|a3", "三", "500", "'三' is not a valid integer value"},
        {"p1|p2|p3", "a1|a2|a3", "3", "500px", "'500px' is not a valid integer value"},
        {"p1|p2|p3", "a1|a2|a3", "3", "", "'' is not a valid integer value"},
    };
    for (const auto& c : cases) {
        const QString kept = generateSample();
        type(c.pictures, c.links, c.count, c.height);
        w->fire("btn3Click");
        EXPECT_EQ(fake().callsOf("messageBox").size(), 1); // the error box only, no generator message
        EXPECT_EQ(fake().lastMessage().text, c.error);
        EXPECT_EQ(fake().lastMessage().title, fake().applicationTitle());
        EXPECT_FALSE(fake().clipboardSet);
        EXPECT_EQ(w->text("LastSnippet"), kept) << c.error.toStdString();
        EXPECT_EQ(w->text("mmo2"), c.pictures); // the lists are left as typed
    }
    // The window stays usable: the kept snippet is still handed over.
    core::Form* banner = testing::converter();
    ASSERT_NE(banner, nullptr);
    testing::primeConverter(banner, "rb2");
    w->setText("edt1", "500");
    w->fire("btn4Click");
    EXPECT_EQ(testing::viewConverter(banner).code,
              expected("500", {{"a1", "p1"}, {"a2", "p2"}, {"a3", "p3"}}));
    banner->hide();
}

TEST_F(JianyuelunboTest, HandsTheSnippetOverOnceThenNothing) {
    const QString snippet = generateSample();
    core::Form* banner = testing::converter();
    ASSERT_NE(banner, nullptr);
    testing::primeConverter(banner, "rb2");
    w->setText("edt1", "480");
    w->fire("btn4Click");
    testing::ConverterView view = testing::viewConverter(banner);
    EXPECT_TRUE(view.visible);
    EXPECT_EQ(view.edition, "rb1");
    EXPECT_EQ(view.width, "1100"); // the width field is not written
    EXPECT_EQ(view.height, "480");
    EXPECT_EQ(view.code, snippet);
    EXPECT_EQ(w->text("LastSnippet"), "");

    // The held snippet went over once: a second press hands nothing on.
    banner->hide();
    testing::expectNothingHandedOver(w, "btn4Click");
}

} // namespace
