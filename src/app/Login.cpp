#include "app/Login.h"

#include "data/Clock.h"
#include "data/Database.h"
#include "data/Passwords.h"
#include "data/Sql.h"
#include "data/Users.h"

#include <QSettings>
#include <QSqlQuery>

namespace pw::login {

std::optional<CurrentUser> authenticate(const QString& username, const QString& password)
{
    const QString name = Users::loginName(username);
    QSqlQuery rows = db().exec(QStringLiteral("SELECT Member_ID, Type, Username, Password FROM \"User\" WHERE ")
            + sql::textEquals(QStringLiteral("Username")) + QStringLiteral(" AND Inactive <> 1 ORDER BY Member_ID"),
        { name });
    while (rows.next()) {
        if (passwords::verify(sql::toText(rows.value(3)), password))
            return CurrentUser { sql::toId(rows.value(0)), sql::toText(rows.value(1)), sql::toText(rows.value(2)) };
    }
    return std::nullopt;
}

qint64 remainingWaitMs(const QString& username)
{
    return Throttle(Users::loginFailures(db(), username)).remainingMs(clock().now().toMSecsSinceEpoch());
}

std::optional<CurrentUser> logIn(const QString& username, const QString& password)
{
    std::optional<CurrentUser> user = authenticate(username, password);
    if (user)
        Users::clearLoginFailures(db(), username);
    else
        Users::recordLoginFailure(db(), username, clock().now());
    return user;
}

PasswordChange changeOwnPassword(const QString& oldPassword, const QString& newPassword)
{
    const CurrentUser me = ctx().user;
    if (passwords::normalised(newPassword).isEmpty())
        return { PasswordChange::Result::NoPassword, 0 };
    if (const qint64 wait = remainingWaitMs(me.username); wait > 0)
        return { PasswordChange::Result::Wait, wait };
    const std::optional<CurrentUser> checked = authenticate(me.username, oldPassword);
    if (!checked || checked->id != me.id) {
        Users::recordLoginFailure(db(), me.username, clock().now());
        return { PasswordChange::Result::WrongPassword, 0 };
    }
    Transaction tx(db());
    db().exec(QStringLiteral("UPDATE \"User\" SET Password = ? WHERE Member_ID = ?"),
        { passwords::hash(newPassword), me.id });
    Users::clearLoginFailures(db(), me.username);
    tx.commit();
    return { PasswordChange::Result::Changed, 0 };
}

namespace {
    const QString kLastUsername = QStringLiteral("Login/LastUsername");
}

QString lastUsername() { return storedSettings()->value(kLastUsername).toString(); }

void rememberUsername(const QString& username) { storedSettings()->setValue(kLastUsername, username); }

} // namespace pw::login

namespace pw::login {

Throttle::Throttle(const Users::LoginFailures& stored)
    : m_failures(stored.inARow)
    , m_lastFailureMs(stored.last.isValid() ? stored.last.toMSecsSinceEpoch() : 0)
{
}

qint64 Throttle::waitAfter(int failuresInARow)
{
    if (failuresInARow < kFreeFailures)
        return 0;
    // Doubling stops well before the shift could overflow.
    const int doublings = qMin(failuresInARow - kFreeFailures, 16);
    return qMin(kFirstWaitMs << doublings, kLongestWaitMs);
}

void Throttle::failed(qint64 nowMs)
{
    ++m_failures;
    m_lastFailureMs = nowMs;
}

void Throttle::succeeded() { m_failures = 0; }

qint64 Throttle::remainingMs(qint64 nowMs) const
{
    const qint64 wait = waitAfter(m_failures);
    if (wait == 0)
        return 0;
    // A clock that went backwards (it should not) never makes the wait longer.
    const qint64 waited = qMax<qint64>(0, nowMs - m_lastFailureMs);
    return qMax<qint64>(0, wait - waited);
}

} // namespace pw::login
