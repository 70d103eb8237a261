#pragma once

#include "core/form.h"

namespace generators {

// Linked poster with falling-snow animations along both edges.
class Tfrmxuehua : public core::Form {
    Q_OBJECT
public:
    Tfrmxuehua();

private:
    QString snippet() const;
};

} // namespace generators
