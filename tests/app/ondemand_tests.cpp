#include "app/launcher.h"
#include "app/windows.h"
#include "core/deferredbrowser.h"
#include "tests/support/helpers.h"
#include "tests/support/processes.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

class OnDemandTest : public testing::ProgramTest {};

// The converter and the previewer are made when a hand-off first needs them,
// and are filled exactly as windows made at start-up. First in this program:
// neither exists before.
TEST_F(OnDemandTest, HandOffsFillWindowsNeverMadeBefore) {
    ASSERT_EQ(core::existingInstance("Tfrmtonglan3"), nullptr);
    ASSERT_EQ(core::existingInstance("Tfrmyulan"), nullptr);

    core::Form* carousel = testing::form("Tfrmlunbo");
    carousel->setText("cbb2", "天猫版");
    carousel->setText("edt14", "600");
    carousel->fire("btn1Click");
    const QString snippet = carousel->text("mmo1");
    ASSERT_FALSE(snippet.isEmpty());
    carousel->fire("btn3Click");

    core::Form* converter = core::existingInstance("Tfrmtonglan3");
    ASSERT_NE(converter, nullptr);
    EXPECT_TRUE(converter->isVisible());
    EXPECT_TRUE(converter->control<QAbstractButton>("rb2")->isChecked());
    EXPECT_FALSE(converter->control<QAbstractButton>("rb1")->isChecked());
    EXPECT_FALSE(converter->control<QAbstractButton>("rb3")->isChecked());
    EXPECT_EQ(converter->text("edt1"), "1920");
    EXPECT_EQ(converter->text("edt2"), "600");
    // The converted height follows the handed height: H − 20.
    EXPECT_EQ(converter->text("edt3"), "580");
    EXPECT_EQ(converter->text("mmo1"), snippet);

    converter->fire("btn1Click");
    const QString converted = converter->text("mmo2");
    ASSERT_TRUE(converted.contains(snippet));
    EXPECT_EQ(fake().clipboard, converted);
    converter->fire("btn2Click");

    core::Form* previewer = core::existingInstance("Tfrmyulan");
    ASSERT_NE(previewer, nullptr);
    EXPECT_TRUE(previewer->isVisible());
    EXPECT_EQ(previewer->text("redt1"), converted);
    EXPECT_EQ(previewer->control<core::RadioGroup>("rg1")->itemIndex(), 2);

    // A second hand-off reaches the same windows.
    carousel->setText("cbb2", "基础版");
    carousel->setText("edt14", "450");
    carousel->fire("btn3Click");
    EXPECT_EQ(core::existingInstance("Tfrmtonglan3"), converter);
    EXPECT_TRUE(converter->control<QAbstractButton>("rb3")->isChecked());
    EXPECT_EQ(converter->text("edt3"), "430");
    converter->hide();
    previewer->hide();
    carousel->hide();
}

// The recording platform with the program's own embedded browsers.
class BrowsingPlatform : public testing::FakePlatform {
public:
    core::Browser* createBrowser(QWidget* parent) override { return core::createEmbeddedBrowser(parent); }
};

bool waitFor(const std::function<bool()>& condition, int ms) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > ms) return false;
        QTest::qWait(50);
    }
    return true;
}

// Start-up makes the launcher and the windows whose making the user sees,
// and no web engine starts until a page that needs it is shown: not for the
// announcement, not for the description assistant's start page and its
// reload.
TEST_F(OnDemandTest, NoWebEngineUntilAPageThatNeedsItIsShown) {
    BrowsingPlatform platform;
    core::setPlatform(&platform);
    app::createStartupWindows();
    QStringList made;
    for (core::Form* form : app::windows())
        made << form->objectName();
    // Made before this test: the windows of the hand-off.
    made.removeAll("Tfrmlunbo");
    made.removeAll("Tfrmtonglan3");
    made.removeAll("Tfrmyulan");
    EXPECT_EQ(made, QStringList({"Tfrmindex", "Tfrmgezilist", "Tfrmimgurl", "Tfrmmain"}));

    auto* launcher = static_cast<app::Tfrmindex*>(app::window("Tfrmindex"));
    launcher->showForm();
    ASSERT_TRUE(waitFor([&] { return launcher->announcementBrowser() != nullptr; }, 5000));
    auto* announcement = static_cast<core::DeferredBrowser*>(launcher->announcementBrowser());
    EXPECT_TRUE(waitFor([&] { return announcement->showsText(); }, 5000));

    // The assistant's countdown ends in a reload of its start page.
    core::Form* assistant = app::window("Tfrmmain");
    for (int tick = 0; tick <= 21; ++tick)
        assistant->fire("tmr1Timer");
    QTest::qWait(1000);
    EXPECT_EQ(testing::webEngineProcesses(getpid()), 0);
    EXPECT_FALSE(announcement->hasWebView());

    // The custom search box shows its notice page, a page of the web.
    core::Form* searchBox = core::instance("Tfrmsousuokuang");
    searchBox->showForm();
    EXPECT_TRUE(waitFor([] { return testing::webEngineProcesses(getpid()) > 0; }, 30000));
    searchBox->hide();
    launcher->hide();
    core::setPlatform(&fake());
}

// The program as started: after start no web-engine process runs.
TEST(OnDemand, TheStartedProgramRunsNoWebEngine) {
    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("QINGWU_HEADLESS_DIALOGS", "1");
    env.insert("XDG_RUNTIME_DIR", runtime.path());
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(QINGWU_BINARY_DIR);
    program.start(QINGWU_BINARY_DIR "/qingwu", {});
    ASSERT_TRUE(program.waitForStarted(10000));
    // Running, its windows made and the announcement shown.
    ASSERT_TRUE(waitFor([&] { return QFile::exists(runtime.path() + "/qingwu-index.socket"); }, 20000));
    QTest::qWait(3000);
    EXPECT_EQ(program.state(), QProcess::Running);
    EXPECT_EQ(testing::webEngineProcesses(program.processId()), 0);
    program.kill();
    program.waitForFinished(10000);
}

} // namespace
