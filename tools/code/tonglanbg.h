#pragma once

#include "tools/code/bannerconverter.h"

namespace tools {

// Puts a 1920 px wide background picture behind a narrower block centred on
// the page, for the three shop editions.
class Tfrmtonglanbg : public BannerConverter {
    Q_OBJECT
public:
    Tfrmtonglanbg();

protected:
    QString converted() const override;
};

} // namespace tools
