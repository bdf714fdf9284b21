// The two login accounts of the demo church: the church secretary as
// administrator, and another member who may only look people up.

#include "demo/DemoChurch.h"

#include "data/Passwords.h"
#include "data/Sql.h"
#include <QCoreApplication>

namespace {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(Accounts)
};
} // namespace

namespace pw::demo::detail {

void insertAccounts(Church& ch)
{
    // The church secretary keeps the roll as administrator; another
    // member, not a deacon, may look people up.
    const auto find = [&](const auto& fits) -> const Candidate* {
        for (const Candidate& c : ch.candidates) {
            if (fits(c))
                return &c;
        }
        return nullptr;
    };
    const Candidate* admin = find([](const Candidate& c) { return !c.male && c.age >= 30 && c.age <= 65; });
    if (!admin)
        admin = &ch.candidates.front();
    const Candidate* user = find(
        [&](const Candidate& c) { return &c != admin && !ch.deaconSet.count(c.id) && c.age >= 25 && c.age <= 70; });
    if (!user)
        user = find([&](const Candidate& c) { return &c != admin; });
    if (!user)
        throw DbError(Tr::tr("The church is too small for two login accounts."));

    giveCurrent(ch, *admin, QStringLiteral("Church Secretary"), false);
    const QString sql = QStringLiteral("INSERT INTO \"User\" (Member_ID, Username, Password, Type, Inactive, "
                                       "DateEntered) VALUES (?, ?, ?, ?, ?, ?)");
    ch.summary.adminUsername = QStringLiteral("admin");
    ch.summary.adminPassword = QStringLiteral("admin");
    ch.summary.userUsername = QStringLiteral("user");
    ch.summary.userPassword = QStringLiteral("user");
    ch.db.exec(sql,
        { admin->id, ch.summary.adminUsername, passwords::hash(ch.summary.adminPassword), QStringLiteral("Admin"),
            sql::yesNo(false), sql::date(ch.rnd.day(ch.today.addYears(-3), ch.today.addYears(-1))) });
    ch.db.exec(sql,
        { user->id, ch.summary.userUsername, passwords::hash(ch.summary.userPassword), QStringLiteral("User"),
            sql::yesNo(false), sql::date(ch.rnd.day(ch.today.addYears(-1), ch.today.addDays(-30))) });
    const QVariant memberView
        = ch.db.scalar(QStringLiteral("SELECT ID FROM Permission WHERE Name = ?"), { QStringLiteral("Member View") });
    if (!memberView.isValid())
        throw DbError(Tr::tr("The permission \"Member View\" is missing from the new database."));
    ch.db.exec(
        QStringLiteral("INSERT INTO UserPermission (MemberID, PermissionID) VALUES (?, ?)"), { user->id, memberView });
}

} // namespace pw::demo::detail
