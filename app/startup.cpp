#include "app/startup.h"

#include "app/instance.h"
#include "app/launcher.h"
#include "app/windows.h"
#include "bench/startup/firstpaint.h"
#include "core/application.h"
#include "core/files.h"
#include "core/form.h"
#include "core/platform.h"

#include <QApplication>
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>
#include <QTabWidget>

namespace app {

int run(int argc, char** argv) {
    core::prepareApplication();
    QApplication application(argc, argv);
    core::configureApplication(application);
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

    // The launcher comes first in the start-up order; the other windows made
    // at start-up follow as soon as it has been painted, before any input is
    // handled. The rest are made when they are first needed.
    auto* launcher = static_cast<Tfrmindex*>(createWindow(QStringLiteral("Tfrmindex")));
    auto* channel = new InstanceChannel(channelPath, launcher);
    QObject::connect(channel, &InstanceChannel::called, launcher, [launcher] { launcher->showForm(); });
    channel->listen();
    QObject::connect(launcher, &Tfrmindex::firstPainted, launcher, [] { createStartupWindows(); });
    FirstPaintReporter::watch(launcher, [] { return int(windows().size()); });
    launcher->showForm();
    return application.exec();
}

} // namespace app
