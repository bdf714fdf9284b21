#include "data/Postgres.h"

#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QUrl>
#include <QUrlQuery>

#include <QCoreApplication>
#include <cstdlib>
#include <libpq-fe.h>
#include <memory>
#include <vector>

namespace {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(Postgres)
};
} // namespace

namespace pw::postgres {

namespace {
    QString capitalised(const QString& text) { return text.isEmpty() ? text : text.at(0).toUpper() + text.mid(1); }
} // namespace

bool isLocation(const QString& location)
{
    return location.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive)
        || location.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive);
}

QString Location::display() const
{
    const QString server = host.isEmpty() ? Tr::tr("the local server") : Tr::tr("the server %1:%2").arg(host).arg(port);
    return Tr::tr("the database \"%1\" on %2").arg(database, server);
}

QString capitalisedDisplay(const Location& location) { return capitalised(location.display()); }

QString Location::uriFor(const QString& databaseName) const
{
    QUrl url;
    url.setScheme(QStringLiteral("postgresql"));
    QUrlQuery query;
    // A socket folder is no host name an address can hold.
    if (host.startsWith(QLatin1Char('/')))
        query.addQueryItem(QStringLiteral("host"), host);
    else
        url.setHost(host);
    url.setPort(port);
    url.setUserName(user);
    url.setPath(QLatin1Char('/') + databaseName);
    for (const QString& option : options) {
        const qsizetype eq = option.indexOf(QLatin1Char('='));
        query.addQueryItem(option.left(eq), option.mid(eq + 1));
    }
    url.setQuery(query);
    return url.toString();
}

namespace {

    // What an address may set besides its own parts, with the values each
    // takes: libpq reads many more settings (a password file, a service,
    // options for the server), and one smuggled in would act unseen.
    const QStringList kSslModes = { QStringLiteral("disable"), QStringLiteral("allow"), QStringLiteral("prefer"),
        QStringLiteral("require"), QStringLiteral("verify-ca"), QStringLiteral("verify-full") };

    bool isWholeNumber(const QString& text, int highest)
    {
        bool ok = false;
        const int n = text.toInt(&ok);
        return ok && n >= 0 && n <= highest && !text.startsWith(QLatin1Char('+'));
    }

    // A value as libpq reads it in a connection string: quoted, so that
    // blanks and "=" inside it stay part of it.
    QString quoted(const QString& value)
    {
        QString text = value;
        text.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('\''), QStringLiteral("\\'"));
        return QLatin1Char('\'') + text + QLatin1Char('\'');
    }

    [[noreturn]] void refuse(const QString& uri, const QString& why)
    {
        throw DbError(Tr::tr("The database location \"%1\" %2").arg(shown(uri), why));
    }

    const QStringList kOptions
        = { QStringLiteral("host"), QStringLiteral("port"), QStringLiteral("dbname"), QStringLiteral("user"),
              QStringLiteral("sslmode"), QStringLiteral("connect_timeout"), QStringLiteral("application_name") };

    // What an option of kOptions takes when value is not that ("a port
    // number"); empty text when it takes the value.
    QString expectedValue(const QString& name, const QString& value)
    {
        if (name == QLatin1String("port") && !isWholeNumber(value, 65535))
            return Tr::tr("a port number");
        if (name == QLatin1String("sslmode") && !kSslModes.contains(value))
            return Tr::tr("one of %1").arg(kSslModes.join(QStringLiteral(", ")));
        if (name == QLatin1String("connect_timeout") && !isWholeNumber(value, 3600))
            return Tr::tr("a number of seconds");
        static const QRegularExpression syntax(QStringLiteral("[='\"\\\\;\\x00-\\x1f]"));
        if (name == QLatin1String("application_name") && value.contains(syntax))
            return Tr::tr("a plain name without = ' \" \\ or ;");
        return {};
    }

    // An option name as messages show it: the letters it begins with. However
    // it was written ("pass%77ord", "password%3Ds3cret"), what follows may be
    // a password.
    QString shownName(const QString& name)
    {
        qsizetype n = 0;
        while (n < name.size() && (name.at(n).isLetterOrNumber() || name.at(n) == QLatin1Char('_')))
            ++n;
        return name.left(n);
    }

    // A value refused as a whole: what follows its first "=" may be a password.
    QString shownValue(const QString& value)
    {
        const qsizetype eq = value.indexOf(QLatin1Char('='));
        return eq < 0 ? value : value.left(eq + 1) + QStringLiteral("***");
    }

    QString decoded(const QString& text) { return QUrl::fromPercentEncoding(text.toUtf8()); }

} // namespace

QString shown(const QString& location)
{
    if (!isLocation(location))
        return location;
    QString text = location;
    // The user and password come between "//" and the last "@" of the
    // authority (of the whole text when it is no valid address): the user
    // stays, whatever follows its ":" does not.
    const qsizetype start = text.indexOf(QLatin1String("//")) + 2;
    qsizetype end = text.size();
    if (QUrl(location, QUrl::StrictMode).isValid()) {
        static const QRegularExpression authorityEnd(QStringLiteral("[/?#]"));
        const qsizetype found = text.indexOf(authorityEnd, start);
        end = found < 0 ? text.size() : found;
    }
    qsizetype at = text.lastIndexOf(QLatin1Char('@'), end - 1);
    if (at >= start) {
        const qsizetype colon = text.indexOf(QLatin1Char(':'), start);
        if (colon >= 0 && colon < at) {
            text.replace(colon + 1, at - colon - 1, QStringLiteral("***"));
            at = colon + 4;
        }
    }
    // Options: only one that parse() takes with the value it has is shown
    // as written; any other keeps its name and hides its value.
    const qsizetype query = text.indexOf(QLatin1Char('?'), qMax(start, at + 1));
    if (query < 0)
        return text;
    QStringList items = text.mid(query + 1).split(QLatin1Char('&'));
    for (QString& item : items) {
        const qsizetype eq = item.indexOf(QLatin1Char('='));
        const QString name = decoded(eq < 0 ? item : item.left(eq));
        if (eq >= 0 && kOptions.contains(name) && expectedValue(name, decoded(item.mid(eq + 1))).isEmpty())
            continue;
        const QString kept = shownName(name);
        item = kept + (kept == item ? QString() : QStringLiteral("=***"));
    }
    return text.left(query + 1) + items.join(QLatin1Char('&'));
}

Location parse(const QString& uri)
{
    const QUrl url(uri, QUrl::StrictMode);
    if (!url.isValid() || !isLocation(uri))
        refuse(uri, Tr::tr("is not a valid postgresql:// address."));
    const QString passwordAdvice = Tr::tr("holds a password. Passwords do not belong in config.txt: put it "
                                          "in the PostgreSQL password file (~/.pgpass) instead.");
    if (!url.password().isEmpty())
        refuse(uri, passwordAdvice);
    Location l;
    l.host = url.host();
    l.port = url.port(5432);
    l.user = url.userName();
    l.database = url.path().mid(1);
    const QList<QPair<QString, QString>> items = QUrlQuery(url).queryItems(QUrl::FullyDecoded);
    for (const auto& [name, value] : items) {
        if (name == QLatin1String("password"))
            refuse(uri, passwordAdvice);
        if (!kOptions.contains(name))
            refuse(uri,
                Tr::tr("holds the option \"%1\", which Pewlark does not use. An address may "
                       "give host, port, dbname, user, sslmode, connect_timeout and "
                       "application_name.")
                    .arg(shownName(name)));
        const QString expected = expectedValue(name, value);
        if (!expected.isEmpty())
            refuse(uri,
                Tr::tr("gives the option \"%1\" the value \"%2\"; it takes %3.")
                    .arg(name, shownValue(value), expected));
        if (name == QLatin1String("host")) { // a socket folder given as an option
            l.host = value;
        } else if (name == QLatin1String("port")) {
            l.port = value.toInt();
        } else if (name == QLatin1String("user")) {
            l.user = value;
        } else if (name == QLatin1String("dbname")) {
            l.database = value;
        } else {
            l.options.append(name + QLatin1Char('=') + value);
        }
    }
    if (l.database.isEmpty())
        refuse(uri, Tr::tr("names no database."));
    return l;
}

QString connectOptions(const Location& location)
{
    // The driver passes these on as they are written; each value is quoted
    // so that it stays one value.
    QStringList options;
    bool timeoutGiven = false;
    for (const QString& option : location.options) {
        const qsizetype eq = option.indexOf(QLatin1Char('='));
        options.append(option.left(eq) + QLatin1Char('=') + quoted(option.mid(eq + 1)));
        timeoutGiven = timeoutGiven || option.startsWith(QLatin1String("connect_timeout="));
    }
    if (!timeoutGiven)
        options.append(QStringLiteral("connect_timeout=%1").arg(kConnectTimeoutSeconds));
    return options.join(QLatin1Char(';'));
}

void configure(QSqlDatabase& connection, const Location& location)
{
    connection.setHostName(location.host);
    connection.setPort(location.port);
    connection.setUserName(location.user);
    connection.setDatabaseName(location.database);
    connection.setConnectOptions(connectOptions(location));
}

DbError error(const QSqlError& error, const QString& display)
{
    QString text = error.databaseText().trimmed();
    if (text.isEmpty())
        text = error.text().trimmed();
    // The server starts its messages with their severity; the words after it
    // are the message.
    static const QRegularExpression severity(QStringLiteral("^(ERROR|FATAL|PANIC):\\s+"));
    text.remove(severity);
    const QString state = error.nativeErrorCode();
    const QString lower = text.toLower();
    auto make = [&](DbError::Kind kind, const QString& message) { return DbError(kind, message, text); };
    if (state == QLatin1String("55P03") || state == QLatin1String("40P01") || state == QLatin1String("40001"))
        return make(DbError::Kind::Locked,
            Tr::tr("%1 is in use: another program or workstation is writing to it. Wait a moment, then "
                   "try again.")
                .arg(capitalised(display)));
    if (state == QLatin1String("25006") || state.startsWith(QLatin1String("42501")))
        return make(DbError::Kind::ReadOnly,
            Tr::tr("%1 cannot be changed: the server accepts only reading, or this login may not "
                   "write. Ask whoever looks after the server.")
                .arg(capitalised(display)));
    if (state == QLatin1String("53100"))
        return make(DbError::Kind::DiskFull,
            Tr::tr("The server's disk is full, so %1 cannot be changed. Ask whoever looks after the "
                   "server to free some space.")
                .arg(display));
    if (state.startsWith(QLatin1String("XX")))
        return make(DbError::Kind::Damaged,
            Tr::tr("The server reports that %1 is damaged. Ask whoever looks after the server to "
                   "restore a backup.")
                .arg(display));
    // libpq gives up on a server that took the connection and never
    // answered (a stuck or overloaded server, a port that swallows traffic).
    if (lower.contains(QLatin1String("timeout expired")))
        return make(DbError::Kind::Io,
            Tr::tr("%1 did not answer: its server took the connection but sent no reply in time. The server "
                   "may be busy, stuck or still starting; wait a moment and try again, and if it keeps "
                   "happening ask whoever looks after the server to check it.")
                .arg(capitalised(display)));
    if (state.startsWith(QLatin1String("08")) || state == QLatin1String("57P01")
        || lower.contains(QLatin1String("could not connect")) || lower.contains(QLatin1String("connection refused"))
        || lower.contains(QLatin1String("server closed the connection"))
        || lower.contains(QLatin1String("could not translate host name")))
        return make(DbError::Kind::Io,
            Tr::tr("%1 cannot be reached: its server does not answer. Check that the server is running "
                   "and that this computer is on the network, then try again.")
                .arg(capitalised(display)));
    if (state == QLatin1String("28P01") || state == QLatin1String("28000")
        || lower.contains(QLatin1String("password authentication failed"))
        || lower.contains(QLatin1String("no password supplied")))
        return make(DbError::Kind::Other,
            Tr::tr("The server refused the login to %1. Check the user name in config.txt and the "
                   "password in the PostgreSQL password file (~/.pgpass).")
                .arg(display));
    if (state == QLatin1String("3D000")
        || (lower.contains(QLatin1String("does not exist")) && lower.contains(QLatin1String("database"))))
        return make(DbError::Kind::Other, Tr::tr("%1 does not exist.").arg(capitalised(display)));
    return DbError(text);
}

namespace {

    // "?" outside quoted text and names becomes $1, $2, ...
    QByteArray numberedPlaceholders(const QString& sql)
    {
        QString out;
        out.reserve(sql.size() + 16);
        QChar quote;
        int number = 0;
        for (const QChar c : sql) {
            if (!quote.isNull()) {
                if (c == quote)
                    quote = QChar();
            } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
                quote = c;
            } else if (c == QLatin1Char('?')) {
                out += QLatin1Char('$') + QString::number(++number);
                continue;
            }
            out += c;
        }
        return out.toUtf8();
    }

    // A value as the server reads it in text form; Null stays a null pointer.
    QByteArray textValue(const QVariant& value, bool* isNull)
    {
        *isNull = value.isNull();
        if (*isNull)
            return {};
        switch (value.typeId()) {
        case QMetaType::Bool:
            return value.toBool() ? QByteArrayLiteral("1") : QByteArrayLiteral("0");
        case QMetaType::Double:
        case QMetaType::Float:
            return QByteArray::number(value.toDouble(), 'g', 17);
        case QMetaType::QDate:
            return value.toDate().toString(Qt::ISODate).toUtf8();
        case QMetaType::QDateTime:
            return value.toDateTime().toString(Qt::ISODate).toUtf8();
        default:
            return value.toString().toUtf8();
        }
    }

    class ResultRow : public RowView {
    public:
        explicit ResultRow(const PGresult* result)
            : m_result(result)
        {
        }
        int row = 0;
        bool isNull(int column) const override { return PQgetisnull(m_result, row, column); }
        QString text(int column) const override
        {
            return QString::fromUtf8(PQgetvalue(m_result, row, column), PQgetlength(m_result, row, column));
        }
        qint64 integer(int column) const override
        {
            const char* value = PQgetvalue(m_result, row, column);
            return value ? std::strtoll(value, nullptr, 10) : 0;
        }
        QByteArrayView utf8(int column) const override
        {
            return QByteArrayView(PQgetvalue(m_result, row, column), PQgetlength(m_result, row, column));
        }

    private:
        const PGresult* m_result;
    };

} // namespace

void scan(QSqlDatabase& connection, const QString& display, const QString& sql, const QVariantList& params,
    const std::function<void(const RowView&)>& f)
{
    const QVariant handle = connection.driver()->handle();
    PGconn* conn = handle.isValid()
            && (qstrcmp(handle.typeName(), "PGconn*") == 0 || qstrcmp(handle.typeName(), "pg_conn*") == 0)
        ? *static_cast<PGconn* const*>(handle.data())
        : nullptr;
    if (!conn)
        throw DbError(Tr::tr("The database driver gave no PostgreSQL connection."));
    std::vector<QByteArray> texts(params.size());
    std::vector<const char*> values(params.size());
    for (qsizetype i = 0; i < params.size(); ++i) {
        bool isNull = false;
        texts[i] = textValue(params.at(i), &isNull);
        values[i] = isNull ? nullptr : texts[i].constData();
    }
    const QByteArray statement = numberedPlaceholders(sql);
    PGresult* result
        = PQexecParams(conn, statement.constData(), int(values.size()), nullptr, values.data(), nullptr, nullptr, 0);
    const std::unique_ptr<PGresult, void (*)(PGresult*)> owner(result, PQclear);
    if (PQresultStatus(result) != PGRES_TUPLES_OK) {
        const char* state = PQresultErrorField(result, PG_DIAG_SQLSTATE);
        const char* primary = PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY);
        const QString text
            = primary ? QString::fromUtf8(primary) : QString::fromUtf8(PQresultErrorMessage(result)).trimmed();
        throw error(QSqlError(text, text, QSqlError::StatementError, QString::fromLatin1(state ? state : "")), display);
    }
    ResultRow row(result);
    const int rows = PQntuples(result);
    for (row.row = 0; row.row < rows; ++row.row)
        f(row);
}

QString tableDefinition(const QString& sqliteDefinition)
{
    QString ddl = sqliteDefinition;
    // A phase's order and weeks are numbers that may hold a fraction in an
    // older church's data (the next step rounds the weeks); the rest of the
    // whole-number columns are identifiers and yes/no values.
    ddl.replace(QStringLiteral("PhaseOrder INTEGER"), QStringLiteral("PhaseOrder DOUBLE PRECISION"));
    ddl.replace(QStringLiteral("TimePeriod INTEGER"), QStringLiteral("TimePeriod DOUBLE PRECISION"));
    if (ddl.contains(QLatin1String("INTEGER PRIMARY KEY AUTOINCREMENT"))) {
        ddl.replace(QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT"),
            QStringLiteral("BIGINT GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY"));
    } else {
        // Tables without an identifier get the storage-order key SQLite
        // gives every table, under the same name, so a statement that
        // picks "the first row" or one of two equal rows reads alike on
        // both engines. It comes last, so a row written without a column
        // list fills the table's own columns.
        const int close = ddl.lastIndexOf(QLatin1Char(')'));
        if (close > 0)
            ddl.insert(close, QStringLiteral(", rowid BIGINT GENERATED ALWAYS AS IDENTITY UNIQUE"));
    }
    ddl.replace(QRegularExpression(QStringLiteral("\\bINTEGER\\b")), QStringLiteral("BIGINT"));
    ddl.replace(QRegularExpression(QStringLiteral("\\bREAL\\b")), QStringLiteral("DOUBLE PRECISION"));
    return ddl;
}

namespace {

    // The tables whose every change other workstations' cached lists must
    // notice: the people and everything a pick list shows.
    const char* const kCountedTables[] = { "Member", "Member_Responsibility", "Responsibilities", "Sunday_School",
        "Discipleship_Training", "Wednesday_Night", "Care_Group", "Outreach_Phase", "MemberStatus", "ChurchStatus",
        "ProspectStatus", "Titles", "State", "AttendanceLevels", "Relationships", "Prospect_Action",
        "Prospect_Contact_Rating", "UserType" };

    // The tables whose identifiers come from a sequence.
    const char* const kIdentityTables[]
        = { "Member", "Prospect_Contact", "Sunday_School", "Discipleship_Training", "Wednesday_Night", "Care_Group" };

} // namespace

void createSupport(Database& db)
{
    // Text compared and sorted without regard to letter case, accents
    // still counting, in every alphabet: the names of the shared SQL.
    db.exec(QStringLiteral("CREATE COLLATION pw_nocase (provider = icu, locale = 'und-u-ks-level2', "
                           "deterministic = false)"));
    // Case folded by ICU's rules for every alphabet, whatever the
    // database's own character settings (a "C" database folds ASCII only).
    db.exec(QStringLiteral("CREATE FUNCTION pw_fold(t text) RETURNS text LANGUAGE sql IMMUTABLE PARALLEL SAFE AS "
                           "$$ SELECT lower(normalize(t, NFC) COLLATE \"und-x-icu\") $$"));
    db.exec(QStringLiteral("CREATE FUNCTION pw_contains(t text, part text) RETURNS boolean LANGUAGE sql IMMUTABLE "
                           "PARALLEL SAFE AS $$ SELECT strpos(pw_fold(t), pw_fold(part)) > 0 $$"));
    // The user's own wildcards: "*" any run, "?" any one character; "%", "_"
    // and the escape character are plain characters.
    db.exec(QStringLiteral(
        "CREATE FUNCTION pw_match(t text, pattern text) RETURNS boolean LANGUAGE sql IMMUTABLE PARALLEL SAFE AS "
        "$$ SELECT pw_fold(t) LIKE replace(replace(replace(replace(replace(pw_fold(pattern), '\\', '\\\\'), "
        "'%', '\\%'), '_', '\\_'), '*', '%'), '?', '_') ESCAPE '\\' $$"));
    // A row stored with an identifier of its own (an import, a copied
    // church) moves the table's sequence past it, as SQLite continues after
    // the highest identifier: a later new row never collides with it.
    db.exec(QStringLiteral("CREATE FUNCTION pw_follow_id() RETURNS trigger LANGUAGE plpgsql AS $$ "
                           "DECLARE s text := pg_get_serial_sequence(TG_TABLE_NAME, 'id'); last bigint; "
                           "BEGIN EXECUTE format('SELECT last_value FROM %s', s) INTO last; "
                           "IF NEW.id > last THEN PERFORM setval(s, NEW.id); END IF; RETURN NULL; END $$"));
    for (const char* table : kIdentityTables)
        db.exec(QStringLiteral("CREATE TRIGGER %1_Follow_Id AFTER INSERT ON %1 FOR EACH ROW "
                               "EXECUTE FUNCTION pw_follow_id()")
                    .arg(QLatin1String(table)));
    // A counter every change moves, so that each workstation knows when its
    // cached lists are stale.
    // Each connection counts its own changes in a row of its own, so that
    // workstations never wait for one another on the counter and each can
    // tell the others' changes from its own.
    db.exec(QStringLiteral("CREATE TABLE Change_Count (Connection BIGINT PRIMARY KEY, Changes BIGINT NOT NULL)"));
    db.exec(QStringLiteral("CREATE FUNCTION pw_count_change() RETURNS trigger LANGUAGE plpgsql AS "
                           "$$ BEGIN INSERT INTO Change_Count (Connection, Changes) VALUES (pg_backend_pid(), 1) "
                           "ON CONFLICT (Connection) DO UPDATE SET Changes = Change_Count.Changes + 1; "
                           "RETURN NULL; END $$"));
    for (const char* table : kCountedTables)
        db.exec(QStringLiteral("CREATE TRIGGER %1_Changes AFTER INSERT OR UPDATE OR DELETE ON %1 "
                               "FOR EACH STATEMENT EXECUTE FUNCTION pw_count_change()")
                    .arg(QLatin1String(table)));
}

bool hasTable(Database& db, const QString& table)
{
    return db.exists(QStringLiteral("SELECT 1 FROM information_schema.tables WHERE table_schema = current_schema() "
                                    "AND lower(table_name) = lower(?)"),
        { table });
}

void resetSequences(Database& db)
{
    for (const char* table : kIdentityTables) {
        const QString name = QLatin1String(table);
        db.exec(QStringLiteral("SELECT setval(pg_get_serial_sequence(?, 'id'), COALESCE(MAX(ID), 0) + 1, false) "
                               "FROM %1")
                    .arg(name),
            { name.toLower() });
    }
}

} // namespace pw::postgres
