#include "Screens.h"

#include "admin/Screens.h"
#include "app/Login.h"
#include "app/Permissions.h"
#include "widgets/SharedLists.h"
#include "data/Passwords.h"
#include "data/Sql.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace pw;
using test::control;

namespace {

// Ada is the church's "Admin"; Tom has a "User" account with two grants;
// Meg is a member without one; Pat, a prospect, once had an account; Ray is a
// prospect without one.
struct Accounts : test::MainWindowFixture {
    qint64 ada = 0, tom = 0, meg = 0, pat = 0, ray = 0;
    QWidget* screen = nullptr;

    Accounts()
    {
        admin::registerScreens(*main.workspace());
        ada = env.addMember(QStringLiteral("Ada"), QStringLiteral("Office"));
        tom = env.addMember(QStringLiteral("Tom"), QStringLiteral("Teller"));
        meg = env.addMember(QStringLiteral("Meg"), QStringLiteral("Mason"), QStringLiteral("member"));
        pat = env.addMember(QStringLiteral("Pat"), QStringLiteral("Price"), QStringLiteral("Prospect"));
        ray = env.addMember(QStringLiteral("Ray"), QStringLiteral("Rivers"), QStringLiteral("Prospect"));
        env.addUser(ada, QStringLiteral("ada"), QStringLiteral("secret"), QStringLiteral("Admin"));
        env.addUser(tom, QStringLiteral("tom"), QStringLiteral("tompass"), QStringLiteral("User"));
        env.addUser(pat, QStringLiteral("pat"), QStringLiteral("patpass"), QStringLiteral("User"), true);
        env.grant(tom, perm::MemberView);
        env.grant(tom, perm::MailingLabelsReport);
        env.loginAs(ada, QStringLiteral("Admin"), QStringLiteral("ada"));
        main.show();
        screen = open(QStringLiteral("frmUserEntry"));
    }

    QComboBox* combo(const char* name) { return control<QComboBox>(screen, name); }
    QLineEdit* box(const char* name) { return control<QLineEdit>(screen, name); }
    QListWidget* list(const char* name) { return control<QListWidget>(screen, name); }
    QStringList texts(const char* name)
    {
        QStringList out;
        for (int i = 0; i < list(name)->count(); ++i)
            out.append(list(name)->item(i)->text());
        return out;
    }
    void choose(qint64 member)
    {
        if (!test::chooseId(combo("cmbName"), member))
            QFAIL("not in the name list");
    }
    void type(const QString& type) { combo("cmbType")->setCurrentIndex(combo("cmbType")->findText(type)); }
    // The password typed twice, as the screen asks for it.
    void password(const QString& first, const QString& again)
    {
        box("txtPassword")->setText(first);
        box("txtPasswordAgain")->setText(again);
    }
    void password(const QString& both) { password(both, both); }
    void click(const char* button)
    {
        test::click(screen, button);
        test::deleteClosed();
    }
    bool isOpen() const { return MainWindowFixture::isOpen(QStringLiteral("frmUserEntry")); }
    QStringList grants(qint64 member)
    {
        return env.db().texts(QStringLiteral("SELECT Permission.Name FROM UserPermission JOIN Permission ON "
                                             "Permission.ID = UserPermission.PermissionID WHERE MemberID = ? "
                                             "ORDER BY Permission.Name"),
            { member });
    }
    QString column(const char* name, qint64 member)
    {
        return env.db()
            .scalar(QStringLiteral("SELECT %1 FROM \"User\" WHERE Member_ID = ?").arg(QLatin1String(name)), { member })
            .toString();
    }
};

} // namespace

class TestUserEntry : public QObject {
    Q_OBJECT
private slots:
    void namesAreMembersAndAccountHolders();
    void loadingAnAccount();
    void typeEnablesThePermissionLists_data();
    void typeEnablesThePermissionLists();
    void movingPermissions_data();
    void movingPermissions();
    void duplicateNameWhenLeavingTheBox_data();
    void duplicateNameWhenLeavingTheBox();
    void saving_data();
    void saving();
    void savedAccountLogsIn();
    void lastActiveAdmin_data();
    void lastActiveAdmin();
    void permissionAskedAgainAtSave();
    void nameTakenMeanwhileIsRefused();
    void grantsChangedMeanwhileAreKept();
    void passwordTypedTwice();
    void changeOwnPassword_data();
    void changeOwnPassword();
};

// Members by status "Member" in any letter case, and whoever has an account,
// whatever their status: a prospect's old account can still be loaded.
void TestUserEntry::namesAreMembersAndAccountHolders()
{
    Accounts a;
    QStringList names;
    for (int row = 0; row < a.combo("cmbName")->count(); ++row)
        names.append(a.combo("cmbName")->itemText(row));
    QCOMPARE(names, QStringList({ "Mason, Meg ", "Office, Ada ", "Price, Pat ", "Teller, Tom " }));
    QCOMPARE(a.combo("cmbName")->currentIndex(), -1);
    QCOMPARE(a.texts("lstAllPermissions").size(), 18);
    QVERIFY(!a.list("lstAllPermissions")->isEnabled());
    QCOMPARE(a.env.messages.count(), 0);
}

void TestUserEntry::loadingAnAccount()
{
    Accounts a;
    a.choose(a.tom);
    QCOMPARE(a.box("txtUsername")->text(), QStringLiteral("tom"));
    QCOMPARE(a.box("txtPassword")->text(), QString()); // the stored hash is never shown
    QCOMPARE(a.combo("cmbType")->currentText(), QStringLiteral("User"));
    QCOMPARE(a.texts("lstUserPermissions"), QStringList({ "Mailing Labels Report", "Member View" }));
    QCOMPARE(a.texts("lstAllPermissions").size(), 16);
    QVERIFY(!a.texts("lstAllPermissions").contains(QStringLiteral("Member View")));
    QVERIFY(a.list("lstUserPermissions")->isEnabled());

    a.choose(a.pat);
    QVERIFY(control<QCheckBox>(a.screen, "chkInactive")->isChecked());
    // A member without an account after one with: everything offered, nothing granted.
    a.choose(a.meg);
    QCOMPARE(a.box("txtUsername")->text(), QString());
    QCOMPARE(a.combo("cmbType")->currentIndex(), -1);
    QVERIFY(!control<QCheckBox>(a.screen, "chkInactive")->isChecked());
    QCOMPARE(a.texts("lstAllPermissions").size(), 18);
    QCOMPARE(a.texts("lstUserPermissions"), QStringList());
    QCOMPARE(a.screen->windowTitle(), QStringLiteral("User Entry/Edit"));
    QCOMPARE(a.env.messages.count(), 0);
}

void TestUserEntry::typeEnablesThePermissionLists_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("User") << "User" << true;
    QTest::newRow("Admin") << "Admin" << false;
    QTest::newRow("a type of the church's own") << "Volunteer" << false;
}

void TestUserEntry::typeEnablesThePermissionLists()
{
    QFETCH(QString, type);
    QFETCH(bool, enabled);
    Accounts a;
    a.env.db().exec(QStringLiteral("INSERT INTO UserType (Name) VALUES ('Volunteer')"));
    if (SharedLists* lists = sharedLists())
        lists->lookupsChanged();
    delete a.screen->parentWidget();
    a.screen = a.main.workspace()->openWithoutTest(QStringLiteral("frmUserEntry"));
    a.choose(a.meg);
    a.type(type);
    QCOMPARE(a.combo("cmbType")->currentText(), type);
    for (const char* name : { "lstAllPermissions", "lstUserPermissions" }) {
        QCOMPARE(a.list(name)->isEnabled(), enabled);
        QCOMPARE(a.list(name)->palette().color(QPalette::Base) == QColor(Qt::white), enabled);
    }
    for (const char* name : { "btnAdd", "btnRemove", "btnAddAll", "btnRemoveAll" })
        QCOMPARE(control<QPushButton>(a.screen, name)->isEnabled(), enabled);
}

void TestUserEntry::movingPermissions_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("select"); // in either list
    QTest::addColumn<QStringList>("granted");
    QTest::addColumn<int>("offered");
    QTest::newRow("Add > with nothing selected")
        << "btnAdd" << QStringList() << QStringList({ "Mailing Labels Report", "Member View" }) << 16;
    QTest::newRow("Add > two, kept in name order")
        << "btnAdd" << QStringList({ "User Permissions", "Church Info" })
        << QStringList({ "Church Info", "Mailing Labels Report", "Member View", "User Permissions" }) << 14;
    QTest::newRow("< Rem one") << "btnRemove" << QStringList({ "Member View" })
                               << QStringList({ "Mailing Labels Report" }) << 17;
    QTest::newRow("Add >> everything") << "btnAddAll" << QStringList() << QStringList() << 0;
    QTest::newRow("<< Rem everything") << "btnRemoveAll" << QStringList() << QStringList() << 18;
}

void TestUserEntry::movingPermissions()
{
    QFETCH(QString, button);
    QFETCH(QStringList, select);
    QFETCH(QStringList, granted);
    QFETCH(int, offered);
    Accounts a;
    a.choose(a.tom);
    for (const char* name : { "lstAllPermissions", "lstUserPermissions" })
        for (int i = 0; i < a.list(name)->count(); ++i)
            a.list(name)->item(i)->setSelected(select.contains(a.list(name)->item(i)->text()));
    a.click(qPrintable(button));
    if (button == QLatin1String("btnAddAll"))
        QCOMPARE(a.texts("lstUserPermissions").size(), 18);
    else
        QCOMPARE(a.texts("lstUserPermissions"), granted);
    QCOMPARE(a.texts("lstAllPermissions").size(), offered);
    QStringList sorted = a.texts("lstAllPermissions");
    std::sort(
        sorted.begin(), sorted.end(), [](const QString& x, const QString& y) { return sql::compareText(x, y) < 0; });
    QCOMPARE(a.texts("lstAllPermissions"), sorted);
    // Nothing is stored before "Save And Close".
    QCOMPARE(a.grants(a.tom), QStringList({ "Mailing Labels Report", "Member View" }));
    QCOMPARE(
        a.screen->windowTitle().endsWith(QLatin1Char('*')), button != QLatin1String("btnAdd") || !select.isEmpty());
}

void TestUserEntry::duplicateNameWhenLeavingTheBox_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("taken");
    QTest::newRow("another account's name in other letter case") << "TOM" << true;
    QTest::newRow("with blanks around it") << "  tom " << true;
    QTest::newRow("an inactive account's name") << "Pat" << true;
    QTest::newRow("a new name") << "meg" << false;
}

void TestUserEntry::duplicateNameWhenLeavingTheBox()
{
    QFETCH(QString, typed);
    QFETCH(bool, taken);
    Accounts a;
    a.env.messages.focusReturns = true;
    QVERIFY(QTest::qWaitForWindowExposed(&a.main));
    a.main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&a.main));
    a.choose(a.meg);
    a.box("txtUsername")->setFocus();
    QTRY_VERIFY(a.box("txtUsername")->hasFocus());
    QTest::keyClicks(a.box("txtUsername"), typed);
    a.box("txtPassword")->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    if (taken) {
        QCOMPARE(a.env.messages.count(), 1);
        QCOMPARE(a.env.messages.last().text,
            QStringLiteral("This username already exists.  Please choose a different username."));
        QCOMPARE(a.env.messages.last().title, QStringLiteral("Username Exists"));
        QCOMPARE(a.box("txtUsername")->text(), QString());
        QTRY_VERIFY(a.box("txtUsername")->hasFocus());
    } else {
        QCOMPARE(a.env.messages.count(), 0);
        QCOMPARE(a.box("txtUsername")->text(), typed);
    }
}

void TestUserEntry::saving_data()
{
    QTest::addColumn<QString>("who"); // meg (new account) or tom
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("username");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QStringList>("add"); // permissions moved to the user's list
    QTest::addColumn<QString>("message"); // empty: saved
    QTest::addColumn<QString>("storedName");
    QTest::addColumn<QStringList>("grants");
    const QString required = QStringLiteral("Name, Type, Username, and Password are Required.");
    const QStringList toms { "Mailing Labels Report", "Member View" };
    QTest::newRow("new account") << "meg"
                                 << "User"
                                 << "  Meg.Mason "
                                 << "Pass Word" << QStringList({ "Church Info" }) << ""
                                 << "Meg.Mason" << QStringList({ "Church Info" });
    QTest::newRow("new account without a password") << "meg"
                                                    << "User"
                                                    << "meg"
                                                    << "   " << QStringList() << required << "" << QStringList();
    QTest::newRow("no type") << "meg"
                             << ""
                             << "meg"
                             << "x" << QStringList() << required << "" << QStringList();
    QTest::newRow("no user name") << "tom"
                                  << "User"
                                  << "  "
                                  << "" << QStringList() << required << "tom" << toms;
    QTest::newRow("a User stores exactly the listed grants")
        << "tom"
        << "User"
        << "tom"
        << "" << QStringList({ "Church Info" }) << ""
        << "tom" << QStringList({ "Church Info", "Mailing Labels Report", "Member View" });
    QTest::newRow("an Admin has no grants") << "tom"
                                            << "Admin"
                                            << "tom"
                                            << "" << QStringList() << ""
                                            << "tom" << QStringList();
    QTest::newRow("renamed") << "tom"
                             << "User"
                             << "Thomas"
                             << "" << QStringList() << ""
                             << "Thomas" << toms;
}

void TestUserEntry::saving()
{
    QFETCH(QString, who);
    QFETCH(QString, type);
    QFETCH(QString, username);
    QFETCH(QString, password);
    QFETCH(QStringList, add);
    QFETCH(QString, message);
    QFETCH(QString, storedName);
    QFETCH(QStringList, grants);
    Accounts a;
    const qint64 member = who == QLatin1String("meg") ? a.meg : a.tom;
    const QString hashBefore = a.column("Password", member);
    QSignalSpy members(a.main.workspace(), &Workspace::membersChanged);
    a.choose(member);
    if (type.isEmpty())
        a.combo("cmbType")->setCurrentIndex(-1);
    else
        a.type(type);
    a.box("txtUsername")->setText(username);
    a.password(password);
    for (int i = 0; i < a.list("lstAllPermissions")->count(); ++i)
        a.list("lstAllPermissions")->item(i)->setSelected(add.contains(a.list("lstAllPermissions")->item(i)->text()));
    a.click("btnAdd");
    a.click("btnSave");

    QCOMPARE(a.column("Username", member), storedName);
    QCOMPARE(a.grants(member), grants);
    if (!message.isEmpty()) {
        QCOMPARE(a.env.messages.count(), 1);
        QCOMPARE(a.env.messages.last().text, message);
        QCOMPARE(a.env.messages.last().title, QStringLiteral("Required Fields"));
        QVERIFY(a.isOpen());
        QCOMPARE(members.count(), 0);
        QCOMPARE(a.column("Password", member), hashBefore);
        return;
    }
    QCOMPARE(a.env.messages.count(), 0);
    QVERIFY(!a.isOpen());
    QCOMPARE(members.count(), 0); // no person changed: the navigators keep what they found
    QCOMPARE(a.column("Type", member), type);
    QCOMPARE(a.column("Username_Key", member), storedName.toLower());
    const QString hash = a.column("Password", member);
    if (who == QLatin1String("meg")) {
        QVERIFY(passwords::verify(hash, QStringLiteral("pass word")));
        QCOMPARE(a.column("DateEntered", member), QStringLiteral("2026-03-15"));
        QCOMPARE(a.column("Inactive", member), QStringLiteral("0"));
    } else {
        QCOMPARE(hash, hashBefore); // an empty box keeps the password
    }
}

// Saved as typed with blanks around the name, the account logs in the way
// the login reads the boxes.
void TestUserEntry::savedAccountLogsIn()
{
    Accounts a;
    a.choose(a.meg);
    a.type(QStringLiteral("User"));
    a.box("txtUsername")->setText(QStringLiteral("jsmith "));
    a.password(QStringLiteral(" Grace "));
    a.click("btnSave");
    QCOMPARE(a.env.messages.count(), 0);
    const auto user = login::authenticate(QStringLiteral("JSMITH"), QStringLiteral("grace"));
    QVERIFY(user.has_value());
    QCOMPARE(user->id, a.meg);
    QCOMPARE(user->username, QStringLiteral("jsmith"));
}

void TestUserEntry::lastActiveAdmin_data()
{
    QTest::addColumn<bool>("otherAdmin"); // Tom is an active Admin too
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("refused");
    QTest::newRow("made inactive") << false << "inactive" << true;
    QTest::newRow("turned into a User") << false << "User" << true;
    QTest::newRow("another Admin remains") << true << "inactive" << false;
    QTest::newRow("still an active Admin") << false << "rename" << false;
}

void TestUserEntry::lastActiveAdmin()
{
    QFETCH(bool, otherAdmin);
    QFETCH(QString, change);
    QFETCH(bool, refused);
    Accounts a;
    if (otherAdmin)
        a.env.db().exec(QStringLiteral("UPDATE \"User\" SET Type = 'Admin' WHERE Member_ID = ?"), { a.tom });
    // An inactive "Admin" does not count.
    a.env.db().exec(QStringLiteral("UPDATE \"User\" SET Type = 'Admin' WHERE Member_ID = ?"), { a.pat });
    a.choose(a.ada);
    if (change == QLatin1String("inactive"))
        control<QCheckBox>(a.screen, "chkInactive")->setChecked(true);
    else if (change == QLatin1String("User"))
        a.type(QStringLiteral("User"));
    else
        a.box("txtUsername")->setText(QStringLiteral("ada.office"));
    a.click("btnSave");
    if (refused) {
        QCOMPARE(a.env.messages.count(), 1);
        QVERIFY(a.env.messages.last().text.startsWith(QStringLiteral("This is the only active \"Admin\" account")));
        QVERIFY(a.isOpen());
        QCOMPARE(a.column("Type", a.ada), QStringLiteral("Admin"));
        QCOMPARE(a.column("Inactive", a.ada), QStringLiteral("0"));
    } else {
        QCOMPARE(a.env.messages.count(), 0);
        QVERIFY(!a.isOpen());
    }
}

// An administrator logs off leaving the screen open; a "Member View" user
// logs in and tries to make their own account "Admin".
void TestUserEntry::permissionAskedAgainAtSave()
{
    Accounts a;
    a.choose(a.tom);
    a.type(QStringLiteral("Admin"));
    a.env.loginAs(a.tom, QStringLiteral("User"), QStringLiteral("tom"));
    a.click("btnSave");
    QCOMPARE(a.env.messages.count(), 1);
    QCOMPARE(a.env.messages.last().text, refusal::Save);
    QCOMPARE(a.env.messages.last().title, refusal::Title);
    QCOMPARE(a.column("Type", a.tom), QStringLiteral("User"));
    QCOMPARE(a.grants(a.tom), QStringList({ "Mailing Labels Report", "Member View" }));
    QVERIFY(a.isOpen());
}

// The name was free when the box was left, and another workstation took it
// before the save.
void TestUserEntry::nameTakenMeanwhileIsRefused()
{
    Accounts a;
    a.choose(a.meg);
    a.type(QStringLiteral("User"));
    a.box("txtUsername")->setText(QStringLiteral("megan"));
    a.password(QStringLiteral("pw"));
    a.env.addUser(a.ray, QStringLiteral("MEGAN"), QStringLiteral("x"), QStringLiteral("User"));
    a.click("btnSave");
    QCOMPARE(a.env.messages.count(), 1);
    QCOMPARE(a.env.messages.last().title, QStringLiteral("Username Exists"));
    QCOMPARE(
        a.env.db().scalar(QStringLiteral("SELECT COUNT(*) FROM \"User\" WHERE Member_ID = ?"), { a.meg }).toInt(), 0);
    QCOMPARE(a.box("txtUsername")->text(), QString());
}

// Grants another workstation changed meanwhile stay; this user's additions
// and removals are applied to them.
void TestUserEntry::grantsChangedMeanwhileAreKept()
{
    Accounts a;
    a.choose(a.tom);
    a.env.grant(a.tom, perm::ChurchInfo);
    for (int i = 0; i < a.list("lstUserPermissions")->count(); ++i)
        a.list("lstUserPermissions")
            ->item(i)
            ->setSelected(a.list("lstUserPermissions")->item(i)->text() == QLatin1String("Member View"));
    a.click("btnRemove");
    a.click("btnSave");
    QCOMPARE(a.env.messages.count(), 0);
    QCOMPARE(a.grants(a.tom), QStringList({ "Church Info", "Mailing Labels Report" }));
}

// A typing slip in the password typed twice stores nothing.
void TestUserEntry::passwordTypedTwice()
{
    Accounts a;
    const QString before = a.column("Password", a.tom);
    a.choose(a.tom);
    a.password(QStringLiteral("Grace 1"), QStringLiteral("Grace 2"));
    a.click("btnSave");
    QCOMPARE(a.column("Password", a.tom), before);
    QCOMPARE(a.env.messages.last().text, QStringLiteral("The two passwords differ; please type the same password twice."));
    QCOMPARE(a.box("txtPassword")->text() + a.box("txtPasswordAgain")->text(), QString());
    QVERIFY(a.isOpen());
}

void TestUserEntry::changeOwnPassword_data()
{
    QTest::addColumn<int>("failuresBefore"); // failed logins in a row under "tom"
    QTest::addColumn<QString>("oldPassword");
    QTest::addColumn<QString>("message"); // empty: changed
    QTest::addColumn<int>("failuresAfter");
    QTest::newRow("changed") << 2 << "TOMPASS" << "" << 0;
    QTest::newRow("wrong old password") << 0 << "guess" << "The old password is not the password of your account." << 1;
    QTest::newRow("waits after failed logins")
        << 5 << "tompass" << "After several wrong passwords in a row the next try must wait: try again in 1 second."
        << 5;
}

// Window > Change My Password, by a user who holds no administrative permission.
void TestUserEntry::changeOwnPassword()
{
    QFETCH(int, failuresBefore);
    QFETCH(QString, oldPassword);
    QFETCH(QString, message);
    QFETCH(int, failuresAfter);
    Accounts a;
    a.main.unlock();
    a.env.loginAs(a.tom, QStringLiteral("User"), QStringLiteral("tom"));
    for (int i = 0; i < failuresBefore; ++i)
        Users::recordLoginFailure(a.env.db(), QStringLiteral("tom"), a.env.clock.now());
    a.main.command(QStringLiteral("ChangeMyPassword"))->trigger();
    QWidget* s = a.main.workspace()->find(QStringLiteral("frmChangePassword"));
    QVERIFY(s);
    control<QLineEdit>(s, "txtOldPassword")->setText(oldPassword);
    control<QLineEdit>(s, "txtNewPassword")->setText(QStringLiteral("Psalm 23"));
    control<QLineEdit>(s, "txtNewPasswordAgain")->setText(QStringLiteral("psalm 23"));
    QTest::keyClick(control<QLineEdit>(s, "txtNewPasswordAgain"), Qt::Key_Return);
    test::deleteClosed();

    const bool changed = message.isEmpty();
    QCOMPARE(Users::loginFailures(a.env.db(), QStringLiteral("tom")).inARow, failuresAfter);
    QCOMPARE(login::authenticate(QStringLiteral("tom"), QStringLiteral("Psalm 23")).has_value(), changed);
    QCOMPARE(login::authenticate(QStringLiteral("tom"), QStringLiteral("tompass")).has_value(), !changed);
    QCOMPARE(a.main.workspace()->find(QStringLiteral("frmChangePassword")) == nullptr, changed);
    QCOMPARE(a.env.messages.count(), changed ? 0 : 1);
    QCOMPARE(changed ? QString() : a.env.messages.last().text, message);
}

QTEST_MAIN(TestUserEntry)
#include "tst_userentry.moc"
