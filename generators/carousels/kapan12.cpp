#include "generators/carousels/kapan12.h"

#include "core/messages.h"
#include "core/preview.h"
#include "core/registry.h"
#include "core/text.h"
#include "generators/carousels/widgets.h"

#include <QGroupBox>

namespace generators {

namespace {

// Design names of row k (1-based): picture edt<k>, link edt<25 - k>.
QString pictureField(int k) {
    return QStringLiteral("edt%1").arg(k);
}
QString linkField(int k) {
    return QStringLiteral("edt%1").arg(25 - k);
}

// The pictures' fixed width, shown by lbl6.
const QString kWidth = QStringLiteral("413");

// The pictures' carousel, held by lbl7.
const QString kWidget =
    widgets::circular(QStringLiteral("easeBothStrong"), QStringLiteral("0.5"), QStringLiteral("2"));

} // namespace

TFrmkapan12::TFrmkapan12()
    : CarouselForm(QStringLiteral("TFrmkapan12"), QStringLiteral("集市店版12图卡盘效果")) {
    setClientSize(1083, 617);
    const Kapan12Input defaults;

    QGroupBox* sizes =
        addGroup(this, QStringLiteral("grp1"), QRect(8, 8, 600, 64), QStringLiteral("参数设置"));
    addCaption(sizes, QRect(10, 28, 70, 22), QStringLiteral("图片宽度："));
    addLabel(sizes, QStringLiteral("lbl6"), QRect(80, 28, 30, 22), kWidth);
    addCaption(sizes, QRect(110, 28, 50, 22), QStringLiteral("px(固定)"));
    addCaption(sizes, QRect(170, 28, 70, 22), QStringLiteral("图片高度："));
    addEdit(sizes, QStringLiteral("edt25"), QRect(240, 26, 60, 24), defaults.height);
    addCaption(sizes, QRect(310, 28, 70, 22), QStringLiteral("小图高度："));
    addLabel(sizes, QStringLiteral("lbl9"), QRect(380, 28, 40, 22), defaults.thumbnailHeight);
    addButton(sizes, QStringLiteral("btn2"), QRect(430, 20, 60, 34), QStringLiteral("清空"));
    addButton(sizes, QStringLiteral("btn1"), QRect(496, 20, 96, 34), QStringLiteral("生成/复制代码"));

    QGroupBox* rows =
        addGroup(this, QStringLiteral("grp2"), QRect(8, 78, 600, 531), QStringLiteral("图片参数"));
    addPictureRows(rows, 12, {22, 42, 66, 300, 432, 158}, pictureField, linkField, defaults.pictures,
                   defaults.links);

    core::addPreviewPicture(this, QRect(616, 8, 459, 280), QStringLiteral("12图卡盘"));
    addCaption(this, QRect(616, 296, 100, 22), QStringLiteral("代码区："));
    addMemo(this, QStringLiteral("mmo1"), QRect(616, 320, 459, 289));
    addHolder(QStringLiteral("lbl7"), kWidget);

    on(QStringLiteral("edt25Change"), [this] {
        // Three thumbnail rows with 5 px gaps fill the picture's height.
        const QString height = text(QStringLiteral("edt25"));
        if (height.isEmpty()) return;
        const qint64 thumbnail = (qint64(core::parseInt(height)) - 10) / 3;
        setText(QStringLiteral("lbl9"), QString::number(thumbnail));
    });
    on(QStringLiteral("btn2Click"), [this] {
        clearEdits();
        setText(QStringLiteral("edt25"), QStringLiteral("607"));
    });
    on(QStringLiteral("btn1Click"),
       [this] { deliver(QStringLiteral("mmo1"), kapan12Snippet(input()), core::kCopiedForShop); });
}

Kapan12Input::Kapan12Input()
    : links(12, QStringLiteral("#")) {
    for (int k = 1; k <= 12; ++k)
        pictures << widgets::samplePicture(QStringLiteral("card-413x574-%1.jpg").arg(k));
}

Kapan12Input TFrmkapan12::input() const {
    Kapan12Input in;
    in.height = text(QStringLiteral("edt25"));
    in.thumbnailHeight = text(QStringLiteral("lbl9"));
    for (int k = 1; k <= 12; ++k) {
        in.pictures[k - 1] = text(pictureField(k));
        in.links[k - 1] = text(linkField(k));
    }
    return in;
}

QString kapan12Snippet(const Kapan12Input& in) {
    const QString& w = kWidth;
    const QString& h = in.height;
    const QString& q = in.thumbnailHeight;

    QString out = widgets::creditBox(QStringLiteral("width:950px;height:") + h + QStringLiteral("px;"));
    out += kWidget;
    out += QStringLiteral("<div align=\"cente\" style=\"width:") + w +
           QStringLiteral("px;float:left;margin-left:0px;\">");
    out += QStringLiteral("<div style=\"width:") + w + QStringLiteral("px;height:") + h +
           QStringLiteral("px;overflow:hidden;font-family:arial;position:relative;\">");
    out += widgets::circularList();
    for (int k = 1; k <= 12; ++k)
        out += QStringLiteral("<li style=\"width:") + w + QStringLiteral("px;height:") + h +
               QStringLiteral("px; text-align:center; float:left; display: block; \"><a href=\"") +
               in.links[k - 1] + QStringLiteral("\" target=\"_blank\" style=\"width:") + w +
               QStringLiteral("px;height:") + h + QStringLiteral("px;background: url(") + in.pictures[k - 1] +
               QStringLiteral(") no-repeat center;display:block;\"></a></li>");

    // The thumbnail grid (527 px, 128 px thumbnails) switches the pictures on hover.
    out += QStringLiteral(
        "</ul></div></div><div style=\"width:527px;text-align:left;float:left;margin-left:10px;\">"
        "<ul class=\"nav\">");
    for (int k = 1; k <= 12; ++k)
        out += QStringLiteral("<li style=\"margin:0px 5px 5px 0px;float:left;\"><a href=\"") +
               in.links[k - 1] + QStringLiteral("\" target=\"_blank\"><img src=\"") + in.pictures[k - 1] +
               QStringLiteral("\"style=\"width:128px;height:") + q + QStringLiteral("px;\"></a></li>");
    out += QStringLiteral("</ul></div></div></div>");
    return out;
}

QINGWU_WINDOW(
    TFrmkapan12,
    {.order = 460,
     .tile = core::Tile{.page = u"ts8", .row = 2, .column = 3, .image = u"img65", .caption = u"12图卡盘"},
     .preview = core::ShopPreview{.place = core::Place::Home},
     .sample = [] { return kapan12Snippet(Kapan12Input()); }})

} // namespace generators
