#pragma once

#include "generators/lists/hovereffects.h"

namespace generators {

// Ten square tiles in two rows; an enlarged copy with its link opens over the
// tile under the pointer.
class Tfrmshitufangdajing : public hover::HoverForm {
    Q_OBJECT
public:
    Tfrmshitufangdajing();

private:
    QString snippet() const;
};

} // namespace generators
