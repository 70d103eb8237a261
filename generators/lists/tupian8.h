#pragma once

#include "core/form.h"

#include <QStringList>

namespace generators {

// The fields of the eight-product list as the window holds them; the
// defaults are the window's (an ordinary shop's description).
struct Tupian8Input {
    QString width = QStringLiteral("180");      // lbl3, a product's width
    QString tagColour = QStringLiteral("#396"); // edt33
    // Product k (from 0): edt(4k+1), edt(4k+2), edt(4k+3), edt(4k+4).
    QStringList pictures, links, words, prices;

    Tupian8Input();
};

// The eight products in two rows of four.
QString tupian8Snippet(const Tupian8Input& input);

// Eight products in two rows of four, each picture with a coloured word and a
// price under it.
class Tfrmtupian8 : public core::Form {
    Q_OBJECT
public:
    Tfrmtupian8();

private:
    Tupian8Input input() const;
};

} // namespace generators
