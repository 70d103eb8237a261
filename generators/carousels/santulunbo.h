#pragma once

#include "core/form.h"

#include <QStringList>

namespace generators {

// The fields of the three-picture carousel, as the window holds them; the
// defaults are the window's.
struct SantulunboInput {
    QString height = QStringLiteral("450");      // edt1, a number
    QString width = QStringLiteral("950");       // lbl2, a picture's width, a number
    QString stripWidth = QStringLiteral("2850"); // lbl3, the three pictures' width
    // Picture k (from 0): edt(2k+2) and its link edt(2k+3).
    QStringList pictures, links;

    SantulunboInput();
};

// Each slide shows the previous, the current (linked) and the next picture,
// the side ones shaded, with arrows between them. Fails where the height or
// the width is no number.
QString santulunboSnippet(const SantulunboInput& input);

// Three posters side by side (previous, current, next) with the side ones
// darkened and arrows between them.
class Tfrmsantulunbo : public core::Form {
    Q_OBJECT
public:
    Tfrmsantulunbo();

private:
    SantulunboInput input() const;
};

} // namespace generators
