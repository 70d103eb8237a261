#include "core/application.h"

#include "core/appfont.h"
#include "core/origin.h"
#include "core/qttexts.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>
#include <unistd.h>

namespace core {

QLocale chineseLocale() {
    return QLocale(QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::China);
}

void prepareApplication() {
    // The web engine shares its contexts with the widgets.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // The web engine refuses to run as root with its sandbox on.
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // The program's own pages are shown from its own origin, never as file:
    // pages. The web engine takes the scheme before its first profile or
    // page; the web-engine module registers it when it is loaded, so that
    // start-up never loads the web engine.
    useProgramOrigin();
}

void installTranslations(QApplication& application) {
    // Asked last: only for what Qt's catalogues leave untranslated.
    application.installTranslator(new QtTextsTranslator(&application));
    for (const QString& catalogue : {QStringLiteral("qtbase"), QStringLiteral("qtwebengine")}) {
        auto* translator = new QTranslator(&application);
        if (translator->load(chineseLocale(), catalogue, QStringLiteral("_"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            application.installTranslator(translator);
        else
            delete translator;
    }
}

void configureApplication(QApplication& application) {
    application.setApplicationName(QStringLiteral("qingwu"));
    // No display name: the window system would add it to every title, and
    // most captions name the program already. The desktop entry names it.
    application.setQuitOnLastWindowClosed(false);
    // Every window carries the program's icon, drawn for small sizes too.
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/qingwu-16.svg"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/qingwu-32.svg"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/icons/qingwu.svg"));
    application.setWindowIcon(icon);
    application.setDesktopFileName(QStringLiteral("net.qingwu360.Qingwu"));
    // The interface is Chinese whatever the desktop's language: dates, numbers
    // shown to the user and Qt's own buttons, dialogs and menus.
    QLocale::setDefault(chineseLocale());
    installTranslations(application);
    setProgramFont(application);
}

} // namespace core
