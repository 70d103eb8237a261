#include "generators/promotions/sale.h"
#include "tests/generators/promotions/pagewidgets_checks.h"

namespace {

QString cart(const QString& link, const QString& width, const QString& height, const QString& picture) {
    return "<a class=\"J_CartPluginTrigger\" href=\"" + link +
           "\" target=\"_blank\" title=\"加入购物车\"><img style=\"width:" + width + "px;height:" + height +
           "px;\" src=\"" + picture + "\"/></a>";
}

class SaleTest : public testing::FormTest {
protected:
    SaleTest()
        : FormTest("Tfrmsale") {}
};

TEST_F(SaleTest, DefaultsGiveTheSampleCartButton) {
    EXPECT_EQ(w->windowTitle(), "购物车");
    EXPECT_EQ(w->text("edt2"), "120");
    EXPECT_EQ(w->text("edt3"), "31");
    const QString item = w->text("edt4");
    EXPECT_TRUE(item.contains("/item.htm?")) << item.toStdString();
    for (const char* key : {"spm=", "id=", "scene="})
        EXPECT_TRUE(item.contains(key)) << key;
    EXPECT_FALSE(w->text("edt1").isEmpty());
    EXPECT_EQ(w->text("mmo1"), "mmo1\r\n");

    w->fire("btn1Click");
    const QString snippet = cart(item, "120", "31", w->text("edt1"));
    EXPECT_EQ(w->text("mmo1"), snippet);
    testing::expectCopied(fake(), "Tfrmsale", snippet, testing::kShopCopied);
}

// The cart button from the fields, without the window.
TEST(SaleSnippet, FieldsGoToTheirPlacesAsTyped) {
    const struct {
        QString picture, width, height, link;
    } cases[] = {{"PIC", "W1", "H2", "LINK?a=1&b=2"}, {"", "", "", ""}, {" p ", "abc", "1e309", "\"q\""}};
    for (const auto& c : cases) {
        generators::SaleInput in;
        in.picture = c.picture;
        in.width = c.width;
        in.height = c.height;
        in.item = c.link;
        EXPECT_EQ(generators::saleSnippet(in), cart(c.link, c.width, c.height, c.picture));
    }
}

// 生成并复制 builds from what the fields hold, each field in its place.
TEST_F(SaleTest, GenerateBuildsFromTheFields) {
    generators::SaleInput in;
    in.picture = "PIC";
    in.width = "W1";
    in.height = "H2";
    in.item = "LINK?a=1&b=2";
    w->setText("edt1", in.picture);
    w->setText("edt2", in.width);
    w->setText("edt3", in.height);
    w->setText("edt4", in.item);
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo1"), generators::saleSnippet(in));
    testing::expectCopied(fake(), "Tfrmsale", generators::saleSnippet(in), testing::kShopCopied);
}

} // namespace
