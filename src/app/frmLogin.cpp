#include "app/frmLogin.h"

#include "app/Context.h"
#include "app/FormHelpers.h"
#include "app/Guard.h"
#include "app/Login.h"
#include "app/Messages.h"
#include "app/Startup.h"
#include "app/Workspace.h"
#include "ui_frmLogin.h"

namespace pw {

frmLogin::frmLogin(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::frmLogin)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("frmLogin"));
    selectAllOnFocus({ ui->txtUsername, ui->txtPassword });
    setDefaultButton(this, ui->btnLogin);
    connect(ui->btnLogin, &QPushButton::clicked, this, [this] { guarded([this] { btnLogin_clicked(); }); });
    connect(ui->btnCancel, &QPushButton::clicked, this, [this] { btnCancel_clicked(); });
    setFocusProxy(ui->txtUsername);
}

frmLogin::~frmLogin() { delete ui; }

void frmLogin::btnLogin_clicked()
{
    if (ui->txtUsername->text().isEmpty()) {
        messages().show(QStringLiteral("You must enter a username"), QStringLiteral("Invalid Username"), Icon::Warning);
        ui->txtUsername->setFocus();
        return;
    }
    const auto user = login::authenticate(ui->txtUsername->text(), ui->txtPassword->text());
    if (!user) {
        messages().show(QStringLiteral("Your username and/or password is invalid."),
            QStringLiteral("Invalid Username/Password"), Icon::Warning);
        ui->txtUsername->clear();
        ui->txtPassword->clear();
        ui->txtUsername->setFocus();
        return;
    }
    ctx().user = *user;
    emit loggedIn();
    closeScreen(this);
}

void frmLogin::btnCancel_clicked() { CloseAndExit(); }

} // namespace pw
