#pragma once

#include "core/form.h"

namespace core {
class Browser;
}

namespace generators {

// A countdown box placed at a chosen position over a 1920-px full-screen
// poster, built step by step with a position preview in the web view.
class Tfrmdaojishi : public core::Form {
public:
    Tfrmdaojishi();

private:
    QString countdown() const;
    QString fullScreen() const;
    QString positionPage() const;

    core::Browser* m_browser = nullptr;
};

} // namespace generators
