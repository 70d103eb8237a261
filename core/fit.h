#pragma once

#include <QList>
#include <QMargins>
#include <QRect>

class QFont;
class QLabel;
class QWidget;

namespace core {

// Windows are designed for a font whose Chinese characters are 12 px wide.
// How much larger the given font is: the factor every design position and size
// grows by so that captions keep fitting their controls. Never below 1.
double designScale(const QFont& font);

// Scales the positions and sizes of every control placed by hand in the window
// (not those a layout places), and the window's own sizes, by `factor`.
void scaleDesign(QWidget* window, double factor);
QRect scaled(const QRect& rect, double factor);

// Makes the window, with its frame, no larger than `area`. A window whose
// controls are placed by hand gets its contents put into a scroll area that
// fills it, so nothing is out of reach; one laid out by a layout just shrinks.
void fitInto(QWidget* window, const QRect& area, const QMargins& frame);

// The frame the window system puts around a window: the real one once known,
// otherwise a generous guess of a title bar and borders.
QMargins frameOf(const QWidget* window);

// Fields that sit in the blanks of a sentence ("高度：        px") become part
// of it: they move with the sentence and lie over its blanks at any font.
void putInGaps(QLabel* sentence, const QList<QWidget*>& fields);
// Lays the fields of every such sentence in the window over the blanks of
// the line they are on, as the sentence's font measures them now; a field
// past the end of the text stays clear of it.
void fitGaps(QWidget* window);

// A picture other controls lie on (a drag strip, a preview picture).
void setBackdrop(QWidget* widget);
bool isBackdrop(const QWidget* widget);

} // namespace core
