#include "app/instance.h"
#include "app/windows.h"
#include "tests/support/helpers.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

// The real program, started as a user would, with its own runtime folder.
class Program {
public:
    explicit Program(const QString& runtime) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("QINGWU_HEADLESS_DIALOGS", "1");
        env.insert("XDG_RUNTIME_DIR", runtime);
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(QINGWU_BINARY_DIR);
        process.start(QINGWU_BINARY_DIR "/qingwu", {});
        process.waitForStarted(10000);
    }
    ~Program() {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(10000);
        }
    }
    QProcess process;
};

bool waitFor(const std::function<bool()>& condition, int ms) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > ms) return false;
        QThread::msleep(50);
    }
    return true;
}

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QString lock() const { return runtime.path() + "/qingwu-index.lock"; }
    QTemporaryDir runtime;
};

TEST_F(StartupTest, SecondInstanceShowsItsMessageAndEnds) {
    Program first(runtime.path());
    ASSERT_TRUE(waitFor([&] { return QFile::exists(lock()); }, 20000));

    Program second(runtime.path());
    ASSERT_TRUE(second.process.waitForFinished(20000));
    EXPECT_EQ(second.process.exitCode(), 0);
    EXPECT_EQ(QString::fromUtf8(second.process.readAllStandardOutput()),
              "messageBox\t温馨提示\t岚舟提醒：程序已经运行托盘中查看！\n");
    EXPECT_EQ(first.process.state(), QProcess::Running);
}

TEST_F(StartupTest, ALaterStartCallsTheRunningProgramToTheFront) {
    const QString path = runtime.path() + "/qingwu-index.socket";
    // A socket left behind by a killed program is no obstacle.
    QFile stale(path);
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.close();
    app::InstanceChannel channel(path);
    ASSERT_TRUE(channel.listen());
    int calls = 0;
    QObject::connect(&channel, &app::InstanceChannel::called, [&] { ++calls; });
    EXPECT_TRUE(app::InstanceChannel::callRunning(path));
    EXPECT_TRUE(waitFor(
        [&] {
            QCoreApplication::processEvents();
            return calls == 1;
        },
        5000));
    // Nobody listening: the caller says so instead of waiting for ever.
    EXPECT_FALSE(app::InstanceChannel::callRunning(runtime.path() + "/nobody.socket", 500));
}

TEST_F(StartupTest, TheRunningProgramListensBesideItsLock) {
    Program first(runtime.path());
    ASSERT_TRUE(waitFor([&] { return QFile::exists(lock()); }, 20000));
    const QString path = runtime.path() + "/qingwu-index.socket";
    EXPECT_TRUE(waitFor([&] { return app::InstanceChannel::callRunning(path, 500); }, 20000));
}

TEST_F(StartupTest, LockOfAKilledProcessDoesNotBlock) {
    {
        Program crashed(runtime.path());
        ASSERT_TRUE(waitFor([&] { return QFile::exists(lock()); }, 20000));
        crashed.process.kill(); // no chance to remove its lock
        crashed.process.waitForFinished(10000);
    }
    ASSERT_TRUE(QFile::exists(lock()));
    Program next(runtime.path());
    EXPECT_FALSE(next.process.waitForFinished(3000)) << next.process.readAllStandardOutput().toStdString();
    EXPECT_EQ(next.process.state(), QProcess::Running);
    EXPECT_TRUE(next.process.readAllStandardOutput().isEmpty());
}

TEST(Startup, WindowsAreCreatedOnceInStartupOrderAndOnlyTheLauncherShows) {
    app::createWindows();
    const QList<core::Form*> created = app::windows();
    ASSERT_GE(created.size(), 3);
    EXPECT_EQ(created[0]->objectName(), "Tfrmindex");
    EXPECT_EQ(created[1]->objectName(), "Tfrmmini");
    // The created windows follow the start-up order.
    qsizetype position = -1;
    for (core::Form* form : created) {
        const qsizetype next = app::startupOrder().indexOf(form->objectName());
        EXPECT_GT(next, position) << form->objectName().toStdString();
        position = next;
    }
    app::createWindows();
    EXPECT_EQ(app::windows(), created);
    EXPECT_EQ(app::window("Tfrmlunbo"), app::window("Tfrmlunbo"));
    EXPECT_EQ(app::window("TfrmNoSuchWindow"), nullptr);

    for (core::Form* form : created)
        EXPECT_FALSE(form->isVisible()) << form->objectName().toStdString();
    app::window("Tfrmindex")->showForm();
    int visible = 0;
    for (core::Form* form : created)
        visible += form->isVisible();
    EXPECT_EQ(visible, 1);
    EXPECT_EQ(app::window("Tfrmindex")->control<QTabWidget>("pgc1")->currentWidget()->objectName(),
              "tsgonggao");
}

TEST(Startup, EveryWindowIsATopLevelFormNamedAfterItsClass) {
    app::createWindows();
    for (core::Form* form : app::windows()) {
        EXPECT_TRUE(form->isWindow());
        EXPECT_FALSE(form->windowTitle().isEmpty()) << form->objectName().toStdString();
        EXPECT_TRUE(app::startupOrder().contains(form->objectName()));
    }
}

TEST(Startup, CompactToolbarSitsCentredAtTheTop) {
    core::Form* mini = testing::form("Tfrmmini");
    EXPECT_EQ(mini->size(), QSize(610, 40));
    EXPECT_EQ(mini->y(), 0);
    EXPECT_FALSE(mini->isVisible());
    // Folded, the favourites can be neither seen nor reached with Tab.
    QWidget* favourites = mini->control<QWidget>("lv1");
    EXPECT_FALSE(favourites->isVisibleTo(mini));
    mini->fire("btn3Click");
    EXPECT_EQ(mini->height(), 475);
    EXPECT_TRUE(favourites->isVisibleTo(mini));
    EXPECT_TRUE(mini->control<QWidget>("edt1")->isVisibleTo(mini));
    mini->fire("btn8Click");
    EXPECT_EQ(mini->height(), 40);
    EXPECT_FALSE(mini->control<QWidget>("edt1")->isVisibleTo(mini));
}

} // namespace
