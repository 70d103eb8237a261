// The Debian package as a shop designer installs it: built by CPack from the
// build folder, holding the program, its files, the menu entry, icons and
// AppStream data, depending on the Debian 12 packages of what it links and
// loads, accepted by lintian, installable by apt and starting from where it
// is unpacked.
#include "tests/support/process.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using testing::Finished;

Finished run(const QString& program, const QStringList& arguments) {
    return testing::runProgram(program, arguments, {}, 300000);
}

class PackageTest : public ::testing::Test {
protected:
    // One package for all the checks: building it strips and compresses the program.
    static void SetUpTestSuite() {
        output = new QTemporaryDir;
        const Finished made = testing::runProgram(
            "cpack", {"-G", "DEB", "--config", QINGWU_BINARY_DIR "/CPackConfig.cmake", "-B", output->path()},
            {}, 300000, QINGWU_BINARY_DIR);
        ASSERT_EQ(made.exitCode, 0) << made.output.toStdString();
        const QStringList debs = QDir(output->path()).entryList({"qingwu_*.deb"});
        ASSERT_EQ(debs.size(), 1) << made.output.toStdString();
        deb = output->filePath(debs.first());
    }
    static void TearDownTestSuite() {
        delete output;
        output = nullptr;
    }
    static QString field(const QString& name) {
        return run("dpkg-deb", {"--field", deb, name}).output.trimmed();
    }
    static QTemporaryDir* output;
    static QString deb;
};

QTemporaryDir* PackageTest::output = nullptr;
QString PackageTest::deb;

TEST_F(PackageTest, HoldsTheProgramItsFilesMenuEntryIconsAndDescription) {
    ASSERT_FALSE(deb.isEmpty());
    EXPECT_EQ(field("Package"), "qingwu");
    EXPECT_EQ(QFileInfo(deb).fileName(), "qingwu_" + field("Version") + "_" + field("Architecture") + ".deb");
    const QString listing = run("dpkg-deb", {"--contents", deb}).output;
    for (const QString path : {"./usr/lib/qingwu/qingwu", "./usr/lib/qingwu/libqingwu_webengine.so",
                               "./usr/lib/qingwu/files/gonggao.html", "./usr/lib/qingwu/files/widgets.js",
                               "./usr/share/applications/net.qingwu360.Qingwu.desktop",
                               "./usr/share/metainfo/net.qingwu360.Qingwu.metainfo.xml",
                               "./usr/share/icons/hicolor/scalable/apps/qingwu.svg",
                               "./usr/share/icons/hicolor/16x16/apps/qingwu.svg",
                               "./usr/share/icons/hicolor/32x32/apps/qingwu.svg",
                               "./usr/share/doc/qingwu/copyright", "./usr/share/doc/qingwu/changelog.gz"})
        EXPECT_TRUE(listing.contains(" " + path + "\n") || listing.contains(" " + path + " "))
            << path.toStdString();
    EXPECT_TRUE(listing.contains("./usr/bin/qingwu -> ../lib/qingwu/qingwu")) << listing.toStdString();
    // Everything belongs to root, and nothing lies outside /usr.
    for (const QString& line : listing.split('\n', Qt::SkipEmptyParts)) {
        EXPECT_TRUE(line.contains(" root/root ")) << line.toStdString();
        EXPECT_TRUE(line.contains(" ./usr/") || line.endsWith(" ./")) << line.toStdString();
    }
}

// The libraries the program links, found by dpkg-shlibdeps, and what it loads
// at run time.
TEST_F(PackageTest, DependsOnWhatItLinksAndLoads) {
    ASSERT_FALSE(deb.isEmpty());
    QStringList packages;
    for (const QString& alternative : field("Depends").split(QRegularExpression(",\\s*")))
        packages << alternative.section(' ', 0, 0);
    for (const QString wanted :
         {"libc6", "libstdc++6", "libqt6core6", "libqt6gui6", "libqt6widgets6", "libqt6network6",
          "libqt6sql6", "libqt6svg6", "libqt6webenginecore6", "libqt6webenginewidgets6", "libcurl4",
          "libjpeg62-turbo", "libqt6sql6-sqlite", "libqt6webenginecore6-bin", "qt6-translations-l10n",
          "fonts-noto-cjk"})
        EXPECT_TRUE(packages.contains(wanted))
            << wanted.toStdString() << " in " << field("Depends").toStdString();
    // apt finds every one of them for Debian 12.
    const Finished apt = run("apt-get", {"install", "--simulate", "--no-install-recommends", deb});
    EXPECT_EQ(apt.exitCode, 0) << apt.output.toStdString();
    EXPECT_TRUE(apt.output.contains("Inst qingwu ")) << apt.output.toStdString();
}

TEST_F(PackageTest, LintianFindsNoError) {
    ASSERT_FALSE(deb.isEmpty());
    ASSERT_FALSE(QStandardPaths::findExecutable("lintian").isEmpty());
    const Finished lint = run("lintian", {"--no-tag-display-limit", deb});
    QStringList errors;
    for (const QString& line : lint.output.split('\n'))
        if (line.startsWith("E: ")) errors << line;
    EXPECT_EQ(errors, QStringList()) << lint.output.toStdString();
}

// Unpacked as apt would unpack it, the program starts and shows its first window.
TEST_F(PackageTest, TheUnpackedProgramStarts) {
    ASSERT_FALSE(deb.isEmpty());
    QTemporaryDir root;
    ASSERT_EQ(run("dpkg-deb", {"--extract", deb, root.path()}).exitCode, 0);
    QTemporaryDir home;
    const Finished started = testing::runProgram(root.filePath("usr/bin/qingwu"), {},
                                                 testing::headlessProgram(home.path()), 60000);
    EXPECT_TRUE(started.output.contains("ready")) << started.output.toStdString();
}

} // namespace
