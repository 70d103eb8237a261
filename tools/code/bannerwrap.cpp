#include "tools/code/bannerwrap.h"

#include "core/text.h"

namespace tools {

namespace {

// The middle layer: centred on the page, sized to the banner.
const QString kLayerTail = QStringLiteral(
    "right:auto;top:auto;padding:0;border:none;left:auto;z-index:1;background-color: transparent; \">");

} // namespace

QString wrapBanner(core::Edition edition, const BannerLayers& layers, const QString& code) {
    const QString& typed = layers.width;
    const double width = core::parseFloat(typed);
    const QString tmallOffset = core::formatFloat(core::finite((width - 990) * 0.5, typed));
    const QString professionalOffset = core::formatFloat(core::finite((width - 950) * 0.5, typed));
    const QString basicOffset =
        core::formatFloat(core::finite(core::parseFloat(professionalOffset) + 200, typed));
    const QString& w = layers.width;
    const QString& h = layers.height;

    QString out;
    if (edition == core::Edition::Tmall) {
        out += QStringLiteral("<div style=\"height:") + layers.reserved + QStringLiteral("px;\">");
        out += QStringLiteral("<div class=\"sn-simple-logo\" style=\"left:50%;width:") + w;
        out += QStringLiteral("px;height:") + h + QStringLiteral("px;") + kLayerTail;
        out += QStringLiteral("<div class=\"sn-simple-logo\" style=\"left:-") + tmallOffset;
        out += QStringLiteral("px;top:") + layers.top +
               QStringLiteral(";border:none;padding:0;background-color: transparent; \">");
    } else {
        const bool basic = edition == core::Edition::Basic;
        out += QStringLiteral("<div  style=\"height:") + layers.reserved +
               (basic && !layers.basicUnit ? QStringLiteral("\">") : QStringLiteral("px;\">"));
        out += QStringLiteral("<div class=\"most-footer footer-more-trigger\" style=\"left:50%;width:") + w;
        out += QStringLiteral("px;height:") + h + QStringLiteral("px;") + kLayerTail + QStringLiteral(" ");
        out += QStringLiteral("<div class=\"most-footer footer-more-trigger\" style=\"left:-") +
               (basic ? basicOffset : professionalOffset);
        out += QStringLiteral("px;top:") + layers.top + QStringLiteral(";border:none;padding:0;") +
               QStringLiteral("background-color: transparent; \">");
    }
    out += code;
    out += QStringLiteral("</div></div></div>");
    return out;
}

} // namespace tools
