#pragma once

#include "generators/carousels/carouselform.h"

namespace generators {

// The fields of the carousel beside four squares, as the window holds them;
// the defaults are the window's.
struct WutuzuolunboInput {
    // Written when the shop type changes: the block's width (lbl2) and the
    // carousel's (lbl1).
    QString width = QStringLiteral("950");
    QString carouselWidth = QStringLiteral("400");
    // Carousel picture k (from 0): edt(2k+1) and its link edt(2k+2).
    QStringList pictures, links;
    // Square k (from 0): edt(2k+9) and its link edt(2k+10).
    QStringList squares, squareLinks;

    WutuzuolunboInput();
};

// The carousel on the left and the 2 x 2 squares on the right.
QString wutuzuolunboSnippet(const WutuzuolunboInput& input);

// A picture carousel on the left and four fixed square pictures on the right.
class Tfrmwutuzuolunbo : public CarouselForm {
    Q_OBJECT
public:
    Tfrmwutuzuolunbo();

private:
    WutuzuolunboInput input() const;
};

} // namespace generators
