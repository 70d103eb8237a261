#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVariantList>

namespace core {

// Runs one statement, its values bound as parameters, as one transaction:
// committed whole or rolled back. A failure fails with `what` and the
// database's reason ("样式库写入失败：…").
void writeOnce(QSqlDatabase db, const QString& sql, const QVariantList& values, const QString& what);

} // namespace core
