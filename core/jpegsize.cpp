#include "core/jpegsize.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace core {

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void errorExit(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

void silent(j_common_ptr, int) {}

} // namespace

JpegHeader jpegSize(const QByteArray& bytes) {
    if (bytes.isEmpty()) return {QSize(), QStringLiteral("Empty input file")};
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = errorExit;
    errors.base.emit_message = silent;
    // Nothing below longjmp's target owns resources beyond `info`.
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return {QSize(), QString::fromLocal8Bit(errors.message)};
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    const QSize size(static_cast<int>(info.image_width), static_cast<int>(info.image_height));
    jpeg_destroy_decompress(&info);
    return {size, QString()};
}

} // namespace core
