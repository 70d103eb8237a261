#include "generators/navigation/navigation.h"

#include "core/addresses.h"

namespace generators::navigation {

QString searchAction(const QString& shop) {
    return shop + core::addresses::shopSearchPath;
}

} // namespace generators::navigation
