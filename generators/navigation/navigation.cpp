#include "generators/navigation/navigation.h"

#include "app/addresses.h"

namespace generators::navigation {

QString searchAction(const QString& shop) {
    return shop + app::addresses::shopSearchPath;
}

} // namespace generators::navigation
