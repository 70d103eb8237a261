// The program installed as a desktop program: files in place, a menu entry and
// an AppStream description that the freedesktop tools accept, and an installed
// copy that runs from a folder it may not write to.
#include "tests/support/helpers.h"
#include "tests/support/process.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

using testing::Finished;

Finished run(const QString& program, const QStringList& arguments, const QProcessEnvironment& env = {},
             int ms = 120000) {
    return testing::runProgram(program, arguments, env, ms);
}

class InstallTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        prefix = new QTemporaryDir;
        const Finished installed = run("cmake", {"--install", QINGWU_BINARY_DIR, "--prefix", prefix->path()});
        ASSERT_EQ(installed.exitCode, 0) << installed.output.toStdString();
    }
    static void TearDownTestSuite() {
        delete prefix;
        prefix = nullptr;
    }
    static QString at(const QString& path) { return prefix->path() + "/" + path; }
    static QTemporaryDir* prefix;
};

QTemporaryDir* InstallTest::prefix = nullptr;

TEST_F(InstallTest, ProgramModuleFilesMenuEntryIconAndDescription) {
    for (const QString path :
         {"lib/qingwu/qingwu", "lib/qingwu/libqingwu_webengine.so", "lib/qingwu/files/gonggao.html",
          "lib/qingwu/files/widgets.js", "lib/qingwu/files/yulan_wide_head.html",
          "share/applications/net.qingwu360.Qingwu.desktop",
          "share/metainfo/net.qingwu360.Qingwu.metainfo.xml", "share/icons/hicolor/scalable/apps/qingwu.svg",
          "share/icons/hicolor/16x16/apps/qingwu.svg", "share/icons/hicolor/32x32/apps/qingwu.svg"})
        EXPECT_TRUE(QFileInfo::exists(at(path))) << path.toStdString();
    const QFileInfo command(at("bin/qingwu"));
    EXPECT_TRUE(command.isSymLink());
    EXPECT_EQ(command.canonicalFilePath(), QFileInfo(at("lib/qingwu/qingwu")).canonicalFilePath());
    for (const QString icon : {"scalable", "16x16", "32x32"})
        EXPECT_TRUE(QSvgRenderer(at("share/icons/hicolor/" + icon + "/apps/qingwu.svg")).isValid())
            << icon.toStdString();
}

TEST_F(InstallTest, TheFreedesktopToolsAcceptMenuEntryAndDescription) {
    const Finished desktop =
        run("desktop-file-validate", {at("share/applications/net.qingwu360.Qingwu.desktop")});
    EXPECT_EQ(desktop.exitCode, 0) << desktop.output.toStdString();
    EXPECT_FALSE(desktop.output.contains("error")) << desktop.output.toStdString();
    const Finished appstream =
        run("appstreamcli", {"validate", "--no-net", at("share/metainfo/net.qingwu360.Qingwu.metainfo.xml")});
    EXPECT_EQ(appstream.exitCode, 0) << appstream.output.toStdString();
}

TEST_F(InstallTest, EveryWindowCarriesTheProgramsIcon) {
    EXPECT_FALSE(QApplication::windowIcon().isNull());
    EXPECT_FALSE(QApplication::windowIcon().pixmap(16, 16).isNull());
    app::createWindows();
    for (core::Form* w : app::windows())
        EXPECT_FALSE(w->windowIcon().isNull()) << w->objectName().toStdString();
}

// An installed copy whose folder the user may not write to keeps its preview
// pages and caches in the per-user data folder and starts all the same.
TEST_F(InstallTest, AReadOnlyInstallRunsFromThePerUserDataFolder) {
    QTemporaryDir home;
    QFile::setPermissions(home.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                           QFileDevice::WriteOther | QFileDevice::ExeOther |
                                           QFileDevice::ReadGroup | QFileDevice::ExeGroup);
    const QProcessEnvironment env = testing::headlessProgram(home.path());
    QString program = at("bin/qingwu");
    QStringList arguments;
    if (geteuid() == 0) {
        // Root writes everywhere: the program runs as an ordinary user instead.
        ASSERT_FALSE(QStandardPaths::findExecutable("setpriv").isEmpty());
        QFile::setPermissions(prefix->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                                  QFileDevice::ExeOther | QFileDevice::ReadGroup |
                                                  QFileDevice::ExeGroup);
        arguments = {"--reuid=65534", "--regid=65534", "--clear-groups", program};
        program = "setpriv";
    } else {
        run("chmod", {"-R", "a-w", prefix->path()});
    }
    const Finished started = run(program, arguments, env, 60000);
    if (geteuid() != 0) run("chmod", {"-R", "u+w", prefix->path()});
    EXPECT_TRUE(started.output.contains("ready")) << started.output.toStdString();
    EXPECT_TRUE(QFileInfo::exists(home.path() + "/data/qingwu/files/gonggao.html"));
    EXPECT_FALSE(QFileInfo::exists(at("lib/qingwu/cache.html")));
}

} // namespace
