#include "tools/images/styledb.h"

#include "core/database.h"
#include "core/failure.h"
#include "core/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>

namespace tools {

namespace {

[[noreturn]] void failWith(const QString& what, const QSqlError& error) {
    core::fail(QStringLiteral("%1：%2").arg(what, error.text()));
}

// The statements of a script: one per line ending in ";" (lines starting
// with "--" are comments; a statement may run over several lines).
QStringList statements(const QString& script) {
    QStringList found;
    QString current;
    const QStringList lines = script.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (line.trimmed().startsWith(QStringLiteral("--"))) continue;
        current += line + QLatin1Char('\n');
        if (line.trimmed().endsWith(QLatin1Char(';'))) {
            found << current.trimmed();
            current.clear();
        }
    }
    if (!current.trimmed().isEmpty()) found << current.trimmed();
    return found;
}

} // namespace

StyleDatabase::StyleDatabase(QString connection)
    : m_connection(std::move(connection)) {}

StyleDatabase::~StyleDatabase() {
    close();
}

const QStringList& StyleDatabase::columnNames() {
    static const QStringList names = {
        QStringLiteral("功能"),   QStringLiteral("宽度"), QStringLiteral("总高"), QStringLiteral("高度"),
        QStringLiteral("代码"),   QStringLiteral("边线"), QStringLiteral("标题"), QStringLiteral("价格"),
        QStringLiteral("图外高"), QStringLiteral("图高"), QStringLiteral("图宽"), QStringLiteral("图外框"),
        QStringLiteral("示例图"), QStringLiteral("实例"), QStringLiteral("间距"), QStringLiteral("主标题"),
        QStringLiteral("副标题")};
    return names;
}

QSqlDatabase StyleDatabase::database() const {
    return QSqlDatabase::database(m_connection, false);
}

bool StyleDatabase::isOpen() const {
    return QSqlDatabase::contains(m_connection) && database().isOpen();
}

void StyleDatabase::close() {
    if (!QSqlDatabase::contains(m_connection)) return;
    {
        QSqlDatabase db = database();
        if (db.isOpen()) db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

void StyleDatabase::create(const QString& path) {
    // Made beside the final name and renamed once complete: a cut-off start
    // never leaves half a database behind.
    const QString scratch = path + QStringLiteral(".new");
    QFile::remove(scratch);
    const QString connection = m_connection + QStringLiteral("-create");
    bool made = false;
    QString reason;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(scratch);
        if (db.open()) {
            const QString folder = core::filesFolder() + QStringLiteral("/gezi/");
            QStringList script;
            try {
                // The sample pictures ship in "files": "{files}" is that folder's address.
                QString seed = core::readTextFile(folder + QStringLiteral("seed.sql"));
                seed.replace(QStringLiteral("{files}"),
                             QUrl::fromLocalFile(core::filesFolder())
                                 .toString(QUrl::FullyEncoded)
                                 .replace(QLatin1Char('\''), QStringLiteral("%27")));
                script =
                    statements(core::readTextFile(folder + QStringLiteral("schema.sql"))) + statements(seed);
                made = db.transaction();
                QSqlQuery query(db);
                for (const QString& statement : script) {
                    if (!made) break;
                    made = query.exec(statement);
                    if (!made) reason = query.lastError().text();
                }
                made = made && db.commit();
            } catch (const core::Failure& failure) {
                reason = failure.message();
                made = false;
            }
            db.close();
        } else {
            reason = db.lastError().text();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    if (!made || !QFile::rename(scratch, path)) {
        QFile::remove(scratch);
        core::fail(QStringLiteral("样式库\"%1\"无法建立：%2").arg(QDir::toNativeSeparators(path), reason));
    }
}

void StyleDatabase::open(const QString& path) {
    close();
    m_path = path;
    if (!QFileInfo::exists(path)) create(path);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(path);
    if (!db.open())
        failWith(QStringLiteral("样式库\"%1\"无法打开").arg(QDir::toNativeSeparators(path)), db.lastError());
    QSqlQuery query(db);
    // Reading the journal mode reads the file: a file that is no database fails here.
    if (!query.exec(QStringLiteral("PRAGMA journal_mode=WAL")) ||
        !query.exec(QStringLiteral("PRAGMA synchronous=FULL")) ||
        !query.exec(QStringLiteral("select count(*) from gezi"))) {
        const QSqlError error = query.lastError();
        close();
        failWith(QStringLiteral("样式库\"%1\"无法读取，文件没有改动").arg(QDir::toNativeSeparators(path)),
                 error);
    }
}

QVector<Style> StyleDatabase::select(const QString& sql, const QVariantList& values) {
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!query.prepare(sql)) failWith(QStringLiteral("样式库查询失败"), query.lastError());
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec()) failWith(QStringLiteral("样式库查询失败"), query.lastError());
    QVector<Style> styles;
    while (query.next()) {
        Style style;
        const QSqlRecord record = query.record();
        for (int i = 0; i < record.count(); ++i) {
            if (record.fieldName(i) == QLatin1String("rowid"))
                style.rowId = query.value(i).toLongLong();
            else
                style.columns.insert(record.fieldName(i), query.value(i).toString());
        }
        styles << style;
    }
    return styles;
}

QVector<Style> StyleDatabase::all() {
    return select(QStringLiteral("select rowid, * from gezi order by rowid"), {});
}

std::optional<Style> StyleDatabase::byName(const QString& name) {
    const QVector<Style> found =
        select(QStringLiteral("select rowid, * from gezi where 功能= ? order by rowid"), {name});
    if (found.isEmpty()) return std::nullopt;
    return found.first();
}

std::optional<Style> StyleDatabase::byRowId(qint64 rowId) {
    const QVector<Style> found = select(QStringLiteral("select rowid, * from gezi where rowid = ?"), {rowId});
    if (found.isEmpty()) return std::nullopt;
    return found.first();
}

void StyleDatabase::write(const QString& sql, const QVariantList& values) {
    core::writeOnce(database(), sql, values, QStringLiteral("样式库写入失败"));
}

qint64 StyleDatabase::append(const QMap<QString, QString>& columns) {
    QStringList names;
    QStringList marks;
    QVariantList values;
    for (auto it = columns.cbegin(); it != columns.cend(); ++it) {
        if (!columnNames().contains(it.key())) continue;
        names << it.key();
        marks << QStringLiteral("?");
        values << it.value();
    }
    write(QStringLiteral("insert into gezi (%1) values (%2)")
              .arg(names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))),
          values);
    QSqlQuery last(database());
    last.exec(QStringLiteral("select last_insert_rowid()"));
    return last.next() ? last.value(0).toLongLong() : 0;
}

void StyleDatabase::update(qint64 rowId, const QMap<QString, QString>& columns) {
    QStringList sets;
    QVariantList values;
    for (auto it = columns.cbegin(); it != columns.cend(); ++it) {
        if (!columnNames().contains(it.key())) continue;
        sets << it.key() + QStringLiteral("= ?");
        values << it.value();
    }
    values << rowId;
    write(QStringLiteral("update gezi set %1 where rowid = ?").arg(sets.join(QStringLiteral(", "))), values);
}

void StyleDatabase::remove(qint64 rowId) {
    write(QStringLiteral("delete from gezi where rowid = ?"), {rowId});
}

} // namespace tools
