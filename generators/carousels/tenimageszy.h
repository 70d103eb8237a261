#pragma once

#include "generators/carousels/carouselform.h"

namespace generators {

// Ten linked pictures in a 1920 px strip that scrolls without end, in its own
// full-width wrapper for the professional edition.
class TFrmtenimageszy : public CarouselForm {
    Q_OBJECT
public:
    TFrmtenimageszy();

private:
    QString snippet() const;
};

} // namespace generators
