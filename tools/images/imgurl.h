#pragma once

#include "core/form.h"

#include <QHash>
#include <QStringList>

class QTreeWidget;
class QTreeWidgetItem;

namespace tools {

// The size of a picture as the lists show it: 500B, 2K, 50K, 1.50M, 1.00G.
QString sizeLabel(qint64 bytes);
// "第 07 张", "第 123 张".
QString numberLabel(int ordinal);

// Image downloader: harvests the picture elements of a page, measures each
// picture, keeps those above a size, lets the user review and weed them out and
// saves the rest into a dated folder.
class Tfrmimgurl : public core::Form {
    Q_OBJECT
public:
    Tfrmimgurl();

    static QString previewFile();
    // The date part of the download folder's name, fixed at creation.
    QString dateText() const { return m_date; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    core::Browser* browser(int number);
    void browse(const QString& address);
    void parse();
    void download();
    void thumbnails(bool numbered);
    void fullSize();
    void singlePreview(QTreeWidget* list);
    void writePreview(const QStringList& lines, int browserNumber);
    void deleteOne();
    void deleteChecked();
    void undo();
    void dropFromBin();
    void emptyBin();
    void sortByNumber();
    void setCount();
    void setBusy(bool busy);
    // The failures of a batch in the order of its addresses.
    static QStringList inOrder(const QStringList& addresses, const QHash<QString, QString>& failures);
    // One message listing the addresses that failed, if any.
    void reportFailures(const QStringList& failures, const QString& heading);
    QTreeWidget* list(const QString& name) const;

    core::Browser* m_browsers[4] = {};
    QString m_date;
    bool m_started = false;
};

} // namespace tools
