#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace app {

// The running program's ear for later starts: a local socket beside the
// single-instance lock. A second start calls it, and the first one brings its
// launcher to the front.
class InstanceChannel : public QObject {
    Q_OBJECT
public:
    explicit InstanceChannel(const QString& path, QObject* parent = nullptr);

    // Listens on the path; a socket left by a killed program is replaced.
    bool listen();

    // Asks the program listening on the path to come to the front; false when
    // nobody answers within the time.
    static bool callRunning(const QString& path, int timeoutMs = 2000);

signals:
    void called();

private:
    QString m_path;
    QLocalServer* m_server;
};

} // namespace app
