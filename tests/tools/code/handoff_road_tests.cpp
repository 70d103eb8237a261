#include "tests/support/helpers.h"

#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

QString tmall(const QString& h, const QString& hc, const QString& code) {
    return "<div style=\"height:" + hc +
           "px;\"><div class=\"sn-simple-logo\" style=\"left:50%;width:1920px;height:" + h +
           "px;right:auto;top:auto;padding:0;border:none;left:auto;z-index:1;background-color: transparent; "
           "\">" +
           "<div class=\"sn-simple-logo\" "
           "style=\"left:-465px;top:0px;border:none;padding:0;background-color: "
           "transparent; \">" +
           code + "</div></div></div>";
}

QString footer(bool basic, const QString& h, const QString& hc, const QString& code) {
    return "<div  style=\"height:" + hc + (basic ? "\">" : "px;\">") +
           "<div class=\"most-footer footer-more-trigger\" style=\"left:50%;width:1920px;height:" + h +
           "px;right:auto;top:auto;padding:0;border:none;left:auto;z-index:1;background-color: transparent; "
           "\"> " +
           "<div class=\"most-footer footer-more-trigger\" style=\"left:-" + (basic ? "685" : "485") +
           "px;top:0px;border:none;padding:0;background-color: transparent; \">" + code +
           "</div></div></div>";
}

class HandoffRoadTest : public testing::ProgramTest {};

// The typical request: generate a carousel, hand it to the converter, convert
// and copy, then look at it in the previewer.
TEST_F(HandoffRoadTest, CarouselThroughConverterToPreviewer) {
    core::Form* carousel = testing::form("Tfrmlunbo");
    core::Form* converter = testing::form("Tfrmtonglan3");
    core::Form* previewer = testing::form("Tfrmyulan");
    ASSERT_TRUE(carousel && converter && previewer);

    const struct {
        QString edition;
        QString height;
        QString button;
        int previewEdition;
        QString converted; // Hc
        bool basic;
    } cases[] = {
        // First hand-off with the carousel's default height: the converter's
        // height already reads "400", so nothing changes and Hc keeps its own "400".
        {"专业版", "400", "rb1", 1, "400", false},
        {"天猫版", "450", "rb2", 2, "430", false},
        {"基础版", "600", "rb3", 0, "580", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.edition.toStdString());
        fake().reset();
        carousel->setText("cbb2", c.edition);
        carousel->setText("edt14", c.height);
        carousel->fire("btn1Click");
        const QString snippet = carousel->text("mmo1");
        ASSERT_TRUE(snippet.startsWith("<div style=\"width:1920px; height:" + c.height + "px;"));

        carousel->fire("btn3Click");
        EXPECT_TRUE(converter->isVisible());
        EXPECT_TRUE(converter->control<QRadioButton>(c.button)->isChecked());
        EXPECT_EQ(converter->text("edt1"), "1920");
        EXPECT_EQ(converter->text("edt2"), c.height);
        EXPECT_EQ(converter->text("edt3"), c.converted);
        EXPECT_EQ(converter->text("mmo1"), snippet);

        converter->fire("btn1Click");
        const QString expected = c.button == "rb2" ? tmall(c.height, c.converted, snippet)
                                                   : footer(c.basic, c.height, c.converted, snippet);
        EXPECT_EQ(fake().clipboard, expected);
        EXPECT_EQ(fake().lastMessage().text, "代码已被复制，可以到店铺的自定义进行粘贴了！");
        EXPECT_EQ(fake().lastMessage().owner, "Tfrmtonglan3");

        converter->fire("btn2Click");
        EXPECT_TRUE(previewer->isVisible());
        EXPECT_EQ(previewer->text("redt1"), expected);
        EXPECT_EQ(previewer->control<core::RadioGroup>("rg1")->itemIndex(), c.previewEdition);
    }
    converter->hide();
    previewer->hide();
}

} // namespace
