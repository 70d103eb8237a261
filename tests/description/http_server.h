#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QMap>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>

namespace testing {

// A small HTTP/1.0 server on the loopback address for the life of a test:
// GET of a served path answers its bytes, anything else 404. It runs on the
// test's thread, so it answers while a download waits in its event loop.
class LoopbackHttpServer : public QObject {
public:
    LoopbackHttpServer() {
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
        });
    }
    QString address(const QString& path) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
    }
    QMap<QString, QByteArray> files;
    int requests = 0;

private:
    void answer(QTcpSocket* socket) {
        m_pending[socket] += socket->readAll();
        const QByteArray request = m_pending[socket];
        if (!request.contains("\r\n\r\n")) return;
        m_pending.remove(socket);
        ++requests;
        const QString path = QString::fromLatin1(request.split(' ').value(1));
        QByteArray response;
        if (files.contains(path)) {
            const QByteArray body = files[path];
            response = "HTTP/1.0 200 OK\r\nContent-Type: image/jpeg\r\nContent-Length: " +
                       QByteArray::number(body.size()) + "\r\n\r\n" + body;
        } else {
            response = "HTTP/1.0 404 Not Found\r\nContent-Length: 0\r\n\r\n";
        }
        socket->write(response);
        socket->disconnectFromHost();
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
    QTcpServer m_server;
    QMap<QTcpSocket*, QByteArray> m_pending;
};

} // namespace testing
