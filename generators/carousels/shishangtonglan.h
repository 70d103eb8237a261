#pragma once

#include "core/form.h"

namespace generators {

// Full-width poster with a floating category column.
class Tfrmshishangtonglan : public core::Form {
    Q_OBJECT
public:
    Tfrmshishangtonglan();

private:
    QString snippet() const;
};

} // namespace generators
