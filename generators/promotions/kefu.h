#pragma once

#include "core/form.h"

#include <QStringList>

namespace generators {

// The fields of the customer-service bar, as typed; the defaults are the window's.
struct KefuInput {
    QString colour = QStringLiteral("#999"); // edt1, the theme colour
    // The three pre-sales agents (edt2 to edt4) and their buttons (edt8 to
    // edt10); the three after-sales agents (edt5 to edt7) and theirs (edt11 to edt13).
    QStringList preNames, preCodes, afterNames, afterCodes;
    QString hours = QStringLiteral("工作时间：8:00-24:00(\r\n节假日不休息)\r\n"); // mmo7

    KefuInput();
};

// The bar: "SERVICE", the pre-sales badge and agents, the after-sales badge
// and agents, and the working hours on the right.
QString kefuSnippet(const KefuInput& input);

// A customer-service bar: a "SERVICE" title, a pre-sales and an after-sales
// group of three named Wangwang buttons each, and the working hours.
class Tfrmkefu : public core::Form {
public:
    Tfrmkefu();

private:
    KefuInput input() const;
};

} // namespace generators
