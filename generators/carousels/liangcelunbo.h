#pragma once

#include "generators/carousels/carouselform.h"

namespace generators {

// The fields of the carousel with pictures on both sides, as the window holds
// them; the defaults are the window's.
struct LiangcelunboInput {
    // Written when the shop type changes: the block's width (lbl21), the
    // central column's width (lbl19) and the heading's offset in it (lbl20).
    QString width = QStringLiteral("950");
    QString columnWidth = QStringLiteral("150px");
    QString headingOffset = QStringLiteral("40");
    QString heading = QStringLiteral("时尚坐标");      // edt26
    QString headingColour = QStringLiteral("#acc5a7"); // edt27
    // Slide k (from 0): its label edt(5k+1), left picture edt(5k+2) and link
    // edt(5k+3), right picture edt(5k+4) and link edt(5k+5).
    QStringList labels, leftPictures, leftLinks, rightPictures, rightLinks;

    LiangcelunboInput();
};

// Five slides of two pictures each, switched from the central column of
// their labels under the heading.
QString liangcelunboSnippet(const LiangcelunboInput& input);

// Five slides of two large pictures each, switched from a central column of
// five labels under a heading.
class Tfrmliangcelunbo : public CarouselForm {
    Q_OBJECT
public:
    Tfrmliangcelunbo();

private:
    LiangcelunboInput input() const;
};

} // namespace generators
