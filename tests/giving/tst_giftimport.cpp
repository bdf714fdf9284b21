// Gifts from an online-giving service's CSV export: who each row's giver is,
// and that importing the same file twice adds nothing.

#include "TestSupport.h"

#include "data/Sql.h"
#include "giving/Batches.h"
#include "giving/GiftImport.h"

#include "app/Permissions.h"
#include "giving/frmImportGifts.h"
#include <QComboBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextStream>
#include <QtTest>

using namespace pw;
using namespace pw::giving;

namespace {

struct Church {
    test::TestEnv env;
    qint64 general = 0;
    qint64 helen = 0, hal = 0, ann1 = 0, ann2 = 0, gone = 0;

    Church()
    {
        Database& db = env.db();
        general = db.insert(QStringLiteral("INSERT INTO Fund (Name) VALUES ('General')") + sql::returningId());
        helen = env.addMember(QStringLiteral("Helen"), QStringLiteral("Hale"));
        hal = env.addMember(QStringLiteral("Hal"), QStringLiteral("Hale"));
        ann1 = env.addMember(QStringLiteral("Ann"), QStringLiteral("Bell"));
        ann2 = env.addMember(QStringLiteral("Ann"), QStringLiteral("Bell"));
        gone = env.addMember(QStringLiteral("Otto"), QStringLiteral("Ames"));
        db.exec(QStringLiteral("UPDATE Member SET Email = 'helen@example.org' WHERE ID = ?"), { helen });
        db.exec(QStringLiteral("UPDATE Member SET Address_1 = '3 Elm St' WHERE ID = ?"), { ann2 });
        db.exec(QStringLiteral("UPDATE Member SET Deceased_Date = '2025-01-01' WHERE ID = ?"), { gone });
        db.exec(QStringLiteral("INSERT INTO Giver (Member_ID, Envelope) VALUES (?, 12)"), { hal });
    }

    GiftImportPlan plan(const QByteArray& csv, bool createFunds = false)
    {
        const people::CsvTable table = people::readCsv(csv, QStringLiteral("gifts.csv"));
        return planGiftImport(env.db(), table, GiftMapping::guess(table.header), createFunds);
    }
};

} // namespace

class TestGiftImport : public QObject {
    Q_OBJECT

private slots:
    void giverMatchedOrLeftOut_data();
    void giverMatchedOrLeftOut();
    void sameFileTwiceAddsNothing();
    void refundTakesBackAStoredGift_data();
    void columnsChosenOnTheScreen();
    void refundTakesBackAStoredGift();
    void commandBacksUpOnlyWhenItWrites();
};

void TestGiftImport::giverMatchedOrLeftOut_data()
{
    QTest::addColumn<QString>("row"); // Donor Name,Email,Envelope,Address,Designation
    QTest::addColumn<QString>("giver"); // the person's name, or the reason the row is left out
    QTest::newRow("envelope first") << "Helen Hale,helen@example.org,12,,General"
                                    << "hal";
    QTest::newRow("e-mail, any case") << "Someone Else, HELEN@example.org ,,,General"
                                      << "helen";
    QTest::newRow("name, first last") << "Helen Hale,,,,General"
                                      << "helen";
    QTest::newRow("name, last first") << "\"Hale, Hal\",,,,General"
                                      << "hal";
    QTest::newRow("name and address") << "Ann Bell,,,3 Elm St,General"
                                      << "ann2";
    QTest::newRow("two of the name") << "Ann Bell,,,,General"
                                     << "several people are named Ann Bell";
    QTest::newRow("nobody") << "Zed Zane,,,,General"
                            << "nobody is named Zed Zane";
    QTest::newRow("deceased") << "Otto Ames,,,,General"
                              << "nobody is named Otto Ames";
    QTest::newRow("unknown envelope") << "Helen Hale,,99,,General"
                                      << "no active person has envelope number 99";
    QTest::newRow("unknown fund") << "Helen Hale,,,,Roof"
                                  << "the church has no fund named \"Roof\" (--create-funds adds it)";
}

void TestGiftImport::giverMatchedOrLeftOut()
{
    QFETCH(QString, row);
    QFETCH(QString, giver);
    Church c;
    const GiftImportPlan plan
        = c.plan("Date,Donor Name,Email,Envelope,Address,Designation,Amount\n2026-03-01," + row.toUtf8() + ",25.00\n");
    QCOMPARE(int(plan.rows.size()), 1);
    const QHash<QString, qint64> ids { { "helen", c.helen }, { "hal", c.hal }, { "ann2", c.ann2 } };
    QCOMPARE(plan.rows.front().problem, ids.contains(giver) ? QString() : giver);
    QCOMPARE(plan.rows.front().giverId, ids.value(giver));
}

// Two like gifts on one day in the file (no reference) both come in the
// first time; the second import adds nothing and makes no batch. The batch's
// control total is the file's, rows left out included.
void TestGiftImport::sameFileTwiceAddsNothing()
{
    Church c;
    const people::CsvTable table = people::readCsv("Date,Name,Fund,Amount,Method\n"
                                                   "03/01/2026,Helen Hale,General,10.00,ACH\n"
                                                   "03/01/2026,Helen Hale,General,10.00,ACH\n"
                                                   "03/08/2026,Hal Hale,Roof,5.50,Visa\n"
                                                   "03/08/2026,Zed Zane,General,1.00,Visa\n",
        QStringLiteral("gifts.csv"));
    const GiftMapping mapping = GiftMapping::guess(table.header);
    GiftImportPlan plan;
    const GiftImportResult first
        = runGiftImport(c.env.db(), table, mapping, true, QStringLiteral("ann"), c.env.clock.now(), &plan);
    QVERIFY(first.batchId > 0);
    QCOMPARE(plan.newFunds, QStringList { "Roof" });
    const std::optional<Batch> b = batch(c.env.db(), first.batchId);
    QCOMPARE(b->controlCents, 2650);
    QCOMPARE(b->controlCount, 4);
    QStringList stored;
    for (const EntryGift& g : batchGifts(c.env.db(), first.batchId))
        stored.append(QStringLiteral("%1 %2 %3").arg(g.giverId).arg(g.method).arg(g.cents()));
    QCOMPARE(stored,
        (QStringList { QStringLiteral("%1 Online 1000").arg(c.helen), QStringLiteral("%1 Online 1000").arg(c.helen),
            QStringLiteral("%1 Card 550").arg(c.hal) }));

    const GiftImportResult second
        = runGiftImport(c.env.db(), table, mapping, true, QStringLiteral("ann"), c.env.clock.now(), &plan);
    QCOMPARE(second.batchId, 0);
    QCOMPARE(plan.toImport(), 0);
    QCOMPARE(c.env.db().scalar(QStringLiteral("SELECT COUNT(*) FROM Gift")).toInt(), 3);
    QCOMPARE(c.env.db().scalar(QStringLiteral("SELECT COUNT(*) FROM Fund")).toInt(), 2);
}

void TestGiftImport::refundTakesBackAStoredGift_data()
{
    QTest::addColumn<QString>("refund"); // date, amount and reference of the file's row
    QTest::addColumn<QString>("takesBack"); // the reference of the gift taken back, or why the row is left out
    QTest::newRow("by reference") << "2026-03-09,-10.00,T2"
                                  << "T2";
    QTest::newRow("by amount, the latest") << "2026-03-09,-10.00,"
                                           << "T2";
    QTest::newRow("before the gift") << "2026-02-28,-10.00,T1"
                                     << "a refund of 10.00, and the giver has no gift with the reference \"T1\" on "
                                        "or before 2/28/2026 to take back";
    QTest::newRow("no such amount") << "2026-03-09,-7.00,"
                                    << "a refund of 7.00, and the giver has no gift of that amount on or before "
                                       "3/9/2026 to take back";
}

// A negative row is a refund: a reversal of the giver's stored gift, netting
// it; imported a second time it adds nothing.
void TestGiftImport::refundTakesBackAStoredGift()
{
    QFETCH(QString, refund);
    QFETCH(QString, takesBack);
    Church c;
    const QByteArray header = "Date,Name,Fund,Amount,Reference\n";
    const auto import = [&](const QByteArray& rows) {
        const people::CsvTable table = people::readCsv(header + rows, QStringLiteral("gifts.csv"));
        GiftImportPlan plan;
        runGiftImport(c.env.db(), table, GiftMapping::guess(table.header), false, QStringLiteral("ann"),
            c.env.clock.now(), &plan);
        return plan;
    };
    import("2026-03-01,Helen Hale,General,10.00,T1\n2026-03-08,Helen Hale,General,10.00,T2\n");
    const QByteArray row = refund.section(QLatin1Char(','), 0, 0).toUtf8() + ",Helen Hale,General,"
        + refund.section(QLatin1Char(','), 1).toUtf8() + "\n";
    const GiftImportPlan plan = import(row);
    QCOMPARE(plan.rows.front().problem, takesBack.size() > 2 ? takesBack : QString());
    const QString reversed = c.env.db()
                                 .scalar(QStringLiteral("SELECT o.Check_Number FROM Gift AS r JOIN Gift AS o ON o.ID = "
                                                        "r.Reverses_Gift_ID"))
                                 .toString();
    QCOMPARE(reversed, takesBack.size() > 2 ? QString() : takesBack);
    QCOMPARE(import(row).toImport(), 0);
    QCOMPARE(c.env.db().scalar(QStringLiteral("SELECT COUNT(*) FROM Gift")).toInt(), takesBack.size() > 2 ? 2 : 3);
}

// The window guesses each column's field from its name; a column chosen
// otherwise is what the preview and the import then read.
void TestGiftImport::columnsChosenOnTheScreen()
{
    Church c;
    const QString file = c.env.dir.filePath(QStringLiteral("gifts.csv"));
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write("Date,Name,Amount,Memo\n2026-03-01,Helen Hale,25.00,General\n");
    out.close();
    c.env.files.answers = { file };
    c.env.loginWithOnly(perm::GivingEntry);
    frmImportGifts screen;
    QTest::mouseClick(test::control<QPushButton>(&screen, "btnChoose"), Qt::LeftButton);
    auto* memo = test::control<QComboBox>(&screen, "cmbField3");
    QCOMPARE(memo->currentText(), QStringLiteral("(ignore)"));
    QVERIFY(!test::control<QPushButton>(&screen, "btnImport")->isEnabled());
    memo->setCurrentIndex(memo->findText(QStringLiteral("Fund")));
    emit memo->activated(memo->currentIndex());
    QVERIFY2(test::control<QPlainTextEdit>(&screen, "txtPreview")
                 ->toPlainText()
                 .contains(QLatin1String("would import 1 gift(s), 25.00")),
        qPrintable(test::control<QPlainTextEdit>(&screen, "txtPreview")->toPlainText()));
    QTest::mouseClick(test::control<QPushButton>(&screen, "btnImport"), Qt::LeftButton);
    QCOMPARE(
        c.env.db().scalar(QStringLiteral("SELECT COUNT(*) FROM Gift WHERE Member_ID = ?"), { c.helen }).toInt(), 1);
}

// The command line's import: a dated copy of the church first, but only
// when there is something to write; the second run of the file makes none.
void TestGiftImport::commandBacksUpOnlyWhenItWrites()
{
    Church c;
    if (c.env.db().engine() != Database::Engine::SQLite)
        QSKIP("a server keeps its own backups");
    const QString csv = c.env.dir.filePath(QStringLiteral("gifts.csv"));
    QFile file(csv);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Date,Name,Fund,Amount\n2026-03-01,Helen Hale,General,10.00\n");
    file.close();
    GiftImportCommand command;
    command.file = csv;
    command.database = c.env.db().path();
    QString printed, errors;
    QTextStream out(&printed), err(&errors);
    const auto copies
        = [&] { return QDir(c.env.folder()).entryList({ QStringLiteral("*before-import*") }, QDir::Files).size(); };
    QCOMPARE(runImportGifts(command, c.env.clock, out, err), 0);
    QCOMPARE(copies(), 1);
    QVERIFY2(printed.contains(QLatin1String("The backup made before it is")), qPrintable(printed + errors));
    QCOMPARE(runImportGifts(command, c.env.clock, out, err), 0);
    QCOMPARE(copies(), 1);
    QCOMPARE(c.env.db().scalar(QStringLiteral("SELECT COUNT(*) FROM Gift")).toInt(), 1);
}

QTEST_MAIN(TestGiftImport)
#include "tst_giftimport.moc"
