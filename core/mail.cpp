#include "core/realplatform.h"

#include <QDateTime>
#include <QEventLoop>
#include <QThread>
#include <QUuid>
#include <cstring>
#include <curl/curl.h>
#include <memory>

namespace core {

namespace {

QByteArray encodedWord(const QString& text) {
    return "=?UTF-8?B?" + text.toUtf8().toBase64() + "?=";
}

QByteArray message(const Mail& mail) {
    QByteArray body;
    for (const QString& line : mail.bodyLines)
        body += line.toUtf8() + "\r\n";
    QByteArray encodedBody;
    const QByteArray base64 = body.toBase64();
    for (qsizetype i = 0; i < base64.size(); i += 76)
        encodedBody += base64.mid(i, 76) + "\r\n";

    QByteArray out;
    out += "Date: " + QDateTime::currentDateTime().toString(Qt::RFC2822Date).toLatin1() + "\r\n";
    out += "From: <" + mail.from.toUtf8() + ">\r\n";
    out += "To: <" + mail.to.toUtf8() + ">\r\n";
    if (!mail.replyTo.isEmpty()) out += "Reply-To: " + mail.replyTo.toUtf8() + "\r\n";
    out += "Subject: " + encodedWord(mail.subject) + "\r\n";
    out += "Message-ID: <" + QUuid::createUuid().toString(QUuid::WithoutBraces).toLatin1() + "@qingwu>\r\n";
    if (mail.highPriority) out += "X-Priority: 1\r\nImportance: High\r\n";
    out += "MIME-Version: 1.0\r\n";
    out += "Content-Type: text/plain; charset=UTF-8\r\n";
    out += "Content-Transfer-Encoding: base64\r\n";
    out += "\r\n";
    out += encodedBody;
    return out;
}

struct Upload {
    QByteArray data;
    qsizetype offset = 0;
};

size_t readPayload(char* buffer, size_t size, size_t count, void* user) {
    auto* upload = static_cast<Upload*>(user);
    const size_t room = size * count;
    const size_t left = static_cast<size_t>(upload->data.size() - upload->offset);
    const size_t n = std::min(room, left);
    std::memcpy(buffer, upload->data.constData() + upload->offset, n);
    upload->offset += static_cast<qsizetype>(n);
    return n;
}

// The whole SMTP exchange, on whichever thread calls it.
QString transfer(const Mail& mail) {
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    if (!initialised) return QStringLiteral("The mail library could not be initialised");
    std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), curl_easy_cleanup);
    if (!curl) return QStringLiteral("The mail library could not be initialised");

    const QByteArray url = "smtp://" + mail.host.toUtf8() + ":" + QByteArray::number(mail.port);
    const QByteArray user = mail.user.toUtf8();
    const QByteArray password = mail.password.toUtf8();
    const QByteArray from = "<" + mail.from.toUtf8() + ">";
    const QByteArray to = "<" + mail.to.toUtf8() + ">";
    Upload upload{message(mail)};
    char error[CURL_ERROR_SIZE] = {};

    curl_slist* recipients = curl_slist_append(nullptr, to.constData());
    CURL* c = curl.get();
    curl_easy_setopt(c, CURLOPT_URL, url.constData());
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, error);
    if (!user.isEmpty()) {
        curl_easy_setopt(c, CURLOPT_USERNAME, user.constData());
        curl_easy_setopt(c, CURLOPT_PASSWORD, password.constData());
        curl_easy_setopt(c, CURLOPT_LOGIN_OPTIONS, "AUTH=LOGIN");
    }
    curl_easy_setopt(c, CURLOPT_MAIL_FROM, from.constData());
    curl_easy_setopt(c, CURLOPT_MAIL_RCPT, recipients);
    curl_easy_setopt(c, CURLOPT_READFUNCTION, readPayload);
    curl_easy_setopt(c, CURLOPT_READDATA, &upload);
    curl_easy_setopt(c, CURLOPT_UPLOAD, 1L);
    // At most 20 s in all before the user hears of a failure.
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, 20L);
    curl_easy_setopt(c, CURLOPT_TIMEOUT, 20L);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    const CURLcode result = curl_easy_perform(c);
    curl_slist_free_all(recipients);
    if (result == CURLE_OK) return QString();
    const QString detail = QString::fromUtf8(error);
    return QStringLiteral("邮件没有发出去，请检查网络连接后再试。（") +
           (detail.isEmpty() ? QString::fromUtf8(curl_easy_strerror(result)) : detail) + QStringLiteral("）");
}

} // namespace

QString sendSmtpMail(const Mail& mail) {
    // The exchange runs beside the interface, which keeps painting and
    // answering while the caller waits here.
    QString error;
    QEventLoop waiting;
    std::unique_ptr<QThread> worker(QThread::create([&] { error = transfer(mail); }));
    QObject::connect(worker.get(), &QThread::finished, &waiting, &QEventLoop::quit, Qt::QueuedConnection);
    worker->start();
    waiting.exec();
    worker->wait();
    return error;
}

} // namespace core
