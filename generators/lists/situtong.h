#pragma once

#include "core/form.h"

#include <QStringList>

namespace core {
class Browser;
}

namespace generators {

// The fields of the four-product list as the window holds them; the defaults
// are the window's (an ordinary shop's home page).
struct SitutongInput {
    QString width = QStringLiteral("470");      // lbl3, a product's width
    QString tagColour = QStringLiteral("#093"); // edt17
    // Product k (from 0): edt(4k+1), edt(4k+2), edt(4k+3), edt(4k+4).
    QStringList pictures, links, titles, introductions;

    SitutongInput();
};

// The four products in two rows of two.
QString situtongSnippet(const SitutongInput& input);

// Four products in two rows of two, each with a coloured title and an
// introduction line; previewed in the window before it is copied.
class TFrmsitutong : public core::Form {
    Q_OBJECT
public:
    TFrmsitutong();

private:
    SitutongInput input() const;

    core::Browser* m_browser = nullptr;
};

} // namespace generators
