#pragma once

#include "core/form.h"

namespace generators {

// The user's own header code with a small three-picture carousel laid over its
// right-hand side.
class Tfrmdianzhaolunbo : public core::Form {
    Q_OBJECT
public:
    Tfrmdianzhaolunbo();

private:
    QString snippet() const;
};

} // namespace generators
