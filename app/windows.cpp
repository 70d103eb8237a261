#include "app/windows.h"

#include "core/form.h"

namespace app {

QStringList startupOrder() {
    QStringList order;
    for (const core::WindowClass* windowClass : core::windowClasses())
        order << windowClass->name;
    return order;
}

core::Form* createWindow(const QString& className) {
    return core::instance(className);
}

void createWindows() {
    for (const core::WindowClass* windowClass : core::windowClasses())
        core::instance(windowClass->name);
}

void createStartupWindows() {
    for (const core::WindowClass* windowClass : core::windowClasses())
        if (windowClass->info.atStart) core::instance(windowClass->name);
}

core::Form* window(const QString& className) {
    return core::existingInstance(className);
}

const QList<core::Form*>& windows() {
    return core::instances();
}

} // namespace app
