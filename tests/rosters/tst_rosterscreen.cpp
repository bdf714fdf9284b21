// The roster screen as the office uses it: the month's grid, people added and saved, the fill's
// proposal, the view-only screen, a place filled elsewhere meanwhile, and Enter in the person list.

#include "Screens.h"
#include "TestSupport.h"

#include "app/Permissions.h"
#include "rosters/Rosters.h"
#include "rosters/Screens.h"
#include "widgets/Conflicts.h"

#include <QComboBox>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace pw;
using namespace pw::rosters;
using test::control;

namespace {

// Sundays' Worship Service has two ushers (holders of "Usher") and a reader (anyone who offered); Wednesdays
// have a greeter. Hale ushered on 3/1 (confirmed) and Bell on 3/8, a day Bell cannot serve.
struct Church {
    test::TestEnv env;
    MDI main;
    qint64 hale = 0, bell = 0, cole = 0;
    qint64 usher = 0, reader = 0;
    QWidget* screen = nullptr;

    explicit Church(const QString& permission = QString())
    {
        setWorkspace(main.workspace());
        registerScreens(*main.workspace());
        Database& db = env.db();
        hale = env.addMember("Helen", "Hale"), bell = env.addMember("Bo", "Bell"), cole = env.addMember("Cy", "Cole");
        db.exec("INSERT INTO Member_Responsibility (Member_ID, Responsibility) SELECT ID, 'Usher' FROM Member");
        usher = savePosition(db, { 0, "Usher", "WS", 2, "Usher", 1, true });
        reader = savePosition(db, { 0, "Reader", "WS", 1, "", 2, true });
        savePosition(db, { 0, "Greeter", "WN", 1, "", 3, true });
        setPreference(db, cole, reader, Frequency::Weekly);
        turn(usher, "2026-03-01", hale, true);
        turn(usher, "2026-03-08", bell);
        away(bell, QDate(2026, 3, 8));
        permission.isEmpty() ? env.loginAs(hale, "Admin", "ann") : void(env.loginWithOnly(permission));
    }
    ~Church() { setWorkspace(nullptr); }

    void open() { screen = main.workspace()->openWithoutTest(QStringLiteral("frmRosters")); }
    void turn(qint64 position, const QString& day, qint64 person, bool confirmed = false)
    {
        env.db().exec(
            "INSERT INTO Roster_Assignment (Position_ID, Serve_Date, Member_ID, Confirmed) VALUES (?, ?, ?, ?)",
            { position, day, person, int(confirmed) });
    }
    void away(qint64 who, const QDate& day) { addUnavailability(env.db(), { 0, who, day, day, Repeats::Once, "" }); }
    QTableWidget* grid() { return control<QTableWidget>(screen, "grdRoster"); }
    QComboBox* pick() { return control<QComboBox>(screen, "cmbPerson"); }
    QString cell(int row, int column) { return grid()->item(row, column)->text(); }
    void click(const char* button) { QTest::mouseClick(control<QPushButton>(screen, button), Qt::LeftButton); }
    void choose(int row, qint64 who)
    {
        grid()->setCurrentCell(row, 0);
        pick()->setCurrentIndex(pick()->findData(who));
    }
    QStringList stored(qint64 at)
    {
        return env.db().texts("SELECT Serve_Date||' '||Member_ID FROM Roster_Assignment WHERE Position_ID = ?", { at });
    }
    bool unsaved() { return screen->windowTitle().endsWith(QLatin1Char('*')); }
};

} // namespace

class TestRosterScreen : public QObject {
    Q_OBJECT

private slots:
    void monthGrid()
    {
        Church c;
        c.open();
        QCOMPARE(control<QComboBox>(c.screen, "cmbService")->currentText(), QStringLiteral("Worship Service"));
        QTableWidget* grid = c.grid();
        QStringList days;
        for (int r = 0; r < grid->rowCount(); ++r)
            days << grid->verticalHeaderItem(r)->text();
        QCOMPARE(days, (QStringList { "3/1/2026", "3/8/2026", "3/15/2026", "3/22/2026", "3/29/2026" }));
        QCOMPARE(grid->columnCount(), 2);
        QCOMPARE(c.cell(0, 0), QStringLiteral("\u2713 Hale, Helen\n(1 place empty)"));
        QCOMPARE(c.cell(1, 0), QStringLiteral("Bell, Bo (unavailable)\n(1 place empty)"));
        QCOMPARE(c.cell(2, 0), QStringLiteral("(2 places empty)"));
        QCOMPARE(c.cell(0, 1), QStringLiteral("(1 place empty)"));
        QVERIFY(grid->item(1, 0)->background().style() != Qt::NoBrush);
    }

    // How Cole is offered for the ushers on 3/15.
    void candidatesAreMarked_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("offered");
        const auto row = [](const char* name, QString kind, QString day, QString offered) {
            QTest::newRow(name) << kind << day << offered;
        };
        row("free", "", "", "Cole, Cy");
        row("unavailable", "away", "2026-03-15", "Cole, Cy (unavailable)");
        row("reads that day", "reader", "2026-03-15", "Cole, Cy (serving that day)");
        row("served three weeks ago", "usher", "2026-02-22", "Cole, Cy (served 2/22/2026)");
        row("served five weeks ago", "usher", "2026-02-08", "Cole, Cy");
    }

    void candidatesAreMarked()
    {
        QFETCH(QString, kind);
        QFETCH(QString, day);
        QFETCH(QString, offered);
        Church c;
        if (kind == QLatin1String("away"))
            c.away(c.cole, QDate::fromString(day, Qt::ISODate));
        else if (!kind.isEmpty())
            c.turn(kind == QLatin1String("reader") ? c.reader : c.usher, day, c.cole);
        c.open();
        c.grid()->setCurrentCell(2, 0);
        QCOMPARE(c.pick()->itemText(c.pick()->findData(c.cole)), offered);
    }

    void addAndSave()
    {
        Church c;
        c.open();
        for (int twice = 0; twice < 2; ++twice) { // the second time: already there, nothing more
            c.choose(2, c.cole);
            c.click("btnAdd");
        }
        QCOMPARE(c.cell(2, 0), QStringLiteral("Cole, Cy\n(1 place empty)"));
        QCOMPARE(c.stored(c.usher).size(), 2);
        c.click("btnSave");
        QCOMPARE(c.env.messages.count(), 0);
        QVERIFY(!c.unsaved());
        QVERIFY(c.stored(c.usher).contains(QStringLiteral("2026-03-15 %1").arg(c.cole)));
    }

    // Only the reader is filled: Cole offered and cannot serve on 3/22.
    void fillProposesUnsavedTurns_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }

    void fillProposesUnsavedTurns()
    {
        QFETCH(bool, yes);
        Church c;
        c.env.db().exec("UPDATE Roster_Position SET Active = 0 WHERE ID = ?", { c.usher });
        c.away(c.cole, QDate(2026, 3, 22));
        c.open();
        c.env.messages.answers = { yes ? Answer::Yes : Answer::No };
        c.click("btnFill");
        QCOMPARE(c.env.messages.last().text,
            QStringLiteral("Add these 4 turns to the roster?\n\n3/1/2026  Reader  Cole, Cy\n3/8/2026  Reader  Cole, "
                           "Cy\n3/15/2026  Reader  Cole, Cy\n3/22/2026  Reader: 1 place left empty: not enough "
                           "people can serve\n3/29/2026  Reader  Cole, Cy"));
        QCOMPARE(c.unsaved(), yes);
        QCOMPARE(c.cell(0, 0), yes ? QStringLiteral("Cole, Cy") : QStringLiteral("(1 place empty)"));
        QVERIFY(c.stored(c.reader).isEmpty());
        c.click("btnSave");
        QCOMPARE(c.stored(c.reader).size(), yes ? 4 : 0);
    }

    void viewOnlyWithoutMemberEntry()
    {
        Church c(perm::MemberView);
        c.open();
        c.grid()->setCurrentCell(2, 0);
        QCOMPARE(c.screen->windowTitle(), QStringLiteral("Rosters (View only)"));
        for (const char* button : { "btnAdd", "btnFill", "btnSave", "btnRemove", "btnConfirm" })
            QVERIFY2(!control<QPushButton>(c.screen, button)->isEnabled(), button);
    }

    // Both ushers' places of 3/15 were filled at another workstation after
    // the screen showed them empty; the user keeps theirs.
    void placeFilledElsewhereAsks()
    {
        Church c;
        c.open();
        c.choose(2, c.bell);
        c.click("btnAdd");
        c.turn(c.usher, "2026-03-15", c.hale);
        c.turn(c.usher, "2026-03-15", c.cole);
        c.env.messages.choices = { QStringLiteral("Keep theirs") };
        c.click("btnSave");
        QCOMPARE(c.env.messages.last().text,
            conflictQuestion("roster", { QStringLiteral("Usher on 3/15/2026 was filled at another workstation") }));
        QVERIFY(!c.unsaved());
        QCOMPARE(c.cell(2, 0), QStringLiteral("Hale, Helen\nCole, Cy"));
        QCOMPARE(c.stored(c.usher).filter("2026-03-15").size(), 2);
    }

    void enterInThePersonListAdds()
    {
        Church c;
        c.main.show();
        c.open();
        QVERIFY(QTest::qWaitForWindowActive(&c.main));
        test::clickCell(c.grid(), 2, 0);
        QComboBox* person = c.pick();
        person->setFocus();
        QTest::keyClick(person, Qt::Key_C);
        QCOMPARE(person->currentText(), QStringLiteral("Cole, Cy"));
        QTest::keyClick(person, Qt::Key_Return);
        QCOMPARE(c.cell(2, 0), QStringLiteral("Cole, Cy\n(1 place empty)"));
        QVERIFY(c.unsaved());
    }
};

QTEST_MAIN(TestRosterScreen)
#include "tst_rosterscreen.moc"
