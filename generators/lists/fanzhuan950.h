#pragma once

#include "core/form.h"

namespace generators {

// The fields of the 950 px flip as typed; the defaults are the window's.
struct Fanzhuan950Input {
    QString height = QStringLiteral("400"); // edt3
    QString front =
        QStringLiteral("https://img.alicdn.com/imgextra/i1/qingwu/flip-950x400-front.jpg");           // edt1
    QString back = QStringLiteral("https://img.alicdn.com/imgextra/i1/qingwu/flip-950x400-back.jpg"); // edt2
    QString link = QStringLiteral("#");                                                               // edt4
};

// The front picture and the popup that covers it with the back picture as a link.
QString fanzhuan950Snippet(const Fanzhuan950Input& input);

// One 950 px wide picture that turns into a second one, with a link, while
// the pointer rests on it.
class TFrm950fanzhuan : public core::Form {
    Q_OBJECT
public:
    TFrm950fanzhuan();

private:
    Fanzhuan950Input input() const;
};

} // namespace generators
