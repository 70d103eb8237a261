#pragma once

#include "generators/lists/hovereffects.h"

#include <QStringList>

namespace generators {

// The fields of the seven pictures with a zone as the window holds them; the
// defaults are the window's (an ordinary shop).
struct QituzhuanquInput {
    QString width = QStringLiteral("950");        // lbl5, the block
    QString pictureWidth = QStringLiteral("310"); // lbl2
    // Picture k (from 0): edt(2k+1), its link edt(2k+2).
    QStringList pictures, links;
    QString title = QStringLiteral("风格T恤婉转你的青春"); // edt15
    QString text;                                          // mmo1
    QString zoneLink = QStringLiteral("#");                // edt16

    QituzhuanquInput();
};

// Pictures 1 to 4, the zone, pictures 5 to 7.
QString qituzhuanquSnippet(const QituzhuanquInput& input);

// Seven linked pictures in three rows around a text zone with a title, a text
// and a button into the zone.
class Tfrmqituzhuanqu : public hover::HoverForm {
    Q_OBJECT
public:
    Tfrmqituzhuanqu();

private:
    QituzhuanquInput input() const;
};

} // namespace generators
