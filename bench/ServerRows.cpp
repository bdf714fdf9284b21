#include "Bench.h"

#include "data/CopyChurch.h"
#include "data/Database.h"
#include "data/Postgres.h"

#include <libpq-fe.h>

namespace pw::bench {

namespace {

    // Runs a statement on the server's maintenance database as its owner.
    void maintain(const QString& maintenance, const QString& statement)
    {
        PGconn* conn = PQconnectdb(maintenance.toUtf8().constData());
        if (PQstatus(conn) != CONNECTION_OK) {
            const QString text = QString::fromUtf8(PQerrorMessage(conn)).trimmed();
            PQfinish(conn);
            throw DbError(QStringLiteral("%1 could not be reached: %2").arg(maintenance, text));
        }
        PGresult* result = PQexec(conn, statement.toUtf8().constData());
        const bool ok = PQresultStatus(result) == PGRES_COMMAND_OK;
        const QString text = QString::fromUtf8(PQresultErrorMessage(result)).trimmed();
        PQclear(result);
        PQfinish(conn);
        if (!ok)
            throw DbError(statement + QStringLiteral(": ") + text);
    }

    const QString kBenchDatabase = QStringLiteral("pewlark_bench");

} // namespace

void addServerCopyRow(BenchContext& context, const QString& maintenance)
{
    const QString location = postgres::parse(maintenance).uriFor(kBenchDatabase);
    const double ms = medianMs(
        1, [&] { copying::copyChurch(context.databasePath, location); },
        [&] {
            maintain(maintenance, QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(kBenchDatabase));
            maintain(maintenance,
                QStringLiteral("CREATE DATABASE %1 TEMPLATE template0 ENCODING 'UTF8'").arg(kBenchDatabase));
        });
    context.serverLocation = location;
    context.add({ QStringLiteral("copy the church onto the server (--copy-database)"),
        QStringLiteral("%1 people").arg(context.people), ms, -1 });
}

void dropServerCopy(const QString& maintenance)
{
    maintain(maintenance, QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(kBenchDatabase));
}

} // namespace pw::bench
