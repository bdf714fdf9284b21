#include "Screens.h"

#include "widgets/Formats.h"
#include "app/Permissions.h"
#include "members/ResponsibilityPanel.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QtTest>

using namespace pw;
using test::TestEnv;

// Dan is a deacon for two periods; Ann and Bob have him as their deacon, Cy
// has Eve. Dan also leads the choir.
struct Church {
    TestEnv env;
    QLineEdit idBox;
    members::ResponsibilityPanel panel;
    qint64 dan = 0, eve = 0, ann = 0, bob = 0, cy = 0;

    Church()
    {
        const qint64 admin = env.addMember(QStringLiteral("Ada"), QStringLiteral("Office"));
        env.addUser(admin, QStringLiteral("admin"), QStringLiteral("admin"), QStringLiteral("Admin"));
        env.loginAs(admin, QStringLiteral("Admin"));
        dan = env.addMember(QStringLiteral("Dan"), QStringLiteral("Deacon"));
        eve = env.addMember(QStringLiteral("Eve"), QStringLiteral("Elder"));
        ann = env.addMember(QStringLiteral("Ann"), QStringLiteral("A"));
        bob = env.addMember(QStringLiteral("Bob"), QStringLiteral("B"));
        cy = env.addMember(QStringLiteral("Cy"), QStringLiteral("C"));
        for (const char* name : { "Choir Director", "Usher", "Nursery Worker's Aide" })
            env.db().exec(QStringLiteral("INSERT INTO Responsibilities VALUES (?, ?)"),
                { QString::fromUtf8(name), QStringLiteral("About ") + QString::fromUtf8(name) });
        hold(dan, "Deacon", "2020-01-01", "2022-12-31");
        hold(dan, "Deacon", "2024-01-01", "2026-12-31");
        hold(dan, "Choir Director", "2021-06-01", "2021-08-31");
        hold(eve, "Deacon", "2019-01-01", "2029-12-31");
        assignDeacon(ann, dan);
        assignDeacon(bob, dan);
        assignDeacon(cy, eve);
        panel.bind(&idBox);
        panel.reloadLists();
        panel.clear();
        panel.resize(800, 300);
        panel.show();
    }

    void hold(qint64 who, const char* name, const char* start, const char* end)
    {
        env.db().exec(QStringLiteral("INSERT INTO Member_Responsibility VALUES (?, ?, ?, ?)"),
            { who, QString::fromUtf8(name), QString::fromLatin1(start), QString::fromLatin1(end) });
    }
    void assignDeacon(qint64 who, qint64 deacon)
    {
        env.db().exec(QStringLiteral("UPDATE Member SET DeaconID = ? WHERE ID = ?"), { deacon, who });
    }
    void show(qint64 who)
    {
        idBox.setText(who > 0 ? QString::number(who) : QString());
        panel.loadResponsibilities();
    }

    QTableView* grid() { return test::control<QTableView>(&panel, QStringLiteral("vsfgChurchResponsibilites")); }
    QComboBox* resp() { return test::control<QComboBox>(&panel, QStringLiteral("cmbResp")); }
    QDateEdit* start() { return test::control<QDateEdit>(&panel, QStringLiteral("dtRespStart")); }
    QDateEdit* end() { return test::control<QDateEdit>(&panel, QStringLiteral("dtRespEnd")); }
    void click(const char* name) { test::click(&panel, name); }

    void choose(const QString& name, const QDate& from, const QDate& to)
    {
        resp()->setCurrentIndex(resp()->findText(name));
        start()->setDate(from);
        end()->setDate(to);
    }
    void clickRow(int row) { test::clickCell(grid(), row, 0); }
    QStringList gridRows() { return test::rowTexts(grid()->model()); }
    // Stored rows of one person as "name start end".
    QStringList stored(qint64 who)
    {
        QStringList out;
        QSqlQuery q = env.db().exec(QStringLiteral("SELECT Responsibility, \"Start\", \"End\" FROM "
                                                   "Member_Responsibility WHERE Member_ID = ? "
                                                   "ORDER BY Responsibility, \"Start\""),
            { who });
        while (q.next())
            out << q.value(0).toString() + QLatin1Char(' ') + q.value(1).toString() + QLatin1Char(' ')
                    + q.value(2).toString();
        return out;
    }
    qint64 deaconOf(qint64 who)
    {
        return env.db().scalar(QStringLiteral("SELECT DeaconID FROM Member WHERE ID = ?"), { who }).toLongLong();
    }
};

class TestResponsibilityPanel : public QObject {
    Q_OBJECT
private slots:
    void grid();
    void choosingRowNamesIt();
    void add_data();
    void add();
    void refusedWithoutEntryPermission_data();
    void refusedWithoutEntryPermission();
    void requiredInfo_data();
    void requiredInfo();
    void remove_data();
    void remove();
    void deaconRemoval_data();
    void deaconRemoval();
    void failedRemovalChangesNothing();
};

void TestResponsibilityPanel::grid()
{
    Church c;
    c.hold(c.dan, "Retired Office", "2010-01-01", "2011-01-01"); // no longer in the list of names
    c.show(c.dan);
    QCOMPARE(c.gridRows(),
        QStringList({ "|1/1/2010|1/1/2011|", "Choir Director|6/1/2021|8/31/2021|About Choir Director",
            "Deacon|1/1/2020|12/31/2022|Serves the congregation and its families",
            "Deacon|1/1/2024|12/31/2026|Serves the congregation and its families" }));
    QCOMPARE(c.grid()->model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Description"));
    c.show(c.ann);
    QCOMPARE(c.gridRows(), QStringList());
    QCOMPARE(c.grid()->model()->columnCount(), 4);
}

void TestResponsibilityPanel::choosingRowNamesIt()
{
    Church c;
    c.show(c.dan);
    c.clickRow(1);
    QCOMPARE(c.resp()->currentText(), QStringLiteral("Deacon"));
    QCOMPARE(c.start()->date(), QDate(2020, 1, 1));
    QCOMPARE(c.end()->date(), QDate(2022, 12, 31));
    // Moving on with the keyboard follows the current row.
    c.grid()->setFocus();
    QTest::keyClick(c.grid(), Qt::Key_Up);
    QCOMPARE(c.resp()->currentText(), QStringLiteral("Choir Director"));
    QCOMPARE(c.start()->date(), QDate(2021, 6, 1));
    QCOMPARE(c.end()->date(), QDate(2021, 8, 31));
    QVERIFY(c.env.messages.entries.isEmpty());
}

void TestResponsibilityPanel::add_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<QStringList>("stored");

    QTest::newRow("new responsibility") << "Usher" << QDate(2025, 2, 3) << QDate(2025, 12, 31)
                                        << QStringList { "Usher 2025-02-03 2025-12-31" };
    QTest::newRow("apostrophe") << "Nursery Worker's Aide" << QDate(2026, 1, 1) << QDate(2026, 6, 30)
                                << QStringList { "Nursery Worker's Aide 2026-01-01 2026-06-30" };
    QTest::newRow("end before start is kept as given")
        << "Usher" << QDate(2026, 5, 1) << QDate(2026, 4, 1) << QStringList { "Usher 2026-05-01 2026-04-01" };
    QTest::newRow("the same row twice") << "Deacon" << QDate(2030, 1, 1) << QDate(2030, 12, 31)
                                        << QStringList { "Deacon 2030-01-01 2030-12-31",
                                               "Deacon 2030-01-01 2030-12-31" };
}

void TestResponsibilityPanel::add()
{
    QFETCH(QString, name);
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    QFETCH(QStringList, stored);
    Church c;
    c.show(c.ann);
    QSignalSpy changed(&c.panel, &members::ResponsibilityPanel::responsibilitiesChanged);
    for (int i = 0; i < stored.size(); ++i) {
        c.choose(name, start, end);
        c.click("btnAddResp");
    }
    QVERIFY(c.env.messages.entries.isEmpty());
    QCOMPARE(c.stored(c.ann), stored);
    QCOMPARE(c.gridRows().size(), stored.size());
    QVERIFY(c.gridRows().first().startsWith(name + QLatin1Char('|') + formats::dateText(start)));
    QCOMPARE(changed.count(), stored.size());
    // Ready for the next one: nothing chosen, both dates today.
    QCOMPARE(c.resp()->currentIndex(), -1);
    QCOMPARE(c.start()->date(), QDate(2026, 3, 15));
    QCOMPARE(c.end()->date(), QDate(2026, 3, 15));
}

void TestResponsibilityPanel::refusedWithoutEntryPermission_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("add") << "btnAddResp" << refusal::Save;
    QTest::newRow("remove") << "btnRemoveResp" << refusal::Remove;
}

void TestResponsibilityPanel::refusedWithoutEntryPermission()
{
    QFETCH(QString, button);
    QFETCH(QString, refusal);
    Church c;
    c.env.loginWithOnly(perm::MemberView);
    c.show(c.dan);
    c.choose(QStringLiteral("Deacon"), QDate(2020, 1, 1), QDate(2022, 12, 31));
    QSignalSpy changed(&c.panel, &members::ResponsibilityPanel::responsibilitiesChanged);
    const QStringList before = c.stored(c.dan);

    c.click(button.toLatin1().constData());
    QCOMPARE(c.env.messages.count(), 1);
    QCOMPARE(c.env.messages.last().text, refusal);
    QCOMPARE(c.env.messages.last().title, QStringLiteral("Invalid Permission"));
    QCOMPARE(c.env.messages.last().icon, Icon::Warning);
    QCOMPARE(c.stored(c.dan), before);
    QCOMPARE(c.deaconOf(c.ann), c.dan);
    QCOMPARE(changed.count(), 0);
}

void TestResponsibilityPanel::requiredInfo_data()
{
    QTest::addColumn<bool>("personShown");
    QTest::addColumn<QString>("name");
    QTest::newRow("no person") << false << "Usher";
    QTest::newRow("no responsibility") << true << "";
}

void TestResponsibilityPanel::requiredInfo()
{
    QFETCH(bool, personShown);
    QFETCH(QString, name);
    Church c;
    c.show(personShown ? c.ann : 0);
    c.choose(name, QDate(2026, 1, 1), QDate(2026, 2, 1));
    c.click("btnAddResp");
    QCOMPARE(c.env.messages.count(), 1);
    QCOMPARE(c.env.messages.last().text, QStringLiteral("You must have a current member and responsibility selected."));
    QCOMPARE(c.env.messages.last().title, QStringLiteral("Required Info"));
    QCOMPARE(c.env.messages.last().icon, Icon::None);
    QCOMPARE(c.env.db().scalar(QStringLiteral("SELECT COUNT(*) FROM Member_Responsibility")).toInt(), 4);
}

void TestResponsibilityPanel::remove_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QStringList>("left");

    const QStringList all { "Choir Director 2021-06-01 2021-08-31", "Choir Director 2021-06-01 2021-08-31",
        "Deacon 2020-01-01 2022-12-31", "Deacon 2024-01-01 2026-12-31" };
    QTest::newRow("both equal rows go") << "Choir Director" << QDate(2021, 6, 1) << QDate(2021, 8, 31) << true
                                        << all.mid(2);
    QTest::newRow("no keeps them") << "Choir Director" << QDate(2021, 6, 1) << QDate(2021, 8, 31) << false << all;
    QTest::newRow("other start date") << "Choir Director" << QDate(2021, 6, 2) << QDate(2021, 8, 31) << true << all;
    QTest::newRow("other end date") << "Choir Director" << QDate(2021, 6, 1) << QDate(2021, 9, 1) << true << all;
    QTest::newRow("nothing chosen") << "" << QDate(2021, 6, 1) << QDate(2021, 8, 31) << true << all;
}

void TestResponsibilityPanel::remove()
{
    QFETCH(QString, name);
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    QFETCH(bool, yes);
    QFETCH(QStringList, left);
    Church c;
    c.hold(c.dan, "Choir Director", "2021-06-01", "2021-08-31");
    c.show(c.dan);
    c.choose(name, start, end);
    c.env.messages.answers = { yes ? Answer::Yes : Answer::No };
    c.click("btnRemoveResp");
    const bool nothingNamed = yes && left.size() == 4;
    QCOMPARE(c.env.messages.count(), nothingNamed ? 2 : 1);
    QCOMPARE(c.env.messages.last().title, nothingNamed ? "Invalid Selection" : "Remove Confirmation");
    QCOMPARE(c.env.messages.entries.first().text,
        QStringLiteral("Are you sure you want to remove the selected Responsibility?"));
    QCOMPARE(c.stored(c.dan), left);
    QCOMPARE(c.gridRows().size(), left.size());
    QCOMPARE(c.deaconOf(c.ann), c.dan);
}

void TestResponsibilityPanel::deaconRemoval_data()
{
    QTest::addColumn<QString>("spelling"); // of the 2020-2022 row; lower case: imported
    QTest::addColumn<bool>("lastTerm"); // the 2024-2026 row is gone
    QTest::addColumn<QDate>("start"); // the row the controls name
    QTest::addColumn<QList<int>>("answers"); // 1 Yes, 0 No
    QTest::addColumn<int>("messages");
    QTest::addColumn<bool>("rowRemoved");
    QTest::addColumn<bool>("assignmentsCleared");

    const QDate d(2020, 1, 1);
    QTest::newRow("one of two terms") << "Deacon" << false << d << QList<int> { 1 } << 1 << true << false;
    QTest::newRow("last term, yes to both") << "Deacon" << true << d << QList<int> { 1, 1 } << 2 << true << true;
    QTest::newRow("last term, no to the deacon question")
        << "Deacon" << true << d << QList<int> { 1, 0 } << 2 << false << false;
    QTest::newRow("no to the first question") << "Deacon" << true << d << QList<int> { 0 } << 1 << false << false;
    QTest::newRow("no matching row") << "Deacon" << true << d.addDays(1) << QList<int> { 1 } << 2 << false << false;
    QTest::newRow("last term in small letters") << "deacon" << true << d << QList<int> { 1, 1 } << 2 << true << true;
}

void TestResponsibilityPanel::deaconRemoval()
{
    QFETCH(QString, spelling);
    QFETCH(bool, lastTerm);
    QFETCH(QDate, start);
    QFETCH(QList<int>, answers);
    QFETCH(int, messages);
    QFETCH(bool, rowRemoved);
    QFETCH(bool, assignmentsCleared);
    Church c;
    c.env.db().exec(QStringLiteral("UPDATE Member_Responsibility SET Responsibility = ? WHERE \"Start\" = "
                                   "'2020-01-01'"),
        { spelling });
    if (lastTerm)
        c.env.db().exec(QStringLiteral("DELETE FROM Member_Responsibility WHERE \"Start\" = '2024-01-01'"));
    c.show(c.dan);
    QSignalSpy changed(&c.panel, &members::ResponsibilityPanel::responsibilitiesChanged);
    c.choose(QStringLiteral("Deacon"), start, QDate(2022, 12, 31));
    for (int a : answers)
        c.env.messages.answers << (a ? Answer::Yes : Answer::No);
    c.click("btnRemoveResp");

    QCOMPARE(c.env.messages.count(), messages);
    // The deacon question comes only with the last term.
    QCOMPARE(c.env.messages.last().title == QStringLiteral("Deacon Removal"), answers.size() == 2);
    QCOMPARE(c.stored(c.dan).contains(spelling + QStringLiteral(" 2020-01-01 2022-12-31")), !rowRemoved);
    QCOMPARE(c.deaconOf(c.ann), assignmentsCleared ? 0 : c.dan);
    QCOMPARE(c.deaconOf(c.bob), assignmentsCleared ? 0 : c.dan);
    QCOMPARE(c.deaconOf(c.cy), c.eve); // another deacon's people are untouched
    QCOMPARE(changed.count(), rowRemoved ? 1 : 0);
}

void TestResponsibilityPanel::failedRemovalChangesNothing()
{
    // When the delete fails, the deacon assignments cleared before it in the
    // same change come back, and the error is shown.
    Church c;
    c.env.refuseChanges(
        QStringLiteral("Member_Responsibility"), QStringLiteral("DELETE"), QStringLiteral("rows are locked"));
    c.show(c.dan);
    c.choose(QStringLiteral("Deacon"), QDate(2020, 1, 1), QDate(2022, 12, 31));
    c.click("btnRemoveResp");
    QCOMPARE(c.env.messages.last().title, QStringLiteral("Pewlark"));
    QVERIFY(c.env.messages.last().text.contains(QStringLiteral("rows are locked")));
    QCOMPARE(c.deaconOf(c.ann), c.dan);
    QCOMPARE(c.stored(c.dan).size(), 3);
    QCOMPARE(c.resp()->currentText(), QStringLiteral("Deacon")); // the screen keeps the choice
}

QTEST_MAIN(TestResponsibilityPanel)
#include "tst_responsibilitypanel.moc"
