#include "generators/promotions/like.h"
#include "tests/generators/promotions/pagewidgets_checks.h"

namespace {

QString share(const QString& id, const QString& slogan, const QString& width, const QString& height,
              const QString& picture) {
    return "<div class=\"sns-widget sns-sharebtn sns-widget-ui sns-sharebtn-custom\" "
           "data-sharebtn=\"{client_id:68,skinType:3,type:&quot;item&quot;,key:" +
           id + ",&quot;comment&quot;:&quot;" + slogan + "&quot;}\" style=\"width:" + width +
           "px;height:" + height + "px;background:url(" + picture + ") no-repeat;cursor:pointer;\"></div> ";
}

class LikeTest : public testing::FormTest {
protected:
    LikeTest()
        : FormTest("Tfrmlike") {}
};

TEST_F(LikeTest, DefaultsGiveTheSampleShareButtonWithTheSloganLineBreak) {
    EXPECT_EQ(w->windowTitle(), "喜欢分享按钮");
    EXPECT_EQ(w->text("edt2"), "92");
    EXPECT_EQ(w->text("edt3"), "27");
    // The slogan box starts with one line, ended like every line of a box.
    EXPECT_EQ(w->text("mmo1"), "亲，发现这个宝贝真心不错，分享一下吧！\r\n");
    const QString id = w->text("edt4");
    ASSERT_FALSE(id.isEmpty());
    for (QChar c : id)
        EXPECT_TRUE(c.isDigit()) << id.toStdString();

    w->fire("btn1Click");
    const QString snippet =
        share(id, "亲，发现这个宝贝真心不错，分享一下吧！\r\n", "92", "27", w->text("edt1"));
    EXPECT_EQ(w->text("mmo2"), snippet);
    testing::expectCopied(fake(), "Tfrmlike", snippet, testing::kShopCopied);
}

// The share button from the fields, without the window.
TEST(LikeSnippet, FieldsGoToTheirPlacesAsTyped) {
    const struct {
        QString picture, width, height, item, slogan;
    } cases[] = {{"BG", "W9", "H8", "ID7", "one\r\ntwo"}, {"", "", "", "", ""}};
    for (const auto& c : cases) {
        generators::LikeInput in;
        in.picture = c.picture;
        in.width = c.width;
        in.height = c.height;
        in.item = c.item;
        in.slogan = c.slogan;
        EXPECT_EQ(generators::likeSnippet(in), share(c.item, c.slogan, c.width, c.height, c.picture));
    }
}

// 生成并复制代码 builds from what the fields hold, each field in its place.
TEST_F(LikeTest, GenerateBuildsFromTheFields) {
    generators::LikeInput in;
    in.picture = "BG";
    in.width = "W9";
    in.height = "H8";
    in.item = "ID7";
    in.slogan = "one\r\ntwo";
    w->setText("edt1", in.picture);
    w->setText("edt2", in.width);
    w->setText("edt3", in.height);
    w->setText("edt4", in.item);
    w->setText("mmo1", in.slogan);
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo2"), generators::likeSnippet(in));
    testing::expectCopied(fake(), "Tfrmlike", generators::likeSnippet(in), testing::kShopCopied);
}

TEST_F(LikeTest, HelpTellsWhereTheIdIs) {
    w->fire("lbl3Click");
    EXPECT_EQ(fake().lastMessage().text, "打开任意宝贝，查看网址部分即可看见ID=数字，那个纯数字就是ID");
    EXPECT_EQ(fake().lastMessage().title, "提示信息框");
    EXPECT_FALSE(fake().clipboardSet);
}

} // namespace
