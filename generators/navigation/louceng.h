#pragma once

#include "core/form.h"
#include "generators/navigation/navigation.h"

namespace generators {

// Five floor bars for a long shop page: each bar carries its floor's anchor,
// marks its own floor and links the other four to their bars.
class TFrmlouceng : public core::Form {
    Q_OBJECT
public:
    TFrmlouceng();

private:
    QString floorBar(int floor) const;
    QString previewBar() const;

    core::Browser* m_browser = nullptr;
};

// A start link to a named anchor and the anchor itself.
class Tfrmmaodian : public core::Form {
    Q_OBJECT
public:
    Tfrmmaodian();
};

} // namespace generators
