#pragma once

#include "generators/carousels/carouselform.h"

namespace generators {

// The fields of the five-card carousel, as the window holds them; the
// defaults are the window's.
struct Kapan1Input {
    // The block's width (lbl2) and height (lbl3), written when the shop type changes.
    QString width = QStringLiteral("950");
    QString height = QStringLiteral("402");
    QString buttonText = QStringLiteral("立即购买"); // edt32
    QString buttonColour = QStringLiteral("#f30");   // edt33
    // Card k (from 0): picture edt(6k+1), title edt(6k+2), subtitle edt(6k+3),
    // price text edt(6k+4), reason edt(6k+5), buy link edt(6k+6).
    QStringList pictures, titles, subtitles, prices, reasons, links;

    Kapan1Input();
};

// The five cards, switched from a strip of their thumbnails.
QString kapan1Snippet(const Kapan1Input& input);

// Five product cards switched from a strip of their thumbnails.
class Tfrmkapan1 : public CarouselForm {
    Q_OBJECT
public:
    Tfrmkapan1();

private:
    Kapan1Input input() const;
};

} // namespace generators
