#pragma once

#include "core/form.h"

#include <QStringList>

namespace generators {

// The fields of the poster with the category column, as typed; the defaults
// are the window's.
struct ShishangtonglanInput {
    QString poster;                                       // edt1
    QString posterLink = QStringLiteral("#");             // edt19
    QString small;                                        // edt2
    QString smallLink = QStringLiteral("#");              // edt3
    QString heading = QStringLiteral("掌柜推荐/HOTSALE"); // edt20
    // Category k (from 0): its name edt(2k+4) and its link edt(2k+5).
    QStringList names, links;
    QString buttonText = QStringLiteral("查看更多"); // edt16
    QString buttonColour = QStringLiteral("#000");   // edt17
    QString buttonLink = QStringLiteral("#");        // edt18

    ShishangtonglanInput();
};

// The 1920 x 600 poster with the small picture, the six categories and the
// button floating over its left side.
QString shishangtonglanSnippet(const ShishangtonglanInput& input);

// Full-width poster with a floating category column.
class Tfrmshishangtonglan : public core::Form {
    Q_OBJECT
public:
    Tfrmshishangtonglan();

private:
    ShishangtonglanInput input() const;
};

} // namespace generators
