#pragma once

#include "core/form.h"

namespace generators {

// Full-width poster carousel with a strip of thumbnails and arrows.
class Tfrmtonglansuotu : public core::Form {
    Q_OBJECT
public:
    Tfrmtonglansuotu();

private:
    QString snippet() const;
};

} // namespace generators
