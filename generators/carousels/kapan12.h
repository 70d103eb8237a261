#pragma once

#include "generators/carousels/carouselform.h"

namespace generators {

// Twelve large pictures in a circular carousel beside a grid of their
// thumbnails, for the 950 px home page.
class TFrmkapan12 : public CarouselForm {
    Q_OBJECT
public:
    TFrmkapan12();

private:
    QString snippet() const;
};

} // namespace generators
