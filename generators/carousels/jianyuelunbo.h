#pragma once

#include "generators/carousels/heldsnippet.h"

namespace generators {

// The fields of the simple carousel with arrows, as typed; the defaults are
// the window's.
struct JianyuelunboInput {
    QString height = QStringLiteral("500"); // edt1, a whole number
    QString count = QStringLiteral("3");    // cbb1, a whole number
    // The "|"-separated lists of pictures (mmo2) and links (mmo3).
    QString pictures = QStringLiteral("图1地址| \r\n图2地址|\r\n图3地址\r\n");
    QString links = QStringLiteral("#|#|#\r\n");
};

// One 1920 px poster per counted entry of the lists, with arrows. Fails
// where the count or the height is no whole number or a list is too short.
QString jianyuelunboSnippet(const JianyuelunboInput& input);

// Simple full-width poster carousel with arrows, fed by "|"-separated lists.
class Tfrmjianyuelunbo : public HeldSnippetForm {
    Q_OBJECT
public:
    Tfrmjianyuelunbo();

private:
    JianyuelunboInput input() const;
};

} // namespace generators
