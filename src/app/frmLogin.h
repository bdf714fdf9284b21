#pragma once

#include "app/Login.h"

#include <QWidget>
#include <memory>

class QTimer;

namespace Ui {
class frmLogin;
}

namespace pw {

// The login window: checks the account, sets the current-user values and
// tells the main window to unlock its commands. After five failed logins in
// a row under a user name it waits before each answer about that name
// (login::Throttle, counted in the database) and says so. It offers the
// user name of the last login on this computer.
class frmLogin : public QWidget {
    Q_OBJECT
public:
    explicit frmLogin(QWidget* parent = nullptr);
    ~frmLogin() override;

signals:
    void loggedIn();

private:
    Ui::frmLogin* ui;
    QTimer* m_waitTimer;

    void btnLogin_clicked();
    void btnCancel_clicked();
    // Checks the typed account and answers.
    void answer();
    // While an answer waits: the clock is read again, the pause shown, and
    // the answer given once the pause is over.
    void waitTick();
    void setWaiting(bool waiting, qint64 remainingMs = 0);
};

} // namespace pw
