#include "generators/promotions/bjhd.h"
#include "tests/generators/carousels/combo_items.h"
#include "tests/generators/promotions/pagewidgets_checks.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>

namespace {

QString top(const QString& link, const QString& picture, const QString& height) {
    return "<a href=\"" + link + "\" target=\"_blank\"><img src=\"" + picture +
           "\" alt=\" HD_01.png\" width=\"1920\" height=\"" + height + "\"/></a>";
}

QString block(const QString& p, const QString& offset, const QString& back, const QString& middle) {
    return "<div data-title=\"青梧美工\" style=\"height:" + p +
           "px;\"><div class=\"footer-more-trigger\" style=\"left:50%;width:1920px;height:" + p +
           "px;right:auto;top:auto;padding:0;border:none;z-index:1;\"><div class=\"footer-more-trigger\" "
           "style=\"left:-" +
           offset + "px;top:0px;border:none;padding:0;\"><div style=\"height:" + p +
           "px;width:1920px;background:url(" + back +
           ");background-repeat:no-repeat;background-position:center;background-attachment:fixed;\"><div "
           "style=\"width:1920px; height:" +
           p + "px;\">" + middle + "</div></div></div></div></div>";
}

class BjhdTest : public testing::FormTest {
protected:
    BjhdTest()
        : FormTest("TfrmBJHD") {}
};

// Runs first: the window as start-up made it.
TEST_F(BjhdTest, DefaultsAndTheMiddlePartFromTheTopPicture) {
    EXPECT_EQ(w->windowTitle(), "背景交替模块");
    EXPECT_EQ(w->text("cbb1"), "专业版");
    EXPECT_EQ(testing::comboItems(w, "cbb1"), QStringList({"专业版", "基础版"}));
    EXPECT_EQ(w->text("edt1"), "500");
    EXPECT_EQ(w->text("edt5"), "#");
    EXPECT_EQ(w->text("mmo1"), "");
    EXPECT_EQ(w->text("mmo2"), "mmo2\r\n");
    const QString back = w->text("edt2");
    const QString picture = w->text("edt3");
    EXPECT_FALSE(back.isEmpty());
    EXPECT_FALSE(picture.isEmpty());

    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo1"), top("#", picture, "500"));
    EXPECT_EQ(w->text("mmo2"), "mmo2\r\n");
    EXPECT_FALSE(fake().clipboardSet);
    EXPECT_TRUE(fake().callsOf("messageBox").isEmpty());

    w->fire("btn2Click");
    const QString snippet = block("500", "950", back, top("#", picture, "500"));
    EXPECT_EQ(w->text("mmo2"), snippet);
    testing::expectCopied(fake(), "TfrmBJHD", snippet, testing::kShopCopied);
}

// The middle part and the block from the fields, without the window.
TEST(BjhdSnippet, TheMiddlePartFromTheTopPicture) {
    generators::BjhdInput in;
    in.topLink = "LINK";
    in.topPicture = "TOP";
    in.height = "H3";
    EXPECT_EQ(generators::bjhdMiddle(in), top("LINK", "TOP", "H3"));
}

TEST(BjhdSnippet, TheEditionSetsTheTopLayerOffset) {
    const struct {
        QString edition, offset;
    } cases[] = {{"基础版", "1070"}, {"专业版", "950"}, {"天猫版", "950"}, {"", "950"}};
    generators::BjhdInput in;
    in.height = "P7";
    in.background = "BACK";
    in.middle = "<b>typed</b>\r\n";
    for (const auto& c : cases) {
        in.edition = c.edition;
        EXPECT_EQ(generators::bjhdSnippet(in), block("P7", c.offset, "BACK", "<b>typed</b>\r\n"))
            << c.edition.toStdString();
    }
    in.background = "";
    EXPECT_EQ(generators::bjhdSnippet(in), block("P7", "950", "", "<b>typed</b>\r\n"));
}

// 生成代码 and 提取代码 build from what the fields hold, each field in its place.
TEST_F(BjhdTest, TheButtonsBuildFromTheFields) {
    generators::BjhdInput in;
    in.height = "P7";
    in.background = "BACK";
    in.topPicture = "TOP";
    in.topLink = "LINK";
    w->setText("edt1", in.height);
    w->setText("edt2", in.background);
    w->setText("edt3", in.topPicture);
    w->setText("edt5", in.topLink);
    for (const QString edition : {"基础版", "专业版", "天猫版", ""}) {
        fake().reset();
        in.edition = edition;
        w->setText("cbb1", edition);
        in.middle = "<b>typed</b>\r\n";
        w->setText("mmo1", in.middle);
        w->fire("btn2Click");
        testing::expectCopied(fake(), "TfrmBJHD", generators::bjhdSnippet(in), testing::kShopCopied);
    }
    w->setText("mmo1", "old");
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo1"), generators::bjhdMiddle(in));
}

TEST_F(BjhdTest, ADoubleClickEmptiesTheBackground) {
    w->setText("edt2", "BACK");
    auto* back = w->control<QLineEdit>("edt2");
    QTest::mouseDClick(back, Qt::LeftButton);
    EXPECT_EQ(w->text("edt2"), "");
}

} // namespace
