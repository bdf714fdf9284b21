#include "Screens.h"

#include "app/Login.h"
#include "app/Permissions.h"
#include "app/frmLogin.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace pw;

// Drives the real login window inside a real main window.
struct LoginFixture : test::MainWindowFixture {
    frmLogin* login = nullptr;
    qint64 adminId = 0;
    qint64 userId = 0;

    LoginFixture()
    {
        adminId = env.addMember(QStringLiteral("Ada"), QStringLiteral("Admin"));
        userId = env.addMember(QStringLiteral("Una"), QStringLiteral("User"));
        env.addUser(adminId, QStringLiteral("Pastor.Jones"), QStringLiteral("Secret1"), QStringLiteral("Admin"));
        env.addUser(userId, QStringLiteral("secretary"), QStringLiteral("O'Hara"), QStringLiteral("User"));
        main.lock();
        main.showLogin();
        login = main.workspace()->find<frmLogin>();
    }

    void type(const QString& username, const QString& password)
    {
        test::control<QLineEdit>(login, "txtUsername")->setText(username);
        test::control<QLineEdit>(login, "txtPassword")->setText(password);
    }
    bool unlocked() const { return main.command(QStringLiteral("MemberEntry"))->isEnabled(); }
};

class TestLogin : public QObject {
    Q_OBJECT
private slots:
    void loginOutcomes_data();
    void loginOutcomes();
    void emptyUsername();
    void inactiveAccount();
    void accountWithoutPassword();
    void enterPressesLogin();
    void logOffClosesWindowsAndForgetsTheUser();
    void hasPermission_data();
    void hasPermission();
    void grantTakesEffectWithoutNewLogin();
    void beforeLoginEverythingIsRefused();
    void throttleWaits_data();
    void throttleWaits();
    void throttledAnswersWaitThenCome();
};

void TestLogin::loginOutcomes_data()
{
    QTest::addColumn<QString>("username");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("storedName"); // empty: refused

    QTest::newRow("exact") << "Pastor.Jones"
                           << "Secret1"
                           << "Pastor.Jones";
    QTest::newRow("other letter case") << "PASTOR.JONES"
                                       << "sECRET1"
                                       << "Pastor.Jones";
    QTest::newRow("blanks around") << "  pastor.jones "
                                   << " Secret1  "
                                   << "Pastor.Jones";
    QTest::newRow("apostrophe password") << "secretary"
                                         << "o'hara"
                                         << "secretary";
    QTest::newRow("wrong password") << "Pastor.Jones"
                                    << "Secret2"
                                    << "";
    QTest::newRow("unknown user") << "nobody"
                                  << "Secret1"
                                  << "";
    QTest::newRow("blanks only") << "   "
                                 << "Secret1"
                                 << "";
    QTest::newRow("injection in name") << "' OR '1'='1"
                                       << "' OR '1'='1"
                                       << "";
    QTest::newRow("injection in password") << "Pastor.Jones"
                                           << "' OR '1'='1"
                                           << "";
    QTest::newRow("apostrophe in name") << "O'Brien"
                                        << "x"
                                        << "";
    QTest::newRow("empty password") << "Pastor.Jones"
                                    << ""
                                    << "";
    QTest::newRow("wildcard name") << "%"
                                   << "Secret1"
                                   << "";
}

void TestLogin::loginOutcomes()
{
    QFETCH(QString, username);
    QFETCH(QString, password);
    QFETCH(QString, storedName);
    LoginFixture f;
    QVERIFY(f.login);
    f.type(username, password);
    QTest::mouseClick(test::control<QPushButton>(f.login, "btnLogin"), Qt::LeftButton);
    QApplication::processEvents();

    if (storedName.isEmpty()) {
        QCOMPARE(f.env.messages.count(), 1);
        QCOMPARE(f.env.messages.last().text, QStringLiteral("Your username and/or password is invalid."));
        QCOMPARE(f.env.messages.last().title, QStringLiteral("Invalid Username/Password"));
        QCOMPARE(f.env.messages.last().icon, Icon::Warning);
        QVERIFY(test::control<QLineEdit>(f.login, "txtUsername")->text().isEmpty());
        QVERIFY(test::control<QLineEdit>(f.login, "txtPassword")->text().isEmpty());
        QVERIFY(!f.unlocked());
        QCOMPARE(ctx().user.id, Q_INT64_C(0));
        QVERIFY(f.main.workspace()->find<frmLogin>());
        // The database is intact after odd input.
        QCOMPARE(f.env.db().scalar(QStringLiteral("SELECT COUNT(*) FROM \"User\"")).toInt(), 2);
    } else {
        QCOMPARE(f.env.messages.count(), 0);
        QCOMPARE(ctx().user.username, storedName);
        QVERIFY(ctx().user.id > 0);
        QVERIFY(f.unlocked());
        QTRY_VERIFY(!f.main.workspace()->find<frmLogin>());
    }
    // The next login window on this computer offers the name of a login
    // that succeeded, the password box first.
    frmLogin next;
    auto* name = test::control<QLineEdit>(&next, "txtUsername");
    QCOMPARE(name->text(), storedName);
    QCOMPARE(next.focusProxy(), storedName.isEmpty() ? name : test::control<QLineEdit>(&next, "txtPassword"));
}

void TestLogin::emptyUsername()
{
    LoginFixture f;
    f.type(QString(), QStringLiteral("Secret1"));
    QTest::mouseClick(test::control<QPushButton>(f.login, "btnLogin"), Qt::LeftButton);
    QCOMPARE(f.env.messages.count(), 1);
    QCOMPARE(f.env.messages.last().text, QStringLiteral("You must enter a username"));
    QCOMPARE(f.env.messages.last().title, QStringLiteral("Invalid Username"));
    QCOMPARE(f.env.messages.last().icon, Icon::Warning);
    // The password box keeps its text: only the empty-name message is shown.
    QCOMPARE(test::control<QLineEdit>(f.login, "txtPassword")->text(), QStringLiteral("Secret1"));
    QVERIFY(!f.unlocked());
}

void TestLogin::inactiveAccount()
{
    LoginFixture f;
    const qint64 id = f.env.addMember(QStringLiteral("Ina"), QStringLiteral("Active"));
    f.env.addUser(id, QStringLiteral("gone"), QStringLiteral("pw"), QStringLiteral("Admin"), true);
    f.type(QStringLiteral("gone"), QStringLiteral("pw"));
    QTest::mouseClick(test::control<QPushButton>(f.login, "btnLogin"), Qt::LeftButton);
    QCOMPARE(f.env.messages.last().text, QStringLiteral("Your username and/or password is invalid."));
    QVERIFY(!f.unlocked());
}

void TestLogin::accountWithoutPassword()
{
    LoginFixture f;
    const qint64 id = f.env.addMember(QStringLiteral("No"), QStringLiteral("Password"));
    f.env.addUser(id, QStringLiteral("newbie"), QString(), QStringLiteral("User"));
    f.type(QStringLiteral("newbie"), QString());
    QTest::mouseClick(test::control<QPushButton>(f.login, "btnLogin"), Qt::LeftButton);
    QCOMPARE(f.env.messages.last().title, QStringLiteral("Invalid Username/Password"));
    QVERIFY(!f.unlocked());
}

void TestLogin::enterPressesLogin()
{
    for (const char* box : { "txtUsername", "txtPassword" }) {
        LoginFixture f;
        f.type(QStringLiteral("pastor.jones"), QStringLiteral("secret1"));
        auto* edit = test::control<QLineEdit>(f.login, QString::fromLatin1(box));
        QVERIFY(edit);
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY2(f.unlocked(), box);
        QCOMPARE(ctx().user.type, QStringLiteral("Admin"));
    }
}

void TestLogin::logOffClosesWindowsAndForgetsTheUser()
{
    LoginFixture f;
    f.type(QStringLiteral("secretary"), QStringLiteral("O'Hara"));
    QTest::mouseClick(test::control<QPushButton>(f.login, "btnLogin"), Qt::LeftButton);
    QVERIFY(f.unlocked());
    f.main.command(QStringLiteral("About"))->trigger();
    QWidget* about = f.main.workspace()->find(QStringLiteral("frmAbout"));
    QVERIFY(about);

    f.main.command(QStringLiteral("LogOff"))->trigger();
    QVERIFY(!f.unlocked());
    QVERIFY(f.main.command(QStringLiteral("Exit"))->isEnabled());
    QVERIFY(!f.main.workspace()->find(QStringLiteral("frmAbout")) && about); // nothing of his stays
    frmLogin* again = f.main.workspace()->find<frmLogin>();
    QVERIFY(again);
    // Only its own "Close" button ends the login window.
    QVERIFY(!(again->parentWidget()->windowFlags() & Qt::WindowCloseButtonHint));
    QCOMPARE(ctx().user.username, QString());

    // A second Log Off opens no second login window.
    f.main.logOff();
    int logins = 0;
    for (QMdiSubWindow* sub : f.main.area()->subWindowList())
        logins += qobject_cast<frmLogin*>(sub->widget()) ? 1 : 0;
    QCOMPARE(logins, 1);
}

void TestLogin::hasPermission_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QStringList>("grants");
    QTest::addColumn<QString>("asked");
    QTest::addColumn<bool>("expected");

    QTest::newRow("Admin without grants") << "Admin" << QStringList {} << "Church Info" << true;
    QTest::newRow("Admin, unknown name") << "Admin" << QStringList {} << "No Such Permission" << true;
    QTest::newRow("admin lower case is not Admin") << "admin" << QStringList {} << "Church Info" << false;
    QTest::newRow("admin lower case with grant") << "admin" << QStringList { "Church Info" } << "Church Info" << true;
    QTest::newRow("User with the grant") << "User" << QStringList { "Member View" } << "Member View" << true;
    QTest::newRow("User with another grant") << "User" << QStringList { "Member View" } << "Member Entry/Edit" << false;
    QTest::newRow("name in other case") << "User" << QStringList { "Member View" } << "member view" << true;
    QTest::newRow("unknown name") << "User" << QStringList { "Member View" } << "Nonexistent" << false;
    QTest::newRow("apostrophe in name") << "User" << QStringList { "Member View" } << "Member' OR '1'='1" << false;
}

void TestLogin::hasPermission()
{
    QFETCH(QString, type);
    QFETCH(QStringList, grants);
    QFETCH(QString, asked);
    QFETCH(bool, expected);
    test::TestEnv env;
    const qint64 id = env.addMember(QStringLiteral("A"), QStringLiteral("B"));
    for (const QString& g : grants)
        env.grant(id, g);
    env.loginAs(id, type);
    QCOMPARE(HasPermission(asked), expected);
}

void TestLogin::grantTakesEffectWithoutNewLogin()
{
    test::TestEnv env;
    const qint64 id = env.addMember(QStringLiteral("A"), QStringLiteral("B"));
    env.loginAs(id, QStringLiteral("User"));
    QVERIFY(!HasPermission(perm::UserPermissions));
    env.grant(id, perm::UserPermissions);
    QVERIFY(HasPermission(perm::UserPermissions));
    env.db().exec(QStringLiteral("DELETE FROM UserPermission WHERE MemberID = ?"), { id });
    QVERIFY(!HasPermission(perm::UserPermissions));
}

void TestLogin::beforeLoginEverythingIsRefused()
{
    test::TestEnv env;
    for (const QString& name : { perm::MemberView, perm::ChurchInfo, perm::UserPermissions })
        QVERIFY(!HasPermission(name));
    // Not even what a stray grant row for member 0 would give.
    env.grant(0, perm::ChurchInfo);
    QVERIFY(!HasPermission(perm::ChurchInfo));
}

void TestLogin::throttleWaits_data()
{
    QTest::addColumn<int>("failures");
    QTest::addColumn<qint64>("sinceLastMs");
    QTest::addColumn<qint64>("remainingMs");

    QTest::newRow("none") << 0 << Q_INT64_C(0) << Q_INT64_C(0);
    QTest::newRow("four in a row answer at once") << 4 << Q_INT64_C(0) << Q_INT64_C(0);
    QTest::newRow("five: one second") << 5 << Q_INT64_C(0) << Q_INT64_C(1000);
    QTest::newRow("five, part of it waited") << 5 << Q_INT64_C(400) << Q_INT64_C(600);
    QTest::newRow("five, waited out") << 5 << Q_INT64_C(1000) << Q_INT64_C(0);
    QTest::newRow("six: two seconds") << 6 << Q_INT64_C(0) << Q_INT64_C(2000);
    QTest::newRow("eight: eight seconds") << 8 << Q_INT64_C(0) << Q_INT64_C(8000);
    QTest::newRow("nine: sixteen seconds") << 9 << Q_INT64_C(0) << Q_INT64_C(16000);
    QTest::newRow("ten: at most thirty") << 10 << Q_INT64_C(0) << Q_INT64_C(30000);
    QTest::newRow("a hundred: still thirty") << 100 << Q_INT64_C(0) << Q_INT64_C(30000);
    QTest::newRow("a hundred, after a minute") << 100 << Q_INT64_C(60000) << Q_INT64_C(0);
    QTest::newRow("clock went back") << 6 << Q_INT64_C(-5000) << Q_INT64_C(2000);
}

void TestLogin::throttleWaits()
{
    QFETCH(int, failures);
    QFETCH(qint64, sinceLastMs);
    QFETCH(qint64, remainingMs);
    login::Throttle throttle;
    for (int i = 0; i < failures; ++i)
        throttle.failed(1000000);
    QCOMPARE(throttle.remainingMs(1000000 + sinceLastMs), remainingMs);
    throttle.succeeded();
    QCOMPARE(throttle.remainingMs(1000000), Q_INT64_C(0));
}

// After five failures in a row the window waits before it answers, says so,
// and answers with its usual message; a correct login resets the count.
void TestLogin::throttledAnswersWaitThenCome()
{
    LoginFixture f;
    auto* login = test::control<QPushButton>(f.login, "btnLogin");
    auto* wait = test::control<QLabel>(f.login, "lblWait");
    const auto attempt = [&](const QString& password) {
        f.type(QStringLiteral("Pastor.Jones"), password);
        QTest::mouseClick(login, Qt::LeftButton);
    };
    for (int i = 1; i <= 5; ++i) {
        attempt(QStringLiteral("guess"));
        QCOMPARE(f.env.messages.count(), i); // answered at once
        f.env.clock.advanceSeconds(0.1);
    }
    QVERIFY(wait->isHidden());

    // The sixth waits a second from the fifth failure.
    attempt(QStringLiteral("guess"));
    QCOMPARE(f.env.messages.count(), 5);
    QVERIFY(!wait->isHidden());
    QCOMPARE(wait->text(), QStringLiteral("5 failed logins in a row: the answer comes in 1 second."));
    QVERIFY(!login->isEnabled());
    QVERIFY(!test::control<QLineEdit>(f.login, "txtPassword")->isEnabled());
    { // the count is the database's: a new start of the program goes on with it
        frmLogin restarted;
        test::control<QLineEdit>(&restarted, "txtUsername")->setText(QStringLiteral(" PASTOR.JONES"));
        QTest::mouseClick(test::control<QPushButton>(&restarted, "btnLogin"), Qt::LeftButton);
        QCOMPARE(test::control<QLabel>(&restarted, "lblWait")->text(), wait->text());
    }
    QTest::qWait(300); // the clock has not moved: still waiting
    QCOMPARE(f.env.messages.count(), 5);
    f.env.clock.advanceSeconds(1.0);
    QTRY_COMPARE(f.env.messages.count(), 6);
    QCOMPARE(f.env.messages.last().text, QStringLiteral("Your username and/or password is invalid."));
    QCOMPARE(f.env.messages.last().title, QStringLiteral("Invalid Username/Password"));
    QVERIFY(wait->isHidden());
    QVERIFY(login->isEnabled());

    // The seventh waits two seconds and says so; the right password then logs in.
    attempt(QStringLiteral("Secret1"));
    QCOMPARE(wait->text(), QStringLiteral("6 failed logins in a row: the answer comes in 2 seconds."));
    f.env.clock.advanceSeconds(2.0);
    QTRY_VERIFY(f.unlocked());
    QCOMPARE(f.env.messages.count(), 6);

    // After Log Off the count starts again: the next failure answers at once.
    f.main.logOff();
    f.login = f.main.workspace()->find<frmLogin>();
    QVERIFY(f.login);
    f.type(QStringLiteral("Pastor.Jones"), QStringLiteral("guess"));
    QTest::mouseClick(test::control<QPushButton>(f.login, "btnLogin"), Qt::LeftButton);
    QCOMPARE(f.env.messages.count(), 7);
}

QTEST_MAIN(TestLogin)
#include "tst_login.moc"
