#include "core/registry.h"

#include "core/form.h"

#include <QHash>
#include <algorithm>
#include <map>

namespace core {

namespace {

// Filled by static initialisers: built on first use, whatever the order in
// which the units' initialisers run.
std::map<QString, WindowClass>& classes() {
    static std::map<QString, WindowClass> table;
    return table;
}

QHash<QString, Form*>& made() {
    static QHash<QString, Form*> table;
    return table;
}

QList<Form*>& madeInOrder() {
    static QList<Form*> list;
    return list;
}

std::map<std::type_index, QString>& providers() {
    static std::map<std::type_index, QString> table;
    return table;
}

} // namespace

bool registerWindow(const QString& name, std::function<Form*()> make, const WindowInfo& info) {
    classes()[name] = WindowClass{name, info, std::move(make)};
    return true;
}

QList<const WindowClass*> windowClasses() {
    QList<const WindowClass*> list;
    for (const auto& [name, windowClass] : classes())
        list.append(&windowClass);
    std::stable_sort(list.begin(), list.end(),
                     [](const WindowClass* a, const WindowClass* b) { return a->info.order < b->info.order; });
    return list;
}

const WindowClass* windowClass(const QString& name) {
    const auto found = classes().find(name);
    return found == classes().end() ? nullptr : &found->second;
}

const WindowInfo* windowInfo(const Form& form) {
    const WindowClass* found = windowClass(form.objectName());
    return found ? &found->info : nullptr;
}

Form* instance(const QString& name) {
    if (Form* existing = made().value(name, nullptr)) return existing;
    const WindowClass* found = windowClass(name);
    if (!found) return nullptr;
    Form* form = found->make();
    form->hide();
    made().insert(name, form);
    madeInOrder().append(form);
    form->fire(QStringLiteral("FormCreate"));
    return form;
}

Form* existingInstance(const QString& name) {
    return made().value(name, nullptr);
}

const QList<Form*>& instances() {
    return madeInOrder();
}

bool registerProvider(std::type_index service, const QString& windowClass) {
    providers().insert_or_assign(service, windowClass);
    return true;
}

Form* providerOf(std::type_index service) {
    const auto found = providers().find(service);
    return found == providers().end() ? nullptr : instance(found->second);
}

} // namespace core
