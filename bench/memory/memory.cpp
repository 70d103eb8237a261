// Memory benchmark: the program's memory as the user works. Starts as the
// program starts (the launcher and the windows made at start-up, with the
// program's own embedded browsers), opens every window once and closes it,
// previews in six generators with previews of their own, and closes them.
// After each step it reports the proportional set size of the program and of
// every web-engine process, and their number. Run it under a display with
// the web engine (xvfb-run), from the build folder:
//   cmake --build build --target memorybench && (cd build && xvfb-run -a ./memorybench)
#include "app/launcher.h"
#include "app/windows.h"
#include "core/application.h"
#include "core/deferredbrowser.h"
#include "core/files.h"
#include "core/form.h"
#include "core/registry.h"
#include "tests/support/fake_platform.h"
#include "tests/support/processes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <cstdio>
#include <unistd.h>

namespace {

// The program's dialogs answered at once; its embedded browsers are its own.
class Platform : public testing::FakePlatform {
public:
    core::Browser* createBrowser(QWidget* parent) override { return core::createEmbeddedBrowser(parent); }
};

void settle(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
}

// A figure of the process's smaps_rollup in kB ("Pss", "Pss_Anon", "Pss_File").
qint64 smapsKb(qint64 pid, const QByteArray& figure = "Pss") {
    QFile rollup(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
    if (!rollup.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : rollup.readAll().split('\n'))
        if (line.startsWith(figure + ':')) return line.mid(figure.size() + 1).trimmed().split(' ').first().toLongLong();
    return 0;
}

void report(const char* moment) {
    const qint64 self = smapsKb(getpid());
    qint64 engine = 0;
    int processes = 0;
    for (qint64 pid : testing::webEngineProcessIds(getpid())) {
        engine += smapsKb(pid);
        ++processes;
    }
    int views = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        for (const QWidget* child : window->findChildren<QWidget*>())
            views += QByteArray(child->metaObject()->className()) == "QWebEngineView";
    std::printf("%-32s windows %3lld  program %6.1f MB (%5.1f MB anonymous)  web engine %6.1f MB in %d processes"
                "  total %6.1f MB  (%d web views)\n",
                moment, static_cast<long long>(app::windows().size()), self / 1024.0,
                smapsKb(getpid(), "Pss_Anon") / 1024.0, engine / 1024.0, processes, (self + engine) / 1024.0, views);
    std::fflush(stdout);
}

// Six generators with previews of their own, and the commands that show them.
const struct {
    const char* window;
    QStringList commands;
} kPreviews[] = {
    {"Tfrmyhq", {"btn2Click"}},
    {"Tfrmtuangou", {"btn1Click"}},
    {"TFrmjianianhua", {"btn3Click", "btn4Click"}},
    {"TFrmzhanggui", {"btn1Click"}},
    {"Tfrmfenlei", {"btn3Click", "btn4Click"}},
    {"TFrmhtml", {"btnyuClick"}},
};

} // namespace

int main(int argc, char** argv) {
    core::prepareApplication();
    QApplication application(argc, argv);
    core::configureApplication(application);
    core::enterProgramFolder();
    Platform platform;
    platform.network = true;
    core::setPlatform(&platform);

    // As the program starts.
    core::Form* launcher = core::instance(QStringLiteral("Tfrmindex"));
    launcher->showForm();
    settle(500);
    app::createStartupWindows();
    settle(3000);
    report("started, announcement shown");

    for (const core::WindowClass* windowClass : core::windowClasses()) {
        if (windowClass->name == QLatin1String("Tfrmindex")) continue;
        core::Form* window = core::instance(windowClass->name);
        window->showForm();
        settle(400);
        window->hide();
        settle(50);
    }
    settle(3000);
    report("every window opened and closed");

    QList<core::Form*> previews;
    for (const auto& preview : kPreviews) {
        core::Form* window = core::instance(QString::fromLatin1(preview.window));
        window->showForm();
        for (const QString& command : preview.commands)
            window->fire(command);
        previews << window;
        settle(1500);
    }
    settle(3000);
    report("six previews shown");
    for (core::Form* window : previews)
        window->hide();
    settle(3000);
    report("six previews closed");
    core::setPlatform(nullptr);
    return 0;
}
