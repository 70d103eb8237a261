#pragma once

#include <QSize>
#include <QString>
#include <optional>

namespace description {

// The pixel size a JPEG file declares in its header; nothing when the file is
// missing or is not a JPEG picture.
std::optional<QSize> jpegSize(const QString& path);

} // namespace description
