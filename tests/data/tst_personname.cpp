#include "TestSupport.h"

#include "data/PersonName.h"

#include <QtTest>

using namespace pw;
using test::TestEnv;

// The name forms: the tidy one messages and printed lists use, and the SQL
// terms, which must build in a query exactly the text the C++ forms build.
class TestPersonName : public QObject {
    Q_OBJECT
private slots:
    void displayName_data();
    void displayName();
    void sqlTermsMatchTheTextForms_data();
    void sqlTermsMatchTheTextForms();
};

void TestPersonName::displayName_data()
{
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("middle");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("shown");
    QTest::newRow("last and first") << "Hale" << "Helen" << "" << "" << "Hale, Helen";
    QTest::newRow("every part") << "Hale" << "Helen" << "M" << "Mrs." << "Hale, Helen M Mrs.";
    QTest::newRow("no first name: no dangling comma") << "Hale" << "" << "" << "" << "Hale";
    QTest::newRow("no last name: no leading comma") << "" << "Helen" << "" << "" << "Helen";
    QTest::newRow("blanks around the parts") << "  Hale " << " Helen  " << " " << "" << "Hale, Helen";
    QTest::newRow("title without first name") << "Hale" << "" << "" << "Dr." << "Hale, Dr.";
    QTest::newRow("blank middle between first and title") << "Hale" << "Helen" << "  " << "Mrs." << "Hale, Helen Mrs.";
    QTest::newRow("nothing at all") << "" << " " << "" << "" << "";
}

void TestPersonName::displayName()
{
    QFETCH(QString, last);
    QFETCH(QString, first);
    QFETCH(QString, middle);
    QFETCH(QString, title);
    QFETCH(QString, shown);
    QCOMPARE(pw::displayName(last, first, middle, title), shown);
}

void TestPersonName::sqlTermsMatchTheTextForms_data()
{
    // A Null part counts as empty in both.
    QTest::addColumn<QVariant>("first");
    QTest::addColumn<QVariant>("middle");
    QTest::addColumn<QVariant>("last");
    QTest::addColumn<QVariant>("title");
    QTest::newRow("every part") << QVariant("Helen") << QVariant("M") << QVariant("Hale") << QVariant("Mrs.");
    QTest::newRow("Null middle and title") << QVariant("Helen") << QVariant() << QVariant("Hale") << QVariant();
    QTest::newRow("empty middle, Null title") << QVariant("Helen") << QVariant("") << QVariant("Hale") << QVariant();
    QTest::newRow("letters beyond ASCII")
        << QVariant(QString::fromUtf8("Émile")) << QVariant("J") << QVariant(QString::fromUtf8("Ørsted"))
        << QVariant("Dr.");
}

void TestPersonName::sqlTermsMatchTheTextForms()
{
    QFETCH(QVariant, first);
    QFETCH(QVariant, middle);
    QFETCH(QVariant, last);
    QFETCH(QVariant, title);
    TestEnv env;
    const qint64 id = env.addMember(QStringLiteral("x"), QStringLiteral("x"));
    env.db().exec(QStringLiteral("UPDATE Member SET First_Name = ?, Middle_Name = ?, Last_Name = ?, Title = ? "
                                 "WHERE ID = ?"),
        { first, middle, last, title, id });
    const QString f = first.toString(), m = middle.toString(), l = last.toString(), t = title.toString();
    const auto term = [&](sql::NameParts parts) {
        return env.db()
            .scalar(QStringLiteral("SELECT %1 FROM Member p WHERE p.ID = ?").arg(sql::nameTerm(QStringLiteral("p"), parts)),
                { id })
            .toString();
    };
    QCOMPARE(term(sql::NameParts::LastFirst), leaderName(l, f));
    QCOMPARE(term(sql::NameParts::WithMiddle), personName(l, f, m));
    QCOMPARE(term(sql::NameParts::WithTitle), personNameWithTitle(l, f, m, t));
    // A person missing from an outer join gives the bare separators.
    const QString missing = env.db()
                                .scalar(QStringLiteral("SELECT %1 FROM Member LEFT JOIN Member p ON p.ID = -1 "
                                                       "WHERE Member.ID = ?")
                                            .arg(sql::nameTerm(QStringLiteral("p"), sql::NameParts::WithMiddle)),
                                    { id })
                                .toString();
    QCOMPARE(missing, personName({}, {}, {}));
}

QTEST_MAIN(TestPersonName)
#include "tst_personname.moc"
