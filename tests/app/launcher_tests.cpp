#include "app/catalogue.h"
#include "app/launcher.h"
#include "app/search.h"
#include "app/windows.h"
#include "core/application.h"
#include "core/files.h"
#include "tests/support/helpers.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
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

TEST_F(LauncherTest, PageSquaresAreSeenWithoutScrolling) {
    launcher->fire("pnlliebiaoClick");
    // Each page as a user reaches it: a side label, or the square "2" of the first page.
    const struct {
        const char* reach;
        const char* page;
        const char* squares[2];
    } pages[] = {{"lbl12Click", "tsmg1", {"lblmg11", "lblmg12"}},
                 {"lblmg12MouseEnter", "tsmg2", {"lblmg21", "lblmg22"}},
                 {"lbl29Click", "tstuiyi1", {"lblty11", "lblty12"}},
                 {"lblty12MouseEnter", "tstuiyi2", {"lblty21", "lblty22"}}};
    for (const auto& p : pages) {
        SCOPED_TRACE(p.page);
        launcher->fire(p.reach);
        QApplication::processEvents();
        ASSERT_EQ(page("pgc2"), p.page);
        for (QScrollArea* box : launcher->findChildren<QScrollArea*>())
            box->verticalScrollBar()->setValue(0);
        QWidget* sheet = launcher->control<QTabWidget>("pgc2")->currentWidget();
        for (const char* name : p.squares) {
            auto* square = launcher->control<QLabel>(name);
            ASSERT_TRUE(square->isVisible()) << name;
            // Nothing that holds it cuts it off, and nothing shown lies over it.
            EXPECT_EQ(square->visibleRegion(), QRegion(square->rect())) << name;
            const QRect onSheet(square->mapTo(sheet, QPoint(0, 0)), square->size());
            EXPECT_TRUE(sheet->rect().contains(onSheet)) << name;
            for (QObject* child : square->parentWidget()->children()) {
                auto* other = qobject_cast<QWidget*>(child);
                if (!other || other == square || !other->isVisible()) continue;
                EXPECT_FALSE(other->geometry().intersects(square->geometry()))
                    << name << " under " << other->metaObject()->className();
            }
        }
    }
}

// The names Tab goes through from the first menu entry until it comes back to it.
QStringList tabRound(QWidget* launcher, Qt::KeyboardModifiers modifiers) {
    QStringList names;
    auto* first = launcher->findChild<QWidget*>("pnlgonggao");
    first->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    for (int i = 0; i < 200; ++i) {
        QWidget* focused = launcher->focusWidget();
        if (!focused) break;
        names << focused->objectName();
        QTest::keyClick(focused, Qt::Key_Tab, modifiers);
        if (launcher->focusWidget() == first) break;
    }
    return names;
}

TEST_F(LauncherTest, TabAndShiftTabReachEveryPartInReadingOrder) {
    const QStringList menu = {"pnlgonggao", "pnlliebiao", "pnltuijian", "pnldesign",
                              "pnlfree",    "pnlweb",     "pnlbanben"};
    // The search field at the foot of the menu column, then the top strip.
    const QStringList top = {"edtsousuo", "lbl6",  "lbl5",    "lbl4",    "lbl3",
                             "lbl2",      "lbl23", "imgxiao", "imgclose"};
    const QStringList side = {"lbl12", "lbl26", "lbl9", "lbl10", "lbl11", "lbl29"};
    const struct {
        const char* sideLabel;
        QStringList tilesAndSquares;
    } pages[] = {
        {"lbl12Click",
         {"img108", "img96", "img95", "img122", "img98", "img73", "img106", "img117", "img74", "img101",
          "img113", "img77", "img3", "img4", "img78", "lblmg11", "lblmg12"}},
        {"lbl26Click", {"img69", "img70", "img140", "img133", "img134", "img139", "img137", "img138"}},
        {"lbl29Click",
         {"img23", "img28", "img29", "img123", "img25", "img103", "img32", "img24", "img11", "img33",
          "img110", "img111", "img115", "img26", "lblty11", "lblty12"}},
    };
    launcher->fire("pnlliebiaoClick");
    for (const auto& p : pages) {
        SCOPED_TRACE(p.sideLabel);
        launcher->fire(p.sideLabel);
        QApplication::processEvents();
        // The catalogue's own tab strip under the pages comes last.
        const QStringList strip = {"qt_tabwidget_tabbar"};
        const QStringList expected = menu + top + side + p.tilesAndSquares + strip;
        EXPECT_EQ(tabRound(launcher, Qt::NoModifier), expected);
        QStringList backwards = expected.mid(1);
        std::reverse(backwards.begin(), backwards.end());
        backwards.prepend("pnlgonggao");
        EXPECT_EQ(tabRound(launcher, Qt::ShiftModifier), backwards);
    }
    // The feedback form: its fields, the text box included, then the send button.
    launcher->fire("lbl23Click");
    QApplication::processEvents();
    const QStringList feedback = {"edt5", "edt6", "edt7", "mmo2", "img114"};
    EXPECT_EQ(tabRound(launcher, Qt::NoModifier), menu + top + feedback);
    launcher->fire("pnltuijianClick");
    QApplication::processEvents();
    const QStringList recommended = {"img10", "img2", "img87"};
    EXPECT_EQ(tabRound(launcher, Qt::NoModifier), menu + top + recommended);
    launcher->control<QWidget>("pnlgonggao")->clearFocus();
    launcher->fire("pnlgonggaoClick");
}

TEST_F(LauncherTest, EnterOrSpaceRunsThePartTheKeyboardIsOn) {
    launcher->fire("pnlliebiaoClick");
    launcher->fire("lbl12Click");
    QApplication::processEvents();
    auto press = [this](const char* part, Qt::Key key) {
        QWidget* widget = launcher->control<QWidget>(part);
        widget->setFocus(Qt::TabFocusReason);
        QTest::keyClick(widget, key);
    };
    // A side label shows its page; a square switches to its page and the
    // focus stays on the square of that number there.
    press("lbl26", Qt::Key_Return);
    EXPECT_EQ(page("pgc2"), "ts11");
    press("lbl12", Qt::Key_Space);
    EXPECT_EQ(page("pgc2"), "tsmg1");
    press("lblmg12", Qt::Key_Return);
    EXPECT_EQ(page("pgc2"), "tsmg2");
    ASSERT_NE(launcher->focusWidget(), nullptr);
    EXPECT_EQ(launcher->focusWidget()->objectName(), "lblmg22");
    QTest::keyClick(launcher->focusWidget(), Qt::Key_Return);
    EXPECT_EQ(page("pgc2"), "tsmg2");
    // A quick link opens its page.
    fake().reset();
    press("lbl4", Qt::Key_Enter);
    ASSERT_EQ(fake().callsOf("open").size(), 1);
    EXPECT_TRUE(fake().callsOf("open").first().address.endsWith("/choose_shop.htm"));
    press("lbl23", Qt::Key_Return);
    EXPECT_EQ(page("pgc1"), "ts4");
    launcher->fire("pnlgonggaoClick");
}

TEST_F(LauncherTest, TheFocusMarkShowsOnlyForTheKeyboard) {
    launcher->fire("pnlliebiaoClick");
    launcher->fire("lbl29Click"); // 退役功能
    QApplication::processEvents();
    auto* tile = launcher->control<QWidget>("img23");
    auto* ring = launcher->findChild<QWidget*>("focusRing");
    ASSERT_NE(ring, nullptr);

    // A click opens the tile's window and leaves no mark on the tile.
    QTest::mouseClick(tile, Qt::LeftButton);
    EXPECT_NE(launcher->focusWidget(), tile);
    core::Form* opened = app::window("Tfrmfanzhuan190");
    ASSERT_TRUE(opened->isVisible());
    opened->hide();
    launcher->activateWindow();

    // Tab marks the tile; the pointer pressed anywhere takes the mark away.
    launcher->control<QWidget>("lbl29")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(launcher->focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(launcher->focusWidget(), tile);
    QTest::mousePress(launcher->control<QWidget>("pnl2"), Qt::LeftButton);
    QTest::mouseRelease(launcher->control<QWidget>("pnl2"), Qt::LeftButton);
    EXPECT_NE(launcher->focusWidget(), tile);

    // The focus the window gives its first part when it becomes active marks nothing.
    auto* entry = launcher->control<QLabel>("pnlgonggao");
    entry->setFocus(Qt::ActiveWindowFocusReason);
    EXPECT_NE(entry->palette().color(QPalette::Window), QPalette().color(QPalette::Highlight));
    EXPECT_FALSE(ring->isVisible());

    // A label the keyboard is on has the ring around it, and only then.
    launcher->control<QWidget>("edtsousuo")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(launcher->focusWidget(), Qt::Key_Tab);
    auto* link = launcher->control<QWidget>("lbl6");
    ASSERT_EQ(launcher->focusWidget(), link);
    EXPECT_TRUE(ring->isVisible());
    EXPECT_EQ(ring->parentWidget(), link->parentWidget());
    EXPECT_TRUE(ring->geometry().contains(link->geometry()));
    QTest::keyClick(link, Qt::Key_Tab);
    EXPECT_TRUE(ring->geometry().contains(launcher->control<QWidget>("lbl5")->geometry()));
    QTest::mouseClick(launcher->control<QWidget>("img1"), Qt::LeftButton);
    EXPECT_FALSE(ring->isVisible());
    launcher->fire("pnlgonggaoClick");
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
    EXPECT_EQ(app::Tfrmindex::clockText(moment, core::chineseLocale()), "2026年12月10日【周四】09:05:07 ");
    EXPECT_EQ(app::Tfrmindex::clockText(moment, QLocale(QLocale::Chinese, QLocale::China)),
              "2026年12月10日【周四】09:05:07 ");
    const QString english = app::Tfrmindex::clockText(moment, QLocale::c());
    EXPECT_FALSE(english.contains("Thursday")) << english.toStdString();
    EXPECT_TRUE(english.endsWith("【Thu】09:05:07 ")) << english.toStdString();
    EXPECT_EQ(app::Tfrmindex::startText(moment, core::chineseLocale()), "2026/12/10 09:05:07");
}

TEST_F(LauncherTest, TheLabelAndQtsOwnTextsAreChineseWhateverTheDesktop) {
    EXPECT_EQ(QLocale(), core::chineseLocale());
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

// The search, with the page 动态格子 showing.
class LauncherSearchTest : public LauncherTest {
protected:
    void SetUp() override {
        LauncherTest::SetUp();
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

TEST_F(LauncherSearchTest, TheWheelOverTheHitsScrollsTheListAndLeavesThePagesAsTheyWere) {
    type("lunbo");
    ASSERT_TRUE(listShown());
    QScrollBar* list = hits()->verticalScrollBar();
    ASSERT_GT(list->maximum(), 0) << "the hits fit: nothing to scroll";
    auto* tiles = launcher->control<QScrollArea>("scrlbx2")->verticalScrollBar();
    tiles->setValue(0);
    QWidget* target = hits()->viewport();
    QWheelEvent down(QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &down);
    EXPECT_GT(list->value(), 0);
    EXPECT_EQ(tiles->value(), 0);
    // Past the end of the list, or over the menu column, the boxes behind stay too.
    list->setValue(list->maximum());
    for (QWidget* over : {target, launcher->control<QWidget>("pnl1")}) {
        QWheelEvent more(QPointF(5, 5), over->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                         Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(over, &more);
    }
    EXPECT_EQ(tiles->value(), 0);
    // The query and the chosen hit stay.
    EXPECT_EQ(search()->text(), "lunbo");
    EXPECT_EQ(hits()->currentRow(), 0);
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

} // namespace
