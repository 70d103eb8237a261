#pragma once

#include <QString>

namespace core {

// A messenger account as the marketplace's chat and status links carry it:
// each UTF-8 byte of the name is kept when it is a letter, a digit or one of
// * @ . _ - $ ! ' ( ), a blank becomes "+", and every other byte becomes "%"
// and two upper-case hexadecimal digits.
QString encodedAccount(const QString& name);

} // namespace core
