#include "admin/frmChangePassword.h"

#include "admin/AdminRules.h"
#include "app/Login.h"
#include "app/Workspace.h"
#include "ui_frmChangePassword.h"
#include "widgets/Context.h"
#include "widgets/FormHelpers.h"
#include "widgets/Guard.h"
#include "widgets/Messages.h"

namespace pw::admin {

namespace {
    QString title() { return frmChangePassword::tr("Change My Password"); }
}

frmChangePassword::frmChangePassword(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::frmChangePassword)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("frmChangePassword"));
    ui->lblUser->setText(tr("The password of %1.").arg(ctx().user.username));
    setFocusProxy(ui->txtOldPassword);
    setDefaultButton(this, ui->btnChange);
    setCancelButton(this, ui->btnExit);
    connect(ui->btnChange, &QPushButton::clicked, this, [this] { guarded([this] { btnChange_clicked(); }); });
    connect(ui->btnExit, &QPushButton::clicked, this, [this] { closeScreen(this); });
}

frmChangePassword::~frmChangePassword() { delete ui; }

void frmChangePassword::btnChange_clicked()
{
    if (!samePasswordTwice(ui->txtNewPassword, ui->txtNewPasswordAgain))
        return;
    const login::PasswordChange change
        = login::changeOwnPassword(ui->txtOldPassword->text(), ui->txtNewPassword->text());
    switch (change.result) {
    case login::PasswordChange::Result::Changed:
        showStatus(tr("Changed the password of %1.").arg(ctx().user.username));
        closeScreen(this);
        return;
    case login::PasswordChange::Result::NoPassword:
        refuseEntry(ui->txtNewPassword, tr("Please type the new password."), title());
        return;
    case login::PasswordChange::Result::Wait: {
        const qint64 seconds = (change.waitMs + 999) / 1000;
        messages().show(tr("After several wrong passwords in a row the next try must wait: "
                           "try again in %1 %2.")
                            .arg(seconds)
                            .arg(seconds == 1 ? tr("second") : tr("seconds")),
            title(), Icon::Warning);
        return;
    }
    case login::PasswordChange::Result::WrongPassword:
        ui->txtOldPassword->clear();
        refuseEntry(ui->txtOldPassword, tr("The old password is not the password of your account."), title());
        return;
    }
}

} // namespace pw::admin
