#pragma once

#include "core/form.h"

#include <QStringList>

namespace generators {

// The fields of the six-picture grid as the window holds them; the defaults
// are the window's (an ordinary shop).
struct LtbgzInput {
    QString leftWidth = QStringLiteral("230"); // lbl2, the tall picture on the left
    // Picture k (from 0): edt(k+1), its link edt(k+7).
    QStringList pictures, links;

    LtbgzInput();
};

// The tall picture, a column of two squares, and two squares over a wide picture.
QString ltbgzSnippet(const LtbgzInput& input);

// Six pictures in an irregular grid: one tall picture, a column of two
// squares, and two squares over one wide picture; previewed in the default
// browser before it is copied.
class Tfrmltbgz : public core::Form {
    Q_OBJECT
public:
    Tfrmltbgz();

private:
    LtbgzInput input() const;
};

} // namespace generators
