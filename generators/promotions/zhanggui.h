#pragma once

#include "core/form.h"
#include "generators/promotions/pagewidgets.h"

namespace core {
class Browser;
}

namespace generators {

// The fields of the shopkeeper's note, as typed; the defaults are the window's.
struct ZhangguiInput {
    QString leftTitle = QStringLiteral("SHOPKEEPER·掌柜说");                            // edt6
    QString picture = pagewidgets::samplePicture(QStringLiteral("shopkeeper-150.jpg")); // edt1
    QString note =
        QStringLiteral("这里是掌柜说文字信息，还可以把一些店里的促销信\r\n息展示在这里！~\r\n"); // mmo1
    QString rightTitle = QStringLiteral("掌柜推荐");                                             // edt7
    QString productPicture = pagewidgets::samplePicture(QStringLiteral("featured-100x100.jpg")); // edt8
    QString productTitle = QStringLiteral("爱美女装正品5折");                                    // edt2
    QString link = QStringLiteral("#");                                                          // edt3
    QString price = QStringLiteral("89.00");                                                     // edt4
    QString tag = QStringLiteral("包邮");                                                        // edt5
    QString colour = QStringLiteral("#FF4400");                                                  // edt11
    QString button = QStringLiteral("立即购买");                                                 // edt10
    QString buttonColour = QStringLiteral("#909090");                                            // edt9
};

// The note's table: the picture, the titled note and the featured product.
QString zhangguiSnippet(const ZhangguiInput& input);

// The shopkeeper's note: picture, titled note and a featured product with
// price, tag and buy button, previewed on the window's own page.
class TFrmzhanggui : public core::Form {
    Q_OBJECT
public:
    TFrmzhanggui();

private:
    ZhangguiInput input() const;

    core::Browser* m_browser = nullptr;
};

} // namespace generators
