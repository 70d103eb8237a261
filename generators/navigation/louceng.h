#pragma once

#include "core/form.h"
#include "generators/navigation/navigation.h"

#include <QStringList>

namespace generators {

// The fields of the floor bars, as typed; the defaults are the window's.
struct LoucengInput {
    int floor = 1;                                    // the floor whose bar is built, 1 to 5
    QString height = QStringLiteral("45");            // edt10, px
    QString textSize = QStringLiteral("18");          // edt11, px
    QString textColour = QStringLiteral("#fff");      // edt12
    QString back = QStringLiteral("#ccc");            // edt1
    QString backPicture = QStringLiteral("none");     // edt2
    QString marked = QStringLiteral("#f30");          // edt3, the bar's own floor
    QString markedPicture = QStringLiteral("none");   // edt4
    // Floors 1 to 5: edt5 to edt9.
    QStringList names = {QStringLiteral("新品发布"), QStringLiteral("清仓处理"), QStringLiteral("暑期特卖"),
                         QStringLiteral("掌柜推荐"), QStringLiteral("包邮专区")};
};

// The bar of the input's floor: its anchor, its own floor marked and the other
// four linked to their bars.
QString loucengSnippet(const LoucengInput& input);

// The preview: floor 1's bar without the anchor and the links.
QString loucengPreview(const LoucengInput& input);

// The fields of an anchor pair, as typed; the defaults are the window's.
struct MaodianInput {
    QString anchor = QStringLiteral("锚点名称"); // cbb1
    QString start;                               // mmo2, the text or code that becomes the link
};

// The start: a link to the anchor around the start text.
QString maodianStart(const MaodianInput& input);

// The target: the anchor itself.
QString maodianTarget(const MaodianInput& input);

// Five floor bars for a long shop page: each bar carries its floor's anchor,
// marks its own floor and links the other four to their bars.
class TFrmlouceng : public core::Form {
    Q_OBJECT
public:
    TFrmlouceng();

private:
    LoucengInput input(int floor) const;

    core::Browser* m_browser = nullptr;
};

// A start link to a named anchor and the anchor itself.
class Tfrmmaodian : public core::Form {
    Q_OBJECT
public:
    Tfrmmaodian();

private:
    MaodianInput input() const;
};

} // namespace generators
