#pragma once

#include "generators/carousels/carouselform.h"

namespace generators {

// A large "star" picture between two columns of three thumbnails that
// switch it.
class Tfrmliutumingxing : public CarouselForm {
    Q_OBJECT
public:
    Tfrmliutumingxing();

private:
    QString snippet() const;
};

} // namespace generators
