#pragma once

#include "core/form.h"

namespace core {
class Browser;
}

namespace generators {

// The shopkeeper's note: picture, titled note and a featured product with
// price, tag and buy button, previewed on the window's own page.
class TFrmzhanggui : public core::Form {
    Q_OBJECT
public:
    TFrmzhanggui();

private:
    QString snippet() const;

    core::Browser* m_browser = nullptr;
};

} // namespace generators
