#pragma once

#include "core/form.h"

namespace tools {

// A fixed 50 px search strip for the shop: title, keyword field, price range,
// button, three keyword links and three free links.
class Tfrmss : public core::Form {
    Q_OBJECT
public:
    Tfrmss();

private:
    QString snippet() const;
};

} // namespace tools
