#pragma once

#include "core/form.h"

#include <QStringList>

namespace generators {

// The fields of the buyer show, as typed; the defaults are the window's.
struct XiuInput {
    QString speed = QStringLiteral("3");           // edt31
    QString height = QStringLiteral("300");        // edt32, the box
    QString name = QStringLiteral("买家秀");       // edt33
    QString marqueeHeight = QStringLiteral("240"); // lbl10, the box's height less 60 as it follows edt32
    // The five reviews, in order: title, review, buyer, picture, link and price.
    QStringList titles, reviews, buyers, pictures, links, prices;

    XiuInput();
};

// The red-framed table in which the five reviews scroll upwards.
QString xiuSnippet(const XiuInput& input);

// The buyer show: a red-framed table in which five buyer reviews scroll upwards.
class TFrmxiu : public core::Form {
    Q_OBJECT
public:
    TFrmxiu();

private:
    XiuInput input() const;
};

} // namespace generators
