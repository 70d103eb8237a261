#pragma once

#include "core/form.h"

namespace generators {

// A 350 x 350 product picture on the left and five buyer comments with
// buttons on the right, as wide as the shop's page.
class Tfrmztypl : public core::Form {
    Q_OBJECT
public:
    Tfrmztypl();

private:
    QString snippet() const;

    // The dashed line over the block; "关闭顶部虚线" removes it for the rest of the run.
    QString m_dashedLine = QStringLiteral("<div style=\"height:10px;border-bottom:#999 1px dashed;\"></div>");
};

} // namespace generators
