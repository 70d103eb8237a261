#include "core/fetch.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSet>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <utility>

namespace core {

FetchLimits& fetchLimits() {
    static FetchLimits limits;
    return limits;
}

qint64 fetchCap(FetchKind kind) {
    return kind == FetchKind::Page ? fetchLimits().pageBytes : fetchLimits().pictureBytes;
}

namespace fetchError {

namespace {
QString failed(const QString& address, const QString& why) {
    return QStringLiteral("下载“%1”失败：%2").arg(address, why);
}
} // namespace

QString unsupported(const QString& address) {
    return failed(address, QStringLiteral("只能下载 http 或 https 地址。"));
}

QString tooLarge(const QString& address, qint64 cap) {
    return failed(address, QStringLiteral("文件超过 %1 MB 的上限，已停止下载。").arg(double(cap) / (1 << 20)));
}

QString stalled(const QString& address) {
    return failed(address, QStringLiteral("服务器 %1 秒没有传来任何数据，已停止下载。")
                               .arg(double(fetchLimits().stallMs) / 1000.0));
}

QString deadline(const QString& address) {
    return failed(address, QStringLiteral("%1 秒内没有下载完，已停止下载。")
                               .arg(double(fetchLimits().deadlineMs) / 1000.0));
}

QString tooManyRedirects(const QString& address) {
    return failed(address, QStringLiteral("重定向超过 %1 次，已停止下载。").arg(fetchLimits().redirects));
}

QString badRedirect(const QString& address, const QString& target) {
    return failed(address, QStringLiteral("服务器把它转向了不允许的地址“%1”（只能转向 http 或 https 地址，"
                                          "且不能从 https 转向 http），已停止下载。")
                               .arg(target));
}

QString status(const QString& address, int code) {
    return failed(address, QStringLiteral("服务器回答 %1。").arg(code));
}

QString network(const QString& address, const QString& detail) {
    return failed(address, detail);
}

QString notPicture(const QString& address) {
    return failed(address, QStringLiteral("下载到的不是图片（不是 JPEG、PNG、GIF 或 WebP 格式）。"));
}

} // namespace fetchError

QUrl fetchUrl(const QString& address) {
    const QString typed = address.trimmed();
    QUrl url;
    if (typed.startsWith(QLatin1String("//")))
        url = QUrl(QStringLiteral("https:") + typed);
    else if (!typed.contains(QLatin1String("://")) && !typed.startsWith(u'/'))
        url = QUrl(QStringLiteral("http://") + typed);
    else
        url = QUrl(typed);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return {};
    return url;
}

bool looksLikePicture(const QByteArray& head) {
    return head.startsWith("\xFF\xD8\xFF") || head.startsWith("\x89PNG\r\n\x1A\n") || head.startsWith("GIF87a") ||
           head.startsWith("GIF89a") || (head.startsWith("RIFF") && head.mid(8, 4) == "WEBP");
}

namespace {

// A transfer that already knows how it ends.
class EndedTransfer : public Transfer {
public:
    explicit EndedTransfer(Fetched result)
        : m_result(std::move(result)) {
        QTimer::singleShot(0, this, [this] {
            emit finished(m_result);
            deleteLater();
        });
    }
    void cancel() override { deleteLater(); }

private:
    Fetched m_result;
};

// The managers transfers are spread over: one keeps at most six connections
// to a server, and a batch runs up to twelve at a time to one picture server.
QNetworkAccessManager* nextManager() {
    static QList<QNetworkAccessManager*> managers;
    static int next = 0;
    const int wanted = std::max(1, (fetchLimits().simultaneous + 5) / 6);
    while (managers.size() < wanted)
        managers << new QNetworkAccessManager(QCoreApplication::instance());
    return managers[next++ % wanted];
}

class NetTransfer : public Transfer {
public:
    NetTransfer(const FetchRequest& request, const QUrl& url)
        : m_request(request)
        , m_cap(fetchCap(request.kind)) {
        m_stall.setSingleShot(true);
        m_deadline.setSingleShot(true);
        connect(&m_stall, &QTimer::timeout, this, [this] { end(fetchError::stalled(m_request.address)); });
        connect(&m_deadline, &QTimer::timeout, this, [this] { end(fetchError::deadline(m_request.address)); });
        m_deadline.start(fetchLimits().deadlineMs);
        // The whole chain of redirects goes through one manager (and its cookies).
        m_manager = nextManager();
        get(url);
    }

    ~NetTransfer() override { drop(); }

    void cancel() override {
        m_ended = true;
        drop();
        m_deadline.stop();
        deleteLater();
    }

private:
    // Asks for one address of the chain; redirects are followed here, one
    // request each, so that every hop is checked.
    void get(const QUrl& url) {
        QNetworkRequest request(url);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
        m_url = url;
        m_reply = m_manager->get(request);
        // Qt reads no further than this ahead of us: an endless body never
        // piles up in memory between two reads.
        m_reply->setReadBufferSize(1 << 20);
        m_stall.start(fetchLimits().stallMs);
        connect(m_reply, &QNetworkReply::metaDataChanged, this, [this] {
            m_stall.start(fetchLimits().stallMs);
            const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
            if (length.isValid() && length.toLongLong() > m_cap && !isRedirect())
                end(fetchError::tooLarge(m_request.address, m_cap));
        });
        connect(m_reply, &QNetworkReply::readyRead, this, [this] { take(); });
        connect(m_reply, &QNetworkReply::finished, this, [this] { finish(); });
    }

    bool isRedirect() const {
        const int code = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        return code >= 300 && code < 400;
    }

    QString redirectTarget() const {
        const QUrl target = m_reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl();
        return target.isEmpty() ? QString::fromUtf8(m_reply->rawHeader("Location")) : target.toString();
    }

    void take() {
        if (m_ended) return;
        m_stall.start(fetchLimits().stallMs);
        const QByteArray chunk = m_reply->readAll();
        m_size += chunk.size();
        if (m_size > m_cap) {
            end(fetchError::tooLarge(m_request.address, m_cap));
            return;
        }
        if (!m_request.sizeOnly)
            m_bytes += chunk;
        else if (m_bytes.size() < kHeadBytes)
            m_bytes += chunk.left(kHeadBytes - m_bytes.size());
    }

    void redirect() {
        const QUrl target = m_url.resolved(m_reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl());
        const QString scheme = target.scheme().toLower();
        const bool web = scheme == QLatin1String("http") || scheme == QLatin1String("https");
        const bool secure = m_url.scheme().toLower() == QLatin1String("https");
        if (!web || target.host().isEmpty() || (secure && scheme != QLatin1String("https"))) {
            end(fetchError::badRedirect(m_request.address, target.toString()));
            return;
        }
        if (++m_redirects > fetchLimits().redirects) {
            end(fetchError::tooManyRedirects(m_request.address));
            return;
        }
        drop();
        m_bytes.clear();
        m_size = 0;
        get(target);
    }

    void finish() {
        if (m_ended) return;
        take();
        if (m_ended) return;
        const QString& address = m_request.address;
        const int code = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        switch (m_reply->error()) {
        case QNetworkReply::NoError:
            if (code >= 200 && code < 300)
                end({});
            else if (isRedirect() && m_reply->attribute(QNetworkRequest::RedirectionTargetAttribute).isValid())
                redirect();
            else if (code >= 300 && code < 400)
                end(fetchError::badRedirect(address, redirectTarget()));
            else if (code >= 400)
                end(fetchError::status(address, code));
            else
                end(fetchError::network(address, QStringLiteral("服务器的回答无法识别（状态 %1）。").arg(code)));
            return;
        case QNetworkReply::ConnectionRefusedError:
            end(fetchError::network(address, QStringLiteral("服务器拒绝连接。")));
            return;
        case QNetworkReply::RemoteHostClosedError:
            end(fetchError::network(address, QStringLiteral("服务器中途断开了连接，文件不完整。")));
            return;
        case QNetworkReply::HostNotFoundError:
            end(fetchError::network(address, QStringLiteral("找不到服务器。")));
            return;
        default:
            break;
        }
        if (code >= 400)
            end(fetchError::status(address, code));
        else
            end(fetchError::network(address, QStringLiteral("网络错误（%1）。").arg(m_reply->errorString())));
    }

    // Reports how the transfer ended, once.
    void end(const QString& error) {
        if (m_ended) return;
        m_ended = true;
        drop();
        m_deadline.stop();
        Fetched result;
        result.address = m_request.address;
        result.error = error;
        if (error.isEmpty()) {
            result.bytes = std::move(m_bytes);
            result.size = m_size;
        }
        m_bytes = QByteArray();
        emit finished(result);
        deleteLater();
    }

    void drop() {
        m_stall.stop();
        if (!m_reply) return;
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
        m_reply = nullptr;
    }

    FetchRequest m_request;
    qint64 m_cap;
    QNetworkAccessManager* m_manager = nullptr;
    QNetworkReply* m_reply = nullptr;
    QByteArray m_bytes;
    qint64 m_size = 0;
    QUrl m_url; // of the request under way
    int m_redirects = 0;
    bool m_ended = false;
    QTimer m_stall;
    QTimer m_deadline;
};

} // namespace

Transfer* failedTransfer(const FetchRequest& request, const QString& error) {
    Fetched result;
    result.address = request.address;
    result.error = error;
    return new EndedTransfer(std::move(result));
}

Transfer* startFetch(const FetchRequest& request) {
    const QUrl url = fetchUrl(request.address);
    if (!url.isValid()) return failedTransfer(request, fetchError::unsupported(request.address));
    return new NetTransfer(request, url);
}

FetchBatch::FetchBatch(QObject* parent)
    : QObject(parent) {}

FetchBatch::~FetchBatch() {
    cancel();
}

bool FetchBatch::start(const QList<FetchRequest>& requests, int simultaneous, Each each,
                       std::function<void()> done) {
    if (m_running) return false;
    QSet<QString> seen;
    m_queue.clear();
    for (const FetchRequest& request : requests)
        if (!seen.contains(request.address)) {
            seen.insert(request.address);
            m_queue.enqueue(request);
        }
    m_limit = std::max(1, simultaneous);
    m_each = std::move(each);
    m_done = std::move(done);
    m_running = true;
    const quint64 run = ++m_run;
    if (m_queue.isEmpty()) {
        // Even an empty batch ends after start() returned.
        QTimer::singleShot(0, this, [this, run] {
            if (m_run == run && m_running) ended(nullptr, {});
        });
        return true;
    }
    startNext();
    return true;
}

void FetchBatch::cancel() {
    ++m_run;
    m_running = false;
    m_queue.clear();
    const QList<QPointer<Transfer>> active = std::exchange(m_active, {});
    for (const QPointer<Transfer>& transfer : active)
        if (transfer) {
            transfer->disconnect(this);
            transfer->cancel();
        }
    m_each = {};
    m_done = {};
}

void FetchBatch::startNext() {
    while (m_running && m_active.size() < m_limit && !m_queue.isEmpty()) {
        Transfer* transfer = platform().fetch(m_queue.dequeue());
        m_active << transfer;
        connect(transfer, &Transfer::finished, this,
                [this, transfer](const Fetched& result) { ended(transfer, result); });
    }
}

void FetchBatch::ended(Transfer* transfer, const Fetched& result) {
    const quint64 run = m_run;
    QPointer<FetchBatch> self(this);
    if (transfer) {
        m_active.removeAll(QPointer<Transfer>(transfer));
        const Each each = m_each; // the step may cancel or restart the batch
        if (each) each(result);
        if (!self || m_run != run || !m_running) return;
    }
    startNext();
    if (!m_active.isEmpty() || !m_queue.isEmpty()) return;
    m_running = false;
    m_each = {};
    const std::function<void()> done = std::exchange(m_done, {});
    if (done) done();
}

} // namespace core
