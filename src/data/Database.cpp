#include "data/Database.h"

#include "data/Schema.h"
#include "data/Sql.h"

#include <QAtomicInt>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <sqlite3.h>
#include <QUrl>

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

} // namespace

Database::Database(const QString& path, const QString& connectionName)
    : m_path(path)
    , m_connectionName(connectionName)
{
}

Database::~Database() { close(); }

std::unique_ptr<Database> Database::open(const QString& path, OpenMode mode)
{
    const QFileInfo info(path);
    if (mode == OpenMode::ExistingOnly) {
        if (!info.exists())
            throw DbError(QStringLiteral("The database file \"%1\" does not exist.").arg(path));
        if (!info.isFile())
            throw DbError(QStringLiteral("The database path \"%1\" is not a file.").arg(path));
    } else if (info.exists()) {
        throw DbError(QStringLiteral("The file \"%1\" already exists; it was left unchanged.").arg(path));
    }

    const QString name = nextConnectionName();
    std::unique_ptr<Database> db(new Database(info.absoluteFilePath(), name));
    {
        QSqlDatabase conn = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        // An existing file is opened by URI with mode=rw so that the engine never
        // creates an empty file in its place; a new one with mode=rwc.
        QUrl url = QUrl::fromLocalFile(info.absoluteFilePath());
        url.setQuery(mode == OpenMode::ExistingOnly ? QStringLiteral("mode=rw") : QStringLiteral("mode=rwc"));
        conn.setDatabaseName(url.toString(QUrl::FullyEncoded));
        conn.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=10000"));
        if (!conn.open())
            throw DbError(
                QStringLiteral("The database \"%1\" could not be opened: %2").arg(path, engineText(conn.lastError())));
    }
    sql::installFunctions(db->connection());

    try {
        db->exec(QStringLiteral("PRAGMA foreign_keys = OFF"));
        if (mode == OpenMode::CreateNew) {
            schema::create(*db);
        } else {
            schema::checkAndUpgrade(*db);
        }
    } catch (const DbError& e) {
        const QString text = e.text();
        db->close();
        if (mode == OpenMode::CreateNew)
            QFile::remove(info.absoluteFilePath());
        // Messages from the schema check already name the file.
        if (text.contains(path) || text.contains(info.absoluteFilePath()))
            throw;
        throw DbError(QStringLiteral("The database \"%1\" could not be opened: %2").arg(path, text));
    }
    return db;
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
        throw DbError(QStringLiteral("The database is not open."));
    QSqlQuery query(conn);
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw DbError(engineText(query.lastError()));
    for (const QVariant& value : params)
        query.addBindValue(value);
    if (!query.exec())
        throw DbError(engineText(query.lastError()));
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
        throw DbError(QStringLiteral("The new row's key was not returned."));
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

    sqlite3* sqliteHandle(const QSqlDatabase& conn)
    {
        const QVariant handle = conn.driver()->handle();
        if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0)
            return *static_cast<sqlite3* const*>(handle.data());
        return nullptr;
    }

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

    void bindSqlite(sqlite3* h, sqlite3_stmt* stmt, const QVariantList& params)
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
                throw DbError(QString::fromUtf8(sqlite3_errmsg(h)));
        }
    }

} // namespace

void Database::scan(const QString& sql, const QVariantList& params, const std::function<void(const RowView&)>& f)
{
    QSqlDatabase conn = connection();
    if (!conn.isOpen())
        throw DbError(QStringLiteral("The database is not open."));
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
        forEach(sql, params, [&f](const QSqlQuery& q) { f(QueryRow(q)); });
        return;
    }
    sqlite3_stmt* stmt = nullptr;
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(h, text.constData(), int(text.size()), &stmt, nullptr) != SQLITE_OK)
        throw DbError(QString::fromUtf8(sqlite3_errmsg(h)));
    try {
        bindSqlite(h, stmt, params);
        const SqliteRow row(stmt);
        int rc;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW)
            f(row);
        if (rc != SQLITE_DONE)
            throw DbError(QString::fromUtf8(sqlite3_errmsg(h)));
    } catch (...) {
        sqlite3_finalize(stmt);
        throw;
    }
    sqlite3_finalize(stmt);
}

qint64 Database::othersChangeMark() { return scalar(QStringLiteral("PRAGMA data_version")).toLongLong(); }

Statement::Statement(Database& db, const QString& sql)
    : m_query(db.connection())
{
    m_query.setForwardOnly(true);
    if (!m_query.prepare(sql))
        throw DbError(engineText(m_query.lastError()));
}

QSqlQuery& Statement::run(const QVariantList& params)
{
    for (int i = 0; i < params.size(); ++i)
        m_query.bindValue(i, params.at(i));
    if (!m_query.exec())
        throw DbError(engineText(m_query.lastError()));
    return m_query;
}

qint64 Statement::insert(const QVariantList& params)
{
    run(params);
    if (!m_query.next())
        throw DbError(QStringLiteral("The new row's key was not returned."));
    const qint64 id = m_query.value(0).toLongLong();
    m_query.finish();
    return id;
}

void Database::begin()
{
    if (m_transactionDepth == 0) {
        m_rollbackOnly = false;
        QSqlDatabase conn = connection();
        if (!conn.transaction())
            throw DbError(engineText(conn.lastError()));
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
    QSqlDatabase conn = connection();
    if (m_rollbackOnly) {
        conn.rollback();
        m_transactionDepth = 0;
        throw DbError(QStringLiteral("The change was undone because part of it failed."));
    }
    if (!conn.commit()) {
        const QString text = engineText(conn.lastError());
        conn.rollback();
        m_transactionDepth = 0;
        throw DbError(text);
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
    connection().rollback();
    m_transactionDepth = 0;
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
