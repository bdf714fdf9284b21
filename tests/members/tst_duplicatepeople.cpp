#include "TestSupport.h"

#include "widgets/FormHelpers.h"
#include "app/Workspace.h"
#include "data/Members.h"
#include "members/Screens.h"
#include "members/frmMemberEntry.h"
#include "members/frmMergePeople.h"
#include "members/frmPossibleDuplicates.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>

using namespace pw;
using test::TestEnv;

class TestDuplicatePeople : public QObject {
    Q_OBJECT
private slots:
    void savingANewPersonWhoIsThereAsks_data();
    void savingANewPersonWhoIsThereAsks();
    void chosenValuesStayOnTheKeptRecord();
    void typedBlanksAreNotStored_data();
    void typedBlanksAreNotStored();
    void possibleDuplicatesOpenInMerge();
};

namespace {

qint64 person(TestEnv& env, const QString& first, const QString& phone, const QString& email, const QString& edited)
{
    const qint64 id = env.addMember(first, QStringLiteral("Hale"));
    env.db().exec(QStringLiteral("UPDATE Member SET Phone = ?, Email = ?, Date_Edited = ? WHERE ID = ?"),
        { phone, email, edited, id });
    return id;
}

// A logged-in "Admin" at a main window area with the member screens registered.
struct Desk {
    TestEnv env;
    QMdiArea area;
    Workspace ws { &area };

    Desk()
    {
        members::registerScreens(ws);
        setWorkspace(&ws);
        area.resize(1000, 700);
        area.show();
        env.loginAs(env.addMember(QStringLiteral("Clara"), QStringLiteral("Clerk")), QStringLiteral("Admin"));
    }
    ~Desk() { setWorkspace(nullptr); }
};

} // namespace

void TestDuplicatePeople::savingANewPersonWhoIsThereAsks_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("added");
    QTest::addColumn<bool>("opened"); // the screen shows the person already there
    QTest::newRow("save anyway") << "Save Anyway" << 1 << false;
    QTest::newRow("open that person") << "Open That Person" << 0 << true;
    QTest::newRow("cancel: what was typed stays") << "Cancel" << 0 << false;
}

void TestDuplicatePeople::savingANewPersonWhoIsThereAsks()
{
    QFETCH(QString, answer);
    QFETCH(int, added);
    QFETCH(bool, opened);
    TestEnv env;
    QMdiArea area;
    Workspace ws(&area);
    setWorkspace(&ws);
    env.loginAs(env.addMember(QStringLiteral("Clara"), QStringLiteral("Clerk")), QStringLiteral("Admin"));
    const qint64 there = person(env, QStringLiteral("Margaret"), QStringLiteral("5551234567"), QString(), QString());
    env.db().exec(QStringLiteral("UPDATE Member SET Date_Of_Birth = '1950-03-04' WHERE ID = ?"), { there });
    auto* form = ws.open<members::frmMemberEntry>();
    for (const auto& [name, text] : { std::pair { "cmbMemberStatus", "Member" }, { "cmbGender", "Female" },
             { "cmbChurchStatus", "Active" }, { "cmbProspectStatus", "Inactive" } }) {
        auto* list = test::control<QComboBox>(form, name);
        list->setCurrentIndex(list->findText(QString::fromLatin1(text)));
    }
    test::control<QLineEdit>(form, "txtFName")->setText(QStringLiteral("margaret "));
    test::control<QLineEdit>(form, "txtLName")->setText(QStringLiteral("Hale"));
    test::control<QCheckBox>(form, "chkDOB")->setChecked(true);
    test::control<QDateEdit>(form, "dtDOB")->setDate(QDate(1950, 3, 4));
    const int people = env.db().scalar(QStringLiteral("SELECT COUNT(*) FROM Member")).toInt();
    env.messages.choices = { answer };
    QTest::mouseClick(test::control<QPushButton>(form, "btnSaveNew"), Qt::LeftButton);
    QCOMPARE(env.messages.last().text,
        QStringLiteral("There is already Hale, Margaret (born 3/4/1950, phone (555) 123-4567)."));
    QCOMPARE(env.db().scalar(QStringLiteral("SELECT COUNT(*) FROM Member")).toInt(), people + added);
    QCOMPARE(test::control<QLineEdit>(form, "txtMemberID")->text() == QString::number(there), opened);
    QCOMPARE(test::control<QLineEdit>(form, "txtFName")->text() == QLatin1String("margaret "), answer == "Cancel");
    setWorkspace(nullptr);
}

// The value given where only one record has one, the newer record's where
// both do, and what the user clicks instead.
void TestDuplicatePeople::chosenValuesStayOnTheKeptRecord()
{
    Desk desk;
    TestEnv& env = desk.env;
    Workspace& ws = desk.ws;
    const qint64 kept = person(env, QStringLiteral("Margaret"), QString(), QStringLiteral("old@hale.org"),
        QStringLiteral("2020-01-01T10:00:00"));
    const qint64 removed = person(env, QStringLiteral("Margret"), QStringLiteral("5551234567"),
        QStringLiteral("new@hale.org"), QStringLiteral("2025-01-01T10:00:00"));
    auto* form = qobject_cast<members::frmMergePeople*>(ws.open(QStringLiteral("frmMergePeople")));
    QVERIFY(form);
    form->choose(kept, removed);
    auto* grid = test::control<QTableWidget>(form, "vsfgFields");
    const auto rowOf = [&](const QString& caption) {
        for (int row = 0; row < grid->rowCount(); ++row)
            if (grid->item(row, 0)->text() == caption)
                return row;
        return -1;
    };
    const int firstName = rowOf(QStringLiteral("First Name"));
    QCOMPARE(grid->item(firstName, 2)->checkState(), Qt::Checked); // the newer edit
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(firstName, 1)).center());
    QCOMPARE(grid->item(firstName, 1)->checkState(), Qt::Checked);

    QTest::mouseClick(test::control<QPushButton>(form, "btnMerge"), Qt::LeftButton);
    QVERIFY(env.messages.last().question);
    const MemberRecord stays = *Members::load(env.db(), kept);
    QCOMPARE(QStringList({ stays.firstName, stays.phone, stays.email, stays.editedBy }),
        QStringList({ "Margaret", "5551234567", "new@hale.org", "tester" }));
    QVERIFY(!Members::load(env.db(), removed));
}

void TestDuplicatePeople::typedBlanksAreNotStored_data()
{
    QTest::addColumn<QString>("typedEmail"); // after the e-mail "old@example.org " the person has
    QTest::addColumn<QString>("stored"); // First|Email
    QTest::newRow("an edited e-mail") << "x " << "Ann|old@example.org x";
    QTest::newRow("an e-mail not edited stays as stored") << "" << "Ann|old@example.org ";
}

// The name and e-mail boxes store what was typed without the blanks around it.
void TestDuplicatePeople::typedBlanksAreNotStored()
{
    QFETCH(QString, typedEmail);
    QFETCH(QString, stored);
    Desk desk;
    const qint64 id = person(desk.env, QStringLiteral("Ann"), {}, QStringLiteral("old@example.org "), {});
    desk.env.db().exec(QStringLiteral("UPDATE Member SET Gender = 'Female', Member_Active_Status = 'Active', "
                                      "Prospect_Active_Status = 'Inactive' WHERE ID = ?"),
        { id });
    auto* form = desk.ws.open<members::frmMemberEntry>();
    QVERIFY(form->LoadMember(id));
    for (const auto& [box, text] : { std::pair { "txtFName", QStringLiteral("  ") }, { "txtEmail", typedEmail } }) {
        test::control<QLineEdit>(form, box)->end(false);
        QTest::keyClicks(test::control<QLineEdit>(form, box), text);
    }
    QTest::mouseClick(test::control<QPushButton>(form, "btnSaveNew"), Qt::LeftButton);
    const MemberRecord saved = *Members::load(desk.env.db(), id);
    QCOMPARE(saved.firstName + QLatin1Char('|') + saved.email, stored);
}

// Each pair opens in the merge window; a pair marked as two people is not
// offered again, and a pair of someone merged away leaves the list.
void TestDuplicatePeople::possibleDuplicatesOpenInMerge()
{
    Desk desk;
    person(desk.env, QStringLiteral("Margaret"), QStringLiteral("5551234567"), {}, {});
    person(desk.env, QStringLiteral("Margret"), QStringLiteral("5551234567"), {}, {});
    const qint64 ruth = person(desk.env, QStringLiteral("Ruth"), {}, QStringLiteral("ruth@hale.org"), {});
    const qint64 ruthie = person(desk.env, QStringLiteral("Ruthie"), {}, QStringLiteral("RUTH@hale.org"), {});
    auto* merge = qobject_cast<members::frmMergePeople*>(desk.ws.open(QStringLiteral("frmMergePeople")));
    QTest::mouseClick(test::control<QPushButton>(merge, "btnPossibleDuplicates"), Qt::LeftButton);
    auto* list = desk.ws.find<members::frmPossibleDuplicates>();
    auto* grid = test::control<QTableView>(list, "vsfgPairs");
    QCOMPARE(grid->model()->rowCount(), 2);
    QCOMPARE(grid->model()->index(1, 1).data().toString(), QStringLiteral("Hale, Ruth (ID %1)").arg(ruth));

    grid->setCurrentIndex(grid->model()->index(1, 1));
    QTest::keyClick(grid, Qt::Key_Return);
    QCOMPARE(selectedId(test::control<QComboBox>(merge, "cmbKeep")), ruth);
    QCOMPARE(selectedId(test::control<QComboBox>(merge, "cmbRemove")), ruthie);

    grid->setCurrentIndex(grid->model()->index(0, 1));
    QTest::mouseClick(test::control<QPushButton>(list, "btnNotSame"), Qt::LeftButton);
    QTest::mouseClick(test::control<QPushButton>(list, "btnRefresh"), Qt::LeftButton);
    QCOMPARE(grid->model()->rowCount(), 1);
    QCOMPARE(desk.env.db().scalar(QStringLiteral("SELECT Marked_By FROM Member_Not_Duplicate")).toString(),
        QStringLiteral("tester"));
    QTest::mouseClick(test::control<QPushButton>(merge, "btnMerge"), Qt::LeftButton);
    QCOMPARE(grid->model()->rowCount(), 0);
}

QTEST_MAIN(TestDuplicatePeople)
#include "tst_duplicatepeople.moc"
