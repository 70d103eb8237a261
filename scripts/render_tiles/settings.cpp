// The column a sample snippet is rendered in, for the modules that take the
// width of the page they are put in: what the settings are themselves comes
// with each generator's sample.
#include "scripts/render_tiles/render_tiles.h"

#include <QHash>

namespace tiles {

RenderOptions renderOptions(const QString& className) {
    static const QHash<QString, RenderOptions> table = {
        // A notice strip and a search box, in a description's column.
        {QStringLiteral("Tfrmtext"), {750}},
        {QStringLiteral("Tfrmss"), {750}},
        // The service bar, in a home page's column.
        {QStringLiteral("Tfrmkefu"), {950}},
    };
    return table.value(className);
}

} // namespace tiles
