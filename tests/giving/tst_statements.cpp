// The money rules and the statement rules, apart from the database.

#include "giving/Money.h"
#include "giving/Statements.h"

#include <QtTest>

using namespace pw::giving;

namespace {

const QHash<qint64, Fund> kFunds = {
    { 1, { 1, QStringLiteral("General"), true, 1 } },
    { 2, { 2, QStringLiteral("Building"), true, 2 } },
    { 3, { 3, QStringLiteral("Bake Sale"), false, 3 } },
};

// One gift in short: "id giver yyyy-MM-dd fund=cents,fund=cents [goods=text]
// [ret=cents] [rev=id]".
Gift gift(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(' '));
    Gift g;
    g.id = parts.at(0).toLongLong();
    g.giverId = parts.at(1).toLongLong();
    g.date = QDate::fromString(parts.at(2), Qt::ISODate);
    for (const QString& part : parts.mid(3)) {
        const QString value = part.section(QLatin1Char('='), 1);
        if (part.startsWith(QLatin1String("goods=")))
            g.goods = value;
        else if (part.startsWith(QLatin1String("ret=")))
            g.returnedCents = value.toLongLong();
        else if (part.startsWith(QLatin1String("rev=")))
            g.reversesId = value.toLongLong();
        else
            for (const QString& line : part.split(QLatin1Char(',')))
                g.lines.push_back({ line.section(QLatin1Char('='), 0, 0).toLongLong(),
                    line.section(QLatin1Char('='), 1).toLongLong() });
    }
    return g;
}

QString unitsText(const std::vector<Unit>& units)
{
    QStringList out;
    for (const Unit& u : units) {
        QStringList people;
        for (qint64 p : u.people)
            people.append(QString::number(p));
        out.append(people.join(QLatin1Char('+')));
    }
    return out.join(QLatin1Char(' '));
}

const Period kYear2026 { QDate(2026, 1, 1), QDate(2026, 12, 31) };

} // namespace

class TestStatements : public QObject {
    Q_OBJECT

private slots:
    void typedAmounts_data();
    void typedAmounts();
    void shownAmounts_data();
    void shownAmounts();
    void units_data();
    void units();
    void totals_data();
    void totals();
    void pledges_data();
    void pledges();
};

void TestStatements::typedAmounts_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qint64>("cents"); // -1: refused

    QTest::newRow("ten cents") << "0.10" << qint64(10);
    QTest::newRow("one decimal") << "0.2" << qint64(20);
    QTest::newRow("symbol and groups") << "$1,234.56" << qint64(123456);
    QTest::newRow("brackets") << "(3.00)" << qint64(-300);
    QTest::newRow("three decimals") << "1.234" << qint64(-1);
    QTest::newRow("group of two") << "12,34" << qint64(-1);
    QTest::newRow("beyond a trillion") << "1000000000001" << qint64(-1);
}

void TestStatements::typedAmounts()
{
    QFETCH(QString, typed);
    QFETCH(qint64, cents);
    const std::optional<qint64> read = parseCents(typed);
    QCOMPARE(read.value_or(-1), cents);
}

void TestStatements::shownAmounts_data()
{
    QTest::addColumn<QStringList>("typed"); // added up
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("plain");

    QTest::newRow("cents do not drift") << QStringList { "0.10", "0.20" } << "en_US"
                                        << "$0.30"
                                        << "0.30";
    QTest::newRow("negative cents") << QStringList { "-0.05" } << "en_US"
                                    << "($0.05)"
                                    << "-0.05";
    QTest::newRow("euro") << QStringList { "1234.56" } << "de_DE"
                          << "1.234,56\u00a0€"
                          << "1234.56";
}

void TestStatements::shownAmounts()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, locale);
    QFETCH(QString, shown);
    QFETCH(QString, plain);
    qint64 sum = 0;
    for (const QString& t : typed)
        sum += parseCents(t).value();
    QCOMPARE(centsText(sum, QLocale(locale)), shown);
    QCOMPARE(plainCents(sum), plain);
}

void TestStatements::units_data()
{
    QTest::addColumn<QList<qint64>>("givers");
    QTest::addColumn<QString>("links"); // "head>spouse", "*head>spouse" for a marked head
    QTest::addColumn<QList<qint64>>("alone");
    QTest::addColumn<QString>("units");

    QTest::newRow("both spouses gave") << QList<qint64> { 1, 2, 3 } << "1>2" << QList<qint64> {} << "1+2 3";
    QTest::newRow("only the spouse gave") << QList<qint64> { 2 } << "1>2" << QList<qint64> {} << "1+2";
    QTest::newRow("linked both ways, marked head addressed")
        << QList<qint64> { 4, 9 } << "4>9 *9>4" << QList<qint64> {} << "9+4";
    QTest::newRow("one chose alone") << QList<qint64> { 1, 2 } << "1>2" << QList<qint64> { 2 } << "1 2";
    QTest::newRow("spouse named by two heads") << QList<qint64> { 5, 6, 7 } << "6>5 7>5" << QList<qint64> {} << "6+5 7";
}

void TestStatements::units()
{
    QFETCH(QList<qint64>, givers);
    QFETCH(QString, links);
    QFETCH(QList<qint64>, alone);
    QFETCH(QString, units);
    std::vector<SpouseLink> spouses;
    for (QString l : links.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const bool marked = l.startsWith(QLatin1Char('*'));
        l.remove(QLatin1Char('*'));
        spouses.push_back(
            { l.section(QLatin1Char('>'), 0, 0).toLongLong(), l.section(QLatin1Char('>'), 1).toLongLong(), marked });
    }
    QHash<qint64, bool> chose;
    for (qint64 id : alone)
        chose.insert(id, true);
    QCOMPARE(unitsText(statementUnits({ givers.begin(), givers.end() }, spouses, chose)), units);
}

void TestStatements::totals_data()
{
    QTest::addColumn<QList<qint64>>("unit");
    QTest::addColumn<QStringList>("gifts");
    QTest::addColumn<QString>("funds"); // "fund=cents", in the funds' order
    QTest::addColumn<qint64>("total");
    QTest::addColumn<qint64>("deductible");
    QTest::addColumn<int>("lines");

    QTest::newRow("a split adds up to its gift")
        << QList<qint64> { 1 } << QStringList { "1 1 2026-03-01 1=7500,2=2500" } << "1=7500 2=2500" << qint64(10000)
        << qint64(10000) << 2;
    QTest::newRow("joint household, a gift in both spouses' lists counted once")
        << QList<qint64> { 1, 2 }
        << QStringList { "1 1 2026-02-01 1=5000", "2 2 2026-02-01 1=2000", "1 1 2026-02-01 1=5000" } << "1=7000"
        << qint64(7000) << qint64(7000) << 2;
    QTest::newRow("returned check nets to zero, also across the year's end")
        << QList<qint64> { 1 } << QStringList { "1 1 2026-12-27 1=10000", "2 1 2027-01-04 1=-10000 rev=1" } << "1=0"
        << qint64(0) << qint64(0) << 2;
    QTest::newRow("reversal of last year's gift stays out")
        << QList<qint64> { 1 } << QStringList { "1 1 2025-12-28 1=10000", "2 1 2026-01-04 1=-10000 rev=1" } << ""
        << qint64(0) << qint64(0) << 0;
    QTest::newRow("goods only: listed, no value")
        << QList<qint64> { 1 } << QStringList { "1 1 2026-05-02 goods=Books" } << "" << qint64(0) << qint64(0) << 1;
    QTest::newRow("banquet ticket: only the part above its value")
        << QList<qint64> { 1 } << QStringList { "1 1 2026-04-01 1=10000 ret=4000", "2 1 2026-04-02 1=500" } << "1=10500"
        << qint64(10500) << qint64(6500) << 2;
    QTest::newRow("received more than given: nothing deductible, never less")
        << QList<qint64> { 1 } << QStringList { "1 1 2026-04-01 1=2000 ret=5000", "2 1 2026-04-02 1=500" } << "1=2500"
        << qint64(2500) << qint64(500) << 2;
    QTest::newRow("fund that is not deductible") << QList<qint64> { 1 } << QStringList { "1 1 2026-06-01 3=1200,1=800" }
                                                 << "1=800 3=1200" << qint64(2000) << qint64(800) << 2;
    QTest::newRow("period's edges") << QList<qint64> { 1 }
                                    << QStringList { "1 1 2025-12-31 1=1", "2 1 2026-01-01 1=10",
                                           "3 1 2026-12-31 1=100", "4 1 2027-01-01 1=1000" }
                                    << "1=110" << qint64(110) << qint64(110) << 2;
    QTest::newRow("loose offering and other people's gifts stay out")
        << QList<qint64> { 1 } << QStringList { "1 0 2026-03-01 1=900", "2 5 2026-03-01 1=700", "3 1 2026-03-01 2=50" }
        << "2=50" << qint64(50) << qint64(50) << 1;
}

void TestStatements::totals()
{
    QFETCH(QList<qint64>, unit);
    QFETCH(QStringList, gifts);
    QFETCH(QString, funds);
    QFETCH(qint64, total);
    QFETCH(qint64, deductible);
    QFETCH(int, lines);
    std::vector<Gift> all;
    for (const QString& t : gifts)
        all.push_back(gift(t));
    const Statement s = buildStatement(Unit { { unit.begin(), unit.end() } }, {}, all, {}, kFunds, kYear2026);
    QStringList perFund;
    qint64 fundSum = 0;
    for (const FundTotal& f : s.funds) {
        perFund.append(QStringLiteral("%1=%2").arg(f.fundId).arg(f.cents));
        fundSum += f.cents;
    }
    qint64 lineSum = 0;
    for (const StatementLine& l : s.lines)
        lineSum += l.cents;
    QCOMPARE(perFund.join(QLatin1Char(' ')), funds);
    QCOMPARE(s.total, total);
    QCOMPARE(s.deductible, deductible);
    QCOMPARE(int(s.lines.size()), lines);
    // Whatever the gifts, the total is the sum of the lines and of the funds.
    QCOMPARE(lineSum, s.total);
    QCOMPARE(fundSum, s.total);
}

void TestStatements::pledges_data()
{
    QTest::addColumn<int>("year"); // of the statement
    QTest::addColumn<qint64>("given"); // -1: the pledge is not on it
    QTest::addColumn<qint64>("left");

    // A pledge of 3,000.00 to the building fund for 2025 to 2027, with
    // 1,000.00 given in each of its first two years and 500.00 in the third;
    // gifts before it and to other funds never count against it.
    QTest::newRow("first year") << 2025 << qint64(100000) << qint64(200000);
    QTest::newRow("middle year: gifts up to the statement's end") << 2026 << qint64(200000) << qint64(100000);
    QTest::newRow("last year") << 2027 << qint64(250000) << qint64(50000);
    QTest::newRow("a year after it ended") << 2028 << qint64(-1) << qint64(0);
}

void TestStatements::pledges()
{
    QFETCH(int, year);
    QFETCH(qint64, given);
    QFETCH(qint64, left);
    std::vector<Gift> all;
    for (const char* g : { "1 1 2024-12-30 2=7000", "2 1 2025-06-01 2=100000,1=5000", "3 2 2026-03-01 2=100000",
             "4 1 2026-03-02 1=9000", "5 1 2027-02-01 2=50000", "6 1 2028-01-01 2=800" })
        all.push_back(gift(QString::fromLatin1(g)));
    const std::vector<Pledge> promised { { 9, 1, 2, QDate(2025, 1, 1), QDate(2027, 12, 31), 300000 } };
    const Statement s = buildStatement(
        Unit { { 1, 2 } }, {}, all, promised, kFunds, Period { QDate(year, 1, 1), QDate(year, 12, 31) });
    QCOMPARE(int(s.pledges.size()), given < 0 ? 0 : 1);
    if (given >= 0) {
        QCOMPARE(s.pledges.front().given, given);
        QCOMPARE(s.pledges.front().left(), left);
    }
}

QTEST_MAIN(TestStatements)
#include "tst_statements.moc"
