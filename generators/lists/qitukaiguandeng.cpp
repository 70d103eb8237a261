#include "generators/lists/qitukaiguandeng.h"
#include "core/messages.h"

#include "core/preview.h"
#include "core/registry.h"
#include "generators/lists/hovereffects.h"

#include <QGroupBox>

namespace generators {

namespace {

// Margins of tile k: the wide tile and two squares in the first row, four squares below.
QString margin(int k) {
    if (k == 1) return QString();
    if (k <= 3) return QStringLiteral(" margin-left:10px;");
    if (k == 4) return QStringLiteral(" margin-top:10px;");
    return QStringLiteral(" margin-top:10px; margin-left:10px;");
}

const hover::PopupHead kHead{QStringLiteral("<div class=\"J_TWidget hidden\" data-widget-type=\"Popup\" "
                                            "data-widget-config=\"{ 'trigger':'."),
                             QStringLiteral("', 'align':{ 'node':'."),
                             QStringLiteral("', 'offset':[0,0], 'points':['cc','cc'] } }\">")};

} // namespace

QitukaiguandengInput::QitukaiguandengInput() {
    for (int k = 1; k <= 7; ++k) {
        pictures << QStringLiteral("https://img.alicdn.com/imgextra/i1/qingwu/lights-%1.jpg").arg(k);
        links << QStringLiteral("#");
    }
}

Tfrmqitukaiguandeng::Tfrmqitukaiguandeng()
    : hover::HoverForm(QStringLiteral("Tfrmqitukaiguandeng"), QStringLiteral("七图开关灯效果")) {
    setClientSize(700, 590);
    const QitukaiguandengInput defaults;
    core::addPreviewPicture(this, QRect(0, 0, 700, 180), QStringLiteral("七图开关灯效果"));

    QGroupBox* output =
        addGroup(this, QStringLiteral("grp1"), QRect(8, 186, 684, 84), QStringLiteral("输出参数"));
    addShopCombo(output, QRect(10, 22, 80, 24));
    addShopSizes(
        output, QPoint(100, 22), 3,
        {{QStringLiteral("lbl2"), defaults.width, QStringLiteral("990"), QStringLiteral("版块宽度：")},
         {QStringLiteral("lbl3"), defaults.height, QStringLiteral("490"), QStringLiteral("版块高度：")},
         {QStringLiteral("lbl4"), QStringLiteral("470"), QStringLiteral("490"), QStringLiteral("大图宽度：")},
         {QStringLiteral("lbl5"), defaults.tile, QStringLiteral("240"), QStringLiteral("大图高度：")},
         {QStringLiteral("lbl6"), QStringLiteral("230"), QStringLiteral("240"), QStringLiteral("小图宽度:")},
         {QStringLiteral("lbl7"), QStringLiteral("230"), QStringLiteral("240"), QStringLiteral("高度：")}});
    addButton(output, QStringLiteral("btn1"), QRect(580, 22, 90, 34), QStringLiteral("提取代码"));

    QGroupBox* pictures =
        addGroup(this, QStringLiteral("grp2"), QRect(8, 276, 684, 306), QStringLiteral("图片参数"));
    for (int k = 1; k <= 7; ++k) {
        const int y = 20 + 40 * (k - 1);
        addCaption(pictures, QRect(10, y, 80, 22), QStringLiteral("图片%1地址：").arg(k));
        addEdit(pictures, hover::tilePictureField(k), QRect(90, y, 320, 24), defaults.pictures[k - 1]);
        addCaption(pictures, QRect(420, y, 80, 22), QStringLiteral("链接%1地址：").arg(k));
        addEdit(pictures, hover::tileLinkField(k), QRect(500, y, 174, 24), defaults.links[k - 1]);
    }

    addPopupHolders(QStringLiteral("lbl10"), QStringLiteral("lbl11"), QStringLiteral("lbl12"), kHead);
    addOutputMemo(QStringLiteral("mmo1"), {QStringLiteral("mmo1")});

    on(QStringLiteral("btn1Click"),
       [this] { deliver(QStringLiteral("mmo1"), qitukaiguandengSnippet(input()), core::kCopiedForShop); });
}

QitukaiguandengInput Tfrmqitukaiguandeng::input() const {
    QitukaiguandengInput in;
    in.width = text(QStringLiteral("lbl2"));
    in.height = text(QStringLiteral("lbl3"));
    in.tile = text(QStringLiteral("lbl5"));
    for (int k = 1; k <= 7; ++k) {
        in.pictures[k - 1] = text(hover::tilePictureField(k));
        in.links[k - 1] = text(hover::tileLinkField(k));
    }
    return in;
}

QString qitukaiguandengSnippet(const QitukaiguandengInput& in) {
    const QString& w = in.width;
    const QString& h = in.height;
    const QString& s = in.tile;
    // The wide tile is as wide as the block is high; the others are squares.
    auto width = [&](int k) { return k == 1 ? h : s; };

    QString out = QStringLiteral("<div style=\"width:") + w + QStringLiteral("px; height:") + h +
                  QStringLiteral("px;overflow:hidden\">") + QStringLiteral("<div style=\"width:") + w +
                  QStringLiteral("px; height:") + h + QStringLiteral("px;\">");
    // The pictures.
    out += QStringLiteral("<div style=\"width:") + h + QStringLiteral("px; height:") + s +
           QStringLiteral("px; float:left;\"><img src=\"") + in.pictures[0] + QStringLiteral("\" width=\"") +
           h + QStringLiteral("\" height=\"") + s + QStringLiteral("\" /></div>");
    for (int k = 2; k <= 7; ++k)
        out += QStringLiteral("<div style=\"width:") + s + QStringLiteral("px; height:") + s +
               QStringLiteral("px; float:left;") + margin(k) + QStringLiteral("\"><img src=\"") +
               in.pictures[k - 1] + QStringLiteral("\"  width=\"") + s + QStringLiteral("\" height=\"") + s +
               QStringLiteral("\"/></div>");
    out += QStringLiteral("</div>");
    // The masks, moved up over the pictures.
    out += QStringLiteral("<div style=\"width:") + w + QStringLiteral("px; height:") + h +
           QStringLiteral("px; position:relative; left:auto; top:-") + h + QStringLiteral("px\">");
    for (int k = 1; k <= 7; ++k)
        out += QStringLiteral("<div class=\"kavri_24_%1\"").arg(k) +
               (k == 1 ? QStringLiteral(" ") : QStringLiteral("  ")) + QStringLiteral("style=\"width:") +
               width(k) + QStringLiteral("px; height:") + s + QStringLiteral("px; float:left;") + margin(k) +
               QStringLiteral(" background-color:#000;filter:alpha(Opacity=30); opacity: 0.3;") +
               (k == 4 || k == 5 ? QStringLiteral(" cursor:pointer;") : QStringLiteral("cursor:pointer; ")) +
               QStringLiteral("\"></div>");
    out += QStringLiteral("</div>");
    // Each popup shows its tile undimmed, as a link.
    for (int k = 1; k <= 7; ++k)
        out += kHead.of(QStringLiteral("kavri_24_%1").arg(k)) + QStringLiteral("<div style=\"width:") +
               width(k) + QStringLiteral("px; height:") + s + QStringLiteral("px;\">") +
               QStringLiteral("<a href=\"") + in.links[k - 1] +
               QStringLiteral("\" target=\"_blank\"><img src=\"") + in.pictures[k - 1] +
               QStringLiteral("\" width=\"") + width(k) + QStringLiteral("\" height=\"") + s +
               QStringLiteral("\" /></a></div></div>");
    return out + QStringLiteral("</div>");
}

QINGWU_WINDOW(
    Tfrmqitukaiguandeng,
    {.order = 520,
     .tile = core::Tile{.page = u"ts8", .row = 4, .column = 3, .image = u"img63", .caption = u"七图开关灯"},
     .preview = core::ShopPreview{.place = core::Place::Home, .shopType = u"cbb1"},
     .sample = [] { return qitukaiguandengSnippet(QitukaiguandengInput()); }})

} // namespace generators
