#pragma once

#include "core/form.h"

namespace generators {

// A 280 px quick category channel: big category names on the left, rows of
// category links in the middle, the shop search and a picture link on the
// right, as wide as the chosen shop type's home page.
class Tfrmfenleitongdao : public core::Form {
    Q_OBJECT
public:
    Tfrmfenleitongdao();

private:
    QString linkSpan(const QString& name, const QString& address) const;
    QString snippet() const;
};

} // namespace generators
