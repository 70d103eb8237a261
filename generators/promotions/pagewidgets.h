#pragma once

#include <QString>
#include <QStringList>

class QRect;
class QTabWidget;
class QWidget;

namespace core {
class Browser;
class Form;
} // namespace core

// What the shop voice modules and the small page widgets share: preview pages
// in the current folder and the little sums their labels show.
namespace generators::pagewidgets {

// A page in the current folder ("files.html", "files/文字调试.html").
QString workingPage(const QString& relative);

// Writes the memo's lines, each followed by CR LF, as the page (whole: the old
// page stays when the write fails).
void saveMemoPage(const core::Form* form, const QString& memo, const QString& path);

// A page control on `parent` with one page per caption, the pages named
// "ts1", "ts2", ... in order.
QTabWidget* addPages(QWidget* parent, const QRect& geometry, const QStringList& captions);

// A browser filling the placeholder, made on first use and then kept.
core::Browser* browserIn(core::Browser*& browser, QWidget* placeholder);

// a − b, both read as decimal numbers, in the shortest general form.
QString difference(const QString& a, const QString& b);

// (a − b) / 2 in the shortest general form.
QString halfDifference(const QString& a, const QString& b);

} // namespace generators::pagewidgets

namespace generators::pagewidgets {

// The product named in the data-title of full-width wrappers.
inline const QString kCredit = QStringLiteral("青梧美工");

// Sample addresses of the page widgets.
inline QString samplePicture(const QString& file) {
    return QStringLiteral("https://img.alicdn.com/imgextra/i2/qingwu/") + file;
}

} // namespace generators::pagewidgets
