#include "generators/carousels/fangkuai.h"
#include "tests/generators/carousels/combo_items.h"
#include "tests/generators/carousels/converter_probe.h"

#include <gtest/gtest.h>

namespace {

const QString kMessage = "代码已被复制，记得拿通栏版块转化一下再安装哦！";
const QString kAskPictures = "请输入图片地址，图片之间用 | 隔开";
const QString kAskLinks = "请输入链接地址，链接之间用 | 隔开";

// The snippet for height h, the given (link, picture) posters and the button
// row's top, left and width.
QString expected(const QString& h, const QList<std::pair<QString, QString>>& posters, int top, int left,
                 int width) {
    QString out =
        "<div style=\"height:" + h +
        "px; overflow:hidden;\"><div class=\"J_TWidget\"  data-widget-type=\"Carousel\"  "
        "data-widget-config=\"{'effect': 'scrollx', 'navCls':'kavri1205nav', 'contentCls':'kavri1205cont', "
        "'duration':'1', 'easing':'bounceOut', 'autoplay':'true' }\">"
        "<div style=\"list-style-type:none; height:" +
        h + "px; overflow:hidden\" class=\"kavri1205cont\">";
    for (const auto& [link, picture] : posters)
        out += "<li><a href=\"" + link + "\" target=\"_blank\"><img src=\"" + picture +
               "\" width=\"1920\" height=\"" + h + "\" /></a></li>\r\n";
    out += "</div><div style=\"list-style-type:none; position:relative;top:" + QString::number(top) +
           "px;left:" + QString::number(left) + "px;width:" + QString::number(width) +
           "px;font-family:arial; font-weight:700\" class=\"kavri1205nav\">";
    for (int i = 1; i <= posters.size(); ++i)
        out +=
            "<li style=\"width:25px; height:25px; background-color:#f30;border:0px solid;border-radius:3px;"
            "-moz-border-radius:3px;cursor:pointer; margin-right:10px;float:left;line-height:25px; "
            "text-align:center; color:#FFF\">" +
            QString::number(i) + "</li>\r\n";
    return out + "</div></div></div>";
}

const QString kSample = expected("550", {{"a1", "p1"}, {"a2", "p2"}, {"a3", "p3"}}, 500, 907, 105);

// The snippet from the carousel's fields, without its window.
TEST(FangkuaiSnippet, EachCountAndHeight) {
    const struct {
        QString pictures, links, count, height;
        QList<std::pair<QString, QString>> posters;
        int top, left, width;
    } cases[] = {
        {"p1|p2|p3", "a1|a2|a3", "1", "400", {{"a1", "p1"}}, 350, 942, 35},
        {"p1|p2|p3", "a1|a2|a3", "2", "550", {{"a1", "p1"}, {"a2", "p2"}}, 500, 925, 70},
        {"p1|p2|p3|p4|p5",
         "a1|a2|a3|a4|a5",
         "5",
         "500",
         {{"a1", "p1"}, {"a2", "p2"}, {"a3", "p3"}, {"a4", "p4"}, {"a5", "p5"}},
         450,
         872,
         175},
        {"p1|\r\np2|\r\np3|\r\np4|\r\np5|\r\np6\r\n",
         "a1 | a2 | a3 | a4 | a5 | a6",
         "6",
         "600",
         {{"a1", "p1"}, {"a2", "p2"}, {"a3", "p3"}, {"a4", "p4"}, {"a5", "p5"}, {"a6", "p6"}},
         550,
         855,
         210},
        // The lists are trimmed first, so a "|" before the final line break adds an empty entry.
        {"p1|p2|\r\n", "a1|a2|a3", "3", "550", {{"a1", "p1"}, {"a2", "p2"}, {"a3", ""}}, 500, 907, 105},
    };
    for (const auto& c : cases) {
        const core::Built built = generators::fangkuaiSnippet({c.height, c.count, c.pictures, c.links});
        EXPECT_EQ(built.snippet, expected(c.height, c.posters, c.top, c.left, c.width))
            << c.count.toStdString();
        EXPECT_TRUE(built.updates.isEmpty());
        EXPECT_FALSE(built.failure);
    }
}

// An empty picture list, or else an empty link list, is given its hint,
// which is then read as the list; the hint stays written when the build fails.
TEST(FangkuaiSnippet, EmptyListsReceiveAHintFirst) {
    const struct {
        QString pictures, links, count;
        QString box, hint, snippet, failure;
    } cases[] = {
        // The picture hint is two entries, too few for three posters.
        {"", "a1|a2|a3", "3", "mmo1", kAskPictures, "", "List index out of bounds (2)"},
        {"p1|p2", "", "2", "mmo2", kAskLinks,
         expected("550", {{"请输入链接地址，链接之间用", "p1"}, {"隔开", "p2"}}, 500, 925, 70), ""},
        // Only the picture box is given its hint.
        {"", "", "2", "mmo1", kAskPictures, "", "List index out of bounds (0)"},
    };
    for (const auto& c : cases) {
        const core::Built built = generators::fangkuaiSnippet({"550", c.count, c.pictures, c.links});
        ASSERT_EQ(built.updates.size(), 1) << c.pictures.toStdString();
        EXPECT_EQ(built.updates[0].control, c.box);
        EXPECT_EQ(built.updates[0].text, c.hint);
        EXPECT_EQ(built.snippet, c.snippet);
        EXPECT_EQ(built.failure.value_or(""), c.failure);
    }
}

class FangkuaiTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = testing::form("Tfrmfangkuai");
    }
    void typeSample() { type("p1|p2|p3", "a1|a2|a3", "3", "550"); }
    // The picture list, link list, count and height.
    void type(const QString& pictures, const QString& links, const QString& count, const QString& height) {
        w->setText("mmo1", pictures);
        w->setText("mmo2", links);
        w->setText("cbb1", count);
        w->setText("edt1", height);
    }
    core::Form* w = nullptr;
};

// Runs first: the window as start-up made it.
TEST_F(FangkuaiTest, DefaultsAndDefaultSnippet) {
    EXPECT_EQ(w->windowTitle(), "方块按钮 - 图片宽度1920px");
    EXPECT_EQ(w->size(), QSize(500, 547));
    EXPECT_EQ(w->text("edt1"), "550");
    EXPECT_EQ(w->text("cbb1"), "3");
    EXPECT_EQ(w->text("mmo1"), "图1地址|\r\n图2地址|\r\n图3地址\r\n");
    EXPECT_EQ(w->text("mmo2"), "#|#|#\r\n");
    EXPECT_EQ(w->text("btn1"), "生成");
    EXPECT_EQ(w->text("btn2"), "转化通栏");
    EXPECT_EQ(testing::comboItems(w, "cbb1"), QStringList({"1", "2", "3", "4", "5", "6"}));
    // The window starts from the defaults the snippet's input has.
    const generators::FangkuaiInput defaults;
    EXPECT_EQ(w->text("mmo1"), defaults.pictures);
    EXPECT_EQ(w->text("mmo2"), defaults.links);

    // Nothing generated yet: nothing is handed over.
    testing::expectNothingHandedOver(w, "btn2Click");

    // Three posters, buttons 1 to 3 in a row 105 px wide at left 907, lifted to 500.
    w->fire("btn1Click");
    const QString want =
        expected("550", {{"#", "图1地址"}, {"#", "图2地址"}, {"#", "图3地址"}}, 500, 907, 105);
    EXPECT_EQ(w->text("LastSnippet"), want);
    EXPECT_EQ(fake().clipboard, want);
    EXPECT_EQ(fake().lastMessage().text, kMessage);
    EXPECT_EQ(fake().lastMessage().title, "提示信息");
    EXPECT_EQ(fake().lastMessage().owner, "Tfrmfangkuai");
}

// 生成 builds from what the fields hold, each field in its place, holds the
// snippet and copies it.
TEST_F(FangkuaiTest, GenerateBuildsFromTheFieldsHoldsAndCopies) {
    const generators::FangkuaiInput in{"420", "2", "p1 |p2|p3", "a1|a2"};
    type(in.pictures, in.links, in.count, in.height);
    w->fire("btn1Click");
    const QString want = generators::fangkuaiSnippet(in).snippet;
    EXPECT_EQ(w->text("LastSnippet"), want);
    EXPECT_EQ(fake().clipboard, want);
    EXPECT_EQ(fake().lastMessage().text, kMessage);
    EXPECT_EQ(fake().lastMessage().title, "提示信息");
    EXPECT_EQ(fake().lastMessage().owner, "Tfrmfangkuai");
}

TEST_F(FangkuaiTest, EmptyBoxesReceiveAHintFirst) {
    // An empty picture box gets its hint (two entries), which is too few for three posters.
    typeSample();
    w->setText("mmo1", "");
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo1"), kAskPictures);
    EXPECT_EQ(w->text("mmo2"), "a1|a2|a3");
    EXPECT_EQ(fake().lastMessage().text, "List index out of bounds (2)");
    EXPECT_FALSE(fake().clipboardSet);

    // Only when the pictures are there does an empty link box get its hint.
    fake().reset();
    w->setText("mmo1", "p1|p2");
    w->setText("mmo2", "");
    w->setText("cbb1", "2");
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo2"), kAskLinks);
    EXPECT_EQ(fake().clipboard, generators::fangkuaiSnippet({"550", "2", "p1|p2", kAskLinks}).snippet);

    fake().reset();
    w->setText("mmo1", "");
    w->setText("mmo2", "");
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo1"), kAskPictures);
    EXPECT_EQ(w->text("mmo2"), "");
    EXPECT_EQ(fake().lastMessage().text, "List index out of bounds (0)");
}

TEST_F(FangkuaiTest, FailuresKeepTheLastSnippetAndCopyNothing) {
    const struct {
        QString pictures, links, count, height, error;
    } cases[] = {
        {"p1|p2|p3", "a1|a2|a3", "4", "550", "List index out of bounds (3)"},
        {"p1|p2", "a1|a2|a3", "3", "550", "List index out of bounds (2)"},
        {"p1|p2|p3", "a1", "3", "550", "List index out of bounds (1)"},
        {"p1|p2|p3", "a1|a2|a3", "3张", "550", "'3张' is not a valid integer value"},
        {"p1|p2|p3", "a1|a2|a3", "3", "550.5", "'550.5' is not a valid integer value"},
    };
    for (const auto& c : cases) {
        typeSample();
        w->fire("btn1Click");
        ASSERT_EQ(w->text("LastSnippet"), kSample);
        fake().reset();
        type(c.pictures, c.links, c.count, c.height);
        w->fire("btn1Click");
        EXPECT_EQ(fake().callsOf("messageBox").size(), 1); // the error box only, no generator message
        EXPECT_EQ(fake().lastMessage().text, c.error);
        EXPECT_EQ(fake().lastMessage().title, fake().applicationTitle());
        EXPECT_FALSE(fake().clipboardSet);
        EXPECT_EQ(w->text("LastSnippet"), kSample) << c.error.toStdString();
    }
}

TEST_F(FangkuaiTest, HandsTheSnippetOverOnceThenNothing) {
    typeSample();
    w->fire("btn1Click");
    core::Form* banner = testing::converter();
    ASSERT_NE(banner, nullptr);
    testing::primeConverter(banner, "rb3");
    w->setText("edt1", "560");
    w->fire("btn2Click");
    testing::ConverterView view = testing::viewConverter(banner);
    EXPECT_TRUE(view.visible);
    EXPECT_EQ(view.edition, "rb1");
    EXPECT_EQ(view.width, "1100"); // the width field is not written
    EXPECT_EQ(view.height, "560");
    EXPECT_EQ(view.code, kSample);

    // The held snippet went over once: a second press hands nothing on.
    banner->hide();
    testing::expectNothingHandedOver(w, "btn2Click");
}

} // namespace
