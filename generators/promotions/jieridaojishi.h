#pragma once

#include "core/form.h"

namespace generators {

// A 100-px holiday strip: the holiday's name in a coloured box and a large
// day/hour/minute/second counter.
class TFrmjieridaojishi : public core::Form {
public:
    TFrmjieridaojishi();

private:
    QString snippet() const;
};

} // namespace generators
