#pragma once

#include <QByteArrayView>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <functional>
#include <memory>
#include <stdexcept>

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

// Raised for every failure of the database engine or of opening a file. The
// text is the engine's own, so the user sees what actually went wrong.
class DbError : public Error {
public:
    using Error::Error;
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
// that write or read many rows.
class Statement {
public:
    Statement(Database& db, const QString& sql);
    // Binds the values and runs the statement; throws DbError on failure.
    QSqlQuery& run(const QVariantList& params);
    // Runs an INSERT ... RETURNING and gives the new row's key.
    qint64 insert(const QVariantList& params);

private:
    QSqlQuery m_query;
};

// The one connection of the process. Every statement is prepared and its
// values bound as parameters; typed text never becomes part of SQL text.
class Database {
public:
    enum class OpenMode {
        ExistingOnly, // the file must exist and hold a Pewlark schema
        CreateNew, // the file must not exist; it is created with schema and seed values
    };

    // Opens (or creates) the file; throws DbError with a message that names
    // the file and the problem.
    static std::unique_ptr<Database> open(const QString& path, OpenMode mode);
    ~Database();

    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    QString path() const { return m_path; }
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

    // A number that changes whenever another connection (another program or
    // workstation) has committed a change to the database since the last
    // reading; changes made through this connection leave it as it is.
    // Cached lists compare it to know when they are stale.
    qint64 othersChangeMark();

    void close();

private:
    friend class Transaction;
    Database(const QString& path, const QString& connectionName);
    void begin();
    void commit();
    void rollback();

    QString m_path;
    QString m_connectionName;
    int m_transactionDepth = 0;
    bool m_rollbackOnly = false;
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
