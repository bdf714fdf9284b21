#pragma once

#include <QByteArrayView>
#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <functional>
#include <memory>
#include <stdexcept>

struct sqlite3_stmt;

namespace pw {

// An error whose text is meant for the user.
class Error : public std::runtime_error {
public:
    explicit Error(const QString& text)
        : std::runtime_error(text.toStdString())
    {
    }
    QString text() const { return QString::fromStdString(what()); }
};

// Raised for every failure of the database engine or of opening a file.
// The engine's common failures carry a kind and a message that names the file
// and says what to do; the engine's own text stays as the detail, and text()
// shows it as a second paragraph. Other failures carry the engine's text.
class DbError : public Error {
public:
    enum class Kind {
        Other, // anything else: the text is the engine's own
        Locked, // another program or workstation holds the file; trying again may work
        ReadOnly, // the file or its folder cannot be written
        DiskFull, // no room left on the disk (or the file reached its size limit)
        Damaged, // the file is damaged or is not a database
        Io, // the disk or network failed while reading or writing
    };

    explicit DbError(const QString& text)
        : Error(text)
        , m_message(text)
    {
    }
    DbError(Kind kind, const QString& message, const QString& detail)
        : Error(detail.isEmpty() ? message : message + QStringLiteral("\n\n") + detailLine(detail))
        , m_kind(kind)
        , m_message(message)
        , m_detail(detail)
    {
    }

    Kind kind() const { return m_kind; }
    // The message without the engine's text.
    QString message() const { return m_message; }
    // The engine's own text; empty when there is none.
    QString detail() const { return m_detail; }

    // A refusal whose message names its file and already says what to do:
    // code that puts the engine's failures in words passes it on unchanged.
    void setFinal() { m_final = true; }
    bool isFinal() const { return m_final; }

    static QString detailLine(const QString& detail)
    {
        return QCoreApplication::translate("Database", "(The database engine reported: %1)").arg(detail);
    }

private:
    Kind m_kind = Kind::Other;
    QString m_message;
    QString m_detail;
    bool m_final = false;
};

namespace engine {

    // The kind of failure an SQLite extended result code stands for.
    // systemError is the operating system's error number behind an I/O
    // failure (0 when unknown): a write refused for lack of room is a full
    // disk, whatever code the engine gave it.
    DbError::Kind kindOf(int extendedCode, int systemError = 0);

    // The message for a failure of that kind on the file at path, naming the
    // file and saying what to do. Empty for Kind::Other.
    QString messageFor(DbError::Kind kind, int extendedCode, const QString& path);

    // The error to raise for a failed engine call: classified as above, with
    // the engine's text as its detail (or as its whole text for Kind::Other).
    DbError error(int extendedCode, int systemError, const QString& engineText, const QString& path);

} // namespace engine

// What a statement is doing while it waits for another connection's lock.
struct LockWait {
    enum class Phase {
        Started, // the first wait of a statement
        Waiting, // called again about every 50 ms while it still waits
        Ended, // the statement got its lock or gave up
    };
    Phase phase = Phase::Started;
    qint64 waitedMs = 0;
    qint64 limitMs = 0;
    QString path; // the database file
};

class Transaction;
class Database;

// One row of a scan(): its column values, read without a QVariant each.
class RowView {
public:
    virtual ~RowView() = default;
    virtual bool isNull(int column) const = 0;
    virtual QString text(int column) const = 0; // Null gives empty text
    virtual qint64 integer(int column) const = 0; // Null gives 0
    // The value as UTF-8 text, valid until the next call on this row; Null
    // gives empty text. For filling grids without a QString per value.
    virtual QByteArrayView utf8(int column) const = 0;
};

// A statement prepared once and run many times with new values, for loops
// that write many rows. On a file it binds its values straight through the
// engine, several times faster than through the driver.
class Statement {
public:
    Statement(Database& db, const QString& sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    // Binds the values and runs the statement; throws DbError on failure.
    void run(const QVariantList& params);
    // Runs an INSERT ... RETURNING and gives the new row's key.
    qint64 insert(const QVariantList& params);

private:
    Database& m_db;
    QSqlQuery m_query; // on a server
    sqlite3_stmt* m_stmt = nullptr; // on a file
};

// The one connection of the process. Every statement is prepared and its
// values bound as parameters; typed text never becomes part of SQL text.
class Database {
public:
    enum class OpenMode {
        ExistingOnly, // the file must exist and hold a Pewlark schema
        CreateNew, // the file must not exist; it is created with schema and seed values
        // On a server: as CreateNew, with the schema left in a transaction
        // that NewDatabaseFile commits once the whole church is written.
        CreateNewPending,
        // Opened only to be read (a copy's source, a backup's database): never
        // written, its journal mode left as it is, an older schema not
        // upgraded. A file of the current version must be whole.
        ReadOnly,
    };

    // Where the church is kept: a file for SQLite, or a PostgreSQL server
    // named by a postgresql:// location.
    enum class Engine { SQLite, PostgreSQL };

    // Opens (or creates) the file, or connects to the server; throws DbError
    // with a message that names the file or the server and database, and the
    // problem. On a server, CreateNew creates the schema and seed values in an
    // existing empty database and refuses one that holds any table.
    // lockWaitMs bounds each wait for another program's lock, opening
    // included.
    static std::unique_ptr<Database> open(const QString& path, OpenMode mode, int lockWaitMs = kDefaultLockWaitMs);

    Engine engine() const { return m_engine; }
    // How messages name this database: "the file \"...\"" or "the database
    // \"church\" on the server host:5432".
    QString displayName() const;
    ~Database();

    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    QString path() const { return m_path; }
    // The path messages name, in the system's own separators ("C:\..." on
    // Windows): path() unless showAs() gave another, as for a database
    // written under a temporary name and renamed when complete.
    QString shownPath() const;
    void showAs(const QString& path) { m_shownPath = path; }
    QSqlDatabase connection() const;

    // Runs a statement with positional "?" parameters and returns the
    // positioned-before-first query. Throws DbError on failure.
    QSqlQuery exec(const QString& sql, const QVariantList& params = {});

    // First column of the first row, or an invalid QVariant when no row.
    QVariant scalar(const QString& sql, const QVariantList& params = {});

    // True when the statement returns at least one row.
    bool exists(const QString& sql, const QVariantList& params = {});

    // Runs an INSERT and returns the new row's automatic key.
    qint64 insert(const QString& sql, const QVariantList& params = {});

    // Number of rows the last change touched, for callers that care.
    int execChange(const QString& sql, const QVariantList& params = {});

    // The first column of every row: as text (Null gives empty text), or as
    // identifiers (Null gives 0).
    QStringList texts(const QString& sql, const QVariantList& params = {});
    QList<qint64> ids(const QString& sql, const QVariantList& params = {});

    // Calls f(row) once for every row of the statement. For reading many
    // rows (every person): it reads the engine's values directly instead of
    // through a QVariant per value, several times faster than exec().
    void scan(const QString& sql, const QVariantList& params, const std::function<void(const RowView&)>& f);

    // Calls f(query) once for every row, positioned on that row.
    template <class F> void forEach(const QString& sql, const QVariantList& params, F&& f)
    {
        QSqlQuery query = exec(sql, params);
        while (query.next())
            f(query);
    }

    bool inTransaction() const { return m_transactionDepth > 0; }

    // How long a statement waits for another connection's lock before it
    // fails with a DbError of kind Locked. 10 s unless set.
    static constexpr int kDefaultLockWaitMs = 10000;
    void setLockWaitLimit(int ms);
    int lockWaitLimit() const { return m_lockWaitMs; }

    // Called on the waiting thread while any connection of the process waits
    // for a lock, so that the program can show the busy pointer and keep its
    // windows painted. It must not run statements on the waiting connection.
    // An empty function (the default) just waits.
    using LockWaitHook = std::function<void(const LockWait&)>;
    static void setLockWaitHook(LockWaitHook hook);

    // The engine's connection, for the data layer's own use of the SQLite
    // interface (online backup, checks); nullptr on another engine.
    void* engineHandle() const;

    // The error for the engine's last failure on this connection, classified.
    DbError lastEngineError(const QString& fallbackText = QString()) const;

    // Data-layer code that calls the engine directly through engineHandle()
    // keeps one of these alive around the call, so that a wait for a lock is
    // reported as ended when the call returns.
    class EngineCall {
    public:
        explicit EngineCall(Database& db)
            : m_db(db)
        {
        }
        ~EngineCall() { m_db.endLockWait(); }
        EngineCall(const EngineCall&) = delete;
        EngineCall& operator=(const EngineCall&) = delete;

    private:
        Database& m_db;
    };

    // A number that changes whenever another connection (another program or
    // workstation) has committed a change to the database since the last
    // reading; changes made through this connection leave it as it is.
    // Cached lists compare it to know when they are stale.
    qint64 othersChangeMark();

    void close();

private:
    friend class Transaction;
    friend class Statement;
    friend class NewDatabaseFile;
    Database(const QString& path, const QString& connectionName);
    void begin();
    void commit();
    void rollback();
    void configureConnection();
    void useRollbackJournal();
    DbError queryError(const QSqlQuery& query) const;
    static int busyHandler(void* self, int count);
    bool waitForLock(int count);
    void endLockWait();

    static std::unique_ptr<Database> openServer(const QString& location, OpenMode mode, int lockWaitMs);
    QVariant bindable(const QVariant& value) const;

    QString m_path;
    QString m_shownPath;
    QString m_connectionName;
    Engine m_engine = Engine::SQLite;
    QString m_display;
    int m_transactionDepth = 0;
    bool m_rollbackOnly = false;
    int m_lockWaitMs = kDefaultLockWaitMs;
    bool m_waiting = false;
    qint64 m_waitStartedMs = 0;
};

// Scope guard: everything done while it lives is one change. It rolls back
// unless commit() was called, so an exception anywhere leaves nothing
// half-written. Nested guards join the outermost transaction.
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    void commit();

    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

private:
    Database& m_db;
    bool m_done = false;
};

} // namespace pw
