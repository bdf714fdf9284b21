#include "Bench.h"

#include "data/Database.h"
#include "data/Platform.h"
#include "data/Postgres.h"

#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <libpq-fe.h>
#include <sqlite3.h>

namespace pw::bench {

namespace {

    QString number(double v) { return v < 0 ? QStringLiteral("-") : QString::number(v, 'f', 1); }

    QString value(const Row& row)
    {
        if (row.megabytes)
            return row.medianMs < 0 ? QStringLiteral("-")
                                    : QString::number(row.medianMs, 'f', 0) + QStringLiteral(" MB");
        return number(row.medianMs);
    }

    QString rawRatio(const Row& row)
    {
        return row.rawMs > 0 ? QString::number(row.medianMs / row.rawMs, 'f', 2) : QStringLiteral("-");
    }

} // namespace

void BenchContext::add(const Row& row)
{
    rows.push_back(row);
    QTextStream err(stderr);
    err << "  " << row.op << " (" << row.size << "): " << value(row) << (row.megabytes ? "" : " ms");
    if (row.rawMs >= 0)
        err << ", raw " << QString::number(row.rawMs, 'f', 1) << " ms";
    err << Qt::endl;
}

Session::Session(const BenchContext& context, Login login, const QString& location)
    : m_saved(ctx())
    , m_db(Database::open(location.isEmpty() ? context.church() : location, Database::OpenMode::ExistingOnly))
{
    Context& c = ctx();
    if (login == Login::Admin) {
        c = Context {};
        c.settings.databasePath = context.church();
        c.settings.pictureFolder = context.workDir + QLatin1Char('/');
        c.settings.keyPressDelay = 1.0;
        c.user = CurrentUser { 1, QStringLiteral("Admin"), QStringLiteral("admin") };
    }
    c.database = m_db.get();
    c.messages = &m_messages;
    c.clock = &m_clock;
}

Session::~Session() { ctx() = m_saved; }

namespace {
    volatile qint64 g_sink = 0;
}

void consume(qint64 value) { g_sink = g_sink + value; }

double medianMs(int runs, const std::function<void()>& work, const std::function<void()>& between)
{
    std::vector<double> times;
    for (int i = 0; i < std::max(1, runs); ++i) {
        if (between)
            between();
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    const std::size_t n = times.size();
    return n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2.0;
}

namespace {

    // One untimed run warms the caches, then the median of runs; close
    // runs afterwards whatever happened.
    double warmedMedianMs(int runs, const std::function<void()>& once, const std::function<void()>& close)
    {
        double ms = 0;
        try {
            once();
            ms = medianMs(runs, once);
        } catch (...) {
            close();
            throw;
        }
        close();
        return ms;
    }

    double rawServerQueryMs(const QString& location, const QString& sql, int runs, qint64* rowCount)
    {
        PGconn* conn = PQconnectdb(location.toUtf8().constData());
        if (PQstatus(conn) != CONNECTION_OK) {
            const QString text = QString::fromUtf8(PQerrorMessage(conn)).trimmed();
            PQfinish(conn);
            throw DbError(QStringLiteral("%1 could not be reached: %2").arg(location, text));
        }
        const QByteArray statement = sql.toUtf8();
        qint64 rows = 0;
        auto once = [&] {
            PGresult* result = PQexec(conn, statement.constData());
            if (PQresultStatus(result) != PGRES_TUPLES_OK) {
                const QString text = QString::fromUtf8(PQresultErrorMessage(result)).trimmed();
                PQclear(result);
                throw DbError(text);
            }
            rows = PQntuples(result);
            const int columns = PQnfields(result);
            qint64 bytes = 0;
            for (int r = 0; r < rows; ++r) {
                for (int c = 0; c < columns; ++c) {
                    PQgetvalue(result, r, c);
                    bytes += PQgetlength(result, r, c);
                }
            }
            PQclear(result);
            consume(bytes);
        };
        const double ms = warmedMedianMs(runs, once, [conn] { PQfinish(conn); });
        if (rowCount)
            *rowCount = rows;
        return ms;
    }

} // namespace

QString rawCaseBlind(const QString& path)
{
    return postgres::isLocation(path) ? QStringLiteral("pw_nocase") : QStringLiteral("NOCASE");
}

double rawQueryMs(const QString& path, const QString& sql, int runs, qint64* rowCount)
{
    if (postgres::isLocation(path))
        return rawServerQueryMs(path, sql, runs, rowCount);
    sqlite3* db = nullptr;
    const QByteArray file = path.toUtf8();
    if (sqlite3_open_v2(file.constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        const QString text = QString::fromUtf8(db ? sqlite3_errmsg(db) : "out of memory");
        sqlite3_close(db);
        throw DbError(QStringLiteral("\"%1\" could not be opened: %2").arg(path, text));
    }
    const QByteArray statement = sql.toUtf8();
    qint64 rows = 0;
    auto once = [&] {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db, statement.constData(), -1, &stmt, nullptr) != SQLITE_OK)
            throw DbError(QString::fromUtf8(sqlite3_errmsg(db)));
        const int columns = sqlite3_column_count(stmt);
        qint64 bytes = 0;
        rows = 0;
        int rc;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            for (int c = 0; c < columns; ++c) {
                sqlite3_column_text(stmt, c);
                bytes += sqlite3_column_bytes(stmt, c);
            }
            ++rows;
        }
        sqlite3_finalize(stmt);
        if (rc != SQLITE_DONE)
            throw DbError(QString::fromUtf8(sqlite3_errmsg(db)));
        consume(bytes);
    };
    const double ms = warmedMedianMs(runs, once, [db] { sqlite3_close(db); });
    if (rowCount)
        *rowCount = rows;
    return ms;
}

namespace {
    double g_processPeakMb = 0;
    // False after a restart the system could not make: the peak is then
    // the process's whole life, not the row's.
    bool g_peakRestarted = true;

    double mb(qint64 bytes) { return bytes < 0 ? -1 : double(bytes) / (1024.0 * 1024.0); }
} // namespace

double peakMemoryMb() { return g_peakRestarted ? mb(pw::platform::memoryUse().peak) : -1; }

double residentMemoryMb() { return mb(pw::platform::memoryUse().resident); }

double processPeakMemoryMb() { return std::max(g_processPeakMb, mb(pw::platform::memoryUse().peak)); }

void resetPeakMemory()
{
    g_processPeakMb = processPeakMemoryMb();
    g_peakRestarted = pw::platform::restartPeakMemory();
}

void printTable(const std::vector<Row>& rows, QTextStream& out)
{
    int opWidth = int(QStringLiteral("operation").size());
    int sizeWidth = int(QStringLiteral("size").size());
    for (const Row& row : rows) {
        opWidth = std::max(opWidth, int(row.op.size()));
        sizeWidth = std::max(sizeWidth, int(row.size.size()));
    }
    out << QStringLiteral("operation").leftJustified(opWidth) << "  " << QStringLiteral("size").leftJustified(sizeWidth)
        << "  " << QStringLiteral("median ms").rightJustified(10) << "  " << QStringLiteral("raw ms").rightJustified(10)
        << "  " << QStringLiteral("ratio").rightJustified(7) << '\n';
    out << QString(opWidth + sizeWidth + 35, QLatin1Char('-')) << '\n';
    for (const Row& row : rows) {
        out << row.op.leftJustified(opWidth) << "  " << row.size.leftJustified(sizeWidth) << "  "
            << value(row).rightJustified(10) << "  " << number(row.rawMs).rightJustified(10) << "  "
            << rawRatio(row).rightJustified(7) << '\n';
    }
    out.flush();
}

void writeRows(const std::vector<Row>& rows, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw DbError(QStringLiteral("\"%1\" could not be written: %2").arg(path, file.errorString()));
    QTextStream out(&file);
    for (const Row& row : rows)
        out << row.op << '\t' << row.size << '\t' << row.medianMs << '\t' << row.rawMs << '\t'
            << (row.megabytes ? "MB" : "ms") << '\n';
}

std::vector<Row> readRows(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DbError(QStringLiteral("\"%1\" could not be read: %2").arg(path, file.errorString()));
    std::vector<Row> rows;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QList<QByteArray> f = line.split('\t');
        if (f.size() == 5)
            rows.push_back(
                { QString::fromUtf8(f[0]), QString::fromUtf8(f[1]), f[2].toDouble(), f[3].toDouble(), f[4] == "MB" });
    }
    return rows;
}

void printScaleTable(const std::vector<Row>& small, const std::vector<Row>& large, QTextStream& out)
{
    // Rows of the same operation meet in the order they were run; an
    // operation only one run has stands alone.
    std::vector<std::pair<const Row*, const Row*>> pairs;
    std::vector<bool> used(large.size(), false);
    for (const Row& row : small) {
        const Row* match = nullptr;
        for (std::size_t i = 0; i < large.size() && !match; ++i) {
            if (!used[i] && large[i].op == row.op) {
                used[i] = true;
                match = &large[i];
            }
        }
        pairs.emplace_back(&row, match);
    }
    for (std::size_t i = 0; i < large.size(); ++i)
        if (!used[i])
            pairs.emplace_back(nullptr, &large[i]);

    int opWidth = int(QStringLiteral("operation").size());
    for (const auto& [a, b] : pairs)
        opWidth = std::max(opWidth, int((a ? a : b)->op.size()));
    const auto cell = [](const Row* r, const QString& text) { return r ? text : QStringLiteral("-"); };
    out << QStringLiteral("operation").leftJustified(opWidth) << "  " << QStringLiteral("size").leftJustified(34)
        << QStringLiteral("value").rightJustified(10) << QStringLiteral("vs raw").rightJustified(8) << "  "
        << QStringLiteral("size").leftJustified(34) << QStringLiteral("value").rightJustified(10)
        << QStringLiteral("vs raw").rightJustified(8) << QStringLiteral("growth").rightJustified(9) << '\n';
    out << QString(opWidth + 2 * 52 + 13, QLatin1Char('-')) << '\n';
    for (const auto& [a, b] : pairs) {
        const QString growth = a && b && a->medianMs > 0
            ? QString::number(b->medianMs / a->medianMs, 'f', 1) + QLatin1Char('x')
            : QStringLiteral("-");
        out << (a ? a : b)->op.leftJustified(opWidth) << "  " << cell(a, a ? a->size : QString()).leftJustified(34)
            << cell(a, a ? value(*a) : QString()).rightJustified(10)
            << cell(a, a ? rawRatio(*a) : QString()).rightJustified(8) << "  "
            << cell(b, b ? b->size : QString()).leftJustified(34)
            << cell(b, b ? value(*b) : QString()).rightJustified(10)
            << cell(b, b ? rawRatio(*b) : QString()).rightJustified(8) << growth.rightJustified(9) << '\n';
    }
    out.flush();
}

} // namespace pw::bench
