#include "generators/lists/fanzhuan190.h"
#include "core/messages.h"

#include "core/preview.h"
#include "core/registry.h"
#include "generators/lists/hovereffects.h"

namespace generators {

Tfrmfanzhuan190::Tfrmfanzhuan190()
    : core::Form(QStringLiteral("Tfrmfanzhuan190"), QStringLiteral("190左侧图片反转效果")) {
    setClientSize(420, 360);
    const Fanzhuan190Input defaults;
    core::addPreviewPicture(this, QRect(110, 8, 200, 200), QStringLiteral("190左侧图片反转效果"));
    addCaption(this, QRect(12, 216, 396, 22),
               QStringLiteral("提示：可以将软件默认图片地址复制到浏览器查看样式"));
    addCaption(this, QRect(12, 250, 70, 22), QStringLiteral("图片地址："));
    addEdit(this, QStringLiteral("edt1"), QRect(84, 248, 324, 24), defaults.picture);
    addCaption(this, QRect(12, 282, 70, 22), QStringLiteral("链接地址："));
    addEdit(this, QStringLiteral("edt2"), QRect(84, 280, 324, 24), defaults.link);
    addButton(this, QStringLiteral("btn1"), QRect(318, 316, 90, 32), QStringLiteral("提取代码"));
    addOutputMemo(QStringLiteral("mmo1"), {QStringLiteral("mmo1")});

    on(QStringLiteral("btn1Click"),
       [this] { deliver(QStringLiteral("mmo1"), fanzhuan190Snippet(input()), core::kCopiedForShop); });
}

Fanzhuan190Input Tfrmfanzhuan190::input() const {
    return {.picture = text(QStringLiteral("edt1")), .link = text(QStringLiteral("edt2"))};
}

QString fanzhuan190Snippet(const Fanzhuan190Input& in) {
    return QStringLiteral("<div class=\"skin-box-bd clear-fix\"><span><div class=\"footer-more\" "
                          "style=\"border:0px solid "
                          "red;width:180px;height:200px;overflow:visible;padding-top:0px;margin-right:10px;"
                          "float:left;\"><div "
                          "class=\"footer-more-trigger\" style=\"padding:0px;border:0px solid "
                          "red;left:0px;top:0px;width:180px;height:180px;overflow:hidden;margin-top:10px;\"><"
                          "a class=\"arrow-d\" "
                          "href=\"") +
           in.link +
           QStringLiteral(
               "\" style=\"border:0px solid red;transition:1s;transform:rotate(90deg);left:0px;top:0px;"
               "display:block;transition:all 1s;\" target=\"_blank\">") +
           QStringLiteral("<img src=\"") + in.picture + QStringLiteral("\" /></a>") +
           QStringLiteral("</div></div></span></div>");
}

QINGWU_WINDOW(Tfrmfanzhuan190, {.order = 650,
                                .tile = core::Tile{.page = u"tstuiyi1",
                                                   .row = 1,
                                                   .column = 1,
                                                   .image = u"img23",
                                                   .caption = u"190左侧图片翻转"},
                                .preview = core::ShopPreview{.place = core::Place::Side},
                                .sample = [] { return fanzhuan190Snippet(Fanzhuan190Input()); }})

} // namespace generators
