#pragma once

// Login accounts (the User table, at most one per member) and the
// permissions granted to them (UserPermission).

#include "data/Rows.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>
#include <vector>

namespace pw {
class Database;
}

namespace pw::Users {

// The account types the program itself refers to. Only "Admin" spelled
// exactly so holds every permission.
inline const QString AdminType = QStringLiteral("Admin");
inline const QString UserType = QStringLiteral("User");

// A user name as the login reads it: the blanks around it removed.
QString loginName(const QString& typed);
// What makes two user names the same: equal for names the login cannot tell
// apart (letter case in any alphabet). Stored beside the name, unique.
QString nameKey(const QString& username);

struct Account {
    qint64 memberId = 0;
    QString username;
    QString type;
    bool inactive = false;
    QDate dateEntered;
    bool hasPassword = false;
};

// The member's account, or nothing when the member has none.
std::optional<Account> load(Database& db, qint64 memberId);

// The members that have an account, whatever their status.
QList<qint64> accountHolders(Database& db);

struct Permission {
    qint64 id = 0;
    QString name;
};

// Every permission, by name.
QVector<Permission> permissions(Database& db);
// The permissions granted to the member's account, by name.
QVector<Permission> granted(Database& db, qint64 memberId);

// True when another member's account has this user name, read as the login
// reads it and compared without regard to letter case.
bool nameTaken(Database& db, const QString& username, qint64 exceptMemberId);

// Accounts whose user names the login cannot tell apart, one list of
// "username (Last, First)" per name. A file written before user names had to
// differ may hold them; each such group needs all but one renamed.
QVector<QStringList> sharedNames(Database& db);

// The account as the user entry screen holds it.
struct AccountEdit {
    qint64 memberId = 0;
    QString username; // as typed: read as the login reads it
    QString password; // as typed: empty (or blanks) keeps the stored password
    QString type;
    bool inactive = false;
    QList<qint64> grants; // the permissions listed as granted
};

struct SaveResult {
    enum class Result {
        Added,
        Saved,
        NameTaken, // another account has the user name: nothing was written
        NoPassword, // a new account without a password: nothing was written
        LastAdmin, // the save would leave no active "Admin" account: nothing was written
        Conflicts, // another workstation changed the same values: nothing was written
    };
    Result result = Result::Saved;
    std::vector<rows::Conflict> conflicts;
};

// Saves the account in one transaction: the user name as the login reads it
// (refused when another account has it), the password hashed when one was
// typed, type and inactive flag. An "Admin" account loses every grant (it
// holds every permission without them); any other gets the grants the user
// added and loses those the user removed since loading, so that with nobody
// else at work the stored grants are exactly the listed ones. loaded is the
// account as the screen showed it (nothing for a new one): a value another
// workstation changed meanwhile stays unless this user changed it too, which
// is a conflict handled as onConflict says. A save that would leave the
// church without an active "Admin" account is refused.
SaveResult save(Database& db, const AccountEdit& mine, const std::optional<AccountEdit>& loaded, const QDate& today,
    rows::OnConflict onConflict);

// Failed logins in a row under one user name (read as the login reads it,
// letter case aside), whether or not an account has that name, and when the
// last one was. Kept in the database, so that a restart of the program or
// another workstation continues the count.
struct LoginFailures {
    int inARow = 0;
    QDateTime last; // UTC; invalid when there was none
};
LoginFailures loginFailures(Database& db, const QString& username);
// Counts one more failure at that moment; one statement, so that two
// workstations failing at once both count.
void recordLoginFailure(Database& db, const QString& username, const QDateTime& at);
// A correct login starts the count afresh.
void clearLoginFailures(Database& db, const QString& username);

// Gives every account without a name key its key, leaving it out where
// another account has the same key already (the account kept first: an
// active one, then the lowest member identifier). Returns sharedNames().
QVector<QStringList> fillNameKeys(Database& db);

} // namespace pw::Users
