#pragma once

#include "core/form.h"

namespace generators {

// Three 1920 x 450 posters switched from a column of three custom blocks.
class Tfrmsantulunbo2 : public core::Form {
    Q_OBJECT
public:
    Tfrmsantulunbo2();

private:
    QString snippet() const;
};

} // namespace generators
