#pragma once

#include "core/form.h"

namespace generators {

// Full-width poster carousel with numbered square buttons, fed by
// "|"-separated lists.
class Tfrmfangkuai : public core::Form {
    Q_OBJECT
public:
    Tfrmfangkuai();

private:
    QString snippet() const;
};

} // namespace generators
