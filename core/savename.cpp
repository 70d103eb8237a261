#include "core/savename.h"

#include "core/platform.h"

#include <QDir>
#include <QFileInfo>

namespace core {

QString saveNameWithSuffix(QWidget* owner, const QString& title, const QString& filter, const QString& suffix,
                           const QString& start) {
    FileDialogOptions options;
    options.start = start;
    options.confirmOverwrite = false;
    const QString name = platform().saveFileName(owner, title, filter, options);
    if (name.isEmpty()) return QString();
    const QString path = name + suffix;
    // A folder under the name is no file to replace: the write itself fails.
    if (QFileInfo(path).isFile() &&
        platform().messageBox(
            owner, QStringLiteral("文件“%1”已经存在，要替换它吗？").arg(QDir::toNativeSeparators(path)),
            QStringLiteral("提示信息"), Buttons::OkCancel, Icon::Question) != Answer::Ok)
        return QString();
    return path;
}

} // namespace core
