#pragma once

#include <QString>

namespace core {

// The text without the blanks and control characters (codes up to 32) at
// either end, as list fields are trimmed before they are split.
inline QString trimBlanks(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= 32)
        ++begin;
    while (end > begin && text[end - 1].unicode() <= 32)
        --end;
    return text.mid(begin, end - begin);
}

} // namespace core
