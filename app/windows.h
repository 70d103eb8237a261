#pragma once

#include "core/registry.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace core {
class Form;
}

namespace app {

// Every window class of the program, in the order of creation at start-up,
// as the windows' descriptors give it.
QStringList startupOrder();

// Creates every window not created yet, hidden, in start-up order; they live
// until the program ends.
void createWindows();

// Creates the windows made at start-up (their descriptors say so), hidden,
// in start-up order; the others are made on first use.
void createStartupWindows();

// Creates one window, hidden, unless it exists; nullptr for an unknown name.
core::Form* createWindow(const QString& className);

// The one instance of a window class; nullptr for an unknown name or a window
// not created yet.
core::Form* window(const QString& className);

template <class T> T* windowAs(const QString& className) {
    return dynamic_cast<T*>(window(className));
}

// The windows created, in creation order.
const QList<core::Form*>& windows();

} // namespace app
