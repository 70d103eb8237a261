#include "core/files.h"

#include "core/failure.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
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

// One shipped file as it was last copied: its size, time and content.
struct Shipped {
    qint64 size = -1;
    qint64 modified = -1;
    QByteArray hash;
};

QByteArray hashOf(const QString& path) {
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file)) return {};
    return hash.result().toHex();
}

// "hash<TAB>size<TAB>time<TAB>relative path" lines.
QHash<QString, Shipped> readShipped(const QString& path) {
    QHash<QString, Shipped> known;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return known;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() != 4) continue;
        known.insert(QString::fromUtf8(fields[3]), {fields[1].toLongLong(), fields[2].toLongLong(), fields[0]});
    }
    return known;
}

void writeShipped(const QString& path, const QHash<QString, Shipped>& known) {
    QByteArray text;
    for (auto it = known.cbegin(); it != known.cend(); ++it)
        text += it->hash + '\t' + QByteArray::number(it->size) + '\t' + QByteArray::number(it->modified) +
                '\t' + it.key().toUtf8() + '\n';
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(text) == text.size()) file.commit();
}

bool copyWhole(const QString& from, const QString& to) {
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly)) return false;
    QDir().mkpath(QFileInfo(to).absolutePath());
    QSaveFile target(to);
    const QByteArray bytes = source.readAll();
    return target.open(QIODevice::WriteOnly) && target.write(bytes) == bytes.size() && target.commit();
}

QString locateProgramFolder() {
    const QString exeFolder = QCoreApplication::applicationDirPath();
    if (QFileInfo(exeFolder).isWritable()) return exeFolder;
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(data);
    followShippedFiles(exeFolder + QStringLiteral("/files"), data + QStringLiteral("/files"));
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

bool enterProgramFolder() {
    return QDir::setCurrent(programFolder());
}

void followShippedFiles(const QString& shipped, const QString& copy) {
    const QString record = copy + QStringLiteral("/.shipped");
    const QHash<QString, Shipped> known = readShipped(record);
    QHash<QString, Shipped> now;
    bool changed = false;
    QDirIterator it(shipped, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString relative = QDir(shipped).relativeFilePath(source);
        const QString target = copy + QLatin1Char('/') + relative;
        const QFileInfo info = it.fileInfo();
        const auto before = known.constFind(relative);
        const bool present = QFileInfo::exists(target);
        Shipped current{info.size(), info.lastModified().toMSecsSinceEpoch(), {}};
        // The common case, every start: the same shipped file as last time,
        // told by its size and time alone.
        if (present && before != known.cend() && before->size == current.size &&
            before->modified == current.modified) {
            now.insert(relative, *before);
            continue;
        }
        changed = true;
        current.hash = hashOf(source);
        bool copied = true;
        if (!present) {
            copied = copyWhole(source, target);
        } else if (before == known.cend() || before->hash != current.hash) {
            // A newer version replaces the copy the program made of the older
            // one; a copy the user changed since stays. A copy without a record
            // comes from a version that kept none, and is the program's too.
            const QByteArray copyHash = hashOf(target);
            const bool usersOwn = before != known.cend() && copyHash != before->hash;
            if (!usersOwn && copyHash != current.hash) copied = copyWhole(source, target);
        }
        // What could not be copied is tried again at the next start.
        if (copied) now.insert(relative, current);
    }
    if (changed || now.size() != known.size()) writeShipped(record, now);
}

void setProgramFolder(const QString& folder) {
    g_programFolder = folder;
}

} // namespace core
