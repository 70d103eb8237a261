#pragma once

#include "generators/carousels/carouselform.h"

namespace generators {

// Five slides of two large pictures each, switched from a central column of
// five labels under a heading.
class Tfrmliangcelunbo : public CarouselForm {
    Q_OBJECT
public:
    Tfrmliangcelunbo();

private:
    QString snippet() const;
};

} // namespace generators
