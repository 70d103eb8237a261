#pragma once

#include "core/failure.h"
#include "core/form.h"
#include "core/registry.h"
#include "tests/support/fake_platform.h"

#include <QString>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>

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

// The message of the failure an action ends in, or "<no failure>".
inline QString failureOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const core::Failure& failure) {
        return failure.message();
    }
    return QStringLiteral("<no failure>");
}

// A fixture that starts every test with a clean recording platform.
class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override { fakePlatform().reset(); }
    FakePlatform& fake() { return fakePlatform(); }
};

} // namespace testing
