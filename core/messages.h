#pragma once

#include <QString>

namespace core {

// What most generators say once their code is on the clipboard.
inline const QString kCopiedForShop = QStringLiteral("代码已被复制，可以到店铺的自定义进行粘贴了！");

} // namespace core
