#include "core/account.h"

#include <QByteArray>
#include <string_view>

namespace core {

namespace {

bool keptAsIs(char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return true;
    constexpr std::string_view kept = "*@._-$!'()";
    return kept.find(c) != std::string_view::npos;
}

} // namespace

QString encodedAccount(const QString& name) {
    static const char hex[] = "0123456789ABCDEF";
    QString out;
    for (const char c : name.toUtf8()) {
        const auto byte = static_cast<unsigned char>(c);
        if (keptAsIs(c))
            out += QLatin1Char(c);
        else if (c == ' ')
            out += QLatin1Char('+');
        else {
            out += QLatin1Char('%');
            out += QLatin1Char(hex[byte >> 4]);
            out += QLatin1Char(hex[byte & 15]);
        }
    }
    return out;
}

} // namespace core
