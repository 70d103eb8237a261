#pragma once

#include "generators/carousels/heldsnippet.h"

namespace generators {

// Full-width poster carousel with numbered square buttons, fed by
// "|"-separated lists.
class Tfrmfangkuai : public HeldSnippetForm {
    Q_OBJECT
public:
    Tfrmfangkuai();

private:
    QString snippet() const;
};

} // namespace generators
