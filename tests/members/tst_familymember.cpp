#include "TestSupport.h"

#include "widgets/Guard.h"
#include "app/Workspace.h"
#include "members/frmMemberEntry.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

using namespace pw;
using test::TestEnv;

// "New Family Member" on the member screen: a person of the head's
// household, linked to the head by the first save, in one transaction.
class TestFamilyMember : public QObject {
    Q_OBJECT
private slots:
    void firstSaveLinksToHead_data();
    void firstSaveLinksToHead();
};

void TestFamilyMember::firstSaveLinksToHead_data()
{
    QTest::addColumn<bool>("linkFails");
    QTest::addColumn<bool>("fromRelative"); // started on a relative the head lists, not on the head
    QTest::newRow("linked") << false << false;
    QTest::newRow("from a relative") << false << true;
    QTest::newRow("link refused: nobody saved") << true << false;
}

void TestFamilyMember::firstSaveLinksToHead()
{
    QFETCH(bool, linkFails);
    QFETCH(bool, fromRelative);
    TestEnv env;
    QMdiArea area;
    Workspace ws(&area);
    setWorkspace(&ws);
    const qint64 clerk = env.addMember(QStringLiteral("Clara"), QStringLiteral("Clerk"));
    env.loginAs(clerk, QStringLiteral("Admin"));
    env.db().exec(QStringLiteral("INSERT INTO Church (Name, State, KeyPressDelay) VALUES ('Grace', 'TN', 1)"));
    const qint64 head = env.addMember(QStringLiteral("Henry"), QStringLiteral("Hale"));
    env.db().exec(QStringLiteral("UPDATE Member SET Head_Of_Household = 1, Address_1 = '12 Elm St', City = "
                                 "'Franklin', State = 'KY', Zip = '37064', Phone = '6155550142' WHERE ID = ?"),
        { head });
    const qint64 wife = env.addMember(QStringLiteral("Helen"), QStringLiteral("Hale"));
    env.db().exec(QStringLiteral("INSERT INTO Family_Connection VALUES (?, 'Wife', ?)"), { head, wife });
    if (linkFails)
        env.refuseChanges(
            QStringLiteral("Family_Connection"), QStringLiteral("INSERT"), QStringLiteral("link refused"));

    auto* form = ws.open<members::frmMemberEntry>();
    auto* state = test::control<QComboBox>(form, "cmbState");
    QCOMPARE(state->currentText(), QStringLiteral("TN")); // a new person: the church's State
    QVERIFY(form->LoadMember(fromRelative ? wife : head));
    test::control<QPushButton>(form, "btnNewFamilyMember")->click();
    QCOMPARE(test::control<QLineEdit>(form, "txtLName")->text(), QStringLiteral("Hale"));
    QCOMPARE(test::control<QLineEdit>(form, "txtCity")->text(), QStringLiteral("Franklin"));
    QCOMPARE(state->currentText(), QStringLiteral("KY"));
    QCOMPARE(test::control<QLineEdit>(form, "txtHomePhone")->text(), QStringLiteral("(615) 555-0142"));
    QVERIFY(test::control<QLineEdit>(form, "txtMemberID")->text().isEmpty());

    auto choose = [form](const char* name, const char* text) {
        auto* combo = test::control<QComboBox>(form, name);
        combo->setCurrentIndex(combo->findText(QString::fromLatin1(text)));
        QVERIFY2(combo->currentIndex() >= 0, name);
    };
    choose("cmbMemberStatus", "Child Of Member");
    test::control<QLineEdit>(form, "txtFName")->setText(QStringLiteral("Hannah"));
    choose("cmbGender", "Female");
    choose("cmbChurchStatus", "Active");
    choose("cmbProspectStatus", "Inactive");
    const int before = env.db().scalar(QStringLiteral("SELECT COUNT(*) FROM Member")).toInt();
    // Without a relationship the save is refused with the frame's list in view.
    guarded([form] { form->saveKeepingRecord(); }); // as Ctrl+S runs it
    QCOMPARE(env.messages.last().title, QStringLiteral("Required Info"));
    choose("cmbRelationship", "Daughter");
    env.messages.clear();
    guarded([form] { form->saveKeepingRecord(); });

    const int after = env.db().scalar(QStringLiteral("SELECT COUNT(*) FROM Member")).toInt();
    const QVariant linked = env.db().scalar(
        QStringLiteral("SELECT Relationship FROM Family_Connection WHERE Member_ID = ? AND Relative_Member_ID = "
                       "(SELECT MAX(ID) FROM Member)"),
        { head });
    if (linkFails) {
        QCOMPARE(after, before);
        QVERIFY(env.messages.last().text.contains(QStringLiteral("link refused")));
        QVERIFY(test::control<QLineEdit>(form, "txtMemberID")->text().isEmpty());
    } else {
        QCOMPARE(after, before + 1);
        QCOMPARE(linked.toString(), QStringLiteral("Daughter"));
        // The family grid shows the head at once.
        QCOMPARE(test::control<QTableView>(form, "vsfgFamilyMembers")->model()->rowCount(), 1);
    }
    setWorkspace(nullptr);
}

QTEST_MAIN(TestFamilyMember)
#include "tst_familymember.moc"
