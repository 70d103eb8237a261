#pragma once

#include "generators/carousels/heldsnippet.h"

namespace generators {

// Simple full-width poster carousel with arrows, fed by "|"-separated lists.
class Tfrmjianyuelunbo : public HeldSnippetForm {
    Q_OBJECT
public:
    Tfrmjianyuelunbo();

private:
    QString snippet() const;
};

} // namespace generators
