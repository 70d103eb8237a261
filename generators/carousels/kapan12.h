#pragma once

#include "generators/carousels/carouselform.h"

namespace generators {

// The fields of the twelve-picture card carousel, as the window holds them;
// the defaults are the window's.
struct Kapan12Input {
    QString height = QStringLiteral("574"); // edt25
    // lbl9: a thumbnail's height, written when the height changes to a whole number.
    QString thumbnailHeight = QStringLiteral("188");
    // Row k (from 0): picture edt(k+1), link edt(24-k).
    QStringList pictures, links;

    Kapan12Input();
};

// The twelve 413 px pictures in a circular carousel beside the grid of their
// thumbnails.
QString kapan12Snippet(const Kapan12Input& input);

// Twelve large pictures in a circular carousel beside a grid of their
// thumbnails, for the 950 px home page.
class TFrmkapan12 : public CarouselForm {
    Q_OBJECT
public:
    TFrmkapan12();

private:
    Kapan12Input input() const;
};

} // namespace generators
