#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class frmLogin;
}

namespace pw {

// The login window: checks the account, sets the current-user values and
// tells the main window to unlock its commands.
class frmLogin : public QWidget {
    Q_OBJECT
public:
    explicit frmLogin(QWidget* parent = nullptr);
    ~frmLogin() override;

signals:
    void loggedIn();

private:
    Ui::frmLogin* ui;

    void btnLogin_clicked();
    void btnCancel_clicked();
};

} // namespace pw
