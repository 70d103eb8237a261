#include "generators/promotions/sale.h"

#include "core/messages.h"
#include "core/registry.h"
#include "generators/promotions/pagewidgets.h"

namespace generators {

Tfrmsale::Tfrmsale()
    : core::Form(QStringLiteral("Tfrmsale"), QStringLiteral("购物车")) {
    setClientSize(404, 308);

    const struct {
        const char* name;
        QString caption, value;
    } fields[] = {
        {"edt1", QStringLiteral("购物车图片："),
         pagewidgets::samplePicture(QStringLiteral("cart-120x31.png"))},
        {"edt2", QStringLiteral("宽度："), QStringLiteral("120")},
        {"edt3", QStringLiteral("高度："), QStringLiteral("31")},
        {"edt4", QStringLiteral("宝贝地址："),
         QStringLiteral(
             "https://item.taobao.com/item.htm?spm=a1z10.1-c.w4004.1&id=520131415926&scene=taobao_shop")},
    };
    int y = 20;
    for (const auto& field : fields) {
        addCaption(this, QRect(16, y + 2, 90, 22), field.caption);
        addEdit(this, QString::fromLatin1(field.name), QRect(106, y, 282, 24), field.value);
        y += 40;
    }
    addButton(this, QStringLiteral("btn1"), QRect(106, 200, 180, 40), QStringLiteral("生成并复制"));
    addOutputMemo(QStringLiteral("mmo1"), {QStringLiteral("mmo1")});

    on(QStringLiteral("btn1Click"), [this] {
        deliver(QStringLiteral("mmo1"),
                QStringLiteral("<a class=\"J_CartPluginTrigger\" href=\"") + text(QStringLiteral("edt4")) +
                    QStringLiteral("\" target=\"_blank\" title=\"加入购物车\">") +
                    QStringLiteral("<img style=\"width:") + text(QStringLiteral("edt2")) +
                    QStringLiteral("px;height:") + text(QStringLiteral("edt3")) +
                    QStringLiteral("px;\" src=\"") + text(QStringLiteral("edt1")) + QStringLiteral("\"/>") +
                    QStringLiteral("</a>"),
                core::kCopiedForShop);
    });
}

QINGWU_WINDOW(
    Tfrmsale,
    {.order = 180,
     .tile = core::Tile{.page = u"tsmg2", .row = 1, .column = 3, .image = u"img121", .caption = u"购物车"},
     .preview = core::ShopPreview{.place = core::Place::Home}})

} // namespace generators
