#pragma once

#include "core/platform.h"

#include <QEventLoop>
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

} // namespace testing
