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

// "files.html" in the current folder: the preview page several generators share.
QString previewPage();

// Saves the memo's lines (each followed by CR LF) as the preview page, whole.
void savePreviewPage(const core::Form* form, const QString& memo);

// Shows the preview page in the window's web view `view`, made on first use.
void showPreviewPage(core::Form* form, core::Browser*& browser, const QString& view);

// A date picker named `name` on `parent`, starting at `start` and showing
// `format`; only the sections of the format can be edited.
QDateTimeEdit* addDatePicker(QWidget* parent, const QString& name, const QRect& geometry,
                             const QDateTime& start, const QString& format);

} // namespace generators::promotions
