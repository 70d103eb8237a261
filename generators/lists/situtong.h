#pragma once

#include "core/form.h"

namespace core {
class Browser;
}

namespace generators {

// Four products in two rows of two, each with a coloured title and an
// introduction line; previewed in the window before it is copied.
class TFrmsitutong : public core::Form {
    Q_OBJECT
public:
    TFrmsitutong();

private:
    QString snippet() const;

    core::Browser* m_browser = nullptr;
};

} // namespace generators
