#include "generators/promotions/like.h"

#include "core/messages.h"
#include "core/registry.h"
#include "generators/promotions/pagewidgets.h"

#include <QLabel>

namespace generators {

Tfrmlike::Tfrmlike()
    : core::Form(QStringLiteral("Tfrmlike"), QStringLiteral("喜欢分享按钮")) {
    setClientSize(391, 410);

    addCaption(this, QRect(16, 18, 80, 22), QStringLiteral("按钮背景："));
    addEdit(this, QStringLiteral("edt1"), QRect(96, 16, 280, 24),
            pagewidgets::samplePicture(QStringLiteral("share-92x27.png")));
    addCaption(this, QRect(16, 54, 80, 22), QStringLiteral("图片宽度："));
    addEdit(this, QStringLiteral("edt2"), QRect(96, 52, 60, 24), QStringLiteral("92"));
    addCaption(this, QRect(160, 54, 20, 22), QStringLiteral("px"));
    addCaption(this, QRect(196, 54, 80, 22), QStringLiteral("图片高度："));
    addEdit(this, QStringLiteral("edt3"), QRect(276, 52, 60, 24), QStringLiteral("27"));
    addCaption(this, QRect(340, 54, 20, 22), QStringLiteral("px"));
    addCaption(this, QRect(16, 86, 360, 22), QStringLiteral("备注：如果不修改图片，默认数值即可！"));
    addCaption(this, QRect(16, 118, 80, 22), QStringLiteral("广告语："));
    addMemo(this, QStringLiteral("mmo1"), QRect(96, 116, 280, 120),
            {QStringLiteral("亲，发现这个宝贝真心不错，分享一下吧！")});
    addCaption(this, QRect(16, 252, 80, 22), QStringLiteral("宝贝ID："));
    addEdit(this, QStringLiteral("edt4"), QRect(96, 250, 230, 24), QStringLiteral("520131415926"));
    QLabel* help = addLabel(this, QStringLiteral("lbl3"), QRect(336, 252, 40, 22), QStringLiteral("帮助"));
    help->setCursor(Qt::PointingHandCursor);
    addButton(this, QStringLiteral("btn1"), QRect(96, 300, 200, 40), QStringLiteral("生成并复制代码"));
    addOutputMemo(QStringLiteral("mmo2"), {QStringLiteral("mmo2")});

    on(QStringLiteral("lbl3Click"), [this] {
        message(QStringLiteral("打开任意宝贝，查看网址部分即可看见ID=数字，那个纯数字就是ID"),
                QStringLiteral("提示信息框"));
    });
    on(QStringLiteral("btn1Click"), [this] {
        deliver(QStringLiteral("mmo2"),
                QStringLiteral("<div class=\"sns-widget sns-sharebtn sns-widget-ui sns-sharebtn-custom\" "
                               "data-sharebtn=\"{client_id:68,skinType:3,type:&quot;item&quot;,key:") +
                    text(QStringLiteral("edt4")) + QStringLiteral(",&quot;comment&quot;:&quot;") +
                    text(QStringLiteral("mmo1")) + QStringLiteral("&quot;}\" style=\"width:") +
                    text(QStringLiteral("edt2")) + QStringLiteral("px;height:") +
                    text(QStringLiteral("edt3")) + QStringLiteral("px;background:url(") +
                    text(QStringLiteral("edt1")) + QStringLiteral(") no-repeat;cursor:pointer;\"></div> "),
                core::kCopiedForShop);
    });
}

QINGWU_WINDOW(Tfrmlike, {.order = 100,
                         .tile = core::Tile{.page = u"tsmg2",
                                            .row = 2,
                                            .column = 1,
                                            .image = u"img92",
                                            .caption = u"喜欢分享按钮"},
                         .preview = core::ShopPreview{.place = core::Place::Home}})

} // namespace generators
