#pragma once

#include "core/form.h"

namespace core {
class Browser;
}

namespace generators {

// A Flash embed for a Youku video, made from the video's page address and
// tried out in the window's own browser.
class Tfrmyouku : public core::Form {
    Q_OBJECT
public:
    Tfrmyouku();

private:
    core::Browser* m_browser = nullptr;
};

} // namespace generators
