#include "Bench.h"

#include "data/Backup.h"
#include "data/Database.h"
#include "data/Health.h"
#include "data/Lookups.h"
#include "data/Sql.h"
#include "demo/DemoGenerator.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>

namespace pw::bench {

namespace {

    void demoGeneration(BenchContext& context)
    {
        int run = 0;
        const double ms = medianMs(context.runs, [&] {
            // The first church is the one later rows use; with --keep it is
            // written straight into the folder the user named.
            const QString name = QStringLiteral("pewlark-demo-%1.sqlite").arg(context.people);
            const QString path = run == 0 && !context.keepDir.isEmpty()
                ? QDir(context.keepDir).filePath(name)
                : QDir(context.workDir).filePath(QStringLiteral("run%1-%2").arg(run).arg(name));
            demo::DemoOptions options;
            options.people = context.people;
            demo::generate(path, options);
            if (run == 0)
                context.databasePath = path;
            ++run;
        });
        context.add({ QStringLiteral("demo generation"), QStringLiteral("%1 people").arg(context.people), ms });
    }

    void personList(BenchContext& context)
    {
        // The list every person pick list shows, as the program reads it,
        // beside plain SQLite reading and sorting the same columns.
        const QString rawSql = QStringLiteral(
            "SELECT ID, Last_Name, First_Name, Middle_Name, Title, Status, Head_Of_Household FROM Member "
            "ORDER BY Last_Name COLLATE NOCASE, First_Name COLLATE NOCASE, Middle_Name COLLATE NOCASE, ID");
        std::unique_ptr<Database> db = Database::open(context.databasePath, Database::OpenMode::ExistingOnly);
        qint64 rows = 0;
        const auto list = [&] { rows = Lookups::people(*db).size(); };
        list(); // warms the file cache, as the raw measurement does
        const double ms = medianMs(context.runs, list);
        db.reset();

        qint64 rawRows = 0;
        const double raw = rawQueryMs(context.databasePath, rawSql, context.runs, &rawRows);
        if (rawRows != rows)
            throw DbError(
                QStringLiteral("The person list read %1 rows but plain SQLite read %2.").arg(rows).arg(rawRows));
        context.add({ QStringLiteral("person list (ordered by name)"), QStringLiteral("%1 rows").arg(rows), ms, raw });
    }

    void startupChecks(BenchContext& context)
    {
        // What start-up adds before the login window: the engine's page check
        // beside plain SQLite running it, then every check together.
        std::unique_ptr<Database> db = Database::open(context.databasePath, Database::OpenMode::ExistingOnly);
        const QString people = QStringLiteral("%1 people").arg(context.people);
        health::checkIntact(*db); // warms the file cache, as the raw measurement does
        const double quick = medianMs(context.runs, [&] { health::checkIntact(*db); });
        const double raw = rawQueryMs(context.databasePath, QStringLiteral("PRAGMA quick_check"), context.runs);
        context.add({ QStringLiteral("start-up check: quick_check"), people, quick, raw });
        const double all = medianMs(context.runs, [&] { health::checkAtStartup(*db); });
        context.add({ QStringLiteral("start-up checks (pages, accounts, writable)"), people, all, -1 });
    }

    void onlineBackup(BenchContext& context)
    {
        std::unique_ptr<Database> db = Database::open(context.databasePath, Database::OpenMode::ExistingOnly);
        const QString target = QDir(context.workDir).filePath(QStringLiteral("backup.sqlite"));
        qint64 size = 0;
        const double ms = medianMs(
            context.runs, [&] { size = backup::backUp(*db, target).size; }, [&] { QFile::remove(target); });
        QFile::remove(target);
        context.add({ QStringLiteral("online backup (copy and check)"),
            QStringLiteral("%1 people, %2 MB").arg(context.people).arg(double(size) / (1024 * 1024), 0, 'f', 1), ms,
            -1 });
    }

} // namespace

void addDataRows(BenchContext& context)
{
    if (context.databasePath.isEmpty())
        demoGeneration(context);
    personList(context);
    startupChecks(context);
    onlineBackup(context);
}

} // namespace pw::bench
