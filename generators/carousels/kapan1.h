#pragma once

#include "generators/carousels/carouselform.h"

namespace generators {

// Five product cards switched from a strip of their thumbnails.
class Tfrmkapan1 : public CarouselForm {
    Q_OBJECT
public:
    Tfrmkapan1();

private:
    QString snippet() const;
};

} // namespace generators
