#pragma once

#include "core/form.h"

namespace generators {

// Layered theme carousel: full-width backgrounds slide sideways while centred
// foreground pictures slide up and down in step.
class TfrmLBfenceng : public core::Form {
    Q_OBJECT
public:
    TfrmLBfenceng();

private:
    QString snippet() const;
};

} // namespace generators
