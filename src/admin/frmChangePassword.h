#pragma once

#include <QWidget>

namespace Ui {
class frmChangePassword;
}

namespace pw::admin {

// Window > Change My Password: the logged-in user changes the password of
// his own account, typing the old one and the new one twice.
class frmChangePassword : public QWidget {
    Q_OBJECT
public:
    explicit frmChangePassword(QWidget* parent = nullptr);
    ~frmChangePassword() override;

private:
    Ui::frmChangePassword* ui;

    void btnChange_clicked();
};

} // namespace pw::admin
