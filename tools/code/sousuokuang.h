#pragma once

#include "core/form.h"

namespace core {
class Browser;
}

namespace tools {

// A search box of chosen sizes and colours, with optional hot words, laid over
// a block of the user's own code, with a live preview.
class Tfrmsousuokuang : public core::Form {
    Q_OBJECT
public:
    Tfrmsousuokuang();

private:
    core::Browser* browser();
    void build();
    struct Sizes {
        qint64 boxWidth, lift, rightOffset, fieldWidth, previewFieldWidth;
    };
    Sizes sizes() const;
    QString block(const Sizes& size) const;

    core::Browser* m_browser = nullptr;
};

} // namespace tools
