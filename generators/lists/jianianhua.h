#pragma once

#include "core/form.h"

namespace core {
class Browser;
}

namespace generators {

// Eight carnival cards in two rows of four on a coloured background: picture,
// title, tag and price, and a buy bar.
class TFrmjianianhua : public core::Form {
    Q_OBJECT
public:
    TFrmjianianhua();

private:
    QString snippet() const;
    // The two colours back at their start values.
    void resetColours();

    core::Browser* m_browser = nullptr;
};

} // namespace generators
