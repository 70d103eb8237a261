// The program installed as a desktop program: files in place, a menu entry and
// an AppStream description that the freedesktop tools accept, and an installed
// copy that runs from a folder it may not write to.
#include "app/windows.h"
#include "core/registry.h"
#include "tests/support/helpers.h"
#include "tests/support/process.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QMap>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

using testing::Finished;

Finished run(const QString& program, const QStringList& arguments, const QProcessEnvironment& env = {},
             int ms = 120000, const QString& folder = {}) {
    return testing::runProgram(program, arguments, env, ms, folder);
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
    // The installed program started in `folder` from a folder it may not write
    // to: as an ordinary user when the tests run as root, with the installed
    // files made read-only otherwise.
    static Finished runInstalled(const QProcessEnvironment& env, const QString& folder = {}, int ms = 60000) {
        QString program = at("bin/qingwu");
        QStringList arguments;
        if (geteuid() == 0) {
            // Root writes everywhere: the program runs as an ordinary user instead.
            if (QStandardPaths::findExecutable("setpriv").isEmpty()) return {-1, "setpriv is missing"};
            QFile::setPermissions(prefix->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                      QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                                      QFileDevice::ExeOther | QFileDevice::ReadGroup |
                                                      QFileDevice::ExeGroup);
            arguments = {"--reuid=65534", "--regid=65534", "--clear-groups", program};
            program = "setpriv";
        } else {
            run("chmod", {"-R", "a-w", prefix->path()});
        }
        const Finished finished = run(program, arguments, env, ms, folder);
        if (geteuid() != 0) run("chmod", {"-R", "u+w", prefix->path()});
        return finished;
    }
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
    const Finished started = runInstalled(env);
    EXPECT_TRUE(started.output.contains("ready")) << started.output.toStdString();
    EXPECT_TRUE(QFileInfo::exists(home.path() + "/data/qingwu/files/gonggao.html"));
    EXPECT_FALSE(QFileInfo::exists(at("lib/qingwu/cache.html")));
}

// Everything under `folder`, by relative path, with its bytes.
QMap<QString, QByteArray> contentsOf(const QString& folder) {
    QMap<QString, QByteArray> contents;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        contents.insert(QDir(folder).relativeFilePath(path), file.open(QIODevice::ReadOnly) ? file.readAll() : "");
    }
    return contents;
}

// Started from the menu, the installed program's current folder is the home
// folder. It works in its own folder all the same: after every window has
// been opened and closed, the user's files of the names the program writes
// and deletes are as they were, and nothing new is in the home folder
// outside the per-user data folder. At exit the web engine finds no page
// left when its profile goes.
TEST_F(InstallTest, StartedFromTheHomeFolderItLeavesTheUsersFilesAlone) {
    // The web engine of the installed program draws on a display.
    if (qEnvironmentVariable("DISPLAY").isEmpty()) GTEST_SKIP() << "needs a display (xvfb-run)";
    QTemporaryDir scratch;
    const QString home = scratch.path() + "/home";
    for (const QString folder : {"/home", "/runtime", "/cache", "/config"}) {
        QDir().mkpath(scratch.path() + folder);
        QFile::setPermissions(scratch.path() + folder, QFileDevice::Permissions(0x7777));
    }
    QFile::setPermissions(scratch.path(), QFileDevice::Permissions(0x7755));
    for (const auto& [name, text] : {std::pair{"index.txt", "我的收藏\r\n"}, std::pair{"file.html", "<p>我的页面</p>"}}) {
        QFile file(home + "/" + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        QFile::setPermissions(home + "/" + name, QFileDevice::Permissions(0x6666));
    }
    const QMap<QString, QByteArray> before = contentsOf(home);

    // The window opener, where the ordinary user may read it.
    const QString opener = at("test/libqingwu_exercise.so");
    QDir().mkpath(QFileInfo(opener).absolutePath());
    QFile::remove(opener);
    ASSERT_TRUE(QFile::copy(QINGWU_EXERCISE_LIBRARY, opener));
    QFile::setPermissions(opener, QFileDevice::Permissions(0x7755));

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QINGWU_HEADLESS_DIALOGS", "1");
    env.insert("QTWEBENGINE_DISABLE_SANDBOX", "1");
    env.insert("HOME", home);
    env.remove("XDG_DATA_HOME");
    env.insert("XDG_RUNTIME_DIR", scratch.path() + "/runtime");
    env.insert("XDG_CACHE_HOME", scratch.path() + "/cache");
    env.insert("XDG_CONFIG_HOME", scratch.path() + "/config");
    env.insert("LD_PRELOAD", opener);
#if defined(__SANITIZE_ADDRESS__)
    // The opener comes before the sanitizer's runtime, which it loads itself.
    env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + ":verify_asan_link_order=0");
#endif
    env.insert("QT_QPA_PLATFORM", "xcb");
    // The display's key, where the ordinary user may read it.
    if (env.contains("XAUTHORITY")) {
        const QString key = scratch.path() + "/Xauthority";
        QFile::copy(env.value("XAUTHORITY"), key);
        QFile::setPermissions(key, QFileDevice::Permissions(0x6644));
        env.insert("XAUTHORITY", key);
    }
    const Finished started = runInstalled(env, home, 300000);
    ASSERT_TRUE(started.output.contains("exercised")) << started.output.toStdString();
    // Every window was made and opened, those made on first use included.
    const QRegularExpressionMatch opened = QRegularExpression("windows (\\d+)").match(started.output);
    ASSERT_TRUE(opened.hasMatch()) << started.output.toStdString();
    EXPECT_GE(opened.captured(1).toLongLong(), qsizetype(core::windowClasses().size()) - 1);
    EXPECT_FALSE(started.output.contains("Release of profile requested")) << started.output.toStdString();
    EXPECT_EQ(started.exitCode, 0) << started.output.toStdString();

    // The user's files are untouched; the program's pages went into its own folder.
    const QMap<QString, QByteArray> after = contentsOf(home);
    for (const QString name : {"index.txt", "file.html"})
        EXPECT_EQ(after.value(name), before.value(name)) << name.toStdString();
    QStringList outside;
    for (auto it = after.cbegin(); it != after.cend(); ++it)
        if (!before.contains(it.key()) && !it.key().startsWith(".local/share/qingwu/")) outside << it.key();
    EXPECT_EQ(outside, QStringList());
    EXPECT_TRUE(after.contains(".local/share/qingwu/files/widgets.js"));
}

} // namespace
