#pragma once

#include "core/snippet.h"
#include "generators/carousels/heldsnippet.h"

namespace generators {

// The fields of the carousel with square buttons, as typed; the defaults are
// the window's.
struct FangkuaiInput {
    QString height = QStringLiteral("550"); // edt1, a whole number
    QString count = QStringLiteral("3");    // cbb1, a whole number
    // The "|"-separated lists of pictures (mmo1) and links (mmo2).
    QString pictures = QStringLiteral("图1地址|\r\n图2地址|\r\n图3地址\r\n");
    QString links = QStringLiteral("#|#|#\r\n");
};

// One 1920 px poster and one numbered button per counted entry of the lists.
// An empty picture list, or else an empty link list, first receives a hint
// (written back into its box) that is then read as the list. Fails where the
// count or the height is no whole number or a list is too short.
core::Built fangkuaiSnippet(const FangkuaiInput& input);

// Full-width poster carousel with numbered square buttons, fed by
// "|"-separated lists.
class Tfrmfangkuai : public HeldSnippetForm {
    Q_OBJECT
public:
    Tfrmfangkuai();

private:
    FangkuaiInput input() const;
};

} // namespace generators
