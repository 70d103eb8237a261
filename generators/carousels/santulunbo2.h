#pragma once

#include "core/form.h"

#include <QStringList>

namespace generators {

// The fields of the three-poster carousel with custom blocks, as typed; the
// defaults are the window's.
struct Santulunbo2Input {
    // Poster k (from 0): picture edt(2k+1), link edt(2k+2), custom block mmo(k+1).
    QStringList pictures, links, blocks;

    Santulunbo2Input();
};

// The three posters, then the column of the three custom blocks that switch them.
QString santulunbo2Snippet(const Santulunbo2Input& input);

// Three 1920 x 450 posters switched from a column of three custom blocks.
class Tfrmsantulunbo2 : public core::Form {
    Q_OBJECT
public:
    Tfrmsantulunbo2();

private:
    Santulunbo2Input input() const;
};

} // namespace generators
