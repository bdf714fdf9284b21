#include "TestSupport.h"

#include <QLocale>

#include "data/Passwords.h"
#include "data/Postgres.h"
#include "data/Schema.h"
#include "data/Seed.h"
#include "data/Sql.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QHash>
#include <QPrinter>
#include <QTest>

namespace pw::test {

namespace {

    // With PEWLARK_TEST_POSTGRES naming a server's maintenance database
    // (postgresql://user@host:port/postgres), every test runs on a database
    // of its own on that server, copied from a template built once per test
    // program; without it, on a file.
    QString serverBase() { return qEnvironmentVariable("PEWLARK_TEST_POSTGRES"); }

    // Creates and drops databases on the test server.
    class ServerAdmin {
    public:
        ServerAdmin()
        {
            const postgres::Location base = postgres::parse(serverBase());
            m_name = QStringLiteral("pewlark-test-admin");
            QSqlDatabase conn = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_name);
            postgres::configure(conn, base);
            if (!conn.open())
                throw postgres::error(conn.lastError(), base.display());
        }
        void run(const QString& statement)
        {
            QSqlQuery q(QSqlDatabase::database(m_name, false));
            if (!q.exec(statement))
                throw DbError(statement + QStringLiteral(": ") + q.lastError().text());
        }

    private:
        QString m_name;
    };

    ServerAdmin& admin()
    {
        static ServerAdmin instance;
        return instance;
    }

    QString programTag() { return QString::number(QCoreApplication::applicationPid()); }

    // The test program's own database on the server, made once with the
    // schema and dropped when the program ends. Each test empties it and
    // writes the seed values again, which is far quicker than a database
    // per test.
    struct ServerDatabase {
        QString name = QStringLiteral("pewlark_t_%1").arg(programTag());
        QString uri;
        ServerDatabase()
        {
            admin().run(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(name));
            admin().run(QStringLiteral("CREATE DATABASE %1 TEMPLATE template0 ENCODING 'UTF8'").arg(name));
            uri = postgres::parse(serverBase()).uriFor(name);
            Database::open(uri, Database::OpenMode::CreateNew)->close();
            // Dropped while the application and its driver are still there.
            qAddPostRoutine(&ServerDatabase::drop);
        }
        static void drop()
        {
            try {
                admin().run(QStringLiteral("DROP DATABASE IF EXISTS pewlark_t_%1 WITH (FORCE)").arg(programTag()));
            } catch (...) {
            }
        }
    };

    QStringList& extraServerDatabases()
    {
        static QStringList names;
        return names;
    }

    void dropExtraServerDatabases()
    {
        for (const QString& name : std::as_const(extraServerDatabases())) {
            try {
                admin().run(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(name));
            } catch (...) {
            }
        }
    }

    QString serverDatabase()
    {
        static ServerDatabase database;
        return database.uri;
    }

    // Puts the server database back to schema and seed values only.
    void resetServerDatabase(Database& db)
    {
        Transaction tx(db);
        db.exec(QStringLiteral("TRUNCATE ") + schema::tableNames().join(QStringLiteral(", "))
            + QStringLiteral(" RESTART IDENTITY"));
        db.exec(QStringLiteral("INSERT INTO Schema_Version (Version) VALUES (?)"), { schema::kCurrentVersion });
        seed::insertSeedValues(db);
        tx.commit();
    }

    // Schema and seed values written once per test program; each test starts
    // from a copy of this file.
    QString templateDatabase()
    {
        static QTemporaryDir folder;
        static const QString path = [] {
            const QString file = folder.filePath(QStringLiteral("template.sqlite"));
            Database::open(file, Database::OpenMode::CreateNew)->close();
            return file;
        }();
        return path;
    }

    // Hashing is slow by design; a hash made once per password and program
    // verifies like a fresh one.
    QString hashOf(const QString& password)
    {
        static QHash<QString, QString> hashes;
        auto it = hashes.find(password);
        if (it == hashes.end())
            it = hashes.insert(password, passwords::hash(password));
        return *it;
    }

} // namespace

namespace detail {

    void failMissingControl(const QObject* root, const QString& objectName, const char* type, const QObject* found)
    {
        const QString where = root ? QStringLiteral(" in %1").arg(root->objectName()) : QString();
        const QString text = found
            ? QStringLiteral("The control \"%1\"%2 is a %3, not a %4.")
                  .arg(objectName, where, QString::fromLatin1(found->metaObject()->className()),
                      QString::fromLatin1(type))
            : QStringLiteral("No control \"%1\" (%2)%3.").arg(objectName, QString::fromLatin1(type), where);
        QTest::qFail(qPrintable(text), __FILE__, __LINE__);
    }

} // namespace detail

bool onServer() { return !serverBase().isEmpty(); }

QString emptyServerDatabase(const QString& tag)
{
    const QString name = QStringLiteral("pewlark_t_%1_%2").arg(programTag(), tag);
    admin().run(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(name));
    admin().run(QStringLiteral("CREATE DATABASE %1 TEMPLATE template0 ENCODING 'UTF8'").arg(name));
    if (extraServerDatabases().isEmpty())
        qAddPostRoutine(&dropExtraServerDatabases);
    if (!extraServerDatabases().contains(name))
        extraServerDatabases().append(name);
    return postgres::parse(serverBase()).uriFor(name);
}

TestEnv::TestEnv(Where where)
{
    // Numbers, money and dates as the C locale writes them on every system
    // (Windows takes the user's locale, not LC_ALL), so the texts tests
    // compare do not depend on the machine.
    QLocale::setDefault(QLocale::c());
    if (onServer() && where == Where::Configured) {
        database = Database::open(serverDatabase(), Database::OpenMode::ExistingOnly);
        // A test's rows are thrown away afterwards.
        database->exec(QStringLiteral("SET synchronous_commit = off"));
        resetServerDatabase(*database);
    } else {
        const QString file = dir.filePath(QStringLiteral("test.sqlite"));
        if (!QFile::copy(templateDatabase(), file))
            throw Error(QStringLiteral("The template database could not be copied to \"%1\".").arg(file));
        database = Database::open(file, Database::OpenMode::ExistingOnly);
        // A test's file is thrown away afterwards: waiting for the disk at
        // every commit would only make the tests slow.
        database->exec(QStringLiteral("PRAGMA synchronous = OFF"));
    }
    Context& c = ctx();
    c = Context {};
    c.database = database.get();
    c.messages = &messages;
    c.clock = &clock;
    c.settings.databasePath = database->path();
    c.settings.pictureFolder = dir.path() + QLatin1Char('/');
    c.reportOutput = &output;
    c.printerLookup = [] { return std::shared_ptr<QPrinter>(); };
    c.printDialog = [](QPrinter&, QWidget*) { return false; };
    c.fileChooser = [this](QWidget*, const FileRequest& request) { return files.choose(request); };
    c.systemInfo = [] { return false; };
    c.settingsFile = dir.filePath(QStringLiteral("settings.ini"));
    c.desktop = &desktop;
}

TestEnv::~TestEnv()
{
    ctx() = Context {};
    // A server database lives on for the next test: nothing of this one may stay.
    for (const QString& trigger : m_serverTriggers) {
        try {
            database->exec(QStringLiteral("DROP TRIGGER IF EXISTS ") + trigger);
        } catch (...) {
        }
    }
}

void TestEnv::startIdsAt(const QString& table, qint64 next)
{
    if (database->engine() == Database::Engine::PostgreSQL) {
        database->exec(QStringLiteral("SELECT setval(pg_get_serial_sequence(?, 'id'), ?, false)"),
            { table.toLower(), next });
        return;
    }
    database->exec(QStringLiteral("DELETE FROM sqlite_sequence WHERE name = ?"), { table });
    database->exec(QStringLiteral("INSERT INTO sqlite_sequence (name, seq) VALUES (?, ?)"), { table, next - 1 });
}

void TestEnv::refuseChanges(const QString& table, const QString& event, const QString& message)
{
    static int counter = 0;
    const QString name = QStringLiteral("test_refuse_%1").arg(++counter);
    QString text = message;
    text.replace(QLatin1Char('\''), QStringLiteral("''"));
    if (database->engine() == Database::Engine::PostgreSQL) {
        database->exec(QStringLiteral("CREATE OR REPLACE FUNCTION %1() RETURNS trigger LANGUAGE plpgsql AS "
                                      "$$ BEGIN RAISE EXCEPTION '%2'; END $$")
                           .arg(name, text));
        database->exec(QStringLiteral("CREATE TRIGGER %1 BEFORE %2 ON %3 FOR EACH ROW EXECUTE FUNCTION %1()")
                           .arg(name, event, table));
        m_serverTriggers.append(name + QStringLiteral(" ON ") + table);
        return;
    }
    database->exec(QStringLiteral("CREATE TRIGGER %1 BEFORE %2 ON %3 BEGIN SELECT RAISE(ABORT, '%4'); END")
                       .arg(name, event, table, text));
}

void TestEnv::failCommitsAfterUpdating(const QString& table)
{
    static int counter = 0;
    const QString name = QStringLiteral("test_fail_commit_%1").arg(++counter);
    database->exec(QStringLiteral("CREATE OR REPLACE FUNCTION %1() RETURNS trigger LANGUAGE plpgsql AS "
                                  "$$ BEGIN RAISE EXCEPTION 'the commit failed'; END $$")
                       .arg(name));
    database->exec(QStringLiteral("CREATE CONSTRAINT TRIGGER %1 AFTER UPDATE ON %2 DEFERRABLE INITIALLY DEFERRED "
                                  "FOR EACH ROW EXECUTE FUNCTION %1()")
                       .arg(name, table));
    m_serverTriggers.append(name + QStringLiteral(" ON ") + table);
}

qint64 TestEnv::addMember(const QString& first, const QString& last, const QString& status)
{
    return database->insert(QStringLiteral("INSERT INTO Member (Status, First_Name, Middle_Name, Last_Name, Gender, "
                                           "Member_Active_Status, Prospect_Active_Status) VALUES (?, ?, '', ?, "
                                           "'Unknown', 'Active', 'Inactive')")
            + sql::returningId(),
        { status, first, last });
}

void TestEnv::addUser(
    qint64 memberId, const QString& username, const QString& password, const QString& type, bool inactive)
{
    database->exec(QStringLiteral("INSERT INTO \"User\" (Member_ID, Username, Password, Type, Inactive, DateEntered) "
                                  "VALUES (?, ?, ?, ?, ?, ?)"),
        { memberId, username, password.isEmpty() ? QString("") : hashOf(password), type, sql::yesNo(inactive),
            sql::date(QDate(2026, 1, 1)) });
}

void TestEnv::grant(qint64 memberId, const QString& permission)
{
    database->exec(QStringLiteral("INSERT INTO UserPermission (MemberID, PermissionID) "
                                  "SELECT ?, ID FROM Permission WHERE Name = ?"),
        { memberId, permission });
}

void TestEnv::loginAs(qint64 memberId, const QString& type, const QString& username)
{
    ctx().user = CurrentUser { memberId, type, username };
}

qint64 TestEnv::loginWithOnly(const QString& permission)
{
    const qint64 id = addMember(QStringLiteral("Vic"), QStringLiteral("Viewer"));
    addUser(id, QStringLiteral("user"), QStringLiteral("user"), QStringLiteral("User"));
    grant(id, permission);
    loginAs(id, QStringLiteral("User"), QStringLiteral("user"));
    return id;
}

} // namespace pw::test
