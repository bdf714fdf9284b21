#include "TestSupport.h"

#include "widgets/ResultGrid.h"
#include "data/Members.h"
#include "data/Sql.h"
#include "navigators/MemberSearch.h"

#include <QLocale>
#include <QtTest>
#include <functional>

using namespace pw;
using namespace pw::navigators;

namespace {

// The identifiers of the seeded rows that criteria refer to.
struct Seeded {
    qint64 classA = 0, classB = 0; // Sunday School
    qint64 discipleship = 0, wednesday = 0;
    qint64 groupA = 0, groupB = 0; // care groups
    qint64 deacon = 0; // Bob Smith
};

using Setup = std::function<void(MemberCriteria&, const Seeded&)>;

MemberRecord person(const QString& first, const QString& last, const QString& status)
{
    MemberRecord r;
    r.firstName = first;
    r.lastName = last;
    r.status = status;
    r.memberActiveStatus = QStringLiteral("Active");
    r.prospectStatus = QStringLiteral("Inactive");
    return r;
}

// Six people whose first names identify them in the expected results.
Seeded seed(Database& db)
{
    Seeded s;
    const auto klass = [&](const char* table, const QString& name) {
        return db.insert(
            QStringLiteral("INSERT INTO %1 (Name) VALUES (?)").arg(QLatin1String(table)) + sql::returningId(),
            { name });
    };
    s.classA = klass("Sunday_School", QStringLiteral("Adults A"));
    s.classB = klass("Sunday_School", QStringLiteral("Adults B"));
    s.discipleship = klass("Discipleship_Training", QStringLiteral("Foundations"));
    s.wednesday = klass("Wednesday_Night", QStringLiteral("Choir"));

    MemberRecord bob = person(QStringLiteral("Bob"), QStringLiteral("Smith"), QStringLiteral("Member"));
    bob.memberActiveStatus = QStringLiteral("Inactive");
    bob.organizations = QStringLiteral("Rotary Club");
    bob.placeOfWork = QStringLiteral("Star Supermart");
    bob.city = QStringLiteral("Franklinville");
    bob.state = QStringLiteral("NJ");
    bob.zip = QStringLiteral("08322");
    s.deacon = Members::insert(db, bob);
    s.groupA = db.insert(
        QStringLiteral("INSERT INTO Care_Group (Group_Leader) VALUES (?)") + sql::returningId(), { s.deacon });
    s.groupB = db.insert(
        QStringLiteral("INSERT INTO Care_Group (Group_Leader) VALUES (?)") + sql::returningId(), { s.deacon });

    MemberRecord ann = person(QStringLiteral("Ann"), QStringLiteral("Johnson"), QStringLiteral("Member"));
    ann.dateOfBirth = QDate(1970, 3, 15);
    ann.anniversaryDate = QDate(1995, 6, 1);
    ann.memberSince = QDate(2020, 1, 1);
    ann.mapSection = QStringLiteral("A-12");
    ann.hobbies = QStringLiteral("Fishing, 1000 piece puzzles");
    ann.sundaySchoolClass = s.classA;
    ann.careGroup = s.groupA;
    ann.discipleshipClass = s.discipleship;
    ann.wednesdayClass = s.wednesday;
    ann.deacon = s.deacon;
    ann.newsletterMail = true;
    ann.headOfHousehold = true;
    ann.city = QStringLiteral("Franklin");
    ann.state = QStringLiteral("TN");
    ann.zip = QStringLiteral("37064-1234");
    Members::insert(db, ann);

    MemberRecord sonya = person(QStringLiteral("Sonya"), QStringLiteral("Black"), QStringLiteral("Visitor"));
    sonya.dateOfBirth = QDate(1980, 12, 31);
    sonya.memberSince = QDate(2020, 12, 31);
    sonya.notes = QStringLiteral("Gives 100% effort");
    sonya.organizations = QStringLiteral("Rotary_Club");
    sonya.careGroup = s.groupB;
    sonya.city = QStringLiteral("franklin");
    sonya.state = QStringLiteral("tn");
    sonya.zip = QStringLiteral("37067");
    Members::insert(db, sonya);

    MemberRecord jose = person(QStringLiteral("José"), QStringLiteral("Álvarez"), QStringLiteral("Member"));
    jose.memberSince = QDate(2021, 6, 15);
    jose.notes = QStringLiteral("O'Brien's friend");
    jose.hobbies = QStringLiteral("50% off sales");
    jose.mapSection = QStringLiteral("B-7");
    jose.sundaySchoolClass = s.classB;
    Members::insert(db, jose);

    MemberRecord mary = person(QStringLiteral("Mary Kate"), QStringLiteral("O'Brien"), QStringLiteral("Prospect"));
    mary.middleName = QStringLiteral("Q");
    mary.title = QStringLiteral("Mrs");
    mary.prospectStatus = QStringLiteral("Active");
    mary.dateOfBirth = QDate(1990, 1, 5);
    mary.anniversaryDate = QDate(2015, 3, 20);
    mary.placeOfWork = QStringLiteral("Star*Mart");
    Members::insert(db, mary);

    MemberRecord zoe = person(QStringLiteral("Zoë"), QStringLiteral("Σίσυφος"), QStringLiteral("Prospect"));
    zoe.prospectStatus = QStringLiteral("Active");
    zoe.prospectNote = QStringLiteral("Met at the fair");
    Members::insert(db, zoe);

    db.exec(QStringLiteral("INSERT INTO Member_Responsibility (Member_ID, Responsibility, \"Start\", \"End\") "
                           "VALUES (?, 'Deacon', '2001-01-01', '2010-01-01')"),
        { s.deacon });
    db.exec(QStringLiteral("INSERT INTO Member_Responsibility (Member_ID, Responsibility, \"Start\") "
                           "SELECT ID, 'Teacher', '2019-09-01' FROM Member WHERE First_Name = 'Ann'"));
    return s;
}

// First names of the people found, in grid order.
QStringList firstNamesFound(Database& db, const SearchStatement& statement)
{
    QStringList names;
    const QString sql = QStringLiteral("SELECT First_Name FROM Member WHERE ID = ?");
    ResultModel model;
    runSearch(model, memberGridColumns(), statement);
    for (qint64 id : model.ids())
        names.append(db.scalar(sql, { id }).toString());
    return names;
}

const QStringList everybody = { QStringLiteral("José"), QStringLiteral("Sonya"), QStringLiteral("Ann"),
    QStringLiteral("Mary Kate"), QStringLiteral("Bob"), QStringLiteral("Zoë") };

} // namespace

Q_DECLARE_METATYPE(Setup)

class TestMemberSearch : public QObject {
    Q_OBJECT
private slots:
    void findsPeople_data();
    void findsPeople();
    void valuesFollowTheCriteriaOrder();
    void hostileTextIsOnlySearchedFor_data();
    void hostileTextIsOnlySearchedFor();
    void wildcardMatch_data();
    void wildcardMatch();
    void gridCells();
    void searchAgainReplacesEveryRow();
    void phoneCells_data();
    void phoneCells();
    void addressCells_data();
    void addressCells();
    void dateCellsInEveryLocale_data();
    void dateCellsInEveryLocale();
};

void TestMemberSearch::findsPeople_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QStringList>("found"); // first names, in grid order

    const auto row = [](const char* name, Setup setup, QStringList found) { QTest::newRow(name) << setup << found; };
    row(
        "no criteria: everybody by last name", [](MemberCriteria&, const Seeded&) {}, everybody);
    row("name in first or last name, any case", [](MemberCriteria& c, const Seeded&) { c.name = "SON"; },
        { "Sonya", "Ann" });
    row("name in middle name", [](MemberCriteria& c, const Seeded&) { c.name = "q"; }, { "Mary Kate" });
    row("name with an apostrophe", [](MemberCriteria& c, const Seeded&) { c.name = "o'b"; }, { "Mary Kate" });
    row("name of a blank", [](MemberCriteria& c, const Seeded&) { c.name = " "; }, { "Mary Kate" });
    row("name ignores case of accented letters", [](MemberCriteria& c, const Seeded&) { c.name = "ÁLVAREZ"; },
        { "José" });
    row("name ignores case in Greek", [](MemberCriteria& c, const Seeded&) { c.name = "ΣΊΣΥΦΟΣ"; }, { "Zoë" });
    row("question mark stands for one letter", [](MemberCriteria& c, const Seeded&) { c.name = "jos?"; }, { "José" });
    row("star stands for any run", [](MemberCriteria& c, const Seeded&) { c.name = "j*n"; }, { "Ann" });
    row("percent is a plain character", [](MemberCriteria& c, const Seeded&) { c.name = "%"; }, {});
    row("underscore is a plain character", [](MemberCriteria& c, const Seeded&) { c.name = "b_b"; }, {});
    row("member since, both ends included",
        [](MemberCriteria& c, const Seeded&) {
            c.memberSince = true;
            c.memberSinceFirst = QDate(2020, 1, 1);
            c.memberSinceLast = QDate(2020, 12, 31);
        },
        { "Sonya", "Ann" });
    row("member since, start after end",
        [](MemberCriteria& c, const Seeded&) {
            c.memberSince = true;
            c.memberSinceFirst = QDate(2021, 1, 1);
            c.memberSinceLast = QDate(2020, 1, 1);
        },
        {});
    row(
        "member since unticked ignores the dates",
        [](MemberCriteria& c, const Seeded&) {
            c.memberSinceFirst = QDate(2021, 1, 1);
            c.memberSinceLast = QDate(2020, 1, 1);
        },
        everybody);
    row("search: percent is literal", [](MemberCriteria& c, const Seeded&) { c.search = "100%"; }, { "Sonya" });
    row("search: underscore is literal", [](MemberCriteria& c, const Seeded&) { c.search = "y_c"; }, { "Sonya" });
    row("search: star keeps its meaning", [](MemberCriteria& c, const Seeded&) { c.search = "star*mart"; },
        { "Mary Kate", "Bob" });
    row("search: apostrophe", [](MemberCriteria& c, const Seeded&) { c.search = "o'brien's"; }, { "José" });
    row("search: prospect note", [](MemberCriteria& c, const Seeded&) { c.search = "FAIR"; }, { "Zoë" });
    row("member status, any case", [](MemberCriteria& c, const Seeded&) { c.status = "member"; },
        { "José", "Ann", "Bob" });
    row("church status", [](MemberCriteria& c, const Seeded&) { c.churchStatus = "Inactive"; }, { "Bob" });
    row("prospect status", [](MemberCriteria& c, const Seeded&) { c.prospectStatus = "Active"; },
        { "Mary Kate", "Zoë" });
    row("March: birth or anniversary", [](MemberCriteria& c, const Seeded&) { c.monthIndex = 2; },
        { "Ann", "Mary Kate" });
    row("January", [](MemberCriteria& c, const Seeded&) { c.monthIndex = 0; }, { "Mary Kate" });
    row("December", [](MemberCriteria& c, const Seeded&) { c.monthIndex = 11; }, { "Sonya" });
    row("map section", [](MemberCriteria& c, const Seeded&) { c.mapSection = "b-"; }, { "José" });
    row("Sunday School class", [](MemberCriteria& c, const Seeded& s) { c.sundaySchoolClass = s.classB; }, { "José" });
    row("care group", [](MemberCriteria& c, const Seeded& s) { c.careGroup = s.groupB; }, { "Sonya" });
    row("discipleship class", [](MemberCriteria& c, const Seeded& s) { c.discipleshipClass = s.discipleship; },
        { "Ann" });
    row("Wednesday class", [](MemberCriteria& c, const Seeded& s) { c.wednesdayClass = s.wednesday; }, { "Ann" });
    row("deacon", [](MemberCriteria& c, const Seeded& s) { c.deacon = s.deacon; }, { "Ann" });
    row("responsibility held long ago", [](MemberCriteria& c, const Seeded&) { c.responsibility = "deacon"; },
        { "Bob" });
    row("newsletter by mail", [](MemberCriteria& c, const Seeded&) { c.receiveNewsletter = true; }, { "Ann" });
    row("head of household False", [](MemberCriteria& c, const Seeded&) { c.headOfHousehold = false; },
        { "José", "Sonya", "Mary Kate", "Bob", "Zoë" });
    row("city: the whole name, any case", [](MemberCriteria& c, const Seeded&) { c.city = "FRANKLIN"; },
        { "Sonya", "Ann" });
    row("city with a star", [](MemberCriteria& c, const Seeded&) { c.city = "frank*"; }, { "Sonya", "Ann", "Bob" });
    row("state", [](MemberCriteria& c, const Seeded&) { c.state = "Tn"; }, { "Sonya", "Ann" });
    row("zip from its start", [](MemberCriteria& c, const Seeded&) { c.zip = "37064"; }, { "Ann" });
    row("zip with a question mark", [](MemberCriteria& c, const Seeded&) { c.zip = "3706?"; }, { "Sonya", "Ann" });
    row("born in March, living in Franklin",
        [](MemberCriteria& c, const Seeded&) {
            c.city = "Franklin";
            c.monthIndex = 2;
        },
        { "Ann" });
    row("name and status",
        [](MemberCriteria& c, const Seeded&) {
            c.name = "son";
            c.status = "Member";
        },
        { "Ann" });
    row("name and month",
        [](MemberCriteria& c, const Seeded&) {
            c.name = "o";
            c.monthIndex = 2;
        },
        { "Ann", "Mary Kate" });
    row("class and deacon exclude each other",
        [](MemberCriteria& c, const Seeded& s) {
            c.sundaySchoolClass = s.classB;
            c.deacon = s.deacon;
        },
        {});
}

void TestMemberSearch::findsPeople()
{
    QFETCH(Setup, setup);
    QFETCH(QStringList, found);
    test::TestEnv env;
    const Seeded seeded = seed(env.db());
    MemberCriteria criteria;
    setup(criteria, seeded);
    QCOMPARE(firstNamesFound(env.db(), memberSearch(criteria)), found);
}

void TestMemberSearch::valuesFollowTheCriteriaOrder()
{
    MemberCriteria c;
    c.headOfHousehold = true;
    c.receiveNewsletter = false;
    c.responsibility = QStringLiteral("Usher");
    c.deacon = 13;
    c.wednesdayClass = 12;
    c.discipleshipClass = 11;
    c.careGroup = 10;
    c.sundaySchoolClass = 9;
    c.mapSection = QStringLiteral("map");
    c.monthIndex = 6;
    c.prospectStatus = QStringLiteral("prospect");
    c.churchStatus = QStringLiteral("church");
    c.status = QStringLiteral("status");
    c.search = QStringLiteral("text");
    c.memberSince = true;
    c.memberSinceFirst = QDate(2024, 2, 28);
    c.memberSinceLast = QDate(2024, 2, 29);
    c.name = QStringLiteral("nm");
    const SearchStatement s = memberSearch(c);
    const QVariantList expected = { "*nm*", "*nm*", "*nm*", "2024-02-28", "2024-03-01", "*text*", "*text*", "*text*",
        "*text*", "*text*", "status", "church", "prospect", 7, 7, "*map*", 9, 10, 11, 12, 13, "Usher", 0, 1 };
    QCOMPARE(s.values.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(s.values.at(i).toString(), expected.at(i).toString());
    QCOMPARE(s.sql.count(QLatin1Char('?')), expected.size());

    const SearchStatement none = memberSearch({});
    QVERIFY(!none.sql.contains(QStringLiteral("WHERE")));
    QVERIFY(none.values.isEmpty());
}

void TestMemberSearch::hostileTextIsOnlySearchedFor_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("statement end and comment") << QStringLiteral("'; DROP TABLE Member; --");
    QTest::newRow("closing bracket") << QStringLiteral("x')) OR 1=1 OR (('");
    QTest::newRow("double quote") << QStringLiteral("\" OR \"\"=\"");
    QTest::newRow("backslash") << QStringLiteral("\\'");
    QTest::newRow("placeholder") << QStringLiteral("?)");
    QTest::newRow("nul character") << QStringLiteral("a") + QChar(0) + QStringLiteral("b");
}

void TestMemberSearch::hostileTextIsOnlySearchedFor()
{
    QFETCH(QString, text);
    test::TestEnv env;
    seed(env.db());
    MemberCriteria c;
    c.name = text;
    c.search = text;
    c.mapSection = text;
    c.status = text;
    c.churchStatus = text;
    c.prospectStatus = text;
    c.responsibility = text;
    QCOMPARE(firstNamesFound(env.db(), memberSearch(c)), QStringList());
    // Each text alone finds nobody either, and the table is still there.
    MemberCriteria one;
    one.name = text;
    QCOMPARE(firstNamesFound(env.db(), memberSearch(one)), QStringList());
    QCOMPARE(env.db().scalar(QStringLiteral("SELECT COUNT(*) FROM Member")).toInt(), 6);

    // The same text stored in a name is found as typed.
    env.db().exec(QStringLiteral("UPDATE Member SET Last_Name = ? WHERE First_Name = 'Bob'"), { text });
    QCOMPARE(firstNamesFound(env.db(), memberSearch(one)), QStringList { QStringLiteral("Bob") });
}

void TestMemberSearch::wildcardMatch_data()
{
    QTest::addColumn<QVariant>("text"); // a null QVariant is a Null column
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("matches");
    const auto row = [](const char* name, QVariant text, const QString& pattern, bool matches) {
        QTest::newRow(name) << text << pattern << matches;
    };
    row("ASCII case", "Johnson", "*SON*", true);
    row("whole text only", "Johnson", "son", false);
    row("accented case", "ÉCOLE", "é*", true);
    row("accents are not letters without them", "école", "e*", false);
    row("accented pattern, plain text", "JOSE", "josé", false);
    row("pattern letter folding to plain text", "KELVIN", "\u212Aelvin", true);
    row("Greek final sigma", "ΣΊΣΥΦΟΣ", "σίσυφος", true);
    row("composed and decomposed", "Jose\u0301", "josé", true);
    row("question mark is one accented letter", "José", "jos?", true);
    row("question mark is one character beyond the BMP", "a\U0001F600b", "a?b", true);
    row("question mark is not none", "ab", "a?b", false);
    row("star is any run, none included", "ab", "a*b", true);
    row("backtracking", "aXbYbZc", "a*b*c", true);
    row("backtracking fails", "aXbYbZ", "a*b*c", false);
    row("star alone matches empty text", "", "*", true);
    row("percent is plain", "100 percent", "100%", false);
    row("percent matches itself", "100%", "100%", true);
    row("underscore is plain", "aXb", "a_b", false);
    row("underscore matches itself", "a_b", "A_B", true);
    row("apostrophe", "O'Brien", "*'b*", true);
    row("Null matches nothing", QVariant(), "*", false);
}

void TestMemberSearch::wildcardMatch()
{
    QFETCH(QVariant, text);
    QFETCH(QString, pattern);
    QFETCH(bool, matches);
    test::TestEnv env;
    const QString sql = QStringLiteral("SELECT COUNT(*) FROM (SELECT ? AS v) AS t WHERE ") + sql::textMatches("v");
    const QVariant stored = text.isNull() ? QVariant() : QVariant(text.toString());
    QCOMPARE(env.db().scalar(sql, { stored, sql::wildcardPattern(pattern) }).toInt(), matches ? 1 : 0);
    if (!text.isNull())
        QCOMPARE(sql::matchesWildcards(text.toString(), pattern), matches);
}

void TestMemberSearch::gridCells()
{
    test::TestEnv env;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    MemberRecord r = person(QStringLiteral("Ann"), QStringLiteral("Lee"), QStringLiteral("Member"));
    r.phone = QStringLiteral("6155551234");
    r.cell = QStringLiteral("5551234");
    r.address1 = QStringLiteral("1 Main St");
    r.city = QStringLiteral("Mâcon");
    r.state = QStringLiteral("GA");
    r.zip = QStringLiteral("31201");
    r.dateOfBirth = QDate(1925, 3, 5);
    r.email = QStringLiteral("ann@例え.jp");
    const qint64 id = Members::insert(env.db(), r);
    env.db().exec(
        QStringLiteral("UPDATE Member SET Middle_Name = NULL, Title = NULL, Address_2 = NULL WHERE ID = ?"), { id });

    ResultModel model;
    runSearch(model, memberGridColumns(), memberSearch({}));
    QLocale::setDefault(QLocale::c());
    QCOMPARE(model.columnCount(), 12);
    QCOMPARE(model.rowCount(), 1);
    QStringList cells;
    for (int c = 0; c < model.columnCount(); ++c)
        cells.append(model.textAt(0, c));
    QCOMPARE(cells,
        QStringList({ QString::number(id), "Lee, Ann  ", "Member", "(615) 555-1234", "() 555-1234", "", "ann@例え.jp",
            "1 Main St, Mâcon, GA 31201", "3/5/1925", "", "Active", "Inactive" }));
}

void TestMemberSearch::searchAgainReplacesEveryRow()
{
    test::TestEnv env;
    seed(env.db());
    ResultModel model;
    MemberCriteria son;
    son.name = QStringLiteral("son");
    runSearch(model, memberGridColumns(), memberSearch({}));
    model.sort(1, Qt::DescendingOrder);
    runSearch(model, memberGridColumns(), memberSearch(son));
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.textAt(0, 1), QStringLiteral("Black, Sonya  "));
    QCOMPARE(model.textAt(1, 1), QStringLiteral("Johnson, Ann  "));
    runSearch(model, memberGridColumns(), memberSearch({}));
    QCOMPARE(model.rowCount(), 6);
    QCOMPARE(model.textAt(5, 1), QStringLiteral("Σίσυφος, Zoë  "));
}

void TestMemberSearch::phoneCells_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("cell");
    QTest::newRow("ten digits") << "6155551234"
                                << "(615) 555-1234";
    QTest::newRow("seven digits") << "5551234"
                                  << "() 555-1234";
    QTest::newRow("four digits") << "1234"
                                 << "() -1234";
    QTest::newRow("three digits") << "123"
                                  << "() -123";
    QTest::newRow("eleven digits") << "16155551234"
                                   << "(1615) 555-1234";
    QTest::newRow("stored with separators") << "615-555-1234"
                                            << "(615) 555-1234";
    QTest::newRow("empty") << ""
                           << "";
}

void TestMemberSearch::phoneCells()
{
    QFETCH(QString, stored);
    QFETCH(QString, cell);
    QCOMPARE(phoneCell(stored), cell);
}

void TestMemberSearch::addressCells_data()
{
    // Address 1, Address 2, City, State, Zip as stored; "~" stands for Null.
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QString>("cell");
    QTest::newRow("every part") << QStringList { "12 Oak Street", "Apt 4", "Franklin", "TN", "37064" }
                                << "12 Oak Street, Apt 4, Franklin, TN 37064";
    QTest::newRow("no second line") << QStringList { "12 Oak Street", "", "Franklin", "TN", "37064" }
                                    << "12 Oak Street, Franklin, TN 37064";
    QTest::newRow("Null second line") << QStringList { "12 Oak Street", "~", "Franklin", "TN", "37064" }
                                      << "12 Oak Street, Franklin, TN 37064";
    QTest::newRow("blank second line") << QStringList { "12 Oak Street", "   ", "Franklin", "TN", "37064" }
                                       << "12 Oak Street, Franklin, TN 37064";
    QTest::newRow("only the city") << QStringList { "", "", "Franklin", "~", "" } << "Franklin";
    QTest::newRow("state without zip") << QStringList { "12 Oak Street", "", "Franklin", "TN", "" }
                                       << "12 Oak Street, Franklin, TN";
    QTest::newRow("zip without state") << QStringList { "", "", "Franklin", "", "37064" } << "Franklin, 37064";
    QTest::newRow("no first line") << QStringList { "~", "PO Box 9", "Franklin", "TN", "37064" }
                                   << "PO Box 9, Franklin, TN 37064";
    QTest::newRow("nothing") << QStringList { "", "~", "", "", "~" } << "";
}

void TestMemberSearch::addressCells()
{
    QFETCH(QStringList, stored);
    QFETCH(QString, cell);
    test::TestEnv env;
    const qint64 id = env.addMember(QStringLiteral("Ann"), QStringLiteral("Lee"));
    QVariantList values;
    for (const QString& part : stored)
        values.append(part == QLatin1String("~") ? QVariant() : QVariant(part));
    values.append(id);
    env.db().exec(QStringLiteral("UPDATE Member SET Address_1 = ?, Address_2 = ?, City = ?, State = ?, Zip = ? "
                                 "WHERE ID = ?"),
        values);
    ResultModel model;
    runSearch(model, memberGridColumns(), memberSearch({}));
    QCOMPARE(model.textAt(0, 7), cell);
}

void TestMemberSearch::dateCellsInEveryLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("shown"); // the birth date 2024-02-09 as the grid shows it
    QTest::newRow("C") << QLocale::c() << "2/9/2024";
    QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates) << "2/9/2024";
    QTest::newRow("en_GB") << QLocale(QLocale::English, QLocale::UnitedKingdom) << "09/02/2024";
    QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany) << "09.02.2024";
    QTest::newRow("ar_EG") << QLocale(QLocale::Arabic, QLocale::Egypt) << QString();
    QTest::newRow("ja_JP") << QLocale(QLocale::Japanese, QLocale::Japan) << "2024/02/09";
}

void TestMemberSearch::dateCellsInEveryLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, shown);
    test::TestEnv env;
    const qint64 id = env.addMember(QStringLiteral("Ann"), QStringLiteral("Lee"));
    env.db().exec(QStringLiteral("UPDATE Member SET Date_Of_Birth = '2024-02-09', "
                                 "Anniversary_Date = '1999-12-31T15:30:00' WHERE ID = ?"),
        { id });
    QLocale::setDefault(locale);
    ResultModel model;
    runSearch(model, memberGridColumns(), memberSearch({}));
    const QString birth = dateCell(QStringLiteral("2024-02-09"));
    const QString anniversary = dateCell(QStringLiteral("1999-12-31T15:30:00"));
    QLocale::setDefault(QLocale::c());
    // The grid writes plain days itself; it must agree with the locale's own formatting.
    QCOMPARE(model.textAt(0, 8), birth);
    QCOMPARE(model.textAt(0, 9), anniversary);
    if (!shown.isEmpty())
        QCOMPARE(birth, shown);
    QVERIFY(!anniversary.isEmpty());
    QVERIFY(anniversary.contains(QLatin1String("1999")) || locale.zeroDigit() != QLatin1String("0"));
}

QTEST_MAIN(TestMemberSearch)
#include "tst_membersearch.moc"
