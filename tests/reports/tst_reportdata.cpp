#include "ReportFields.h"
#include "TestSupport.h"

#include "data/Sql.h"
#include "reports/Reports.h"

#include <QtTest>

using namespace pw;
using namespace pw::reports;
using namespace pw::test;

namespace {

// A person with some columns set beyond the names.
qint64 person(test::TestEnv& env, const QString& first, const QString& last, const QVariantMap& columns = {})
{
    const qint64 id = env.addMember(first, last);
    for (auto it = columns.cbegin(); it != columns.cend(); ++it)
        env.db().exec(QStringLiteral("UPDATE Member SET %1 = ? WHERE ID = ?").arg(it.key()), { it.value(), id });
    return id;
}

qint64 classRow(test::TestEnv& env, const QString& table, const QString& name)
{
    return env.db().insert(
        QStringLiteral("INSERT INTO %1 (Name) VALUES (?)").arg(table) + sql::returningId(), { name });
}

qint64 careGroup(test::TestEnv& env, qint64 leader)
{
    return env.db().insert(
        QStringLiteral("INSERT INTO Care_Group (Group_Leader) VALUES (?)") + sql::returningId(), { sql::id(leader) });
}

qint64 contact(test::TestEnv& env, qint64 prospect, const QString& date, qint64 visitor1 = 0, qint64 visitor2 = 0,
    const QString& notes = QString())
{
    return env.db().insert(QStringLiteral("INSERT INTO Prospect_Contact (Prospect_ID, Contact_Date, Action, Type, "
                                          "Visitor1, Visitor2, Rating, Notes) VALUES (?, ?, 'Home Visit', 'Visit', ?, "
                                          "?, 'Warm', ?)")
            + sql::returningId(),
        { prospect, date, sql::id(visitor1), sql::id(visitor2), notes });
}

void responsibility(test::TestEnv& env, qint64 member, const QString& name, const QVariant& start, const QVariant& end)
{
    env.db().exec(QStringLiteral("INSERT INTO Member_Responsibility (Member_ID, Responsibility, \"Start\", \"End\") "
                                 "VALUES (?, ?, ?, ?)"),
        { member, name, start, end });
}

QList<qint64> column(const DataTable& table, const QString& field)
{
    QList<qint64> ids;
    for (std::size_t r = 0; r < table.rows.size(); ++r)
        ids.append(sql::toId(table.value(r, field)));
    return ids;
}

QStringList texts(const DataTable& table, const QString& field)
{
    QStringList out;
    for (std::size_t r = 0; r < table.rows.size(); ++r)
        out.append(sql::toText(table.value(r, field)));
    return out;
}

} // namespace

class TestReportData : public QObject {
    Q_OBJECT
private slots:
    void fieldsInDesignOrder_data();
    void fieldsInDesignOrder();
    void listOrderAndSelection_data();
    void listOrderAndSelection();
    void fiftyThousandIdentifiers();
    void joinedNamesAndClasses();
    void valuesAsLayoutsReadThem();
    void formatPhone_data();
    void formatPhone();
    void prospectContactsNewestFirst();
    void visitationSheetRows();
    void visitationSheetWithoutContacts();
    void updateSheetRows();
    void sheetsCarryFamilyText();
    void churchNameAndDate();
    void operationsOutput_data();
    void operationsOutput();
    void sheetForMissingPersonPrintsNothing();
    void oneLabelPerHousehold_data();
    void oneLabelPerHousehold();
};

void TestReportData::fieldsInDesignOrder_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<QStringList>("mainFields");
    QTest::addColumn<QStringList>("subFields");
    QTest::addColumn<int>("design");

    QTest::newRow("member list") << 0 << kMemberFields << QStringList() << int(Design::MemberList);
    QTest::newRow("prospect list") << 1 << kMemberFields << kContactFields << int(Design::ProspectList);
    QTest::newRow("mailing labels") << 2 << kLabelFields << QStringList() << int(Design::MailingLabels);
    QTest::newRow("visitation sheet") << 3 << kSheetFields << QStringList() << int(Design::VisitationSheet);
    QTest::newRow("update sheet") << 4 << (kMemberFields + QStringList { "Responsibility", "Start", "End" })
                                  << QStringList() << int(Design::MemberInfoUpdate);
}

void TestReportData::fieldsInDesignOrder()
{
    QFETCH(int, which);
    QFETCH(QStringList, mainFields);
    QFETCH(QStringList, subFields);
    QFETCH(int, design);
    test::TestEnv env;
    const qint64 id = person(env, "Ann", "Able");
    contact(env, id, "2026-01-02");
    ReportData data;
    switch (which) {
    case 0:
        data = memberListData({ id });
        break;
    case 1:
        data = prospectListData({ id });
        break;
    case 2:
        data = mailingLabelData({ id });
        break;
    case 3:
        data = visitationSheetData(id);
        break;
    default:
        data = memberInfoUpdateData(id);
    }
    QCOMPARE(int(data.design), design);
    QCOMPARE(data.main.fields, mainFields);
    QCOMPARE(data.sub.fields, subFields);
    QCOMPARE(data.main.rows.size(), std::size_t(1));
    for (const QVariantList& row : data.main.rows)
        QCOMPARE(row.size(), mainFields.size());
    for (const QVariantList& row : data.sub.rows)
        QCOMPARE(row.size(), subFields.size());
}

// People by last name, first name, then identifier, whatever the letter case;
// the same for the three lists that take a list of people.
void TestReportData::listOrderAndSelection_data()
{
    QTest::addColumn<QList<int>>("asked"); // positions in the seeded people; -1 names nobody
    QTest::addColumn<QList<int>>("expected");

    // Seeded: 0 smith/bob, 1 Adams/Zoe, 2 Smith/Anne, 3 SMITH/anne, 4 adams/amy, 5 Smith/Anne
    QTest::newRow("everyone") << QList<int> { 0, 1, 2, 3, 4, 5 } << QList<int> { 4, 1, 2, 3, 5, 0 };
    QTest::newRow("given in reverse") << QList<int> { 5, 4, 3, 2, 1, 0 } << QList<int> { 4, 1, 2, 3, 5, 0 };
    QTest::newRow("subset") << QList<int> { 0, 2 } << QList<int> { 2, 0 };
    QTest::newRow("unknown identifier ignored") << QList<int> { -1, 1, -1 } << QList<int> { 1 };
    QTest::newRow("named twice, listed once") << QList<int> { 3, 3, 1, 3 } << QList<int> { 1, 3 };
    QTest::newRow("only unknown") << QList<int> { -1 } << QList<int> {};
    QTest::newRow("empty list") << QList<int> {} << QList<int> {};
}

void TestReportData::listOrderAndSelection()
{
    QFETCH(QList<int>, asked);
    QFETCH(QList<int>, expected);
    test::TestEnv env;
    QList<qint64> people;
    const QStringList names = { "bob smith", "Zoe Adams", "Anne Smith", "anne SMITH", "amy adams", "Anne Smith" };
    for (const QString& name : names)
        people.append(person(env, name.section(' ', 0, 0), name.section(' ', 1),
            { { "Middle_Name", QStringLiteral("P%1").arg(people.size()) } }));
    QList<qint64> ids;
    for (int i : asked)
        ids.append(i < 0 ? 999999 : people.at(i));
    QList<qint64> want;
    for (int i : expected)
        want.append(people.at(i));

    QCOMPARE(column(memberListData(ids).main, "ID"), want);
    QCOMPARE(column(prospectListData(ids).main, "ID"), want);

    // The labels carry no identifier; the seeded first names tell the people apart.
    QStringList wantNames;
    for (int i : expected)
        wantNames.append(QStringLiteral("P%1").arg(i));
    QCOMPARE(texts(mailingLabelData(ids).main, "Middle_Name"), wantNames);
}

void TestReportData::fiftyThousandIdentifiers()
{
    test::TestEnv env;
    QList<qint64> seeded;
    {
        Transaction tx(env.db());
        for (int i = 0; i < 1200; ++i)
            seeded.append(person(env, QStringLiteral("P%1").arg(i, 4, 10, QLatin1Char('0')), "Many"));
        tx.commit();
    }
    // More identifiers than the engine allows placeholders, most naming nobody.
    QList<qint64> ids;
    for (qint64 i = 50000; i >= 1; --i)
        ids.append(i);
    QCOMPARE(ids.size(), 50000);
    const ReportData list = memberListData(ids);
    QCOMPARE(list.main.rows.size(), std::size_t(seeded.size()));
    QCOMPARE(column(list.main, "ID"), seeded); // first names P0000.. sort like the identifiers
    QCOMPARE(mailingLabelData(ids).main.rows.size(), std::size_t(seeded.size()));
}

void TestReportData::joinedNamesAndClasses()
{
    test::TestEnv env;
    const qint64 leader = person(env, "Lee", "Leader");
    const qint64 deacon = person(env, "Dan", "Deacon");
    const qint64 group = careGroup(env, leader);
    const qint64 ss = classRow(env, "Sunday_School", "Adults 2");
    const qint64 dt = classRow(env, "Discipleship_Training", "Basics");
    const qint64 wn = classRow(env, "Wednesday_Night", "Choir");
    const qint64 full = person(env, "Fay", "Full",
        { { "Care_Group_Assigned", group }, { "DeaconID", deacon }, { "Sunday_School_Class", ss },
            { "Discipleship_Training_Class", dt }, { "Wednesday_Night_Class", wn } });
    // Classes and a group that no longer exist, and no deacon at all.
    const qint64 bare = person(env, "Ben", "Bare",
        { { "Care_Group_Assigned", 777 }, { "Sunday_School_Class", 778 }, { "DeaconID", QVariant() } });

    const DataTable t = memberListData({ full, bare }).main;
    QCOMPARE(column(t, "ID"), (QList<qint64> { bare, full }));
    QCOMPARE(t.value(1, "CGLeader").toString(), QStringLiteral("Leader, Lee"));
    QCOMPARE(t.value(1, "Deacon").toString(), QStringLiteral("Deacon, Dan"));
    QCOMPARE(t.value(1, "Sunday_School.Name").toString(), QStringLiteral("Adults 2"));
    QCOMPARE(t.value(1, "Discipleship_Training.Name").toString(), QStringLiteral("Basics"));
    QCOMPARE(t.value(1, "Wednesday_Night.Name").toString(), QStringLiteral("Choir"));
    // A missing leader or deacon leaves only the separator; a missing class is Null.
    QCOMPARE(t.value(0, "CGLeader").toString(), QStringLiteral(", "));
    QCOMPARE(t.value(0, "Deacon").toString(), QStringLiteral(", "));
    QVERIFY(t.value(0, "Sunday_School.Name").isNull());
    QVERIFY(t.value(0, "Wednesday_Night.Name").isNull());

    // Visitor names on the prospect list carry the middle name; a Null one
    // leaves the trailing blank. The sheet shows last and first only.
    const qint64 v1 = person(env, "Vic", "Visitor", { { "Middle_Name", QVariant() } });
    const qint64 v2 = person(env, "Val", "Visitor", { { "Middle_Name", "Q" } });
    const qint64 prospect = person(env, "Pat", "Prospect");
    contact(env, prospect, "2026-02-01", v1, v2);
    contact(env, prospect, "2026-01-01", v2, 0);
    const DataTable sub = prospectListData({ prospect }).sub;
    QCOMPARE(texts(sub, "Visitor1Name"), (QStringList { "Visitor, Vic ", "Visitor, Val Q" }));
    QCOMPARE(texts(sub, "Visitor2Name"), (QStringList { "Visitor, Val Q", ",  " }));
    const DataTable sheet = visitationSheetData(prospect).main;
    QCOMPARE(texts(sheet, "Visitor1Name"), (QStringList { "Visitor, Val", "Visitor, Vic" }));
    QCOMPARE(texts(sheet, "Visitor2Name"), (QStringList { ", ", "Visitor, Val" }));
}

void TestReportData::valuesAsLayoutsReadThem()
{
    test::TestEnv env;
    const qint64 id = person(env, "Hal", "Holder",
        { { "Head_Of_Household", 1 }, { "Receive_Newsletter_Via_Mail", 0 }, { "Receive_Newsletter_Via_EMail", 1 },
            { "Date_Of_Birth", "1970-05-06" }, { "Anniversary_Date", QVariant() },
            { "Member_Since", "2001-02-03T00:00:00" }, { "Phone", "8005550199" }, { "Cell", QVariant() },
            { "Work_Phone", "" }, { "Title", QVariant() } });
    const DataTable t = memberListData({ id }).main;
    QCOMPARE(t.value(0, "ID").toLongLong(), id);
    QCOMPARE(t.value(0, "Head_Of_Household").toInt(), 1);
    QCOMPARE(t.value(0, "Receive_Newsletter_Via_Mail").toInt(), 0);
    QCOMPARE(t.value(0, "Receive_Newsletter_Via_EMail").toInt(), 1);
    QCOMPARE(t.value(0, "Date_Of_Birth").toString(), QStringLiteral("1970-05-06"));
    QVERIFY(t.value(0, "Anniversary_Date").isNull());
    QCOMPARE(t.value(0, "Member_Since").toString(), QStringLiteral("2001-02-03"));
    QCOMPARE(t.value(0, "Phone").toString(), QStringLiteral("(800) 555-0199"));
    QCOMPARE(t.value(0, "Cell").toString(), QString());
    QCOMPARE(t.value(0, "Work_Phone").toString(), QString());
    QCOMPARE(sql::toText(t.value(0, "Title")), QString());
}

void TestReportData::formatPhone_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("ten digits") << QVariant("5551234567") << "(555) 123-4567";
    QTest::newRow("leading zero kept") << QVariant("0551234567") << "(055) 123-4567";
    QTest::newRow("seven digits") << QVariant("1234567") << "() 123-4567";
    QTest::newRow("five digits") << QVariant("12345") << "() 1-2345";
    QTest::newRow("eleven digits") << QVariant("15551234567") << "(1555) 123-4567";
    QTest::newRow("typed with mask") << QVariant("(555) 123-4567") << "(555) 123-4567";
    QTest::newRow("empty") << QVariant("") << "";
    QTest::newRow("null") << QVariant() << "";
    QTest::newRow("no digits") << QVariant("n/a") << "";
}

void TestReportData::formatPhone()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, shown);
    QCOMPARE(reports::formatPhone(stored), shown);
}

void TestReportData::prospectContactsNewestFirst()
{
    test::TestEnv env;
    const qint64 a = person(env, "Amy", "Ames");
    const qint64 b = person(env, "Bea", "Bond");
    const qint64 other = person(env, "Oz", "Other");
    const qint64 c1 = contact(env, a, "2026-01-05");
    const qint64 c2 = contact(env, b, "2026-03-01");
    const qint64 c3 = contact(env, a, "2026-03-01");
    const qint64 c4 = contact(env, b, "2025-12-31");
    contact(env, other, "2026-06-01");
    const ReportData data = prospectListData({ a, b });
    QCOMPARE(column(data.main, "ID"), (QList<qint64> { a, b }));
    // Newest first; a day with two contacts lists the later-recorded first.
    QCOMPARE(column(data.sub, "ID"), (QList<qint64> { c3, c2, c1, c4 }));
    QCOMPARE(column(data.sub, "Prospect_ID"), (QList<qint64> { a, b, a, b }));
    QCOMPARE(texts(data.sub, "Contact_Date"), (QStringList { "2026-03-01", "2026-03-01", "2026-01-05", "2025-12-31" }));
    QCOMPARE(data.sub.value(0, "Rating").toString(), QStringLiteral("Warm"));
}

void TestReportData::visitationSheetRows()
{
    test::TestEnv env;
    const qint64 leader = person(env, "Lea", "Guide");
    const qint64 otherLeader = person(env, "Not", "This");
    const qint64 prospectGroup = careGroup(env, leader);
    const qint64 memberGroup = careGroup(env, otherLeader);
    const qint64 prospectClass = classRow(env, "Sunday_School", "Young Couples");
    const qint64 memberClass = classRow(env, "Sunday_School", "Wrong Class");
    const qint64 p = person(env, "Pia", "Prospect",
        { { "Status", "Prospect" }, { "Prospect_Care_Group_Assigned", prospectGroup },
            { "Care_Group_Assigned", memberGroup }, { "Prospect_Sunday_School_Class_Assigned", prospectClass },
            { "Sunday_School_Class", memberClass }, { "Prospect_Next_Contact_Date", "2026-04-01" },
            { "Notes", "member notes" }, { "Prospect_Source", "Walk-in" } });
    const qint64 c1 = contact(env, p, "2026-02-10", 0, 0, "second");
    const qint64 c2 = contact(env, p, "2026-01-10", 0, 0, "first");
    const qint64 c3 = contact(env, p, "2026-02-10", 0, 0, "third");
    const DataTable t = visitationSheetData(p).main;
    QCOMPARE(column(t, "Prospect_Contact.ID"), (QList<qint64> { c2, c1, c3 }));
    QCOMPARE(texts(t, "Prospect_Contact.Notes"), (QStringList { "first", "second", "third" }));
    for (std::size_t r = 0; r < t.rows.size(); ++r) {
        QCOMPARE(t.value(r, "Member.ID").toLongLong(), p);
        QCOMPARE(t.value(r, "Member.Notes").toString(), QStringLiteral("member notes"));
        QCOMPARE(t.value(r, "Name").toString(), QStringLiteral("Young Couples"));
        QCOMPARE(t.value(r, "CGLeader").toString(), QStringLiteral("Guide, Lea"));
        QCOMPARE(t.value(r, "Prospect_Next_Contact_Date").toString(), QStringLiteral("2026-04-01"));
        QCOMPARE(t.value(r, "Prospect_Source").toString(), QStringLiteral("Walk-in"));
    }
}

void TestReportData::visitationSheetWithoutContacts()
{
    test::TestEnv env;
    // Any person can have a sheet, not only prospects.
    const qint64 m = person(env, "Mo", "Member");
    const DataTable t = visitationSheetData(m).main;
    QCOMPARE(t.rows.size(), std::size_t(1));
    QCOMPARE(t.value(0, "Member.ID").toLongLong(), m);
    for (const char* field :
        { "Prospect_Contact.ID", "Contact_Date", "Action", "Type", "Prospect_Contact.Notes", "Rating", "Name" })
        QVERIFY2(t.value(0, field).isNull(), field);
    QCOMPARE(t.value(0, "CGLeader").toString(), QStringLiteral(", "));
    QVERIFY(visitationSheetData(m + 100).main.rows.empty());
}

void TestReportData::updateSheetRows()
{
    test::TestEnv env;
    const qint64 id = person(env, "Una", "Usher");
    const qint64 other = person(env, "Oli", "Other");
    responsibility(env, id, "Usher", "2020-01-01", "2022-12-31");
    responsibility(env, id, "Greeter", "2023-01-01", "2024-06-30");
    responsibility(env, id, "choir", "2019-01-01", "2024-06-30");
    responsibility(env, id, "Audio", "2018-01-01", "2019-01-01");
    responsibility(env, other, "Treasurer", "2018-01-01", "2030-01-01");
    const DataTable t = memberInfoUpdateData(id).main;
    QCOMPARE(texts(t, "Responsibility"), (QStringList { "choir", "Greeter", "Usher", "Audio" }));
    QCOMPARE(texts(t, "End"), (QStringList { "2024-06-30", "2024-06-30", "2022-12-31", "2019-01-01" }));
    QCOMPARE(texts(t, "Start"), (QStringList { "2019-01-01", "2023-01-01", "2020-01-01", "2018-01-01" }));
    QCOMPARE(column(t, "ID"), (QList<qint64> { id, id, id, id }));

    // Without responsibilities the member still has one row.
    const DataTable none = memberInfoUpdateData(person(env, "Ned", "New")).main;
    QCOMPARE(none.rows.size(), std::size_t(1));
    QVERIFY(none.value(0, "Responsibility").isNull());
    QVERIFY(none.value(0, "End").isNull());
}

void TestReportData::sheetsCarryFamilyText()
{
    test::TestEnv env;
    const qint64 head = person(env, "Hank", "Hill", { { "Head_Of_Household", 1 } });
    const qint64 wife = person(env, "Peg", "Hill", { { "Gender", "Female" }, { "Date_Of_Birth", "1972-11-30" } });
    env.db().exec("INSERT INTO Family_Connection (Member_ID, Relationship, Relative_Member_ID) VALUES (?, ?, ?)",
        { head, "Wife", wife });
    const QString headLine
        = QStringLiteral("Peg Hill                  Wife                 Female     11/30/1972  \r\n");
    const QString wifeLine
        = QStringLiteral("Hank Hill                 Head of Household    Unknown                \r\n");
    QCOMPARE(visitationSheetData(head).familyText, headLine);
    QCOMPARE(memberInfoUpdateData(head).familyText, headLine);
    QCOMPARE(visitationSheetData(wife).familyText, wifeLine);
    QCOMPARE(memberInfoUpdateData(wife).familyText, wifeLine);
    // The head's contacts make several rows; the family is still listed once.
    contact(env, head, "2026-01-01");
    contact(env, head, "2026-01-02");
    QCOMPARE(visitationSheetData(head).familyText, headLine);
    // An empty flag counts as "not head": the head's view is not used, and
    // nobody lists Hank as a relative.
    if (test::onServer())
        return; // a server's number column holds no empty text
    env.db().exec("UPDATE Member SET Head_Of_Household = '' WHERE ID = ?", { head });
    QCOMPARE(visitationSheetData(head).familyText, QString());
    QCOMPARE(memberInfoUpdateData(head).familyText, QString());
}

void TestReportData::churchNameAndDate()
{
    test::TestEnv env;
    const qint64 id = person(env, "Ann", "Able");
    env.clock.current = QDateTime(QDate(2026, 7, 4), QTime(9, 0));
    ReportData data = memberListData({ id });
    QCOMPARE(data.printedOn, QStringLiteral("7/4/2026"));
    QCOMPARE(data.churchName, QString());
    env.db().exec("INSERT INTO Church (Name, KeyPressDelay) VALUES ('Grace Chapel', 1)");
    env.db().exec("INSERT INTO Church (Name, KeyPressDelay) VALUES ('Second Row', 1)");
    QCOMPARE(visitationSheetData(id).churchName, QStringLiteral("Grace Chapel"));
    QCOMPARE(mailingLabelData({ id }).churchName, QStringLiteral("Grace Chapel"));
}

void TestReportData::operationsOutput_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<bool>("preview");
    QTest::addColumn<bool>("printerTakes");
    QTest::addColumn<int>("design");
    QTest::addColumn<int>("previews");
    QTest::addColumn<int>("copies"); // -1: nothing printed
    QTest::addColumn<bool>("result");

    QTest::newRow("member list preview") << 0 << true << true << int(Design::MemberList) << 1 << -1 << true;
    QTest::newRow("member list print") << 0 << false << true << int(Design::MemberList) << 0 << 1 << true;
    QTest::newRow("member list printer refused") << 0 << false << false << int(Design::MemberList) << 0 << 1 << false;
    QTest::newRow("prospect list preview") << 1 << true << true << int(Design::ProspectList) << 1 << -1 << true;
    QTest::newRow("prospect list print") << 1 << false << true << int(Design::ProspectList) << 0 << 1 << true;
    QTest::newRow("labels always previewed") << 2 << false << true << int(Design::MailingLabels) << 1 << -1 << true;
    QTest::newRow("visitation preview") << 3 << true << true << int(Design::VisitationSheet) << 1 << -1 << true;
    QTest::newRow("visitation print, printer's copies")
        << 3 << false << true << int(Design::VisitationSheet) << 0 << 0 << true;
    QTest::newRow("update preview") << 4 << true << true << int(Design::MemberInfoUpdate) << 1 << -1 << true;
    QTest::newRow("update print") << 4 << false << true << int(Design::MemberInfoUpdate) << 0 << 1 << true;
    QTest::newRow("update printer refused") << 4 << false << false << int(Design::MemberInfoUpdate) << 0 << 1 << false;
}

void TestReportData::operationsOutput()
{
    QFETCH(int, which);
    QFETCH(bool, preview);
    QFETCH(bool, printerTakes);
    QFETCH(int, design);
    QFETCH(int, previews);
    QFETCH(int, copies);
    QFETCH(bool, result);
    test::TestEnv env;
    test::FakeReportOutput& out = env.output;
    out.printResult = printerTakes;
    const qint64 a = person(env, "Ann", "Zed");
    const qint64 b = person(env, "Bob", "Young");
    bool got = false;
    switch (which) {
    case 0:
        got = PrintMemberList({ a, b }, preview);
        break;
    case 1:
        got = PrintProspectList({ a, b }, preview);
        break;
    case 2:
        got = PrintMailingLabels({ a, b });
        break;
    case 3:
        got = PrintVisitationSheet(a, preview);
        break;
    default:
        got = PrintMemberInfoUpdate(a, preview);
    }
    QCOMPARE(got, result);
    QCOMPARE(int(out.previewed.size()), previews);
    QCOMPARE(int(out.printed.size()), copies < 0 ? 0 : 1);
    const reports::ReportPtr report = previews ? out.lastPreview() : out.lastPrinted();
    QVERIFY(report);
    if (copies >= 0)
        QCOMPARE(out.printed.front().copies, copies);
    QCOMPARE(int(report->data().design), design);
    const int expectedRows = which >= 3 ? 1 : 2;
    QCOMPARE(int(report->data().main.rows.size()), expectedRows);
    // The busy pointer is gone once the output is done.
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void TestReportData::sheetForMissingPersonPrintsNothing()
{
    test::TestEnv env;
    const test::FakeReportOutput& out = env.output;
    QVERIFY(!PrintVisitationSheet(4242, true));
    QVERIFY(!PrintMemberInfoUpdate(4242, false));
    QCOMPARE(out.count(), 0);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void TestReportData::oneLabelPerHousehold_data()
{
    QTest::addColumn<QStringList>("found"); // first names
    QTest::addColumn<bool>("couple");
    QTest::addColumn<QStringList>("labels"); // "first line, street", by the addressee's name

    QTest::newRow("a whole family, one label at the head's address")
        << QStringList { "Henry", "Helen", "Tim" } << false << QStringList { "The Hale Family, 1 Oak St" };
    QTest::newRow("a child found alone goes to the family, by the couple's names")
        << QStringList { "Tim" } << true << QStringList { "Henry & Helen Hale, 1 Oak St" };
    QTest::newRow("a spouse of another last name")
        << QStringList { "Joe" } << true << QStringList { "Mia Dunn & Joe Park, 9 Elm St" };
    QTest::newRow("a head without spouse, by the couple's names")
        << QStringList { "Kay" } << true << QStringList { "Ned Lowe, 5 Ash St" };
    QTest::newRow("a head listing nobody and a person without household keep their names")
        << QStringList { "Ruth", "Sam" } << false << QStringList { "Ruth Ames, 3 Fir St", "Sam Cole, 4 Bay St" };
    QTest::newRow("two families and a person on their own, each once")
        << QStringList { "Helen", "Tim", "Joe", "Mia", "Sam", "Henry" } << false
        << QStringList { "Sam Cole, 4 Bay St", "The Dunn Family, 9 Elm St", "The Hale Family, 1 Oak St" };
}

void TestReportData::oneLabelPerHousehold()
{
    QFETCH(QStringList, found);
    QFETCH(bool, couple);
    QFETCH(QStringList, labels);
    test::TestEnv env;
    QHash<QString, qint64> ids;
    const auto add = [&](const QString& first, const QString& last, const QString& street, bool head) {
        ids.insert(first, person(env, first, last, { { "Address_1", street }, { "Head_Of_Household", head ? 1 : 0 } }));
    };
    const auto link = [&](const QString& head, const QString& relationship, const QString& relative) {
        env.db().exec("INSERT INTO Family_Connection (Member_ID, Relationship, Relative_Member_ID) VALUES (?, ?, ?)",
            { ids.value(head), relationship, ids.value(relative) });
    };
    add("Henry", "Hale", "1 Oak St", true);
    add("Helen", "Hale", "1 Oak St", false);
    add("Tim", "Hale", "7 Dorm Rd", false); // away at college: the family's label goes home
    add("Mia", "Dunn", "9 Elm St", true);
    add("Joe", "Park", "9 Elm St", false);
    add("Ned", "Lowe", "5 Ash St", true);
    add("Kay", "Lowe", "5 Ash St", false);
    add("Ruth", "Ames", "3 Fir St", true);
    add("Sam", "Cole", "4 Bay St", false);
    link("Henry", "Wife", "Helen");
    link("Henry", "Son", "Tim");
    link("Mia", "Husband", "Joe");
    link("Ned", "Daughter", "Kay");
    link("Sam", "Son", "Ruth"); // Sam is no head: this row makes no household

    QList<qint64> people;
    for (const QString& first : found)
        people.append(ids.value(first));
    const DataTable t = mailingLabelData(people, { true, couple ? HouseholdName::Couple : HouseholdName::Family }).main;
    QStringList shown;
    for (std::size_t r = 0; r < t.rows.size(); ++r) {
        const QString own = sql::toText(t.value(r, "First_Name")) + ' ' + sql::toText(t.value(r, "Last_Name"));
        const QString name = sql::toText(t.value(r, "Addressee"));
        shown.append((name.isEmpty() ? own : name) + ", " + sql::toText(t.value(r, "Address_1")));
    }
    QCOMPARE(shown, labels);
}

QTEST_MAIN(TestReportData)
#include "tst_reportdata.moc"
