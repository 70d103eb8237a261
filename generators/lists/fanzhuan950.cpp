#include "generators/lists/fanzhuan950.h"
#include "core/messages.h"

#include "core/preview.h"
#include "core/registry.h"
#include "generators/lists/hovereffects.h"

namespace generators {

namespace {

const QString kPopupHead = QStringLiteral(
    "<div class=\"J_TWidget hidden ks-popup ks-overlay ks-ext-position ks-popup-hidden ks-overlay-hidden\" "
    "data-widget-config=\"{'trigger':'.rkfcEd2','align':{'node':'.rkfcEd2','offset':[0,0],'points':['cc','cc'"
    "]}}\" "
    "data-widget-type=\"Popup\" style=\"display:block;visibility:hidden;z-index:10000000;\">");

} // namespace

TFrm950fanzhuan::TFrm950fanzhuan()
    : core::Form(QStringLiteral("TFrm950fanzhuan"), QStringLiteral("950两图翻转")) {
    setClientSize(640, 420);
    const Fanzhuan950Input defaults;
    core::addPreviewPicture(this, QRect(0, 0, 640, 200), QStringLiteral("950两图翻转"));
    addCaption(this, QRect(12, 212, 70, 22), QStringLiteral("图片高度："));
    addEdit(this, QStringLiteral("edt3"), QRect(84, 210, 60, 24), defaults.height);
    addCaption(this, QRect(148, 212, 24, 22), QStringLiteral("px"));
    addCaption(this, QRect(12, 244, 70, 22), QStringLiteral("正面图："));
    addEdit(this, QStringLiteral("edt1"), QRect(84, 242, 544, 24), defaults.front);
    addCaption(this, QRect(12, 276, 70, 22), QStringLiteral("翻转图："));
    addEdit(this, QStringLiteral("edt2"), QRect(84, 274, 544, 24), defaults.back);
    addCaption(this, QRect(12, 308, 70, 22), QStringLiteral("链接地址："));
    addEdit(this, QStringLiteral("edt4"), QRect(84, 306, 544, 24), defaults.link);
    addButton(this, QStringLiteral("btn1"), QRect(490, 342, 138, 34), QStringLiteral("生成并提取代码"));
    addCaption(this, QRect(12, 388, 616, 22),
               QStringLiteral("提示：如果你是基础版，生成代码后用0元专业版转化一下就可以！"));

    addHolderMemo(QStringLiteral("mmo1"), {kPopupHead});
    addOutputMemo(QStringLiteral("mmo2"), {QStringLiteral("mmo2")});

    on(QStringLiteral("btn1Click"),
       [this] { deliver(QStringLiteral("mmo2"), fanzhuan950Snippet(input()), core::kCopiedForShop); });
}

Fanzhuan950Input TFrm950fanzhuan::input() const {
    return {.height = text(QStringLiteral("edt3")),
            .front = text(QStringLiteral("edt1")),
            .back = text(QStringLiteral("edt2")),
            .link = text(QStringLiteral("edt4"))};
}

QString fanzhuan950Snippet(const Fanzhuan950Input& in) {
    const QString& h = in.height;
    return QStringLiteral("<div class=\"rkfcEd2\" style=\"overflow:hidden;height:") + h +
           QStringLiteral("px;float:left;width:950px;\">") + QStringLiteral("<img  src=\"") + in.front +
           QStringLiteral("\" style=\"float:none;margin:0px;\"  />") + kPopupHead + QStringLiteral("\r\n") +
           QStringLiteral("<div class=\"ks-contentbox\" style=\"width:950px;height:") + h +
           QStringLiteral("px;overflow:hidden;\">") +
           QStringLiteral("<a data-spm-anchor-id=\"a1z10.1.w5003-2708181516.2\" "
                          "data-spm-wangpu-module-id=\"5003-2708181516\" href=\"") +
           in.link + QStringLiteral("\" target=\"_blank\">") + QStringLiteral("<img src=\"") + in.back +
           QStringLiteral("\" /></a></div></div></div>");
}

QINGWU_WINDOW(
    TFrm950fanzhuan,
    {.order = 330,
     .tile = core::Tile{.page = u"ts7", .row = 3, .column = 2, .image = u"img21", .caption = u"950两图翻转"},
     .preview = core::ShopPreview{.place = core::Place::Home},
     .sample = [] { return fanzhuan950Snippet(Fanzhuan950Input()); }})

} // namespace generators
