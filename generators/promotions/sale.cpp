#include "generators/promotions/sale.h"

#include "core/messages.h"
#include "core/registry.h"
#include "generators/promotions/pagewidgets.h"

namespace generators {

Tfrmsale::Tfrmsale()
    : core::Form(QStringLiteral("Tfrmsale"), QStringLiteral("购物车")) {
    setClientSize(404, 308);
    const SaleInput defaults;

    const struct {
        const char* name;
        QString caption, value;
    } fields[] = {
        {"edt1", QStringLiteral("购物车图片："), defaults.picture},
        {"edt2", QStringLiteral("宽度："), defaults.width},
        {"edt3", QStringLiteral("高度："), defaults.height},
        {"edt4", QStringLiteral("宝贝地址："), defaults.item},
    };
    int y = 20;
    for (const auto& field : fields) {
        addCaption(this, QRect(16, y + 2, 90, 22), field.caption);
        addEdit(this, QString::fromLatin1(field.name), QRect(106, y, 282, 24), field.value);
        y += 40;
    }
    addButton(this, QStringLiteral("btn1"), QRect(106, 200, 180, 40), QStringLiteral("生成并复制"));
    addOutputMemo(QStringLiteral("mmo1"), {QStringLiteral("mmo1")});

    on(QStringLiteral("btn1Click"),
       [this] { deliver(QStringLiteral("mmo1"), saleSnippet(input()), core::kCopiedForShop); });
}

SaleInput Tfrmsale::input() const {
    SaleInput in;
    in.picture = text(QStringLiteral("edt1"));
    in.width = text(QStringLiteral("edt2"));
    in.height = text(QStringLiteral("edt3"));
    in.item = text(QStringLiteral("edt4"));
    return in;
}

QString saleSnippet(const SaleInput& in) {
    return QStringLiteral("<a class=\"J_CartPluginTrigger\" href=\"") + in.item +
           QStringLiteral("\" target=\"_blank\" title=\"加入购物车\">") +
           QStringLiteral("<img style=\"width:") + in.width + QStringLiteral("px;height:") + in.height +
           QStringLiteral("px;\" src=\"") + in.picture + QStringLiteral("\"/>") + QStringLiteral("</a>");
}

QINGWU_WINDOW(
    Tfrmsale,
    {.order = 180,
     .tile = core::Tile{.page = u"tsmg2", .row = 1, .column = 3, .image = u"img121", .caption = u"购物车"},
     .preview = core::ShopPreview{.place = core::Place::Home},
     .sample = [] {
         SaleInput in;
         in.picture = QStringLiteral("http://sample.invalid/cart.png");
         in.width = QStringLiteral("240");
         in.height = QStringLiteral("62");
         return saleSnippet(in);
     }})

} // namespace generators
