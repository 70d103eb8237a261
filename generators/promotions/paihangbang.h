#pragma once

#include "core/form.h"

#include <QStringList>

namespace generators {

// The fields of the top-sellers list, as typed; the defaults are the window's.
struct PaihangbangInput {
    // Product k (from 0): edt(4k+1) title, edt(4k+2) picture, edt(4k+3) link, edt(4k+4) price.
    QStringList titles, pictures, links, prices;

    PaihangbangInput();
};

// The accordion of the five products, the first one open.
QString paihangbangSnippet(const PaihangbangInput& input);

// A top-sellers list of five products for the 190 px side column: an
// accordion that opens one product under the mouse.
class Tfrmpaihangbang : public core::Form {
    Q_OBJECT
public:
    Tfrmpaihangbang();

private:
    PaihangbangInput input() const;
};

} // namespace generators
