#include "core/application.h"
#include "core/files.h"
#include "core/form.h"
#include "tests/support/fake_platform.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Every test process runs with the recording platform and its own program
// folder holding a fresh copy of "files", and its own per-user data folder.
int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" QINGWU_SOURCE_DIR "/tests/support/screen.json");
    qputenv("QINGWU_HEADLESS_DIALOGS", "1");
    core::prepareApplication();
    QApplication application(argc, argv);
    core::configureApplication(application);
    core::setPlatform(&testing::fakePlatform());
    // A handler that would never run is a fault the tests must see.
    core::Form::setStrictWiring(true);

    QTemporaryDir programFolder;
    const QString source = QStringLiteral(QINGWU_SOURCE_DIR "/resources/files");
    QDirIterator files(source, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString file = files.next();
        const QString target =
            programFolder.path() + QStringLiteral("/files/") + QDir(source).relativeFilePath(file);
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(file, target);
    }
    core::setProgramFolder(programFolder.path());
    // What the program keeps for the user (presets, recent windows) goes to a scratch folder too.
    qputenv("XDG_DATA_HOME", QFile::encodeName(programFolder.path() + QStringLiteral("/data")));

    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    core::setPlatform(nullptr);
    return result;
}
