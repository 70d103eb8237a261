#pragma once

#include "generators/lists/hovereffects.h"

namespace generators {

// Seven tiles under a 30 % black mask; the tile under the pointer shows at
// full brightness, with its link.
class Tfrmqitukaiguandeng : public hover::HoverForm {
    Q_OBJECT
public:
    Tfrmqitukaiguandeng();

private:
    QString snippet() const;
};

} // namespace generators
