#pragma once

#include "core/form.h"

#include <QDate>

namespace generators {

// The fields of the single-product coupon, as typed and picked; the defaults
// are the window's.
struct DanpinyouhuiquanInput {
    QString picture =
        QStringLiteral("https://img.alicdn.com/imgextra/i3/qingwu/coupon-item-300x300.jpg"); // edt1
    QString link = QStringLiteral("#");                                                      // edt2
    QString amount = QStringLiteral("10.00");                                                // edt3
    QString claim = QStringLiteral("#");                                      // edt4, the button's link
    QString title = QStringLiteral("青梧美工软件及美工教程合订本");           // edt6
    QString colour = QStringLiteral("#f30");                                  // edt5
    QDate endDay = QDate(2015, 2, 26);                                        // dtp1, its day only
    QString endText = QStringLiteral("活动结束，请留意本店后期优惠券信息！"); // edt7
};

// The block with the countdown to noon of the end day, the day written in
// the desktop's short date format with "-" for "/".
QString danpinyouhuiquanSnippet(const DanpinyouhuiquanInput& input);

// One product's coupon: its picture, a title, the amount, a "立即领取" button
// and a live countdown to the end day of the offer.
class Tfrmdanpinyouhuiquan : public core::Form {
public:
    Tfrmdanpinyouhuiquan();

private:
    DanpinyouhuiquanInput input() const;
};

} // namespace generators
