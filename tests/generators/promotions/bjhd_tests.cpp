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

TEST_F(BjhdTest, TheEditionSetsTheTopLayerOffset) {
    const struct {
        QString edition, offset;
    } cases[] = {{"基础版", "1070"}, {"专业版", "950"}, {"天猫版", "950"}, {"", "950"}};
    w->setText("edt1", "P7");
    w->setText("edt2", "BACK");
    w->setText("mmo1", "<b>typed</b>\r\n");
    for (const auto& c : cases) {
        fake().reset();
        w->setText("cbb1", c.edition);
        w->fire("btn2Click");
        testing::expectCopied(fake(), "TfrmBJHD", block("P7", c.offset, "BACK", "<b>typed</b>\r\n"),
                              testing::kShopCopied);
    }
}

TEST_F(BjhdTest, TheMiddlePartIsRebuiltFromTheFieldsAndADoubleClickEmptiesTheBackground) {
    w->setText("edt5", "LINK");
    w->setText("edt3", "TOP");
    w->setText("edt1", "H3");
    w->setText("mmo1", "old");
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo1"), top("LINK", "TOP", "H3"));

    w->setText("edt2", "BACK");
    auto* back = w->control<QLineEdit>("edt2");
    QTest::mouseDClick(back, Qt::LeftButton);
    EXPECT_EQ(w->text("edt2"), "");
    w->setText("cbb1", "专业版");
    w->fire("btn2Click");
    EXPECT_EQ(fake().clipboard, block("H3", "950", "", top("LINK", "TOP", "H3")));
}

} // namespace
