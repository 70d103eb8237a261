#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace testing {

// A program run to its end: its exit code (-1 when it crashed or was stopped)
// and its standard output and error together.
struct Finished {
    int exitCode = -1;
    QString output;
};

inline Finished runProgram(const QString& program, const QStringList& arguments,
                           const QProcessEnvironment& env = {}, int ms = 120000, const QString& folder = {}) {
    QProcess process;
    if (!env.isEmpty()) process.setProcessEnvironment(env);
    if (!folder.isEmpty()) process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(ms)) {
        process.kill();
        process.waitForFinished();
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAll())};
}

// The environment in which an installed program starts without a display,
// answers its message boxes on standard output, says "ready" after its first
// paint and keeps all it writes below `home`.
inline QProcessEnvironment headlessProgram(const QString& home) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("QINGWU_HEADLESS_DIALOGS", "1");
    env.insert("QINGWU_BENCH_FIRST_PAINT", "1");
    env.insert("HOME", home);
    env.insert("XDG_DATA_HOME", home + "/data");
    env.insert("XDG_RUNTIME_DIR", home);
    env.insert("XDG_CACHE_HOME", home + "/cache");
    env.insert("XDG_CONFIG_HOME", home + "/config");
    return env;
}

} // namespace testing
