#pragma once

#include "core/form.h"

namespace app {

// The compact toolbar: a borderless strip at the top of the screen.
class Tfrmmini : public core::Form {
    Q_OBJECT
public:
    Tfrmmini();
};

} // namespace app
