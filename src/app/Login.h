#pragma once

#include "widgets/Context.h"
#include "data/Users.h"

#include <optional>

namespace pw::login {

// Looks up an active account whose user name matches in any letter case and
// whose password matches. The user name is trimmed, the password compared by
// the password rule (data/Passwords); both are only ever bound as values, so
// quotes in them are just characters.
std::optional<CurrentUser> authenticate(const QString& username, const QString& password);

// How much longer an answer about this user name must wait, by the failures
// the database holds for it and the clock; 0 when it may come now.
qint64 remainingWaitMs(const QString& username);

// Checks the account and keeps the count: a failure is counted under the
// typed user name, a correct login clears it.
std::optional<CurrentUser> logIn(const QString& username, const QString& password);

// The logged-in user's own password, changed when oldPassword is the one
// the account has. A wrong old password counts as a failed login under the
// user's name and waits as the login does, so that a desk left logged in
// does not let anyone guess it faster.
struct PasswordChange {
    enum class Result {
        Changed,
        WrongPassword, // the old password is not the account's: nothing written
        NoPassword, // the new password is empty: nothing written
        Wait, // failed logins in a row: the answer comes after waitMs
    };
    Result result = Result::Changed;
    qint64 waitMs = 0;
};
PasswordChange changeOwnPassword(const QString& oldPassword, const QString& newPassword);

// The user name of the last login on this computer, kept in the settings
// (storedSettings()); empty when there was none.
QString lastUsername();
void rememberUsername(const QString& username);

// Failed logins in a row under one user name make the next answer about it
// wait, so that guessing passwords is slow. The first five answers come at
// once; after that each answer waits twice as long as the one before,
// starting at one second and growing to at most thirty. The count lives in
// the database (Users::LoginFailures), so that a restart or another
// workstation does not start it afresh.
class Throttle {
public:
    Throttle() = default;
    // The count as the database keeps it; times are then the wall clock's
    // milliseconds since the epoch.
    explicit Throttle(const Users::LoginFailures& stored);

    static constexpr int kFreeFailures = 5;
    static constexpr qint64 kFirstWaitMs = 1000;
    static constexpr qint64 kLongestWaitMs = 30000;

    // How long the answer after this many failures in a row waits, counted
    // from the last failure.
    static qint64 waitAfter(int failuresInARow);

    // Times are the clock's monotonic milliseconds.
    void failed(qint64 nowMs);
    void succeeded();
    int failuresInARow() const { return m_failures; }
    // How much longer an answer must wait; 0 when it may come now.
    qint64 remainingMs(qint64 nowMs) const;

private:
    int m_failures = 0;
    qint64 m_lastFailureMs = 0;
};

} // namespace pw::login
