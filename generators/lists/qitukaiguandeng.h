#pragma once

#include "generators/lists/hovereffects.h"

#include <QStringList>

namespace generators {

// The fields of the seven lights-on tiles as typed, and the sizes the shop
// type shows; the defaults are the window's (an ordinary shop).
struct QitukaiguandengInput {
    QString width = QStringLiteral("950");  // lbl2, the block
    QString height = QStringLiteral("470"); // lbl3, the block, and the wide tile's width
    QString tile = QStringLiteral("230");   // lbl5, every tile's height and the squares' width
    // Tile k (from 0): picture edt(2k + 1), link edt(2k + 2).
    QStringList pictures, links;

    QitukaiguandengInput();
};

// The pictures, the masks over them, and one popup per tile showing it
// undimmed as a link.
QString qitukaiguandengSnippet(const QitukaiguandengInput& input);

// Seven tiles under a 30 % black mask; the tile under the pointer shows at
// full brightness, with its link.
class Tfrmqitukaiguandeng : public hover::HoverForm {
    Q_OBJECT
public:
    Tfrmqitukaiguandeng();

private:
    QitukaiguandengInput input() const;
};

} // namespace generators
