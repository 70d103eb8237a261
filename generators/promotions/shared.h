#pragma once

#include <QDateTime>
#include <QRect>
#include <QString>

class QDateTimeEdit;
class QWidget;

namespace core {
class Browser;
class Form;
} // namespace core

namespace generators::promotions {

// A date picker named `name` on `parent`, starting at `start` and showing
// `format`; only the sections of the format can be edited.
QDateTimeEdit* addDatePicker(QWidget* parent, const QString& name, const QRect& geometry,
                             const QDateTime& start, const QString& format);

} // namespace generators::promotions
