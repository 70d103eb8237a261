#pragma once

#include "app/catalogue.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace app {

// How a caption is typed in pinyin: each Chinese character as its syllable
// without tones, letters and digits as they are, all in lower case. The
// initials take each syllable's first letter and the letters and digits whole
// ("HTML编辑器": "htmlbjq" and "htmlbianjiqi").
struct Spelling {
    QString initials;
    QString full;
};
Spelling spellingOf(const QString& caption);

// The tiles of every page whose caption matches the query, best first: the
// caption starting with it, the caption holding it, the initials starting
// with it, the full pinyin starting with it, then the initials and the full
// pinyin holding it; in the catalogue's order within each. Case and blanks
// do not count. An empty query matches nothing.
QList<CatalogueSlot> searchCatalogue(const QString& query);

// The windows of the catalogue opened last, most recent first, at most eight,
// kept across runs in a file of the per-user data folder. A window the
// program no longer has is dropped.
class RecentWindows {
public:
    explicit RecentWindows(QString path = defaultPath());
    static QString defaultPath();

    QStringList windows() const { return m_windows; }
    // A window was opened: it goes first, and the list is written.
    void opened(const QString& windowClass);

    static constexpr int kKept = 8;

private:
    QString m_path;
    QStringList m_windows;
};

} // namespace app
