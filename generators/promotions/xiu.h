#pragma once

#include "core/form.h"

namespace generators {

// The buyer show: a red-framed table in which five buyer reviews scroll upwards.
class TFrmxiu : public core::Form {
    Q_OBJECT
public:
    TFrmxiu();

private:
    QString snippet() const;
};

} // namespace generators
