#pragma once

#include "generators/carousels/carouselform.h"

namespace generators {

// Twelve pictures in three slides of four, each slide built into its own
// editable memo, with previous and next buttons.
class Tfrmshiertulunbo : public CarouselForm {
    Q_OBJECT
public:
    Tfrmshiertulunbo();

private:
    QString slide(int group) const;
    QString snippet() const;
};

} // namespace generators
