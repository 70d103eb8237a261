#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace core {
class Form;
}

namespace app {

// Every window class of the program, in the order of creation at start-up.
const QStringList& startupOrder();

// Creates every built window not created yet, hidden, in start-up order; they
// live until the program ends.
void createWindows();

// Creates one window, hidden, unless it exists; nullptr for an unbuilt name.
core::Form* createWindow(const QString& className);

// Whether a window class is part of this build.
bool isBuilt(const QString& className);

// The one instance of a window class; nullptr for an unknown or unbuilt name.
core::Form* window(const QString& className);

template <class T> T* windowAs(const QString& className) {
    return dynamic_cast<T*>(window(className));
}

// The windows created, in creation order.
const QList<core::Form*>& windows();

// Makes a window class known to createWindows(); used through QINGWU_WINDOW.
bool registerWindow(const QString& className, std::function<core::Form*()> factory);

} // namespace app

#define QINGWU_WINDOW(Class)                                                                                 \
    static const bool Class##Registered =                                                                    \
        app::registerWindow(QStringLiteral(#Class), [] { return new Class(); });
