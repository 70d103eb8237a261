#pragma once

#include "generators/carousels/carouselform.h"

namespace generators {

// The fields of the star carousel, as the window holds them; the defaults
// are the window's.
struct LiutumingxingInput {
    // Written when the shop type changes: the block's width (lbl9) and the
    // large picture's (lbl10).
    QString width = QStringLiteral("950");
    QString pictureWidth = QStringLiteral("560");
    QString buttonColour = QStringLiteral("#3dc97f"); // edt31
    // Group k (from 0): large picture edt(5k+1), thumbnail edt(5k+2), link
    // edt(5k+3), title edt(5k+4), price edt(5k+5).
    QStringList pictures, thumbnails, links, titles, prices;

    LiutumingxingInput();
};

// The six thumbnails in two columns, the large picture lifted between them.
QString liutumingxingSnippet(const LiutumingxingInput& input);

// A large "star" picture between two columns of three thumbnails that
// switch it.
class Tfrmliutumingxing : public CarouselForm {
    Q_OBJECT
public:
    Tfrmliutumingxing();

private:
    LiutumingxingInput input() const;
};

} // namespace generators
