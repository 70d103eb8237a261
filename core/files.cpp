#include "core/files.h"

#include "core/failure.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QStringEncoder>

namespace core {

namespace {

QString g_programFolder;

QString decode(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) {
        if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
        return text;
    }
    QStringDecoder gb("GB18030");
    return gb.decode(bytes);
}

void copyTree(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(source);
        QDir().mkpath(QFileInfo(target).absolutePath());
        if (!QFileInfo::exists(target)) QFile::copy(source, target);
    }
}

QString locateProgramFolder() {
    const QString exeFolder = QCoreApplication::applicationDirPath();
    if (QFileInfo(exeFolder).isWritable()) return exeFolder;
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(data);
    copyTree(exeFolder + QStringLiteral("/files"), data + QStringLiteral("/files"));
    return data;
}

} // namespace

QString readTextFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("Cannot open file \"%1\". %2")
                 .arg(QDir::toNativeSeparators(path), file.errorString()));
    return decode(file.readAll());
}

void writeTextFile(const QString& path, const QString& text) {
    // GB18030 holds every character; only a broken surrogate pair has no code.
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        const bool paired = c.isHighSurrogate() && i + 1 < n && text[i + 1].isLowSurrogate();
        if (paired) {
            ++i;
        } else if (c.isSurrogate()) {
            fail(QStringLiteral("文件\"%1\"没有保存：第 %2 个字符（U+%3）是不成对的代理字符，无法写入文件。"
                                "请删除这个字符后再试，原来的文件没有改动。")
                     .arg(QDir::toNativeSeparators(path))
                     .arg(i + 1)
                     .arg(QString::number(c.unicode(), 16).toUpper()));
        }
    }
    QStringEncoder gb("GB18030");
    const QByteArray bytes = gb.encode(text);
    if (gb.hasError())
        fail(QStringLiteral("文件\"%1\"没有保存：内容无法按 GB18030 编码，原来的文件没有改动。")
                 .arg(QDir::toNativeSeparators(path)));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        fail(QStringLiteral("Cannot create file \"%1\". %2").arg(QDir::toNativeSeparators(path), reason));
    }
}

QString programFolder() {
    if (g_programFolder.isEmpty()) g_programFolder = locateProgramFolder();
    return g_programFolder;
}

QString filesFolder() {
    return programFolder() + QStringLiteral("/files");
}

QString workingFolder() {
    return QDir::currentPath();
}

void setProgramFolder(const QString& folder) {
    g_programFolder = folder;
}

} // namespace core
