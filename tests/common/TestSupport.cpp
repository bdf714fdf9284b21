#include "TestSupport.h"

#include "data/Passwords.h"
#include "data/Sql.h"

namespace pw::test {

TestEnv::TestEnv()
{
    database = Database::open(dir.filePath(QStringLiteral("test.sqlite")), Database::OpenMode::CreateNew);
    Context& c = ctx();
    c = Context {};
    c.database = database.get();
    c.messages = &messages;
    c.clock = &clock;
    c.settings.databasePath = database->path();
    c.settings.pictureFolder = dir.path() + QLatin1Char('/');
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
        { memberId, username, password.isEmpty() ? QString("") : passwords::hash(password), type, sql::yesNo(inactive),
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
