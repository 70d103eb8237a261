#include "generators/promotions/liuyanban.h"
#include "tests/generators/carousels/combo_items.h"
#include "tests/generators/promotions/pagewidgets_checks.h"

namespace {

const QString kBreaks = "&#13;&#10;&#13;&#10;&#13;&#10;&#13;&#10;&#13;&#10;";

QString board(const QString& width, const QString& height, const QString& picture, const QString& colour,
              const QString& areaHeight, const QString& areaWidth, const QString& top, const QString& left,
              const QString& shop) {
    return "<div style=\"position:relative;width:" + width + "px;height:" + height +
           "px;background-image:url(" + picture + "); background-color:" + colour +
           ";\"> <div class=\"footer-more-trigger sn-simple-logo\" style=\"overflow:auto;height:" +
           areaHeight + "px;width:" + areaWidth + "px;top:" + top + "px;left:" + left +
           "px;border:0;margin:0;padding:0;\"><div class=\"sns-widget\" data-comment=\"{" + kBreaks +
           "&quot;isAutoHeight&quot;:true," + kBreaks + "&quot;param&quot;:{" + kBreaks +
           "&quot;target_key&quot;:&quot;" + shop + "&quot;," + kBreaks +
           "&quot;type_id&quot;:&quot;1100035&quot;," + kBreaks + "&quot;rec_user_id&quot;:&quot;-1&quot;," +
           kBreaks + "&quot;view&quot;:&quot;detail_list&quot;," + kBreaks + "&quot;title&quot;:&quot;" +
           shop + "&quot;," + kBreaks + " &quot;moreurl&quot;:&quot;" + shop + "&quot; }," + kBreaks +
           "&quot;paramList&quot;:{&quot;view&quot;:&quot;list_trunPage&quot;}}\"> "
           "&nbsp;</div></div></div>";
}

class LiuyanbanTest : public testing::FormTest {
protected:
    LiuyanbanTest()
        : FormTest("TFrmliuyanban") {}
    void sizes(const QString& width, const QString& height, const QString& areaWidth,
               const QString& areaHeight) {
        w->setText("edt2", width);
        w->setText("edt1", height);
        w->setText("edt6", areaWidth);
        w->setText("edt5", areaHeight);
    }
};

// Runs first: the window as start-up made it.
TEST_F(LiuyanbanTest, DefaultsCentreTheCommentArea) {
    EXPECT_EQ(w->windowTitle(), "留言板功能");
    EXPECT_EQ(w->text("edt2"), "750");
    EXPECT_EQ(w->text("edt1"), "500");
    EXPECT_EQ(w->text("edt4"), "#fff");
    EXPECT_EQ(w->text("edt3"), "none");
    EXPECT_EQ(w->text("edt6"), "600");
    EXPECT_EQ(w->text("edt5"), "400");
    EXPECT_EQ(w->text("cbb2"), "居中");
    EXPECT_EQ(testing::comboItems(w, "cbb2"), QStringList({"居左", "居中", "居右"}));
    EXPECT_EQ(w->text("cbb1"), "居中");
    EXPECT_EQ(testing::comboItems(w, "cbb1"), QStringList({"居顶", "居中", "居下"}));
    EXPECT_EQ(w->text("lbl10"), "50");
    EXPECT_EQ(w->text("lbl11"), "75");
    EXPECT_EQ(w->text("mmo1"), "mmo1\r\n");
    const QString shop = w->text("edt7");
    EXPECT_FALSE(shop.isEmpty());
    EXPECT_FALSE(shop.startsWith("http"));

    w->fire("btn1Click");
    const QString snippet = board("750", "500", "none", "#fff", "400", "600", "50", "75", shop);
    EXPECT_EQ(w->text("mmo1"), snippet);
    testing::expectCopied(fake(), "TFrmliuyanban", snippet, testing::kShopCopied);
}

// The board from the fields, without the window.
TEST(LiuyanbanSnippet, FieldsGoToTheirPlaces) {
    generators::LiuyanbanInput in;
    in.width = "810";
    in.height = "520";
    in.picture = "BG";
    in.colour = "COL";
    in.areaWidth = "600";
    in.areaHeight = "300";
    in.top = "110";
    in.left = "105";
    in.shop = "S.example";
    EXPECT_EQ(generators::liuyanbanSnippet(in),
              board("810", "520", "BG", "COL", "300", "600", "110", "105", "S.example"));
}

// 生成代码并复制 builds from what the fields hold, the area centred in the block.
TEST_F(LiuyanbanTest, FieldsGoToTheirPlaces) {
    generators::LiuyanbanInput in;
    in.picture = "BG";
    in.colour = "COL";
    in.shop = "S.example";
    in.width = "810";
    in.height = "520";
    in.areaWidth = "600";
    in.areaHeight = "300";
    in.top = "110";
    in.left = "105";
    w->setText("edt3", in.picture);
    w->setText("edt4", in.colour);
    w->setText("edt7", in.shop);
    sizes(in.width, in.height, in.areaWidth, in.areaHeight);
    w->fire("btn1Click");
    testing::expectCopied(fake(), "TFrmliuyanban", generators::liuyanbanSnippet(in), testing::kShopCopied);
}

TEST_F(LiuyanbanTest, PlacementsSetTheOffsets) {
    sizes("750", "500", "600", "400");
    const struct {
        const char* combo;
        QString place;
        const char* label;
        QString offset;
    } steps[] = {
        {"cbb1", "居顶", "lbl10", "0"},   {"cbb1", "居下", "lbl10", "100"}, {"cbb1", "居中", "lbl10", "50"},
        {"cbb1", "居下", "lbl10", "100"}, {"cbb1", "其他", "lbl10", "100"}, // a typed text changes nothing
        {"cbb2", "居左", "lbl11", "0"},   {"cbb2", "居右", "lbl11", "150"}, {"cbb2", "居中", "lbl11", "75"},
        {"cbb2", "居右", "lbl11", "150"}, {"cbb2", "", "lbl11", "150"},
    };
    for (const auto& step : steps) {
        w->setText(step.combo, step.place);
        EXPECT_EQ(w->text(step.label), step.offset) << step.combo << " " << step.place.toStdString();
    }
}

TEST_F(LiuyanbanTest, ASizeChangeCentresAgainWhateverThePlacementSays) {
    sizes("750", "500", "600", "400");
    w->setText("cbb1", "居下");
    w->setText("cbb2", "居右");
    ASSERT_EQ(w->text("lbl10"), "100");
    ASSERT_EQ(w->text("lbl11"), "150");
    w->setText("edt1", "600");
    EXPECT_EQ(w->text("lbl10"), "100"); // (600 - 400) / 2
    EXPECT_EQ(w->text("cbb1"), "居下");
    w->setText("edt5", "501");
    EXPECT_EQ(w->text("lbl10"), "49.5");
    w->setText("edt6", "800"); // a comment area wider than the block
    EXPECT_EQ(w->text("lbl11"), "-25");
    w->setText("edt2", "951");
    EXPECT_EQ(w->text("lbl11"), "75.5");
    EXPECT_EQ(w->text("cbb2"), "居右");

    // An emptied block size leaves the offset alone, also when the area changes.
    w->setText("edt1", "");
    w->setText("edt5", "100");
    EXPECT_EQ(w->text("lbl10"), "49.5");
    EXPECT_TRUE(fake().callsOf("messageBox").isEmpty());
}

TEST_F(LiuyanbanTest, ASizeThatIsNoNumberFailsAndKeepsTheOffset) {
    sizes("750", "500", "600", "400");
    const QString longText(200000, u'5');
    for (const QString& bad :
         {QString("abc"), QString("1e309"), QString("NaN"), QString("1,5"), QString("  "), longText}) {
        fake().reset();
        w->setText("edt5", bad);
        testing::expectNotANumber(fake(), bad, "floating point");
        EXPECT_EQ(fake().lastMessage().title, fake().applicationTitle());
        EXPECT_EQ(w->text("lbl10"), "50");
    }
    w->setText("edt5", "400");
    for (const QString& bad : {QString("x"), QString("")}) {
        fake().reset();
        w->setText("edt6", bad);
        EXPECT_EQ(fake().lastMessage().text, "'" + bad + "' is not a valid floating point value");
        EXPECT_EQ(w->text("lbl11"), "75");
    }
    w->setText("edt6", "600");
    w->setText("edt2", "2147483648");
    EXPECT_EQ(w->text("lbl11"), "1073741524");
    w->setText("edt2", "-2147483648");
    EXPECT_EQ(w->text("lbl11"), "-1073742124");
    // A difference beyond the range fails instead of writing "inf".
    w->setText("edt6", "-1e308");
    EXPECT_EQ(w->text("lbl11"), "5E307");
    fake().reset();
    w->setText("edt2", "1e308");
    EXPECT_EQ(fake().lastMessage().text, "'1e308' is not a valid floating point value");
    EXPECT_EQ(w->text("lbl11"), "5E307");

    fake().reset();
    w->setText("cbb1", "居下");
    w->setText("edt1", "abc");
    w->setText("cbb1", "居中");
    EXPECT_EQ(fake().lastMessage().text, "'abc' is not a valid floating point value");
}

TEST_F(LiuyanbanTest, HelpLabelsExplainTheShopAddress) {
    for (const char* label : {"lbl12Click", "lbl13Click"}) {
        fake().reset();
        w->fire(label);
        EXPECT_EQ(fake().lastMessage().text, "店铺地址不含前面的http://") << label;
        EXPECT_EQ(fake().lastMessage().title, "提示信息");
    }
}

} // namespace
