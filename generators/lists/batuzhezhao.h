#pragma once

#include "generators/lists/hovereffects.h"

namespace generators {

// Eight tiles (a tall one left, three columns of two squares, a tall one
// right); a second picture with its link covers a tile under the pointer.
class Tfrmbatuzhezhao : public hover::HoverForm {
    Q_OBJECT
public:
    Tfrmbatuzhezhao();

private:
    QString snippet() const;
};

} // namespace generators
