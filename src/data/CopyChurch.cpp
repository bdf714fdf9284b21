#include "data/CopyChurch.h"

#include "data/Backup.h"
#include "data/Database.h"
#include "data/FileOps.h"
#include "data/NewDatabaseFile.h"
#include "data/Postgres.h"
#include "data/Schema.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(CopyChurch)
};
} // namespace

namespace pw::copying {

namespace {

    // Rows written per statement: several at once is far quicker on a
    // server, and both engines accept this many values in one statement.
    int rowsPerStatement(int columns) { return qBound(1, 30000 / qMax(1, columns), 200); }

    QString insertStatement(const QString& table, const QStringList& columns, int rows)
    {
        QStringList marks;
        marks.fill(QStringLiteral("?"), int(columns.size()));
        const QString row = QLatin1Char('(') + marks.join(QLatin1Char(',')) + QLatin1Char(')');
        QStringList values;
        values.fill(row, rows);
        return QStringLiteral("INSERT INTO %1 (%2) VALUES %3")
            .arg(table, columns.join(QStringLiteral(", ")), values.join(QLatin1Char(',')));
    }

    qint64 countRows(Database& db, const QString& table)
    {
        return db.scalar(QStringLiteral("SELECT COUNT(*) FROM ") + table).toLongLong();
    }

    // Copies one table's rows in the order they were stored, with every
    // column's value as the source holds it (Null stays Null, empty text
    // stays empty text).
    void copyTable(Database& source, Database& target, const QString& table)
    {
        const QStringList columns = schema::columnNames(table);
        const QString key = schema::identifierColumn(table);
        const QString order = key.isEmpty() ? QStringLiteral("rowid") : key;
        const int perStatement = rowsPerStatement(int(columns.size()));
        Statement full(target, insertStatement(table, columns, perStatement));

        QSqlQuery rows = source.exec(
            QStringLiteral("SELECT %1 FROM %2 ORDER BY %3").arg(columns.join(QStringLiteral(", ")), table, order));
        QVariantList values;
        values.reserve(perStatement * columns.size());
        int pending = 0;
        while (rows.next()) {
            for (int i = 0; i < columns.size(); ++i)
                values.append(rows.value(i));
            if (++pending == perStatement) {
                full.run(values);
                values.clear();
                pending = 0;
            }
        }
        if (pending > 0)
            Statement(target, insertStatement(table, columns, pending)).run(values);
    }

} // namespace

namespace {

    // The source is only read. A file is checked whole first; an older one is
    // read from an upgraded working copy beside it, never upgraded itself.
    std::unique_ptr<Database> openSource(const QString& from, std::unique_ptr<backup::SourceFile>& working)
    {
        if (postgres::isLocation(from)) {
            auto source = Database::open(from, Database::OpenMode::ReadOnly);
            if (schema::version(*source) < schema::kCurrentVersion)
                throw DbError(Tr::tr("%1 has an older schema (version %2). Start Pewlark on it once, which "
                                     "upgrades it, then copy it.")
                                  .arg(postgres::capitalisedDisplay(postgres::parse(from)))
                                  .arg(schema::version(*source)));
            return source;
        }
        working = std::make_unique<backup::SourceFile>(from);
        return working->open();
    }

} // namespace

CopyResult copyChurch(const QString& from, const QString& to, const std::function<void(const QString&)>& progress)
{
    std::unique_ptr<backup::SourceFile> working;
    std::unique_ptr<Database> source = openSource(from, working);
    CopyResult result;
    result.from = source->displayName();

    // Refuses a file that exists and a server database that holds tables.
    // A file copy is readable by no more people than its source file.
    NewDatabaseFile file(to, working ? files::permissionsOf(working->file()) : -1);
    Database& target = file.database();
    result.to = target.displayName();
    // The whole copy is one transaction: a page cache as large as the demo
    // generator's keeps it from spilling pages to the file before the commit
    // (on Windows every spilled page is a slow write of its own).
    if (target.engine() == Database::Engine::SQLite)
        target.exec(QStringLiteral("PRAGMA cache_size = -65536"));
    Transaction tx(target);
    // The new database's own seed values give way to the church's rows.
    for (const QString& table : schema::tableNames())
        target.exec(QStringLiteral("DELETE FROM ") + table);
    for (const QString& table : schema::tableNames()) {
        if (progress)
            progress(table);
        try {
            copyTable(*source, target, table);
        } catch (const DbError& e) {
            throw DbError(e.kind(),
                Tr::tr("The table %1 could not be copied; nothing was kept. %2").arg(table, e.message()), e.detail());
        }
    }
    for (const QString& table : schema::tableNames())
        result.tables.append({ table, countRows(*source, table), countRows(target, table) });
    for (const TableCount& count : std::as_const(result.tables)) {
        if (count.from != count.to)
            throw DbError(Tr::tr("The copy of the table %1 holds %2 rows where %3 holds %4; nothing was "
                                 "kept.")
                              .arg(count.table)
                              .arg(count.to)
                              .arg(result.from)
                              .arg(count.from));
    }
    if (target.engine() == Database::Engine::PostgreSQL) {
        postgres::resetSequences(target);
        // The planner's statistics from the start, rather than after the
        // server's own pass some time later: searches on a just-copied
        // church would otherwise be planned blind.
        target.exec(QStringLiteral("ANALYZE"));
    }
    tx.commit();
    file.commit();
    return result;
}

} // namespace pw::copying
