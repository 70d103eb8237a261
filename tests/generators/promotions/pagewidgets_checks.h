#pragma once

#include "tests/support/helpers.h"

#include <QString>
#include <gtest/gtest.h>

namespace testing {

inline const QString kShopCopied = QStringLiteral("代码已被复制，可以到店铺的自定义进行粘贴了！");

// The snippet reached the clipboard and the window said so in its own box.
inline void expectCopied(FakePlatform& fake, const QString& owner, const QString& snippet,
                         const QString& notice, const QString& title = QStringLiteral("提示信息")) {
    EXPECT_TRUE(fake.clipboardSet);
    EXPECT_EQ(fake.clipboard, snippet);
    EXPECT_EQ(fake.lastMessage().text, notice);
    EXPECT_EQ(fake.lastMessage().title, title);
    EXPECT_EQ(fake.lastMessage().owner, owner);
}

// Nothing copied and exactly this one message shown (or none for an empty text).
inline void expectNothingCopied(FakePlatform& fake, const QString& message) {
    EXPECT_FALSE(fake.clipboardSet);
    if (message.isEmpty()) {
        EXPECT_TRUE(fake.callsOf("messageBox").isEmpty());
    } else {
        ASSERT_EQ(fake.callsOf("messageBox").size(), 1);
        EXPECT_EQ(fake.lastMessage().text, message);
    }
}

// The generic error box reported a page that could not be written.
inline void expectWriteFailed(FakePlatform& fake) {
    EXPECT_TRUE(fake.lastMessage().text.startsWith(QStringLiteral("Cannot create file")))
        << fake.lastMessage().text.toStdString();
    EXPECT_EQ(fake.lastMessage().title, fake.applicationTitle());
}

// The framework's conversion message for a typed text; `kind` is "integer" or
// "floating point". A very long text is named as far as the edit kept it.
inline void expectNotANumber(FakePlatform& fake, const QString& typed, const QString& kind) {
    const QString message = fake.lastMessage().text;
    const QString tail = QStringLiteral("' is not a valid %1 value").arg(kind);
    if (typed.size() < 1000) {
        EXPECT_EQ(message, QStringLiteral("'") + typed + tail);
    } else {
        EXPECT_TRUE(message.startsWith(QStringLiteral("'") + typed.left(1000)))
            << message.left(60).toStdString();
        EXPECT_TRUE(message.endsWith(tail)) << message.right(60).toStdString();
    }
    EXPECT_EQ(fake.lastMessage().title, fake.applicationTitle());
}

// A test of one window, reached as start-up made it and kept for the run.
class FormTest : public ProgramTest {
protected:
    explicit FormTest(const char* className)
        : m_className(className) {}
    void SetUp() override {
        ProgramTest::SetUp();
        w = form(m_className);
        ASSERT_NE(w, nullptr);
    }
    core::Form* w = nullptr;

private:
    QString m_className;
};

// Texts that are no plain number, with the conversion message each gives.
inline const char* const kHostileNumbers[] = {"", "abc", "1e309", "NaN", "1,5"};

} // namespace testing
