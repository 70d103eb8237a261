#pragma once

#include "core/form.h"

namespace generators {

namespace navigation {

// The colours and font settings that restyle the marketplace's own navigation
// module and its category pop-up.
struct NavigationColours {
    QString weight;          // font weight of tab titles
    QString size;            // font size of tab and category titles
    QString bar;             // module and menu list background
    QString tab;             // tab background
    QString tabGap;          // right border of each tab
    QString tabHover;        // tab background under the mouse
    QString tabText;         // tab title colour
    QString tabTextHover;    // tab title colour under the mouse
    QString allCats;         // all-categories entry background
    QString allCatsHover;    // its background under the mouse
    QString allCatsText;     // its title colour
    QString allCatsTextHover;
    QString drop;            // first-level pop-up entry background
    QString dropBorder;      // their bottom border
    QString dropHover;       // their background under the mouse
    QString dropText;        // their name colour
    QString dropTextHover;
    QString second;          // second-level name colour
    QString secondPanel;     // second-level panel background
    QString secondHover;     // second-level name background under the mouse
    QString secondTextHover; // second-level name colour under the mouse
};

// The one-line style sheet of twenty-one rules.
QString navigationStyle(const NavigationColours& c);

} // namespace navigation

// Restyles the marketplace's default navigation bar with the user's colours.
class Tfrmdh : public core::Form {
    Q_OBJECT
public:
    Tfrmdh();

private:
    navigation::NavigationColours colours() const;
};

} // namespace generators
