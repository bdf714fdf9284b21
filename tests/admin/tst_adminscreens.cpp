#include "RealMessageBoxes.h"
#include "Screens.h"

#include "admin/Screens.h"
#include "app/Permissions.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace pw;
using test::control;

namespace {

struct Menu : test::MainWindowFixture {
    Menu()
    {
        admin::registerScreens(*main.workspace());
        main.show();
        main.unlock();
    }

    qint64 userWith(const QString& permission, const QString& name)
    {
        const qint64 id = env.addMember(name, QStringLiteral("User"));
        env.addUser(id, name, QStringLiteral("pw"), QStringLiteral("User"));
        env.grant(id, permission);
        return id;
    }
    int stored()
    {
        return env.db()
            .scalar(QStringLiteral("SELECT (SELECT COUNT(*) FROM Sunday_School) + (SELECT COUNT(*) FROM "
                                   "Discipleship_Training) + (SELECT COUNT(*) FROM Wednesday_Night) + (SELECT "
                                   "COUNT(*) FROM Care_Group) + (SELECT COUNT(*) FROM Responsibilities) + (SELECT "
                                   "COUNT(*) FROM Church)"))
            .toInt();
    }
};

} // namespace

class TestAdminScreens : public QObject {
    Q_OBJECT
private slots:
    void menuOpensWithItsPermission_data();
    void menuOpensWithItsPermission();
    void saveAsksThePermissionAgain_data();
    void saveAsksThePermissionAgain();
    void refusalOnLeavingABoxShowsOnce_data();
    void refusalOnLeavingABoxShowsOnce();
};

void TestAdminScreens::menuOpensWithItsPermission_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("permission");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Sunday School") << "SSClassEntry" << perm::SSClassEntry << "frmSSClassEntry"
                                   << "Sunday School Class Entry/Edit";
    QTest::newRow("Discipleship Training") << "DTClassEntry" << perm::DTClassEntry << "frmDTClassEntry"
                                           << "Discipleship Training Class Entry/Edit";
    QTest::newRow("Wednesday Night") << "WedClassEntry" << perm::WedClassEntry << "frmWedClassEntry"
                                     << "Wednesday Night Class Entry/Edit";
    QTest::newRow("care groups") << "CGEntry" << perm::CareGroupEntry << "frmCGClassEntry"
                                 << "Care Group Entry/Edit";
    QTest::newRow("responsibilities") << "ChurchResponsibilityEntry" << perm::ResponsibilityEntry
                                      << "frmResponsibilityEntry"
                                      << "Church Responsibility Entry/Edit";
    QTest::newRow("users") << "UserEntry" << perm::UserPermissions << "frmUserEntry"
                           << "User Entry/Edit";
    QTest::newRow("church") << "CompanyInfo" << perm::ChurchInfo << "frmChurchInfo"
                            << "Setup";
}

// Each command opens its window for a user holding its permission alone, and
// refuses one who holds another screen's permission.
void TestAdminScreens::menuOpensWithItsPermission()
{
    QFETCH(QString, command);
    QFETCH(QString, permission);
    QFETCH(QString, window);
    QFETCH(QString, caption);
    Menu m;
    const qint64 other = m.userWith(
        permission == perm::SSClassEntry ? perm::DTClassEntry : perm::SSClassEntry, QStringLiteral("other"));
    m.env.loginAs(other, QStringLiteral("User"));
    m.main.command(command)->trigger();
    QVERIFY(!m.main.workspace()->find(window));
    QCOMPARE(m.env.messages.count(), 1);
    QCOMPARE(m.env.messages.last().text, refusal::View);
    QCOMPARE(m.env.messages.last().title, refusal::Title);

    m.env.loginAs(m.userWith(permission, QStringLiteral("holder")), QStringLiteral("User"));
    m.main.command(command)->trigger();
    QWidget* opened = m.main.workspace()->find(window);
    QVERIFY(opened);
    QCOMPARE(opened->windowTitle(), caption);
    QCOMPARE(m.env.messages.count(), 1);
    QCOMPARE(opened->parentWidget()->pos(), QPoint(0, 0)); // the top left corner of the main window's area
}

void TestAdminScreens::saveAsksThePermissionAgain_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("permission");
    QTest::addColumn<QString>("nameBox"); // what is filled in so that the save would store
    QTest::newRow("Sunday School") << "frmSSClassEntry" << perm::SSClassEntry << "txtName";
    QTest::newRow("Discipleship Training") << "frmDTClassEntry" << perm::DTClassEntry << "txtName";
    QTest::newRow("Wednesday Night") << "frmWedClassEntry" << perm::WedClassEntry << "txtName";
    QTest::newRow("care groups") << "frmCGClassEntry" << perm::CareGroupEntry << "cmbTeacher";
    QTest::newRow("responsibilities") << "frmResponsibilityEntry" << perm::ResponsibilityEntry << "cmbName";
    QTest::newRow("church") << "frmChurchInfo" << perm::ChurchInfo << "txtCompany";
}

// A window left open across Log Off: the next user, without its permission,
// cannot save in it, and its title says so.
void TestAdminScreens::saveAsksThePermissionAgain()
{
    QFETCH(QString, window);
    QFETCH(QString, permission);
    QFETCH(QString, nameBox);
    Menu m;
    m.env.loginAs(m.userWith(permission, QStringLiteral("holder")), QStringLiteral("User"));
    QWidget* s = m.main.workspace()->open(window);
    QVERIFY(s);
    if (auto* combo = s->findChild<QComboBox*>(nameBox)) {
        if (combo->isEditable())
            combo->setEditText(QStringLiteral("Greeter"));
        else
            combo->setCurrentIndex(1);
    } else {
        control<QLineEdit>(s, qPrintable(nameBox))->setText(QStringLiteral("Grace"));
    }
    if (auto* delay = s->findChild<QLineEdit*>(QStringLiteral("txtKeyPressDelay")))
        delay->setText(QStringLiteral("2"));
    const int before = m.stored();

    m.env.loginWithOnly(perm::MemberView);
    QTest::mouseClick(control<QPushButton>(s, "btnSave"), Qt::LeftButton);
    QCOMPARE(m.env.messages.count(), 1);
    QCOMPARE(m.env.messages.last().text, refusal::Save);
    QCOMPARE(m.env.messages.last().title, refusal::Title);
    QCOMPARE(m.env.messages.last().icon, Icon::Warning);
    QCOMPARE(m.stored(), before);
    QVERIFY(m.main.workspace()->find(window));
    QVERIFY(s->windowTitle().endsWith(QStringLiteral(" (View only)")));
}

void TestAdminScreens::refusalOnLeavingABoxShowsOnce_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("next"); // clicked with the mouse; empty: Shift+Tab
    QTest::addColumn<QString>("message");
    QTest::newRow("delay, click in E-mail") << "frmChurchInfo" << "txtKeyPressDelay" << "0.5" << "txtEmail"
                                            << "Invalid Entry: Quantity must be greater than 0.";
    QTest::newRow("user name of another, Shift+Tab")
        << "frmUserEntry" << "txtUsername" << "HOLDER" << ""
        << "Username Exists: This username already exists.  Please choose a different username.";
}

// With the real message box: the refusal shows once, and the focus is back
// in the box it refused, its text selected, once the box is closed.
void TestAdminScreens::refusalOnLeavingABoxShowsOnce()
{
    QFETCH(QString, window);
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, next);
    QFETCH(QString, message);
    Menu m;
    m.userWith(perm::MemberView, QStringLiteral("holder"));
    m.env.loginAs(m.env.addMember(QStringLiteral("Ada"), QStringLiteral("Office")), QStringLiteral("Admin"));
    m.main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m.main));
    QWidget* s = m.main.workspace()->open(window);
    if (auto* names = s->findChild<QComboBox*>(QStringLiteral("cmbName")))
        names->setCurrentIndex(names->findText(QStringLiteral("Office, Ada"), Qt::MatchStartsWith));
    test::RealMessageBoxes boxes;
    auto* refused = control<QLineEdit>(s, qPrintable(box));
    QTest::mouseClick(refused, Qt::LeftButton);
    refused->selectAll();
    QTest::keyClicks(refused, typed);
    if (next.isEmpty())
        QTest::keyClick(refused, Qt::Key_Backtab, Qt::ShiftModifier);
    else
        QTest::mouseClick(control<QLineEdit>(s, qPrintable(next)), Qt::LeftButton);

    QTRY_COMPARE(boxes.shown.size(), 1);
    QTest::qWait(100); // no second message follows
    QCOMPARE(boxes.shown, QStringList { message });
    QTRY_COMPARE(QApplication::focusWidget(), refused);
    QCOMPARE(refused->selectedText(), refused->text());
}

QTEST_MAIN(TestAdminScreens)
#include "tst_adminscreens.moc"
