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

TEST_F(LikeTest, FieldsGoToTheirPlacesAsTyped) {
    w->setText("edt1", "BG");
    w->setText("edt2", "W9");
    w->setText("edt3", "H8");
    w->setText("edt4", "ID7");
    w->setText("mmo1", "one\r\ntwo");
    w->fire("btn1Click");
    testing::expectCopied(fake(), "Tfrmlike", share("ID7", "one\r\ntwo", "W9", "H8", "BG"),
                          testing::kShopCopied);
}

TEST_F(LikeTest, HelpTellsWhereTheIdIs) {
    w->fire("lbl3Click");
    EXPECT_EQ(fake().lastMessage().text, "打开任意宝贝，查看网址部分即可看见ID=数字，那个纯数字就是ID");
    EXPECT_EQ(fake().lastMessage().title, "提示信息框");
    EXPECT_FALSE(fake().clipboardSet);
}

} // namespace
