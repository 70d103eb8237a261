#include "generators/navigation/navigation.h"

#include "app/addresses.h"
#include "core/files.h"
#include "core/form.h"
#include "core/platform.h"
#include "core/text.h"

#include <QDir>
#include <QFileInfo>

namespace generators::navigation {

void savePage(const core::Form& form, const QString& memo, const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    core::writeTextFile(path, core::joinLines(form.control<core::Memo>(memo)->lines()));
}

QString workingPage(const QString& relative) {
    return core::workingFolder() + QStringLiteral("/") + relative;
}

core::Browser* PreviewBrowser::in(QWidget* host) {
    if (!m_browser) m_browser = core::platform().createBrowser(host);
    return m_browser;
}

QString searchAction(const QString& shop) {
    return shop + app::addresses::shopSearchPath;
}

} // namespace generators::navigation
