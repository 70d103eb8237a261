#pragma once

#include "core/form.h"

#include <QStringList>

namespace generators {

// The fields of the carousel with a tab per slide, as typed; the defaults
// are the window's.
struct LunboInput {
    int slides = 2;                            // 2, 3 or 4
    QString height = QStringLiteral("400");    // edt14
    QString barColour = QStringLiteral("#000"); // edt15, the bar under the tabs
    QString tabColour = QStringLiteral("#09F"); // edt17, the tab of a slide
    // Slide k (from 0): edt(3k+1), edt(3k+2), edt(3k+3).
    QStringList pictures, links, titles;

    LunboInput();
};

// The carousel's snippet: one slide and one tab per picture, the tabs centred
// on the 1920 px strip.
QString lunboSnippet(const LunboInput& input);

// Full-width poster carousel with a tab per slide.
class Tfrmlunbo : public core::Form {
    Q_OBJECT
public:
    Tfrmlunbo();

private:
    LunboInput input(int slides) const;
};

} // namespace generators
