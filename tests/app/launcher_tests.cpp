#include "app/catalogue.h"
#include "app/launcher.h"
#include "app/startup.h"
#include "core/files.h"
#include "tests/support/helpers.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

class LauncherTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        launcher = dynamic_cast<app::Tfrmindex*>(testing::form("Tfrmindex"));
        ASSERT_NE(launcher, nullptr);
        launcher->showForm();
    }
    QString page(const QString& tabs) const {
        return launcher->control<QTabWidget>(tabs)->currentWidget()->objectName();
    }
    app::Tfrmindex* launcher = nullptr;
};

TEST_F(LauncherTest, StartsOnTheAnnouncementWithTheFirstCataloguePage) {
    EXPECT_EQ(page("pgc1"), "tsgonggao");
    EXPECT_EQ(page("pgc2"), "tsmg1");
    EXPECT_EQ(launcher->size(), QSize(1000, 600));
    EXPECT_TRUE(launcher->windowFlags() & Qt::FramelessWindowHint);
}

TEST_F(LauncherTest, ThumbnailShowsTheSameInstanceAndKeepsTypedValues) {
    launcher->fire("img133Click");
    core::Form* carousel = app::window("Tfrmlunbo");
    ASSERT_TRUE(carousel->isVisible());
    carousel->setText("edt14", "520");
    carousel->close();
    EXPECT_FALSE(carousel->isVisible());
    QTest::mouseClick(launcher->control<QWidget>("img133"), Qt::LeftButton);
    EXPECT_TRUE(carousel->isVisible());
    EXPECT_EQ(app::window("Tfrmlunbo"), carousel);
    EXPECT_EQ(carousel->text("edt14"), "520");
    carousel->hide();
}

TEST_F(LauncherTest, EveryTileIsOnItsPageAndNoSlotCoversATile) {
    for (const app::CatalogueSlot& slot : app::catalogue()) {
        auto* tile = launcher->findChild<app::Thumbnail*>(slot.image);
        ASSERT_NE(tile, nullptr) << slot.image.toStdString();
        EXPECT_EQ(tile->text(), slot.caption);
    }
    // An empty-slot box never lies over a tile of its page, the wide one included.
    for (auto* tile : launcher->findChildren<app::Thumbnail*>()) {
        if (!tile->text().isEmpty() || tile->objectName().startsWith("img")) continue;
        for (auto* other : tile->parentWidget()->findChildren<app::Thumbnail*>(Qt::FindDirectChildrenOnly)) {
            if (!other->objectName().startsWith("img")) continue;
            EXPECT_FALSE(other->geometry().intersects(tile->geometry())) << other->objectName().toStdString();
        }
    }
}

TEST_F(LauncherTest, PageSquaresAreWhollyOnTheirPage) {
    // "美工1页" has no scroll box: its squares must clear the tab bar below the page.
    launcher->fire("pnlliebiaoClick");
    launcher->fire("lbl12Click");
    QApplication::processEvents();
    QWidget* sheet = launcher->control<QTabWidget>("pgc2")->currentWidget();
    for (const QString square : {"lblmg11", "lblmg12"}) {
        auto* label = launcher->control<QLabel>(square);
        ASSERT_EQ(label->parentWidget(), sheet);
        EXPECT_TRUE(sheet->rect().contains(label->geometry())) << square.toStdString();
    }
    // On scrolled pages they sit at the bottom of what scrolls.
    for (const QString square : {"lblmg21", "lblty11"}) {
        auto* label = launcher->control<QLabel>(square);
        EXPECT_TRUE(label->parentWidget()->rect().contains(label->geometry())) << square.toStdString();
    }
}

TEST_F(LauncherTest, TilesWorkFromTheKeyboard) {
    launcher->fire("pnlliebiaoClick");
    launcher->fire("lbl26Click"); // 首页轮播
    QApplication::processEvents();
    auto* first = launcher->findChild<app::Thumbnail*>("img69");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->focusPolicy(), Qt::StrongFocus);
    first->setFocus();
    // The arrows move to the next tile in their direction, Enter opens it.
    QTest::keyClick(first, Qt::Key_Right);
    ASSERT_NE(launcher->focusWidget(), nullptr);
    EXPECT_EQ(launcher->focusWidget()->objectName(), "img70");
    QTest::keyClick(launcher->focusWidget(), Qt::Key_Down);
    EXPECT_EQ(launcher->focusWidget()->objectName(), "img134");
    QTest::keyClick(launcher->focusWidget(), Qt::Key_Left);
    EXPECT_EQ(launcher->focusWidget()->objectName(), "img133");
    QTest::keyClick(launcher->focusWidget(), Qt::Key_Return);
    core::Form* opened = app::window("Tfrmlunbo");
    ASSERT_NE(opened, nullptr);
    EXPECT_TRUE(opened->isVisible());
    opened->hide();
    // Empty slots take no focus.
    for (auto* tile : launcher->findChildren<app::Thumbnail*>()) {
        if (!tile->objectName().isEmpty()) continue;
        EXPECT_EQ(tile->focusPolicy(), Qt::NoFocus);
    }
}

TEST_F(LauncherTest, TheMenuColumnWorksFromTheKeyboardAndMarksThePageOnShow) {
    auto background = [this](const char* entry) {
        return launcher->control<QLabel>(entry)->palette().color(QPalette::Window);
    };
    launcher->fire("pnlgonggaoClick");
    QApplication::processEvents();
    const QColor rest = background("pnltuijian");
    const QColor marked = background("pnlgonggao");
    EXPECT_NE(marked, rest);
    EXPECT_NE(marked, QColor(Qt::black));

    // Tab goes from entry to entry; Enter acts as a click and the mark follows.
    auto* first = launcher->control<QLabel>("pnlgonggao");
    first->setFocus();
    QApplication::processEvents();
    QTest::keyClick(first, Qt::Key_Tab);
    ASSERT_NE(launcher->focusWidget(), nullptr);
    EXPECT_EQ(launcher->focusWidget()->objectName(), "pnlliebiao");
    QTest::keyClick(launcher->focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(launcher->focusWidget()->objectName(), "pnltuijian");
    // The entry with the focus is lit like one under the pointer.
    EXPECT_EQ(background("pnltuijian"), QPalette().color(QPalette::Highlight));
    QTest::keyClick(launcher->focusWidget(), Qt::Key_Return);
    EXPECT_EQ(page("pgc1"), "tstuijian");
    QTest::keyClick(launcher->focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(background("pnltuijian"), marked);
    EXPECT_EQ(background("pnlgonggao"), background("pnlliebiao"));

    // A quick link shows a page without an entry: no entry is marked.
    launcher->fire("lbl23Click");
    for (const char* entry : {"pnlgonggao", "pnlliebiao", "pnltuijian"})
        EXPECT_NE(background(entry), marked) << entry;
    launcher->fire("pnlgonggaoClick");
}

TEST_F(LauncherTest, WithoutATrayTheMenuColumnAndTheToolbarStillEndTheProgram) {
    for (const char* window : {"Tfrmindex", "Tfrmmini"}) {
        fake().reset();
        auto* exit = testing::form(window)->findChild<QAction*>("NExit");
        ASSERT_NE(exit, nullptr) << window;
        EXPECT_EQ(exit->text(), "退出程序");
        exit->trigger();
        ASSERT_GE(fake().callsOf("quit").size(), 1) << window;
        EXPECT_EQ(fake().calls.first().text,
                  "美工生活很辛苦，注意休息，咱们暂时离别，期待下次相会，多提宝贵建议！");
    }
    launcher->trayIcon()->hide();
}

TEST_F(LauncherTest, PageSquaresSwitchOnHover) {
    launcher->fire("lbl12Click");
    EXPECT_EQ(page("pgc2"), "tsmg1");
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(launcher->control<QLabel>("lblmg12"), &enter);
    EXPECT_EQ(page("pgc2"), "tsmg2");
    QApplication::sendEvent(launcher->control<QLabel>("lblmg21"), &enter);
    EXPECT_EQ(page("pgc2"), "tsmg1");
    launcher->fire("lbl29Click");
    QApplication::sendEvent(launcher->control<QLabel>("lblty12"), &enter);
    EXPECT_EQ(page("pgc2"), "tstuiyi2");
    // The square of the page shown does not switch.
    QApplication::sendEvent(launcher->control<QLabel>("lblty22"), &enter);
    EXPECT_EQ(page("pgc2"), "tstuiyi2");
}

TEST_F(LauncherTest, WheelScrollsTheThreeBoxesEvenWhenAnotherPageIsShown) {
    launcher->fire("pnlliebiao"
                   "Click");
    launcher->fire("lbl10Click");
    ASSERT_EQ(page("pgc2"), "ts8");
    auto value = [&](const QString& box) {
        return launcher->control<QScrollArea>(box)->verticalScrollBar()->value();
    };
    for (const QString box : {"scrlbx1", "scrlbx2", "scrlbx3", "scrlbx5"})
        launcher->control<QScrollArea>(box)->verticalScrollBar()->setValue(0);
    QWidget* target = launcher->control<QWidget>("img46");
    QWheelEvent down(QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &down);
    for (const QString box : {"scrlbx1", "scrlbx2", "scrlbx3"})
        EXPECT_GT(value(box), 0) << box.toStdString();
    EXPECT_EQ(value("scrlbx5"), 0);
    const int before = value("scrlbx2");
    QWheelEvent up(QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &up);
    EXPECT_LT(value("scrlbx2"), before);
}

TEST_F(LauncherTest, TrayFlow) {
    launcher->fire("imgcloseClick");
    EXPECT_FALSE(launcher->isVisible());
    EXPECT_TRUE(launcher->trayIcon()->isVisible());
    EXPECT_EQ(launcher->trayIcon()->toolTip(), "青梧360-店铺装修软件");
    EXPECT_EQ(fake().quitCount, 0);
    launcher->fire("trycn1DblClick");
    EXPECT_TRUE(launcher->isVisible());
    EXPECT_FALSE(launcher->trayIcon()->isVisible());

    launcher->fire("imgcloseClick");
    launcher->fire("N1Click");
    EXPECT_TRUE(launcher->isVisible());
    EXPECT_FALSE(launcher->trayIcon()->isVisible());
}

TEST_F(LauncherTest, WithoutATrayCloseMinimises) {
    fake().tray = false;
    launcher->fire("imgcloseClick");
    EXPECT_TRUE(launcher->isMinimized());
    EXPECT_FALSE(launcher->trayIcon()->isVisible());
    launcher->showNormal();
}

TEST_F(LauncherTest, ExitShowsTheGoodbyeBoxFirst) {
    launcher->fire("imgcloseClick");
    launcher->fire("N2Click");
    ASSERT_GE(fake().calls.size(), 2);
    EXPECT_EQ(fake().calls[0].kind, "messageBox");
    EXPECT_EQ(fake().calls[0].title, "温馨提示");
    EXPECT_EQ(fake().calls[0].text, "美工生活很辛苦，注意休息，咱们暂时离别，期待下次相会，多提宝贵建议！");
    EXPECT_EQ(fake().calls[0].owner, "");
    EXPECT_EQ(fake().calls[1].kind, "quit");
    launcher->trayIcon()->hide();
}

TEST_F(LauncherTest, ClockFormat) {
    const QDateTime moment(QDate(2026, 12, 10), QTime(9, 5, 7));
    // One language and the weekday once, whatever the desktop's locale.
    EXPECT_EQ(app::Tfrmindex::clockText(moment, app::chineseLocale()), "2026年12月10日【周四】09:05:07 ");
    EXPECT_EQ(app::Tfrmindex::clockText(moment, QLocale(QLocale::Chinese, QLocale::China)),
              "2026年12月10日【周四】09:05:07 ");
    const QString english = app::Tfrmindex::clockText(moment, QLocale::c());
    EXPECT_FALSE(english.contains("Thursday")) << english.toStdString();
    EXPECT_TRUE(english.endsWith("【Thu】09:05:07 ")) << english.toStdString();
    EXPECT_EQ(app::Tfrmindex::startText(moment, app::chineseLocale()), "2026/12/10 09:05:07");
}

TEST_F(LauncherTest, TheLabelAndQtsOwnTextsAreChineseWhateverTheDesktop) {
    EXPECT_EQ(QLocale(), app::chineseLocale());
    launcher->fire("tmr1Timer");
    EXPECT_TRUE(launcher->text("lbl7").startsWith(QDate::currentDate().toString("yyyy年M月d日【")))
        << launcher->text("lbl7").toStdString();
    // Qt's own buttons and menus come from its Chinese catalogue.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "OK"), "确定");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "取消");
    EXPECT_EQ(QCoreApplication::translate("QWidgetTextControl", "&Copy"), "复制(&C)");
}

TEST_F(LauncherTest, QuickLinksOpenTheMarketplacePages) {
    const std::pair<QString, QString> links[] = {{"lbl4Click", "/choose_shop.htm"},
                                                 {"lbl3Click", "/picture/pictureIndex.htm"},
                                                 {"lbl2Click", "/seller_admin.htm"}};
    for (const auto& [handler, path] : links) {
        fake().reset();
        launcher->fire(handler);
        ASSERT_EQ(fake().callsOf("open").size(), 1);
        EXPECT_TRUE(fake().callsOf("open").first().address.endsWith(path)) << handler.toStdString();
    }
    launcher->fire("lbl23Click");
    EXPECT_EQ(page("pgc1"), "ts4");
    launcher->fire("pnlgonggaoClick");
    EXPECT_EQ(page("pgc1"), "tsgonggao");
}

TEST_F(LauncherTest, AnnouncementLoadsAfterTheFirstPaintAndLosesItsBorder) {
    launcher->repaint();
    QTRY_VERIFY(launcher->announcementBrowser() != nullptr);
    auto* browser = dynamic_cast<testing::FakeBrowser*>(launcher->announcementBrowser());
    ASSERT_NE(browser, nullptr);
    ASSERT_FALSE(browser->navigations.isEmpty());
    EXPECT_TRUE(browser->navigations.last().endsWith("/files/gonggao.html"));
    EXPECT_TRUE(QFile::exists(browser->navigations.last()));
    browser->complete();
    EXPECT_EQ(browser->bodyStyle.value("borderStyle"), "none");
}

TEST_F(LauncherTest, MissingHoverPictureShowsTheFileErrorAndKeepsThePicture) {
    const QString picture = core::filesFolder() + "/close2.bmp";
    ASSERT_TRUE(QFile::rename(picture, picture + ".away"));
    const qint64 before = launcher->control<QLabel>("imgclose")->pixmap().cacheKey();
    launcher->fire("imgcloseMouseEnter");
    QFile::rename(picture + ".away", picture);
    EXPECT_TRUE(fake().lastMessage().text.contains("close2.bmp")) << fake().lastMessage().text.toStdString();
    EXPECT_EQ(launcher->control<QLabel>("imgclose")->pixmap().cacheKey(), before);
    launcher->fire("imgcloseMouseEnter");
    EXPECT_NE(launcher->control<QLabel>("imgclose")->pixmap().cacheKey(), before);
}

} // namespace
