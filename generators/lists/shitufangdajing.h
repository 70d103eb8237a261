#pragma once

#include "generators/lists/hovereffects.h"

#include <QStringList>

namespace generators {

// The fields of the ten magnifier tiles as typed, and the sizes the shop type
// shows; the defaults are the window's (an ordinary shop).
struct ShitufangdajingInput {
    QString width = QStringLiteral("950"); // lbl3, the block
    QString tile = QStringLiteral("182");  // lbl5, a square tile
    QString zoom = QStringLiteral("320");  // edt21, the enlarged copy's side
    // Tile k (from 0): picture edt(2k + 1), link edt(2k + 2).
    QStringList pictures, links;

    ShitufangdajingInput();
};

// Two rows of five tiles, then one popup per tile with its enlarged copy.
QString shitufangdajingSnippet(const ShitufangdajingInput& input);

// Ten square tiles in two rows; an enlarged copy with its link opens over the
// tile under the pointer.
class Tfrmshitufangdajing : public hover::HoverForm {
    Q_OBJECT
public:
    Tfrmshitufangdajing();

private:
    ShitufangdajingInput input() const;
};

} // namespace generators
