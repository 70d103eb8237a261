#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QNetworkAccessManager;
class QNetworkReply;

namespace tools {

// Fetches a list of web addresses into memory, a few at a time, while the
// window stays responsive: run() returns once every address has ended (or the
// run was cancelled), and the event loop keeps turning meanwhile. Each distinct
// address is fetched once.
class Transfers : public QObject {
    Q_OBJECT
public:
    // `bytes` is empty when the address could not be fetched.
    using Finished = std::function<void(const QString& address, const std::optional<QByteArray>& bytes)>;

    // At most `limit` transfers at a time. A network manager keeps at most six
    // connections to one server, so the transfers are spread over as many
    // managers as that takes.
    explicit Transfers(QObject* parent = nullptr, int limit = 6);
    ~Transfers() override;

    // False when cancelled; `finished` runs once per distinct address, in the
    // order the transfers end.
    bool run(const QStringList& addresses, const Finished& finished);
    void cancel();
    bool running() const { return m_running; }

    // A transfer that receives nothing for this long fails (default 30 s).
    static void setStallTimeout(int milliseconds);

private:
    void startNext();

    QList<QNetworkAccessManager*> m_managers;
    int m_next = 0;
    int m_limit;
    QStringList m_queue;
    QHash<QNetworkReply*, QString> m_active;
    Finished m_finished;
    bool m_running = false;
    bool m_cancelled = false;
    std::function<void()> m_quit;
};

} // namespace tools
