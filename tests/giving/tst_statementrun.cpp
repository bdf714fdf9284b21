// Contribution statements read from a church and written to PDF and CSV.

#include "TestSupport.h"
#include "data/ChurchSettings.h"
#include "giving/StatementReport.h"
#include "giving/frmContributionStatements.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QPushButton>
#include <QRadioButton>

#include <QtTest>

using namespace pw;
using test::TestEnv;

namespace {

// A small church's year of giving: a couple who both give, a giver of goods
// whose address is only in the second line, a returned check, a banquet
// ticket, the loose offering and a giver without an address.
struct Church {
    TestEnv env;
    qint64 john = 0, mary = 0, ann = 0, carl = 0, dora = 0;
    qint64 general = 0, bakeSale = 0;

    Church()
    {
        Database& db = env.db();
        db.exec(QStringLiteral("DELETE FROM Church"));
        db.exec(QStringLiteral("INSERT INTO Church (Name, Address1, City, State, Zip) VALUES ('Grace Chapel', '1 "
                               "Church Rd', 'Salem', 'OR', '97301')"));
        john = person(QStringLiteral("John"), QStringLiteral("Hale"), QStringLiteral("12 Oak St"), QString());
        mary = person(QStringLiteral("Mary"), QStringLiteral("Hale"), QString(), QString());
        ann = person(QStringLiteral("Ann"), QStringLiteral("Bell"), QString(), QStringLiteral("PO Box 7"));
        carl = person(QStringLiteral("Carl"), QStringLiteral("Dunn"), QStringLiteral("3 Elm St"), QString());
        dora = person(QStringLiteral("Dora"), QStringLiteral("Ames"), QString(), QString());
        db.exec(QStringLiteral("UPDATE Member SET Head_Of_Household = 1 WHERE ID = ?"), { john });
        db.exec(QStringLiteral("INSERT INTO Family_Connection (Member_ID, Relationship, Relative_Member_ID) VALUES "
                               "(?, 'Wife', ?), (?, 'Husband', ?)"),
            { john, mary, mary, john });
        general = db.insert(QStringLiteral("INSERT INTO Fund (Name, Tax_Deductible, Fund_Order) VALUES ('General', 1, "
                                           "1) RETURNING ID"));
        bakeSale = db.insert(QStringLiteral("INSERT INTO Fund (Name, Tax_Deductible, Fund_Order) VALUES ('Bake "
                                            "Sale', 0, 2) RETURNING ID"));
        db.exec(QStringLiteral("INSERT INTO Gift_Batch (Batch_Date) VALUES ('2026-01-04')"));

        gift(john, "2026-01-04", { { general, 5010 } });
        gift(mary, "2026-02-01", { { general, 2020 }, { bakeSale, 1000 } });
        gift(john, "2026-12-31", { { general, 10000 } }, QString(), 4000); // the banquet ticket
        gift(john, "2027-01-01", { { general, 99900 } }); // next year's
        gift(ann, "2026-05-02", {}, QStringLiteral("Three boxes of books"));
        const qint64 check = gift(carl, "2026-12-20", { { general, 15000 } });
        gift(carl, "2027-01-08", { { general, -15000 } }, QString(), 0, check); // returned
        gift(dora, "2026-06-01", { { general, 2500 } });
        gift(0, "2026-03-01", { { general, 77700 } }); // loose offering
    }

    qint64 person(const QString& first, const QString& last, const QString& address1, const QString& address2)
    {
        const qint64 id = env.addMember(first, last);
        env.db().exec(
            QStringLiteral("UPDATE Member SET Address_1 = ?, Address_2 = ? WHERE ID = ?"), { address1, address2, id });
        return id;
    }

    qint64 gift(qint64 giver, const char* date, const std::vector<std::pair<qint64, qint64>>& lines,
        const QString& goods = QString(), qint64 returned = 0, qint64 reverses = 0)
    {
        const qint64 id = env.db().insert(
            QStringLiteral("INSERT INTO Gift (Batch_ID, Member_ID, Gift_Date, Method, Goods_Description, "
                           "Value_Returned_Cents, Reverses_Gift_ID) VALUES (1, ?, ?, 'Check', ?, ?, ?) RETURNING ID"),
            { giver > 0 ? QVariant(giver) : QVariant(), QString::fromLatin1(date), goods, returned,
                reverses > 0 ? QVariant(reverses) : QVariant() });
        for (const auto& [fund, cents] : lines)
            env.db().exec(QStringLiteral("INSERT INTO Gift_Line (Gift_ID, Fund_ID, Amount_Cents) VALUES (?, ?, ?)"),
                { id, fund, cents });
        return id;
    }
};

const giving::Period k2026 { QDate(2026, 1, 1), QDate(2026, 12, 31) };

QString pdfText(const QString& pdf)
{
    QProcess text;
    text.start(QStringLiteral("pdftotext"),
        { QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-") });
    text.waitForFinished(60000);
    return QString::fromUtf8(text.readAllStandardOutput()).simplified();
}

} // namespace

class TestStatementRun : public QObject {
    Q_OBJECT

private slots:
    void oneFilePerUnitAndTheirTotals();
    void oneFileForAllWithTheChurchWording();
    void theScreenWritesAFolderAndNamesWhoCannotBeMailed();
    void thePeopleFoundGetTheirStatements();
};

// One PDF per unit named after the person addressed; the CSV carries the
// figures the PDFs print, one row per unit and fund; the givers without an
// address are named.
void TestStatementRun::oneFilePerUnitAndTheirTotals()
{
    Church c;
    giving::StatementRun run;
    run.pdfFolder = c.env.dir.filePath(QStringLiteral("statements"));
    QDir().mkpath(run.pdfFolder);
    run.csvFile = c.env.dir.filePath(QStringLiteral("totals.csv"));
    run.locale = QLocale(QLocale::English, QLocale::UnitedStates);
    const giving::StatementSource source(c.env.db(), k2026);
    const giving::StatementRunResult result
        = giving::writeStatements(source, giving::churchHeading(c.env.db(), QDate(2027, 1, 15)), run);

    QCOMPARE(result.written, 4);
    QCOMPARE(result.withoutAddress, QStringList { "Dora Ames" });
    QCOMPARE(QDir(run.pdfFolder).entryList(QDir::Files, QDir::Name),
        (QStringList { "Ames, Dora.pdf", "Bell, Ann.pdf", "Dunn, Carl.pdf", "Hale, John.pdf" }));
    QFile csv(run.csvFile);
    QVERIFY(csv.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(csv.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts),
        (QStringList { "Names,Member IDs,Fund,Total,Deductible Total",
            QStringLiteral("John and Mary Hale,%1 %2,General,170.30,130.30").arg(c.john).arg(c.mary),
            QStringLiteral("John and Mary Hale,%1 %2,Bake Sale,10.00,130.30").arg(c.john).arg(c.mary),
            QStringLiteral("Carl Dunn,%1,General,0.00,0.00").arg(c.carl),
            QStringLiteral("Dora Ames,%1,General,25.00,25.00").arg(c.dora) }));

    const QString hale = pdfText(QDir(run.pdfFolder).filePath(QStringLiteral("Hale, John.pdf")));
    for (const char* shown : { "Grace Chapel", "1 Church Rd", "Salem, OR 97301", "John and Mary Hale", "12 Oak St",
             "$50.10", "$100.00", "$20.20", "Bake Sale (not deductible) $10.00", "Total contributions $180.30",
             "Value of goods or services received in return $40.00", "Deductible contributions $130.30" })
        QVERIFY2(hale.contains(QLatin1String(shown)), qPrintable(hale));
    QVERIFY2(!hale.contains(QLatin1String("999.00")), "next year's gift");
    const QString bell = pdfText(QDir(run.pdfFolder).filePath(QStringLiteral("Bell, Ann.pdf")));
    QVERIFY2(bell.contains(QLatin1String("PO Box 7")), qPrintable(bell));
    QVERIFY2(bell.contains(QLatin1String("Goods: Three boxes of books")), qPrintable(bell));
}

// The statements of chosen people (the wife alone brings the couple's) in
// one file; the church's own wording replaces the common one.
void TestStatementRun::oneFileForAllWithTheChurchWording()
{
    Church c;
    c.env.db().exec(QStringLiteral("INSERT INTO Church_Setting (Name, Value) VALUES (?, ?)"),
        { ChurchSettings::kStatementText, QStringLiteral("Registered charity 12345. Thank you.") });
    giving::StatementRun run;
    run.combinedPdf = c.env.dir.filePath(QStringLiteral("all.pdf"));
    const giving::StatementSource source(c.env.db(), k2026, QList<qint64> { c.mary, c.dora });
    const giving::StatementRunResult result
        = giving::writeStatements(source, giving::churchHeading(c.env.db(), QDate(2027, 1, 15)), run);
    QCOMPARE(result.written, 2);
    QCOMPARE(result.files, QStringList { run.combinedPdf });
    const QString text = pdfText(run.combinedPdf);
    QCOMPARE(text.count(QLatin1String("Registered charity 12345. Thank you.")), 2);
    QVERIFY(!text.contains(QLatin1String("intangible religious benefits")));
    QVERIFY(text.indexOf(QLatin1String("John and Mary Hale")) < text.indexOf(QLatin1String("Dora Ames")));
    QVERIFY(!text.contains(QLatin1String("Ann Bell")));
}

// The screen: last year by default (the test clock stands in 2026), the
// folder asked for, and afterwards what was written and who has no address.
void TestStatementRun::theScreenWritesAFolderAndNamesWhoCannotBeMailed()
{
    Church c;
    c.env.clock.current = QDateTime(QDate(2027, 1, 20), QTime(9, 0));
    const QString folder = c.env.dir.filePath(QStringLiteral("out"));
    QDir().mkpath(folder);
    c.env.files.answers = { folder };
    giving::frmContributionStatements screen;
    QCOMPARE(test::control<QDateEdit>(&screen, "dtFrom")->date(), QDate(2026, 1, 1));
    test::control<QCheckBox>(&screen, "chkCsv")->setChecked(true);
    QTest::mouseClick(test::control<QPushButton>(&screen, "btnPdfPerGiver"), Qt::LeftButton);
    QCOMPARE(c.env.files.asked.size(), 1);
    QCOMPARE(c.env.files.asked.front().kind, FileRequest::Kind::Folder);
    QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 5);
    QCOMPARE(c.env.messages.last().text,
        QStringLiteral("Wrote 4 statement(s) to %1.\n\nTotals per fund: %2\n\nWithout an address (written, but they "
                       "cannot be mailed): Dora Ames")
            .arg(QDir::toNativeSeparators(folder),
                QDir::toNativeSeparators(QDir(folder).filePath(QStringLiteral("Contribution Totals.csv")))));
}

// A navigator's result: Mary's statement is the one she shares with John; Ann
// and Carl, not found, get none.
void TestStatementRun::thePeopleFoundGetTheirStatements()
{
    Church c;
    c.env.clock.current = QDateTime(QDate(2027, 1, 20), QTime(9, 0));
    const QString folder = c.env.dir.filePath(QStringLiteral("found"));
    QDir().mkpath(folder);
    c.env.files.answers = { folder };
    giving::frmContributionStatements screen;
    screen.showPeople({ c.mary, c.dora });
    QVERIFY(test::control<QRadioButton>(&screen, "optFound")->isChecked());
    QTest::mouseClick(test::control<QPushButton>(&screen, "btnPdfPerGiver"), Qt::LeftButton);
    QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 2);
    QVERIFY2(c.env.messages.last().text.startsWith(QStringLiteral("Wrote 2 statement(s)")),
        qPrintable(c.env.messages.last().text));
}

QTEST_MAIN(TestStatementRun)
#include "tst_statementrun.moc"
