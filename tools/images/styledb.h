#pragma once

#include <QMap>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace tools {

// One style of the grid-list database: its row id and its columns by name.
struct Style {
    qint64 rowId = 0;
    QMap<QString, QString> columns;
    QString value(const QString& column) const { return columns.value(column); }
};

// The grid-list style database "gezi.db": an SQLite file, table `gezi`, every
// column text. A missing file is made from the schema and seed scripts in
// "files/gezi"; a file that is there is never replaced. Every value is bound
// as a parameter, every write is one transaction, and the journal is a
// write-ahead log, so a write cut off by a crash loses nothing committed.
class StyleDatabase {
public:
    explicit StyleDatabase(QString connection);
    ~StyleDatabase();

    // Opens the file, making it first when it is missing; fails with the
    // reason when it cannot be opened or read as a style database.
    void open(const QString& path);
    void close();
    bool isOpen() const;
    QString path() const { return m_path; }

    // "select* from gezi": every style in table order.
    QVector<Style> all();
    // The style of that name; nothing when there is none.
    std::optional<Style> byName(const QString& name);
    std::optional<Style> byRowId(qint64 rowId);

    // The writes of the administration and of generation, each one transaction.
    qint64 append(const QMap<QString, QString>& columns);
    void update(qint64 rowId, const QMap<QString, QString>& columns);
    void remove(qint64 rowId);

    // The columns of the table in order.
    static const QStringList& columnNames();

private:
    QSqlDatabase database() const;
    void create(const QString& path);
    QVector<Style> select(const QString& sql, const QVariantList& values);
    void write(const QString& sql, const QVariantList& values);

    QString m_connection;
    QString m_path;
};

} // namespace tools
