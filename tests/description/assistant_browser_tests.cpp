#include "core/realplatform.h"
#include "description/assistant.h"
#include "tests/description/assistant_support.h"

#include <QEventLoop>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <gtest/gtest.h>

namespace {

bool waitForComplete(core::Browser* browser) {
    QEventLoop loop;
    bool done = false;
    QObject::connect(browser, &core::Browser::documentComplete, &loop, [&] {
        done = true;
        loop.quit();
    });
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    loop.exec();
    return done;
}

QString bodyText(core::Browser* browser) {
    auto* view = qobject_cast<QWebEngineView*>(browser->widget());
    if (!view) return "<no view>";
    QString text;
    QEventLoop loop;
    view->page()->runJavaScript("document.body.textContent", [&](const QVariant& value) {
        text = value.toString().trimmed();
        loop.quit();
    });
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    loop.exec();
    return text;
}

// The preview page the window writes, shown by the real web engine: read in
// the Chinese code page, and a rewritten page shows its new content.
using AssistantBrowserTest = testing::AssistantTest;

TEST_F(AssistantBrowserTest, RealBrowserShowsEachRewrittenPreviewPage) {
    QWidget host;
    host.resize(800, 600);
    core::Browser* real = core::createWebBrowser(&host);
    host.show();

    w->setText("edt3", "分隔标题甲");
    w->setText("edt25", "右侧说明");
    w->fire("btn15Click");
    real->navigate(description::Tfrmmain::previewFile());
    ASSERT_TRUE(waitForComplete(real));
    EXPECT_EQ(bodyText(real), "分隔标题甲右侧说明");

    w->setText("edt3", "第二个标题");
    w->fire("btn15Click");
    real->navigate(description::Tfrmmain::previewFile());
    ASSERT_TRUE(waitForComplete(real));
    EXPECT_EQ(bodyText(real), "第二个标题右侧说明");

    // The assembled page holds both entries in list order.
    fake().answers.enqueue(core::Answer::Ok);
    w->fire("btntianjiaClick");
    w->setText("edt3", "第三个标题");
    w->fire("btn15Click");
    fake().answers.enqueue(core::Answer::Ok);
    w->fire("btntianjiaClick");
    w->fire("btn2Click");
    real->navigate(description::Tfrmmain::previewFile());
    ASSERT_TRUE(waitForComplete(real));
    EXPECT_EQ(bodyText(real).simplified(), "第二个标题右侧说明 第三个标题右侧说明");
}

} // namespace
