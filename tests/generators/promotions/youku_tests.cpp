#include "tests/generators/carousels/page_files.h"
#include "tests/generators/promotions/pagewidgets_checks.h"

#include <QPlainTextEdit>

namespace {

QString embed(const QString& player, const QString& width, const QString& height) {
    return "<embed src=\"" + player + "\" quality=\"high\" width=\"" + width + "\" height=\"" + height +
           "\" align=\"middle\" type=\"application/x-shockwave-flash\" allowscriptaccess=\"never\" "
           "flashvars=\"scene=taobao_shop\"> </embed>";
}

class YoukuTest : public testing::FormTest {
protected:
    YoukuTest()
        : FormTest("Tfrmyouku") {}
    void SetUp() override {
        FormTest::SetUp();
        ASSERT_TRUE(folder.isValid());
    }
    QString page() const { return folder.path() + "/files.html"; }
    testing::FakeBrowser* browser() const { return w->findChild<testing::FakeBrowser*>(); }
    testing::ScratchCurrentFolder folder;
};

// Runs first: the window as start-up made it.
TEST_F(YoukuTest, DefaultsTurnThePageAddressIntoThePlayerAddress) {
    EXPECT_EQ(w->windowTitle(), "优酷视频代码编辑器");
    EXPECT_EQ(w->text("edt6"), "500");
    EXPECT_EQ(w->text("edt7"), "500");
    EXPECT_EQ(w->text("edt3"), "edt3");
    EXPECT_EQ(w->text("edt5"), "");
    EXPECT_EQ(w->text("mmo1"), "");
    EXPECT_FALSE(w->control<QPlainTextEdit>("mmo1")->isHidden());
    const QString pagePrefix = w->text("edt4");
    const QString playerPrefix = w->text("edt2");
    EXPECT_TRUE(pagePrefix.endsWith("/v_show/id_")) << pagePrefix.toStdString();
    EXPECT_TRUE(playerPrefix.endsWith("/player.php/sid/")) << playerPrefix.toStdString();
    const QString address = w->text("edt1");
    ASSERT_TRUE(address.startsWith(pagePrefix)) << address.toStdString();
    ASSERT_TRUE(address.endsWith(".html")) << address.toStdString();
    EXPECT_EQ(browser(), nullptr);

    // Nothing to copy before the first try.
    w->fire("btn2Click");
    EXPECT_FALSE(fake().clipboardSet);
    ASSERT_EQ(fake().callsOf("messageBox").size(), 1);
    EXPECT_NE(fake().lastMessage().text, testing::kShopCopied);

    fake().reset();
    w->fire("btn1Click");
    const QString id = address.mid(pagePrefix.size(), address.size() - pagePrefix.size() - 5);
    const QString player = playerPrefix + id + "/v.swf";
    EXPECT_EQ(w->text("edt3"), playerPrefix + id + ".html");
    EXPECT_EQ(w->text("edt5"), player);
    EXPECT_EQ(w->text("mmo1"), embed(player, "500", "500"));
    EXPECT_EQ(testing::fileBytes(page()), testing::gbk(embed(player, "500", "500") + "\r\n"));
    ASSERT_NE(browser(), nullptr);
    EXPECT_EQ(browser()->parent(), w->control<QWidget>("wb1"));
    EXPECT_EQ(browser()->navigations, QStringList({page()}));
    EXPECT_TRUE(fake().callsOf("messageBox").isEmpty());

    w->fire("btn2Click");
    testing::expectCopied(fake(), "Tfrmyouku", embed(player, "500", "500"), testing::kShopCopied);
}

TEST_F(YoukuTest, ConversionReplacesEveryPrefixAndEveryPageEnding) {
    w->setText("edt4", "http://v.example/v_show/id_");
    w->setText("edt2", "http://p.example/player.php/sid/");
    const struct {
        QString address, player;
    } cases[] = {
        {"http://v.example/v_show/id_ABC==.html", "http://p.example/player.php/sid/ABC==/v.swf"},
        // Without the page prefix only the ending changes.
        {"http://other.example/x.html", "http://other.example/x/v.swf"},
        // The prefix match is case-sensitive.
        {"HTTP://V.EXAMPLE/V_SHOW/ID_A.html", "HTTP://V.EXAMPLE/V_SHOW/ID_A/v.swf"},
        {"http://v.example/v_show/id_A.html#http://v.example/v_show/id_B.html",
         "http://p.example/player.php/sid/A/v.swf#http://p.example/player.php/sid/B/v.swf"},
        {"", ""},
    };
    w->setText("edt6", "W1");
    w->setText("edt7", "H2");
    for (const auto& c : cases) {
        w->setText("edt1", c.address);
        w->fire("btn1Click");
        EXPECT_EQ(w->text("edt5"), c.player) << c.address.toStdString();
        EXPECT_EQ(w->text("mmo1"), embed(c.player, "W1", "H2"));
        EXPECT_EQ(testing::fileBytes(page()), testing::gbk(embed(c.player, "W1", "H2") + "\r\n"));
        EXPECT_EQ(browser()->navigations.last(), page());
    }
}

TEST_F(YoukuTest, AFailedPageWriteIsReportedAfterTheCodeIsBuilt) {
    ASSERT_TRUE(QDir(folder.path()).mkdir("files.html")); // a folder where the page should go
    const int navigations = browser() ? browser()->navigations.size() : 0;
    w->setText("edt1", "X.html");
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo1"), embed("X/v.swf", w->text("edt6"), w->text("edt7")));
    testing::expectWriteFailed(fake());
    EXPECT_EQ(browser() ? browser()->navigations.size() : 0, navigations);
}

} // namespace
