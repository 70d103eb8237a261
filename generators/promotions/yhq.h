#pragma once

#include "core/form.h"

namespace core {
class Browser;
}

namespace generators {

// A full-width strip of four shop coupons on plain colours or pictures, with
// five colour presets and a preview in the window's web view.
class Tfrmyhq : public core::Form {
public:
    Tfrmyhq();

private:
    QString couponBlock(int coupon) const;

    core::Browser* m_browser = nullptr;
};

} // namespace generators
