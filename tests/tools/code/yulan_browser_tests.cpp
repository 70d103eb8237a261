#include "tests/support/engine.h"
#include "tests/support/helpers.h"
#include "tools/code/yulan.h"

#include <QEventLoop>
#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <gtest/gtest.h>

namespace {

using testing::evaluate;

// The banner itself: 1920 px wide, as a full-width poster is.
const QString kBanner = "<div id=\"inner\" style=\"width:1920px;height:100px;background:#09f\"></div>";

// The converter's wrappers for W 1920, H 100 and Hc 80, written out by hand.
QString tmallWrapper() {
    return "<div style=\"height:80px;\"><div class=\"sn-simple-logo\" "
           "style=\"left:50%;width:1920px;height:100px;"
           "right:auto;top:auto;padding:0;border:none;left:auto;z-index:1;background-color: transparent; \">"
           "<div class=\"sn-simple-logo\" style=\"left:-465px;top:0px;border:none;padding:0;"
           "background-color: transparent; \">" +
           kBanner + "</div></div></div>";
}

QString footerWrapper(bool basic) {
    return QString("<div  style=\"height:80") + (basic ? "\">" : "px;\">") +
           "<div class=\"most-footer footer-more-trigger\" style=\"left:50%;width:1920px;height:100px;"
           "right:auto;top:auto;padding:0;border:none;left:auto;z-index:1;background-color: transparent; \"> "
           "<div class=\"most-footer footer-more-trigger\" style=\"left:-" +
           (basic ? "685" : "485") + "px;top:0px;border:none;padding:0;background-color: transparent; \">" +
           kBanner + "</div></div></div>";
}

bool load(QWebEngineView* view, const QUrl& url) {
    QEventLoop loop;
    bool ok = false;
    bool done = false;
    const auto connection = QObject::connect(view, &QWebEngineView::loadFinished, &loop, [&](bool success) {
        ok = success;
        done = true;
        loop.quit();
    });
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    view->load(url);
    if (!done) loop.exec();
    QObject::disconnect(connection);
    return ok;
}

// The cache page of each edition, in the real web engine 1920 px wide: the
// converted banner's inner block starts at the window's left edge and spans it.
TEST(YulanBrowser, ConvertedBannerSpansTheWholeWindowInEveryEdition) {
    core::Form* w = testing::form("Tfrmyulan");
    QWebEngineView view;
    view.resize(1920, 1080);
    view.show();

    const struct {
        int edition;
        QString code;
        double column;
        double columnLeft;
        double moduleLeft;
    } cases[] = {
        {0, footerWrapper(true), 950, 485, 685},
        {1, footerWrapper(false), 950, 485, 485},
        {2, tmallWrapper(), 990, 465, 465},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.edition);
        testing::fakePlatform().reset();
        w->setText("redt1", c.code);
        w->control<core::RadioGroup>("rg1")->setItemIndex(c.edition);
        w->fire("img1Click");
        ASSERT_EQ(testing::fakePlatform().lastMessage().title, "提示信息");

        ASSERT_TRUE(load(&view, QUrl::fromLocalFile(tools::Tfrmyulan::cachePath())));
        const QVariantList figures =
            evaluate(&view, "(function () {"
                            "  var inner = document.getElementById('inner');"
                            "  var block = inner.parentElement, layer = block.parentElement;"
                            "  var column = document.querySelector('#content .layout');"
                            "  var r = [inner, block, layer, column].map(function (e) {"
                            "    return e.getBoundingClientRect(); });"
                            "  return [r[0].left, r[0].width, r[1].left, r[1].width, r[2].left, r[3].left,"
                            "          r[3].width, document.documentElement.clientWidth, document.title,"
                            "          document.characterSet];"
                            "})()")
                .toList();
        ASSERT_EQ(figures.size(), 10);
        EXPECT_EQ(figures[7].toDouble(), 1920) << "the page must fit without a vertical scroll bar";
        EXPECT_EQ(figures[0].toDouble(), 0) << "banner left";
        EXPECT_EQ(figures[1].toDouble(), 1920) << "banner width";
        EXPECT_EQ(figures[2].toDouble(), 0) << "inner block left";
        EXPECT_EQ(figures[3].toDouble(), 1920) << "inner block width";
        EXPECT_EQ(figures[4].toDouble(), c.moduleLeft) << "middle layer left";
        EXPECT_EQ(figures[5].toDouble(), c.columnLeft) << "column left";
        EXPECT_EQ(figures[6].toDouble(), c.column) << "column width";
        EXPECT_TRUE(figures[8].toString().startsWith("岚舟设计工作室 - "))
            << figures[8].toString().toStdString();
        EXPECT_EQ(figures[9].toString().toLower(), "gbk");
    }
}

} // namespace
