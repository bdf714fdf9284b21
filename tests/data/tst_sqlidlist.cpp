#include "TestSupport.h"

#include "data/Database.h"
#include "data/Sql.h"

#include <QSqlQuery>
#include <QtTest>

using namespace pw;

class TestSqlIdList : public QObject {
    Q_OBJECT
private slots:
    void selectsListedRows_data();
    void selectsListedRows();
    void fiftyThousandIdentifiersInOneValue();
};

void TestSqlIdList::selectsListedRows_data()
{
    QTest::addColumn<QList<int>>("asked"); // positions of seeded people; -1 names nobody
    QTest::addColumn<QList<int>>("found");
    QTest::newRow("none") << QList<int> {} << QList<int> {};
    QTest::newRow("all") << QList<int> { 2, 0, 1 } << QList<int> { 0, 1, 2 };
    QTest::newRow("duplicates once") << QList<int> { 1, 1, 1 } << QList<int> { 1 };
    QTest::newRow("unknown ignored") << QList<int> { -1, 2 } << QList<int> { 2 };
}

void TestSqlIdList::selectsListedRows()
{
    QFETCH(QList<int>, asked);
    QFETCH(QList<int>, found);
    test::TestEnv env;
    const QList<qint64> people = { env.addMember("A", "One"), env.addMember("B", "Two"), env.addMember("C", "Three") };
    QList<qint64> ids;
    for (int i : asked)
        ids.append(i < 0 ? -5 : people.at(i));
    QSqlQuery q = env.db().exec(
        "SELECT ID FROM Member WHERE " + sql::inIdList("Member.ID") + " ORDER BY ID", { sql::idList(ids) });
    QList<qint64> got;
    while (q.next())
        got.append(q.value(0).toLongLong());
    QList<qint64> want;
    for (int i : found)
        want.append(people.at(i));
    QCOMPARE(got, want);
}

void TestSqlIdList::fiftyThousandIdentifiersInOneValue()
{
    test::TestEnv env;
    {
        Transaction tx(env.db());
        for (int i = 0; i < 3000; ++i)
            env.addMember(QString::number(i), "Many");
        tx.commit();
    }
    QList<qint64> ids;
    for (qint64 i = 1; i <= 50000; i += 2)
        ids.append(i); // the odd ones
    for (qint64 i = 50000; i >= 1; i -= 2)
        ids.append(i); // and the even ones, backwards
    QCOMPARE(ids.size(), 50000);
    const QString condition = sql::inIdList("ID");
    QCOMPARE(condition.count('?'), 1);
    QCOMPARE(env.db().scalar("SELECT COUNT(*) FROM Member WHERE " + condition, { sql::idList(ids) }).toInt(), 3000);
    // A negated list works too: nobody is outside a list that names everyone.
    QCOMPARE(env.db().scalar("SELECT COUNT(*) FROM Member WHERE NOT " + condition, { sql::idList(ids) }).toInt(), 0);
}

QTEST_MAIN(TestSqlIdList)
#include "tst_sqlidlist.moc"
