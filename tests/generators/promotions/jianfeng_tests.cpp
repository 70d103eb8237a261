#include "generators/promotions/jianfeng.h"
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

// The wrapper from the choices and fields, without the window.
TEST(JianfengSnippet, EachShopTypeAndGapWrapsTheCode) {
    const struct {
        int shop, gap;
        QString height, code, snippet;
    } cases[] = {
        {0, 0, "400", "<p>A</p>", market("390", "400", "10", "<p>A</p>")},
        {0, 1, "400", "<p>B</p>\r\n", market("380", "400", "20", "<p>B</p>\r\n")},
        {1, 0, "355.5", "C", tmall("345.5", "355.5", "10", "C")},
        {1, 1, "15", "", tmall("-5", "15", "20", "")},
        // Nothing is built until both are chosen.
        {-1, 0, "400", "X", QString()},
        {0, -1, "400", "X", QString()},
    };
    for (const auto& c : cases) {
        generators::JianfengInput in;
        in.shop = c.shop;
        in.gap = c.gap;
        in.height = c.height;
        in.code = c.code;
        EXPECT_EQ(generators::jianfengSnippet(in), c.snippet) << c.shop << c.gap;
        EXPECT_EQ(generators::jianfengSnippet(in).isNull(), c.snippet.isNull()) << c.shop << c.gap;
    }
}

// 提交转化 wraps what the fields hold, each choice and field in its place, and
// names the gap in its notice.
TEST_F(JianfengTest, EachShopTypeAndGapWrapsTheCode) {
    const struct {
        const char* shop;
        const char* gap;
        int shopIndex, gapIndex;
        QString notice;
    } cases[] = {
        {"rb1", "rb3", 0, 0, "-10 代码已被复制，可以到店铺的自定义进行粘贴了！"},
        {"rb1", "rb4", 0, 1, "-20 代码已被复制，可以到店铺的自定义进行粘贴了！"},
        {"rb2", "rb3", 1, 0, "-10 代码已被复制，可以到店铺的自定义进行粘贴了！"},
        {"rb2", "rb4", 1, 1, "-20 代码已被复制，可以到店铺的自定义进行粘贴了！"},
    };
    generators::JianfengInput in;
    in.height = "355.5";
    in.code = "<p>B</p>\r\n";
    w->setText("edt1", in.height);
    w->setText("mmo1", in.code);
    for (const auto& c : cases) {
        fake().reset();
        check(c.shop);
        check(c.gap);
        in.shop = c.shopIndex;
        in.gap = c.gapIndex;
        w->fire("btn1Click");
        const QString snippet = generators::jianfengSnippet(in);
        EXPECT_EQ(w->text("mmo2"), snippet) << c.shop << c.gap;
        testing::expectCopied(fake(), "TFrmjianfeng", snippet, c.notice);
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
