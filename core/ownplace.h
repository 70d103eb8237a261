#pragma once

#include <QSize>

class QPushButton;

namespace core {

class Form;

// Gives a button the program adds to a window (the shop preview, the presets)
// a place of its own, at its design size grown with the window and never
// smaller than its caption needs: a free place of the window, clear of every
// control, the one nearest the bottom right corner; else beside the tabs of
// the window's pages; else a strip added along the window's bottom, which
// such buttons share side by side from its right end. It never lies on
// another control, a picture or a group.
void placeOwnButton(Form* form, QPushButton* button, const QSize& designSize);

} // namespace core
