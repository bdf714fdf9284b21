#include "Outreach.h"

#include "data/Phases.h"
#include "data/Seed.h"

#include <QSqlQuery>
#include <QtTest>

using namespace pw;
using test::TestEnv;

namespace {

using test::setPhases;
using test::storedPhases;

// Rows as the phase screen holds them: "order|name|action|weeks|loaded name;...".
std::vector<Phases::PhaseRow> rows(const QString& text)
{
    std::vector<Phases::PhaseRow> out;
    for (const QString& row : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList f = row.split(QLatin1Char('|'));
        out.push_back(Phases::PhaseRow { f.value(0), f.value(1), f.value(2), f.value(3), f.value(4) });
    }
    return out;
}

// One person per entry of phases ("~" for Null); returns their identifiers.
QList<qint64> addPeople(TestEnv& env, const QStringList& phases) { return test::addPeopleInPhases(env, phases); }

QStringList phasesOf(Database& db, const QList<qint64>& ids)
{
    QStringList out;
    for (qint64 id : ids) {
        const QVariant v = db.scalar(QStringLiteral("SELECT Prospect_Phase FROM Member WHERE ID = ?"), { id });
        out << (v.isNull() ? QStringLiteral("~") : v.toString());
    }
    return out;
}

const QString kAB = QStringLiteral("1|A|Home Visit|1;2|B|Phone Call|2");

} // namespace

class TestPhases : public QObject {
    Q_OBJECT
private slots:
    void load_data();
    void load();
    void prospectCount_data();
    void prospectCount();
    void checkRow_data();
    void checkRow();
    void checkTable_data();
    void checkTable();
    void save_data();
    void save();
    void refusedTableWritesNothing();
    void failedRenameUndoesTheWholeSave();
};

void TestPhases::load_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty table") << ""
                                 << "";
    QTest::newRow("by order, not as stored") << "3|C|Letter|4;1|A|Home Visit|2;2|B|Phone Call|1"
                                             << "1|A|Home Visit|2;2|B|Phone Call|1;3|C|Letter|4";
    QTest::newRow("numeric order, not text order") << "10|Ten|Card|1;9|Nine|Card|1"
                                                   << "9|Nine|Card|1;10|Ten|Card|1";
    QTest::newRow("Null order and weeks read empty, placed as 0") << "1|A|Card|1;~|Z|Card|~;0|Y|Card|1"
                                                                  << "0|Y|Card|1;|Z|Card|;1|A|Card|1";
    QTest::newRow("shared order: by name ignoring case") << "2|b|Card|1;2|C|Card|1;2|A|Card|1"
                                                         << "2|A|Card|1;2|b|Card|1;2|C|Card|1";
}

void TestPhases::load()
{
    QFETCH(QString, stored);
    QFETCH(QString, expected);
    TestEnv env;
    setPhases(env.db(), stored);
    QCOMPARE(storedPhases(env.db()), expected);
    for (const Phases::PhaseRow& r : Phases::load(env.db()))
        QCOMPARE(r.loadedName, r.name);
    QStringList names;
    for (const QString& row : expected.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        names << row.section(QLatin1Char('|'), 1, 1);
    QCOMPARE(Phases::names(env.db()), names);
}

void TestPhases::prospectCount_data()
{
    QTest::addColumn<QString>("phase");
    QTest::addColumn<int>("expected");
    QTest::newRow("every letter case") << "Visit" << 3;
    QTest::newRow("asked in other case") << "VISIT" << 3;
    QTest::newRow("accented, other case") << "été" << 2;
    QTest::newRow("no one in it") << "Letter" << 0;
    QTest::newRow("empty name") << "" << 0;
    QTest::newRow("no partial match") << "Visi" << 0;
}

void TestPhases::prospectCount()
{
    QFETCH(QString, phase);
    QFETCH(int, expected);
    TestEnv env;
    addPeople(env,
        { QStringLiteral("Visit"), QStringLiteral("visit"), QStringLiteral("VISIT"), QStringLiteral("Été"),
            QStringLiteral("ÉTÉ"), QStringLiteral("~"), QString(""), QStringLiteral("Visits") });
    QCOMPARE(Phases::prospectCount(env.db(), phase), expected);
}

void TestPhases::checkRow_data()
{
    // Checked against the table "1|Visit|Home Visit|1;2|Été|Letter|2".
    QTest::addColumn<int>("index"); // -1: a row to be added
    QTest::addColumn<QString>("row"); // order|name|action|weeks
    QTest::addColumn<QString>("text"); // empty: accepted
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("field");

    const int order = int(Phases::Field::Order), name = int(Phases::Field::Name);
    const int action = int(Phases::Field::Action), weeks = int(Phases::Field::TimePeriod);
    const QString required = QStringLiteral("Required Fields"), entry = QStringLiteral("Invalid Entry");
    const QString orderText = QStringLiteral("Order must be a whole number of 0 or more.");
    const QString weeksText = QStringLiteral("Time Period must be a whole number of weeks from 0 to 520.");

    QTest::newRow("new phase accepted") << -1 << "3|Call|Phone Call|2"
                                        << ""
                                        << "" << 0;
    QTest::newRow("order 0 and time 0 accepted") << -1 << "0|Call|Phone Call|0"
                                                 << ""
                                                 << "" << 0;
    QTest::newRow("520 weeks accepted") << -1 << "3|Call|Phone Call|520"
                                        << ""
                                        << "" << 0;
    QTest::newRow("blanks around numbers accepted") << -1 << " 3 |Call|Phone Call| 2 "
                                                    << ""
                                                    << "" << 0;
    QTest::newRow("editing a phase keeps its own name and order") << 0 << "1|VISIT|Home Visit|3"
                                                                  << ""
                                                                  << "" << 0;
    QTest::newRow("name missing") << -1 << "3||Phone Call|2"
                                  << "Name is Required." << required << name;
    QTest::newRow("name of blanks only") << -1 << "3|   |Phone Call|2"
                                         << "Name is Required." << required << name;
    QTest::newRow("name checked before the other fields") << -1 << "x||x|x"
                                                          << "Name is Required." << required << name;
    QTest::newRow("name taken")
        << -1 << "3|Visit|Phone Call|2"
        << "There is already a phase named \"Visit\". Each phase needs a name of its own, whatever the letter case."
        << entry << name;
    QTest::newRow("name taken in other case")
        << -1 << "3|visit|Phone Call|2"
        << "There is already a phase named \"Visit\". Each phase needs a name of its own, whatever the letter case."
        << entry << name;
    QTest::newRow("name taken, accented, other case")
        << -1 << "3|ÉTÉ|Phone Call|2"
        << "There is already a phase named \"Été\". Each phase needs a name of its own, whatever the letter case."
        << entry << name;
    QTest::newRow("name taken with a trailing blank")
        << 1 << "2|Visit |Letter|2"
        << "There is already a phase named \"Visit\". Each phase needs a name of its own, whatever the letter case."
        << entry << name;
    QTest::newRow("order missing") << -1 << "|Call|Phone Call|2" << orderText << entry << order;
    QTest::newRow("order negative") << -1 << "-1|Call|Phone Call|2" << orderText << entry << order;
    QTest::newRow("order with a fraction") << -1 << "1.5|Call|Phone Call|2" << orderText << entry << order;
    QTest::newRow("order not a number") << -1 << "first|Call|Phone Call|2" << orderText << entry << order;
    QTest::newRow("order too large to hold")
        << -1 << "99999999999999999999|Call|Phone Call|2" << orderText << entry << order;
    QTest::newRow("order taken") << -1 << "2|Call|Phone Call|2"
                                 << "The phase \"Été\" already has the order 2. Each phase needs an order of its own."
                                 << entry << order;
    QTest::newRow("order taken when written with a leading zero")
        << -1 << "02|Call|Phone Call|2"
        << "The phase \"Été\" already has the order 2. Each phase needs an order of its own." << entry << order;
    QTest::newRow("editing a phase onto another's order")
        << 0 << "2|Visit|Home Visit|1"
        << "The phase \"Été\" already has the order 2. Each phase needs an order of its own." << entry << order;
    QTest::newRow("action missing") << -1 << "3|Call||2"
                                    << "Action is Required." << required << action;
    QTest::newRow("action in other case")
        << -1 << "3|Call|phone call|2"
        << "\"phone call\" is not one of the contact actions. Choose an Action from the list."
        << "Invalid Selection" << action;
    QTest::newRow("action not in the list")
        << -1 << "3|Call|Smoke Signal|2"
        << "\"Smoke Signal\" is not one of the contact actions. Choose an Action from the list."
        << "Invalid Selection" << action;
    QTest::newRow("time period missing") << -1 << "3|Call|Phone Call|" << weeksText << entry << weeks;
    QTest::newRow("time period 521 weeks") << -1 << "3|Call|Phone Call|521" << weeksText << entry << weeks;
    QTest::newRow("time period negative") << -1 << "3|Call|Phone Call|-1" << weeksText << entry << weeks;
    QTest::newRow("time period with a fraction") << -1 << "3|Call|Phone Call|2.5" << weeksText << entry << weeks;
}

void TestPhases::checkRow()
{
    QFETCH(int, index);
    QFETCH(QString, row);
    QFETCH(QString, text);
    QFETCH(QString, title);
    QFETCH(int, field);
    const std::vector<Phases::PhaseRow> table = rows(QStringLiteral("1|Visit|Home Visit|1;2|Été|Letter|2"));
    const std::optional<Phases::Problem> p = Phases::checkRow(table, index, rows(row).front(), seed::prospectActions());
    QCOMPARE(p ? p->text : QString(), text);
    if (p) {
        QCOMPARE(p->title, title);
        QCOMPARE(int(p->field), field);
        QCOMPARE(p->row, index);
    }
}

void TestPhases::checkTable_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("row"); // -1: accepted
    QTest::addColumn<QString>("text");
    QTest::newRow("empty table") << "" << -1 << "";
    QTest::newRow("the seeded phases") << "1|A|Home Visit|1;2|B|Letter|1;3|C|Phone Call|2" << -1 << "";
    QTest::newRow("a row read with a Null order")
        << "1|A|Home Visit|1;|B|Letter|1" << 1 << "Order must be a whole number of 0 or more.";
    QTest::newRow("a row read with a Null time period")
        << "1|A|Home Visit|1;2|B|Letter|" << 1 << "Time Period must be a whole number of weeks from 0 to 520.";
    QTest::newRow("two phases with one order")
        << "1|A|Home Visit|1;2|B|Letter|1;2|C|Card|1" << 1
        << "The phase \"C\" already has the order 2. Each phase needs an order of its own.";
    QTest::newRow("names differing in case only")
        << "1|Visit|Home Visit|1;2|VISIT|Letter|1" << 0
        << "There is already a phase named \"VISIT\". Each phase needs a name of its own, whatever the letter case.";
}

void TestPhases::checkTable()
{
    QFETCH(QString, table);
    QFETCH(int, row);
    QFETCH(QString, text);
    const std::optional<Phases::Problem> p = Phases::check(rows(table), seed::prospectActions());
    QCOMPARE(p ? p->row : -1, row);
    QCOMPARE(p ? p->text : QString(), text);
}

void TestPhases::save_data()
{
    QTest::addColumn<QString>("stored"); // the table before
    QTest::addColumn<QStringList>("people"); // each person's phase before ("~": Null)
    QTest::addColumn<QString>("edited"); // the rows saved, with their loaded names
    QTest::addColumn<QString>("expected"); // the table after
    QTest::addColumn<QStringList>("after"); // each person's phase after
    QTest::addColumn<int>("renamed");

    const QStringList people = { "A", "a", "B", "~", "Gone" };
    QTest::newRow("unchanged") << kAB << people << "1|A|Home Visit|1|A;2|B|Phone Call|2|B" << kAB << people << 0;
    QTest::newRow("rename carries the phase's people in any case")
        << kAB << people << "1|First|Home Visit|1|A;2|B|Phone Call|2|B"
        << "1|First|Home Visit|1;2|B|Phone Call|2" << QStringList { "First", "First", "B", "~", "Gone" } << 2;
    QTest::newRow("two phases trade names")
        << kAB << people << "1|B|Home Visit|1|A;2|A|Phone Call|2|B"
        << "1|B|Home Visit|1;2|A|Phone Call|2" << QStringList { "B", "B", "A", "~", "Gone" } << 3;
    QTest::newRow("rename in letter case only")
        << kAB << people << "1|a|Home Visit|1|A;2|B|Phone Call|2|B"
        << "1|a|Home Visit|1;2|B|Phone Call|2" << QStringList { "a", "a", "B", "~", "Gone" } << 2;
    QTest::newRow("removed phase: its people keep the name") << kAB << people << "1|A|Home Visit|1|A"
                                                             << "1|A|Home Visit|1" << people << 0;
    QTest::newRow("added phase, others edited") << kAB << people << "1|A|Card|3|A;2|B|Phone Call|2|B;3|C|Letter|4|"
                                                << "1|A|Card|3;2|B|Phone Call|2;3|C|Letter|4" << people << 0;
    QTest::newRow("renamed and its old name given to a new phase")
        << kAB << people << "1|A2|Home Visit|1|A;2|B|Phone Call|2|B;3|A|Letter|4|"
        << "1|A2|Home Visit|1;2|B|Phone Call|2;3|A|Letter|4" << QStringList { "A2", "A2", "B", "~", "Gone" } << 2;
    QTest::newRow("renamed and removed at once: the people follow the rename")
        << kAB << people << "1|B2|Phone Call|2|B"
        << "1|B2|Phone Call|2" << QStringList { "A", "a", "B2", "~", "Gone" } << 1;
    QTest::newRow("all removed") << kAB << people << ""
                                 << "" << people << 0;
    QTest::newRow("stored names equal but for case: one kept, the people stay")
        << "1|Visit|Home Visit|1;2|VISIT|Letter|1" << QStringList { "visit" }
        << "1|Visit|Home Visit|1|Visit;2|Call|Letter|1|VISIT"
        << "1|Visit|Home Visit|1;2|Call|Letter|1" << QStringList { "visit" } << 0;
    QTest::newRow("order and weeks stored as numbers") << kAB << QStringList {} << " 07 |A|Home Visit| 3 |A"
                                                       << "7|A|Home Visit|3" << QStringList {} << 0;
}

void TestPhases::save()
{
    QFETCH(QString, stored);
    QFETCH(QStringList, people);
    QFETCH(QString, edited);
    QFETCH(QString, expected);
    QFETCH(QStringList, after);
    QFETCH(int, renamed);
    TestEnv env;
    setPhases(env.db(), stored);
    const QList<qint64> ids = addPeople(env, people);
    QCOMPARE(Phases::save(env.db(), rows(edited)), renamed);
    QCOMPARE(storedPhases(env.db()), expected);
    QCOMPARE(phasesOf(env.db(), ids), after);
    // Whole numbers are stored as numbers, not as the text typed (a server
    // column holds nothing else).
    if (!test::onServer())
        QCOMPARE(env.db()
                     .scalar(QStringLiteral("SELECT COUNT(*) FROM Outreach_Phase WHERE typeof(PhaseOrder) <> "
                                            "'integer' OR typeof(TimePeriod) <> 'integer'"))
                     .toInt(),
            0);
}

void TestPhases::refusedTableWritesNothing()
{
    TestEnv env;
    setPhases(env.db(), kAB);
    const QList<qint64> ids = addPeople(env, { QStringLiteral("A") });
    QString error;
    try {
        Phases::save(env.db(), rows(QStringLiteral("1|A2|Home Visit|1|A;1|B|Phone Call|2|B")));
    } catch (const Error& e) {
        error = e.text();
    }
    QCOMPARE(error, QStringLiteral("The phase \"B\" already has the order 1. Each phase needs an order of its own."));
    QCOMPARE(storedPhases(env.db()), kAB);
    QCOMPARE(phasesOf(env.db(), ids), QStringList { QStringLiteral("A") });
}

void TestPhases::failedRenameUndoesTheWholeSave()
{
    TestEnv env;
    setPhases(env.db(), kAB);
    const QList<qint64> ids = addPeople(env, { QStringLiteral("A") });
    env.refuseChanges(QStringLiteral("Member"), QStringLiteral("UPDATE OF Prospect_Phase"),
        QStringLiteral("refused by test"));
    QVERIFY_THROWS_EXCEPTION(DbError, Phases::save(env.db(), rows(QStringLiteral("1|A2|Home Visit|1|A;3|C|Card|1|"))));
    QVERIFY(!env.db().inTransaction());
    QCOMPARE(storedPhases(env.db()), kAB);
    QCOMPARE(phasesOf(env.db(), ids), QStringList { QStringLiteral("A") });
}

QTEST_MAIN(TestPhases)
#include "tst_phases.moc"
