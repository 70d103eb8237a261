#pragma once

#include "core/form.h"

#include <QStringList>

namespace core {
class Browser;
}

namespace generators {

// The fields of the carnival cards as the window holds them; the defaults are
// the window's (the ordinary shop's edition).
struct JianianhuaInput {
    QString pictureWidth = QStringLiteral("205");  // lbl3
    QString pictureHeight = QStringLiteral("205"); // lbl4
    QString width = QStringLiteral("950");         // lbl8, the block
    QString height = QStringLiteral("700");        // lbl10
    QString cardHeight = QStringLiteral("320");    // lbl12
    QString background = QStringLiteral("#fc0");   // edt44
    QString accent = QStringLiteral("#f33");       // edt45, tags, prices and the buy bar
    // Card k (from 0): edt(k+2), edt(k+10), edt(k+34), edt(k+18), edt(k+26).
    QStringList pictures, links, titles, tags, prices;

    JianianhuaInput();
};

// The eight cards in two rows of four on the coloured block.
QString jianianhuaSnippet(const JianianhuaInput& input);

// Eight carnival cards in two rows of four on a coloured background: picture,
// title, tag and price, and a buy bar.
class TFrmjianianhua : public core::Form {
    Q_OBJECT
public:
    TFrmjianianhua();

private:
    JianianhuaInput input() const;
    // The two colours back at their start values.
    void resetColours();

    core::Browser* m_browser = nullptr;
};

} // namespace generators
