#pragma once

#include "core/form.h"

namespace generators {

// Simple full-width poster carousel with arrows, fed by "|"-separated lists.
class Tfrmjianyuelunbo : public core::Form {
    Q_OBJECT
public:
    Tfrmjianyuelunbo();

private:
    QString snippet() const;
};

} // namespace generators
