#pragma once

#include "core/fetch.h"
#include "tests/support/helpers.h"
#include "tests/tools/images/picture_server.h"

#include <QList>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QString>

namespace testing {

// One hostile answer of the picture server: its address, what the fetch
// service says after naming it, and how long it may take at the lowered
// limits of lowerFetchLimits().
struct HostileRow {
    QString address;
    QString why;
    qint64 within;
};

// A 2 s stall limit, a 4 s deadline, caps of 4 MiB (pictures) and 2 MiB (pages).
inline void lowerFetchLimits() {
    core::FetchLimits& limits = core::fetchLimits();
    limits.stallMs = 2000;
    limits.deadlineMs = 4000;
    limits.pictureBytes = 4 << 20;
    limits.pageBytes = 2 << 20;
}

// The tests' network trusts the loopback server's certificate.
inline void trustLoopbackCertificate() {
    QSslConfiguration config = QSslConfiguration::defaultConfiguration();
    config.addCaCertificates(QSslCertificate::fromPath(PictureServer::tlsCertificate()));
    QSslConfiguration::setDefaultConfiguration(config);
}

// Every way a transfer ends badly, one row each (the server must have been
// started with its TLS side). HTML served as a picture is no transfer fault:
// see htmlAsJpeg().
inline QList<HostileRow> hostileRows(const PictureServer& server) {
    const QString base = server.base();
    const QString refused = QStringLiteral("http://127.0.0.1:%1/p/100/x.jpg").arg(refusingPort());
    const QString unsafe = QStringLiteral("（只能转向 http 或 https 地址，且不能从 https 转向 http），已停止下载。");
    return {
        {base + "/endless/a.jpg", "文件超过 4 MB 的上限，已停止下载。", 3000},
        {base + "/huge/b.jpg", "文件超过 4 MB 的上限，已停止下载。", 1000},
        {base + "/nolength/8000000/c.jpg", "文件超过 4 MB 的上限，已停止下载。", 3000},
        {base + "/drip/300/d.jpg", "4 秒内没有下载完，已停止下载。", 5000},
        {base + "/stall/e.jpg", "服务器 2 秒没有传来任何数据，已停止下载。", 3000},
        {base + "/tofile/f.jpg", "服务器把它转向了不允许的地址“file:///etc/passwd”" + unsafe, 1000},
        {base + "/loop/0", "重定向超过 5 次，已停止下载。", 2000},
        {server.secureBase() + "/tohttp/g.jpg", "服务器把它转向了不允许的地址“" + base + "/p/100/g.jpg”" + unsafe,
         2000},
        {base + "/missing/h.jpg", "服务器回答 404。", 1000},
        {base + "/reset/i.jpg", "服务器中途断开了连接，文件不完整。", 1000},
        {refused, "服务器拒绝连接。", 1000},
        {"file:///etc/passwd", "只能下载 http 或 https 地址。", 200},
    };
}

// A picture server with its TLS side, for whose life the fetch limits are
// lowered and its certificate trusted.
class HostileServer : public PictureServer {
public:
    HostileServer()
        : PictureServer(QStringLiteral("."), true) {
        lowerFetchLimits();
        trustLoopbackCertificate();
    }
    QList<HostileRow> rows() const { return hostileRows(*this); }

private:
    FetchLimitsScope m_limits;
};

// The message of a row: the address named first.
inline QString hostileMessage(const HostileRow& row) {
    return QStringLiteral("下载“") + row.address + QStringLiteral("”失败：") + row.why;
}

// 70 KB of HTML served as image/jpeg.
inline QString htmlAsJpeg(const PictureServer& server) {
    return server.base() + QStringLiteral("/html/j.jpg");
}

} // namespace testing
