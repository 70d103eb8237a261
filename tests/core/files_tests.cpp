#include "core/failure.h"
#include "core/files.h"
#include "tests/support/helpers.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using testing::failureOf;

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

TEST(TextFiles, WrittenAsGb18030AndReadBackWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath("cache.html");
    core::writeTextFile(path, "轮播\r\n€");
    QStringEncoder gb("GB18030");
    EXPECT_EQ(bytesOf(path), QByteArray(gb.encode(QStringLiteral("轮播\r\n€"))));
    EXPECT_EQ(core::readTextFile(path), "轮播\r\n€");
}

TEST(TextFiles, Utf8WithOrWithoutBomIsReadAsUtf8) {
    QTemporaryDir dir;
    writeBytes(dir.filePath("a.txt"), QStringLiteral("通栏").toUtf8());
    writeBytes(dir.filePath("b.txt"), "\xEF\xBB\xBF" + QStringLiteral("通栏").toUtf8());
    EXPECT_EQ(core::readTextFile(dir.filePath("a.txt")), "通栏");
    EXPECT_EQ(core::readTextFile(dir.filePath("b.txt")), "通栏");
}

TEST(TextFiles, MissingFileAndUnwritableFolderFail) {
    QTemporaryDir dir;
    EXPECT_THROW(core::readTextFile(dir.filePath("none.txt")), core::Failure);
    EXPECT_THROW(core::writeTextFile(dir.filePath("no/such/folder/x.html"), "x"), core::Failure);
}

TEST(TextFiles, AFailedWriteLeavesWhatWasThere) {
    QTemporaryDir dir;
    const QString blocked = dir.filePath("cache.html");
    QDir().mkpath(blocked + "/inner");
    EXPECT_THROW(core::writeTextFile(blocked, "new"), core::Failure);
    EXPECT_TRUE(QFileInfo(blocked + "/inner").isDir());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList()); // no temporary file left behind
}

TEST(TextFiles, ABrokenSurrogateFailsAndLeavesTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("files.html");
    core::writeTextFile(path, "old");
    const QString lone = QStringLiteral("<p>") + QChar(0xD83D) + QStringLiteral("</p>");
    const QString backwards = QString("x") + QChar(0xDE00) + QChar(0xD83D);
    for (const QString& text : {lone, backwards}) {
        const QString message = failureOf([&] { core::writeTextFile(path, text); });
        EXPECT_TRUE(message.contains("files.html")) << message.toStdString();
        EXPECT_TRUE(message.contains("不成对的代理字符")) << message.toStdString();
        EXPECT_EQ(bytesOf(path), "old");
    }
    // A whole pair is a character like any other.
    const QString smile = QStringLiteral("😀");
    core::writeTextFile(path, smile);
    EXPECT_EQ(core::readTextFile(path), smile);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"files.html"});
}

// The per-user copy of the shipped "files" of a program installed where the
// user may not write: refreshed by a newer version, the user's own left alone.
TEST(ShippedFiles, ANewerVersionReplacesTheCopyTheUsersOwnStays) {
    QTemporaryDir shipped, copy;
    const QString from = shipped.path(), to = copy.path();
    QDir().mkpath(from + "/tiles");
    writeBytes(from + "/widgets.js", "runtime 1");
    writeBytes(from + "/tiles/Tfrmlunbo.png", "tile 1");
    writeBytes(from + "/yulan.css", "sheet 1");
    core::followShippedFiles(from, to);
    EXPECT_EQ(bytesOf(to + "/widgets.js"), "runtime 1");
    EXPECT_EQ(bytesOf(to + "/tiles/Tfrmlunbo.png"), "tile 1");

    // The user's work in the copy: a style added, a picture downloaded, and
    // one shipped file changed by hand.
    QDir().mkpath(to + "/gezi");
    writeBytes(to + "/gezi/style-9.jpg", "my style");
    writeBytes(to + "/download.jpg", "my picture");
    writeBytes(to + "/yulan.css", "my sheet");

    // An upgrade ships newer versions of all three and a new file.
    writeBytes(from + "/widgets.js", "runtime 2 (longer)");
    writeBytes(from + "/tiles/Tfrmlunbo.png", "tile 2");
    writeBytes(from + "/yulan.css", "sheet 2");
    writeBytes(from + "/new.html", "new page");
    // Same sizes or not, a newer file is told by its time.
    for (const QString name : {"/widgets.js", "/tiles/Tfrmlunbo.png", "/yulan.css"}) {
        QFile file(from + name);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime);
    }
    core::followShippedFiles(from, to);
    EXPECT_EQ(bytesOf(to + "/widgets.js"), "runtime 2 (longer)");
    EXPECT_EQ(bytesOf(to + "/tiles/Tfrmlunbo.png"), "tile 2");
    EXPECT_EQ(bytesOf(to + "/new.html"), "new page");
    EXPECT_EQ(bytesOf(to + "/yulan.css"), "my sheet");
    EXPECT_EQ(bytesOf(to + "/gezi/style-9.jpg"), "my style");
    EXPECT_EQ(bytesOf(to + "/download.jpg"), "my picture");

    // Nothing new shipped: nothing changes, a deleted copy comes back.
    QFile::remove(to + "/new.html");
    core::followShippedFiles(from, to);
    EXPECT_EQ(bytesOf(to + "/new.html"), "new page");
    EXPECT_EQ(bytesOf(to + "/yulan.css"), "my sheet");
}

// A copy made by a version that kept no record is the program's own.
TEST(ShippedFiles, ACopyWithoutRecordFollowsTheShippedVersion) {
    QTemporaryDir shipped, copy;
    writeBytes(shipped.path() + "/widgets.js", "runtime 2");
    writeBytes(copy.path() + "/widgets.js", "runtime 1");
    writeBytes(copy.path() + "/gezi.db", "database");
    core::followShippedFiles(shipped.path(), copy.path());
    EXPECT_EQ(bytesOf(copy.path() + "/widgets.js"), "runtime 2");
    EXPECT_EQ(bytesOf(copy.path() + "/gezi.db"), "database");
}

} // namespace
