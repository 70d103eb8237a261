#include "tests/generators/promotions/pagewidgets_checks.h"

#include <QRadioButton>

namespace {

QString market(const QString& lifted, const QString& height, const QString& gap, const QString& code) {
    return "<div data-title=\"青梧美工\" style=\"height:" + lifted +
           "px;\"> <div class=\"footer-more-trigger\" style=\"width:950px;height:" + height +
           "px;right:auto;top:auto;padding:0;border:none;left:auto;z-index:1;\"> <div "
           "class=\"footer-more-trigger\" "
           "style=\"left:0px;top:-" +
           gap + "px;border:none;padding:0;\">" + code + "</div></div></div>";
}

QString tmall(const QString& lifted, const QString& height, const QString& gap, const QString& code) {
    return "<div data-title=\"青梧美工\" style=\"height:" + lifted +
           "px;\"> <div class=\"sn-simple-logo\" style=\"width:990px;height:" + height +
           "px;right:auto;top:auto;padding:0;border:none;left:auto;z-index:1;\"><div "
           "class=\"sn-simple-logo\" "
           "style=\"left:0px;top:-" +
           gap + "px;border:none;padding:0;\">" + code + "</div></div></div>";
}

class JianfengTest : public testing::FormTest {
protected:
    JianfengTest()
        : FormTest("TFrmjianfeng") {}
    void check(const char* radio) { w->control<QRadioButton>(radio)->setChecked(true); }
    // A radio button the user cannot clear once chosen; tests clear it directly.
    void uncheck(const char* radio) {
        auto* button = w->control<QRadioButton>(radio);
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
};

// Runs first: nothing is chosen at start-up.
TEST_F(JianfengTest, NothingHappensUntilAShopTypeAndAGapAreChosen) {
    EXPECT_EQ(w->windowTitle(), "去除版块上下间缝问题");
    EXPECT_EQ(w->text("edt1"), "400");
    for (const char* radio : {"rb1", "rb2", "rb3", "rb4"})
        EXPECT_FALSE(w->control<QRadioButton>(radio)->isChecked()) << radio;
    EXPECT_EQ(w->text("mmo2"), "mmo2\r\n");

    w->fire("btn1Click");
    check("rb3"); // a gap alone
    w->fire("btn1Click");
    uncheck("rb3");
    check("rb2"); // a shop type alone
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo2"), "mmo2\r\n");
    EXPECT_FALSE(fake().clipboardSet);
    EXPECT_TRUE(fake().callsOf("messageBox").isEmpty());

    // The shop type and the gap are separate choices: choosing one keeps the other.
    check("rb4");
    EXPECT_TRUE(w->control<QRadioButton>("rb2")->isChecked());
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo2"), tmall("380", "400", "20", ""));
}

TEST_F(JianfengTest, EachShopTypeAndGapWrapsTheCode) {
    const struct {
        const char* shop;
        const char* gap;
        QString height, code, snippet, notice;
    } cases[] = {
        {"rb1", "rb3", "400", "<p>A</p>", market("390", "400", "10", "<p>A</p>"),
         "-10 代码已被复制，可以到店铺的自定义进行粘贴了！"},
        {"rb1", "rb4", "400", "<p>B</p>\r\n", market("380", "400", "20", "<p>B</p>\r\n"),
         "-20 代码已被复制，可以到店铺的自定义进行粘贴了！"},
        {"rb2", "rb3", "355.5", "C", tmall("345.5", "355.5", "10", "C"),
         "-10 代码已被复制，可以到店铺的自定义进行粘贴了！"},
        {"rb2", "rb4", "15", "", tmall("-5", "15", "20", ""),
         "-20 代码已被复制，可以到店铺的自定义进行粘贴了！"},
    };
    for (const auto& c : cases) {
        fake().reset();
        check(c.shop);
        check(c.gap);
        w->setText("edt1", c.height);
        w->setText("mmo1", c.code);
        w->fire("btn1Click");
        EXPECT_EQ(w->text("mmo2"), c.snippet) << c.shop << c.gap;
        testing::expectCopied(fake(), "TFrmjianfeng", c.snippet, c.notice);
    }
}

TEST_F(JianfengTest, AHeightThatIsNoNumberFailsAndKeepsTheLastCode) {
    check("rb1");
    check("rb3");
    w->setText("edt1", "400");
    w->setText("mmo1", "X");
    w->fire("btn1Click");
    const QString built = w->text("mmo2");
    for (const char* bad : testing::kHostileNumbers) {
        fake().reset();
        w->setText("edt1", bad);
        w->fire("btn1Click");
        EXPECT_EQ(fake().lastMessage().text, QString("'%1' is not a valid floating point value").arg(bad));
        EXPECT_EQ(w->text("mmo2"), built);
        EXPECT_FALSE(fake().clipboardSet);
    }
    w->setText("edt1", "2147483648");
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo2"), market("2147483638", "2147483648", "10", "X"));
}

} // namespace
