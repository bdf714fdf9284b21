#include "TestSupport.h"

#include "data/Sql.h"
#include "reports/FamilyText.h"

#include <QtTest>

using namespace pw;

namespace {

struct Person {
    QString first, last;
    QVariant gender, born;
};

} // namespace

Q_DECLARE_METATYPE(Person)

namespace {

qint64 add(test::TestEnv& env, const Person& p)
{
    return env.db().insert(QStringLiteral("INSERT INTO Member (Status, First_Name, Last_Name, Gender, Date_Of_Birth) "
                                          "VALUES ('Member', ?, ?, ?, ?)")
            + sql::returningId(),
        { p.first, p.last, p.gender, p.born });
}

void link(test::TestEnv& env, qint64 head, const QVariant& relationship, qint64 relative)
{
    env.db().exec(QStringLiteral("INSERT INTO Family_Connection (Member_ID, Relationship, Relative_Member_ID) "
                                 "VALUES (?, ?, ?)"),
        { head, relationship, relative });
}

} // namespace

class TestFamilyText : public QObject {
    Q_OBJECT
private slots:
    void headsView_data();
    void headsView();
    void relativesView();
};

void TestFamilyText::headsView_data()
{
    QTest::addColumn<QList<Person>>("relatives");
    QTest::addColumn<QList<QVariant>>("relationships");
    QTest::addColumn<QString>("expected");

    QTest::newRow("nobody listed") << QList<Person> {} << QList<QVariant> {} << QString();
    QTest::newRow("one relative") << QList<Person> { { "Peg", "Hill", "Female", "1972-11-30" } }
                                  << QList<QVariant> { "Wife" }
                                  << "Peg Hill                  Wife                 Female     11/30/1972  \r\n";
    QTest::newRow("ordered by relationship")
        << QList<Person> { { "Bobby", "Hill", "Male", "2001-01-09" }, { "Peg", "Hill", "Female", "1972-11-30" } }
        << QList<QVariant> { "Son", "Daughter-in-law" }
        << QStringLiteral("Peg Hill                  Daughter-in-law      Female     11/30/1972  \r\n"
                          "Bobby Hill                Son                  Male       1/9/2001    \r\n");
    QTest::newRow("long name cut at 25") << QList<Person> {
        { "Bartholomew-Christopher", "Featherstonehaugh", "Male", "1999-12-31" }
    } << QList<QVariant> { "Son" } << "Bartholomew-Christopher F Son                  Male       12/31/1999  \r\n";
    QTest::newRow("name of exactly 25 kept")
        << QList<Person> { { "Abcdefghijkl", "Mnopqrstuvwx", "F", "2000-02-29" } } << QList<QVariant> { "Niece" }
        << "Abcdefghijkl Mnopqrstuvwx Niece                F          2/29/2000   \r\n";
    QTest::newRow("gender cut at 10") << QList<Person> { { "Sam", "Hill", "Nonbinary person", "2010-07-04" } }
                                      << QList<QVariant> { "Child" }
                                      << "Sam Hill                  Child                Nonbinary  7/4/2010    \r\n";
    QTest::newRow("relationship cut at 20")
        << QList<Person> { { "Al", "Hill", "Male", "1950-03-03" } } << QList<QVariant> { "Great-great-grandfather" }
        << "Al Hill                   Great-great-grandfat Male       3/3/1950    \r\n";
    QTest::newRow("missing gender, birth date and relationship blank")
        << QList<Person> { { "Kit", "Hill", QVariant(), QVariant() } } << QList<QVariant> { QVariant() }
        << "Kit Hill                                                              \r\n";
    QTest::newRow("apostrophes and accents")
        << QList<Person> { { "Zoë", "O'Hill", "Female", "1980-01-01" } } << QList<QVariant> { "Cousin" }
        << QString::fromUtf8("Zoë O'Hill                Cousin               Female     1/1/1980    \r\n");
}

void TestFamilyText::headsView()
{
    QFETCH(QList<Person>, relatives);
    QFETCH(QList<QVariant>, relationships);
    QFETCH(QString, expected);
    test::TestEnv env;
    const qint64 head = add(env, { "Hal", "Hill", "Male", "1970-01-01" });
    for (int i = 0; i < relatives.size(); ++i)
        link(env, head, relationships.at(i), add(env, relatives.at(i)));
    // Someone else's household does not leak in.
    const qint64 other = add(env, { "Oth", "Er", "Male", "1960-01-01" });
    link(env, other, "Brother", add(env, { "Bro", "Er", "Male", "1962-01-01" }));

    QCOMPARE(reports::familyText(head, true), expected);
}

void TestFamilyText::relativesView()
{
    test::TestEnv env;
    // A child listed by two heads gets two lines, both "Head of Household",
    // whatever relationship the heads stored.
    const qint64 child = add(env, { "Kid", "Hill", "Male", "2012-05-05" });
    const qint64 mom = add(env, { "Mom", "Hill", "Female", "1980-02-02" });
    const qint64 dad = add(env, { "Dad", "Jones", QVariant(), QVariant() });
    link(env, mom, "Son", child);
    link(env, dad, "Stepson", child);
    QCOMPARE(reports::familyText(child, false),
        QStringLiteral("Mom Hill                  Head of Household    Female     2/2/1980    \r\n"
                       "Dad Jones                 Head of Household                           \r\n"));
    // The child lists nobody as head, and nobody lists the heads.
    QCOMPARE(reports::familyText(child, true), QString());
    QCOMPARE(reports::familyText(mom, false), QString());
    // The heads' own view shows the child with the stored relationship.
    QCOMPARE(reports::familyText(dad, true),
        QStringLiteral("Kid Hill                  Stepson              Male       5/5/2012    \r\n"));
}

QTEST_MAIN(TestFamilyText)
#include "tst_familytext.moc"
