#pragma once

#include "core/form.h"

namespace core {
class Browser;
}

namespace generators {

// A video player of any size placed over a background picture, tried out in
// the window's own web view.
class Tfrmquanpingshipin : public core::Form {
    Q_OBJECT
public:
    Tfrmquanpingshipin();

private:
    QString snippet() const;

    core::Browser* m_browser = nullptr;
};

} // namespace generators
