#pragma once

#include "core/form.h"

namespace generators {

// Six pictures in an irregular grid: one tall picture, a column of two
// squares, and two squares over one wide picture; previewed in the default
// browser before it is copied.
class Tfrmltbgz : public core::Form {
    Q_OBJECT
public:
    Tfrmltbgz();

private:
    QString snippet() const;
};

} // namespace generators
