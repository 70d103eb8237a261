#pragma once

#include "core/form.h"
#include "generators/promotions/pagewidgets.h"

namespace generators {

// The fields of the add-to-cart button, as typed; the defaults are the window's.
struct SaleInput {
    QString picture = pagewidgets::samplePicture(QStringLiteral("cart-120x31.png")); // edt1
    QString width = QStringLiteral("120");                                           // edt2
    QString height = QStringLiteral("31");                                           // edt3
    QString item = QStringLiteral(                                                   // edt4
        "https://item.taobao.com/item.htm?spm=a1z10.1-c.w4004.1&id=520131415926&scene=taobao_shop");
};

// The marketplace's cart plug-in for one product, shown as the picture.
QString saleSnippet(const SaleInput& input);

// An add-to-cart picture button for one product.
class Tfrmsale : public core::Form {
    Q_OBJECT
public:
    Tfrmsale();

private:
    SaleInput input() const;
};

} // namespace generators
