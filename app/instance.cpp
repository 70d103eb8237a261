#include "app/instance.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace app {

namespace {
const QByteArray kShow = QByteArrayLiteral("show\n");
}

InstanceChannel::InstanceChannel(const QString& path, QObject* parent)
    : QObject(parent)
    , m_path(path)
    , m_server(new QLocalServer(this)) {
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* caller = m_server->nextPendingConnection()) {
            connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
            connect(caller, &QLocalSocket::readyRead, this, [this, caller] {
                while (caller->canReadLine())
                    if (caller->readLine() == kShow) emit called();
            });
        }
    });
}

bool InstanceChannel::listen() {
    // Only the holder of the lock listens, so a socket still there is stale.
    QLocalServer::removeServer(m_path);
    return m_server->listen(m_path);
}

bool InstanceChannel::callRunning(const QString& path, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(timeoutMs)) return false;
    socket.write(kShow);
    const bool written = socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    return written;
}

} // namespace app
