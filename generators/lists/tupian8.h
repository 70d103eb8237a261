#pragma once

#include "core/form.h"

namespace generators {

// Eight products in two rows of four, each picture with a coloured word and a
// price under it.
class Tfrmtupian8 : public core::Form {
    Q_OBJECT
public:
    Tfrmtupian8();

private:
    QString snippet() const;
};

} // namespace generators
