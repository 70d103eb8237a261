#pragma once

#include "core/form.h"

namespace generators {

// The colours and font settings that restyle the marketplace's own navigation
// module and its category pop-up, as typed; the defaults are the window's.
struct DhInput {
    QString weight = QStringLiteral("是否加粗");     // cbb1, font weight of tab titles (the prompt when none is picked)
    QString size = QStringLiteral("12px");           // cbb2, font size of tab and category titles
    QString bar = QStringLiteral("#514C46");         // edt1, module and menu list background
    QString tab = QStringLiteral("#514C46");         // edt2, tab background
    QString tabGap = QStringLiteral("#514C46");      // edt18, right border of each tab
    QString tabHover = QStringLiteral("#43BCB3");    // edt3, tab background under the mouse
    QString tabText = QStringLiteral("#fff");        // edt4, tab title colour
    QString tabTextHover = QStringLiteral("#fff");   // edt5, tab title colour under the mouse
    QString allCats = QStringLiteral("#43BCB3");     // edt9, all-categories entry background
    QString allCatsHover = QStringLiteral("#43BCB3"); // edt8, its background under the mouse
    QString allCatsText = QStringLiteral("#fff");    // edt7, its title colour
    QString allCatsTextHover = QStringLiteral("#fff"); // edt6
    QString drop = QStringLiteral("#fff");           // edt14, first-level pop-up entry background
    QString dropBorder = QStringLiteral("#fff");     // edt10, their bottom border
    QString dropHover = QStringLiteral("#43BCB3");   // edt11, their background under the mouse
    QString dropText = QStringLiteral("#1d1d1d");    // edt12, their name colour
    QString dropTextHover = QStringLiteral("#fff");  // edt13
    QString second = QStringLiteral("#000");         // edt15, second-level name colour
    QString secondPanel = QStringLiteral("#43BCB3"); // edt19, second-level panel background
    QString secondHover = QStringLiteral("#000");    // edt16, second-level name background under the mouse
    QString secondTextHover = QStringLiteral("#fff"); // edt17, second-level name colour under the mouse
};

// The one-line style sheet of twenty-one rules.
QString dhSnippet(const DhInput& input);

// Restyles the marketplace's default navigation bar with the user's colours.
class Tfrmdh : public core::Form {
    Q_OBJECT
public:
    Tfrmdh();

private:
    DhInput input() const;
};

} // namespace generators
