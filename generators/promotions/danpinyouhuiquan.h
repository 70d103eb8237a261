#pragma once

#include "core/form.h"

namespace generators {

// One product's coupon: its picture, a title, the amount, a "立即领取" button
// and a live countdown to the end day of the offer.
class Tfrmdanpinyouhuiquan : public core::Form {
public:
    Tfrmdanpinyouhuiquan();

private:
    QString snippet() const;
};

} // namespace generators
