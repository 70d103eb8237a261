#pragma once

#include "core/form.h"

namespace core {
class Browser;
}

namespace generators {

// Two columns side by side, each a linked picture with a coloured tag, a title
// and a small text; previewed in the window before it is copied.
class Tfrmdanhang1 : public core::Form {
    Q_OBJECT
public:
    Tfrmdanhang1();

private:
    QString snippet() const;

    core::Browser* m_browser = nullptr;
};

} // namespace generators
