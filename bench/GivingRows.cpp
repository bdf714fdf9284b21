#include "Bench.h"

#include "data/Database.h"
#include "giving/StatementReport.h"

#include <QRandomGenerator>

namespace pw::bench {

namespace {

    // The demo church writes no giving yet: a year of monthly gifts from a
    // third of the heads of household (a few split over two funds, one
    // reversed in ten), and a building pledge from every tenth giver, written
    // into the bench's copy of the church once.
    int addGivingYear(Database& db, int year)
    {
        if (db.exists(QStringLiteral("SELECT 1 FROM Gift")))
            return db.scalar(QStringLiteral("SELECT COUNT(DISTINCT Member_ID) FROM Gift")).toInt();
        Transaction tx(db);
        const qint64 general
            = db.insert(QStringLiteral("INSERT INTO Fund (Name, Fund_Order) VALUES ('General', 1) RETURNING ID"));
        const qint64 building
            = db.insert(QStringLiteral("INSERT INTO Fund (Name, Fund_Order) VALUES ('Building', 2) RETURNING ID"));
        const qint64 batch = db.insert(
            QStringLiteral("INSERT INTO Gift_Batch (Batch_Date, Closed) VALUES (?, 1) RETURNING ID"),
            { QStringLiteral("%1-12-31").arg(year) });
        const QList<qint64> heads = db.ids(QStringLiteral("SELECT ID FROM Member WHERE Head_Of_Household = 1 AND ID % 3 "
                                                          "= 0 ORDER BY ID"));
        QRandomGenerator random(7);
        for (qint64 giver : heads) {
            for (int month = 1; month <= 12; ++month) {
                const QString date = QStringLiteral("%1-%2-05").arg(year).arg(month, 2, 10, QLatin1Char('0'));
                const qint64 gift = db.insert(QStringLiteral("INSERT INTO Gift (Batch_ID, Member_ID, Gift_Date, "
                                                             "Method, Check_Number) VALUES (?, ?, ?, 'Check', ?) "
                                                             "RETURNING ID"),
                    { batch, giver, date, QString::number(1000 + month) });
                const qint64 cents = 1000 + qint64(random.bounded(20000));
                db.exec(QStringLiteral("INSERT INTO Gift_Line (Gift_ID, Fund_ID, Amount_Cents) VALUES (?, ?, ?)"),
                    { gift, general, cents });
                if (month % 4 == 0)
                    db.exec(QStringLiteral("INSERT INTO Gift_Line (Gift_ID, Fund_ID, Amount_Cents) VALUES (?, ?, ?)"),
                        { gift, building, 2500 });
                if (random.bounded(10) == 0) {
                    const qint64 back = db.insert(QStringLiteral("INSERT INTO Gift (Batch_ID, Member_ID, Gift_Date, "
                                                                 "Method, Reverses_Gift_ID) VALUES (?, ?, ?, "
                                                                 "'Check', ?) RETURNING ID"),
                        { batch, giver, date, gift });
                    db.exec(QStringLiteral("INSERT INTO Gift_Line (Gift_ID, Fund_ID, Amount_Cents) VALUES (?, ?, ?)"),
                        { back, general, -cents });
                }
            }
            if (giver % 10 == 0)
                db.exec(QStringLiteral("INSERT INTO Pledge (Member_ID, Fund_ID, Start_Date, End_Date, Amount_Cents) "
                                       "VALUES (?, ?, ?, ?, 300000)"),
                    { giver, building, QStringLiteral("%1-01-01").arg(year - 1),
                        QStringLiteral("%1-12-31").arg(year + 1) });
        }
        tx.commit();
        return int(heads.size());
    }

} // namespace

void addGivingRows(BenchContext& context)
{
    std::unique_ptr<Database> db = Database::open(context.databasePath, Database::OpenMode::ExistingOnly);
    constexpr int kYear = 2025;
    const int givers = addGivingYear(*db, kYear);
    const QString size = QStringLiteral("%1 people, %2 givers").arg(context.people).arg(givers);
    const giving::Period year { QDate(kYear, 1, 1), QDate(kYear, 12, 31) };

    int units = 0;
    const double found = medianMs(context.runs, [&] { units = giving::StatementSource(*db, year).count(); });
    context.add({ QStringLiteral("statements: the year's givers grouped into %1 statements").arg(units), size, found,
        -1 });

    // Every statement read and laid out in turn, one held at a time: the run
    // behind a PDF for everybody, without the writing of the file.
    const giving::StatementSource source(*db, year);
    const giving::ChurchHeading church = giving::churchHeading(*db, QDate(kYear + 1, 1, 15));
    resetPeakMemory();
    const double before = residentMemoryMb();
    const double laidOut = medianMs(1, [&] {
        for (int i = 0; i < source.count(); ++i)
            giving::statementReport(source.statement(i), church, QLocale())->paginate();
    });
    context.add({ QStringLiteral("statements: every one read and laid out"), size, laidOut, -1 });
    context.add({ QStringLiteral("statements: memory beyond the church while laying them out"), size,
        peakMemoryMb() - before, -1, true });
}

} // namespace pw::bench
