#pragma once

#include "core/form.h"

namespace generators {

// A customer-service bar: a "SERVICE" title, a pre-sales and an after-sales
// group of three named Wangwang buttons each, and the working hours.
class Tfrmkefu : public core::Form {
public:
    Tfrmkefu();

private:
    QString snippet() const;
};

} // namespace generators
