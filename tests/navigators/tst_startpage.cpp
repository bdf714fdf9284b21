#include "TestSupport.h"

#include "app/Permissions.h"
#include "app/Workspace.h"
#include "members/Screens.h"
#include "navigators/StartPage.h"
#include "navigators/frmStartPage.h"
#include "rosters/Rosters.h"

#include <QLineEdit>
#include <QMdiArea>
#include <QTreeWidget>
#include <QtTest>

using namespace pw;
using namespace pw::navigators;
using test::TestEnv;

class TestStartPage : public QObject {
    Q_OBJECT
private slots:
    void comingWeek_data();
    void comingWeek();
    void namesNeedMemberView_data();
    void namesNeedMemberView();
    void servingThisWeek_data();
    void servingThisWeek();
};

void TestStartPage::comingWeek_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("stored"); // Date_Of_Birth, or Anniversary_Date with anniversary
    QTest::addColumn<bool>("anniversary");
    QTest::addColumn<bool>("deceased");
    QTest::addColumn<QDate>("listedOn"); // invalid: not listed
    QTest::addColumn<int>("years");
    const QDate mar15(2026, 3, 15);
    QTest::newRow("today") << mar15 << "1986-03-15" << false << false << mar15 << 40;
    QTest::newRow("sixth day after") << mar15 << "1986-03-21" << false << false << QDate(2026, 3, 21) << 40;
    QTest::newRow("seventh day after") << mar15 << "1986-03-22" << false << false << QDate() << 0;
    QTest::newRow("yesterday") << mar15 << "1986-03-14" << false << false << QDate() << 0;
    QTest::newRow("stored with a time") << mar15 << "1986-03-16T00:00:00" << false << false << QDate(2026, 3, 16) << 40;
    QTest::newRow("across the year end") << QDate(2026, 12, 28) << "1960-01-02" << false << false << QDate(2027, 1, 2)
                                         << 67;
    QTest::newRow("29 Feb, common year") << QDate(2027, 2, 25) << "2000-02-29" << false << false << QDate(2027, 2, 28)
                                         << 27;
    QTest::newRow("29 Feb, leap year") << QDate(2028, 2, 25) << "2000-02-29" << false << false << QDate(2028, 2, 29)
                                       << 28;
    QTest::newRow("28 Feb, leap year") << QDate(2028, 2, 25) << "2000-02-28" << false << false << QDate(2028, 2, 28)
                                       << 28;
    QTest::newRow("anniversary") << mar15 << "2001-03-16" << true << false << QDate(2026, 3, 16) << 25;
    QTest::newRow("born this week") << mar15 << "2026-03-17" << false << false << QDate() << 0;
    QTest::newRow("died") << mar15 << "1940-03-16" << false << true << QDate() << 0;
}

void TestStartPage::comingWeek()
{
    QFETCH(QDate, today);
    QFETCH(QString, stored);
    QFETCH(bool, anniversary);
    QFETCH(bool, deceased);
    QFETCH(QDate, listedOn);
    QFETCH(int, years);
    TestEnv env;
    const qint64 id = env.addMember(QStringLiteral("Helen"), QStringLiteral("Hale"));
    env.db().exec(QStringLiteral("UPDATE Member SET %1 = ?, Deceased_Date = ? WHERE ID = ?")
                      .arg(anniversary ? QStringLiteral("Anniversary_Date") : QStringLiteral("Date_Of_Birth")),
        { stored, deceased ? QVariant(QStringLiteral("2020-01-01")) : QVariant(), id });

    const std::vector<startPage::Occasion> found = startPage::occasionsAhead(today);
    QCOMPARE(found.size(), listedOn.isValid() ? 1u : 0u);
    if (listedOn.isValid()) {
        QCOMPARE(found.front().id, id);
        QCOMPARE(found.front().day, listedOn);
        QCOMPARE(found.front().years, years);
        QCOMPARE(found.front().anniversary, anniversary);
    }
}

void TestStartPage::namesNeedMemberView_data()
{
    QTest::addColumn<QString>("permission");
    QTest::addColumn<bool>("names");
    QTest::newRow("Member View") << perm::MemberView << true;
    QTest::newRow("Member Entry/Edit only") << perm::MemberEntry << false;
}

void TestStartPage::namesNeedMemberView()
{
    QFETCH(QString, permission);
    QFETCH(bool, names);
    TestEnv env;
    QMdiArea area;
    Workspace ws(&area);
    setWorkspace(&ws);
    members::registerScreens(ws);
    env.loginWithOnly(permission);
    const qint64 prospect = env.addMember(QStringLiteral("Paul"), QStringLiteral("Prospect"));
    env.db().exec(QStringLiteral("UPDATE Member SET Prospect_Active_Status = 'Active', Prospect_Phase = 'Visit', "
                                 "Prospect_Next_Contact_Date = '2026-03-10', Prospect_Next_Contact_Action = 'Card' "
                                 "WHERE ID = ?"),
        { prospect });

    auto* page = ws.open<frmStartPage>();
    auto* occasions = test::control<QTreeWidget>(page, "trvOccasions");
    auto* due = test::control<QTreeWidget>(page, "trvProspects");
    QCOMPARE(due->topLevelItemCount(), names ? 1 : 0);
    QCOMPARE(test::control<QWidget>(page, "lblNoNames")->isVisibleTo(page), !names);

    // A birthday saved elsewhere shows at once, for those who may see it.
    const qint64 born = env.addMember(QStringLiteral("Bea"), QStringLiteral("Birthday"));
    env.db().exec(QStringLiteral("UPDATE Member SET Date_Of_Birth = '1990-03-17' WHERE ID = ?"), { born });
    emit ws.membersChanged();
    QCOMPARE(occasions->topLevelItemCount(), names ? 1 : 0);
    if (names) {
        QCOMPARE(occasions->topLevelItem(0)->text(1), QStringLiteral("Birthday, Bea"));
        // A line opens the person on the member screen.
        emit occasions->itemActivated(occasions->topLevelItem(0), 0);
        QWidget* member = ws.find(QStringLiteral("frmMemberEntry"));
        QVERIFY(member);
        QCOMPARE(test::control<QLineEdit>(member, "txtMemberID")->text(), QString::number(born));
        // ... and puts that person first among those opened lately.
        QCOMPARE(
            test::control<QTreeWidget>(page, "trvRecent")->topLevelItem(0)->text(0), QStringLiteral("Birthday, Bea"));
    }
    setWorkspace(nullptr);
}

void TestStartPage::servingThisWeek_data()
{
    QTest::addColumn<int>("day"); // of Helen's turn in March 2026; today is Sunday the 15th
    QTest::addColumn<QString>("line"); // the ushers' line of the 15th: places, conflict, people
    QTest::newRow("a place empty") << 15 << "1 place empty||Hale, Helen";
    QTest::newRow("unavailable") << 15 << "1 place empty|Unavailable|Hale, Helen (unavailable)";
    QTest::newRow("next week") << 22 << "2 places empty||";
}

void TestStartPage::servingThisWeek()
{
    QFETCH(int, day);
    QFETCH(QString, line);
    const bool away = line.contains(QLatin1String("Unavailable"));
    TestEnv env;
    env.loginWithOnly(perm::MemberView);
    const qint64 helen = env.addMember(QStringLiteral("Helen"), QStringLiteral("Hale"));
    const rosters::Position usher { 0, QStringLiteral("Usher"), QStringLiteral("WS"), 2, {}, 1, true };
    env.db().exec(QStringLiteral("INSERT INTO Roster_Assignment (Position_ID, Serve_Date, Member_ID) VALUES (?, ?, ?)"),
        { rosters::savePosition(env.db(), usher), QDate(2026, 3, day).toString(Qt::ISODate), helen });
    if (away)
        rosters::addUnavailability(env.db(), { 0, helen, QDate(2026, 3, 13), QDate(2026, 3, 15), {}, {} });
    frmStartPage page;
    auto* serving = test::control<QTreeWidget>(&page, "trvServing");
    QCOMPARE(serving->topLevelItemCount(), 1);
    QStringList cells;
    for (int c = 0; c < serving->columnCount(); ++c)
        cells << serving->topLevelItem(0)->text(c);
    QCOMPARE(cells.join(QLatin1Char('|')), QStringLiteral("Sunday 3/15|Worship Service|Usher|") + line);
    QCOMPARE(serving->topLevelItem(0)->font(2).bold(), away);
}

QTEST_MAIN(TestStartPage)
#include "tst_startpage.moc"
