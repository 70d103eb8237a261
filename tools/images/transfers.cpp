#include "tools/images/transfers.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSet>
#include <QUrl>
#include <algorithm>

namespace tools {

namespace {
int g_stallTimeout = 30000;
} // namespace

Transfers::Transfers(QObject* parent, int limit)
    : QObject(parent)
    , m_limit(std::max(1, limit)) {
    for (int i = 0; i < (m_limit + 5) / 6; ++i)
        m_managers << new QNetworkAccessManager(this);
}

Transfers::~Transfers() {
    cancel();
}

void Transfers::setStallTimeout(int milliseconds) {
    g_stallTimeout = milliseconds;
}

bool Transfers::run(const QStringList& addresses, const Finished& finished) {
    if (m_running) return false;
    QSet<QString> seen;
    m_queue.clear();
    for (const QString& address : addresses)
        if (!seen.contains(address)) {
            seen.insert(address);
            m_queue << address;
        }
    m_finished = finished;
    m_cancelled = false;
    m_running = true;
    QEventLoop loop;
    m_quit = [&loop] { loop.quit(); };
    startNext();
    if (!m_active.isEmpty()) loop.exec();
    m_quit = {};
    m_running = false;
    m_finished = {};
    return !m_cancelled;
}

void Transfers::cancel() {
    if (!m_running) return;
    m_cancelled = true;
    m_queue.clear();
    const QList<QNetworkReply*> replies = m_active.keys();
    m_active.clear();
    for (QNetworkReply* reply : replies) {
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
    if (m_quit) m_quit();
}

void Transfers::startNext() {
    while (!m_cancelled && m_active.size() < m_limit && !m_queue.isEmpty()) {
        const QString address = m_queue.takeFirst();
        const QUrl url(address, QUrl::StrictMode);
        if (!url.isValid() || url.isRelative()) {
            m_finished(address, std::nullopt);
            continue;
        }
        QNetworkRequest request(url);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                             QNetworkRequest::NoLessSafeRedirectPolicy);
        request.setTransferTimeout(g_stallTimeout);
        QNetworkReply* reply = m_managers[m_next++ % m_managers.size()]->get(request);
        m_active.insert(reply, address);
        connect(reply, &QNetworkReply::finished, this, [this, reply] {
            const QString address = m_active.take(reply);
            std::optional<QByteArray> bytes;
            if (reply->error() == QNetworkReply::NoError) bytes = reply->readAll();
            reply->deleteLater();
            m_finished(address, bytes);
            startNext();
        });
    }
    if (m_active.isEmpty() && m_quit) m_quit();
}

} // namespace tools
