#include "app/search.h"

#include "core/failure.h"
#include "core/files.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>
#include <memory>
#include <optional>
#include <unicode/translit.h>
#include <unicode/unistr.h>

namespace app {

namespace {

// Chinese characters to their pinyin, tone marks dropped: ICU's own tables,
// made once.
icu::Transliterator* toPinyin() {
    static const std::unique_ptr<icu::Transliterator> transliterator = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::Transliterator> made(
            icu::Transliterator::createInstance("Han-Latin; Latin-ASCII", UTRANS_FORWARD, status));
        if (U_FAILURE(status)) made.reset();
        return made;
    }();
    return transliterator.get();
}

// The syllables of a run of Chinese characters.
QStringList syllables(const QString& han) {
    icu::Transliterator* transliterator = toPinyin();
    if (!transliterator) return {};
    icu::UnicodeString text(reinterpret_cast<const UChar*>(han.utf16()), int32_t(han.size()));
    transliterator->transliterate(text);
    const QString latin =
        QString::fromUtf16(reinterpret_cast<const char16_t*>(text.getBuffer()), text.length());
    return latin.toLower().split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

bool isHan(QChar c) {
    return c.script() == QChar::Script_Han;
}

// What a query or a caption is compared as: lower case, no blanks.
QString folded(const QString& text) {
    QString plain = text.toLower();
    plain.remove(QLatin1Char(' '));
    return plain;
}

// The spellings of the catalogue's captions, made when first searched.
const Spelling& cachedSpelling(const QString& caption) {
    static QHash<QString, Spelling> spellings;
    auto found = spellings.constFind(caption);
    if (found == spellings.constEnd()) found = spellings.insert(caption, spellingOf(caption));
    return *found;
}

std::optional<int> rank(const QString& caption, const QString& query) {
    const QString text = folded(caption);
    if (text.startsWith(query)) return 0;
    if (text.contains(query)) return 1;
    const Spelling& spelling = cachedSpelling(caption);
    if (spelling.initials.startsWith(query)) return 2;
    if (spelling.full.startsWith(query)) return 3;
    if (spelling.initials.contains(query)) return 4;
    if (spelling.full.contains(query)) return 5;
    return std::nullopt;
}

} // namespace

Spelling spellingOf(const QString& caption) {
    Spelling spelling;
    for (qsizetype at = 0; at < caption.size();) {
        const QChar c = caption.at(at);
        if (isHan(c)) {
            qsizetype end = at;
            while (end < caption.size() && isHan(caption.at(end)))
                ++end;
            for (const QString& syllable : syllables(caption.mid(at, end - at))) {
                spelling.initials += syllable.front();
                spelling.full += syllable;
            }
            at = end;
            continue;
        }
        if (c.isLetterOrNumber()) {
            spelling.initials += c.toLower();
            spelling.full += c.toLower();
        }
        ++at;
    }
    return spelling;
}

QList<CatalogueSlot> searchCatalogue(const QString& query) {
    const QString wanted = folded(query);
    if (wanted.isEmpty()) return {};
    QList<std::pair<int, CatalogueSlot>> hits;
    for (const CatalogueSlot& slot : catalogue())
        if (const std::optional<int> found = rank(slot.caption, wanted)) hits.append({*found, slot});
    std::stable_sort(hits.begin(), hits.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    QList<CatalogueSlot> tiles;
    for (const auto& hit : hits)
        tiles << hit.second;
    return tiles;
}

RecentWindows::RecentWindows(QString path)
    : m_path(std::move(path)) {
    if (!QFileInfo::exists(m_path)) return;
    QString text;
    try {
        text = core::readTextFile(m_path);
    } catch (const core::Failure&) {
        return; // an unreadable list is an empty one
    }
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QString name = line.trimmed();
        const bool known = std::any_of(catalogue().begin(), catalogue().end(),
                                       [&](const CatalogueSlot& slot) { return slot.target == name; });
        if (known && !m_windows.contains(name) && m_windows.size() < kKept) m_windows << name;
    }
}

QString RecentWindows::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/recent.txt");
}

void RecentWindows::opened(const QString& windowClass) {
    if (!m_windows.isEmpty() && m_windows.first() == windowClass) return;
    m_windows.removeAll(windowClass);
    m_windows.prepend(windowClass);
    while (m_windows.size() > kKept)
        m_windows.removeLast();
    // Remembering is a convenience: a folder that cannot be written loses the list, nothing else.
    try {
        QDir().mkpath(QFileInfo(m_path).absolutePath());
        core::writeTextFile(m_path, m_windows.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    } catch (const core::Failure&) {
    }
}

} // namespace app
