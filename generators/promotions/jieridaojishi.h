#pragma once

#include "core/form.h"

#include <QDate>

namespace generators {

// The fields of the holiday countdown, as typed and picked; the defaults are
// the window's.
struct JieridaojishiInput {
    QString nameBack = QStringLiteral("#B10000");                        // edt1
    QString nameText = QStringLiteral("#FFF");                           // edt2
    QString back = QStringLiteral("#FEF5CB");                            // edt3
    QString text = QStringLiteral("#B10000");                            // edt4
    QDate day = QDate(2015, 3, 1);                                       // dtp1, the day it shows
    QString endText = QStringLiteral("令人振奋的日子到了，祝您快乐！~"); // edt5
    QString name = QStringLiteral("青梧节");                             // edt6
};

// The strip counting down to the picker's time of day on the chosen day,
// written in the desktop's date and time formats with "-" for "/".
QString jieridaojishiSnippet(const JieridaojishiInput& input);

// A 100-px holiday strip: the holiday's name in a coloured box and a large
// day/hour/minute/second counter.
class TFrmjieridaojishi : public core::Form {
public:
    TFrmjieridaojishi();

private:
    JieridaojishiInput input() const;
};

} // namespace generators
