#pragma once

#include "core/form.h"

#include <QStringList>

namespace generators {

// The fields of the carousel with the expanding column, as the window holds
// them; the defaults are the window's.
struct LBzhankaiInput {
    QString background = QStringLiteral("#fff"); // edtdise, the column's colour
    QString textColour = QStringLiteral("#000"); // edtyanse
    QString opacity = QStringLiteral("85");      // cbb1, a percentage
    // The column's left edge (lbl10) and the buttons' (lbl11), written when
    // the shop type changes.
    QString columnLeft = QStringLiteral("485");
    QString buttonsLeft = QStringLiteral("1325");
    // Picture k (from 0): edttu(k+1) and its link edtlian(k+1).
    QStringList pictures, links;
    // Entry k (from 0): its title edtbiao(k+1) and its custom HTML mmohtml(k+1).
    QStringList titles, panels;

    LBzhankaiInput();
};

// The three pictures with their round buttons, and over them the column with
// the five-entry accordion.
QString lbzhankaiSnippet(const LBzhankaiInput& input);

// Full-width picture carousel overlaid on its left by a column holding a
// five-entry accordion of custom HTML.
class TfrmLBzhankai : public core::Form {
    Q_OBJECT
public:
    TfrmLBzhankai();

private:
    LBzhankaiInput input() const;
};

} // namespace generators
