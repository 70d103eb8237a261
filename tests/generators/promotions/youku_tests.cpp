#include "generators/promotions/youku.h"
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

// The conversion and the embed from the fields, without the window.
TEST(YoukuSnippet, ConversionReplacesEveryPrefixAndEveryPageEnding) {
    generators::YoukuInput in;
    in.pagePrefix = "http://v.example/v_show/id_";
    in.playerPrefix = "http://p.example/player.php/sid/";
    in.width = "W1";
    in.height = "H2";
    const struct {
        QString address, converted, player;
    } cases[] = {
        {"http://v.example/v_show/id_ABC==.html", "http://p.example/player.php/sid/ABC==.html",
         "http://p.example/player.php/sid/ABC==/v.swf"},
        // Without the page prefix only the ending changes.
        {"http://other.example/x.html", "http://other.example/x.html", "http://other.example/x/v.swf"},
        // The prefix match is case-sensitive.
        {"HTTP://V.EXAMPLE/V_SHOW/ID_A.html", "HTTP://V.EXAMPLE/V_SHOW/ID_A.html",
         "HTTP://V.EXAMPLE/V_SHOW/ID_A/v.swf"},
        {"http://v.example/v_show/id_A.html#http://v.example/v_show/id_B.html",
         "http://p.example/player.php/sid/A.html#http://p.example/player.php/sid/B.html",
         "http://p.example/player.php/sid/A/v.swf#http://p.example/player.php/sid/B/v.swf"},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        in.address = c.address;
        const core::Built built = generators::youkuSnippet(in);
        EXPECT_EQ(built.snippet, embed(c.player, "W1", "H2")) << c.address.toStdString();
        ASSERT_EQ(built.updates.size(), 2);
        EXPECT_EQ(built.updates[0].control, "edt3");
        EXPECT_EQ(built.updates[0].text, c.converted);
        EXPECT_EQ(built.updates[1].control, "edt5");
        EXPECT_EQ(built.updates[1].text, c.player);
        EXPECT_FALSE(built.failure);
    }
}

// 调试视频 builds from what the fields hold, writes the hidden addresses back
// and shows the page it saves.
TEST_F(YoukuTest, TryingBuildsFromTheFields) {
    generators::YoukuInput in;
    in.pagePrefix = "http://v.example/v_show/id_";
    in.playerPrefix = "http://p.example/player.php/sid/";
    in.address = "http://v.example/v_show/id_ABC==.html";
    in.width = "W1";
    in.height = "H2";
    w->setText("edt4", in.pagePrefix);
    w->setText("edt2", in.playerPrefix);
    w->setText("edt1", in.address);
    w->setText("edt6", in.width);
    w->setText("edt7", in.height);
    w->fire("btn1Click");
    const core::Built built = generators::youkuSnippet(in);
    EXPECT_EQ(w->text("edt3"), built.updates[0].text);
    EXPECT_EQ(w->text("edt5"), built.updates[1].text);
    EXPECT_EQ(w->text("mmo1"), built.snippet);
    EXPECT_EQ(testing::fileBytes(page()), testing::gbk(built.snippet + "\r\n"));
    EXPECT_EQ(browser()->navigations.last(), page());
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
