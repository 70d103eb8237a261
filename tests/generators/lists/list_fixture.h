#pragma once

#include "app/windows.h"
#include "tests/generators/carousels/page_files.h"
#include "tests/support/helpers.h"

#include <gtest/gtest.h>

namespace testing {

// A list generator's test: a clean recording platform and an empty current
// folder for the preview page.
class ListTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        ASSERT_TRUE(folder.isValid());
    }
    // The preview page the windows write.
    QString page() const { return folder.path() + "/files.html"; }
    // Exactly one message box, owned by the window.
    void expectMessage(const QString& owner, const QString& text, const QString& title = "提示信息") {
        ASSERT_EQ(fake().callsOf("messageBox").size(), 1);
        EXPECT_EQ(fake().lastMessage().text, text);
        EXPECT_EQ(fake().lastMessage().title, title);
        EXPECT_EQ(fake().lastMessage().owner, owner);
    }
    void expectOutOfSight(core::Form* w, const QString& name) {
        EXPECT_TRUE(w->control(name)->isHidden()) << name.toStdString();
        EXPECT_EQ(w->control(name)->focusPolicy(), Qt::NoFocus) << name.toStdString();
    }
    FakeBrowser* browserOf(core::Form* w) const { return w->findChild<FakeBrowser*>(); }
    // The thumbnail shows the window; closing hides it and keeps the one instance.
    void openFromLauncher(const QString& image, core::Form* w) {
        form("Tfrmindex")->fire(image + "Click");
        EXPECT_TRUE(w->isVisible());
        w->close();
        EXPECT_FALSE(w->isVisible());
        EXPECT_EQ(app::window(w->objectName()), w);
    }
    ScratchCurrentFolder folder;
};

} // namespace testing
