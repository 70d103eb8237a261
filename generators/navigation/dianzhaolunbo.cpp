#include "generators/navigation/dianzhaolunbo.h"

#include "core/messages.h"
#include "core/registry.h"
#include "core/text.h"

#include <QGroupBox>

namespace generators {

namespace {

// The carousel widget, its 250 x 100 frame lifted into the header.
const QString kCarouselHead = QStringLiteral(
    "<div style=\"width:250px; height:100px; position:relative; float:right; top:-115px; right:10px; "
    "color:#FFF;overflow:hidden; \">\r\n<div class=\"J_TWidget\"  data-widget-type=\"Carousel\"  "
    "\r\ndata-widget-config=\"{'effect': 'scrollx',\r\n 'contentCls':'kavri_26_cont',\r\n "
    "'prevBtnCls':'kavri_26_shang',\r\n 'nextBtnCls':'kavri_26_xia',\r\n'easing':'elasticOut',\r\n "
    "'autoplay':'true'\r\n}\">\r\n  <div style=\"width:250px; height:100px;float:left\">\r\n  <div "
    "class=\"kavri_26_cont\">");

// The previous and next buttons and the closing of the carousel.
const QString kCarouselTail = QStringLiteral(
    "</div>\r\n  </div>\r\n  <div class=\"kavri_26_shang\" style=\"width:25px; height:25px; text-align:center; "
    "font-family:Simhei; font-size:15px;float:left;cursor:pointer;border-radius:50px;\r\n-moz-border-radius:50px; "
    "background-color:#666; line-height:25px;position:relative; top:-60px; left:10px;filter:alpha(Opacity=70); "
    "opacity: 0.7; \"><</div>\r\n  <div class=\"kavri_26_xia\"  style=\"width:25px; height:25px; "
    "text-align:center; line-height:25px; font-family:Simhei; "
    "font-size:15px;float:right;cursor:pointer;border-radius:50px;\r\n-moz-border-radius:50px; "
    "background-color:#666; line-height:25px;position:relative; top:-60px; right:10px;filter:alpha(Opacity=70); "
    "opacity: 0.7; \">></div>\r\n</div>\r\n</div>");

} // namespace

Tfrmdianzhaolunbo::Tfrmdianzhaolunbo()
    : core::Form(QStringLiteral("Tfrmdianzhaolunbo"), QStringLiteral("集市店天猫店通用 - 店招带轮播功能")) {
    setClientSize(700, 440);
    const DianzhaolunboInput defaults;

    QGroupBox* output = addGroup(this, QStringLiteral("grp1"), QRect(10, 8, 680, 60), QStringLiteral("输出"));
    addCaption(output, QRect(12, 26, 300, 22), QStringLiteral("轮播小图尺寸：250*100px"));
    addButton(output, QStringLiteral("btn1"), QRect(540, 18, 120, 34), QStringLiteral("提取代码"));

    QGroupBox* header =
        addGroup(this, QStringLiteral("grp2"), QRect(10, 74, 680, 160), QStringLiteral("店招自定义代码"));
    addCaption(header, QRect(12, 22, 300, 20), QStringLiteral("支持自定义HTML代码"));
    addMemo(header, QStringLiteral("mmo1"), QRect(12, 44, 656, 104), core::textLines(defaults.header));

    QGroupBox* slides =
        addGroup(this, QStringLiteral("grp3"), QRect(10, 240, 680, 190), QStringLiteral("小轮播参数"));
    for (int k = 1; k <= 3; ++k) {
        const int y = 26 + 52 * (k - 1);
        addCaption(slides, QRect(12, y + 2, 80, 22), QStringLiteral("图片%1地址：").arg(k));
        addEdit(slides, QStringLiteral("edt%1").arg(2 * k - 1), QRect(92, y, 576, 24), defaults.pictures[k - 1]);
        addCaption(slides, QRect(12, y + 28, 80, 20), QStringLiteral("链接%1地址：").arg(k));
        addEdit(slides, QStringLiteral("edt%1").arg(2 * k), QRect(92, y + 26, 576, 22), defaults.links[k - 1]);
    }

    addOutputMemo(QStringLiteral("mmo2"), {QStringLiteral("mmo2")});

    on(QStringLiteral("btn1Click"), [this] { deliver(QStringLiteral("mmo2"), dianzhaolunboSnippet(input()), core::kCopiedForShop); });
}

DianzhaolunboInput Tfrmdianzhaolunbo::input() const {
    DianzhaolunboInput in;
    in.header = text(QStringLiteral("mmo1"));
    for (int k = 1; k <= 3; ++k) {
        in.pictures[k - 1] = text(QStringLiteral("edt%1").arg(2 * k - 1));
        in.links[k - 1] = text(QStringLiteral("edt%1").arg(2 * k));
    }
    return in;
}

QString dianzhaolunboSnippet(const DianzhaolunboInput& in) {
    QString out = QStringLiteral("<div style=\"height:120px; font-size:14px;\">") + in.header;
    out += kCarouselHead;
    for (int k = 0; k < 3; ++k)
        out += QStringLiteral("<div style=\"width:250px; height:100px;background-color:#000; float:left\"><a "
                              "href=\"") +
               in.links.value(k) + QStringLiteral("\" target=\"_blank\"><img src=\"") + in.pictures.value(k) +
               QStringLiteral("\" width=\"250\" height=\"100\"/></a></div>");
    return out + kCarouselTail;
}

QINGWU_WINDOW(
    Tfrmdianzhaolunbo,
    {.order = 320,
     .tile = core::Tile{.page = u"ts7", .row = 2, .column = 3, .image = u"img13", .caption = u"店招带轮播"},
     .preview = core::ShopPreview{.place = core::Place::Sign},
     .sample = [] { return dianzhaolunboSnippet(DianzhaolunboInput()); }})

} // namespace generators
