#pragma once

#include "core/form.h"

#include <QStringList>

namespace generators {

// The fields of the layered theme carousel, as the window holds them; the
// defaults are the window's.
struct LBfencengInput {
    QString height = QStringLiteral("450"); // edt14
    // lbl10: how far the theme bar is lifted, the height plus 40, written
    // when the height changes to a whole number.
    QString lift = QStringLiteral("490");
    bool bouncing = false; // "动态效果" chosen (cbb1), so lbl9 holds the bouncing closing
    // Slide k (from 0): foreground edt(k+1), background edt(k+4), link
    // edt(k+7), theme name edt(k+10).
    QStringList fronts, backs, links, names;

    LBfencengInput();
};

// The backgrounds sliding sideways, the foregrounds sliding up and down in
// step, and the bar of theme names.
QString lbfencengSnippet(const LBfencengInput& input);

// Layered theme carousel: full-width backgrounds slide sideways while centred
// foreground pictures slide up and down in step.
class TfrmLBfenceng : public core::Form {
    Q_OBJECT
public:
    TfrmLBfenceng();

private:
    LBfencengInput input() const;
};

} // namespace generators
