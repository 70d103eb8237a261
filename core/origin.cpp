#include "core/origin.h"

#include "core/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace core {

namespace {

bool g_originInUse = false;

const QString kAppHost = QStringLiteral("app");
const QString kWorkHost = QStringLiteral("work");
const QString kPictureHost = QStringLiteral("picture");

// The files of the program's folders that a page may load, by suffix: pages,
// style sheets, scripts, pictures, fonts and videos. Anything else there (the
// style database, the favourites, the notepad, the replace log) is no page's
// business.
struct PageType {
    const char* suffix;
    const char* type;
};
constexpr PageType kPageTypes[] = {
    {"html", "text/html"},      {"htm", "text/html"},        {"css", "text/css"},
    {"js", "text/javascript"},  {"jpg", "image/jpeg"},       {"jpeg", "image/jpeg"},
    {"png", "image/png"},       {"gif", "image/gif"},        {"webp", "image/webp"},
    {"bmp", "image/bmp"},       {"svg", "image/svg+xml"},    {"ico", "image/x-icon"},
    {"woff", "font/woff"},      {"woff2", "font/woff2"},     {"ttf", "font/ttf"},
    {"otf", "font/otf"},        {"mp4", "video/mp4"},        {"webm", "video/webm"},
};

QByteArray pageType(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const PageType& known : kPageTypes)
        if (suffix == QLatin1String(known.suffix)) return known.type;
    return {};
}

// An absolute, clean path with every link that exists resolved, also for a
// file that does not exist (yet).
QString resolved(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty()) return canonical;
    const QString clean = QDir::cleanPath(info.absoluteFilePath());
    const qsizetype slash = clean.lastIndexOf(u'/');
    if (slash <= 0) return clean;
    return resolved(clean.left(slash)) + clean.mid(slash);
}

bool inside(const QString& path, const QString& folder) {
    return path == folder || path.startsWith(folder.endsWith(u'/') ? folder : folder + u'/');
}

QString folderOf(const QString& host) {
    if (host == kAppHost) return resolved(programFolder());
    if (host == kWorkHost) return resolved(workingFolder());
    return {};
}

QUrl address(const QString& host, const QString& path) {
    QUrl url;
    url.setScheme(QString::fromLatin1(kOriginScheme));
    url.setHost(host);
    url.setPath(path.startsWith(u'/') ? path : u'/' + path, QUrl::DecodedMode);
    return url;
}

QByteArray headOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(32) : QByteArray();
}

// A picture anywhere on disk, by its content.
OriginAnswer picture(const QString& path) {
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (canonical.isEmpty() || !QFileInfo(canonical).isFile()) return {};
    const QByteArray type = pictureType(headOf(canonical));
    if (type.isEmpty()) return {};
    return {OriginAnswer::Serve, canonical, type, {}};
}

} // namespace

void useProgramOrigin() {
    g_originInUse = true;
}

bool programOriginInUse() {
    return g_originInUse;
}

QUrl originAddress(const QString& localPath) {
    const QString path = resolved(localPath);
    for (const QString& host : {kAppHost, kWorkHost}) {
        const QString folder = folderOf(host);
        if (inside(path, folder)) return address(host, path.mid(folder.size()));
    }
    return address(kPictureHost, path);
}

QString originLocalPath(const QUrl& url) {
    if (!isOriginAddress(url)) return {};
    const QString path = url.path(QUrl::FullyDecoded);
    if (url.host() == kPictureHost) return QDir::cleanPath(path);
    const QString folder = folderOf(url.host());
    return folder.isEmpty() ? QString() : QDir::cleanPath(folder + u'/' + path);
}

bool isOriginAddress(const QUrl& url) {
    return url.scheme() == QLatin1String(kOriginScheme);
}

OriginAnswer answerOrigin(const QUrl& url, const QUrl& initiator) {
    if (!isOriginAddress(url)) return {};
    // Pages from the web (and documents of no origin) never reach the
    // program's files.
    if (!initiator.isEmpty() && !isOriginAddress(initiator)) return {OriginAnswer::Denied, {}, {}, {}};
    const QString path = url.path(QUrl::FullyDecoded);
    if (!path.startsWith(u'/') || path.split(u'/').contains(QStringLiteral(".."))) return {};
    if (url.host() == kPictureHost) return picture(path);

    const QString folder = folderOf(url.host());
    if (folder.isEmpty()) return {};
    const QString canonical = QFileInfo(folder + path).canonicalFilePath();
    if (!canonical.isEmpty() && inside(canonical, folder) && QFileInfo(canonical).isFile()) {
        const QByteArray type = pageType(canonical);
        if (!type.isEmpty()) return {OriginAnswer::Serve, canonical, type, {}};
        return {};
    }
    // A path a page names from its root ("/home/…/a.jpg", read as a file path
    // like a file: page would) is a picture of the disk, shown from the
    // picture host: another origin, so that the page can show it but not
    // read it.
    if (canonical.isEmpty() && picture(path).kind == OriginAnswer::Serve)
        return {OriginAnswer::Redirect, {}, {}, address(kPictureHost, path)};
    return {};
}

QByteArray pictureType(const QByteArray& head) {
    if (head.startsWith("\xFF\xD8\xFF")) return "image/jpeg";
    if (head.startsWith("\x89PNG\r\n\x1A\n")) return "image/png";
    if (head.startsWith("GIF87a") || head.startsWith("GIF89a")) return "image/gif";
    if (head.size() >= 12 && head.startsWith("RIFF") && head.mid(8, 4) == "WEBP") return "image/webp";
    // "BM" alone starts many a text; the size of the header that follows
    // tells a bitmap.
    if (head.size() >= 18 && head.startsWith("BM")) {
        const quint32 header = qFromLittleEndian<quint32>(head.constData() + 14);
        for (quint32 known : {12u, 40u, 52u, 56u, 64u, 108u, 124u})
            if (header == known) return "image/bmp";
    }
    return {};
}

} // namespace core
