#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <cstdio>

// When the benchmark asks for it (QINGWU_BENCH_FIRST_PAINT), reports the first
// paint of a window and then the moment the program is ready on standard
// output, each with the resident memory, then ends the program. The benchmark
// measures the time from start to each line.
class FirstPaintReporter : public QObject {
public:
    static void watch(QWidget* window) {
        if (qEnvironmentVariableIsSet("QINGWU_BENCH_FIRST_PAINT"))
            window->installEventFilter(new FirstPaintReporter(window));
    }

protected:
    static void report(const char* what) {
        QFile status(QStringLiteral("/proc/self/status"));
        QByteArray rss = "0";
        if (status.open(QIODevice::ReadOnly))
            for (const QByteArray& line : status.readAll().split('\n'))
                if (line.startsWith("VmRSS:")) rss = line.mid(6).trimmed().split(' ').first();
        std::printf("%s rss-kb %s\n", what, rss.constData());
        std::fflush(stdout);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            // First the paint itself; then, once the work queued behind the
            // first paint is done (the program creates its other windows
            // there), that the program is ready.
            QTimer::singleShot(0, [] {
                report("first-paint");
                QTimer::singleShot(0, [] {
                    report("ready");
                    QCoreApplication::exit(0);
                });
            });
        }
        return false;
    }

private:
    using QObject::QObject;
    bool m_done = false;
};
