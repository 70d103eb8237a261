#include "generators/promotions/pagewidgets.h"

#include "core/files.h"
#include "core/form.h"
#include "core/platform.h"
#include "core/text.h"

#include <QRect>
#include <QTabWidget>

namespace generators::pagewidgets {

QTabWidget* addPages(QWidget* parent, const QRect& geometry, const QStringList& captions) {
    auto* pages = new QTabWidget(parent);
    pages->setObjectName(QStringLiteral("pgc1"));
    pages->setGeometry(geometry);
    for (qsizetype i = 0; i < captions.size(); ++i) {
        auto* page = new QWidget;
        page->setObjectName(QStringLiteral("ts%1").arg(i + 1));
        pages->addTab(page, captions[i]);
    }
    return pages;
}

namespace {

double differenceOf(const QString& a, const QString& b) {
    const double first = core::parseFloat(a);
    const double second = core::parseFloat(b);
    return core::finite(first - second, a);
}

} // namespace

QString difference(const QString& a, const QString& b) {
    return core::formatFloat(differenceOf(a, b));
}

QString halfDifference(const QString& a, const QString& b) {
    return core::formatFloat(differenceOf(a, b) / 2);
}

} // namespace generators::pagewidgets
