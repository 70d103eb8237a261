#pragma once

#include "core/failure.h"
#include "core/fetch.h"
#include "core/form.h"
#include "core/registry.h"
#include "core/snippet.h"
#include "tests/support/fake_platform.h"

#include <QEventLoop>
#include <QFile>
#include <QString>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <unistd.h>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace testing {

// The one window of a class, made on first use; it lives for the test process.
inline core::Form* form(const QString& className) {
    core::Form* found = core::instance(className);
    EXPECT_NE(found, nullptr) << className.toStdString();
    return found;
}

// A build's field updates in their order, "control=text" each.
inline QStringList updatesOf(const core::Built& built) {
    QStringList out;
    for (const core::FieldUpdate& update : built.updates)
        out << update.control + "=" + update.text;
    return out;
}

// The message of the failure an action ends in, or "<no failure>".
inline QString failureOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const core::Failure& failure) {
        return failure.message();
    }
    return QStringLiteral("<no failure>");
}

// Turns the event loop until the window waits for the network no more, or
// the time is up; false when it still waits.
inline bool settle(core::Form* window, int milliseconds = 30000) {
    if (!window->busy()) return true;
    QEventLoop loop;
    QObject::connect(window, &core::Form::busyChanged, &loop, [&loop](bool busy) {
        if (!busy) loop.quit();
    });
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
    return !window->busy();
}

// Runs a handler and waits for what it fetches.
inline void fireAndSettle(core::Form* window, const QString& handler) {
    window->fire(handler);
    EXPECT_TRUE(settle(window)) << handler.toStdString();
}

// The fetch limits of the program, lowered for a test and restored after.
class FetchLimitsScope {
public:
    FetchLimitsScope()
        : m_saved(core::fetchLimits()) {}
    ~FetchLimitsScope() { core::fetchLimits() = m_saved; }

private:
    core::FetchLimits m_saved;
};

// The resident memory of the test process in bytes.
inline qint64 residentBytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toLongLong() * sysconf(_SC_PAGESIZE);
}

// How much resident memory may grow over a table of hostile answers: far below
// what a response read without a cap takes (gigabytes), above what the work
// itself keeps. AddressSanitizer holds freed memory back (256 MB by default),
// so its builds allow that much more.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr qint64 kResidentGrowthLimit = (100LL + 256) << 20;
#else
inline constexpr qint64 kResidentGrowthLimit = 100LL << 20;
#endif

// A fixture that starts every test with a clean recording platform.
class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override { fakePlatform().reset(); }
    FakePlatform& fake() { return fakePlatform(); }
};

} // namespace testing
