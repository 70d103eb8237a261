#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

namespace testing {

// What a pragma of an SQLite file reads ("PRAGMA integrity_check" gives
// "ok" for a sound file), through a connection of its own, closed after;
// empty when the file cannot be opened or the pragma read.
inline QString sqlitePragma(const QString& path, const QString& pragma) {
    const QString connection = QStringLiteral("probe-") + path;
    QString value;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery query(QStringLiteral("PRAGMA ") + pragma, db);
            if (query.next()) value = query.value(0).toString();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return value;
}

} // namespace testing
