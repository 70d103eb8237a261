#pragma once

#include "core/platform.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QQueue>
#include <QUrl>
#include <functional>

namespace core {

// The bounds of every transfer of the program, in one place (tests lower
// them to stay fast).
struct FetchLimits {
    qint64 pictureBytes = 64LL << 20; // a picture's size cap
    qint64 pageBytes = 16LL << 20;    // a page's size cap
    int stallMs = 15000;              // longest time without a byte
    int deadlineMs = 60000;           // longest time for one transfer, redirects included
    int redirects = 5;
    int simultaneous = 12;   // transfers of a batch at a time, even to one server
    int busyCursorMs = 500;  // a window's wait shows the busy cursor after this
};
FetchLimits& fetchLimits();

// The size cap of a kind of transfer.
qint64 fetchCap(FetchKind kind);
// The bytes kept of a body whose size only is wanted: enough to tell its format.
constexpr qint64 kHeadBytes = 64;

// The messages of the ways a transfer ends badly; each names the address.
namespace fetchError {
QString unsupported(const QString& address);
QString tooLarge(const QString& address, qint64 cap);
QString stalled(const QString& address);
QString deadline(const QString& address);
QString tooManyRedirects(const QString& address);
QString badRedirect(const QString& address, const QString& target);
QString status(const QString& address, int code);
QString network(const QString& address, const QString& detail);
QString notPicture(const QString& address);
} // namespace fetchError

// The web address a typed or harvested address stands for: "//host/…" is an
// https address and an address without a scheme an http one. Invalid when it
// is not an http or https address.
QUrl fetchUrl(const QString& address);

// Whether bytes start like a JPEG, PNG, GIF or WebP picture.
bool looksLikePicture(const QByteArray& head);

// The real network engine (QtNetwork) behind the platform's fetch.
Transfer* startFetch(const FetchRequest& request);

// A transfer that ends at once with an error (addresses refused before any
// connection); it reports after the caller got it, like any other.
Transfer* failedTransfer(const FetchRequest& request, const QString& error);

// Fetches a list of requests through the platform, at most a given number at
// a time, each distinct address once.
class FetchBatch : public QObject {
    Q_OBJECT
public:
    using Each = std::function<void(const Fetched&)>;

    explicit FetchBatch(QObject* parent = nullptr);
    ~FetchBatch() override;

    // `each` runs once per distinct address in the order the transfers end,
    // `done` once after the last; neither runs before start() returns nor
    // after cancel(). A running batch refuses another start.
    bool start(const QList<FetchRequest>& requests, int simultaneous, Each each,
               std::function<void()> done = {});
    // Stops every transfer of the batch at once.
    void cancel();
    bool running() const { return m_running; }

private:
    void startNext();
    void ended(Transfer* transfer, const Fetched& result);

    QQueue<FetchRequest> m_queue;
    QList<QPointer<Transfer>> m_active;
    int m_limit = 1;
    Each m_each;
    std::function<void()> m_done;
    bool m_running = false;
    quint64 m_run = 0;
};

} // namespace core
