#pragma once

#include "core/form.h"

namespace generators {

// One 950 px wide picture that turns into a second one, with a link, while
// the pointer rests on it.
class TFrm950fanzhuan : public core::Form {
    Q_OBJECT
public:
    TFrm950fanzhuan();

private:
    QString snippet() const;
};

} // namespace generators
