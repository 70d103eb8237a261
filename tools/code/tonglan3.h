#pragma once

#include "tools/code/bannerconverter.h"

namespace tools {

// Wraps a snippet wider than the shop's content column so that it spans the
// whole browser window, for the three shop editions.
class Tfrmtonglan3 : public BannerConverter, public core::ConverterInput {
    Q_OBJECT
public:
    Tfrmtonglan3();

    void receive(const core::Handoff& handoff) override;

protected:
    QString converted() const override;
};

} // namespace tools
