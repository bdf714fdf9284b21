// The positions screen: every row checked before anything is written, and a
// position that has been served in kept, inactive, when it is removed.
#include "TestSupport.h"

#include "rosters/Rosters.h"
#include "rosters/frmRosterPositions.h"

#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace pw;
using namespace pw::rosters;
using test::control;

class TestRosterPositions : public QObject {
    Q_OBJECT
private slots:
    void rowsCheckedBeforeAnyIsSaved_data();
    void rowsCheckedBeforeAnyIsSaved();
};

void TestRosterPositions::rowsCheckedBeforeAnyIsSaved_data()
{
    QTest::addColumn<QString>("name"); // of the new row, at the worship service
    QTest::addColumn<bool>("removeUsher"); // the usher position, which has a turn
    QTest::addColumn<QString>("message"); // the last message; empty: none
    QTest::addColumn<QStringList>("stored"); // name:active of every position afterwards
    QTest::newRow("a new position") << "Reader" << false << "" << QStringList { "Usher:1", "Reader:1" };
    QTest::newRow("no name") << "" << false << "Every position needs a name." << QStringList { "Usher:1" };
    QTest::newRow("a name twice at one service")
        << "USHER" << false << "There are two positions named \"USHER\" at the Worship Service."
        << QStringList { "Usher:1" };
    QTest::newRow("a position served in is kept")
        << "Reader" << true
        << "\"Usher\" has turns on the rosters, so it was made inactive instead of removed: past rosters keep its "
           "name."
        << QStringList { "Usher:0", "Reader:1" };
}

void TestRosterPositions::rowsCheckedBeforeAnyIsSaved()
{
    QFETCH(QString, name);
    QFETCH(bool, removeUsher);
    QFETCH(QString, message);
    QFETCH(QStringList, stored);
    test::TestEnv env;
    env.loginAs(env.addMember(QStringLiteral("Ann"), QStringLiteral("Cole")), QStringLiteral("Admin"));
    const qint64 usher = savePosition(env.db(), { 0, QStringLiteral("Usher"), QStringLiteral("WS"), 2, {}, 0, true });
    env.db().exec(QStringLiteral("INSERT INTO Roster_Assignment (Position_ID, Serve_Date, Member_ID) VALUES (?, "
                                 "'2026-03-01', 1)"),
        { usher });
    frmRosterPositions screen;
    auto* grid = control<QTableWidget>(&screen, "grdPositions");
    grid->setCurrentCell(0, 0);
    QTest::mouseClick(control<QPushButton>(&screen, "btnNew"), Qt::LeftButton);
    grid->item(1, 0)->setText(name);
    if (removeUsher) {
        grid->setCurrentCell(0, 0);
        QTest::mouseClick(control<QPushButton>(&screen, "btnRemove"), Qt::LeftButton);
    }
    QCOMPARE(screen.save(), message.isEmpty() || removeUsher);
    QCOMPARE(env.messages.count() == 0 ? QString() : env.messages.last().text, message);
    QCOMPARE(env.db().texts(QStringLiteral("SELECT Name || ':' || Active FROM Roster_Position ORDER BY ID")), stored);
}

QTEST_MAIN(TestRosterPositions)
#include "tst_rosterpositions.moc"
