#pragma once

#include "core/form.h"

namespace generators {

class Tfrmbeijing : public core::Form {
    Q_OBJECT
public:
    Tfrmbeijing();
};

} // namespace generators
