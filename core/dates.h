#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

namespace core {

// A date in the desktop's short date format, every "/" written as "-"; other
// separators stay as the format has them. Where the desktop names no format
// (the C locale) "yyyy/MM/dd" stands in.
QString shortDateText(const QDate& date);

// The desktop's general date-time form: the short date, then, unless the time
// is exactly midnight, a blank and the time in the long time format (without a
// time-zone name; "HH:mm:ss" where the desktop names no format). Every "/" is
// written as "-".
QString dateTimeText(const QDateTime& moment);

} // namespace core
