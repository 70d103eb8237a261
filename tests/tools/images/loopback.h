#pragma once

#include "core/fetch.h"
#include "tests/support/fake_platform.h"

#include <QFile>
#include <QPointer>
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

// The recording platform whose transfers really go out; a request to
// `mappedHost` goes to `mappedTo` instead (a marketplace service played by the
// loopback server). The calls are recorded with the addresses asked for.
class NetPlatform : public FakePlatform {
public:
    QString mappedHost;
    QString mappedTo;

    core::Transfer* fetch(const core::FetchRequest& request) override {
        record(QStringLiteral("fetch"), nullptr, {}, {}, request.address);
        core::FetchRequest mapped = request;
        if (!mappedHost.isEmpty() && mapped.address.startsWith(mappedHost))
            mapped.address.replace(0, mappedHost.size(), mappedTo);
        // Reported under the address asked for.
        return new Relay(request.address, core::startFetch(mapped));
    }

private:
    class Relay : public core::Transfer {
    public:
        Relay(const QString& address, core::Transfer* inner)
            : m_inner(inner) {
            connect(inner, &core::Transfer::finished, this, [this, address](core::Fetched result) {
                result.address = address;
                emit finished(result);
                deleteLater();
            });
        }
        void cancel() override {
            if (m_inner) m_inner->cancel();
            deleteLater();
        }

    private:
        QPointer<core::Transfer> m_inner;
    };
};

} // namespace testing
