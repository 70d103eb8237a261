#pragma once

#include "core/form.h"

namespace generators {

// A 180 px square side-column picture shown rotated by the shop skin, with a link.
class Tfrmfanzhuan190 : public core::Form {
    Q_OBJECT
public:
    Tfrmfanzhuan190();

private:
    QString snippet() const;
};

} // namespace generators
