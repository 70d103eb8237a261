#include "app/catalogue.h"
#include "app/launcher.h"
#include "app/search.h"
#include "app/windows.h"
#include "core/files.h"
#include "tests/support/helpers.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QStringList captionsOf(const QList<app::CatalogueSlot>& tiles) {
    QStringList captions;
    for (const app::CatalogueSlot& slot : tiles)
        captions << slot.caption;
    return captions;
}

TEST(Spelling, ChineseAsPinyinLettersAndDigitsAsTheyAre) {
    const struct {
        const char* caption;
        const char* initials;
        const char* full;
    } cases[] = {
        {"轮播标签海报", "lbbqhb", "lunbobiaoqianhaibao"},
        {"HTML编辑器", "htmlbjq", "htmlbianjiqi"},
        {"12图卡盘", "12tkp", "12tukapan"},
        {"1920三图自定义轮播", "1920stzdylb", "1920santuzidingyilunbo"},
    };
    for (const auto& c : cases) {
        const app::Spelling spelling = app::spellingOf(QString::fromUtf8(c.caption));
        EXPECT_EQ(spelling.initials, QString::fromUtf8(c.initials)) << c.caption;
        EXPECT_EQ(spelling.full, QString::fromUtf8(c.full)) << c.caption;
    }
}

TEST(Search, FindsTilesByCaptionInitialsAndFullPinyinBestFirst) {
    const struct {
        const char* query;
        QStringList hits;
    } cases[] = {
        // A Chinese substring: the tiles holding it, in the catalogue's order.
        {"海报", {"轮播标签海报", "时尚分类海报", "雪花海报"}},
        // Initials, full pinyin, and either in any case.
        {"lbbq", {"轮播标签海报"}},
        {"LBBQ", {"轮播标签海报"}},
        {"lunbobiaoqian", {"轮播标签海报"}},
        {"Html", {"HTML编辑器"}},
        {"dpyhq", {"店铺优惠券", "单品优惠券"}},
        // Initials inside the caption's initials.
        {"yhq", {"店铺优惠券", "单品优惠券"}},
        // Pinyin starting the caption before pinyin inside it, over several pages.
        {"tonglan", {"通栏转化", "通栏加背景", "通栏缩略图轮播", "简约通栏轮播", "视频通栏", "批量通栏转化"}},
        // The caption starting with the query first, then the tiles of every page holding it.
        {"轮播",
         {"轮播标签海报", "分层主题轮播", "左侧展开式轮播", "1920三图自定义轮播", "方块按钮轮播",
          "简约通栏轮播", "通栏缩略图轮播", "个性三图轮播", "店招带轮播", "五图卡盘轮播", "五图左图轮播",
          "两侧轮播卡盘", "十二图轮播", "10图无限轮播"}},
        // Blanks do not count.
        {" lb bq ", {"轮播标签海报"}},
        {"zzzz", {}},
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(captionsOf(app::searchCatalogue(QString::fromUtf8(c.query))), c.hits) << c.query;
}

class LauncherSearchTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        launcher = dynamic_cast<app::Tfrmindex*>(testing::form("Tfrmindex"));
        ASSERT_NE(launcher, nullptr);
        launcher->showForm();
        launcher->fire("pnlliebiaoClick");
        launcher->fire("lbl10Click"); // 动态格子
        activate();
    }
    // The launcher as the window the keyboard types into, nothing in it focused.
    void activate() {
        launcher->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(launcher));
        launcher->setFocus();
        QApplication::processEvents();
    }
    void TearDown() override {
        for (core::Form* form : app::windows())
            if (form != launcher) form->hide();
        search()->clear();
        launcher->fire("pnlgonggaoClick");
    }
    QLineEdit* search() const { return launcher->control<QLineEdit>("edtsousuo"); }
    QListWidget* hits() const { return launcher->control<QListWidget>("lstsousuo"); }
    bool listShown() const { return launcher->control<QWidget>("pnlsousuo")->isVisible(); }
    QString page(const char* tabs) const {
        return launcher->control<QTabWidget>(tabs)->currentWidget()->objectName();
    }
    // Types as a user does: each key goes to whatever has the focus.
    void type(const QString& text) {
        for (const QChar c : text) {
            QWidget* focused = QApplication::focusWidget();
            QTest::keyClick(focused ? focused : launcher, c.toLatin1());
        }
    }
    QStringList listed() const {
        QStringList lines;
        for (int i = 0; i < hits()->count(); ++i)
            lines << hits()->item(i)->text();
        return lines;
    }
    app::Tfrmindex* launcher = nullptr;
};

TEST_F(LauncherSearchTest, TypingSearchesArrowsChooseEnterOpensEscReturnsToThePage) {
    // Typing with no text field focused goes to the search field.
    type("hb");
    EXPECT_TRUE(search()->hasFocus());
    EXPECT_EQ(search()->text(), "hb");
    ASSERT_TRUE(listShown());
    EXPECT_FALSE(launcher->control<QWidget>("pgc1")->isVisible());
    // The hits with the page each lives on; the first is chosen.
    EXPECT_EQ(listed(), (QStringList{"轮播标签海报\n位于：首页轮播", "时尚分类海报\n位于：首页装修",
                                     "雪花海报\n位于：首页装修"}));
    EXPECT_FALSE(hits()->item(0)->icon().isNull());
    EXPECT_EQ(hits()->currentRow(), 0);
    QTest::keyClick(search(), Qt::Key_Down);
    QTest::keyClick(search(), Qt::Key_Down);
    QTest::keyClick(search(), Qt::Key_Down); // past the last stays on it
    EXPECT_EQ(hits()->currentRow(), 2);
    QTest::keyClick(search(), Qt::Key_Up);
    QTest::keyClick(search(), Qt::Key_Return);
    EXPECT_TRUE(app::window("Tfrmshishangtonglan")->isVisible());
    // Opening a hit puts the launcher back as it was.
    EXPECT_FALSE(listShown());
    EXPECT_TRUE(search()->text().isEmpty());
    EXPECT_EQ(page("pgc1"), "tsliebiao");
    EXPECT_EQ(page("pgc2"), "ts8");

    // Enter opens the first hit.
    activate();
    type("lbbq");
    QTest::keyClick(search(), Qt::Key_Enter);
    EXPECT_TRUE(app::window("Tfrmlunbo")->isVisible());

    // Esc clears the query and shows the page that was showing.
    activate();
    type("zzzz");
    ASSERT_TRUE(listShown());
    EXPECT_EQ(launcher->text("lblsousuo"), "没有找到与\"zzzz\"相关的功能");
    QTest::keyClick(search(), Qt::Key_Return); // no hit: nothing opens
    QTest::keyClick(search(), Qt::Key_Escape);
    EXPECT_FALSE(listShown());
    EXPECT_TRUE(search()->text().isEmpty());
    EXPECT_FALSE(search()->hasFocus());
    EXPECT_TRUE(launcher->control<QWidget>("pgc1")->isVisible());
    EXPECT_EQ(page("pgc2"), "ts8");
}

TEST_F(LauncherSearchTest, CtrlFFocusesTheFieldAndTextFieldsKeepTheirTyping) {
    QTest::keyClick(launcher, Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(search()->hasFocus());
    activate();
    // Typing into the feedback form stays there.
    launcher->fire("lbl23Click");
    auto* name = launcher->control<QLineEdit>("edt5");
    name->setFocus();
    QTest::keyClicks(name, "abc");
    EXPECT_EQ(name->text(), "abc");
    EXPECT_TRUE(search()->text().isEmpty());
    name->clear();
    // A click on a hit opens it.
    activate();
    type("dpyhq");
    ASSERT_EQ(hits()->count(), 2);
    const QRect first = hits()->visualItemRect(hits()->item(0));
    QTest::mouseClick(hits()->viewport(), Qt::LeftButton, {}, first.center());
    EXPECT_TRUE(app::window("Tfrmyhq")->isVisible());
    EXPECT_FALSE(listShown());
    EXPECT_EQ(page("pgc1"), "ts4");
}

TEST_F(LauncherSearchTest, TheEmptyFieldListsTheWindowsOpenedLastAndTheyOutliveARestart) {
    // 轮播标签海报, 店铺优惠券, 五图卡盘轮播, and the first again.
    const char* tiles[][2] = {
        {"img133", "Tfrmlunbo"}, {"img14", "Tfrmyhq"}, {"img46", "Tfrmkapan1"}, {"img133", "Tfrmlunbo"}};
    for (const auto& tile : tiles) {
        launcher->fire(QString::fromLatin1(tile[0]) + "Click");
        app::window(tile[1])->hide();
    }
    activate();
    QStringList expected = {"Tfrmlunbo", "Tfrmkapan1", "Tfrmyhq"};
    EXPECT_EQ(launcher->recentWindows().windows().mid(0, 3), expected);

    search()->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(listShown());
    EXPECT_EQ(launcher->text("lblsousuo"), "最近使用");
    ASSERT_GE(hits()->count(), 3);
    EXPECT_EQ(hits()->item(0)->text(), "轮播标签海报\n位于：首页轮播");
    EXPECT_EQ(hits()->item(1)->text(), "五图卡盘轮播\n位于：动态格子");
    QTest::keyClick(search(), Qt::Key_Down);
    QTest::keyClick(search(), Qt::Key_Return);
    EXPECT_TRUE(app::window("Tfrmkapan1")->isVisible());
    // Leaving the empty field puts the page back.
    activate();
    search()->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(listShown());
    launcher->setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(listShown());
    EXPECT_TRUE(launcher->control<QWidget>("pgc1")->isVisible());

    // The next run reads the same list.
    expected = {"Tfrmkapan1", "Tfrmlunbo", "Tfrmyhq"};
    EXPECT_EQ(app::RecentWindows().windows().mid(0, 3), expected);
}

TEST(RecentWindows, KeepsEightDropsWindowsThatAreGoneAndSurvivesARestart) {
    QTemporaryDir scratch;
    const QString path = scratch.filePath("data/recent.txt");
    {
        app::RecentWindows recent(path);
        EXPECT_TRUE(recent.windows().isEmpty());
        for (const app::CatalogueSlot& slot : app::catalogue().mid(0, 10))
            recent.opened(slot.target);
        recent.opened(app::catalogue().at(3).target);
    }
    const app::RecentWindows restarted(path);
    QStringList expected = {app::catalogue().at(3).target};
    for (int i = 9; expected.size() < 8; --i)
        if (i != 3) expected << app::catalogue().at(i).target;
    EXPECT_EQ(restarted.windows(), expected);

    // A window this version no longer has is dropped; so are lines of nothing.
    core::writeTextFile(path, "TfrmGone\n\nTfrmyhq\nTfrmlunbo\n");
    EXPECT_EQ(app::RecentWindows(path).windows(), (QStringList{"Tfrmyhq", "Tfrmlunbo"}));
}

} // namespace
