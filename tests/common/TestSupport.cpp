#include "TestSupport.h"

#include "data/Passwords.h"
#include "data/Sql.h"

#include <QFile>
#include <QHash>
#include <QPrinter>
#include <QTest>

namespace pw::test {

namespace {

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

TestEnv::TestEnv()
{
    const QString file = dir.filePath(QStringLiteral("test.sqlite"));
    if (!QFile::copy(templateDatabase(), file))
        throw Error(QStringLiteral("The template database could not be copied to \"%1\".").arg(file));
    database = Database::open(file, Database::OpenMode::ExistingOnly);
    // A test's file is thrown away afterwards: waiting for the disk at every
    // commit would only make the tests slow.
    database->exec(QStringLiteral("PRAGMA synchronous = OFF"));
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
}

TestEnv::~TestEnv() { ctx() = Context {}; }

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
