#pragma once

#include "core/form.h"

namespace generators {

// Full-width picture carousel overlaid on its left by a column holding a
// five-entry accordion of custom HTML.
class TfrmLBzhankai : public core::Form {
    Q_OBJECT
public:
    TfrmLBzhankai();

private:
    QString snippet() const;
};

} // namespace generators
