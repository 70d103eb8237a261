#include "tools/images/jpegcodec.h"

#include <QString>
#include <csetjmp>
#include <cstdio>
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

// The compressed bytes go into a buffer the caller owns. libjpeg's own memory
// destination hands its final buffer over only when compression finishes, so
// an encode stopped half-way would leave the caller a pointer it had freed.
struct GrowingDestination {
    jpeg_destination_mgr base;
    QByteArray* bytes;
};

constexpr qsizetype kFirstChunk = 64 * 1024;

GrowingDestination* destinationOf(j_compress_ptr info) {
    return reinterpret_cast<GrowingDestination*>(info->dest);
}

void startDestination(j_compress_ptr info) {
    GrowingDestination* destination = destinationOf(info);
    destination->bytes->resize(kFirstChunk);
    destination->base.next_output_byte = reinterpret_cast<JOCTET*>(destination->bytes->data());
    destination->base.free_in_buffer = static_cast<size_t>(kFirstChunk);
}

boolean growDestination(j_compress_ptr info) {
    GrowingDestination* destination = destinationOf(info);
    const qsizetype used = destination->bytes->size();
    destination->bytes->resize(used * 2);
    destination->base.next_output_byte = reinterpret_cast<JOCTET*>(destination->bytes->data() + used);
    destination->base.free_in_buffer = static_cast<size_t>(used);
    return TRUE;
}

void endDestination(j_compress_ptr info) {
    GrowingDestination* destination = destinationOf(info);
    destination->bytes->resize(destination->bytes->size() -
                               static_cast<qsizetype>(destination->base.free_in_buffer));
}

} // namespace

QImage encoderInput(const QImage& picture) {
    if (picture.format() == QImage::Format_RGB888) return picture;
    return picture.convertToFormat(QImage::Format_RGB888);
}

namespace {

enum class Outcome { Done, Cancelled, Failed };

// The libjpeg part, free of C++ objects so that the error jump skips nothing.
Outcome compress(const unsigned char* pixels, qsizetype stride, int width, int height, int quality,
                 const std::atomic<int>* cancel, int generation, QByteArray* bytes) {
    jpeg_compress_struct info{};
    GrowingDestination destination{};
    destination.bytes = bytes;
    destination.base.init_destination = startDestination;
    destination.base.empty_output_buffer = growDestination;
    destination.base.term_destination = endDestination;
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onError;
    errors.base.emit_message = onMessage;
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&info);
        return Outcome::Failed;
    }
    jpeg_create_compress(&info);
    info.dest = &destination.base;
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        if (cancel && (info.next_scanline & 63) == 0 &&
            cancel->load(std::memory_order_relaxed) != generation) {
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
    QByteArray bytes;
    const Outcome outcome = compress(rgb.constBits(), rgb.bytesPerLine(), rgb.width(), rgb.height(), quality,
                                     cancel, generation, &bytes);
    if (outcome != Outcome::Done) return std::nullopt;
    return bytes;
}

QString sizeText(qint64 bytes) {
    const qint64 hundredths = (bytes + 5) / 10;
    return QStringLiteral("%1.%2Kb").arg(hundredths / 100).arg(hundredths % 100, 2, 10, QLatin1Char('0'));
}

} // namespace tools
