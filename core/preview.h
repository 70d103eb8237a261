#pragma once

#include <QRect>
#include <QString>

class QLabel;
class QWidget;

namespace core {

class Browser;
class Form;

// A page in the working folder: "files.html", "店招.html", "files/楼层.html".
QString workingPage(const QString& relative);

// "files.html" in the working folder, the preview page most generators share.
QString sharedPreviewPage();

// Writes the box's lines, each followed by CR LF, whole as the page.
void savePageLines(const Form& form, const QString& box, const QString& path);

// Makes the folder a page goes into, for previews that must not fail for a
// missing folder.
void makeFolderOf(const QString& path);

// A page written without a style sheet keeps the browser's margin of 8 px on
// either side of what it shows.
inline constexpr int kPageMargins = 16;

// Shows the page in the embedded browser living in `host`: the browser is made
// there the first time and kept in `browser` for the life of the window. The
// page is laid out `width` CSS pixels wide, scaled down where the browser is
// narrower (0: at the browser's width).
void showPage(Browser*& browser, QWidget* host, const QString& page, int width);
// The same for a page of the module a generator makes, laid out at the width
// of the module's place in the shop and the page's own margins.
void showPage(Browser*& browser, QWidget* host, const QString& page);

// The decorative picture at the top of a generator: drawn by the program, a
// schematic of the module with its name.
QLabel* addPreviewPicture(QWidget* parent, const QRect& geometry, const QString& caption);

} // namespace core
