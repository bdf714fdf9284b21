#include "data/Database.h"

#include "data/Platform.h"
#include "data/Postgres.h"
#include "data/Schema.h"
#include "data/Sql.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QUrl>
#include <sqlite3.h>

#include <QCoreApplication>
#include <cerrno>
#include <chrono>

namespace {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(Database)
};
} // namespace

namespace pw {

namespace {

    QString engineText(const QSqlError& error)
    {
        QString text = error.databaseText();
        if (text.isEmpty())
            text = error.text();
        return text.trimmed();
    }

    QString nextConnectionName()
    {
        static QAtomicInt counter;
        return QStringLiteral("pewlark-%1").arg(counter.fetchAndAddRelaxed(1));
    }

    sqlite3* sqliteHandle(const QSqlDatabase& conn)
    {
        if (!conn.isValid() || !conn.driver())
            return nullptr;
        const QVariant handle = conn.driver()->handle();
        if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0)
            return *static_cast<sqlite3* const*>(handle.data());
        return nullptr;
    }

    qint64 monotonicMs()
    {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }

    Database::LockWaitHook& lockWaitHook()
    {
        static Database::LockWaitHook hook;
        return hook;
    }

    // A write that failed without saying why may have run out of room: the
    // engine reports a refused write as a plain I/O error when the operating
    // system gives anything but "no space" (a size limit, a quota).
    bool outOfRoom(const QString& path)
    {
        if (path.isEmpty())
            return false;
        const QFileInfo info(path);
        const qint64 free = platform::freeBytes(info.absolutePath());
        if (free >= 0 && free < 1024 * 1024)
            return true;
        const qint64 limit = platform::fileSizeLimit();
        return limit >= 0 && limit <= info.size() + 1024 * 1024;
    }

    bool isWriteFailure(int extendedCode)
    {
        switch (extendedCode) {
        case SQLITE_IOERR_WRITE:
        case SQLITE_IOERR_FSYNC:
        case SQLITE_IOERR_DIR_FSYNC:
        case SQLITE_IOERR_TRUNCATE:
        case SQLITE_IOERR_SHMSIZE:
            return true;
        default:
            return false;
        }
    }

} // namespace

namespace engine {

    DbError::Kind kindOf(int extendedCode, int systemError)
    {
        using Kind = DbError::Kind;
        if (platform::isNoRoom(platform::engineErrorNumber(systemError)))
            return Kind::DiskFull;
        switch (extendedCode & 0xff) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
        case SQLITE_PROTOCOL:
            return Kind::Locked;
        case SQLITE_READONLY:
        case SQLITE_PERM:
            return Kind::ReadOnly;
        case SQLITE_FULL:
            return Kind::DiskFull;
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
        case SQLITE_AUTH: // a change refused because the file's page check failed (health::PageCheck)
            return Kind::Damaged;
        case SQLITE_IOERR:
            return extendedCode == SQLITE_IOERR_NOMEM ? Kind::Other : Kind::Io;
        case SQLITE_CANTOPEN:
            return Kind::Io;
        default:
            return Kind::Other;
        }
    }

    QString messageFor(DbError::Kind kind, int extendedCode, const QString& path)
    {
        const QString file = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
        switch (kind) {
        case DbError::Kind::Locked:
            return Tr::tr("The database \"%1\" is in use: another program or workstation is writing to it. "
                          "Wait a moment, then try again.")
                .arg(file);
        case DbError::Kind::ReadOnly:
            if (extendedCode == SQLITE_READONLY_DIRECTORY)
                return Tr::tr("The database \"%1\" cannot be changed: its folder is read-only, and every "
                              "change needs a journal file beside the database. Ask whoever looks after "
                              "this computer to let you write in the folder \"%2\".")
                    .arg(file, QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
            return Tr::tr("The database \"%1\" cannot be changed: the file is read-only. Ask whoever looks "
                          "after this computer to make the file writable for you.")
                .arg(file);
        case DbError::Kind::DiskFull:
            return Tr::tr("The database \"%1\" cannot be changed: there is no room left on the disk (or the "
                          "file has reached the largest size allowed). Free some space, then try again.")
                .arg(file);
        case DbError::Kind::Damaged:
            return Tr::tr("The database \"%1\" could not be opened or read: it is damaged or is not a "
                          "database file. Restore the most recent backup of it.")
                .arg(file);
        case DbError::Kind::Io:
            if ((extendedCode & 0xff) == SQLITE_CANTOPEN)
                return Tr::tr("The database \"%1\" could not be opened, or a file beside it could not be "
                              "created. Check that the file and its folder exist and that you may use "
                              "them, then try again.")
                    .arg(file);
            return Tr::tr("The database \"%1\" could not be read or written: the disk or network drive "
                          "reported an error. Check that the drive is available, then try again; if it "
                          "happens again, restore the most recent backup.")
                .arg(file);
        case DbError::Kind::Other:
            break;
        }
        return {};
    }

    DbError error(int extendedCode, int systemError, const QString& engineText, const QString& path)
    {
        DbError::Kind kind = kindOf(extendedCode, systemError);
        if (kind == DbError::Kind::Io && isWriteFailure(extendedCode) && outOfRoom(path))
            kind = DbError::Kind::DiskFull;
        if (kind == DbError::Kind::Other)
            return DbError(engineText);
        return DbError(kind, messageFor(kind, extendedCode, path), engineText);
    }

} // namespace engine

Database::Database(const QString& path, const QString& connectionName)
    : m_path(path)
    , m_connectionName(connectionName)
{
}

Database::~Database() { close(); }

QVariant Database::bindable(const QVariant& value) const
{
    // A server's text cannot hold the character 0; typed into a search box
    // it means nothing, so it is left out rather than cutting the value.
    if (m_engine == Engine::PostgreSQL && value.typeId() == QMetaType::QString) {
        QString text = value.toString();
        if (text.contains(QChar(0)))
            return text.remove(QChar(0));
    }
    return value;
}

QString Database::shownPath() const { return QDir::toNativeSeparators(m_shownPath.isEmpty() ? m_path : m_shownPath); }

QString Database::displayName() const
{
    return m_engine == Engine::PostgreSQL ? m_display : Tr::tr("the file \"%1\"").arg(shownPath());
}

namespace {
    // The advisory lock of a server database while a church is written into
    // it: any number of our own, the same in every copy of the program.
    constexpr qint64 kNewChurchLock = 0x7065776c61726b01; // "pewlark" 1
} // namespace

std::unique_ptr<Database> Database::openServer(const QString& location, OpenMode mode, int lockWaitMs)
{
    const postgres::Location where = postgres::parse(location);
    const QString name = nextConnectionName();
    std::unique_ptr<Database> db(new Database(location, name));
    db->m_engine = Engine::PostgreSQL;
    db->m_lockWaitMs = lockWaitMs;
    db->m_display = where.display();
    {
        QSqlDatabase conn = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        if (!conn.isValid())
            throw DbError(Tr::tr("PostgreSQL support is not installed on this computer (Debian package "
                                 "libqt6sql6-psql), so %1 cannot be opened.")
                              .arg(where.display()));
        postgres::configure(conn, where);
        if (!conn.open())
            throw postgres::error(conn.lastError(), where.display());
    }
    sql::setEngine(Engine::PostgreSQL);
    try {
        db->configureConnection();
        if (mode == OpenMode::ReadOnly) {
            db->exec(QStringLiteral("SET SESSION CHARACTERISTICS AS TRANSACTION READ ONLY"));
            schema::checkReadOnly(*db);
        } else if (mode != OpenMode::ExistingOnly) {
            // The tables, the functions and the seed values appear together
            // or not at all: a server changes its schema in transactions too.
            db->begin();
            // Two copies into one empty database at once would both find it
            // empty: the second is refused now, not by the server's catalogue
            // halfway through. The lock lasts until this transaction ends.
            if (!db->scalar(QStringLiteral("SELECT pg_try_advisory_xact_lock(?)"), { kNewChurchLock }).toBool())
                throw DbError(Tr::tr("%1 is being filled by another Pewlark at this moment (a copy, an "
                                     "import or a new church); it was left unchanged.")
                                  .arg(postgres::capitalisedDisplay(where)));
            if (db->exists(QStringLiteral("SELECT 1 FROM information_schema.tables WHERE table_schema = "
                                          "current_schema()")))
                throw DbError(Tr::tr("%1 already holds tables; a church is only created in an empty "
                                     "database. It was left unchanged.")
                                  .arg(postgres::capitalisedDisplay(where)));
            schema::create(*db);
            if (mode == OpenMode::CreateNew)
                db->commit();
        } else {
            schema::checkAndUpgrade(*db);
        }
    } catch (const DbError&) {
        db->close();
        throw;
    }
    return db;
}

std::unique_ptr<Database> Database::open(const QString& path, OpenMode mode, int lockWaitMs)
{
    if (postgres::isLocation(path))
        return openServer(path, mode, lockWaitMs);
    const QFileInfo info(path);
    const bool existing = mode == OpenMode::ExistingOnly || mode == OpenMode::ReadOnly;
    if (existing) {
        if (!info.exists())
            throw DbError(Tr::tr("The database file \"%1\" does not exist.").arg(path));
        if (!info.isFile())
            throw DbError(Tr::tr("The database path \"%1\" is not a file.").arg(path));
    } else if (info.exists()) {
        throw DbError(Tr::tr("The file \"%1\" already exists; it was left unchanged.").arg(path));
    }

    const QString name = nextConnectionName();
    std::unique_ptr<Database> db(new Database(info.absoluteFilePath(), name));
    db->m_lockWaitMs = lockWaitMs;
    {
        QSqlDatabase conn = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        // An existing file is opened by URI with mode=rw so that the engine never
        // creates an empty file in its place; a new one with mode=rwc; a
        // source that is only read with mode=ro.
        QUrl url = QUrl::fromLocalFile(info.absoluteFilePath());
        url.setQuery(mode == OpenMode::ReadOnly ? QStringLiteral("mode=ro")
                : existing                      ? QStringLiteral("mode=rw")
                                                : QStringLiteral("mode=rwc"));
        conn.setDatabaseName(url.toString(QUrl::FullyEncoded));
        conn.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI"));
        if (!conn.open()) {
            const DbError e = db->lastEngineError(engineText(conn.lastError()));
            if (e.kind() != DbError::Kind::Other)
                throw e;
            throw DbError(Tr::tr("The database \"%1\" could not be opened: %2").arg(path, e.text()));
        }
    }
    sql::installFunctions(db->connection());
    sql::setEngine(Engine::SQLite);

    try {
        db->configureConnection();
        db->exec(QStringLiteral("PRAGMA foreign_keys = OFF"));
        if (mode == OpenMode::ReadOnly) {
            schema::checkReadOnly(*db);
        } else if (!existing) {
            db->useRollbackJournal();
            schema::create(*db);
        } else {
            // Another program's file is refused before anything in it is
            // changed, its journal mode included.
            schema::checkVersion(*db);
            db->useRollbackJournal();
            schema::checkAndUpgrade(*db);
        }
    } catch (const DbError& e) {
        const QString text = e.text();
        db->close();
        if (!existing)
            QFile::remove(info.absoluteFilePath());
        // Classified messages and those of the schema check already name the file.
        if (e.kind() != DbError::Kind::Other || text.contains(path) || text.contains(info.absoluteFilePath()))
            throw;
        throw DbError(Tr::tr("The database \"%1\" could not be opened: %2").arg(path, text));
    }
    return db;
}

void Database::setLockWaitLimit(int ms)
{
    m_lockWaitMs = ms;
    // A server waits by its own setting; a file's wait is counted here.
    if (m_engine == Engine::PostgreSQL && connection().isOpen())
        exec(QStringLiteral("SET lock_timeout = %1").arg(qMax(1, ms)));
}

void Database::configureConnection()
{
    if (m_engine == Engine::PostgreSQL) {
        // A statement waits at most the lock limit for another
        // workstation's lock, then fails as "locked"; names and dates come
        // and go as UTF-8 text.
        exec(QStringLiteral("SET lock_timeout = %1").arg(m_lockWaitMs));
        exec(QStringLiteral("SET client_encoding = 'UTF8'"));
        return;
    }
    sqlite3* h = static_cast<sqlite3*>(engineHandle());
    if (!h)
        throw DbError(Tr::tr("The database driver gave no SQLite connection."));
    sqlite3_extended_result_codes(h, 1);
    // Our own handler instead of a plain timeout: it waits the same bounded
    // time but tells the program that it is waiting.
    sqlite3_busy_handler(h, &Database::busyHandler, this);
    exec(QStringLiteral("PRAGMA synchronous = FULL"));
}

void Database::useRollbackJournal()
{
    // A rollback journal, not a write-ahead log: the file may lie on a shared
    // folder that several workstations use, where a write-ahead log (it needs
    // shared memory between the programs) does not work, and a closed
    // database is then one file that a plain copy backs up. Full flushes: a
    // commit has reached the disk before it is reported, and a power cut
    // never leaves a damaged file. A file someone switched to a write-ahead
    // log is switched back when no other program has it open.
    try {
        exec(QStringLiteral("PRAGMA journal_mode = DELETE"));
    } catch (const DbError& e) {
        if (e.kind() != DbError::Kind::Locked && e.kind() != DbError::Kind::ReadOnly)
            throw;
    }
}

void* Database::engineHandle() const { return sqliteHandle(connection()); }

DbError Database::lastEngineError(const QString& fallbackText) const
{
    if (m_engine == Engine::PostgreSQL)
        return postgres::error(connection().lastError(), m_display);
    sqlite3* h = static_cast<sqlite3*>(engineHandle());
    if (!h)
        return DbError(fallbackText);
    const int code = sqlite3_extended_errcode(h);
    const QString text = fallbackText.isEmpty() ? QString::fromUtf8(sqlite3_errmsg(h)) : fallbackText;
    return engine::error(code, sqlite3_system_errno(h), text, shownPath());
}

DbError Database::queryError(const QSqlQuery& query) const
{
    const QSqlError error = query.lastError();
    if (m_engine == Engine::PostgreSQL)
        return postgres::error(error, m_display);
    const QString text = engineText(error);
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    sqlite3* h = static_cast<sqlite3*>(engineHandle());
    if (!h)
        return DbError(text);
    // The driver reports the code of the failed call; with extended codes on,
    // it is the extended one. The connection still holds it otherwise.
    const int extended = ok && code != 0 ? code : sqlite3_extended_errcode(h);
    return engine::error(extended, sqlite3_system_errno(h), text, shownPath());
}

void Database::setLockWaitHook(LockWaitHook hook) { lockWaitHook() = std::move(hook); }

int Database::busyHandler(void* self, int count) { return static_cast<Database*>(self)->waitForLock(count) ? 1 : 0; }

namespace {
    void notifyWait(LockWait::Phase phase, qint64 waited, qint64 limit, const QString& path)
    {
        const Database::LockWaitHook& hook = lockWaitHook();
        if (!hook)
            return;
        try {
            hook(LockWait { phase, waited, limit, path });
        } catch (...) {
            // Called from inside the engine: nothing may escape.
        }
    }
} // namespace

bool Database::waitForLock(int)
{
    const qint64 now = monotonicMs();
    if (!m_waiting) {
        m_waiting = true;
        m_waitStartedMs = now;
        notifyWait(LockWait::Phase::Started, 0, m_lockWaitMs, m_path);
    } else {
        notifyWait(LockWait::Phase::Waiting, now - m_waitStartedMs, m_lockWaitMs, m_path);
    }
    const qint64 left = m_lockWaitMs - (monotonicMs() - m_waitStartedMs);
    if (left <= 0)
        return false;
    sqlite3_sleep(int(qMin<qint64>(left, 50)));
    return true;
}

void Database::endLockWait()
{
    if (!m_waiting)
        return;
    m_waiting = false;
    notifyWait(LockWait::Phase::Ended, monotonicMs() - m_waitStartedMs, m_lockWaitMs, m_path);
}

QSqlDatabase Database::connection() const { return QSqlDatabase::database(m_connectionName, false); }

void Database::close()
{
    if (m_connectionName.isEmpty())
        return;
    {
        QSqlDatabase conn = QSqlDatabase::database(m_connectionName, false);
        if (conn.isOpen()) {
            if (m_transactionDepth > 0)
                conn.rollback();
            conn.close();
        }
    }
    QSqlDatabase::removeDatabase(m_connectionName);
    m_connectionName.clear();
    m_transactionDepth = 0;
}

QSqlQuery Database::exec(const QString& sql, const QVariantList& params)
{
    QSqlDatabase conn = connection();
    if (!conn.isOpen())
        throw DbError(Tr::tr("The database is not open."));
    const EngineCall waiting(*this);
    QSqlQuery query(conn);
    query.setForwardOnly(true);
    if (params.isEmpty() && m_engine == Engine::PostgreSQL) {
        // The server prepares statements, and a setting or a schema change
        // cannot be prepared; without values there is nothing to bind.
        if (!query.exec(sql))
            throw queryError(query);
        return query;
    }
    if (!query.prepare(sql))
        throw queryError(query);
    for (const QVariant& value : params)
        query.addBindValue(bindable(value));
    if (!query.exec())
        throw queryError(query);
    return query;
}

QVariant Database::scalar(const QString& sql, const QVariantList& params)
{
    QSqlQuery query = exec(sql, params);
    if (query.next())
        return query.value(0);
    return {};
}

bool Database::exists(const QString& sql, const QVariantList& params)
{
    QSqlQuery query = exec(sql, params);
    return query.next();
}

qint64 Database::insert(const QString& sql, const QVariantList& params)
{
    QSqlQuery query = exec(sql, params);
    if (query.next())
        return query.value(0).toLongLong();
    const QVariant last = query.lastInsertId();
    if (!last.isValid())
        throw DbError(Tr::tr("The new row's key was not returned."));
    return last.toLongLong();
}

int Database::execChange(const QString& sql, const QVariantList& params)
{
    QSqlQuery query = exec(sql, params);
    return query.numRowsAffected();
}

QStringList Database::texts(const QString& sql, const QVariantList& params)
{
    QStringList out;
    forEach(sql, params, [&out](const QSqlQuery& q) { out.append(sql::toText(q.value(0))); });
    return out;
}

QList<qint64> Database::ids(const QString& sql, const QVariantList& params)
{
    QList<qint64> out;
    forEach(sql, params, [&out](const QSqlQuery& q) { out.append(sql::toId(q.value(0))); });
    return out;
}

namespace {

    class SqliteRow : public RowView {
    public:
        explicit SqliteRow(sqlite3_stmt* stmt)
            : m_stmt(stmt)
        {
        }
        bool isNull(int column) const override { return sqlite3_column_type(m_stmt, column) == SQLITE_NULL; }
        QString text(int column) const override
        {
            const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
            return data ? QString::fromUtf8(data, sqlite3_column_bytes(m_stmt, column)) : QString();
        }
        qint64 integer(int column) const override { return sqlite3_column_int64(m_stmt, column); }
        QByteArrayView utf8(int column) const override
        {
            const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
            return data ? QByteArrayView(data, sqlite3_column_bytes(m_stmt, column)) : QByteArrayView();
        }

    private:
        sqlite3_stmt* m_stmt;
    };

    bool bindSqlite(sqlite3_stmt* stmt, const QVariantList& params)
    {
        for (int i = 0; i < params.size(); ++i) {
            const QVariant& v = params.at(i);
            int rc = SQLITE_OK;
            if (v.isNull()) {
                rc = sqlite3_bind_null(stmt, i + 1);
            } else if (v.typeId() == QMetaType::Int || v.typeId() == QMetaType::LongLong
                || v.typeId() == QMetaType::UInt || v.typeId() == QMetaType::Bool) {
                rc = sqlite3_bind_int64(stmt, i + 1, v.toLongLong());
            } else if (v.typeId() == QMetaType::Double) {
                rc = sqlite3_bind_double(stmt, i + 1, v.toDouble());
            } else {
                const QByteArray text = v.toString().toUtf8();
                rc = sqlite3_bind_text(stmt, i + 1, text.constData(), int(text.size()), SQLITE_TRANSIENT);
            }
            if (rc != SQLITE_OK)
                return false;
        }
        return true;
    }

} // namespace

void Database::scan(const QString& sql, const QVariantList& params, const std::function<void(const RowView&)>& f)
{
    QSqlDatabase conn = connection();
    if (!conn.isOpen())
        throw DbError(Tr::tr("The database is not open."));
    sqlite3* h = sqliteHandle(conn);
    if (!h) {
        // Another engine: the same rows through the driver.
        class QueryRow : public RowView {
        public:
            explicit QueryRow(const QSqlQuery& q)
                : m_q(q)
            {
            }
            bool isNull(int column) const override { return m_q.isNull(column); }
            QString text(int column) const override { return sql::toText(m_q.value(column)); }
            qint64 integer(int column) const override { return sql::toId(m_q.value(column)); }
            QByteArrayView utf8(int column) const override
            {
                m_utf8 = text(column).toUtf8();
                return m_utf8;
            }

        private:
            const QSqlQuery& m_q;
            mutable QByteArray m_utf8;
        };
        if (m_engine == Engine::PostgreSQL) {
            QVariantList values;
            values.reserve(params.size());
            for (const QVariant& value : params)
                values.append(bindable(value));
            postgres::scan(conn, m_display, sql, values, f);
            return;
        }
        forEach(sql, params, [&f](const QSqlQuery& q) { f(QueryRow(q)); });
        return;
    }
    const EngineCall waiting(*this);
    sqlite3_stmt* stmt = nullptr;
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(h, text.constData(), int(text.size()), &stmt, nullptr) != SQLITE_OK)
        throw lastEngineError();
    try {
        if (!bindSqlite(stmt, params))
            throw lastEngineError();
        const SqliteRow row(stmt);
        int rc;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW)
            f(row);
        if (rc != SQLITE_DONE)
            throw lastEngineError();
    } catch (...) {
        sqlite3_finalize(stmt);
        throw;
    }
    sqlite3_finalize(stmt);
}

qint64 Database::othersChangeMark()
{
    // On a server each connection counts its own changes; the others' sum
    // moves only with theirs.
    if (m_engine == Engine::PostgreSQL)
        return scalar(QStringLiteral("SELECT COALESCE(SUM(Changes), 0) FROM Change_Count WHERE Connection <> "
                                     "pg_backend_pid()"))
            .toLongLong();
    return scalar(QStringLiteral("PRAGMA data_version")).toLongLong();
}

Statement::Statement(Database& db, const QString& sql)
    : m_db(db)
{
    const Database::EngineCall waiting(m_db);
    if (sqlite3* h = sqliteHandle(db.connection())) {
        const QByteArray text = sql.toUtf8();
        if (sqlite3_prepare_v3(h, text.constData(), int(text.size()), SQLITE_PREPARE_PERSISTENT, &m_stmt, nullptr)
            != SQLITE_OK) {
            sqlite3_finalize(m_stmt);
            m_stmt = nullptr;
            throw m_db.lastEngineError();
        }
        return;
    }
    m_query = QSqlQuery(db.connection());
    m_query.setForwardOnly(true);
    if (!m_query.prepare(sql))
        throw m_db.queryError(m_query);
}

Statement::~Statement() { sqlite3_finalize(m_stmt); }

void Statement::run(const QVariantList& params)
{
    const Database::EngineCall waiting(m_db);
    if (m_stmt) {
        sqlite3_reset(m_stmt);
        sqlite3_clear_bindings(m_stmt);
        int rc = bindSqlite(m_stmt, params) ? sqlite3_step(m_stmt) : SQLITE_ERROR;
        while (rc == SQLITE_ROW)
            rc = sqlite3_step(m_stmt);
        if (rc != SQLITE_DONE) {
            const DbError error = m_db.lastEngineError();
            sqlite3_reset(m_stmt);
            throw error;
        }
        return;
    }
    for (int i = 0; i < params.size(); ++i)
        m_query.bindValue(i, m_db.bindable(params.at(i)));
    if (!m_query.exec())
        throw m_db.queryError(m_query);
}

qint64 Statement::insert(const QVariantList& params)
{
    if (m_stmt) {
        const Database::EngineCall waiting(m_db);
        sqlite3_reset(m_stmt);
        sqlite3_clear_bindings(m_stmt);
        const int rc = bindSqlite(m_stmt, params) ? sqlite3_step(m_stmt) : SQLITE_ERROR;
        if (rc != SQLITE_ROW) {
            const DbError error
                = rc == SQLITE_DONE ? DbError(Tr::tr("The new row's key was not returned.")) : m_db.lastEngineError();
            sqlite3_reset(m_stmt);
            throw error;
        }
        const qint64 id = sqlite3_column_int64(m_stmt, 0);
        sqlite3_reset(m_stmt);
        return id;
    }
    run(params);
    if (!m_query.next())
        throw DbError(Tr::tr("The new row's key was not returned."));
    const qint64 id = m_query.value(0).toLongLong();
    m_query.finish();
    return id;
}

void Database::begin()
{
    if (m_transactionDepth == 0) {
        m_rollbackOnly = false;
        // Every change takes the write lock at its start: two workstations
        // that both read and then write would otherwise find out only at the
        // first write that one of them must give up, without waiting.
        exec(m_engine == Engine::PostgreSQL ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE"));
    }
    ++m_transactionDepth;
}

void Database::commit()
{
    if (m_transactionDepth == 0)
        return;
    if (m_transactionDepth > 1) {
        --m_transactionDepth;
        return;
    }
    if (m_rollbackOnly) {
        rollback();
        throw DbError(Tr::tr("The change was undone because part of it failed."));
    }
    try {
        exec(QStringLiteral("COMMIT"));
    } catch (const DbError&) {
        rollback();
        throw;
    }
    m_transactionDepth = 0;
}

void Database::rollback()
{
    if (m_transactionDepth == 0)
        return;
    if (m_transactionDepth > 1) {
        // An inner part failed: the whole change must not be committed.
        --m_transactionDepth;
        m_rollbackOnly = true;
        return;
    }
    m_transactionDepth = 0;
    const EngineCall waiting(*this);
    QSqlDatabase conn = connection();
    if (conn.isOpen())
        QSqlQuery(conn).exec(QStringLiteral("ROLLBACK")); // an error means there was nothing left to undo
}

Transaction::Transaction(Database& db)
    : m_db(db)
{
    m_db.begin();
}

Transaction::~Transaction()
{
    if (!m_done)
        m_db.rollback();
}

void Transaction::commit()
{
    m_done = true;
    m_db.commit();
}

} // namespace pw
