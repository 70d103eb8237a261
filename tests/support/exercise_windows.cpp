// Preloaded into the installed program by the install check (LD_PRELOAD):
// has the program make every window (most are made on first use, through the
// function the program exports for that), and once they all exist, opens each
// in turn, gives it time
// to show its pages, closes it, and then ends the program as the tray menu's
// exit does. The launcher stays open (without a tray, closing it ends the
// program). The program itself knows nothing of it.
#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QApplication>
#include <cstdio>
#include <dlfcn.h>
#include <memory>

namespace {

QList<QPointer<QWidget>> programWindows() {
    QList<QPointer<QWidget>> windows;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName().startsWith(u'T') && widget->objectName() != QLatin1String("Tfrmindex"))
            windows << widget;
    return windows;
}

void openAndClose(std::shared_ptr<QList<QPointer<QWidget>>> left) {
    if (left->isEmpty()) {
        std::printf("exercised\n");
        std::fflush(stdout);
        QTimer::singleShot(1000, qApp, [] { QCoreApplication::quit(); });
        return;
    }
    QPointer<QWidget> window = left->takeFirst();
    if (!window) return openAndClose(left);
    window->show();
    QTimer::singleShot(400, qApp, [window, left] {
        if (window) window->close();
        QTimer::singleShot(50, qApp, [left] { openAndClose(left); });
    });
}

// app::createWindows(), which makes every window the program has not made yet.
void makeEveryWindow() {
    using Make = void (*)();
    if (auto make = reinterpret_cast<Make>(dlsym(RTLD_DEFAULT, "_ZN3app13createWindowsEv"))) make();
}

void exercise() {
    // Once the launcher is there, every window is made; then wait until their
    // number has stayed the same for a second.
    auto* poll = new QTimer(qApp);
    auto last = std::make_shared<qsizetype>(-1);
    auto steady = std::make_shared<int>(0);
    auto made = std::make_shared<bool>(false);
    QObject::connect(poll, &QTimer::timeout, qApp, [poll, last, steady, made] {
        if (!*made) {
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (widget->objectName() == QLatin1String("Tfrmindex") && widget->isVisible()) *made = true;
            if (!*made) return;
            makeEveryWindow();
        }
        const qsizetype count = programWindows().size();
        if (count != *last || count < 2) {
            *last = count;
            *steady = 0;
            return;
        }
        if (++*steady < 5) return;
        poll->stop();
        std::printf("windows %lld\n", static_cast<long long>(count));
        std::fflush(stdout);
        openAndClose(std::make_shared<QList<QPointer<QWidget>>>(programWindows()));
    });
    poll->start(200);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(exercise)
