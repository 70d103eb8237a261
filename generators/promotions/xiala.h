#pragma once

#include "core/form.h"

namespace generators {

// The fields of the scrolling box, as typed; the defaults are the window's.
struct XialaInput {
    QString width = QStringLiteral("950");   // edt2
    QString height = QStringLiteral("300");  // edt3
    QString border = QStringLiteral("#ccc"); // edt1
    QString content;                         // mmo1
};

// A box of the given size whose content scrolls vertically where it overflows.
QString xialaSnippet(const XialaInput& input);

// A box whose overflowing content scrolls.
class Tfrmxiala : public core::Form {
    Q_OBJECT
public:
    Tfrmxiala();

private:
    XialaInput input() const;
};

} // namespace generators
