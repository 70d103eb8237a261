#pragma once

#include "generators/carousels/carouselform.h"

namespace generators {

// The fields of the twelve-picture carousel, as the window holds them; the
// defaults are the window's.
struct ShiertulunboInput {
    // Written when the shop type changes: the block's width (lbl5) and a
    // picture's (lbl7).
    QString width = QStringLiteral("950");
    QString pictureWidth = QStringLiteral("230");
    // Picture k of group g (both from 0), index 4g + k: edt(8g+2k+1) and its
    // link edt(8g+2k+2).
    QStringList pictures, links;
    // The slides of the three groups as their memos mmo1 … mmo3 hold them:
    // what 提交第一组 … built, or typed.
    QStringList slides;

    ShiertulunboInput();
};

// The slide of a group (from 0): its four pictures side by side.
QString shiertulunboSlide(const ShiertulunboInput& input, int group);

// The carousel of the three slides with previous and next buttons.
QString shiertulunboSnippet(const ShiertulunboInput& input);

// Twelve pictures in three slides of four, each slide built into its own
// editable memo, with previous and next buttons.
class Tfrmshiertulunbo : public CarouselForm {
    Q_OBJECT
public:
    Tfrmshiertulunbo();

private:
    ShiertulunboInput input() const;
};

} // namespace generators
