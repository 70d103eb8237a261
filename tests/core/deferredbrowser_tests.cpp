#include "core/deferredbrowser.h"
#include "core/files.h"
#include "core/realplatform.h"
#include "tests/generators/carousels/page_files.h"
#include "tests/support/engine.h"
#include "tests/support/helpers.h"
#include "tests/support/processes.h"

#include <QAbstractTextDocumentLayout>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextList>
#include <QWebEngineView>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

using testing::evaluate;

bool completes(core::Browser* browser, int ms = 60000) {
    return testing::loaded(browser, ms);
}

void writePage(const QString& path, const QString& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(testing::gbk("<html><body><p id=\"t\">" + text + "</p><img src=\"a.jpg\"></body></html>"));
}

QString shownText(core::Browser* browser) {
    return evaluate(qobject_cast<QWebEngineView*>(browser->widget()), "document.getElementById('t').textContent")
        .toString();
}

// One laid-out part of a page: where its text starts, its font size and colour.
struct Part {
    double x, y;
    int pixelSize;
    QString colour;
};

// The shipped announcement is static rich text: no web engine starts for it,
// and it is laid out as the engine lays it out. The first test of the
// program, so that no engine has started before it.
TEST(DeferredBrowser, TheAnnouncementIsRichTextLaidOutAsTheEngineLaysItOut) {
    const QString announcement = core::filesFolder() + "/gonggao.html";
    QWidget textHost;
    textHost.resize(869, 548);
    core::Browser* browser = core::createEmbeddedBrowser(&textHost);
    textHost.show();
    browser->navigate(announcement);
    ASSERT_TRUE(completes(browser, 5000));
    auto* lean = static_cast<core::DeferredBrowser*>(browser);
    EXPECT_TRUE(lean->showsText());
    EXPECT_FALSE(lean->hasWebView());
    // Its border goes as the engine's would; nothing to do without an engine.
    browser->setBodyStyle("borderStyle", "none");
    QTest::qWait(300);
    EXPECT_EQ(testing::webEngineProcesses(getpid()), 0);

    QList<Part> text;
    auto* view = qobject_cast<QTextBrowser*>(browser->widget());
    ASSERT_NE(view, nullptr);
    QTextDocument* document = view->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block.text().isEmpty()) continue;
        const QRectF box = document->documentLayout()->blockBoundingRect(block);
        const double indent = block.textList() ? block.textList()->format().indent() * document->indentWidth() : 0;
        const QTextCharFormat format = block.begin().fragment().charFormat();
        text << Part{box.x() + block.blockFormat().leftMargin() + indent, box.y(), format.font().pixelSize(),
                     format.foreground().color().name()};
    }

    QWidget engineHost;
    engineHost.resize(869, 548);
    core::Browser* engine = core::createWebBrowser(&engineHost);
    engineHost.show();
    engine->navigate(announcement);
    ASSERT_TRUE(completes(engine));
    const QVariantList parts =
        evaluate(qobject_cast<QWebEngineView*>(engine->widget()),
                 "Array.from(document.querySelectorAll('h1,h2,p,li')).map(function (e) {"
                 "  var box = e.getBoundingClientRect(), style = getComputedStyle(e);"
                 "  var rgb = style.color.match(/\\d+/g).map(Number);"
                 "  return [box.x, box.y, parseFloat(style.fontSize),"
                 "          '#' + rgb.map(function (c) { return (c + 256).toString(16).slice(1); }).join('')];"
                 "})")
            .toList();
    ASSERT_EQ(parts.size(), text.size());
    for (qsizetype i = 0; i < parts.size(); ++i) {
        SCOPED_TRACE(i);
        const QVariantList part = parts[i].toList();
        // Headings, paragraphs and list items start where the engine starts
        // them, in the engine's sizes and colours.
        EXPECT_NEAR(text[i].x, part[0].toDouble(), 2.0);
        EXPECT_NEAR(text[i].y, part[1].toDouble(), 3.0);
        EXPECT_EQ(text[i].pixelSize, part[2].toInt());
        EXPECT_EQ(text[i].colour, part[3].toString());
    }
}

// A page asked for while its window is hidden is loaded when the window is
// first seen; a hidden window gives its view up and gets it back showing
// what it showed, whatever other windows wrote into the file meanwhile.
TEST(DeferredBrowser, AHiddenWindowKeepsNoViewAndComesBackWithWhatItShowed) {
    testing::ScratchCurrentFolder folder;
    const QString page = folder.path() + "/files.html";
    QWidget window;
    window.resize(600, 400);
    auto* host = new QWidget(&window);
    host->setGeometry(0, 0, 600, 400);
    auto* browser = static_cast<core::DeferredBrowser*>(core::createEmbeddedBrowser(host));

    writePage(page, "第一版");
    browser->navigate(page);
    QTest::qWait(100);
    EXPECT_FALSE(browser->hasWebView());
    EXPECT_EQ(browser->widget(), nullptr);
    writePage(page, "另一个窗口写的");

    window.show();
    ASSERT_TRUE(completes(browser));
    ASSERT_TRUE(browser->hasWebView());
    EXPECT_EQ(shownText(browser), "第一版");
    // Still the page's own address: its pictures are those beside the file.
    EXPECT_EQ(evaluate(qobject_cast<QWebEngineView*>(browser->widget()), "location.protocol").toString(), "qingwu:");
    const QList<core::PictureElement> pictures = browser->pictures();
    ASSERT_EQ(pictures.size(), 1);
    EXPECT_EQ(pictures[0].src, QUrl::fromLocalFile(folder.path() + "/a.jpg").toString());

    window.hide();
    QTest::qWait(100);
    EXPECT_FALSE(browser->hasWebView());
    EXPECT_EQ(window.findChild<QWebEngineView*>(), nullptr);
    writePage(page, "第三版");

    window.show();
    ASSERT_TRUE(completes(browser));
    EXPECT_EQ(shownText(browser), "第一版");

    // A new navigation reads the file as it is now.
    browser->navigate(page);
    ASSERT_TRUE(completes(browser));
    EXPECT_EQ(shownText(browser), "第三版");

    // A minimised window is not hidden: it keeps its page.
    window.showMinimized();
    QTest::qWait(100);
    EXPECT_TRUE(browser->hasWebView());
}

// The program's own pages in several windows share one renderer process.
TEST(DeferredBrowser, TheProgramsPagesShareOneRenderer) {
    testing::ScratchCurrentFolder folder;
    QList<std::shared_ptr<QWidget>> windows;
    QList<int> processes;
    for (int i = 0; i < 3; ++i) {
        const QString page = folder.path() + QStringLiteral("/page%1.html").arg(i);
        writePage(page, QString::number(i));
        auto window = std::make_shared<QWidget>();
        window->resize(400, 300);
        core::Browser* browser = core::createEmbeddedBrowser(window.get());
        window->show();
        browser->navigate(page);
        ASSERT_TRUE(completes(browser));
        EXPECT_EQ(shownText(browser), QString::number(i));
        windows << window;
        QTest::qWait(300);
        processes << testing::webEngineProcesses(getpid());
    }
    EXPECT_GT(processes[0], 0);
    EXPECT_EQ(processes[1], processes[0]);
    EXPECT_EQ(processes[2], processes[0]);
}

} // namespace
