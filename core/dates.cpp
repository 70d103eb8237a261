#include "core/dates.h"

#include <QLocale>
#include <QRegularExpression>

namespace core {

namespace {

bool desktopHasFormats(const QLocale& locale) {
    return locale.language() != QLocale::C;
}

QString shortDateFormat(const QLocale& locale) {
    return desktopHasFormats(locale) ? locale.dateFormat(QLocale::ShortFormat) : QStringLiteral("yyyy/MM/dd");
}

// The long time format without its time-zone name: the marketplace's widget
// reads the text as a local time.
QString longTimeFormat(const QLocale& locale) {
    if (!desktopHasFormats(locale)) return QStringLiteral("HH:mm:ss");
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QRegularExpression(QStringLiteral("\\s*\\bt+\\b\\s*")));
    return format.trimmed();
}

QString dashed(QString text) {
    return text.replace(QLatin1Char('/'), QLatin1Char('-'));
}

} // namespace

QString shortDateText(const QDate& date) {
    const QLocale locale;
    return dashed(locale.toString(date, shortDateFormat(locale)));
}

QString dateTimeText(const QDateTime& moment) {
    const QLocale locale;
    QString text = locale.toString(moment.date(), shortDateFormat(locale));
    if (moment.time() != QTime(0, 0))
        text += QLatin1Char(' ') + locale.toString(moment.time(), longTimeFormat(locale));
    return dashed(text);
}

} // namespace core
