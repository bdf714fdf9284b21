#include "legacy/Importer.h"

#include "data/CopyChurch.h"
#include "data/NewDatabaseFile.h"
#include "data/Postgres.h"
#include "data/Schema.h"
#include "data/Sql.h"
#include "data/Users.h"
#include "legacy/ImportReport.h"
#include "legacy/LegacyTables.h"
#include "legacy/TableCopy.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QSet>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <QCoreApplication>
#include <algorithm>

namespace {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(Importer)
};
} // namespace

namespace pw::legacy {

namespace {

    qint64 rowCount(Database& db, const QString& table)
    {
        return db.scalar(QStringLiteral("SELECT COUNT(*) FROM ") + sqlName(table)).toLongLong();
    }

    // Optional links that name no row are cleared, each listed.
    void clearDanglingLinks(Database& db, const TableDef& def, ImportResult& result)
    {
        for (const LinkDef& l : def.optionalLinks) {
            if (result.missingColumns.contains(def.name + QLatin1Char('.') + l.column))
                continue;
            const QString condition
                = QStringLiteral("%1 IS NOT NULL AND %1 NOT IN (SELECT %2 FROM %3 WHERE %2 IS NOT NULL)")
                      .arg(l.column, l.targetColumn, sqlName(l.table));
            int cleared = 0;
            db.forEach(QStringLiteral("SELECT %1, %2 FROM %3 WHERE %4 ORDER BY %1")
                           .arg(def.key, l.column, sqlName(def.name), condition),
                {}, [&](const QSqlQuery& q) {
                    result.problems.append({ def.name, 0, def.key + QLatin1Char(' ') + q.value(0).toString(),
                        Tr::tr("%1 %2 cleared: it is not in %3").arg(l.column, q.value(1).toString(), l.table), true });
                    ++cleared;
                });
            if (cleared > 0)
                db.exec(QStringLiteral("UPDATE %1 SET %2 = NULL WHERE %3").arg(sqlName(def.name), l.column, condition));
        }
    }

    // Adds a value the program relies on when the old list lacks it.
    void ensureValue(Database& db, ImportResult& result, const QString& table, const QString& column,
        const QString& value, const QString& insertSql, const QVariantList& params)
    {
        if (db.exists(QStringLiteral("SELECT 1 FROM %1 WHERE ").arg(table) + sql::textEquals(column), { value }))
            return;
        db.exec(insertSql, params);
        result.addedValues.append(QStringLiteral("%1 \"%2\"").arg(table, value));
    }

    void addProgramValues(Database& db, ImportResult& result, const QSet<QString>& copied)
    {
        if (copied.contains(QStringLiteral("Permission"))) {
            for (const QString& name : schema::permissionNames())
                ensureValue(db, result, QStringLiteral("Permission"), QStringLiteral("Name"), name,
                    QStringLiteral(
                        "INSERT INTO Permission (ID, Name) SELECT COALESCE(MAX(ID), 0) + 1, ? FROM Permission"),
                    { name });
        }
        if (copied.contains(QStringLiteral("UserType"))) {
            for (const QString& name : { QStringLiteral("Admin"), QStringLiteral("User") })
                ensureValue(db, result, QStringLiteral("UserType"), QStringLiteral("Name"), name,
                    QStringLiteral("INSERT INTO UserType (Name) VALUES (?)"), { name });
        }
        if (copied.contains(QStringLiteral("Responsibilities"))) {
            ensureValue(db, result, QStringLiteral("Responsibilities"), QStringLiteral("Name"),
                QStringLiteral("Deacon"),
                QStringLiteral("INSERT INTO Responsibilities (Name, Description) VALUES (?, ?)"),
                { QStringLiteral("Deacon"), QStringLiteral("") });
        }
    }

    // The engine-specific parts of a bulk copy (SQLite's here; another engine
    // brings its own). The whole copy is one change: a cache that holds it
    // keeps the engine from spilling pages to disk midway, and the indexes
    // are dropped and built once afterwards from the returned statements
    // instead of row by row.
    QStringList prepareForBulkCopy(Database& db)
    {
        db.exec(QStringLiteral("PRAGMA cache_size = -262144"));
        const QString indexes = QStringLiteral("FROM sqlite_master WHERE type = 'index' AND sql IS NOT NULL");
        const QStringList statements = db.texts(QStringLiteral("SELECT sql ") + indexes);
        for (const QString& name : db.texts(QStringLiteral("SELECT name ") + indexes))
            db.exec(QStringLiteral("DROP INDEX ") + name);
        return statements;
    }

    // New rows get keys after the highest identifier copied.
    void continueKeysAfterHighest(Database& db, const QString& table)
    {
        const qint64 highest
            = db.scalar(QStringLiteral("SELECT COALESCE(MAX(ID), 0) FROM ") + sqlName(table)).toLongLong();
        db.exec(QStringLiteral("DELETE FROM sqlite_sequence WHERE name = ?"), { table });
        db.exec(QStringLiteral("INSERT INTO sqlite_sequence (name, seq) VALUES (?, ?)"), { table, highest });
    }

    void writeRejects(const QString& path, const QString& text)
    {
        QSaveFile out(path);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Text) || out.write(text.toUtf8()) < 0 || !out.commit())
            throw ImportError(
                Tr::tr("The list of rows not stored could not be written to \"%1\": %2").arg(path, out.errorString()));
    }

} // namespace

qint64 ImportResult::rowsNotStored() const
{
    return std::count_if(
        problems.cbegin(), problems.cend(), [](const RowProblem& p) { return !p.stored && !p.leftOut; });
}

qint64 ImportResult::rowsLeftOut() const
{
    return std::count_if(problems.cbegin(), problems.cend(), [](const RowProblem& p) { return p.leftOut; });
}

qint64 ImportResult::valuesChanged() const
{
    return std::count_if(problems.cbegin(), problems.cend(), [](const RowProblem& p) { return p.stored; });
}

Importer::Importer(ToolRunner& runner, ImportOptions options, Progress progress)
    : m_runner(runner)
    , m_options(std::move(options))
    , m_progress(std::move(progress))
{
}

QString Importer::rejectsPathFor(const QString& target)
{
    if (postgres::isLocation(target))
        return QDir::current().absoluteFilePath(postgres::parse(target).database + QStringLiteral(".rejects.txt"));
    return QFileInfo(target).absoluteFilePath() + QStringLiteral(".rejects.txt");
}

ImportResult Importer::run()
{
    if (m_options.target.trimmed().isEmpty())
        throw ImportError(Tr::tr("Name the new database with --into NEW.sqlite."));
    if (postgres::isLocation(m_options.target))
        return runOntoServer();
    return runIntoFile(rejectsPathFor(m_options.target));
}

ImportResult Importer::runOntoServer()
{
    const QString target = m_options.target;
    // Refused at once when the server cannot be reached or the database
    // holds tables, before the long read of the old file.
    try {
        NewDatabaseFile probe(target);
    } catch (const DbError& e) {
        throw ImportError(e.text());
    }

    QTemporaryDir work;
    if (!work.isValid())
        throw ImportError(Tr::tr("No temporary folder could be made for the import: %1").arg(work.errorString()));
    const QString file = work.filePath(QStringLiteral("import.sqlite"));
    Importer intoFile(m_runner, ImportOptions { m_options.oldFile, file, m_options.pictureFolder }, m_progress);
    ImportResult result = intoFile.runIntoFile(rejectsPathFor(target));
    result.target = target;
    result.failure.replace(file, target);
    if (!result.succeeded)
        return result;
    if (m_progress)
        m_progress(Tr::tr("Copying the church onto %1").arg(postgres::parse(target).display()));
    copying::copyChurch(file, target);
    return result;
}

ImportResult Importer::runIntoFile(const QString& rejectsPath)
{
    ImportResult result;
    const QString& oldFile = m_options.oldFile;
    const QString& target = m_options.target;
    result.target = target;

    const QFileInfo targetInfo(target);
    if (targetInfo.exists() || targetInfo.isSymLink())
        throw ImportError(Tr::tr("The file \"%1\" already exists; it was left unchanged. Import into a new "
                                 "file name.")
                              .arg(target));
    if (!targetInfo.absoluteDir().exists())
        throw ImportError(Tr::tr("The folder of \"%1\" does not exist.").arg(target));
    if (!m_options.pictureFolder.isEmpty() && !QFileInfo(m_options.pictureFolder).isDir())
        throw ImportError(Tr::tr("The picture folder \"%1\" does not exist.").arg(m_options.pictureFolder));
    result.picturesChecked = !m_options.pictureFolder.isEmpty();

    JetTools jet(m_runner, oldFile);
    result.version = jet.checkSignature();
    QHash<QString, QString> actualName;
    for (const QString& name : jet.tables())
        actualName.insert(matchName(name), name);

    QStringList missingCore;
    for (const TableDef& def : tableDefs()) {
        if (actualName.contains(matchName(def.name)) || def.pewlarkOnly)
            continue;
        result.missingTables.append(def.name);
        if (def.core)
            missingCore.append(def.name);
    }
    if (!missingCore.isEmpty())
        throw ImportError(
            notTheOlderProgram(oldFile, Tr::tr("it has no table %1").arg(missingCore.join(QStringLiteral(", ")))));

    NewDatabaseFile file(target);
    Database& db = file.database();
    const QStringList indexes = prepareForBulkCopy(db);
    Transaction tx(db);

    QHash<QString, QSet<qint64>> keys;
    QSet<QString> copied;
    for (const TableDef& def : tableDefs()) {
        TableResult table;
        table.name = def.name;
        const QString name = actualName.value(matchName(def.name));
        if (name.isEmpty()) {
            if (!def.pewlarkOnly)
                result.tables.push_back(table);
            continue;
        }
        QElapsedTimer timer;
        timer.start();
        table.inOldFile = true;
        table.oldRows = jet.count(name);
        TableCopy copy(def, result, keys, m_options.pictureFolder);
        const bool hasDates = std::any_of(def.columns.begin(), def.columns.end(),
            [](const ColumnDef& c) { return c.kind == Kind::Date || c.kind == Kind::DateTime; });
        const QByteArray exported = jet.exportTable(name);
        // The file's own dates are read (a second pass over the table) only
        // where the export lost one; elsewhere it printed each exactly.
        const qint64 read = copy.run(
            db, oldFile, exported, hasDates && JetTools::lostDates(exported) ? jet.dates(name) : std::nullopt);
        if (read != table.oldRows)
            throw ImportError(Tr::tr("The file \"%1\" is damaged: its table %2 holds %3 rows by its own count, "
                                     "but %4 could be read; nothing was imported.")
                                  .arg(oldFile, def.name)
                                  .arg(table.oldRows)
                                  .arg(read));
        table.notStored = copy.notStored();
        const qint64 stored = rowCount(db, def.name);
        if (stored != read - table.notStored)
            throw DbError(Tr::tr("Table %1 was not copied whole: %2 rows were written, %3 are there.")
                              .arg(def.name)
                              .arg(read - table.notStored)
                              .arg(stored));
        copied.insert(def.name);
        result.tables.push_back(table);
        if (m_progress) {
            QString line = Tr::tr("%1: %2 of %3 rows copied").arg(def.name).arg(stored).arg(read);
            if (table.notStored > 0)
                line += Tr::tr(", %1 not stored").arg(table.notStored);
            m_progress(line + QStringLiteral(" (%1 s)").arg(timer.elapsed() / 1000.0, 0, 'f', 1));
        }
    }

    // Names that differ only in letter case are kept as the schema upgrade
    // keeps them: each account stays, one of each group holds the name, and
    // the report lists them for renaming.
    result.sharedUserNames = Users::fillNameKeys(db);
    for (const QString& statement : indexes)
        db.exec(statement);
    for (const TableDef& def : tableDefs())
        if (copied.contains(def.name))
            clearDanglingLinks(db, def, result);
    addProgramValues(db, result, copied);
    for (const TableDef& def : tableDefs())
        if (def.autoKey)
            continueKeysAfterHighest(db, def.name);
    for (TableResult& table : result.tables)
        table.newRows = rowCount(db, table.name);
    result.adminCanLogIn
        = db.exists(QStringLiteral("SELECT 1 FROM \"User\" WHERE ") + sql::textEquals(QStringLiteral("Type"))
                + QStringLiteral(" AND Inactive = 0 AND Password IS NOT NULL AND Password <> ''"),
            { QStringLiteral("Admin") });

    const QString rejects = rejectsPath;
    const qint64 rowsNotStored = result.rowsNotStored();
    if (!result.problems.isEmpty()) {
        writeRejects(rejects, rejectsText(result, oldFile));
        result.rejectsFile = rejects;
    } else {
        QFile::remove(rejects); // from an earlier run; it would describe another file
    }
    // A row that must arrive and cannot be stored is never left behind
    // quietly: the import fails and says which rows and why. Rows left out
    // for a missing person, account or class are listed, and it goes on.
    if (rowsNotStored > 0) {
        result.failure = Tr::tr("%1 rows could not be stored; they are listed in \"%2\" with the reason. "
                                "Nothing was written at \"%3\": correct those rows in the old file (or "
                                "remove them there), then run the import again.")
                             .arg(rowsNotStored)
                             .arg(rejects, target);
        return result; // the transaction rolls back and the temporary file is removed
    }

    tx.commit();
    const QString check = db.scalar(QStringLiteral("PRAGMA quick_check")).toString();
    if (check != QLatin1String("ok"))
        throw DbError(
            Tr::tr("The new database failed its check (%1); nothing was written at \"%2\".").arg(check, target));
    file.commit();
    result.succeeded = true;
    return result;
}

} // namespace pw::legacy
