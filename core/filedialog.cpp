#include "core/filedialog.h"

#include <QFileInfo>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>

namespace core {

namespace {

// Qt's file model writes sizes and dates in the desktop's locale, which may
// be any; the program's own locale writes them here.
class LocaleFileTexts : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role == Qt::DisplayRole && files && index.isValid()) {
            const QModelIndex source = mapToSource(index);
            if (index.column() == 1 && !files->isDir(source))
                return QLocale().formattedDataSize(files->size(source));
            if (index.column() == 3) {
                const QDateTime modified = files->lastModified(source);
                return modified.isValid() ? QLocale().toString(modified, QLocale::ShortFormat) : QString();
            }
        }
        return QIdentityProxyModel::data(index, role);
    }
};

// A filter written as "text|patterns|text|patterns" becomes Qt's
// "text (patterns);;text (patterns)"; texts that name their patterns already
// are shown without them a second time.
QString qtFilter(const QString& filter, bool* named) {
    *named = false;
    if (!filter.contains(QLatin1Char('|'))) return filter;
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    *named = true;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns =
            parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
        *named = *named && parts[i].contains(parts[i + 1]);
        filters << parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}

} // namespace

std::unique_ptr<QFileDialog> makeFileDialog(QWidget* owner, const QString& title, const QString& filter,
                                            const FileDialogOptions& options, QFileDialog::FileMode mode,
                                            QFileDialog::AcceptMode accept) {
    auto dialog = std::make_unique<QFileDialog>(owner, title);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setProxyModel(new LocaleFileTexts(dialog.get()));
    dialog->setFileMode(mode);
    dialog->setAcceptMode(accept);
    if (mode == QFileDialog::Directory) dialog->setOption(QFileDialog::ShowDirsOnly);
    if (!options.confirmOverwrite) dialog->setOption(QFileDialog::DontConfirmOverwrite);
    bool named = false;
    const QString filters = qtFilter(filter, &named);
    if (named) dialog->setOption(QFileDialog::HideNameFilterDetails);
    if (!filters.isEmpty()) dialog->setNameFilter(filters);
    if (!options.start.isEmpty()) {
        const QFileInfo start(options.start);
        if (start.isDir()) {
            dialog->setDirectory(start.absoluteFilePath());
        } else {
            dialog->setDirectory(start.absolutePath());
            dialog->selectFile(start.fileName());
        }
    }
    return dialog;
}

QString runFileDialog(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted) return QString();
    return dialog.selectedFiles().value(0);
}

} // namespace core
