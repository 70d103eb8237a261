#include "core/failure.h"
#include "core/files.h"
#include "tests/support/helpers.h"

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

} // namespace
