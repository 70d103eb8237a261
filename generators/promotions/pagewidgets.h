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

// What the shop voice modules and the small page widgets share: the page
// control and the little sums their labels show.
namespace generators::pagewidgets {

// A page control on `parent` with one page per caption, the pages named
// "ts1", "ts2", ... in order.
QTabWidget* addPages(QWidget* parent, const QRect& geometry, const QStringList& captions);

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
