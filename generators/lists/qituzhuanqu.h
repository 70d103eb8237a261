#pragma once

#include "generators/lists/hovereffects.h"

namespace generators {

// Seven linked pictures in three rows around a text zone with a title, a text
// and a button into the zone.
class Tfrmqituzhuanqu : public hover::HoverForm {
    Q_OBJECT
public:
    Tfrmqituzhuanqu();

private:
    QString snippet() const;
};

} // namespace generators
