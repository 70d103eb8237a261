#pragma once

#include <QRect>
#include <QString>

class QWidget;

namespace core {

class Form;

// The name of a generator's shop preview button; its handler is this name
// followed by "Click", which F5 runs as well.
inline const QString kShopPreviewButton = QStringLiteral("btndianpuyulan");

// Gives a snippet generator its shop preview: the button, in a free corner
// of the window where it covers no other control, and F5. Answers whether
// the window is a generator (other windows are left alone).
bool addShopPreview(Form* form);

// Shows the snippet the window delivered last, as it reads now, in the shop
// preview window, framed as the shop page of its edition and width. Before
// anything was delivered it says what is missing and shows nothing.
void showShopPreview(Form* form);

// For a window that shows its code itself (the description assistant's
// pane): the code it shows now. Its shop preview shows that code rather than
// the code it delivered last.
void setShownCode(Form* form, const QString& code);

// Where the shop preview window opens, frame included, on the screen area
// `area` of its generator, whose frame is `generator`: beside the generator
// where there is room for it, else where it covers the least of it; always
// wholly inside the area. `wanted` is the size it would take, frame included.
QRect shopPreviewPlace(const QRect& generator, const QRect& area, const QSize& wanted);

// The shop preview window, made on first use; null before.
QWidget* shopPreviewWindow();

// The page the shop preview shows, in the working folder.
QString shopPreviewPage();

} // namespace core
