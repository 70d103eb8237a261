#pragma once

#include "core/realplatform.h"
#include "tests/support/fake_platform.h"

#include <QList>

namespace testing {

// The recording platform, with real browsers of the web engine and the real
// fetch service.
class EnginePlatform : public FakePlatform {
public:
    EnginePlatform() { network = true; }

    core::Browser* createBrowser(QWidget* parent) override {
        core::Browser* browser = core::createWebBrowser(parent);
        made << browser;
        return browser;
    }
    QList<core::Browser*> made;

    // The browser made inside a window: other windows may make theirs first.
    core::Browser* madeIn(const QWidget* window) const {
        for (core::Browser* browser : made)
            if (window->isAncestorOf(browser->widget())) return browser;
        return nullptr;
    }
};

} // namespace testing
