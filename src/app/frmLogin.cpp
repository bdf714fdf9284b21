#include "app/frmLogin.h"

#include "app/Startup.h"
#include "app/Workspace.h"
#include "data/Clock.h"
#include "data/Users.h"
#include "ui_frmLogin.h"
#include "widgets/Context.h"
#include "widgets/FormHelpers.h"
#include "widgets/Guard.h"
#include "widgets/Messages.h"

#include <QMdiSubWindow>
#include <QTimer>

namespace pw {

namespace {
    // How often a waiting answer looks at the clock again.
    constexpr int kWaitTickMs = 200;
}

frmLogin::frmLogin(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::frmLogin)
    , m_waitTimer(new QTimer(this))
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("frmLogin"));
    selectAllOnFocus({ ui->txtUsername, ui->txtPassword });
    setDefaultButton(this, ui->btnLogin);
    connect(ui->btnLogin, &QPushButton::clicked, this, [this] { guarded([this] { btnLogin_clicked(); }); });
    connect(ui->btnCancel, &QPushButton::clicked, this, [this] { btnCancel_clicked(); });
    m_waitTimer->setInterval(kWaitTickMs);
    connect(m_waitTimer, &QTimer::timeout, this, [this] { waitTick(); });
    // The user name last used on this computer is offered, so the user
    // types the password alone.
    ui->txtUsername->setText(login::lastUsername());
    setFocusProxy(ui->txtUsername->text().isEmpty() ? ui->txtUsername : ui->txtPassword);
}

frmLogin::~frmLogin() { delete ui; }

void frmLogin::btnLogin_clicked()
{
    if (m_waitTimer->isActive())
        return;
    if (ui->txtUsername->text().isEmpty()) {
        messages().show(tr("You must enter a username"), tr("Invalid Username"), Icon::Warning);
        ui->txtUsername->setFocus();
        return;
    }
    const qint64 remaining = login::remainingWaitMs(ui->txtUsername->text());
    if (remaining > 0) {
        setWaiting(true, remaining);
        m_waitTimer->start();
        return;
    }
    answer();
}

void frmLogin::answer()
{
    const auto user = login::logIn(ui->txtUsername->text(), ui->txtPassword->text());
    if (!user) {
        messages().show(
            tr("Your username and/or password is invalid."), tr("Invalid Username/Password"), Icon::Warning);
        ui->txtUsername->clear();
        ui->txtPassword->clear();
        ui->txtUsername->setFocus();
        return;
    }
    ctx().user = *user;
    login::rememberUsername(user->username);
    emit loggedIn();
    closeScreen(this);
}

void frmLogin::waitTick()
{
    // A statement waiting for another program's lock keeps the windows
    // painted; the account check must not run on that connection meanwhile.
    if (waitingForLock())
        return;
    const bool done = guarded([this] {
        const qint64 remaining = login::remainingWaitMs(ui->txtUsername->text());
        if (remaining > 0) {
            setWaiting(true, remaining);
            return;
        }
        m_waitTimer->stop();
        setWaiting(false);
        answer();
    });
    if (!done) { // the error was shown once; the window takes a new try
        m_waitTimer->stop();
        setWaiting(false);
    }
}

void frmLogin::setWaiting(bool waiting, qint64 remainingMs)
{
    // What was typed stays as it is until the answer comes.
    ui->txtUsername->setEnabled(!waiting);
    ui->txtPassword->setEnabled(!waiting);
    ui->btnLogin->setEnabled(!waiting);
    if (waiting) {
        const qint64 seconds = (remainingMs + 999) / 1000;
        ui->lblWait->setText(tr("%1 failed logins in a row: the answer comes in %2 %3.")
                                 .arg(Users::loginFailures(db(), ui->txtUsername->text()).inARow)
                                 .arg(seconds)
                                 .arg(seconds == 1 ? tr("second") : tr("seconds")));
    }
    if (ui->lblWait->isVisibleTo(this) == waiting)
        return;
    ui->lblWait->setVisible(waiting);
    // The child window grows for the line and shrinks again after it.
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->adjustSize();
}

void frmLogin::btnCancel_clicked() { CloseAndExit(); }

} // namespace pw
