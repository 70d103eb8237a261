// Previews in the real web engine (run under Xvfb): a shop header or
// navigation bar takes the place of the shop page's own, a window's own
// preview shows the module at its width, scaled down rather than re-flowed,
// and the description assistant's shop preview shows every price whole.
#include "core/files.h"
#include "core/shoppreview.h"
#include "tests/generators/carousels/page_files.h"
#include "tests/support/engine.h"
#include "tests/support/helpers.h"
#include "tests/tools/images/engine_platform.h"

#include <QApplication>
#include <QLabel>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>
#include <QWebEngineView>
#include <gtest/gtest.h>

namespace {

using testing::evaluate;

testing::EnginePlatform& engine() {
    static testing::EnginePlatform platform;
    return platform;
}

// Every test here runs with real browsers; the recording platform is back
// afterwards.
class EnginePreview : public ::testing::Test {
protected:
    void SetUp() override {
        engine().reset();
        core::setPlatform(&engine());
    }
    void TearDown() override { core::setPlatform(&testing::fakePlatform()); }

    testing::ScratchCurrentFolder folder;
};

// Runs the action that navigates the browser made in `host` and waits for the
// page; null when no page came.
core::Browser* pageShownBy(QWidget* host, const std::function<void()>& navigate) {
    core::Browser* browser = engine().madeIn(host);
    std::unique_ptr<QSignalSpy> complete;
    if (browser) complete = std::make_unique<QSignalSpy>(browser, &core::Browser::documentComplete);
    navigate();
    if (!browser) {
        browser = engine().madeIn(host);
        if (!browser) return nullptr;
        complete = std::make_unique<QSignalSpy>(browser, &core::Browser::documentComplete);
    }
    if (complete->isEmpty() && !complete->wait(60000)) return nullptr;
    return browser;
}

// F5 in the window: the shop preview's browser with the page loaded.
core::Browser* shopPreviewOf(core::Form* w) {
    QWidget* window = core::shopPreviewWindow();
    if (!window) {
        // The first preview makes the window and its browser.
        EXPECT_TRUE(w->fire(core::kShopPreviewButton + "Click"));
        window = core::shopPreviewWindow();
        core::Browser* browser = window ? engine().madeIn(window) : nullptr;
        if (!browser) return nullptr;
        QSignalSpy complete(browser, &core::Browser::documentComplete);
        if (!complete.wait(60000)) return nullptr;
        return browser;
    }
    return pageShownBy(window, [w] { EXPECT_TRUE(w->fire(core::kShopPreviewButton + "Click")); });
}

QVariantList numbers(core::Browser* browser, const QString& script) {
    return evaluate(browser, script).toList();
}

// Positions in a page shown scaled down come within a fraction of a pixel.
const double kNear = 0.5;

// The box of the first element matching a selector, as [left, top, width,
// height] in the page's pixels.
QString boxOf(const QString& selector) {
    return QStringLiteral(
               "(function(){var e=document.querySelector(%1);if(!e)return [];"
               "var r=e.getBoundingClientRect();return [r.left+scrollX,r.top+scrollY,r.width,r.height];})()")
        .arg(QStringLiteral("'") + selector + QStringLiteral("'"));
}

// A shop header or navigation bar in the shop preview: the code is the top of
// the page, where the page's own sign and navigation bar would be, and the
// rest of the page follows it whole, though the header's code leaves its
// outer block open.
TEST_F(EnginePreview, AShopHeaderTakesThePlaceOfThePagesOwn) {
    const struct {
        const char* window;
        const char* place; // the block the frame gives the code
        int height;        // its height
        const char* tab;   // the text of the first tab of the bar the code makes, or null
        bool pageBar;      // the page's own navigation bar follows the code
    } cases[] = {
        {"Tfrmdzdh", ".shop-top", 150, "首页", false},
        {"TFrmdaohangdaisousuo", ".shop-top", 150, "全部分类", false},
        {"Tfrmdianzhaolunbo", ".shop-sign-place", 120, nullptr, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.window);
        core::Form* w = testing::form(c.window);
        w->showForm();
        QApplication::processEvents();
        // The window's own browser, if it has one, shows the code first.
        pageShownBy(w, [w] { ASSERT_TRUE(w->fire("btn1Click")); });
        core::Browser* browser = shopPreviewOf(w);
        ASSERT_NE(browser, nullptr);

        // No sign or navigation bar of the page's own above or around it.
        EXPECT_EQ(evaluate(browser, "document.querySelectorAll('.shop-sign,.shop-sign-name').length").toInt(),
                  0);
        const QVariantList place = numbers(browser, boxOf(QString(c.place)));
        ASSERT_EQ(place.size(), 4);
        EXPECT_NEAR(place[1].toDouble(), 0, kNear);
        EXPECT_NEAR(place[2].toDouble(), 950, kNear);
        EXPECT_NEAR(place[3].toDouble(), c.height, kNear);
        // The code's own block fills the place from its top.
        const QVariantList code = numbers(browser, boxOf(QString(c.place) + " > div"));
        ASSERT_EQ(code.size(), 4);
        EXPECT_NEAR(code[1].toDouble(), 0, kNear);
        EXPECT_NEAR(code[0].toDouble(), place[0].toDouble(), kNear);
        if (c.tab) {
            // The code's bar is the 30 px under its 120 px sign.
            const double top =
                evaluate(browser, QStringLiteral("(function(){var s=Array.from(document.querySelectorAll("
                                                 "'%1 *')).find(function(e){return e.children.length===0&&"
                                                 "e.textContent==='%2';});return s?s.getBoundingClientRect()"
                                                 ".top+scrollY:-1;})()")
                                      .arg(c.place, c.tab))
                    .toDouble();
            EXPECT_GE(top, 120 - kNear);
            EXPECT_LT(top, 150);
        }
        const QVariantList bar = numbers(browser, boxOf(".shop-nav"));
        if (c.pageBar) {
            ASSERT_EQ(bar.size(), 4);
            EXPECT_NEAR(bar[1].toDouble(), c.height, kNear);
        } else {
            EXPECT_TRUE(bar.isEmpty());
        }
        // The page goes on below the header, outside it.
        EXPECT_FALSE(evaluate(browser, QStringLiteral("document.querySelector('%1').contains(document."
                                                      "getElementById('ft'))")
                                           .arg(c.place))
                         .toBool());
        const QVariantList footer = numbers(browser, boxOf("#ft"));
        ASSERT_EQ(footer.size(), 4);
        EXPECT_GT(footer[1].toDouble(), c.height + 300);
        EXPECT_GT(footer[3].toDouble(), 0);
        w->hide();
    }
}

// A style sheet for the shop's navigation module restyles the page's own
// navigation module; none of it shows as text on the page.
TEST_F(EnginePreview, ANavigationStyleRestylesThePagesNavigationModule) {
    core::Form* w = testing::form("Tfrmdh");
    w->showForm();
    w->setText("edt1", "#102030");
    w->setText("edt2", "#123456");
    w->setText("edt9", "#654321");
    ASSERT_TRUE(w->fire("btn1Click"));
    core::Browser* browser = shopPreviewOf(w);
    ASSERT_NE(browser, nullptr);
    const auto background = [browser](const QString& selector) {
        return evaluate(browser,
                        QStringLiteral("getComputedStyle(document.querySelector('%1')).backgroundColor")
                            .arg(selector))
            .toString();
    };
    EXPECT_EQ(background(".skin-box-bd"), "rgb(16, 32, 48)");
    EXPECT_EQ(background(".menu-list .menu:not(.menu-selected) .link"), "rgb(18, 52, 86)");
    EXPECT_EQ(background(".all-cats .link"), "rgb(101, 67, 33)");
    EXPECT_EQ(evaluate(browser, "document.body.innerText.indexOf('skin-box')").toInt(), -1);
    // The module sits under the page's sign, where a navigation bar goes.
    const QVariantList module = numbers(browser, boxOf(".nav-module"));
    ASSERT_EQ(module.size(), 4);
    EXPECT_NEAR(module[1].toDouble(), 120, kNear);
    w->hide();

    // A page background pasted into the navigation module's settings.
    core::Form* b = testing::form("Tfrmbeijing");
    b->showForm();
    b->setText("edt1", "beijing-sample.jpg");
    ASSERT_TRUE(b->fire("btn1Click"));
    browser = shopPreviewOf(b);
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(evaluate(browser, "getComputedStyle(document.body).backgroundImage")
                    .toString()
                    .contains("beijing-sample.jpg"));
    EXPECT_EQ(evaluate(browser, "getComputedStyle(document.body).backgroundAttachment").toString(), "fixed");
    EXPECT_EQ(evaluate(browser, "document.body.innerText.indexOf('background')").toInt(), -1);
    b->hide();
}

// The top of each of the four pictures of the general four-picture list, in
// the order of the code.
const char* kFourTops = "Array.from(document.body.children).filter(function(e){return e.tagName==='DIV';})"
                        ".map(function(e){var r=e.getBoundingClientRect();return [r.left,r.top];})";

// The four-picture list in its own window: two rows of two at any width of
// its browser, scaled down with a caption where the browser is narrower
// than the module.
TEST_F(EnginePreview, AWindowsOwnPreviewShowsTheModuleAtItsWidthScaledNeverReflowed) {
    core::Form* w = testing::form("TFrmsitutong");
    w->showForm();
    ASSERT_TRUE(w->fire("rb1Click"));
    QApplication::processEvents();
    auto* host = w->control<QWidget>("wb1");
    core::Browser* browser = pageShownBy(w, [w] { ASSERT_TRUE(w->fire("btn1Click")); });
    ASSERT_NE(browser, nullptr);
    auto* view = qobject_cast<QWebEngineView*>(browser->widget());
    ASSERT_NE(view, nullptr);

    const auto twoByTwo = [&](const char* when) {
        SCOPED_TRACE(when);
        const QVariantList blocks = evaluate(browser, kFourTops).toList();
        ASSERT_EQ(blocks.size(), 4);
        const auto at = [&](int i, int k) { return blocks[i].toList()[k].toDouble(); };
        EXPECT_EQ(at(0, 1), at(1, 1));
        EXPECT_EQ(at(2, 1), at(3, 1));
        EXPECT_GT(at(2, 1), at(0, 1));
        EXPECT_GT(at(1, 0), at(0, 0));
        EXPECT_EQ(at(2, 0), at(0, 0));
        // The whole module is in view across: nothing runs past the right edge.
        EXPECT_LE(evaluate(browser, "document.documentElement.scrollWidth").toInt(),
                  evaluate(browser, "document.documentElement.clientWidth").toInt());
    };
    const auto caption = [&]() -> QLabel* {
        for (QLabel* label : host->findChildren<QLabel*>())
            if (label->isVisible()) return label;
        return nullptr;
    };

    // As the window opens.
    twoByTwo("as designed");

    // A narrow browser: the same two rows of two, smaller.
    host->resize(480, host->height());
    ASSERT_TRUE(QTest::qWaitFor([view] { return view->zoomFactor() < 0.6; }));
    QTest::qWait(300);
    twoByTwo("narrow");
    EXPECT_LT(view->zoomFactor(), 0.5);
    EXPECT_LE(view->zoomFactor() * 966, view->width());
    QLabel* shown = caption();
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(QRegularExpression("^缩放 \\d\\d%$").match(shown->text()).hasMatch())
        << shown->text().toStdString();
    EXPECT_EQ(shown->text(), QStringLiteral("缩放 %1%").arg(int(view->zoomFactor() * 100)));
    // The caption lies in the view's top right corner.
    const QRect inView = QRect(view->mapTo(host, QPoint()), view->size());
    EXPECT_TRUE(inView.contains(shown->geometry()));
    EXPECT_GT(shown->geometry().left(), inView.center().x());

    // Generated again in the narrow browser: still scaled as it loads.
    pageShownBy(w, [w] { ASSERT_TRUE(w->fire("btn1Click")); });
    twoByTwo("generated again");
    EXPECT_LT(view->zoomFactor(), 0.5);

    // Wide enough: at its own size, no caption.
    host->resize(1300, host->height());
    ASSERT_TRUE(QTest::qWaitFor([view] { return view->zoomFactor() == 1.0; }));
    QTest::qWait(300);
    EXPECT_EQ(view->zoomFactor(), 1.0);
    EXPECT_EQ(caption(), nullptr);
    twoByTwo("wide");

    // Each view keeps its own scale: the shop preview, scaled down to show its
    // 950 px page beside an earlier generator, still lays it out whole.
    if (QWidget* window = core::shopPreviewWindow()) {
        core::Browser* shop = engine().madeIn(window);
        ASSERT_NE(shop, nullptr);
        EXPECT_LT(qobject_cast<QWebEngineView*>(shop->widget())->zoomFactor(), 1.0);
        EXPECT_GE(evaluate(shop, "document.documentElement.clientWidth").toInt(), 950);
    }
    w->hide();
}

// The description assistant's shop preview after "汇总": the related items
// with every price whole, in the Taobao and the Tmall description.
TEST_F(EnginePreview, TheAssembledDescriptionShowsEveryPriceWhole) {
    core::Form* w = testing::form("Tfrmmain");
    w->showForm();
    QApplication::processEvents();
    for (int shop : {0, 1}) {
        for (int layout : {0, 1}) {
            SCOPED_TRACE(QStringLiteral("shop %1, layout %2").arg(shop).arg(layout).toStdString());
            w->control<QTreeWidget>("lv1")->clear();
            w->control<core::RadioGroup>("rg1")->setItemIndex(shop);
            w->control<core::RadioGroup>("rgleixing")->setItemIndex(layout);
            ASSERT_TRUE(w->fire("btn14Click"));
            engine().answers.enqueue(core::Answer::Ok);
            ASSERT_TRUE(w->fire("btnaddClick"));
            ASSERT_TRUE(w->fire("btn2Click"));
            core::Browser* browser = shopPreviewOf(w);
            ASSERT_NE(browser, nullptr);
            // Each price against every box that clips it.
            const QVariantList cut =
                evaluate(
                    browser,
                    "(function(){var out=[];var prices=document.querySelectorAll('#description li "
                    "div[style*=\"font-size:18px\"]');"
                    "prices.forEach(function(p){var r=p.getBoundingClientRect();"
                    "for(var e=p.parentElement;e&&e!==document.body;e=e.parentElement){"
                    "if(getComputedStyle(e).overflow==='visible')continue;var c=e.getBoundingClientRect();"
                    "if(r.bottom>c.bottom+0.5||r.right>c.right+0.5||r.top<c.top-0.5||r.left<c.left-0.5)"
                    "out.push(p.textContent+' in '+e.tagName+' "
                    "'+Math.round(r.bottom)+'>'+Math.round(c.bottom));}});"
                    "return [prices.length].concat(out);})()")
                    .toList();
            ASSERT_FALSE(cut.isEmpty());
            EXPECT_EQ(cut[0].toInt(), layout == 0 ? 4 : 3);
            for (int i = 1; i < cut.size(); ++i)
                ADD_FAILURE() << cut[i].toString().toStdString();
        }
    }
    w->control<core::RadioGroup>("rg1")->setItemIndex(0);
    w->hide();
}

} // namespace
