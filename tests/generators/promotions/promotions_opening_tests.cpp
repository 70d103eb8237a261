#include "app/windows.h"
#include "tests/support/helpers.h"

#include <gtest/gtest.h>

namespace {

class PromotionsOpeningTest : public testing::ProgramTest {};

// Each window opens from its thumbnail on the launcher, as the one instance
// made at start-up, and keeps what was typed into it.
TEST_F(PromotionsOpeningTest, ThumbnailsShowTheirWindows) {
    core::Form* launcher = testing::form("Tfrmindex");
    ASSERT_NE(launcher, nullptr);
    const struct {
        const char* thumbnail;
        const char* window;
        const char* field;
    } rows[] = {
        {"img14", "Tfrmyhq", "edt2"},
        {"img12", "Tfrmdanpinyouhuiquan", "edt3"},
        {"img35", "TFrmjieridaojishi", "edt6"},
        {"img11", "Tfrmdaojishi", "edt1"},
        {"img74", "Tfrmww", "edt1"},
        {"img77", "Tfrmgxww", "edt3"},
        {"img78", "Tfrmwangwangqun", "edt5"},
        {"img24", "Tfrmkefu", "edt2"},
    };
    for (const auto& row : rows) {
        core::Form* w = testing::form(row.window);
        ASSERT_NE(w, nullptr) << row.window;
        EXPECT_FALSE(w->isVisible()) << row.window;
        w->setText(row.field, "typed");
        ASSERT_TRUE(launcher->fire(QString(row.thumbnail) + "Click")) << row.thumbnail;
        EXPECT_TRUE(w->isVisible()) << row.window;
        EXPECT_EQ(app::window(row.window), w);
        w->close();
        EXPECT_FALSE(w->isVisible());
        launcher->fire(QString(row.thumbnail) + "Click");
        EXPECT_EQ(w->text(row.field), "typed") << row.window;
        w->hide();
    }
}

// Every generator of the family gives the snippet of its sample settings
// without a window.
TEST_F(PromotionsOpeningTest, EveryGeneratorHasASampleSnippet) {
    const char* generators[] = {"Tfrmbeijing",
                                "TfrmBJHD",
                                "TFrmjianfeng",
                                "Tfrmlike",
                                "Tfrmtext",
                                "Tfrmww",
                                "Tfrmgxww",
                                "Tfrmwangwangqun",
                                "Tfrmsale",
                                "TFrmjieridaojishi",
                                "Tfrmdanpinyouhuiquan",
                                "Tfrmpaihangbang",
                                "TFrmzhanggui",
                                "Tfrmyhq",
                                "TFrmxiu",
                                "Tfrmztypl",
                                "TFrmliuyanban",
                                "Tfrmkefu",
                                "Tfrmdaojishi",
                                "Tfrmyouku",
                                "Tfrmxiala"};
    for (const char* name : generators) {
        const core::WindowClass* window = core::windowClass(name);
        ASSERT_NE(window, nullptr) << name;
        ASSERT_TRUE(window->info.preview) << name;
        ASSERT_TRUE(window->info.sample) << name;
        const QString sample = window->info.sample();
        EXPECT_FALSE(sample.isEmpty()) << name;
        EXPECT_EQ(window->info.sample(), sample) << name; // the same each time
    }
}

} // namespace
