// The pictures of a generator's sample snippet, pointed at the sample pictures.
#include "scripts/render_tiles/render_tiles.h"

#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>

namespace tiles {

namespace {

// A picture address as snippets hold them: http or https, ending in a
// picture file name; a placeholder "图1地址"; an empty picture source.
const QRegularExpression& picture() {
    static const QRegularExpression address(
        QStringLiteral(R"(https?://[^\s"'|<>()]+?\.(?:jpe?g|png|gif|bmp)(?![A-Za-z0-9])|图\d+地址|(?<=src=")(?="))"),
        QRegularExpression::CaseInsensitiveOption);
    return address;
}

// `picture` cut to `size` (scaled to cover it, centred), in a folder of this
// run; the picture itself where it has that size already or the copy cannot
// be written.
QString sizedCopy(const QString& picture, const QSize& size) {
    static const QTemporaryDir folder;
    if (!folder.isValid()) return picture;
    const QString copy = folder.filePath(QStringLiteral("%1-%2x%3.png")
                                             .arg(QFileInfo(picture).completeBaseName())
                                             .arg(size.width())
                                             .arg(size.height()));
    if (QFileInfo::exists(copy)) return copy;
    const QImage image(picture);
    if (image.isNull() || image.size() == size) return picture;
    const QImage covering = image.scaled(size, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
    const QRect middle(QPoint((covering.width() - size.width()) / 2, (covering.height() - size.height()) / 2), size);
    return covering.copy(middle).save(copy, "PNG") ? copy : picture;
}

} // namespace

QString pointAtSamples(const QString& code, const QString& sampleFolder, const QString& className) {
    static const QRegularExpression size(QStringLiteral(R"((\d{3,4})x(\d{2,4}))"));
    const QStringList samples = samplePictures(sampleFolder);
    const QStringList banners = bannerPictures(sampleFolder);
    if (samples.isEmpty() || banners.isEmpty()) return code;
    // Each window starts at another sample, so that the tiles differ.
    int nextSample = 0;
    for (const QChar letter : className) nextSample += letter.unicode();
    int nextBanner = nextSample;
    QString out;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& hit : picture().globalMatch(code)) {
        out += code.mid(from, hit.capturedStart() - from);
        from = hit.capturedEnd();
        // A sample the window's sample settings name.
        const QUrl named(hit.captured());
        if (named.host() == QLatin1String("sample.invalid") && QFileInfo::exists(sampleFolder + named.path())) {
            out += QUrl::fromLocalFile(sampleFolder + named.path()).toString();
            continue;
        }
        // Full-width pictures and strips (a shop sign) take a banner.
        const QRegularExpressionMatch namedSize = size.match(hit.captured());
        const QSize pictureSize(namedSize.captured(1).toInt(), namedSize.captured(2).toInt());
        const int width = pictureSize.width();
        const bool banner = width > 0 && (width >= 1200 || width >= 3 * pictureSize.height());
        QString chosen = banner ? banners[nextBanner++ % banners.size()] : samples[nextSample++ % samples.size()];
        // A picture whose address names its size has that size, as the shop's would.
        if (width > 0) chosen = sizedCopy(chosen, pictureSize);
        out += QUrl::fromLocalFile(chosen).toString();
    }
    return out + code.mid(from);
}

} // namespace tiles
