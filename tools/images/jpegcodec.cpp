#include "tools/images/jpegcodec.h"

#include <QString>
#include <cstdio>
#include <csetjmp>
#include <cstdlib>
#include <jpeglib.h>

namespace tools {

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void onError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

void onMessage(j_common_ptr, int) {}

} // namespace

QImage encoderInput(const QImage& picture) {
    if (picture.format() == QImage::Format_RGB888) return picture;
    return picture.convertToFormat(QImage::Format_RGB888);
}

namespace {

enum class Outcome { Done, Cancelled, Failed };

// The libjpeg part, free of C++ objects so that the error jump skips nothing.
Outcome compress(const unsigned char* pixels, qsizetype stride, int width, int height, int quality,
                 const std::atomic<int>* cancel, int generation, unsigned char** buffer, unsigned long* size) {
    jpeg_compress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onError;
    errors.base.emit_message = onMessage;
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&info);
        return Outcome::Failed;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, buffer, size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        if (cancel && (info.next_scanline & 63) == 0 && cancel->load(std::memory_order_relaxed) != generation) {
            jpeg_abort_compress(&info);
            jpeg_destroy_compress(&info);
            return Outcome::Cancelled;
        }
        JSAMPROW row = const_cast<JSAMPROW>(pixels + stride * info.next_scanline);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return Outcome::Done;
}

} // namespace

std::optional<QByteArray> encodeJpeg(const QImage& picture, int quality, const std::atomic<int>* cancel,
                                     int generation) {
    if (picture.isNull()) return std::nullopt;
    const QImage rgb = encoderInput(picture);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const Outcome outcome = compress(rgb.constBits(), rgb.bytesPerLine(), rgb.width(), rgb.height(), quality,
                                     cancel, generation, &buffer, &size);
    std::optional<QByteArray> result;
    if (outcome == Outcome::Done)
        result = QByteArray(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return result;
}

QString sizeText(qint64 bytes) {
    const qint64 hundredths = (bytes + 5) / 10;
    return QStringLiteral("%1.%2Kb").arg(hundredths / 100).arg(hundredths % 100, 2, 10, QLatin1Char('0'));
}

} // namespace tools
