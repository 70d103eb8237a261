#pragma once

#include "core/realplatform.h"
#include "tests/support/fake_platform.h"

#include <QFile>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace testing {

// A real HTTP server on 127.0.0.1 serving the files of a scratch folder.
class LoopbackServer {
public:
    LoopbackServer() {
        m_process.start(QStringLiteral("/usr/bin/python3"),
                        {QStringLiteral(QINGWU_SOURCE_DIR "/tests/tools/images/http_server.py"), m_folder.path()});
        if (m_process.waitForReadyRead(30000)) m_port = m_process.readLine().trimmed().toInt();
        EXPECT_GT(m_port, 0) << m_process.readAllStandardError().toStdString();
    }
    ~LoopbackServer() {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(10000)) m_process.kill();
    }
    // Serves `bytes` at "/" + name.
    void put(const QString& name, const QByteArray& bytes) {
        QFile file(m_folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void remove(const QString& name) { QFile::remove(m_folder.filePath(name)); }
    QString root() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_port); }
    QString address(const QString& name) const { return root() + QLatin1Char('/') + name; }

private:
    QTemporaryDir m_folder;
    QProcess m_process;
    int m_port = 0;
};

// The recording platform whose downloads and HTTP requests really go out; a
// request to `mappedHost` goes to `mappedTo` instead (a marketplace service
// played by the loopback server).
class NetPlatform : public FakePlatform {
public:
    QString mappedHost;
    QString mappedTo;

    bool download(const QString& address, const QString& path) override {
        FakePlatform::download(address, path); // records the call, writes nothing
        return m_real.download(mapped(address), path);
    }
    std::optional<QByteArray> httpGet(const QString& address) override {
        FakePlatform::httpGet(address);
        return m_real.httpGet(mapped(address));
    }

private:
    QString mapped(QString address) const {
        if (!mappedHost.isEmpty() && address.startsWith(mappedHost))
            address.replace(0, mappedHost.size(), mappedTo);
        return address;
    }
    core::RealPlatform m_real;
};

} // namespace testing
