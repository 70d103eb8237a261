#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <cstdio>

// When the benchmark asks for it (QINGWU_BENCH_FIRST_PAINT), reports the first
// paint of a window on standard output with the resident memory, then ends the
// program. The benchmark measures the time from start to that line.
class FirstPaintReporter : public QObject {
public:
    static void watch(QWidget* window) {
        if (qEnvironmentVariableIsSet("QINGWU_BENCH_FIRST_PAINT"))
            window->installEventFilter(new FirstPaintReporter(window));
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            QTimer::singleShot(0, [] {
                QFile status(QStringLiteral("/proc/self/status"));
                QByteArray rss = "0";
                if (status.open(QIODevice::ReadOnly))
                    for (const QByteArray& line : status.readAll().split('\n'))
                        if (line.startsWith("VmRSS:"))
                            rss = line.mid(6).trimmed().split(' ').first();
                std::printf("first-paint rss-kb %s\n", rss.constData());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    using QObject::QObject;
    bool m_done = false;
};
