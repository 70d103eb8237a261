#pragma once

#include "core/form.h"

namespace generators {

// Full-width poster carousel with a tab per slide.
class Tfrmlunbo : public core::Form {
    Q_OBJECT
public:
    Tfrmlunbo();

private:
    QString snippet(int slides) const;
};

} // namespace generators
