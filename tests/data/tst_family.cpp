#include "TestSupport.h"

#include "data/Households.h"

#include <QtTest>

using namespace pw;
using test::TestEnv;

class TestFamily : public QObject {
    Q_OBJECT
private slots:
    void rows_data();
    void rows();
};

namespace {
// Head Hal lists Amy ("son" in lower case), Bea and Cal (both "Daughter"),
// and Dee, whose Member row has since been deleted. Head Ivy lists Amy.
struct Church {
    TestEnv env;
    QMap<QString, qint64> ids;
    Church()
    {
        for (const char* name : { "Hal", "Amy", "Cal", "Bea", "Dee", "Ivy" })
            ids[QString::fromLatin1(name)] = env.addMember(QString::fromLatin1(name), QStringLiteral("Lane"));
        link("Hal", "son", "Amy");
        link("Hal", "Daughter", "Cal");
        link("Hal", "Daughter", "Bea");
        link("Hal", "Sister", "Dee");
        link("Ivy", "Niece", "Amy");
        env.db().exec(QStringLiteral("DELETE FROM Member WHERE ID = ?"), { ids["Dee"] });
    }
    void link(const char* head, const char* relationship, const char* relative)
    {
        env.db().exec(QStringLiteral("INSERT INTO Family_Connection VALUES (?, ?, ?)"),
            { ids[QString::fromLatin1(head)], QString::fromLatin1(relationship), ids[QString::fromLatin1(relative)] });
    }
};
} // namespace

void TestFamily::rows_data()
{
    QTest::addColumn<QString>("person");
    QTest::addColumn<bool>("asHead");
    QTest::addColumn<QStringList>("expected"); // "first name/relationship"; "-" for a missing person

    QTest::newRow("head: by relationship ignoring case, then name")
        << "Hal" << true << QStringList { "Bea/Daughter", "Cal/Daughter", "-/Sister", "Amy/son" };
    QTest::newRow("relative: the heads who list them") << "Amy" << false << QStringList { "Ivy/Niece", "Hal/son" };
    QTest::newRow("head asked as relative") << "Hal" << false << QStringList {};
    QTest::newRow("relative asked as head") << "Amy" << true << QStringList {};
}

void TestFamily::rows()
{
    QFETCH(QString, person);
    QFETCH(bool, asHead);
    QFETCH(QStringList, expected);
    Church h;
    QStringList got;
    for (const FamilyRow& r : familyRows(h.env.db(), h.ids[person], asHead)) {
        got << (r.id ? r.firstName : QStringLiteral("-")) + QLatin1Char('/') + r.relationship;
        if (r.id)
            QCOMPARE(r.id, h.ids[r.firstName]);
        else
            QVERIFY(r.firstName.isEmpty() && r.lastName.isEmpty() && !r.dateOfBirth.isValid());
    }
    QCOMPARE(got, expected);
}

QTEST_MAIN(TestFamily)
#include "tst_family.moc"
