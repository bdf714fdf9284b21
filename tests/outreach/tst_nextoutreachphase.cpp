#include "Outreach.h"

#include "data/NextOutreachPhase.h"
#include "data/Sql.h"

#include <QtTest>
#include <limits>

using namespace pw;
using test::TestEnv;

namespace {

using test::setPhases;

qint64 addProspect(TestEnv& env, const QString& phase)
{
    return test::addPeopleInPhases(env, { phase }, QStringLiteral("Prospect")).first();
}

// A: 2 weeks, B: 1 week, C: 4 weeks, each with an action of its own.
const QString kABC = QStringLiteral("1|A|Home Visit|2;2|B|Phone Call|1;3|C|Letter|4");

} // namespace

class TestNextOutreachPhase : public QObject {
    Q_OBJECT
private slots:
    void proposal_data();
    void proposal();
    void roundWeeks_data();
    void roundWeeks();
    void addWeeks_data();
    void addWeeks();
    void hugeTimePeriodsStayWithinDates_data();
    void hugeTimePeriodsStayWithinDates();
    void unknownProspectStartsOver();
};

void TestNextOutreachPhase::proposal_data()
{
    QTest::addColumn<QString>("phases");
    QTest::addColumn<QString>("current"); // the prospect's phase; "~" for Null
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("phase");
    QTest::addColumn<int>("days");
    QTest::addColumn<QString>("nextAction");

    QTest::newRow("A completed moves to B after A's weeks") << kABC << "A"
                                                            << "Home Visit"
                                                            << "B" << 14 << "Phone Call";
    QTest::newRow("B completed moves to C after B's weeks, not C's") << kABC << "B"
                                                                     << "Phone Call"
                                                                     << "C" << 7 << "Letter";
    QTest::newRow("another action stays in A") << kABC << "A"
                                               << "Phone Call"
                                               << "A" << 14 << "Home Visit";
    QTest::newRow("action in other letter case is another action") << kABC << "A"
                                                                   << "home visit"
                                                                   << "A" << 14 << "Home Visit";
    QTest::newRow("action with a trailing blank is another action") << kABC << "A"
                                                                    << "Home Visit "
                                                                    << "A" << 14 << "Home Visit";
    QTest::newRow("last phase completed starts over at A after C's weeks") << kABC << "C"
                                                                           << "Letter"
                                                                           << "A" << 28 << "Home Visit";
    QTest::newRow("no phase starts at A after one week") << kABC << "~"
                                                         << "Letter"
                                                         << "A" << 7 << "Home Visit";
    QTest::newRow("empty phase text starts at A") << kABC << ""
                                                  << "Home Visit"
                                                  << "A" << 7 << "Home Visit";
    QTest::newRow("phase that no longer exists starts at A") << kABC << "Gone"
                                                             << "Phone Call"
                                                             << "A" << 7 << "Home Visit";
    QTest::newRow("phase name matched without regard to case, completed") << kABC << "a"
                                                                          << "Home Visit"
                                                                          << "B" << 14 << "Phone Call";
    QTest::newRow("phase name matched without regard to case, stays under the stored name") << kABC << "b"
                                                                                            << "Letter"
                                                                                            << "B" << 7 << "Phone Call";
    QTest::newRow("empty table and no phase") << ""
                                              << "~"
                                              << "Home Visit"
                                              << "" << 7 << "";
    QTest::newRow("empty table and a stale phase") << ""
                                                   << "A"
                                                   << "Home Visit"
                                                   << "" << 7 << "";
    QTest::newRow("zero weeks, staying: due the same day") << "1|A|Home Visit|0;2|B|Phone Call|1"
                                                           << "A"
                                                           << "Letter"
                                                           << "A" << 0 << "Home Visit";
    QTest::newRow("zero weeks, completed: due the same day") << "1|A|Home Visit|0;2|B|Phone Call|1"
                                                             << "A"
                                                             << "Home Visit"
                                                             << "B" << 0 << "Phone Call";
    QTest::newRow("gaps in the order: 1 is followed by 5") << "1|A|Home Visit|1;5|B|Phone Call|2;10|C|Letter|3"
                                                           << "A"
                                                           << "Home Visit"
                                                           << "B" << 7 << "Phone Call";
    QTest::newRow("gaps in the order: 5 is followed by 10") << "1|A|Home Visit|1;5|B|Phone Call|2;10|C|Letter|3"
                                                            << "B"
                                                            << "Phone Call"
                                                            << "C" << 14 << "Letter";
    QTest::newRow("gaps in the order: 10 is the last") << "1|A|Home Visit|1;5|B|Phone Call|2;10|C|Letter|3"
                                                       << "C"
                                                       << "Letter"
                                                       << "A" << 21 << "Home Visit";
    QTest::newRow("table stored out of order: C, A, B") << "3|C|Letter|4;1|A|Home Visit|2;2|B|Phone Call|1"
                                                        << "~"
                                                        << "Letter"
                                                        << "A" << 7 << "Home Visit";
    QTest::newRow("table stored out of order: next above A is B") << "3|C|Letter|4;1|A|Home Visit|2;2|B|Phone Call|1"
                                                                  << "A"
                                                                  << "Home Visit"
                                                                  << "B" << 14 << "Phone Call";
    QTest::newRow("only phase completed follows itself") << "1|A|Home Visit|2"
                                                         << "A"
                                                         << "Home Visit"
                                                         << "A" << 14 << "Home Visit";
    QTest::newRow("same order as the present phase is never next") << "1|A|Home Visit|1;1|A2|Card|1;2|B|Phone Call|1"
                                                                   << "A"
                                                                   << "Home Visit"
                                                                   << "B" << 7 << "Phone Call";
    QTest::newRow("phases sharing the next order: first by name") << "1|A|Home Visit|1;2|Y|Card|1;2|X|Letter|1"
                                                                  << "A"
                                                                  << "Home Visit"
                                                                  << "X" << 7 << "Letter";
    QTest::newRow("Null order counts as 0 and comes first") << "1|A|Home Visit|1;~|Z|Card|3"
                                                            << "~"
                                                            << "Letter"
                                                            << "Z" << 7 << "Card";
    QTest::newRow("Null order counts as 0: followed by order 1") << "1|A|Home Visit|1;~|Z|Card|3"
                                                                 << "Z"
                                                                 << "Card"
                                                                 << "A" << 21 << "Home Visit";
    QTest::newRow("Null time period counts as 0") << "1|A|Home Visit|~;2|B|Phone Call|1"
                                                  << "A"
                                                  << "Letter"
                                                  << "A" << 0 << "Home Visit";
    QTest::newRow("weeks 2.5 round to 2") << "1|A|Home Visit|2.5"
                                          << "A"
                                          << "Letter"
                                          << "A" << 14 << "Home Visit";
    QTest::newRow("weeks 3.5 round to 4") << "1|A|Home Visit|3.5"
                                          << "A"
                                          << "Letter"
                                          << "A" << 28 << "Home Visit";
    QTest::newRow("weeks 0.5 round to 0") << "1|A|Home Visit|0.5"
                                          << "A"
                                          << "Letter"
                                          << "A" << 0 << "Home Visit";
    QTest::newRow("weeks 2.6 round to 3") << "1|A|Home Visit|2.6"
                                          << "A"
                                          << "Letter"
                                          << "A" << 21 << "Home Visit";
    QTest::newRow("names that differ only in case: the first in phase order") << "2|VISIT|Card|3;1|Visit|Letter|1"
                                                                              << "visit"
                                                                              << "Phone Call"
                                                                              << "Visit" << 7 << "Letter";
    QTest::newRow("a star in names is just a character") << "1|Call*1|Phone*Call|1;2|Visit*2|Home*Visit|2"
                                                         << "Call*1"
                                                         << "Phone*Call"
                                                         << "Visit*2" << 7 << "Home*Visit";
    QTest::newRow("more than 32767 weeks") << "1|A|Home Visit|40000"
                                           << "A"
                                           << "Letter"
                                           << "A" << 280000 << "Home Visit";
}

void TestNextOutreachPhase::proposal()
{
    QFETCH(QString, phases);
    QFETCH(QString, current);
    QFETCH(QString, action);
    QFETCH(QString, phase);
    QFETCH(int, days);
    QFETCH(QString, nextAction);

    TestEnv env;
    setPhases(env.db(), phases);
    const qint64 id = addProspect(env, current);
    const QDate contactDate(2024, 2, 20); // steps across the leap day
    const NextStep got = NextOutreachPhase(env.db(), id, contactDate, action);
    QCOMPARE(got.phase, phase);
    QCOMPARE(got.action, nextAction);
    QCOMPARE(contactDate.daysTo(got.date), qint64(days));
}

void TestNextOutreachPhase::roundWeeks_data()
{
    QTest::addColumn<double>("weeks");
    QTest::addColumn<qint64>("expected");
    QTest::newRow("whole") << 3.0 << qint64(3);
    QTest::newRow("half to even, down") << 2.5 << qint64(2);
    QTest::newRow("half to even, up") << 3.5 << qint64(4);
    QTest::newRow("zero and a half") << 0.5 << qint64(0);
    QTest::newRow("just below a half") << 4.4999 << qint64(4);
    QTest::newRow("just above a half") << 4.5001 << qint64(5);
    QTest::newRow("negative half to even") << -2.5 << qint64(-2);
    QTest::newRow("negative half to even, odd") << -3.5 << qint64(-4);
    QTest::newRow("beyond 16 bits") << 32768.0 << qint64(32768);
    QTest::newRow("huge") << 1e300 << qint64(10000000);
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << qint64(10000000);
    QTest::newRow("minus infinite") << -std::numeric_limits<double>::infinity() << qint64(-10000000);
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << qint64(0);
}

void TestNextOutreachPhase::roundWeeks()
{
    QFETCH(double, weeks);
    QFETCH(qint64, expected);
    QCOMPARE(outreach::roundWeeks(weeks), expected);
}

void TestNextOutreachPhase::addWeeks_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<qint64>("weeks");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("over a leap day") << QDate(2024, 2, 27) << qint64(1) << QDate(2024, 3, 5);
    QTest::newRow("over the year end") << QDate(2025, 12, 25) << qint64(2) << QDate(2026, 1, 8);
    QTest::newRow("520 weeks") << QDate(2026, 3, 15) << qint64(520) << QDate(2026, 3, 15).addDays(3640);
    QTest::newRow("backwards") << QDate(2026, 3, 15) << qint64(-2) << QDate(2026, 3, 1);
    QTest::newRow("up to the last day a date field shows") << QDate(9999, 12, 20) << qint64(1) << QDate(9999, 12, 27);
    QTest::newRow("held at the last day") << QDate(9999, 12, 1) << qint64(520) << QDate(9999, 12, 31);
    QTest::newRow("largest weeks held at the last day")
        << QDate(2026, 3, 15) << std::numeric_limits<qint64>::max() << QDate(9999, 12, 31);
    QTest::newRow("smallest weeks held at the first day")
        << QDate(2026, 3, 15) << std::numeric_limits<qint64>::min() << QDate(1752, 9, 14);
    QTest::newRow("invalid date stays invalid") << QDate() << qint64(1) << QDate();
}

void TestNextOutreachPhase::addWeeks()
{
    QFETCH(QDate, date);
    QFETCH(qint64, weeks);
    QFETCH(QDate, expected);
    QCOMPARE(outreach::addWeeks(date, weeks), expected);
}

void TestNextOutreachPhase::hugeTimePeriodsStayWithinDates_data()
{
    QTest::addColumn<QVariant>("timePeriod");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("largest 64-bit number") << QVariant(std::numeric_limits<qint64>::max()) << QDate(9999, 12, 31);
    QTest::newRow("huge real") << QVariant(1e300) << QDate(9999, 12, 31);
    QTest::newRow("huge negative real") << QVariant(-1e300) << QDate(1752, 9, 14);
    QTest::newRow("text that is no number counts as 0") << QVariant(QStringLiteral("two")) << QDate(2026, 3, 15);
}

void TestNextOutreachPhase::hugeTimePeriodsStayWithinDates()
{
    QFETCH(QVariant, timePeriod);
    QFETCH(QDate, expected);
    if (test::onServer() && timePeriod.typeId() == QMetaType::QString)
        QSKIP("a server's number column holds no text");
    TestEnv env;
    setPhases(env.db(), QString());
    env.db().exec(QStringLiteral("INSERT INTO Outreach_Phase (PhaseOrder, Phase, Action, TimePeriod) VALUES (1, "
                                 "'A', 'Home Visit', ?)"),
        { timePeriod });
    const qint64 id = addProspect(env, QStringLiteral("A"));
    const NextStep got = NextOutreachPhase(env.db(), id, QDate(2026, 3, 15), QStringLiteral("Letter"));
    QCOMPARE(got.date, expected);
    QCOMPARE(got.phase, QStringLiteral("A"));
}

void TestNextOutreachPhase::unknownProspectStartsOver()
{
    TestEnv env;
    setPhases(env.db(), kABC);
    const qint64 present = addProspect(env, QStringLiteral("C"));
    const NextStep got
        = NextOutreachPhase(env.db(), present + 5000000000LL, QDate(2026, 3, 15), QStringLiteral("Letter"));
    QCOMPARE(got, (NextStep { QStringLiteral("A"), QDate(2026, 3, 22), QStringLiteral("Home Visit") }));
}

QTEST_MAIN(TestNextOutreachPhase)
#include "tst_nextoutreachphase.moc"
