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

} // namespace testing
