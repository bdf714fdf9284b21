#include "TestSupport.h"

#include "data/Sql.h"
#include "data/Lookups.h"

#include <QtTest>

using namespace pw;
using test::TestEnv;

namespace {

QStringList textsOf(const QVector<PickItem>& items)
{
    QStringList out;
    for (const PickItem& item : items)
        out << item.text;
    return out;
}

QVector<qint64> idsOf(const QVector<PickItem>& items)
{
    QVector<qint64> out;
    for (const PickItem& item : items)
        out << item.id;
    return out;
}

qint64 person(TestEnv& env, const QString& first, const QString& middle, const QString& last, const QVariant& title)
{
    const qint64 id = env.addMember(first, last);
    env.db().exec(QStringLiteral("UPDATE Member SET Middle_Name = ?, Title = ? WHERE ID = ?"), { middle, title, id });
    return id;
}

} // namespace

class TestLookups : public QObject {
    Q_OBJECT
private slots:
    void peopleOrderAndForm();
    void deacons();
    void careGroupsByLeader();
    void classesByName_data();
    void classesByName();
    void lookupTables_data();
    void lookupTables();
    void phasesInPhaseOrder();
    void fixedLists();
};

void TestLookups::peopleOrderAndForm()
{
    TestEnv env;
    const qint64 b = person(env, "Ann", "", "baker", QVariant()); // Null title
    const qint64 o = person(env, "Sean", "P", "O'Neil", "Mr.");
    const qint64 e = person(env, QString::fromUtf8("Émile"), "", QString::fromUtf8("Éclair"), "Dr.");
    const qint64 twin1 = person(env, "Sam", "", "Lee", "");
    const qint64 twin2 = person(env, "Sam", "", "Lee", "");
    const qint64 a = person(env, "Zoe", "", "Baker", "Ms.");

    QVector<PickItem> people;
    for (const PersonName& p : Lookups::people(env.db()))
        people.append({ personNameWithTitle(p.last, p.first, p.middle, p.title), p.id });
    // Case and accents do not decide the order; equal names keep their identifiers apart.
    QCOMPARE(textsOf(people),
        QStringList({ "baker, Ann  ", "Baker, Zoe  Ms.", QString::fromUtf8("Éclair, Émile  Dr."), "Lee, Sam  ",
            "Lee, Sam  ", "O'Neil, Sean P Mr." }));
    QCOMPARE(idsOf(people), QVector<qint64>({ b, a, e, twin1, twin2, o }));
}

void TestLookups::deacons()
{
    TestEnv env;
    const qint64 ward = env.addMember("Walt", "Ward");
    const qint64 adams = env.addMember("Amy", "Adams");
    env.addMember("Nobody", "Else");
    const QString add = QStringLiteral("INSERT INTO Member_Responsibility VALUES (?, ?, '2020-01-01', '2021-01-01')");
    env.db().exec(add, { ward, "Deacon" });
    env.db().exec(add, { ward, "Deacon" }); // a second period
    env.db().exec(add, { adams, "deacon" }); // letter case as typed elsewhere
    env.db().exec(add, { adams, "Usher" });
    env.db().exec(add, { 999, "Deacon" }); // member removed since

    const QVector<PickItem> deacons = Lookups::deacons(env.db());
    QCOMPARE(textsOf(deacons), QStringList({ "Adams, Amy", "Ward, Walt", "Ward, Walt" }));
    QCOMPARE(idsOf(deacons), QVector<qint64>({ adams, ward, ward }));
}

void TestLookups::careGroupsByLeader()
{
    TestEnv env;
    const qint64 leader = env.addMember("Lydia", "Lamb");
    const QString add = QStringLiteral("INSERT INTO Care_Group (Group_Leader) VALUES (?)") + sql::returningId();
    const qint64 led = env.db().insert(add, { leader });
    const qint64 orphan = env.db().insert(add, { 424242 });
    const qint64 none = env.db().insert(add, { QVariant() });

    const QVector<PickItem> groups = Lookups::careGroups(env.db());
    QCOMPARE(textsOf(groups), QStringList({ ", ", ", ", "Lamb, Lydia" }));
    QCOMPARE(idsOf(groups), QVector<qint64>({ orphan, none, led }));
}

void TestLookups::classesByName_data()
{
    QTest::addColumn<QString>("table");
    QTest::newRow("sunday school") << "Sunday_School";
    QTest::newRow("discipleship") << "Discipleship_Training";
    QTest::newRow("wednesday") << "Wednesday_Night";
}

void TestLookups::classesByName()
{
    QFETCH(QString, table);
    TestEnv env;
    auto read = [&] {
        if (table == QLatin1String("Sunday_School"))
            return Lookups::classes(env.db(), Lookups::ClassKind::SundaySchool);
        if (table == QLatin1String("Discipleship_Training"))
            return Lookups::classes(env.db(), Lookups::ClassKind::DiscipleshipTraining);
        return Lookups::classes(env.db(), Lookups::ClassKind::WednesdayNight);
    };
    QVERIFY(read().isEmpty());
    const QString add = QStringLiteral("INSERT INTO %1 (Name) VALUES (?)").arg(table) + sql::returningId();
    const qint64 y = env.db().insert(add, { "young Adults" });
    const qint64 b = env.db().insert(add, { "Builders" });
    const qint64 m = env.db().insert(add, { "Men's Class" });
    const QVector<PickItem> classes = read();
    QCOMPARE(textsOf(classes), QStringList({ "Builders", "Men's Class", "young Adults" }));
    QCOMPARE(idsOf(classes), QVector<qint64>({ b, m, y }));
}

void TestLookups::lookupTables_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("column");
    QTest::newRow("member status") << "MemberStatus"
                                   << "Status";
    QTest::newRow("titles") << "Titles"
                            << "Title";
    QTest::newRow("states") << "State"
                            << "State";
    QTest::newRow("church status") << "ChurchStatus"
                                   << "Status";
    QTest::newRow("attendance") << "AttendanceLevels"
                                << "Levels";
    QTest::newRow("prospect status") << "ProspectStatus"
                                     << "Status";
    QTest::newRow("actions") << "Prospect_Action"
                             << "Action";
}

void TestLookups::lookupTables()
{
    QFETCH(QString, table);
    QFETCH(QString, column);
    TestEnv env;
    auto read = [&]() -> QStringList {
        const QMap<QString, std::function<QStringList(Database&)>> readers
            = { { "MemberStatus", Lookups::memberStatuses }, { "Titles", Lookups::titles }, { "State", Lookups::states },
                  { "ChurchStatus", Lookups::churchStatuses }, { "AttendanceLevels", Lookups::attendanceLevels },
                  { "ProspectStatus", Lookups::prospectStatuses }, { "Prospect_Action", Lookups::prospectActions } };
        return readers.value(table)(env.db());
    };
    env.db().exec(QStringLiteral("DELETE FROM %1").arg(table));
    QVERIFY(read().isEmpty());
    for (const char* value : { "beta", "Alpha", "Gamma's" })
        env.db().exec(QStringLiteral("INSERT INTO %1 (%2) VALUES (?)").arg(table, column), { QString(value) });
    QCOMPARE(read(), QStringList({ "Alpha", "beta", "Gamma's" }));
}

void TestLookups::phasesInPhaseOrder()
{
    TestEnv env;
    env.db().exec(QStringLiteral("DELETE FROM Outreach_Phase"));
    env.db().exec(QStringLiteral("INSERT INTO Outreach_Phase (PhaseOrder, Phase) VALUES (3, 'A last'), (1, 'Z first'), "
                                 "(2, 'M middle')"));
    QCOMPARE(Lookups::outreachPhases(env.db()), QStringList({ "Z first", "M middle", "A last" }));
}

void TestLookups::fixedLists()
{
    TestEnv env;
    QCOMPARE(Lookups::genders(), QStringList({ "Male", "Female", "Unknown" }));
    QCOMPARE(Lookups::maritalStatuses(), QStringList({ "Single", "Married", "Divorced", "Widowed" }));
}

QTEST_MAIN(TestLookups)
#include "tst_lookups.moc"
