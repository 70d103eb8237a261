#pragma once

#include <QLocale>

namespace testing {

// The desktop's formats for the life of one scope.
class DesktopLocale {
public:
    explicit DesktopLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~DesktopLocale() { QLocale::setDefault(m_previous); }
    DesktopLocale(const DesktopLocale&) = delete;
    DesktopLocale& operator=(const DesktopLocale&) = delete;

private:
    QLocale m_previous;
};

} // namespace testing
