#pragma once

#include "core/form.h"

namespace core {
class Browser;
}

namespace generators {

// Four group-buy cards in a row: title, framed picture, a coloured price bar
// with a button; previewed on the window's second page.
class Tfrmtuangou : public core::Form {
    Q_OBJECT
public:
    Tfrmtuangou();

private:
    QString snippet() const;

    core::Browser* m_browser = nullptr;
};

} // namespace generators
