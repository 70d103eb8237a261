#pragma once

#include "core/form.h"

namespace generators {

class Tfrmlike : public core::Form {
    Q_OBJECT
public:
    Tfrmlike();
};

} // namespace generators
