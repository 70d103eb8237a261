#pragma once

#include <QRect>
#include <QString>

class QLabel;
class QWidget;

namespace core {

// The decorative picture at the top of a generator: drawn by the program, a
// schematic of the module with its name.
QLabel* addPreviewPicture(QWidget* parent, const QRect& geometry, const QString& caption);

} // namespace core
