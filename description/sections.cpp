#include "description/sections.h"

#include "core/trim.h"

namespace description {

QStringList tidiedList(core::Built& built, const QString& control, const QString& text) {
    const QString tidied = core::trimBlanks(text);
    built.update(control, tidied);
    return core::splitBarList(tidied);
}

QString assembledPage(const QStringList& codes) {
    QString page;
    for (const QString& code : codes)
        page += code + QStringLiteral("\r\n");
    return page;
}

QString samplePage() {
    // A title, a divider bar over the coupons, the combo offer and the
    // parameters, as a designer would add them.
    return assembledPage({sectionTitleHtml({}), dividerBarHtml({}), couponsHtml({}).snippet,
                          comboOfferHtml({}).snippet, parametersHtml({})});
}

} // namespace description
