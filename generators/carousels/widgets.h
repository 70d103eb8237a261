#pragma once

#include "core/addresses.h"

#include <QString>

// Markup shared by the multi-image and card carousels.
namespace generators::widgets {

// A Carousel widget element whose panels lie in `content` and whose triggers
// (labels, thumbnails) lie in `nav`.
inline QString carousel(const QString& content, const QString& nav) {
    return QStringLiteral(
               "<div class=\"J_TWidget\" data-widget-type=\"Carousel\" data-widget-config=\"{'effect': "
               "'scrollx','contentCls':'") +
           content + QStringLiteral("','navCls':'") + nav + QStringLiteral("', 'autoplay':true}\">");
}

// The circular Carousel element over the list "content" with the triggers
// "nav" switched on hover, followed by a line feed and a tab.
inline QString circular(const QString& easing, const QString& duration, const QString& interval) {
    return QStringLiteral("<div class=\"J_TWidget\" data-widget-config=\"{'effect': "
                          "'scrollx','triggerType':'mouse','circular':true,'easing': '") +
           easing + QStringLiteral("','duration':") + duration + QStringLiteral(",'interval':") + interval +
           QStringLiteral(
               ",'prevBtnCls':'prev','nextBtnCls':'next','navCls':'nav','contentCls':'content',"
               "'activeTriggerCls':'active','autoplay':true}\" data-widget-type=\"Carousel\">\n\t");
}

// The outer block of a circular carousel: our name and shop address in its
// title, then its style.
inline QString creditBox(const QString& style) {
    return QStringLiteral("<div data-title=\"青梧360-店铺装修软件 ") + core::addresses::shop +
           QStringLiteral("\" style=\"") + style + QStringLiteral("\">");
}

// The list of a circular carousel, wide enough for any number of pictures.
inline QString circularList() {
    return QStringLiteral(
        "<ul class=\"content\" style=\"width: 999999px; left: 0px; position: absolute; \">");
}

// A sample picture on the marketplace's image host.
inline QString samplePicture(const QString& file) {
    return QStringLiteral("https://img.alicdn.com/imgextra/i1/qingwu/") + file;
}

} // namespace generators::widgets
