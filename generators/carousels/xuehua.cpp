#include "generators/carousels/xuehua.h"

#include "core/handoff.h"
#include "core/preview.h"
#include "core/registry.h"

#include <QLabel>

namespace generators {

namespace {

const QString kSampleSnow = QStringLiteral("https://img.alicdn.com/tfscom/qingwu/snow.swf");
const QString kSamplePoster = QStringLiteral("https://img.alicdn.com/imgextra/i3/qingwu/snow-1920x583.jpg");

} // namespace

Tfrmxuehua::Tfrmxuehua()
    : core::Form(QStringLiteral("Tfrmxuehua"), QStringLiteral("雪花海报")) {
    setClientSize(735, 510);
    const XuehuaInput defaults;
    core::addPreviewPicture(this, QRect(0, 0, 735, 281), QStringLiteral("1920 雪花海报"));

    QGroupBox* params =
        addGroup(this, QStringLiteral("grp1"), QRect(8, 288, 719, 214), QStringLiteral("参数设置"));
    addCaption(params, QRect(10, 26, 80, 24), QStringLiteral("店铺类型："));
    addCombo(params, QStringLiteral("cbb1"), QRect(90, 26, 110, 24),
             {QStringLiteral("基础版"), QStringLiteral("专业版"), QStringLiteral("天猫版")},
             QStringLiteral("专业版"));
    addCaption(params, QRect(220, 26, 80, 24), QStringLiteral("雪花动画："));
    addEdit(params, QStringLiteral("edt1"), QRect(300, 26, 409, 24), defaults.snow);
    addCaption(params, QRect(10, 62, 80, 24), QStringLiteral("海报宽度："));
    addEdit(params, QStringLiteral("edt2"), QRect(90, 62, 80, 24), defaults.width);
    addCaption(params, QRect(190, 62, 80, 24), QStringLiteral("海报高度："));
    addEdit(params, QStringLiteral("edt3"), QRect(270, 62, 80, 24), defaults.height);
    addCaption(params, QRect(10, 98, 90, 24), QStringLiteral("海报图地址："));
    addEdit(params, QStringLiteral("edt4"), QRect(100, 98, 609, 24), defaults.poster);
    addCaption(params, QRect(10, 134, 90, 24), QStringLiteral("海报链接："));
    addEdit(params, QStringLiteral("edt5"), QRect(100, 134, 609, 24), defaults.link);
    addCaption(params, QRect(10, 172, 520, 24),
               QStringLiteral("大雪花因为源文件的原因，会有一点瑕疵，小雪花正常满屏显示！"));
    addButton(params, QStringLiteral("btn2"), QRect(560, 164, 149, 40), QStringLiteral("提取代码"));

    addOutputMemo(QStringLiteral("mmo1"), {QStringLiteral("mmo1")});

    on(QStringLiteral("btn2Click"), [this] {
        setText(QStringLiteral("mmo1"), xuehuaSnippet(input()));
        core::handToConverter({core::editionFromBasicFirst(text(QStringLiteral("cbb1"))),
                               QStringLiteral("1920"), text(QStringLiteral("edt3")),
                               text(QStringLiteral("mmo1"))});
    });
}

XuehuaInput::XuehuaInput()
    : snow(kSampleSnow)
    , poster(kSamplePoster) {}

XuehuaInput Tfrmxuehua::input() const {
    XuehuaInput in;
    in.snow = text(QStringLiteral("edt1"));
    in.width = text(QStringLiteral("edt2"));
    in.height = text(QStringLiteral("edt3"));
    in.poster = text(QStringLiteral("edt4"));
    in.link = text(QStringLiteral("edt5"));
    return in;
}

QString xuehuaSnippet(const XuehuaInput& in) {
    const QString& h = in.height;
    const QString snow =
        QStringLiteral("<embed allowscriptaccess=\"never\" flashvars=\"scene=taobao_shop\" height=\"") + h +
        QStringLiteral("\" src=\"") + in.snow +
        QStringLiteral("\" type=\"application/x-shockwave-flash\" width=\"470\" "
                       "wmode=\"transparent\"></embed></div>");
    const QString left = QStringLiteral("<div style=\"float:left\">") + snow;
    const QString right = QStringLiteral("<div style=\"float:right\">") + snow;

    QString out;
    out += QStringLiteral("<a href=\"") + in.link + QStringLiteral("\" target=\"_blank\">");
    out += QStringLiteral("<div style=\"width:") + in.width + QStringLiteral("px;height:") + h +
           QStringLiteral("px;top:0px;left:0px;background:url(") + in.poster +
           QStringLiteral(")no-repeat center top;\">");
    out += left + left + right + right;
    out += QStringLiteral("</div></a>");
    return out;
}

QINGWU_WINDOW(
    Tfrmxuehua,
    {.order = 280,
     .tile = core::Tile{.page = u"ts7", .row = 1, .column = 3, .image = u"img38", .caption = u"雪花海报"},
     .preview = core::ShopPreview{.place = core::Place::Wide, .output = u"mmo1"},
     .sample = [] { return xuehuaSnippet(XuehuaInput()); }})

} // namespace generators
