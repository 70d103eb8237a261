#pragma once

#include <QDir>
#include <QFile>
#include <QHash>
#include <QList>
#include <QString>

namespace testing {

// The processes started, directly or further down, by process `root`.
inline QList<qint64> descendants(qint64 root) {
    QHash<qint64, QList<qint64>> children;
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool number = false;
        const qint64 pid = entry.toLongLong(&number);
        if (!number) continue;
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly)) continue;
        // "pid (name) state ppid …": the name may hold blanks and brackets.
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1) children[fields[1].toLongLong()] << pid;
    }
    QList<qint64> found;
    QList<qint64> next = {root};
    while (!next.isEmpty()) {
        const QList<qint64> level = children.value(next.takeFirst());
        found << level;
        next << level;
    }
    return found;
}

// The web engine's processes below `root` (renderers, zygotes, helpers).
inline QList<qint64> webEngineProcessIds(qint64 root) {
    QList<qint64> found;
    for (qint64 pid : descendants(root)) {
        QFile command(QStringLiteral("/proc/%1/cmdline").arg(pid));
        if (command.open(QIODevice::ReadOnly) && command.readAll().contains("QtWebEngineProcess")) found << pid;
    }
    return found;
}

inline int webEngineProcesses(qint64 root) {
    return int(webEngineProcessIds(root).size());
}

} // namespace testing
