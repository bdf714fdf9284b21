#include "data/Users.h"

#include "data/Database.h"
#include "data/Lookups.h"
#include "data/Passwords.h"
#include "data/Sql.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <QSqlQuery>
#include <algorithm>

namespace {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(Users)
};
} // namespace

namespace pw::Users {

namespace {

    // The account's own columns that the screen edits; the name key follows
    // Username and the password is written only when one was typed.
    const rows::Table& accountTable()
    {
        static const rows::Table table { QStringLiteral("\"User\""), QStringLiteral("Member_ID"),
            { { QStringLiteral("Username"), rows::Kind::Text }, { QStringLiteral("Type"), rows::Kind::Text },
                { QStringLiteral("Inactive"), rows::Kind::Number } },
            [](Database&, const rows::Values& loaded) {
                return Tr::tr("the account \"%1\"").arg(loaded.value(QStringLiteral("Username")).toString());
            } };
        return table;
    }

    rows::Values valuesOf(const AccountEdit& a)
    {
        return { { QStringLiteral("Username"), loginName(a.username) }, { QStringLiteral("Type"), a.type },
            { QStringLiteral("Inactive"), a.inactive ? 1 : 0 } };
    }

    QVector<Permission> permissionRows(Database& db, const QString& sqlText, const QVariantList& params)
    {
        QVector<Permission> out;
        db.forEach(sqlText, params, [&out](const QSqlQuery& q) {
            out.append({ sql::toId(q.value(0)), sql::toText(q.value(1)) });
        });
        return out;
    }

    int activeAdmins(Database& db)
    {
        return db.scalar(QStringLiteral("SELECT COUNT(*) FROM \"User\" WHERE Type = ? AND Inactive = 0"), { AdminType })
            .toInt();
    }

    // The grants after the save: the other workstation's set, with this
    // user's additions and removals since loading applied to it.
    QList<qint64> mergedGrants(const QList<qint64>& loaded, const QList<qint64>& mine, const QList<qint64>& theirs)
    {
        const QSet<qint64> before(loaded.begin(), loaded.end());
        const QSet<qint64> after(mine.begin(), mine.end());
        QSet<qint64> result(theirs.begin(), theirs.end());
        result -= (before - after);
        result += (after - before);
        QList<qint64> out(result.begin(), result.end());
        std::sort(out.begin(), out.end());
        return out;
    }

    void setNameKey(Database& db, qint64 memberId, const QString& username)
    {
        db.exec(QStringLiteral("UPDATE \"User\" SET Username_Key = ? WHERE Member_ID = ?"),
            { nameKey(username), memberId });
    }

    // An account left without its key (its name was shared when keys came in)
    // gets it as soon as no other account holds it.
    void fillKeyWhenFree(Database& db, qint64 memberId)
    {
        const QString name = sql::toText(
            db.scalar(QStringLiteral("SELECT Username FROM \"User\" WHERE Member_ID = ? AND Username_Key IS NULL"),
                { memberId }));
        if (name.isEmpty())
            return;
        const QString key = nameKey(name);
        db.exec(QStringLiteral("UPDATE \"User\" SET Username_Key = ? WHERE Member_ID = ? AND Username_Key IS NULL "
                               "AND NOT EXISTS (SELECT 1 FROM \"User\" WHERE Username_Key = ?)"),
            { key, memberId, key });
    }

} // namespace

QString loginName(const QString& typed) { return typed.trimmed(); }

QString nameKey(const QString& username) { return sql::equalityKey(loginName(username)); }

std::optional<Account> load(Database& db, qint64 memberId)
{
    QSqlQuery q = db.exec(QStringLiteral("SELECT Username, Type, Inactive, DateEntered, Password FROM \"User\" "
                                         "WHERE Member_ID = ? ORDER BY rowid LIMIT 1"),
        { memberId });
    if (!q.next())
        return std::nullopt;
    return Account { memberId, sql::toText(q.value(0)), sql::toText(q.value(1)), sql::toYesNo(q.value(2)),
        sql::toDate(q.value(3)), !sql::toText(q.value(4)).isEmpty() };
}

QList<qint64> accountHolders(Database& db) { return db.ids(QStringLiteral("SELECT Member_ID FROM \"User\"")); }

QVector<Permission> permissions(Database& db)
{
    return permissionRows(db,
        QStringLiteral("SELECT ID, Name FROM Permission ORDER BY %1, ID").arg(sql::orderText(QStringLiteral("Name"))),
        {});
}

QVector<Permission> granted(Database& db, qint64 memberId)
{
    return permissionRows(db,
        QStringLiteral("SELECT Permission.ID, Permission.Name FROM UserPermission JOIN Permission "
                       "ON UserPermission.PermissionID = Permission.ID WHERE UserPermission.MemberID = ? "
                       "GROUP BY Permission.ID ORDER BY %1, Permission.ID")
            .arg(sql::orderText(QStringLiteral("Permission.Name"))),
        { memberId });
}

bool nameTaken(Database& db, const QString& username, qint64 exceptMemberId)
{
    return db.exists(QStringLiteral("SELECT 1 FROM \"User\" WHERE ") + sql::textEquals(QStringLiteral("Username"))
            + QStringLiteral(" AND Member_ID <> ?"),
        { loginName(username), exceptMemberId });
}

QVector<QStringList> sharedNames(Database& db)
{
    QHash<QString, QStringList> byKey;
    QStringList order;
    db.forEach(QStringLiteral("SELECT \"User\".Username, Member.Last_Name, Member.First_Name FROM \"User\" "
                              "LEFT JOIN Member ON Member.ID = \"User\".Member_ID ORDER BY \"User\".Member_ID"),
        {}, [&](const QSqlQuery& q) {
            const QString name = sql::toText(q.value(0));
            const QString key = nameKey(name);
            if (!byKey.contains(key))
                order.append(key);
            byKey[key].append(
                QStringLiteral("\"%1\" (%2)").arg(name, leaderName(sql::toText(q.value(1)), sql::toText(q.value(2)))));
        });
    QVector<QStringList> out;
    for (const QString& key : order)
        if (byKey.value(key).size() > 1)
            out.append(byKey.value(key));
    return out;
}

SaveResult save(Database& db, const AccountEdit& mine, const std::optional<AccountEdit>& loaded, const QDate& today,
    rows::OnConflict onConflict)
{
    SaveResult result;
    Transaction tx(db);
    const QString username = loginName(mine.username);
    const QString password = passwords::normalised(mine.password);
    const bool exists = db.exists(QStringLiteral("SELECT 1 FROM \"User\" WHERE Member_ID = ?"), { mine.memberId });
    const int adminsBefore = activeAdmins(db);
    const bool nameChanged = !loaded || loginName(loaded->username) != username;
    if ((!exists || nameChanged) && nameTaken(db, username, mine.memberId)) {
        result.result = SaveResult::Result::NameTaken;
        return result;
    }

    try {
        if (!exists) {
            if (password.isEmpty()) {
                result.result = SaveResult::Result::NoPassword;
                return result;
            }
            db.exec(QStringLiteral("INSERT INTO \"User\" (Member_ID, Username, Username_Key, Password, Type, "
                                   "Inactive, DateEntered) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                { mine.memberId, username, nameKey(username), passwords::hash(mine.password), sql::text(mine.type),
                    sql::yesNo(mine.inactive), sql::date(today) });
            result.result = SaveResult::Result::Added;
        } else {
            const rows::Values before = loaded ? valuesOf(*loaded) : rows::Values();
            const rows::Outcome outcome
                = rows::saveEdited(db, accountTable(), mine.memberId, before, valuesOf(mine), onConflict);
            if (outcome.result == rows::Outcome::Result::Conflicts) {
                result.result = SaveResult::Result::Conflicts;
                result.conflicts = outcome.conflicts;
                return result;
            }
            if (outcome.written.contains(QStringLiteral("Username")))
                setNameKey(db, mine.memberId, username);
            else
                fillKeyWhenFree(db, mine.memberId);
            if (!password.isEmpty())
                db.exec(QStringLiteral("UPDATE \"User\" SET Password = ? WHERE Member_ID = ?"),
                    { passwords::hash(mine.password), mine.memberId });
        }
    } catch (const DbError&) {
        // The unique name key refused a name another workstation took
        // between the test above and the write.
        if (nameTaken(db, username, mine.memberId)) {
            result.result = SaveResult::Result::NameTaken;
            return result;
        }
        throw;
    }

    const QString type
        = sql::toText(db.scalar(QStringLiteral("SELECT Type FROM \"User\" WHERE Member_ID = ?"), { mine.memberId }));
    const QList<qint64> theirs = db.ids(
        QStringLiteral("SELECT DISTINCT PermissionID FROM UserPermission WHERE MemberID = ?"), { mine.memberId });
    const QList<qint64> grants = type == AdminType
        ? QList<qint64>()
        : mergedGrants(loaded ? loaded->grants : QList<qint64>(), mine.grants, theirs);
    db.exec(QStringLiteral("DELETE FROM UserPermission WHERE MemberID = ?"), { mine.memberId });
    for (qint64 id : grants)
        db.exec(
            QStringLiteral("INSERT INTO UserPermission (MemberID, PermissionID) VALUES (?, ?)"), { mine.memberId, id });

    if (adminsBefore > 0 && activeAdmins(db) == 0) {
        result.result = SaveResult::Result::LastAdmin;
        return result; // rolled back: nothing written
    }
    tx.commit();
    return result;
}

LoginFailures loginFailures(Database& db, const QString& username)
{
    QSqlQuery q = db.exec(QStringLiteral("SELECT Failures, Last_Failure FROM Login_Failure WHERE Username_Key = ?"),
        { nameKey(username) });
    if (!q.next())
        return {};
    QDateTime last = QDateTime::fromString(sql::toText(q.value(1)), Qt::ISODateWithMs);
    last.setTimeSpec(Qt::UTC);
    return { q.value(0).toInt(), last };
}

void recordLoginFailure(Database& db, const QString& username, const QDateTime& at)
{
    const QString when = at.toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz"));
    db.exec(QStringLiteral("INSERT INTO Login_Failure (Username_Key, Failures, Last_Failure) VALUES (?, 1, ?) "
                           "ON CONFLICT (Username_Key) DO UPDATE SET Failures = Login_Failure.Failures + 1, "
                           "Last_Failure = excluded.Last_Failure"),
        { nameKey(username), when });
}

void clearLoginFailures(Database& db, const QString& username)
{
    db.exec(QStringLiteral("DELETE FROM Login_Failure WHERE Username_Key = ?"), { nameKey(username) });
}

QVector<QStringList> fillNameKeys(Database& db)
{
    struct Row {
        qint64 rowid;
        qint64 memberId;
        bool inactive;
        QString key;
        bool hasKey;
    };
    QVector<Row> rows;
    QSet<QString> taken;
    db.forEach(QStringLiteral("SELECT rowid, Member_ID, Inactive, Username, Username_Key FROM \"User\""), {},
        [&](const QSqlQuery& q) {
            const bool hasKey = !q.value(4).isNull();
            if (hasKey)
                taken.insert(sql::toText(q.value(4)));
            rows.append({ q.value(0).toLongLong(), sql::toId(q.value(1)), sql::toYesNo(q.value(2)),
                nameKey(sql::toText(q.value(3))), hasKey });
        });
    std::sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
        if (a.inactive != b.inactive)
            return !a.inactive;
        return a.memberId != b.memberId ? a.memberId < b.memberId : a.rowid < b.rowid;
    });
    for (const Row& r : rows) {
        if (r.hasKey || taken.contains(r.key))
            continue;
        taken.insert(r.key);
        db.exec(QStringLiteral("UPDATE \"User\" SET Username_Key = ? WHERE rowid = ?"), { r.key, r.rowid });
    }
    return sharedNames(db);
}

} // namespace pw::Users
