#pragma once

#include <QString>
#include <QStringList>

namespace description {

// The sample product picture the editor pages start with; `number` tells
// the samples of one list apart.
inline QString samplePicture(int number) {
    return QStringLiteral("https://img.alicdn.com/imgextra/i1/qingwu/zhushou-sample-%1.jpg").arg(number);
}

// `count` sample pictures from `first` on, one a line, each followed by "|"
// but the last, which is followed by `last`.
inline QStringList samplePictures(int first, int count, const QString& last) {
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << samplePicture(first + i) + (i + 1 < count ? QStringLiteral("|") : last);
    return lines;
}

// `count` lines of the same text as a memo holds them, each but the last
// followed by "|".
inline QString barLines(const QString& line, int count) {
    QString text;
    for (int i = 0; i < count; ++i)
        text += line + (i + 1 < count ? QStringLiteral("|\r\n") : QStringLiteral("\r\n"));
    return text;
}

// The items "from" to "to" of a number combo box.
inline QStringList numberItems(int from, int to) {
    QStringList items;
    for (int i = from; i <= to; ++i)
        items << QString::number(i);
    return items;
}

} // namespace description
