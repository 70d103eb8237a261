#include "generators/carousels/wutuzuolunbo.h"

#include "core/messages.h"
#include "core/preview.h"
#include "core/registry.h"
#include "generators/carousels/widgets.h"

#include <QGroupBox>

namespace generators {

namespace {

const QString kWidget =
    QStringLiteral("<div class=\"J_TWidget\" data-widget-type=\"Carousel\" data-widget-config=\"{'effect': "
                   "'scrollx','contentCls':'kavri_130cont','prevBtnCls': 'kavri_130shang',\r\n 'nextBtnCls': "
                   "'kavri_130xia','navCls':'kavri_130nav', 'autoplay':true}\">");

const QString kPrevious = QStringLiteral(
    "<div class=\"kavri_130shang\" style=\"width:40px; height:80px; font-family:Simhei; font-size:30px; "
    "background-color:#000; text-align:center; line-height:80px; position:relative; left:auto; "
    "top:-300px;color:#FFF;cursor:pointer;filter:alpha(Opacity=30); opacity: 0.3;\"><</div>");
const QString kNext = QStringLiteral(
    "<div class=\"kavri_130xia\" style=\"width:40px; height:80px; font-family:Simhei; font-size:30px; "
    "background-color:#000; text-align:center; line-height:80px;position:relative; right:auto; top:-380px; "
    "float:right; color:#FFF;cursor:pointer;filter:alpha(Opacity=30); opacity: 0.3;\">></div>");

// Design names of carousel picture k (1-based) and its link; the squares
// follow at 8 higher.
QString pictureField(int k) {
    return QStringLiteral("edt%1").arg(2 * k - 1);
}
QString linkField(int k) {
    return QStringLiteral("edt%1").arg(2 * k);
}

// The margins of the 2 x 2 grid of squares, 10 px apart.
const QString kSquareMargins[] = {QString(), QStringLiteral("margin-left:10px;"),
                                  QStringLiteral("margin-top:10px;"),
                                  QStringLiteral("margin-left:10px;margin-top:10px;")};

} // namespace

Tfrmwutuzuolunbo::Tfrmwutuzuolunbo()
    : CarouselForm(QStringLiteral("Tfrmwutuzuolunbo"), QStringLiteral("五图排版左图轮播")) {
    setClientSize(773, 513);
    const WutuzuolunboInput defaults;
    core::addPreviewPicture(this, QRect(0, 0, 773, 140), QStringLiteral("五图排版左图轮播"));

    const QString groupCaptions[] = {QStringLiteral("轮播图"), QStringLiteral("右侧小图")};
    for (int g = 0; g < 2; ++g) {
        QGroupBox* group = addGroup(this, QStringLiteral("grp%1").arg(g + 2),
                                    QRect(8 + 382 * g, 146, 375, 270), groupCaptions[g]);
        for (int k = 1; k <= 4; ++k) {
            const int y = 24 + 60 * (k - 1);
            addCaption(group, QRect(8, y, 80, 22), QStringLiteral("图片%1地址：").arg(k));
            addEdit(group, pictureField(k + 4 * g), QRect(88, y, 277, 24),
                    (g == 0 ? defaults.pictures : defaults.squares)[k - 1]);
            addCaption(group, QRect(8, y + 26, 80, 22), QStringLiteral("链接地址："));
            addEdit(group, linkField(k + 4 * g), QRect(88, y + 26, 277, 24),
                    (g == 0 ? defaults.links : defaults.squareLinks)[k - 1]);
        }
    }

    QGroupBox* output =
        addGroup(this, QStringLiteral("grp1"), QRect(8, 422, 661, 83), QStringLiteral("输出"));
    addShopType(output, QRect(10, 30, 90, 24),
                {{QStringLiteral("lbl1"), QStringLiteral("400"), QStringLiteral("440")},
                 {QStringLiteral("lbl2"), QStringLiteral("950"), QStringLiteral("990")}});
    addCaption(output, QRect(114, 32, 84, 22), QStringLiteral("轮播图大小："));
    addLabel(output, QStringLiteral("lbl1"), QRect(198, 32, 30, 22), defaults.carouselWidth);
    addCaption(output, QRect(228, 32, 250, 22), QStringLiteral("*540    右侧小图：265*265"));
    addButton(output, QStringLiteral("btn2"), QRect(500, 24, 146, 36), QStringLiteral("生成代码"));
    addButton(this, QStringLiteral("btn1"), QRect(677, 422, 88, 83), QStringLiteral("参照图"));

    addReferencePanel(QRect(8, 146, 757, 270), QStringLiteral("五图排版左图轮播参照"), QString(),
                      QStringLiteral("btn1MouseMove"), QStringLiteral("grp1MouseMove"));
    // The total width lies outside the client area.
    addHolder(QStringLiteral("lbl2"), defaults.width);
    addOutputMemo(QStringLiteral("mmo1"), {QStringLiteral("mmo1")});
    addHolder(QStringLiteral("lbl6"), kWidget);

    on(QStringLiteral("btn2Click"),
       [this] { deliver(QStringLiteral("mmo1"), wutuzuolunboSnippet(input()), core::kCopiedForShop); });
}

WutuzuolunboInput::WutuzuolunboInput()
    : links(4, QStringLiteral("#"))
    , squareLinks(4, QStringLiteral("#")) {
    for (int k = 1; k <= 4; ++k) {
        pictures << widgets::samplePicture(QStringLiteral("left-400x540-%1.jpg").arg(k));
        squares << widgets::samplePicture(QStringLiteral("square-265-%1.jpg").arg(k));
    }
}

WutuzuolunboInput Tfrmwutuzuolunbo::input() const {
    WutuzuolunboInput in;
    in.width = text(QStringLiteral("lbl2"));
    in.carouselWidth = text(QStringLiteral("lbl1"));
    for (int k = 1; k <= 4; ++k) {
        in.pictures[k - 1] = text(pictureField(k));
        in.links[k - 1] = text(linkField(k));
        in.squares[k - 1] = text(pictureField(k + 4));
        in.squareLinks[k - 1] = text(linkField(k + 4));
    }
    return in;
}

QString wutuzuolunboSnippet(const WutuzuolunboInput& in) {
    const QString& t = in.width;
    const QString& w = in.carouselWidth;

    QString out = QStringLiteral("<div style=\"width:") + t +
                  QStringLiteral("px; height:540px; background-color:#FFF\">");
    out += QStringLiteral("<div style=\"width:") + w + QStringLiteral("px; height:540px; float:left\">");
    out += kWidget;
    out += QStringLiteral("<div style=\"width:") + w +
           QStringLiteral("px; height:540px; overflow:hidden\"><div class=\"kavri_130cont\">");
    for (int k = 1; k <= 4; ++k)
        out += QStringLiteral("<div style=\"width:") + w + QStringLiteral("px; height:540px;\"><a href=\"") +
               in.links[k - 1] + QStringLiteral("\" target=\"_blank\"><img src=\"") + in.pictures[k - 1] +
               QStringLiteral("\" width=\"") + w + QStringLiteral("\" height=\"540\"></a></div>");
    out += QStringLiteral("</div></div>");
    out += kPrevious;
    out += kNext;
    out += QStringLiteral("</div></div>");

    // The right column: four 265 px squares in a 2 x 2 grid.
    out += QStringLiteral("<div style=\"width:540px; height:540px; float:left; margin-left:10px;\">");
    for (int k = 1; k <= 4; ++k)
        out += QStringLiteral("<div style=\"width:265px; height:265px; float:left;") + kSquareMargins[k - 1] +
               QStringLiteral("\"><a href=\"") + in.squareLinks[k - 1] +
               QStringLiteral("\" target=\"_blank\"><img src=\"") + in.squares[k - 1] +
               QStringLiteral("\" width=\"265\" height=\"265\"></a></div>");
    out += QStringLiteral("</div></div>");
    return out;
}

QINGWU_WINDOW(
    Tfrmwutuzuolunbo,
    {.order = 430,
     .tile = core::Tile{.page = u"ts8", .row = 1, .column = 2, .image = u"img58", .caption = u"五图左图轮播"},
     .preview = core::ShopPreview{.place = core::Place::Home, .shopType = u"cbb1"},
     .sample = [] { return wutuzuolunboSnippet(WutuzuolunboInput()); }})

} // namespace generators
