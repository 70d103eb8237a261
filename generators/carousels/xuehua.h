#pragma once

#include "core/form.h"

namespace generators {

// The fields of the snow poster, as typed; the defaults are the window's.
struct XuehuaInput {
    QString snow;                           // edt1, the snow animation
    QString width = QStringLiteral("1920"); // edt2
    QString height = QStringLiteral("583"); // edt3
    QString poster;                         // edt4
    QString link = QStringLiteral("#");     // edt5

    XuehuaInput();
};

// The poster with two snow animations floated to either side.
QString xuehuaSnippet(const XuehuaInput& input);

// Linked poster with falling-snow animations along both edges.
class Tfrmxuehua : public core::Form {
    Q_OBJECT
public:
    Tfrmxuehua();

private:
    XuehuaInput input() const;
};

} // namespace generators
