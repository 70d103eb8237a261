#pragma once

#include "core/platform.h"

#include <QFileDialog>
#include <memory>

namespace core {

// The program's file dialog: Qt's own on every desktop, so that it speaks
// Chinese everywhere, with the sizes and dates of the files in the program's
// locale. `filter` is Qt's "text (patterns);;…" or the form
// "text|patterns|text|patterns" (patterns separated by ";").
std::unique_ptr<QFileDialog> makeFileDialog(QWidget* owner, const QString& title, const QString& filter,
                                            const FileDialogOptions& options, QFileDialog::FileMode mode,
                                            QFileDialog::AcceptMode accept);

// Runs the dialog; the chosen path, empty when cancelled.
QString runFileDialog(QFileDialog& dialog);

} // namespace core
