#pragma once

#include <QByteArray>
#include <QImage>
#include <atomic>
#include <optional>

namespace tools {

// Encodes a picture as JPEG at a quality on the 1 to 100 scale with the
// encoder's standard settings (4:2:0 sampling, no optimised tables). The
// picture is read as 8-bit RGB; other formats are converted first.
// `cancel`, when given, is looked at between rows: once it differs from
// `generation` the encoding stops and nothing is returned.
std::optional<QByteArray> encodeJpeg(const QImage& picture, int quality,
                                     const std::atomic<int>* cancel = nullptr, int generation = 0);

// The picture as the encoder reads it: 8-bit RGB (done once per picture, so
// repeated encodes at other qualities start at once).
QImage encoderInput(const QImage& picture);

// "123.46Kb": the size in bytes divided by 1000, two decimals rounded half up.
QString sizeText(qint64 bytes);

} // namespace tools
