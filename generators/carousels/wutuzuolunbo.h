#pragma once

#include "generators/carousels/carouselform.h"

namespace generators {

// A picture carousel on the left and four fixed square pictures on the right.
class Tfrmwutuzuolunbo : public CarouselForm {
    Q_OBJECT
public:
    Tfrmwutuzuolunbo();

private:
    QString snippet() const;
};

} // namespace generators
