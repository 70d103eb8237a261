#pragma once

#include "core/handoff.h"

#include <QString>

namespace tools {

// The three nested layers that let a block wider than the shop's content
// column span the browser window: W and H the block's size, `reserved` the
// outer layer's height, `top` the inner layer's vertical offset ("0px").
// The basic edition's outer height carries its "px;" only when `basicUnit`
// is set. The width is parsed first: a width that is not a number fails
// before anything is built.
struct BannerLayers {
    QString width, height, reserved, top;
    bool basicUnit = true;
};
QString wrapBanner(core::Edition edition, const BannerLayers& layers, const QString& code);

} // namespace tools
