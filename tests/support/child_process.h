#pragma once

#include <QCoreApplication>
#include <QList>
#include <QPair>
#include <QProcess>
#include <QString>
#include <gtest/gtest.h>

namespace testing {

// Runs one test of this program in a child process, on the offscreen screens
// of a configuration in tests/support, with more environment (variables with
// an empty value are left out), and expects it to pass. For what is read when
// the application starts: the screens, the scale factor.
inline void runInChildProcess(const QString& test, const QString& screens,
                              const QList<QPair<QString, QString>>& environment) {
    QProcess child;
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    variables.insert(QStringLiteral("QT_QPA_PLATFORM"),
                     QStringLiteral("offscreen:configfile=" QINGWU_SOURCE_DIR "/tests/support/") + screens);
    for (const auto& [name, value] : environment)
        if (!value.isEmpty()) variables.insert(name, value);
    child.setProcessEnvironment(variables);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=") + test});
    ASSERT_TRUE(child.waitForFinished(300000));
    const QString output = QString::fromUtf8(child.readAll());
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
}

// Runs one test of this program in a child process, with one more variable
// in its environment, as a writer that prints the number of each write it
// has committed, one a line; kills it (SIGKILL, in the middle of a write)
// once it has said `commits`. The last number it said, -1 for none.
inline int killWriterAfter(const QString& test, const QString& variable, const QString& value, int commits) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(variable, value);
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=") + test});
    if (!child.waitForStarted(30000)) return -1;
    int committed = -1;
    QByteArray pending;
    const auto readCommits = [&] {
        pending += child.readAllStandardOutput();
        qsizetype end;
        while ((end = pending.indexOf('\n')) >= 0) {
            bool number = false;
            const int said = pending.left(end).trimmed().toInt(&number);
            if (number) committed = qMax(committed, said);
            pending.remove(0, end + 1);
        }
    };
    while (committed < commits && child.waitForReadyRead(60000))
        readCommits();
    child.kill();
    child.waitForFinished(30000);
    readCommits();
    return committed;
}

} // namespace testing
