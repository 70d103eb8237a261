#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <optional>

namespace core {

class Form;

// A field a generator writes back while it builds its snippet (a computed
// height, a count), by control name.
struct FieldUpdate {
    QString control;
    QString text;
};

// What a generator's snippet function gives: the snippet and the field
// updates in the order the window makes them. A build that fails part way
// keeps the updates made before the failure, and the failure's message; its
// snippet is then empty.
struct Built {
    QString snippet;
    QList<FieldUpdate> updates;
    std::optional<QString> failure;

    // Records a field update.
    void update(const QString& control, const QString& text) { updates.append({control, text}); }
};

// Runs the steps of a build: what they record is kept, and a failure they
// raise (core::fail) ends the build with the updates made before it.
Built build(const std::function<void(Built&)>& steps);

// Writes a build's updates into the window's fields in their order, as the
// user's edits would (change handlers run), then raises its failure if it
// has one; otherwise answers the snippet.
QString applyBuilt(Form& form, const Built& built);

} // namespace core
