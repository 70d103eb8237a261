#pragma once

#include "generators/lists/hovereffects.h"

#include <QStringList>

namespace generators {

// The fields of the eight mask tiles as typed, and the sizes the shop type
// shows; the defaults are the window's (an ordinary shop).
struct BatuzhezhaoInput {
    QString width = QStringLiteral("950");     // lbl10, the block
    QString leftWidth = QStringLiteral("266"); // lbl12, the tall tile on the left
    // Tile k (from 0, the left tile first): front picture, back picture, link.
    QStringList fronts, backs, links;

    BatuzhezhaoInput();
};

// The tiles, then one popup per tile showing its back picture as a link.
QString batuzhezhaoSnippet(const BatuzhezhaoInput& input);

// Eight tiles (a tall one left, three columns of two squares, a tall one
// right); a second picture with its link covers a tile under the pointer.
class Tfrmbatuzhezhao : public hover::HoverForm {
    Q_OBJECT
public:
    Tfrmbatuzhezhao();

private:
    BatuzhezhaoInput input() const;
};

} // namespace generators
