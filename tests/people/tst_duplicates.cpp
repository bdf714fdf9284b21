#include "TestSupport.h"
#include "data/Members.h"
#include "people/Duplicates.h"

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
};

namespace {

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

QTEST_MAIN(TestDuplicates)
#include "tst_duplicates.moc"
