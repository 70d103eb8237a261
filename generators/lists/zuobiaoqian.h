#pragma once

#include "generators/lists/hovereffects.h"

namespace generators {

// A tabbed product showcase: a coloured column on the left with a title and
// four group names; three product pictures of the selected group on the right.
class Tfrmzuobiaoqian : public hover::HoverForm {
    Q_OBJECT
public:
    Tfrmzuobiaoqian();

private:
    QString snippet() const;
};

} // namespace generators
