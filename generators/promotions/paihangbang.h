#pragma once

#include "core/form.h"

namespace generators {

// A top-sellers list of five products for the 190 px side column: an
// accordion that opens one product under the mouse.
class Tfrmpaihangbang : public core::Form {
    Q_OBJECT
public:
    Tfrmpaihangbang();

private:
    QString snippet() const;
};

} // namespace generators
