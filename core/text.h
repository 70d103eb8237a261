#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

namespace core {

// Integer conversion as the generators expect it: optional leading blanks, an
// optional sign, decimal digits or a "$"/"0x" hexadecimal number; anything else
// fails with "'<text>' is not a valid integer value".
int parseInt(const QString& text);

// Floating point conversion: surrounding blanks ignored, a dot as the decimal
// separator, an optional exponent; fails with "'<text>' is not a valid floating
// point value".
double parseFloat(const QString& text);

// A value computed from the number typed as `text`: a result that is not finite
// fails as "'<text>' is not a valid floating point value", so no page ever
// reads "inf" or "nan".
double finite(double value, const QString& text);

// Shortest general form with up to 15 significant digits and a dot:
// 485, 465.5, -20, 1E20.
QString formatFloat(double value);

// "#RRGGBB" in upper case, red first.
QString colorText(const QColor& color);

// Splits a "|"-separated list field into its entries (blanks and line breaks
// around "|" ignored, a blank inside an unquoted entry splits it, quoted
// entries may hold blanks, a trailing "|" adds an empty entry).
QStringList splitBarList(const QString& text);

// Entry i of a list; an index beyond the last fails with
// "List index out of bounds (i)".
QString listItem(const QStringList& list, int index);

// The lines of a multi-line text as a memo sees them: CR LF, LF or CR end a
// line, and a break at the very end adds no empty line.
QStringList textLines(const QString& text);

// Each line followed by CR LF.
QString joinLines(const QStringList& lines);

} // namespace core
