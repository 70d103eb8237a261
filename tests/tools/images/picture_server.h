#pragma once

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QString>
#include <QTcpServer>

namespace testing {

// The picture server of picture_server.py, started on a free loopback port
// for the life of the object.
class PictureServer {
public:
    // With `secure` a second server speaks TLS with the certificate of
    // tlsCertificate(), which the tests' network trusts.
    explicit PictureServer(const QString& folder = QStringLiteral("."), bool secure = false) {
        QStringList arguments = {QStringLiteral(QINGWU_SOURCE_DIR "/tests/tools/images/picture_server.py"), folder};
        if (secure) arguments << QStringLiteral("--tls") << tlsCertificate();
        m_process.start(QStringLiteral("python3"), arguments);
        if (m_process.waitForReadyRead(10000))
            m_port = QString::fromLatin1(m_process.readLine()).trimmed().toInt();
        while (secure && m_securePort == 0 && (m_process.canReadLine() || m_process.waitForReadyRead(10000)))
            m_securePort = QString::fromLatin1(m_process.readLine()).trimmed().toInt();
    }
    static QString tlsCertificate() {
        return QStringLiteral(QINGWU_SOURCE_DIR "/tests/tools/images/loopback_tls.pem");
    }
    QString secureBase() const { return QStringLiteral("https://127.0.0.1:%1").arg(m_securePort); }
    ~PictureServer() {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
    PictureServer(const PictureServer&) = delete;
    PictureServer& operator=(const PictureServer&) = delete;

    bool running() const { return m_port > 0; }
    QString base() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_port); }
    // An address that answers `bytes` bytes, after `delay` milliseconds.
    QString picture(qint64 bytes, const QString& name, int delay = 0) const {
        return base() + (delay > 0 ? QStringLiteral("/d%1").arg(delay) : QString()) +
               QStringLiteral("/p/%1/").arg(bytes) + name;
    }
    // How often the server was asked for an address of this server.
    int hits(const QString& address) const;

private:
    QProcess m_process;
    int m_port = 0;
    int m_securePort = 0;
};

inline int PictureServer::hits(const QString& address) const {
    QNetworkAccessManager manager;
    QNetworkReply* reply =
        manager.get(QNetworkRequest(QUrl(base() + QStringLiteral("/hits?") + address.mid(base().size()))));
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    const int count = reply->readAll().trimmed().toInt();
    delete reply;
    return count;
}

// A loopback port on which nobody listens: connections are refused.
inline int refusingPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const int port = probe.serverPort();
    probe.close();
    return port;
}

} // namespace testing
