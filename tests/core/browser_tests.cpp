#include "core/realplatform.h"
#include "tests/generators/carousels/page_files.h"
#include "tests/support/engine.h"
#include "tests/support/helpers.h"

#include <QEventLoop>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <gtest/gtest.h>

namespace {

using testing::evaluate;

void writeGb18030(const QString& path, const QString& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QStringEncoder gb("GB18030");
    file.write(gb.encode(text));
}

bool waitForComplete(core::Browser* browser, int ms = 60000) {
    QEventLoop loop;
    bool done = false;
    QObject::connect(browser, &core::Browser::documentComplete, &loop, [&] {
        done = true;
        loop.quit();
    });
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    return done;
}

// The embedded browser with the real web engine.
TEST(Browser, LoadsALocalGb18030PageListsPicturesAndSetsBodyStyle) {
    testing::ScratchCurrentFolder folder;
    const QString page = folder.path() + "/files.html";
    // No charset declared: the page must still read as GB18030.
    writeGb18030(page, "<html><body style=\"border:3px solid red\"><p id=\"t\">轮播海报</p>"
                       "<img name=\"first\" src=\"a.jpg\"><img src=\"sub/b.png\">"
                       "<img name=\"third\" src=\"https://img.example.test/c.jpg\"></body></html>");

    QWidget host;
    host.resize(800, 600);
    core::Browser* browser = core::createWebBrowser(&host);
    host.show();
    // A path with backslashes, as callers build them from the working folder.
    browser->navigate(QString(page).replace('/', '\\'));
    ASSERT_TRUE(waitForComplete(browser));

    auto* view = qobject_cast<QWebEngineView*>(browser->widget());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(evaluate(view, "document.getElementById('t').textContent").toString(), "轮播海报");
    // Shown from the program's origin, not as a file: page.
    EXPECT_EQ(evaluate(view, "location.protocol").toString(), "qingwu:");

    const QList<core::PictureElement> pictures = browser->pictures();
    ASSERT_EQ(pictures.size(), 3);
    const QString base = QUrl::fromLocalFile(folder.path()).toString();
    EXPECT_EQ(pictures[0].name, "first");
    EXPECT_EQ(pictures[0].src, base + "/a.jpg");
    EXPECT_EQ(pictures[1].name, "");
    EXPECT_EQ(pictures[1].src, base + "/sub/b.png");
    EXPECT_EQ(pictures[2].name, "third");
    EXPECT_EQ(pictures[2].src, "https://img.example.test/c.jpg");

    browser->setBodyStyle("borderStyle", "none");
    browser->setBodyAttribute("scroll", "no");
    EXPECT_EQ(evaluate(view, "document.body.style.borderStyle").toString(), "none");
    EXPECT_EQ(evaluate(view, "document.body.getAttribute('scroll')").toString(), "no");

    // Navigating again after rewriting the file shows the new content.
    writeGb18030(page, "<html><body><p id=\"t\">新内容</p></body></html>");
    browser->navigate(page);
    ASSERT_TRUE(waitForComplete(browser));
    EXPECT_EQ(evaluate(view, "document.getElementById('t').textContent").toString(), "新内容");
    EXPECT_TRUE(browser->pictures().isEmpty());
}

} // namespace
