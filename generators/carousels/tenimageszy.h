#pragma once

#include "generators/carousels/carouselform.h"

namespace generators {

// The fields of the endless ten-picture strip, as typed; the defaults are
// the window's.
struct TenimageszyInput {
    QString height;                     // edt1
    QString width;                      // edt2
    QString gap = QStringLiteral("10"); // edt23
    // Row k (from 0, top to bottom): its picture and its link.
    QStringList pictures, links;

    TenimageszyInput();
};

// The ten pictures in a 1920 px strip that scrolls without end, in the
// professional edition's full-width wrapper.
QString tenimageszySnippet(const TenimageszyInput& input);

// Ten linked pictures in a 1920 px strip that scrolls without end, in its own
// full-width wrapper for the professional edition.
class TFrmtenimageszy : public CarouselForm {
    Q_OBJECT
public:
    TFrmtenimageszy();

private:
    TenimageszyInput input() const;
};

} // namespace generators
