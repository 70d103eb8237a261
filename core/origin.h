#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

namespace core {

// The program's own pages (previews, frame pages, the announcement) are shown
// from an origin of the program's own, "qingwu:", never as file: pages:
//
//   qingwu://app/…        the program's folder, its "files" folder included
//   qingwu://work/…       the current folder, when it is not the program's
//   qingwu://picture/<absolute path>
//                         a picture anywhere on disk that a page names by its
//                         path or file: address (designers preview pictures
//                         before uploading them); pictures only
//
// Such a page loads pictures, style sheets and scripts from the web as the
// shop page does, and reaches no other local file: the origin answers
// read-only, with the page files of its folders and pictures only.
inline constexpr char kOriginScheme[] = "qingwu";

// Start-up's decision (core::prepareApplication) that the program's browsers
// use the origin. The web-engine module, loaded with the first browser,
// registers the scheme then, before any page or profile exists.
void useProgramOrigin();
bool programOriginInUse();

// The address under which the program's browsers show a local file (an
// absolute path with "/" separators).
QUrl originAddress(const QString& localPath);

// The local file behind an origin address; empty for any other address.
QString originLocalPath(const QUrl& address);

// True for an address of the origin.
bool isOriginAddress(const QUrl& address);

// How the origin answers one request.
struct OriginAnswer {
    enum Kind { Serve, Redirect, NotFound, Denied };
    Kind kind = NotFound;
    QString path;      // Serve: the file to send
    QByteArray type;   // Serve: its MIME type
    QUrl redirect;     // Redirect: where the request goes instead
};

// The answer to a request for `address` made by a document of `initiator`
// (empty for a navigation the program makes itself). Only the program's own
// navigations and the origin's own pages are answered; pages from the web are
// denied.
OriginAnswer answerOrigin(const QUrl& address, const QUrl& initiator);

// The MIME type of a picture by its first bytes (JPEG, PNG, GIF, WebP, BMP);
// empty for anything else.
QByteArray pictureType(const QByteArray& head);

} // namespace core
