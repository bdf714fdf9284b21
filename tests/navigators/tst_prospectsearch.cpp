#include "TestSupport.h"

#include "widgets/ResultGrid.h"
#include "data/Members.h"
#include "data/Sql.h"
#include "navigators/ProspectSearch.h"

#include <QLocale>
#include <QtTest>
#include <functional>

using namespace pw;
using namespace pw::navigators;

namespace {

struct Seeded {
    qint64 classA = 0, classB = 0; // Sunday School
    qint64 groupA = 0;
    qint64 paul = 0, rita = 0, sam = 0, tom = 0; // prospects
    qint64 vera = 0, vic = 0; // visitors
    qint64 paulsFirstContact = 0, paulsSecondContact = 0;
};

using Setup = std::function<void(ProspectCriteria&, const Seeded&)>;

MemberRecord person(const QString& first, const QString& last, const QString& status)
{
    MemberRecord r;
    r.firstName = first;
    r.lastName = last;
    r.status = status;
    r.memberActiveStatus = QStringLiteral("Active");
    r.prospectStatus = QStringLiteral("Active");
    return r;
}

qint64 contact(
    Database& db, qint64 prospect, const QString& when, const QString& action, qint64 visitor1, qint64 visitor2 = 0)
{
    return db.insert(QStringLiteral("INSERT INTO Prospect_Contact (Prospect_ID, Contact_Date, Action, Type, "
                                    "Visitor1, Visitor2, Rating, Notes) VALUES (?, ?, ?, 'Home', ?, ?, 'Warm', ?)")
            + sql::returningId(),
        { prospect, when, action, sql::id(visitor1), sql::id(visitor2), action + QStringLiteral(" notes") });
}

// Four prospects and two visitors; first names identify them in the results.
Seeded seed(Database& db)
{
    Seeded s;
    s.classA
        = db.insert(QStringLiteral("INSERT INTO Sunday_School (Name) VALUES ('Young Adults')") + sql::returningId());
    s.classB = db.insert(QStringLiteral("INSERT INTO Sunday_School (Name) VALUES ('Seniors')") + sql::returningId());

    s.vera = Members::insert(db, person(QStringLiteral("Vera"), QStringLiteral("Visit"), QStringLiteral("Member")));
    s.vic = Members::insert(db, person(QStringLiteral("Vic"), QStringLiteral("Helper"), QStringLiteral("Member")));
    s.groupA = db.insert(
        QStringLiteral("INSERT INTO Care_Group (Group_Leader) VALUES (?)") + sql::returningId(), { s.vera });

    MemberRecord paul = person(QStringLiteral("Paul"), QStringLiteral("Adams"), QStringLiteral("Prospect"));
    paul.prospectPhase = QStringLiteral("Contact");
    paul.prospectNextContactDate = QDate(2026, 3, 10);
    paul.prospectNextContactAction = QStringLiteral("Phone Call");
    paul.prospectSundaySchoolClass = s.classA;
    paul.prospectCareGroup = s.groupA;
    paul.phone = QStringLiteral("6155550100");
    s.paul = Members::insert(db, paul);

    MemberRecord rita = person(QStringLiteral("Rita"), QStringLiteral("Baker"), QStringLiteral("Prospect"));
    rita.prospectPhase = QStringLiteral("Visit");
    rita.prospectNextContactDate = QDate(2026, 3, 31);
    rita.prospectNextContactAction = QStringLiteral("Visit");
    rita.sundaySchoolClass = s.classA; // as a member, not as a prospect
    rita.careGroup = s.groupA;
    rita.prospectStatus = QStringLiteral("Inactive");
    s.rita = Members::insert(db, rita);

    MemberRecord sam = person(QStringLiteral("Sam"), QStringLiteral("Carter"), QStringLiteral("Prospect"));
    sam.prospectPhase = QStringLiteral("contact");
    sam.prospectNextContactDate = QDate(2026, 4, 1);
    sam.prospectSundaySchoolClass = s.classB;
    sam.dateOfBirth = QDate(1988, 3, 3);
    sam.mapSection = QStringLiteral("N-3");
    sam.hobbies = QStringLiteral("Chess club");
    sam.memberActiveStatus = QStringLiteral("Visitor");
    s.sam = Members::insert(db, sam);

    MemberRecord tom = person(QStringLiteral("Tom"), QStringLiteral("O'Neil"), QStringLiteral("Prospect"));
    tom.prospectPhase = QStringLiteral("Follow-up");
    s.tom = Members::insert(db, tom);

    s.paulsFirstContact = contact(db, s.paul, QStringLiteral("2026-01-10"), QStringLiteral("Phone Call"), s.vera);
    s.paulsSecondContact = contact(db, s.paul, QStringLiteral("2026-02-10"), QStringLiteral("Visit"), s.vera, s.vic);
    contact(db, s.rita, QStringLiteral("2025-12-31"), QStringLiteral("Letter"), s.vic);
    // Recorded with a time of day: still a contact of that day.
    contact(db, s.tom, QStringLiteral("2026-02-10T14:00:00"), QStringLiteral("Visit"), s.vic);
    return s;
}

QStringList firstNamesFound(Database& db, const SearchStatement& statement)
{
    QStringList names;
    ResultModel model;
    runSearch(model, prospectGridColumns(), statement);
    for (qint64 id : model.ids())
        names.append(db.scalar(QStringLiteral("SELECT First_Name FROM Member WHERE ID = ?"), { id }).toString());
    return names;
}

void previous(ProspectCriteria& c, QDate first, QDate last)
{
    c.previousContact = true;
    c.previousContactFirst = first;
    c.previousContactLast = last;
}

} // namespace

Q_DECLARE_METATYPE(Setup)

class TestProspectSearch : public QObject {
    Q_OBJECT
private slots:
    void findsPeople_data();
    void findsPeople();
    void valuesFollowTheCriteriaOrder();
    void apostropheInEveryText();
    void prospectGridRow();
    void contactsNewestFirst();
};

void TestProspectSearch::findsPeople_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QStringList>("found"); // first names, in grid order

    const auto row = [](const char* name, Setup setup, QStringList found) { QTest::newRow(name) << setup << found; };
    row("no criteria: everybody, members too", [](ProspectCriteria&, const Seeded&) {},
        { "Paul", "Rita", "Sam", "Vic", "Tom", "Vera" });
    row("phase, any case", [](ProspectCriteria& c, const Seeded&) { c.phase = "CONTACT"; }, { "Paul", "Sam" });
    row("name with an apostrophe", [](ProspectCriteria& c, const Seeded&) { c.name = "o'n"; }, { "Tom" });
    row("next contact, both ends included",
        [](ProspectCriteria& c, const Seeded&) {
            c.nextContact = true;
            c.nextContactFirst = QDate(2026, 3, 10);
            c.nextContactLast = QDate(2026, 3, 31);
        },
        { "Paul", "Rita" });
    row("next contact, start after end",
        [](ProspectCriteria& c, const Seeded&) {
            c.nextContact = true;
            c.nextContactFirst = QDate(2026, 4, 1);
            c.nextContactLast = QDate(2026, 3, 1);
        },
        {});
    row("next contact unticked ignores the dates",
        [](ProspectCriteria& c, const Seeded&) {
            c.nextContactFirst = QDate(2030, 1, 1);
            c.nextContactLast = QDate(2030, 1, 2);
            c.phase = "Visit";
        },
        { "Rita" });
    row("next action", [](ProspectCriteria& c, const Seeded&) { c.nextAction = "visit"; }, { "Rita" });
    row("previous action alone: at any time", [](ProspectCriteria& c, const Seeded&) { c.previousAction = "Visit"; },
        { "Paul", "Tom" });
    row("previous action Letter", [](ProspectCriteria& c, const Seeded&) { c.previousAction = "letter"; }, { "Rita" });
    row("previous range alone",
        [](ProspectCriteria& c, const Seeded&) { previous(c, QDate(2026, 1, 1), QDate(2026, 1, 31)); }, { "Paul" });
    row("previous range of one day counts a time of day",
        [](ProspectCriteria& c, const Seeded&) { previous(c, QDate(2026, 2, 10), QDate(2026, 2, 10)); },
        { "Paul", "Tom" });
    row("previous range and action on the same contact",
        [](ProspectCriteria& c, const Seeded&) {
            previous(c, QDate(2026, 2, 1), QDate(2026, 2, 28));
            c.previousAction = "Visit";
        },
        { "Paul", "Tom" });
    row("previous range and action on different contacts",
        [](ProspectCriteria& c, const Seeded&) {
            previous(c, QDate(2026, 1, 1), QDate(2026, 1, 31));
            c.previousAction = "Visit";
        },
        {});
    row("previous range, start after end",
        [](ProspectCriteria& c, const Seeded&) { previous(c, QDate(2026, 2, 11), QDate(2026, 2, 10)); }, {});
    row("member status", [](ProspectCriteria& c, const Seeded&) { c.status = "prospect"; },
        { "Paul", "Rita", "Sam", "Tom" });
    row("church status", [](ProspectCriteria& c, const Seeded&) { c.churchStatus = "Visitor"; }, { "Sam" });
    row("prospect status", [](ProspectCriteria& c, const Seeded&) { c.prospectStatus = "Inactive"; }, { "Rita" });
    row("search text", [](ProspectCriteria& c, const Seeded&) { c.search = "CHESS"; }, { "Sam" });
    row("class on the prospect column only",
        [](ProspectCriteria& c, const Seeded& s) { c.sundaySchoolClass = s.classA; }, { "Paul" });
    row("care group on the prospect column only", [](ProspectCriteria& c, const Seeded& s) { c.careGroup = s.groupA; },
        { "Paul" });
    row("March", [](ProspectCriteria& c, const Seeded&) { c.monthIndex = 2; }, { "Sam" });
    row("map section", [](ProspectCriteria& c, const Seeded&) { c.mapSection = "n-"; }, { "Sam" });
    row("phase and next contact",
        [](ProspectCriteria& c, const Seeded&) {
            c.phase = "Contact";
            c.nextContact = true;
            c.nextContactFirst = QDate(2026, 3, 1);
            c.nextContactLast = QDate(2026, 3, 31);
        },
        { "Paul" });
    row("previous action and phase",
        [](ProspectCriteria& c, const Seeded&) {
            c.previousAction = "Visit";
            c.phase = "Follow-up";
        },
        { "Tom" });
}

void TestProspectSearch::findsPeople()
{
    QFETCH(Setup, setup);
    QFETCH(QStringList, found);
    test::TestEnv env;
    const Seeded seeded = seed(env.db());
    ProspectCriteria criteria;
    setup(criteria, seeded);
    QCOMPARE(firstNamesFound(env.db(), prospectSearch(criteria)), found);
}

void TestProspectSearch::valuesFollowTheCriteriaOrder()
{
    ProspectCriteria c;
    c.mapSection = QStringLiteral("map");
    c.monthIndex = 11;
    c.careGroup = 8;
    c.sundaySchoolClass = 7;
    c.search = QStringLiteral("text");
    c.prospectStatus = QStringLiteral("prospect");
    c.churchStatus = QStringLiteral("church");
    c.status = QStringLiteral("status");
    previous(c, QDate(2025, 1, 1), QDate(2025, 12, 31));
    c.previousAction = QStringLiteral("before");
    c.nextAction = QStringLiteral("next");
    c.nextContact = true;
    c.nextContactFirst = QDate(2026, 1, 1);
    c.nextContactLast = QDate(2026, 1, 31);
    c.name = QStringLiteral("nm");
    c.phase = QStringLiteral("phase");
    const SearchStatement s = prospectSearch(c);
    const QStringList expected = { "phase", "*nm*", "*nm*", "*nm*", "2026-01-01", "2026-02-01", "next", "2025-01-01",
        "2026-01-01", "before", "status", "church", "prospect", "*text*", "*text*", "*text*", "*text*", "*text*", "7",
        "8", "12", "12", "*map*" };
    QStringList values;
    for (const QVariant& v : s.values)
        values.append(v.toString());
    QCOMPARE(values, expected);
    QCOMPARE(s.sql.count(QLatin1Char('?')), expected.size());
}

void TestProspectSearch::apostropheInEveryText()
{
    test::TestEnv env;
    const Seeded s = seed(env.db());
    const QString text = QStringLiteral("Mom's");
    env.db().exec(QStringLiteral("UPDATE Member SET Prospect_Phase = ?, Prospect_Next_Contact_Action = ?, Status = ?, "
                                 "Member_Active_Status = ?, Prospect_Active_Status = ?, Notes = ?, Map_Section = ? "
                                 "WHERE ID = ?"),
        { text, text, text, text, text, text, text, s.sam });
    env.db().exec(QStringLiteral("UPDATE Prospect_Contact SET Action = ? WHERE Prospect_ID = ?"), { text, s.rita });
    ProspectCriteria c;
    c.phase = c.nextAction = c.status = c.churchStatus = c.prospectStatus = text;
    c.search = c.mapSection = QStringLiteral("m's");
    QCOMPARE(firstNamesFound(env.db(), prospectSearch(c)), QStringList { QStringLiteral("Sam") });
    ProspectCriteria before;
    before.previousAction = text;
    QCOMPARE(firstNamesFound(env.db(), prospectSearch(before)), QStringList { QStringLiteral("Rita") });
}

void TestProspectSearch::prospectGridRow()
{
    test::TestEnv env;
    const Seeded s = seed(env.db());
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    ResultModel model;
    ProspectCriteria c;
    c.name = QStringLiteral("Paul");
    runSearch(model, prospectGridColumns(), prospectSearch(c));
    QLocale::setDefault(QLocale::c());
    QCOMPARE(model.columnCount(), 15);
    QCOMPARE(model.rowCount(), 1);
    QStringList cells;
    for (int col = 0; col < model.columnCount(); ++col)
        cells.append(model.textAt(0, col));
    QCOMPARE(cells,
        QStringList({ QString::number(s.paul), "Adams, Paul  ", "Prospect", "Contact", "3/10/2026", "Phone Call",
            "(615) 555-0100", "", "", "", "", "", "", "Active", "Active" }));
}

void TestProspectSearch::contactsNewestFirst()
{
    test::TestEnv env;
    const Seeded s = seed(env.db());
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    ResultModel model;
    runSearch(model, contactGridColumns(), contactsOf(s.paul));
    ResultModel none;
    runSearch(none, contactGridColumns(), contactsOf(s.sam));
    QLocale::setDefault(QLocale::c());

    QCOMPARE(model.columnCount(), 8);
    QCOMPARE(model.rowCount(), 2);
    QStringList newest, oldest;
    for (int col = 0; col < 8; ++col) {
        newest.append(model.textAt(0, col));
        oldest.append(model.textAt(1, col));
    }
    QCOMPARE(newest,
        QStringList({ QString::number(s.paulsSecondContact), "2/10/2026", "Visit", "Home", "Warm", "Visit, Vera ",
            "Helper, Vic ", "Visit notes" }));
    // Without a second visitor only the separators show.
    QCOMPARE(oldest,
        QStringList({ QString::number(s.paulsFirstContact), "1/10/2026", "Phone Call", "Home", "Warm", "Visit, Vera ",
            ",  ", "Phone Call notes" }));
    QCOMPARE(none.columnCount(), 8);
    QCOMPARE(none.rowCount(), 0);
}

QTEST_MAIN(TestProspectSearch)
#include "tst_prospectsearch.moc"
