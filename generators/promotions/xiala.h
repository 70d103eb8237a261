#pragma once

#include "core/form.h"

namespace generators {

class Tfrmxiala : public core::Form {
    Q_OBJECT
public:
    Tfrmxiala();
};

} // namespace generators
