#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <functional>

// When the benchmark asks for it (QINGWU_BENCH_FIRST_PAINT), reports the first
// paint of a window and then the moment the program is ready on standard
// output, each with the resident memory (and, where the program says, the
// number of windows it has made), then ends the program. The benchmark
// measures the time from start to each line.
class FirstPaintReporter : public QObject {
public:
    static void watch(QWidget* window, std::function<int()> windowsMade = {}) {
        if (qEnvironmentVariableIsSet("QINGWU_BENCH_FIRST_PAINT"))
            window->installEventFilter(new FirstPaintReporter(window, std::move(windowsMade)));
    }

protected:
    static void report(const char* what, int windows = -1) {
        QFile status(QStringLiteral("/proc/self/status"));
        QByteArray rss = "0";
        if (status.open(QIODevice::ReadOnly))
            for (const QByteArray& line : status.readAll().split('\n'))
                if (line.startsWith("VmRSS:")) rss = line.mid(6).trimmed().split(' ').first();
        if (windows < 0)
            std::printf("%s rss-kb %s\n", what, rss.constData());
        else
            std::printf("%s rss-kb %s windows %d\n", what, rss.constData(), windows);
        std::fflush(stdout);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            // First the paint itself; then, once the work queued behind the
            // first paint is done (the program creates its other windows
            // there), that the program is ready.
            QTimer::singleShot(0, [this] {
                report("first-paint");
                QTimer::singleShot(0, [this] {
                    report("ready", m_windowsMade ? m_windowsMade() : -1);
                    QCoreApplication::exit(0);
                });
            });
        }
        return false;
    }

private:
    FirstPaintReporter(QObject* parent, std::function<int()> windowsMade)
        : QObject(parent)
        , m_windowsMade(std::move(windowsMade)) {}
    bool m_done = false;
    std::function<int()> m_windowsMade;
};
