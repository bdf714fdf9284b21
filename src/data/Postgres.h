#pragma once

// What the data layer needs to keep a church on a PostgreSQL server: reading
// a postgresql:// location, connecting through Qt's PostgreSQL driver,
// classifying the server's errors, and the schema objects that let the same
// SQL text mean the same on both engines (the case-blind collation and the
// search functions that SQLite gets from functions registered per
// connection).

#include "data/Database.h"

#include <QString>
#include <QStringList>
#include <functional>

class QSqlDatabase;
class QSqlError;

namespace pw::postgres {

// True for a database field that names a server ("postgresql://..." or
// "postgres://...") rather than a file.
bool isLocation(const QString& location);

// A server location, read from a URI: user, host, port, database and libpq
// options such as sslmode. Passwords never come from here: libpq reads them
// from its password file (~/.pgpass or PGPASSFILE), its service file or the
// environment.
struct Location {
    QString host; // empty: the server's local socket
    int port = 5432;
    QString user; // empty: libpq's default (the login name, or PGUSER)
    QString database;
    QStringList options; // "name=value" pairs for libpq
    // How messages name it: "the database \"church\" on the server localhost:5432".
    QString display() const;
    // The same location with another database name, e.g. for creating one.
    QString uriFor(const QString& databaseName) const;
};

// "The database ..." as a message starts.
QString capitalisedDisplay(const Location& location);

// Reads the URI: its user, host, port and database, and of the options only
// host, port, dbname, user, sslmode, connect_timeout and application_name
// (a plain name). Throws DbError naming the address (as shown() gives it)
// when it is malformed, carries a password or holds any other option.
Location parse(const QString& uri);

// A database field as messages and reports print it: every place that shows
// one shows it through here. A file's path is shown as it is; in a server's
// address the password and the value of every option parse() refuses,
// however its name is written ("pass%77ord", "password%20"), become "***".
QString shown(const QString& location);

// How long a connection waits for a server that does not answer, unless the
// address says otherwise.
constexpr int kConnectTimeoutSeconds = 10;

// The location's options as the driver takes them: "name='value'" joined by
// ";", with the connection timeout unless the location gives one.
QString connectOptions(const Location& location);

// Points the connection at the location.
void configure(QSqlDatabase& connection, const Location& location);

// The error for a failure reported by the server, classified like SQLite's:
// a lock that did not come (another workstation is writing), a read-only
// server, a full disk, a server that cannot be reached or refused the login.
DbError error(const QSqlError& error, const QString& display);

// Every Pewlark table on the server, for the schema: SQLite's table text
// turned into the server's types (identifiers 64 bits wide and drawn from a
// sequence that an explicit value may bypass, floating point in full).
QString tableDefinition(const QString& sqliteDefinition);

// The collation and functions the shared SQL text refers to, and the change
// counter that tells other workstations' changes apart. Run once when the
// schema is created.
void createSupport(Database& db);

// Whether the database holds a table of that name (letter case ignored).
bool hasTable(Database& db, const QString& table);

// Database::scan on a server: the statement ("?" for each value) runs
// through libpq on the connection itself and f reads every row's values
// as the server sent them, without a QVariant each. Throws DbError
// classified as error() does.
void scan(QSqlDatabase& connection, const QString& display, const QString& sql, const QVariantList& params,
    const std::function<void(const RowView&)>& f);

// After rows were copied in with their identifiers: every identity
// sequence continues after the highest identifier of its table.
void resetSequences(Database& db);

} // namespace pw::postgres
