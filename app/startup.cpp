#include "app/startup.h"

#include "app/instance.h"
#include "app/launcher.h"
#include "app/qttexts.h"
#include "app/windows.h"
#include "bench/startup/firstpaint.h"
#include "core/files.h"
#include "core/form.h"
#include "core/origin.h"
#include "core/platform.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QLockFile>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTranslator>
#include <unistd.h>

namespace app {

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
    core::useProgramOrigin();
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
    QFont font = application.font();
    font.setFamilies({QStringLiteral("Microsoft YaHei"), QStringLiteral("Noto Sans CJK SC")});
    application.setFont(font);
}

int run(int argc, char** argv) {
    prepareApplication();
    QApplication application(argc, argv);
    configureApplication(application);
    // Pages and files the windows write "into the current folder" go into
    // the program's folder, never into the folder it was started from.
    if (!core::enterProgramFolder())
        core::platform().messageBox(nullptr,
                                    QStringLiteral("无法进入程序文件夹“%1”，预览页面和临时文件将无法保存。")
                                        .arg(QDir::toNativeSeparators(core::programFolder())),
                                    QStringLiteral("警告"), core::Buttons::Ok, core::Icon::Warning);

    QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty()) runtime = QDir::tempPath();
    QDir().mkpath(runtime);
    QLockFile instance(runtime + QStringLiteral("/qingwu-index.lock"));
    // A lock whose process has died is taken over at once.
    instance.setStaleLockTime(0);
    const QString channelPath = runtime + QStringLiteral("/qingwu-index.socket");
    if (!instance.tryLock(0)) {
        // The running program comes to the front, and the user is told why.
        InstanceChannel::callRunning(channelPath);
        core::platform().messageBox(nullptr, QStringLiteral("岚舟提醒：程序已经运行托盘中查看！"),
                                    QStringLiteral("温馨提示"));
        return 0;
    }

    // The launcher comes first in the start-up order; the other windows follow
    // as soon as it has been painted, before any input is handled.
    auto* launcher = static_cast<Tfrmindex*>(createWindow(QStringLiteral("Tfrmindex")));
    auto* channel = new InstanceChannel(channelPath, launcher);
    QObject::connect(channel, &InstanceChannel::called, launcher, [launcher] { launcher->showForm(); });
    channel->listen();
    QObject::connect(launcher, &Tfrmindex::firstPainted, launcher, [] { createWindows(); });
    FirstPaintReporter::watch(launcher);
    launcher->showForm();
    return application.exec();
}

} // namespace app
