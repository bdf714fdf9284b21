#include "OfficeFolder.h"
#include "TestSupport.h"
#include "attendance/Attendance.h"
#include "data/Schema.h"
#include "data/Sql.h"
#include "demo/DemoGenerator.h"

#include <QtTest>

using namespace pw;
using test::TestEnv;

namespace {

const QDate kSunday(2026, 3, 15);

void attend(
    Database& db, qint64 id, const QDate& date, const QString& service = QStringLiteral("WS"), qint64 classId = 0)
{
    db.exec(QStringLiteral("INSERT INTO Attendance (Member_ID, Service, Class_ID, Meeting_Date) VALUES (?, ?, ?, ?)"),
        { id, service, classId, date.toString(Qt::ISODate) });
}

QList<qint64> sorted(const QSet<qint64>& ids)
{
    QList<qint64> out(ids.begin(), ids.end());
    std::sort(out.begin(), out.end());
    return out;
}

} // namespace

class TestAttendance : public QObject {
    Q_OBJECT
private slots:
    void upgradeKeepsEveryRow();
    void twoWorkstationsOnOneMeeting_data();
    void twoWorkstationsOnOneMeeting();
    void notSeenLately_data();
    void notSeenLately();
    void weeksAndSuggestedLevel_data();
    void weeksAndSuggestedLevel();
    void rollSheetDates_data();
    void rollSheetDates();
    void attendedSince_data();
    void attendedSince();
    void demoChurchHasAHistory();
    void notSeenAgreesWithEveryMeetingGrouped_data();
    void notSeenAgreesWithEveryMeetingGrouped();
};

// A church of the schema before attendance opens with every row of every
// table kept, and attendance can then be recorded.
void TestAttendance::upgradeKeepsEveryRow()
{
    TestEnv env;
    const QString where = test::onServer() ? test::emptyServerDatabase(QStringLiteral("version3"))
                                           : env.dir.filePath(QStringLiteral("v3.sqlite"));
    QHash<QString, qint64> before;
    qint64 hale = 0;
    {
        auto db = Database::open(where, Database::OpenMode::CreateNew);
        hale = db->insert(
            QStringLiteral("INSERT INTO Member (Status, Last_Name) VALUES ('Member', 'Hale')") + sql::returningId());
        db->exec(QStringLiteral("INSERT INTO Sunday_School (Name, Teacher) VALUES ('Adults', ?)"), { hale });
        db->exec(QStringLiteral("INSERT INTO Family_Connection VALUES (?, 'Spouse', ?)"), { hale, hale });
        db->exec(QStringLiteral("INSERT INTO Prospect_Contact (Prospect_ID, Contact_Date) VALUES (?, '2026-01-04')"),
            { hale });
        test::dropTablesAfterVersion3(*db);
        db->exec(QStringLiteral("UPDATE Schema_Version SET Version = 3"));
        for (const QString& table : test::tablesAtVersion(3))
                before.insert(table, db->scalar(QStringLiteral("SELECT COUNT(*) FROM ") + table).toLongLong());
    }
    auto db = Database::open(where, Database::OpenMode::ExistingOnly);
    QCOMPARE(schema::version(*db), schema::kCurrentVersion);
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM ") + it.key()).toLongLong(), it.value());
    attend(*db, hale, kSunday, QStringLiteral("SS"), 1);
    QCOMPARE(sorted(attendance::load(*db, { QStringLiteral("SS"), 1, kSunday }).present), QList<qint64> { hale });
}

void TestAttendance::twoWorkstationsOnOneMeeting_data()
{
    QTest::addColumn<int>("onConflict");
    QTest::addColumn<bool>("conflict");
    QTest::addColumn<QVariant>("headcount");
    QTest::newRow("asked") << int(threeway::OnConflict::Report) << true << QVariant(20);
    QTest::newRow("keep theirs") << int(threeway::OnConflict::KeepTheirs) << false << QVariant(20);
    QTest::newRow("keep mine") << int(threeway::OnConflict::KeepMine) << false << QVariant(25);
}

// Both workstations open the same class and date; the other ticks Cole,
// unticks Ames and counts 20, then this one ticks Dunn, unticks Bell and
// counts 25. Every tick of both is kept; only the two headcounts conflict.
void TestAttendance::twoWorkstationsOnOneMeeting()
{
    QFETCH(int, onConflict);
    QFETCH(bool, conflict);
    QFETCH(QVariant, headcount);
    TestEnv env;
    auto other = Database::open(env.db().path(), Database::OpenMode::ExistingOnly);
    const qint64 ames = env.addMember(QStringLiteral("Ann"), QStringLiteral("Ames"));
    const qint64 bell = env.addMember(QStringLiteral("Bo"), QStringLiteral("Bell"));
    const qint64 cole = env.addMember(QStringLiteral("Cy"), QStringLiteral("Cole"));
    const qint64 dunn = env.addMember(QStringLiteral("Di"), QStringLiteral("Dunn"));
    const attendance::Meeting meeting { QStringLiteral("SS"), 3, kSunday };
    attend(env.db(), ames, kSunday, QStringLiteral("SS"), 3);
    attend(env.db(), bell, kSunday, QStringLiteral("SS"), 3);
    const QDateTime now(kSunday, QTime(12, 0));

    const attendance::Recorded mineLoaded = attendance::load(env.db(), meeting);
    attendance::Recorded theirs = attendance::load(*other, meeting);
    theirs.present = { bell, cole };
    theirs.headcount = 20;
    QVERIFY(!attendance::save(*other, meeting, attendance::load(*other, meeting), theirs, threeway::OnConflict::Report,
        QStringLiteral("usher"), now)
                 .conflict);

    attendance::Recorded mine = mineLoaded;
    mine.present = { ames, dunn };
    mine.headcount = 25;
    const attendance::SaveOutcome outcome = attendance::save(env.db(), meeting, mineLoaded, mine,
        threeway::OnConflict(onConflict), QStringLiteral("teacher"), now.addSecs(60));
    QCOMPARE(outcome.conflict, conflict);
    const attendance::Recorded stored = attendance::load(env.db(), meeting);
    if (conflict) {
        QCOMPARE(outcome.theirHeadcount, QVariant(20));
        QCOMPARE(sorted(stored.present), (QList<qint64> { bell, cole }));
    } else {
        QCOMPARE(sorted(stored.present), (QList<qint64> { cole, dunn }));
        QCOMPARE(stored.recordedBy, QStringLiteral("teacher"));
    }
    QCOMPARE(stored.headcount, headcount);
}

void TestAttendance::notSeenLately_data()
{
    QTest::addColumn<QList<int>>("daysBefore"); // attended this many days before the date (negative: after)
    QTest::addColumn<QStringList>("services");
    QTest::addColumn<int>("atLeast");
    QTest::addColumn<int>("ofWeeks");
    QTest::addColumn<QString>("onlyService");
    QTest::addColumn<int>("weeks"); // -1: not listed
    const QStringList ws { QStringLiteral("WS") };
    QTest::newRow("exactly N of M") << QList<int> { 7, 14, 21 } << ws << 3 << 4 << QString() << 3;
    QTest::newRow("one week short") << QList<int> { 7, 14 } << ws << 3 << 4 << QString() << -1;
    QTest::newRow("seen on the date itself") << QList<int> { 7, 14, 21, 0 } << ws << 3 << 4 << QString() << -1;
    QTest::newRow("seen since") << QList<int> { 7, 14, 21, -3 } << ws << 3 << 4 << QString() << -1;
    QTest::newRow("first day of the oldest week counts") << QList<int> { 28, 1 } << ws << 2 << 4 << QString() << 2;
    QTest::newRow("a day before the weeks does not") << QList<int> { 29, 1 } << ws << 2 << 4 << QString() << -1;
    QTest::newRow("a person's first week, the one before the date")
        << QList<int> { 7 } << ws << 1 << 8 << QString() << 1;
    QTest::newRow("Sunday and Wednesday of one week count once")
        << QList<int> { 7, 4 } << QStringList { QStringLiteral("WS"), QStringLiteral("WN") } << 2 << 4 << QString()
        << -1;
    QTest::newRow("a Wednesday service counts its own week")
        << QList<int> { 7, 18 } << QStringList { QStringLiteral("WS"), QStringLiteral("WN") } << 2 << 4 << QString()
        << 2;
    QTest::newRow("only the chosen service, seen since at another")
        << QList<int> { 7, 14, -4 } << QStringList { QStringLiteral("WS"), QStringLiteral("WS"), QStringLiteral("WN") }
        << 2 << 4 << QStringLiteral("WS") << 2;
}

void TestAttendance::notSeenLately()
{
    QFETCH(QList<int>, daysBefore);
    QFETCH(QStringList, services);
    QFETCH(int, atLeast);
    QFETCH(int, ofWeeks);
    QFETCH(QString, onlyService);
    QFETCH(int, weeks);
    TestEnv env;
    const qint64 id = env.addMember(QStringLiteral("Hal"), QStringLiteral("Hale"));
    env.db().exec(QStringLiteral("UPDATE Member SET Phone = '5551234567' WHERE ID = ?"), { id });
    for (int i = 0; i < daysBefore.size(); ++i)
        attend(env.db(), id, kSunday.addDays(-daysBefore.at(i)), services.value(i, services.first()));
    const auto found = attendance::notSeenLately(env.db(), { atLeast, ofWeeks, kSunday, onlyService });
    QCOMPARE(int(found.size()), weeks < 0 ? 0 : 1);
    if (weeks < 0)
        return;
    QCOMPARE(found.front().weeks, weeks);
    QCOMPARE(found.front().name, QStringLiteral("Hale, Hal"));
    QCOMPARE(found.front().phone, QStringLiteral("5551234567"));
    QCOMPARE(found.front().lastAttended,
        kSunday.addDays(-*std::min_element(daysBefore.begin(), daysBefore.end(),
            [](int a, int b) { return (a <= 0 ? 9999 : a) < (b <= 0 ? 9999 : b); })));
}

void TestAttendance::weeksAndSuggestedLevel_data()
{
    QTest::addColumn<QList<int>>("daysBefore");
    QTest::addColumn<int>("weeks");
    QTest::addColumn<QString>("level");
    QList<int> every;
    for (int w = 0; w < 13; ++w)
        every << 7 * w;
    QTest::newRow("all 13 weeks") << every << 13 << "Every Week";
    QTest::newRow("12 weeks") << every.mid(1) << 12 << "Every Week";
    QTest::newRow("11 weeks") << every.mid(2) << 11 << "Most Weeks";
    QTest::newRow("8 weeks") << every.mid(5) << 8 << "Most Weeks";
    QTest::newRow("7 weeks") << every.mid(6) << 7 << "Monthly";
    QTest::newRow("3 weeks") << every.mid(10) << 3 << "Monthly";
    QTest::newRow("2 meetings of one week") << QList<int> { 3, 0 } << 1 << "Rarely";
    QTest::newRow("90 days ago is inside, 91 outside") << QList<int> { 90, 91 } << 1 << "Rarely";
    QTest::newRow("a later date does not count") << QList<int> { -7, 14, 21 } << 2 << "Occasionally";
    QTest::newRow("none") << QList<int> { 200 } << 0 << "Never";
}

// Weeks of the last 13 ending today, on the member screen, and the level they suggest.
void TestAttendance::weeksAndSuggestedLevel()
{
    QFETCH(QList<int>, daysBefore);
    QFETCH(int, weeks);
    QFETCH(QString, level);
    TestEnv env;
    const qint64 id = env.addMember(QStringLiteral("Hal"), QStringLiteral("Hale"));
    for (int days : daysBefore)
        attend(env.db(), id, kSunday.addDays(-days), QStringLiteral("SS"), 1);
    const attendance::PersonAttendance a = attendance::forPerson(env.db(), id, kSunday);
    QCOMPARE(a.weeksOf13, weeks);
    QCOMPARE(a.weeksByService.value(QStringLiteral("SS")), weeks);
    QCOMPARE(attendance::suggestedLevel(a.weeksOf13), level);
    QCOMPARE(int(a.dates.size()), daysBefore.size());
}

void TestAttendance::rollSheetDates_data()
{
    QTest::addColumn<QString>("service");
    QTest::addColumn<bool>("quarter");
    QTest::addColumn<int>("dates");
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("last");
    QTest::newRow("a month of Sundays") << "SS" << false << 5 << QDate(2026, 3, 1) << QDate(2026, 3, 29);
    QTest::newRow("a month of Wednesdays") << "WN" << false << 4 << QDate(2026, 3, 4) << QDate(2026, 3, 25);
    QTest::newRow("a quarter of Sundays") << "SS" << true << 14 << QDate(2026, 3, 1) << QDate(2026, 5, 31);
}

// The sheet has a column per meeting of the span; its people are the class's
// and whoever was recorded in the span, a person who left since included.
void TestAttendance::rollSheetDates()
{
    QFETCH(QString, service);
    QFETCH(bool, quarter);
    QFETCH(int, dates);
    QFETCH(QDate, first);
    QFETCH(QDate, last);
    TestEnv env;
    const qint64 stays = env.addMember(QStringLiteral("Sue"), QStringLiteral("Stay"));
    const qint64 left = env.addMember(QStringLiteral("Lee"), QStringLiteral("Left"));
    const services::Service& s = *services::byCode(service);
    env.db().exec(QStringLiteral("UPDATE Member SET %1 = 7 WHERE ID = ?").arg(s.classColumnName()), { stays });
    attend(env.db(), left, first, service, 7);
    const auto [from, to] = attendance::monthSpan(QDate(2026, 3, 17), quarter);
    const attendance::RollSheet sheet = attendance::rollSheet(env.db(), s, 7, from, to);
    QCOMPARE(int(sheet.dates.size()), dates);
    QCOMPARE(sheet.dates.front(), first);
    QCOMPARE(sheet.dates.back(), last);
    QCOMPARE(int(sheet.people.size()), 2);
    QVERIFY(sheet.present.contains({ left, first }));
    QCOMPARE(int(sheet.present.size()), 1);
}

void TestAttendance::attendedSince_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("service");
    QTest::addColumn<QStringList>("found");
    const int attended = int(attendance::SinceCriterion::Kind::Attended);
    const int notAttended = int(attendance::SinceCriterion::Kind::NotAttended);
    QTest::newRow("attended, any service") << attended << QString() << QStringList { "Early", "Wed" };
    QTest::newRow("attended, worship") << attended << "WS" << QStringList { "Early" };
    QTest::newRow("not attended, any service") << notAttended << QString() << QStringList { "Late", "Never" };
    QTest::newRow("not attended, worship") << notAttended << "WS" << QStringList { "Late", "Never", "Wed" };
}

// The navigator's criterion: on or after the date counts as since.
void TestAttendance::attendedSince()
{
    QFETCH(int, kind);
    QFETCH(QString, service);
    QFETCH(QStringList, found);
    TestEnv env;
    attend(env.db(), env.addMember(QStringLiteral("A"), QStringLiteral("Early")), kSunday);
    attend(env.db(), env.addMember(QStringLiteral("B"), QStringLiteral("Late")), kSunday.addDays(-1));
    attend(
        env.db(), env.addMember(QStringLiteral("C"), QStringLiteral("Wed")), kSunday.addDays(3), QStringLiteral("WN"));
    env.addMember(QStringLiteral("D"), QStringLiteral("Never"));
    QVariantList params;
    const QString condition
        = attendance::sinceCondition({ attendance::SinceCriterion::Kind(kind), kSunday, service }, params);
    QCOMPARE(env.db().texts(QStringLiteral("SELECT Last_Name FROM Member WHERE ") + condition
                     + QStringLiteral(" ORDER BY Last_Name"),
                 params),
        found);
}

// The demo church's two years: every service recorded, each class's rows
// for its own people, regulars and people who drifted away among them.
void TestAttendance::demoChurchHasAHistory()
{
    if (test::onServer())
        QSKIP("the demo church is a file");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("demo.sqlite"));
    demo::DemoOptions options;
    options.people = 600;
    options.today = kSunday;
    demo::generate(path, options);
    auto db = Database::open(path, Database::OpenMode::ExistingOnly);
    QCOMPARE(db->texts(QStringLiteral("SELECT DISTINCT Service FROM Attendance ORDER BY Service")),
        (QStringList { "DT", "SE", "SS", "WN", "WS" }));
    QCOMPARE(db->scalar(QStringLiteral("SELECT MIN(Meeting_Date) FROM Attendance WHERE Service = 'WS'")).toString(),
        kSunday.addDays(-7 * 103).toString(Qt::ISODate));
    QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM Attendance a JOIN Member m ON m.ID = a.Member_ID WHERE "
                                       "a.Service = 'SS' AND a.Class_ID <> m.Sunday_School_Class"))
                 .toInt(),
        0);
    QVERIFY(!attendance::notSeenLately(*db, { 6, 8, kSunday.addDays(-28), QString() }).empty());
    QVERIFY(db->exists(QStringLiteral("SELECT Member_ID FROM Attendance WHERE Service = 'WS' AND Meeting_Date >= ? "
                                      "GROUP BY Member_ID HAVING COUNT(*) >= 12"),
        { kSunday.addDays(-7 * 12).toString(Qt::ISODate) }));
}

// The question asked person by person gives what every attendance of the
// weeks grouped by person gives, on a church with two years of meetings.
void TestAttendance::notSeenAgreesWithEveryMeetingGrouped_data()
{
    QTest::addColumn<int>("atLeast");
    QTest::addColumn<int>("ofWeeks");
    QTest::addColumn<int>("weeksAgo"); // the date is this many weeks before the demo's last Sunday
    QTest::addColumn<QString>("service");
    QTest::newRow("6 of 8, a month ago") << 6 << 8 << 4 << QString();
    QTest::newRow("26 of 96, two months ago") << 26 << 96 << 8 << QString();
    QTest::newRow("1 of 4, today") << 1 << 4 << 0 << QString();
    QTest::newRow("2 of 13, worship only") << 2 << 13 << 6 << QStringLiteral("WS");
    QTest::newRow("1 of 52, Wednesday only, half a year ago") << 1 << 52 << 26 << QStringLiteral("WN");
    QTest::newRow("weeks reaching before the first meeting") << 3 << 200 << 2 << QString();
}

void TestAttendance::notSeenAgreesWithEveryMeetingGrouped()
{
    if (test::onServer())
        QSKIP("the demo church is a file");
    QFETCH(int, atLeast);
    QFETCH(int, ofWeeks);
    QFETCH(int, weeksAgo);
    QFETCH(QString, service);
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("demo.sqlite"));
    if (!QFile::exists(path)) {
        demo::DemoOptions options;
        options.people = 600;
        options.today = kSunday;
        demo::generate(path, options);
    }
    auto db = Database::open(path, Database::OpenMode::ExistingOnly);
    const QDate before = kSunday.addDays(-7 * weeksAgo);
    const QString only = service.isEmpty() ? QString() : QStringLiteral(" AND Service = ?");
    QVariantList params { before.toString(Qt::ISODate), before.addDays(-7 * ofWeeks).toString(Qt::ISODate),
        before.toString(Qt::ISODate) };
    if (!service.isEmpty())
        params << service;
    params << atLeast << before.toString(Qt::ISODate);
    if (!service.isEmpty())
        params << service;
    QStringList grouped;
    db->scan(QStringLiteral("SELECT w.Member_ID, w.Last_Date, w.Weeks FROM (SELECT Member_ID, COUNT(DISTINCT "
                            "(CAST(julianday(?) - julianday(Meeting_Date) AS INTEGER) - 1) / 7) AS Weeks, "
                            "MAX(Meeting_Date) AS Last_Date FROM Attendance WHERE Meeting_Date >= ? AND Meeting_Date "
                            "< ?")
            + only
            + QStringLiteral(" GROUP BY Member_ID) w WHERE w.Weeks >= ? AND NOT EXISTS (SELECT 1 FROM Attendance a "
                             "WHERE a.Member_ID = w.Member_ID AND a.Meeting_Date >= ?")
            + (service.isEmpty() ? QString() : QStringLiteral(" AND a.Service = ?")) + QStringLiteral(")"),
        params, [&](const RowView& row) {
            grouped << QStringLiteral("%1 %2 %3").arg(row.integer(0)).arg(row.text(1)).arg(row.integer(2));
        });
    QStringList found;
    for (const attendance::NotSeen& n : attendance::notSeenLately(*db, { atLeast, ofWeeks, before, service }))
        found << QStringLiteral("%1 %2 %3").arg(n.id).arg(n.lastAttended.toString(Qt::ISODate)).arg(n.weeks);
    grouped.sort();
    found.sort();
    QVERIFY(!grouped.isEmpty()); // the demo church has people of each kind
    QCOMPARE(found, grouped);
}

QTEST_MAIN(TestAttendance)
#include "tst_attendance.moc"
