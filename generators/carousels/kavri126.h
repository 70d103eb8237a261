#pragma once

#include <QString>

// Pieces shared by the full-width poster carousels built on the "kavri_126"
// classes (the thumbnail carousel and the simple carousel with arrows).
namespace generators::kavri126 {

// The Carousel widget element with its configuration.
inline QString widget() {
    return QStringLiteral(
        "<div class=\"J_TWidget\" data-widget-type=\"Carousel\" "
        "data-widget-config=\"{'effect': 'scrollx','contentCls':'kavri_126cont','navCls':'kavri_"
        "126nav','easing':'backOut','duration':'0.5','delay':'0.2', 'prevBtnCls': "
        "'kavri_126shang', 'nextBtnCls': 'kavri_126xia','autoplay':true}\">");
}

// A 1920 px box of the given height that clips what overflows it.
inline QString box(const QString& height) {
    return QStringLiteral("<div style=\"width:1920px; height:") + height +
           QStringLiteral("px; overflow:hidden\">");
}

// The clipping box with the panel container inside.
inline QString panels(const QString& height) {
    return box(height) + QStringLiteral("<div class=\"kavri_126cont\">");
}

// One linked 1920 px poster.
inline QString slide(const QString& height, const QString& link, const QString& picture) {
    return QStringLiteral("<div style=\"width:1920px; height:") + height +
           QStringLiteral("px;\"><a href=\"") + link + QStringLiteral("\" target=\"_blank\"><img src=\"") +
           picture + QStringLiteral("\"  width=\"1920\" height=\"") + height +
           QStringLiteral("\"/></a></div>");
}

} // namespace generators::kavri126
