// The treasurer's reports: what they count, read back from the PDF.

#include "TestSupport.h"

#include "data/Sql.h"
#include "giving/Batches.h"
#include "giving/GivingReports.h"

#include <QProcess>
#include <QtTest>
#include <tuple>

using namespace pw;
using namespace pw::giving;

namespace {

QString pdfText(const reports::ReportPtr& report, const QString& folder)
{
    const QString pdf = QDir(folder).filePath(QStringLiteral("report.pdf"));
    report->writePdf(pdf);
    QProcess text;
    text.start(QStringLiteral("pdftotext"),
        { QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-") });
    text.waitForFinished(60000);
    return QString::fromUtf8(text.readAllStandardOutput()).simplified();
}

EntryGift gift(qint64 giver, const QString& method, const QString& check, std::vector<GiftLine> lines)
{
    EntryGift g;
    g.giverId = giver;
    g.method = method;
    g.checkNumber = check;
    g.lines = std::move(lines);
    return g;
}

} // namespace

class TestGivingReports : public QObject {
    Q_OBJECT

private slots:
    void depositCountsChecksCashAndFunds();
    void monthsNetAReturnedCheckInItsOwnMonth();
    void pledgesCountGivingUpToThePeriodsEnd();
};

void TestGivingReports::depositCountsChecksCashAndFunds()
{
    test::TestEnv env;
    Database& db = env.db();
    const qint64 general
        = db.insert(QStringLiteral("INSERT INTO Fund (Name, Fund_Order) VALUES ('General', 1)") + sql::returningId());
    const qint64 missions
        = db.insert(QStringLiteral("INSERT INTO Fund (Name, Fund_Order) VALUES ('Missions', 2)") + sql::returningId());
    const qint64 hale = env.addMember(QStringLiteral("Helen"), QStringLiteral("Hale"));
    BatchChanges c;
    c.batch.date = QDate(2026, 3, 15);
    c.batch.controlCents = 6000;
    c.batch.controlCount = 3;
    c.added = { gift(hale, QStringLiteral("Check"), QStringLiteral("1042"), { { general, 2000 }, { missions, 500 } }),
        gift(0, QStringLiteral("Cash"), QString(), { { general, 1210 } }),
        gift(hale, QStringLiteral("Card"), QString(), { { missions, 2000 } }) };
    const qint64 id = saveBatch(db, c, threeway::OnConflict::Report, QStringLiteral("ann"), env.clock.now()).batchId;

    const QString text = pdfText(depositReport(db, id, QLocale(QLocale::English, QLocale::UnitedStates)), env.folder());
    for (const char* shown : { "Deposit Report", "Batch of 3/15/2026", "Hale, Helen 1042 $25.00", "Card $20.00",
             "Cash $12.10", "Check $25.00", "General $32.10", "Missions $25.00", "Total of 3 gift(s) $57.10",
             "Control total of 3 gift(s) $60.00", "Variance $2.90" })
        QVERIFY2(text.contains(QLatin1String(shown)), qPrintable(QStringLiteral("%1 in: %2").arg(shown, text)));
}

// A check of March returned in April: March nets to nothing, April is not
// touched; the next year's gift is not this year's.
void TestGivingReports::monthsNetAReturnedCheckInItsOwnMonth()
{
    test::TestEnv env;
    Database& db = env.db();
    const qint64 general
        = db.insert(QStringLiteral("INSERT INTO Fund (Name, Fund_Order) VALUES ('General', 1)") + sql::returningId());
    const qint64 hale = env.addMember(QStringLiteral("Helen"), QStringLiteral("Hale"));
    auto batchOf = [&](const QDate& day, qint64 cents) {
        BatchChanges c;
        c.batch.date = day;
        c.added = { gift(hale, QStringLiteral("Check"), QString(), { { general, cents } }) };
        const qint64 id
            = saveBatch(db, c, threeway::OnConflict::Report, QStringLiteral("ann"), env.clock.now()).batchId;
        closeBatch(db, id, QStringLiteral("ann"), env.clock.now());
        return batchGifts(db, id).front().id;
    };
    const qint64 march = batchOf(QDate(2026, 3, 1), 5000);
    batchOf(QDate(2026, 4, 5), 700);
    batchOf(QDate(2027, 1, 3), 900);
    returnGift(db, march, QDate(2026, 4, 20), QStringLiteral("ann"), env.clock.now());

    std::vector<qint64> expected(12);
    expected[3] = 700;
    QCOMPARE(monthTotals(db, 2026).value(general), expected);
}

// A three-year pledge seen from its middle year: what was given to its fund
// from its start up to the end of that year, not later and not to another
// fund; a pledge that ended before the year is not listed.
void TestGivingReports::pledgesCountGivingUpToThePeriodsEnd()
{
    test::TestEnv env;
    Database& db = env.db();
    const qint64 building
        = db.insert(QStringLiteral("INSERT INTO Fund (Name, Fund_Order) VALUES ('Building', 1)") + sql::returningId());
    const qint64 general
        = db.insert(QStringLiteral("INSERT INTO Fund (Name, Fund_Order) VALUES ('General', 2)") + sql::returningId());
    const qint64 hale = env.addMember(QStringLiteral("Helen"), QStringLiteral("Hale"));
    db.exec(QStringLiteral("INSERT INTO Pledge (Member_ID, Fund_ID, Start_Date, End_Date, Amount_Cents) VALUES (?, ?, "
                           "'2025-01-01', '2027-12-31', 300000), (?, ?, '2023-01-01', '2023-12-31', 999)"),
        { hale, building, hale, building });
    for (const auto& [day, fund, cents] : { std::tuple { "2024-12-31", building, 7000 },
             std::tuple { "2025-06-01", building, 10000 }, std::tuple { "2026-12-31", building, 20000 },
             std::tuple { "2026-05-01", general, 4000 }, std::tuple { "2027-01-02", building, 50000 } }) {
        BatchChanges c;
        c.batch.date = QDate::fromString(QString::fromLatin1(day), Qt::ISODate);
        c.added = { gift(hale, QStringLiteral("Check"), QString(), { { fund, cents } }) };
        saveBatch(db, c, threeway::OnConflict::Report, QStringLiteral("ann"), env.clock.now());
    }
    const QString text = pdfText(
        pledgeReport(db, { QDate(2026, 1, 1), QDate(2026, 12, 31) }, QLocale(QLocale::English, QLocale::UnitedStates)),
        env.folder());
    QVERIFY2(text.contains(QLatin1String("Hale, Helen Building 1/1/2025 - 12/31/2027 $3,000.00 $300.00 $2,700.00")),
        qPrintable(text));
    QVERIFY2(text.contains(QLatin1String("1 pledge(s)")), qPrintable(text));
}

QTEST_MAIN(TestGivingReports)
#include "tst_givingreports.moc"
