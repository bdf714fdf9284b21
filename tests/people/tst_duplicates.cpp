#include "TestSupport.h"
#include "data/Members.h"
#include "people/Duplicates.h"
#include "people/PossibleDuplicates.h"

#include <QtTest>

using namespace pw;
using namespace pw::people;

// The duplicate rule, at its edges: the same pairs must be found by the
// look-up a save makes and by the bulk matcher of an import.
class TestDuplicates : public QObject {
    Q_OBJECT
private slots:
    void rule_data();
    void rule();
    void possiblePairs_data();
    void possiblePairs();
};

namespace {

using Pairs = QList<QPair<int, int>>; // two people by their index in a test's list

MemberRecord person(const QString& first, const QString& last, const QString& born, const QString& email,
    const QString& phone, const QString& cell = QString())
{
    MemberRecord r;
    r.status = QStringLiteral("Member");
    r.firstName = first;
    r.lastName = last;
    r.dateOfBirth = QDate::fromString(born, Qt::ISODate);
    r.email = email;
    r.phone = phone;
    r.cell = cell;
    return r;
}

} // namespace

void TestDuplicates::rule_data()
{
    QTest::addColumn<MemberRecord>("existing");
    QTest::addColumn<MemberRecord>("added");
    QTest::addColumn<int>("reasons");

    const MemberRecord margaret = person(QStringLiteral("Margaret"), QStringLiteral("Hale"),
        QStringLiteral("1950-04-02"), QStringLiteral("mhale@example.org"), QStringLiteral("5551234567"));
    const auto with = [&](auto change) {
        MemberRecord r = margaret;
        change(r);
        return r;
    };
    const MemberRecord none = person({}, {}, {}, {}, {});

    QTest::newRow("name and birth date, case and blanks") << margaret << with([](MemberRecord& r) {
        r.firstName = QStringLiteral(" MARGARET ");
        r.lastName = QStringLiteral("hale");
        r.email.clear();
        r.phone.clear();
    }) << int(SameNameAndBirthDate);
    QTest::newRow("accents folded in every alphabet")
        << with([](MemberRecord& r) { r.lastName = QStringLiteral("Núñez"); }) << with([](MemberRecord& r) {
               r.lastName = QStringLiteral("NÚÑEZ");
               r.email.clear();
               r.phone.clear();
           })
        << int(SameNameAndBirthDate);
    QTest::newRow("other birth date, nothing else shared") << margaret << with([](MemberRecord& r) {
        r.dateOfBirth = QDate(1950, 4, 3);
        r.email.clear();
        r.phone.clear();
    }) << 0;
    QTest::newRow("a name alone matches the same name")
        << margaret << person(QStringLiteral("margaret"), QStringLiteral("HALE"), {}, {}, {}) << int(SameNameOnly);
    QTest::newRow("a name alone in any letter case")
        << person(QStringLiteral("Ann"), QStringLiteral("McDonald"), {}, {}, {})
        << person(QStringLiteral("ann"), QStringLiteral("mcdonald"), {}, {}, {}) << int(SameNameOnly);
    QTest::newRow("a name alone, stored with blanks around it")
        << person(QStringLiteral("Ann "), QStringLiteral(" McDonald"), {}, {}, {})
        << person(QStringLiteral("ANN"), QStringLiteral("MCDONALD "), {}, {}, {}) << int(SameNameOnly);
    QTest::newRow("e-mail stored with a blank after it")
        << person(QStringLiteral("Dora"), QStringLiteral("Lane"), {}, QStringLiteral("dora@example.org "), {})
        << person({}, QStringLiteral("Lane"), {}, QStringLiteral("DORA@example.org"), {}) << int(SameEmail);
    QTest::newRow("no birth dates, same names, other e-mails") << with(
        [](MemberRecord& r) { r.dateOfBirth = QDate(); }) << with([](MemberRecord& r) {
        r.dateOfBirth = QDate();
        r.email = QStringLiteral("other@example.org");
        r.phone.clear();
    }) << 0;
    QTest::newRow("same e-mail, typo in first name, no birth date")
        << margaret
        << person(
               QStringLiteral("Margret"), QStringLiteral("Hale-Smith"), {}, QStringLiteral(" MHale@Example.org "), {})
        << int(SameEmail);
    QTest::newRow("same phone and last name, typo in first name")
        << margaret << person(QStringLiteral("Margret"), QStringLiteral("HALE"), {}, {}, QStringLiteral("555-123-4567"))
        << int(SamePhoneAndLastName);
    QTest::newRow("phone found in the cell column, with country code")
        << margaret << person({}, QStringLiteral("Hale"), {}, {}, {}, QStringLiteral("+1 (555) 123-4567"))
        << int(SamePhoneAndLastName);
    QTest::newRow("same phone, other last name")
        << margaret << person(QStringLiteral("Margaret"), QStringLiteral("Hall"), {}, {}, QStringLiteral("5551234567"))
        << 0;
    QTest::newRow("seven-digit phone does not count")
        << with([](MemberRecord& r) { r.phone = QStringLiteral("1234567"); })
        << person(QStringLiteral("Margret"), QStringLiteral("Hale"), {}, {}, QStringLiteral("1234567")) << 0;
    QTest::newRow("child with the family phone and the same initial")
        << margaret << person(QStringLiteral("Mabel"), QStringLiteral("Hale"), {}, {}, QStringLiteral("5551234567"))
        << 0;
    QTest::newRow("spouse sharing phone and e-mail") << margaret << with([](MemberRecord& r) {
        r.firstName = QStringLiteral("John");
        r.dateOfBirth = QDate();
    }) << 0;
    QTest::newRow("child with the family phone, other birth date") << margaret << with([](MemberRecord& r) {
        r.firstName = QStringLiteral("Mary");
        r.dateOfBirth = QDate(1980, 1, 1);
        r.email.clear();
    }) << 0;
    QTest::newRow("every reason at once")
        << margaret << margaret << int(SameNameAndBirthDate | SameEmail | SamePhoneAndLastName);
    QTest::newRow("empty fields never match") << none << none << 0;
}

void TestDuplicates::rule()
{
    QFETCH(MemberRecord, existing);
    QFETCH(MemberRecord, added);
    QFETCH(int, reasons);

    test::TestEnv env;
    env.addMember(QStringLiteral("Unrelated"), QStringLiteral("Hale"));
    const qint64 id = Members::insert(env.db(), existing);
    const QList<DuplicateMatch> expected
        = reasons ? QList<DuplicateMatch> { { id, reasons } } : QList<DuplicateMatch> {};
    const auto ids = [](const QList<DuplicateMatch>& matches) {
        QList<QPair<qint64, int>> out;
        for (const DuplicateMatch& m : matches)
            out.append({ m.id, m.reasons });
        return out;
    };

    QCOMPARE(ids(findDuplicates(env.db(), added)), ids(expected));
    const DuplicateIndex index(env.db());
    QCOMPARE(ids(index.match(added)), ids(expected));
    // A saved person never matches itself.
    MemberRecord saved = existing;
    saved.id = id;
    QVERIFY(findDuplicates(env.db(), saved).isEmpty());
}

void TestDuplicates::possiblePairs_data()
{
    QTest::addColumn<QList<MemberRecord>>("people");
    QTest::addColumn<Pairs>("marked"); // as not the same person, by index in people
    QTest::addColumn<QStringList>("pairs"); // "first-second: why", by index, in the list's order

    const MemberRecord margaret = person(QStringLiteral("Margaret"), QStringLiteral("Hale"),
        QStringLiteral("1950-04-02"), QStringLiteral("mhale@example.org"), QStringLiteral("5551234567"));
    QTest::newRow("a second record; the spouse and child sharing the phone are not")
        << QList<MemberRecord> { margaret,
               person(QStringLiteral("John"), QStringLiteral("Hale"), {}, {}, QStringLiteral("5551234567")),
               person(QStringLiteral("Margret"), QStringLiteral("HALE"), {}, {}, QStringLiteral("555-123-4567")),
               person(QStringLiteral("Mabel"), QStringLiteral("Hale"), QStringLiteral("2010-01-01"), {},
                   QStringLiteral("5551234567")) }
        << Pairs {} << QStringList { "0-2: same phone and last name" };
    QTest::newRow("a name alone is found either way round, in any letter case")
        << QList<MemberRecord> { person(QStringLiteral("Ann"), QStringLiteral("McDonald"), QStringLiteral("1960-01-01"),
                                     {}, {}),
               person(QStringLiteral("Zed"), QStringLiteral("Able"), {}, {}, {}),
               person(QStringLiteral("ann "), QStringLiteral("mcdonald"), {}, {}, {}) }
        << Pairs {} << QStringList { "0-2: same name, nothing else to compare" };
    QTest::newRow("listed by the first person's name")
        << QList<MemberRecord> { margaret, person(QStringLiteral("Bea"), QStringLiteral("Ames"), {}, {}, {}), margaret,
               person(QStringLiteral("bea"), QStringLiteral("AMES"), {}, {}, {}) }
        << Pairs {}
        << QStringList { "1-3: same name, nothing else to compare",
               "0-2: same name and birth date, same e-mail, same phone and last name" };
    QTest::newRow("pairs marked as two people, in either order, are left out")
        << QList<MemberRecord> { margaret, margaret, margaret } << Pairs { { 1, 0 }, { 1, 2 } }
        << QStringList { "0-2: same name and birth date, same e-mail, same phone and last name" };
}

void TestDuplicates::possiblePairs()
{
    QFETCH(QList<MemberRecord>, people);
    QFETCH(Pairs, marked);
    QFETCH(QStringList, pairs);
    test::TestEnv env;
    QList<qint64> ids;
    for (const MemberRecord& p : people)
        ids.append(Members::insert(env.db(), p));
    for (const auto& [a, b] : marked)
        markNotDuplicate(env.db(), ids.at(a), ids.at(b), QStringLiteral("ada"), env.clock.now());
    // Marking a pair again keeps one row.
    if (!marked.isEmpty())
        markNotDuplicate(env.db(), ids.at(marked.first().second), ids.at(marked.first().first), {}, {});
    QCOMPARE(env.db().scalar(QStringLiteral("SELECT COUNT(*) FROM Member_Not_Duplicate")).toInt(), marked.size());

    QStringList found;
    for (const PossibleDuplicate& pair : findPossibleDuplicates(env.db()))
        found.append(QStringLiteral("%1-%2: %3")
                         .arg(ids.indexOf(pair.first))
                         .arg(ids.indexOf(pair.second))
                         .arg(describeReasons(pair.reasons)));
    QCOMPARE(found, pairs);
}

QTEST_MAIN(TestDuplicates)
#include "tst_duplicates.moc"
