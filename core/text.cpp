#include "core/text.h"

#include "core/failure.h"

#include <QLocale>
#include <cmath>
#include <limits>

namespace core {

int parseInt(const QString& text) {
    auto invalid = [&] { fail(QStringLiteral("'%1' is not a valid integer value").arg(text)); };
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    int base = 10;
    if (i < text.size() && text[i] == u'$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    const QString digits = text.mid(i);
    if (digits.isEmpty()) invalid();
    for (QChar c : digits) {
        const bool ok = base == 10 ? c.isDigit() && c.unicode() < 128
                                   : QStringLiteral("0123456789abcdefABCDEF").contains(c);
        if (!ok) invalid();
    }
    bool ok = false;
    const qlonglong value = digits.toLongLong(&ok, base);
    const qlonglong signedValue = negative ? -value : value;
    if (!ok || signedValue < std::numeric_limits<int>::min() || signedValue > std::numeric_limits<int>::max())
        invalid();
    return static_cast<int>(signedValue);
}

double parseFloat(const QString& text) {
    const QString trimmed = text.trimmed();
    bool ok = false;
    double value = 0;
    const bool shapeOk = !trimmed.isEmpty() && (trimmed[0].isDigit() || trimmed[0] == u'.' ||
                                                trimmed[0] == u'-' || trimmed[0] == u'+');
    // "1,5" is no number: the comma is neither a decimal nor a group separator here.
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    if (shapeOk) value = c.toDouble(trimmed, &ok);
    return finite(ok ? value : std::numeric_limits<double>::quiet_NaN(), text);
}

double finite(double value, const QString& text) {
    if (!std::isfinite(value)) fail(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return value;
}

QString formatFloat(double value) {
    if (value == 0) return QStringLiteral("0");
    QString s = QString::number(value, 'g', 15);
    const qsizetype e = s.indexOf(u'e');
    if (e < 0) return s;
    // "1e+20" -> "1E20", "1.5e-05" -> "1.5E-5"
    QString mantissa = s.left(e);
    QString exponent = s.mid(e + 1);
    QString sign;
    if (exponent.startsWith(u'-')) sign = QStringLiteral("-");
    exponent.remove(0, exponent.startsWith(u'-') || exponent.startsWith(u'+') ? 1 : 0);
    while (exponent.size() > 1 && exponent.startsWith(u'0'))
        exponent.remove(0, 1);
    return mantissa + u'E' + sign + exponent;
}

QString colorText(const QColor& color) {
    return QStringLiteral("#%1%2%3")
        .arg(color.red(), 2, 16, QLatin1Char('0'))
        .arg(color.green(), 2, 16, QLatin1Char('0'))
        .arg(color.blue(), 2, 16, QLatin1Char('0'))
        .toUpper();
}

QStringList splitBarList(const QString& text) {
    QStringList entries;
    const qsizetype n = text.size();
    auto isBlank = [&](qsizetype i) { return text[i].unicode() >= 1 && text[i].unicode() <= 32; };
    qsizetype i = 0;
    while (i < n && isBlank(i))
        ++i;
    while (i < n) {
        QString entry;
        if (text[i] == u'"') {
            ++i;
            while (i < n) {
                if (text[i] == u'"') {
                    if (i + 1 < n && text[i + 1] == u'"') {
                        entry += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                entry += text[i++];
            }
        } else {
            const qsizetype start = i;
            while (i < n && text[i] != u'|' && !isBlank(i))
                ++i;
            entry = text.mid(start, i - start);
        }
        entries << entry;
        while (i < n && isBlank(i))
            ++i;
        if (i < n && text[i] == u'|') {
            if (i == n - 1) entries << QString();
            ++i;
            while (i < n && isBlank(i))
                ++i;
        }
    }
    return entries;
}

QString listItem(const QStringList& list, int index) {
    if (index < 0 || index >= list.size()) fail(QStringLiteral("List index out of bounds (%1)").arg(index));
    return list[index];
}

QStringList textLines(const QString& text) {
    QStringList lines;
    QString line;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            lines << line;
            line.clear();
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') ++i;
        } else {
            line += c;
        }
    }
    if (!line.isEmpty()) lines << line;
    return lines;
}

QString joinLines(const QStringList& lines) {
    QString out;
    for (const QString& line : lines)
        out += line + QStringLiteral("\r\n");
    return out;
}

} // namespace core
