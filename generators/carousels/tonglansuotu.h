#pragma once

#include "core/form.h"

#include <QStringList>

namespace generators {

// The fields of the poster carousel with thumbnails, as the window holds
// them; the defaults are the window's.
struct TonglansuotuInput {
    int slides = 2;                         // cbb1: "2张", "3张", anything else 4
    QString height = QStringLiteral("500"); // edt1
    // The thumbnail strip's width and left edge, lbl4 and lbl5, written when
    // the count changes.
    QString stripWidth = QStringLiteral("480");
    QString stripLeft = QStringLiteral("720");
    // Row k (from 0): poster edt(2k+2), link edt(2k+3), thumbnail edt(k+10).
    QStringList posters, links, thumbnails;

    TonglansuotuInput();
};

// The posters with arrows and the strip of their thumbnails below.
QString tonglansuotuSnippet(const TonglansuotuInput& input);

// Full-width poster carousel with a strip of thumbnails and arrows.
class Tfrmtonglansuotu : public core::Form {
    Q_OBJECT
public:
    Tfrmtonglansuotu();

private:
    TonglansuotuInput input() const;
};

} // namespace generators
