#pragma once

#include "core/form.h"

namespace generators {

// Three posters side by side (previous, current, next) with the side ones
// darkened and arrows between them.
class Tfrmsantulunbo : public core::Form {
    Q_OBJECT
public:
    Tfrmsantulunbo();

private:
    QString snippet() const;
};

} // namespace generators
