#include "generators/promotions/like.h"

#include "core/messages.h"
#include "core/registry.h"
#include "core/text.h"
#include "generators/promotions/pagewidgets.h"

#include <QLabel>

namespace generators {

Tfrmlike::Tfrmlike()
    : core::Form(QStringLiteral("Tfrmlike"), QStringLiteral("喜欢分享按钮")) {
    setClientSize(391, 410);
    const LikeInput defaults;

    addCaption(this, QRect(16, 18, 80, 22), QStringLiteral("按钮背景："));
    addEdit(this, QStringLiteral("edt1"), QRect(96, 16, 280, 24), defaults.picture);
    addCaption(this, QRect(16, 54, 80, 22), QStringLiteral("图片宽度："));
    addEdit(this, QStringLiteral("edt2"), QRect(96, 52, 60, 24), defaults.width);
    addCaption(this, QRect(160, 54, 20, 22), QStringLiteral("px"));
    addCaption(this, QRect(196, 54, 80, 22), QStringLiteral("图片高度："));
    addEdit(this, QStringLiteral("edt3"), QRect(276, 52, 60, 24), defaults.height);
    addCaption(this, QRect(340, 54, 20, 22), QStringLiteral("px"));
    addCaption(this, QRect(16, 86, 360, 22), QStringLiteral("备注：如果不修改图片，默认数值即可！"));
    addCaption(this, QRect(16, 118, 80, 22), QStringLiteral("广告语："));
    addMemo(this, QStringLiteral("mmo1"), QRect(96, 116, 280, 120), core::textLines(defaults.slogan));
    addCaption(this, QRect(16, 252, 80, 22), QStringLiteral("宝贝ID："));
    addEdit(this, QStringLiteral("edt4"), QRect(96, 250, 230, 24), defaults.item);
    QLabel* help = addLabel(this, QStringLiteral("lbl3"), QRect(336, 252, 40, 22), QStringLiteral("帮助"));
    help->setCursor(Qt::PointingHandCursor);
    addButton(this, QStringLiteral("btn1"), QRect(96, 300, 200, 40), QStringLiteral("生成并复制代码"));
    addOutputMemo(QStringLiteral("mmo2"), {QStringLiteral("mmo2")});

    on(QStringLiteral("lbl3Click"), [this] {
        message(QStringLiteral("打开任意宝贝，查看网址部分即可看见ID=数字，那个纯数字就是ID"),
                QStringLiteral("提示信息框"));
    });
    on(QStringLiteral("btn1Click"),
       [this] { deliver(QStringLiteral("mmo2"), likeSnippet(input()), core::kCopiedForShop); });
}

LikeInput Tfrmlike::input() const {
    LikeInput in;
    in.picture = text(QStringLiteral("edt1"));
    in.width = text(QStringLiteral("edt2"));
    in.height = text(QStringLiteral("edt3"));
    in.slogan = text(QStringLiteral("mmo1"));
    in.item = text(QStringLiteral("edt4"));
    return in;
}

QString likeSnippet(const LikeInput& in) {
    return QStringLiteral("<div class=\"sns-widget sns-sharebtn sns-widget-ui sns-sharebtn-custom\" "
                          "data-sharebtn=\"{client_id:68,skinType:3,type:&quot;item&quot;,key:") +
           in.item + QStringLiteral(",&quot;comment&quot;:&quot;") + in.slogan +
           QStringLiteral("&quot;}\" style=\"width:") + in.width + QStringLiteral("px;height:") + in.height +
           QStringLiteral("px;background:url(") + in.picture +
           QStringLiteral(") no-repeat;cursor:pointer;\"></div> ");
}

QINGWU_WINDOW(Tfrmlike, {.order = 100,
                         .tile = core::Tile{.page = u"tsmg2",
                                            .row = 2,
                                            .column = 1,
                                            .image = u"img92",
                                            .caption = u"喜欢分享按钮"},
                         .preview = core::ShopPreview{.place = core::Place::Home},
                         .sample = [] {
                             LikeInput in;
                             in.picture = QStringLiteral("http://sample.invalid/share.png");
                             in.width = QStringLiteral("184");
                             in.height = QStringLiteral("54");
                             return likeSnippet(in);
                         }})

} // namespace generators
