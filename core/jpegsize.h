#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

namespace core {

// The pixel size of a JPEG picture, read from its header only (no pixel is
// decoded). An invalid size and the decoder's message when the bytes are no
// readable JPEG picture.
struct JpegHeader {
    QSize size;
    QString error;
};
JpegHeader jpegSize(const QByteArray& bytes);

} // namespace core
