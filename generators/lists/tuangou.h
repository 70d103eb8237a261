#pragma once

#include "core/form.h"

#include <QStringList>

namespace core {
class Browser;
}

namespace generators {

// The fields of the group-buy cards as the window holds them; the defaults
// are the window's (an ordinary shop).
struct TuangouInput {
    QString cardWidth = QStringLiteral("208");         // lbl17
    QString cardHeight = QStringLiteral("310");        // lbl14, the picture's height and 104
    QString pictureWidth = QStringLiteral("205");      // lbl13
    QString pictureHeight = QStringLiteral("206");     // edt20
    QString colour = QStringLiteral("#F30");           // edt1, the picture's frame and the price bar
    QString buttonColour = QStringLiteral("#FF0");     // edt2
    QString buttonTextColour = QStringLiteral("#c00"); // edt3
    QString buttonCaption = QStringLiteral("参团");    // edt21
    // Card k (from 0); its fields are listed in the window.
    QStringList pictures, links, titles, prices;

    TuangouInput();
};

// The four cards in a row. A card width that is not a number fails.
QString tuangouSnippet(const TuangouInput& input);

// Four group-buy cards in a row: title, framed picture, a coloured price bar
// with a button; previewed on the window's second page.
class Tfrmtuangou : public core::Form {
    Q_OBJECT
public:
    Tfrmtuangou();

private:
    TuangouInput input() const;

    core::Browser* m_browser = nullptr;
};

} // namespace generators
