#include "data/NewChurch.h"

#include "data/Church.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/Members.h"
#include "data/NewDatabaseFile.h"
#include "data/Passwords.h"
#include "data/Sql.h"
#include <QCoreApplication>

namespace {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(NewChurch)
};
} // namespace

namespace pw {

qint64 createEmptyDatabase(const QString& path, const QString& adminUsername, const QString& adminPassword,
    const Clock& clock, const QString& churchName)
{
    const QString username = adminUsername.trimmed();
    if (username.isEmpty())
        throw DbError(Tr::tr("The administrator needs a user name; no database was created."));
    if (adminPassword.isEmpty())
        throw DbError(Tr::tr("The administrator needs a password; no database was created."));
    const QString hashed = passwords::hash(adminPassword);

    // Whole or not at all: built beside path and renamed into place.
    NewDatabaseFile file(path);
    Database& db = file.database();
    const QDateTime now = clock.now();
    Transaction tx(db);
    MemberRecord admin;
    admin.status = QStringLiteral("Member");
    admin.firstName = username;
    admin.lastName = QStringLiteral("Administrator");
    admin.gender = QStringLiteral("Unknown");
    admin.memberActiveStatus = QStringLiteral("Active");
    admin.prospectStatus = QStringLiteral("Inactive");
    admin.dateAdded = now;
    admin.addedBy = username;
    const qint64 id = Members::insert(db, admin);
    db.exec(QStringLiteral("INSERT INTO \"User\" (Member_ID, Username, Password, Type, Inactive, DateEntered) "
                           "VALUES (?, ?, ?, ?, ?, ?)"),
        { id, username, hashed, QStringLiteral("Admin"), sql::yesNo(false), sql::date(now.date()) });
    if (!churchName.trimmed().isEmpty())
        db.exec(QStringLiteral("INSERT INTO Church (Name, KeyPressDelay) VALUES (?, ?)"),
            { churchName.trimmed(), Church::kDefaultDelay });
    tx.commit();
    file.commit();
    return id;
}

} // namespace pw
