#pragma once

#include "generators/lists/hovereffects.h"

#include <QStringList>

namespace generators {

// The fields of the left tab card as the window holds them; the defaults are
// the window's (an ordinary shop).
struct ZuobiaoqianInput {
    QString width = QStringLiteral("950");            // lbl13, the block
    QString columnWidth = QStringLiteral("151");      // lbl12, the left column
    QString title = QStringLiteral("新风向标");       // edt29
    QString titleColour = QStringLiteral("#119662");  // edt30
    QString blockColour = QStringLiteral("#e9e9e9");  // edt32
    QString columnColour = QStringLiteral("#15b677"); // edt31
    QStringList groups;                               // edt1 to edt4, the group names
    // Picture i (from 0) of group g (from 0) is pictures[3g + i], with links[3g + i].
    QStringList pictures, links;

    ZuobiaoqianInput();
};

// The carousel: the left column with the title and the group names as its
// navigation, and one slide of three pictures per group.
QString zuobiaoqianSnippet(const ZuobiaoqianInput& input);

// A tabbed product showcase: a coloured column on the left with a title and
// four group names; three product pictures of the selected group on the right.
class Tfrmzuobiaoqian : public hover::HoverForm {
    Q_OBJECT
public:
    Tfrmzuobiaoqian();

private:
    ZuobiaoqianInput input() const;
};

} // namespace generators
