#pragma once

#include "core/platform.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace testing {

// The value of a script run in the page the view shows (invalid after 20 s
// without an answer).
inline QVariant evaluate(QWebEngineView* view, const QString& script) {
    QVariant result;
    bool done = false;
    QEventLoop loop;
    view->page()->runJavaScript(script, [&](const QVariant& value) {
        result = value;
        done = true;
        loop.quit();
    });
    if (!done) {
        QTimer::singleShot(20000, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return result;
}

// The same in the page of an embedded browser of the real web engine.
inline QVariant evaluate(core::Browser* browser, const QString& script) {
    return evaluate(qobject_cast<QWebEngineView*>(browser->widget()), script);
}

// Waits for the browser's next document complete; false after `ms`.
inline bool loaded(core::Browser* browser, int ms = 60000) {
    QSignalSpy complete(browser, &core::Browser::documentComplete);
    return complete.wait(ms);
}

// Waits until the script answers true in the browser's page; false after `ms`.
inline bool waitUntil(core::Browser* browser, const QString& script, int ms = 10000) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        if (evaluate(browser, script).toBool()) return true;
        QTest::qWait(30);
    }
    return false;
}

} // namespace testing
