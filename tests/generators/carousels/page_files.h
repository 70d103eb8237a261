#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringEncoder>
#include <QTemporaryDir>

namespace testing {

// Preview pages are written in the Chinese code page.
inline QByteArray gbk(const QString& text) {
    QStringEncoder encoder("GB18030");
    return encoder.encode(text);
}

inline QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// An empty current folder for the life of one test; the previous current
// folder comes back afterwards.
class ScratchCurrentFolder {
public:
    ScratchCurrentFolder() { QDir::setCurrent(m_folder.path()); }
    ~ScratchCurrentFolder() { QDir::setCurrent(m_previous); }
    ScratchCurrentFolder(const ScratchCurrentFolder&) = delete;
    ScratchCurrentFolder& operator=(const ScratchCurrentFolder&) = delete;

    bool isValid() const { return m_folder.isValid(); }
    QString path() const { return m_folder.path(); }

private:
    QString m_previous = QDir::currentPath();
    QTemporaryDir m_folder;
};

} // namespace testing
