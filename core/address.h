#pragma once

#include <QFileInfo>
#include <QString>
#include <QUrl>

namespace core {

// A web address, or a local path (with "/" or "\" separators) as a file address.
inline QUrl addressToUrl(const QString& target) {
    const QString path = QString(target).replace(u'\\', u'/');
    if (QFileInfo(path).isAbsolute() || QFileInfo::exists(path))
        return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    return QUrl::fromUserInput(target);
}

} // namespace core
