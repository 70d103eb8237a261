#include "core/database.h"

#include "core/failure.h"

#include <QSqlError>
#include <QSqlQuery>

namespace core {

namespace {

[[noreturn]] void failWith(const QString& what, const QSqlError& error) {
    fail(QStringLiteral("%1：%2").arg(what, error.text()));
}

} // namespace

void writeOnce(QSqlDatabase db, const QString& sql, const QVariantList& values, const QString& what) {
    if (!db.transaction()) failWith(what, db.lastError());
    QSqlQuery query(db);
    bool done = query.prepare(sql);
    if (done) {
        for (const QVariant& value : values)
            query.addBindValue(value);
        done = query.exec();
    }
    if (!done) {
        const QSqlError error = query.lastError();
        query.finish();
        db.rollback();
        failWith(what, error);
    }
    query.finish();
    if (!db.commit()) {
        const QSqlError error = db.lastError();
        db.rollback();
        failWith(what, error);
    }
}

} // namespace core
