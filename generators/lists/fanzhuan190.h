#pragma once

#include "core/form.h"

namespace generators {

// The fields of the side-column flip picture as typed; the defaults are the
// window's.
struct Fanzhuan190Input {
    QString picture =
        QStringLiteral("https://img.alicdn.com/imgextra/i1/qingwu/side-flip-180x180.png"); // edt1
    QString link;                                                                          // edt2
};

// The picture in the shop skin's frame, turned by 90 degrees, as a link.
QString fanzhuan190Snippet(const Fanzhuan190Input& input);

// A 180 px square side-column picture shown rotated by the shop skin, with a link.
class Tfrmfanzhuan190 : public core::Form {
    Q_OBJECT
public:
    Tfrmfanzhuan190();

private:
    Fanzhuan190Input input() const;
};

} // namespace generators
