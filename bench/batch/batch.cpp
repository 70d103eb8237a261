// Batch banner benchmark: the batch converter learns each picture's size from
// its JPEG header only. Made here: 300 JPEG banners of 1920 x 600. Measured in
// the same run: the converter's size reading (fetch through the platform, then
// the header) and, as the baseline, a full decode of the same files.
//
//   batch [COUNT]     (offscreen platform by default)
#include "core/platform.h"
#include "tools/code/piliangtonglan.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdio>
#include <jpeglib.h>

namespace {

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A full decode of every scan line, as a program showing the picture would.
QSize decodeAll(const QByteArray& bytes) {
    jpeg_decompress_struct info {};
    jpeg_error_mgr errors {};
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    jpeg_start_decompress(&info);
    QByteArray line(int(info.output_width * info.output_components), Qt::Uninitialized);
    auto* row = reinterpret_cast<JSAMPROW>(line.data());
    while (info.output_scanline < info.output_height)
        jpeg_read_scanlines(&info, &row, 1);
    const QSize size(int(info.output_width), int(info.output_height));
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return size;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int count = argc > 1 ? std::max(1, atoi(argv[1])) : 300;

    QTemporaryDir folder;
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        QImage banner(1920, 600, QImage::Format_RGB32);
        QPainter painter(&banner);
        painter.fillRect(banner.rect(), QColor::fromHsv(i * 7 % 360, 160, 220));
        for (int x = 0; x < 1920; x += 40)
            painter.fillRect(x, (x * 3 + i * 11) % 560, 36, 40, QColor::fromHsv((x + i) % 360, 255, 120));
        painter.drawText(QRect(0, 0, 1920, 600), Qt::AlignCenter, QStringLiteral("BANNER %1").arg(i));
        painter.end();
        const QString path = folder.filePath(QStringLiteral("banner%1.jpg").arg(i));
        if (!banner.save(path, "JPG", 85)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        paths << path;
    }

    // The converter: each picture as a transfer delivers it (its file read)
    // and measured from its header.
    QElapsedTimer timer;
    timer.start();
    qint64 checksum = 0;
    for (int i = 0; i < count; ++i) {
        core::Fetched picture;
        picture.address = QStringLiteral("https://img.example.invalid/banner%1.jpg").arg(i);
        picture.bytes = readFile(paths[i]);
        picture.size = picture.bytes.size();
        const QSize size = tools::Tfrmpiliangtonglan::pictureSize(picture);
        checksum += size.width() + size.height();
    }
    const qint64 header = timer.nsecsElapsed();

    timer.restart();
    qint64 checksumFull = 0;
    for (int i = 0; i < count; ++i) {
        const QSize size = decodeAll(readFile(paths[i]));
        checksumFull += size.width() + size.height();
    }
    const qint64 full = timer.nsecsElapsed();

    std::printf("pictures: %d of 1920 x 600\n", count);
    std::printf("converter (fetch + header): %.2f ms\n", header / 1e6);
    std::printf("full decode:                %.2f ms\n", full / 1e6);
    std::printf("ratio: 1/%.1f  (goal: at most 1/20)\n", double(full) / double(std::max<qint64>(header, 1)));
    if (checksum != checksumFull || checksum != qint64(count) * 2520) {
        std::printf("sizes differ!\n");
        return 1;
    }
    return double(full) / double(std::max<qint64>(header, 1)) >= 20 ? 0 : 2;
}
