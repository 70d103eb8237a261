#pragma once

#include <QString>

// What the shop header, category, floor and footer generators share.
namespace generators::navigation {

// The short copy notice of the category and footer blocks.
inline const QString kCopiedShort = QStringLiteral("代码已被复制了！");

// The address the shop search form posts to: the shop's home address as typed,
// followed by the marketplace's search path.
QString searchAction(const QString& shop);

} // namespace generators::navigation
