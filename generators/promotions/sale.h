#pragma once

#include "core/form.h"

namespace generators {

class Tfrmsale : public core::Form {
    Q_OBJECT
public:
    Tfrmsale();
};

} // namespace generators
