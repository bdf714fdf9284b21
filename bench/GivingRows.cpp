#include "Bench.h"

#include "app/Workspace.h"
#include "data/Database.h"
#include "giving/GivingPanel.h"
#include "giving/GivingReports.h"
#include "giving/StatementReport.h"
#include "giving/frmGiftEntry.h"

#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>

#include <QRandomGenerator>

namespace pw::bench {

namespace {

    // A church made before the demo church wrote giving gets a year of
    // monthly gifts from a third of the heads of household (a few split over
    // two funds, one reversed in ten), and a building pledge from every
    // tenth giver, written into the bench's copy of the church once.
    int addGivingYear(Database& db, int year)
    {
        if (db.exists(QStringLiteral("SELECT 1 FROM Gift")))
            return db.scalar(QStringLiteral("SELECT COUNT(DISTINCT Member_ID) FROM Gift")).toInt();
        Transaction tx(db);
        const qint64 general
            = db.insert(QStringLiteral("INSERT INTO Fund (Name, Fund_Order) VALUES ('General', 1) RETURNING ID"));
        const qint64 building
            = db.insert(QStringLiteral("INSERT INTO Fund (Name, Fund_Order) VALUES ('Building', 2) RETURNING ID"));
        const qint64 batch
            = db.insert(QStringLiteral("INSERT INTO Gift_Batch (Batch_Date, Closed) VALUES (?, 1) RETURNING ID"),
                { QStringLiteral("%1-12-31").arg(year) });
        const QList<qint64> heads
            = db.ids(QStringLiteral("SELECT ID FROM Member WHERE Head_Of_Household = 1 AND ID % 3 "
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

    // The screens as a counter and a secretary wait for them: one gift of a
    // new batch entered by envelope number (each of 500 in turn), the batch
    // saved, and the member screen's Giving tab of the most generous giver.
    void addGivingScreenRows(BenchContext& context, const QString& size)
    {
        Session session(context);
        Database& db = session.db();
        QMdiArea area;
        Workspace workspace(&area);
        setWorkspace(&workspace);
        const QList<qint64> envelopes = db.ids(QStringLiteral("SELECT Envelope FROM Giver WHERE Envelope IS NOT NULL "
                                                              "ORDER BY Envelope LIMIT 500"));
        if (!envelopes.isEmpty()) {
            giving::frmGiftEntry form;
            form.show();
            QApplication::processEvents();
            form.findChild<QPushButton*>(QStringLiteral("btnNewBatch"))->click();
            auto* envelope = form.findChild<QLineEdit*>(QStringLiteral("txtEnvelope"));
            auto* amount = form.findChild<QLineEdit*>(QStringLiteral("txtAmount"));
            auto* enter = form.findChild<QPushButton*>(QStringLiteral("btnEnterGift"));
            int next = 0;
            const double perGift = medianMs(500, [&] {
                envelope->setText(QString::number(envelopes.at(next++ % envelopes.size())));
                envelope->setModified(true);
                amount->setText(QStringLiteral("25.00"));
                enter->click();
                QApplication::processEvents();
            });
            if (form.gifts().size() != 500)
                throw std::runtime_error("the gift entry did not take 500 gifts");
            context.add(
                { QStringLiteral("gift entry: one gift entered by envelope (500 in a batch)"), size, perGift, -1 });
            const double save = medianMs(1, [&] {
                if (!form.save())
                    throw std::runtime_error("the batch of 500 gifts was not saved");
            });
            context.add({ QStringLiteral("gift entry: a batch of 500 gifts saved"), size, save, -1 });
        }
        const qint64 giver = db.scalar(QStringLiteral("SELECT g.Member_ID FROM Gift AS g JOIN Gift_Line AS l ON "
                                                      "l.Gift_ID = g.ID WHERE g.Member_ID IS NOT NULL GROUP BY "
                                                      "g.Member_ID ORDER BY SUM(l.Amount_Cents) DESC LIMIT 1"))
                                 .toLongLong();
        giving::GivingPanel panel;
        panel.show();
        const double tab = medianMs(context.runs, [&] {
            panel.showPerson(giver);
            QApplication::processEvents();
        });
        context.add({ QStringLiteral("member screen: the Giving tab of the most generous giver"), size, tab, -1 });
        setWorkspace(nullptr);
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
    context.add(
        { QStringLiteral("statements: the year's givers grouped into %1 statements").arg(units), size, found, -1 });

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

    // The treasurer's year by fund and month, read and laid out, beside the
    // plain sum of the year's lines by fund and month.
    double byFund = 0;
    {
        Session session(context); // the report's heading reads the church of the session
        byFund = medianMs(context.runs, [&] { giving::fundMonthReport(session.db(), kYear)->paginate(); });
    }
    const double byFundRaw = rawQueryMs(context.databasePath,
        QStringLiteral("SELECT l.Fund_ID, substr(COALESCE(r.Gift_Date, g.Gift_Date), 6, 2), SUM(l.Amount_Cents) FROM "
                       "Gift_Line AS l JOIN Gift AS g ON g.ID = l.Gift_ID LEFT JOIN Gift AS r ON r.ID = "
                       "g.Reverses_Gift_ID WHERE COALESCE(r.Gift_Date, g.Gift_Date) BETWEEN '%1-01-01' AND "
                       "'%1-12-31' GROUP BY 1, 2")
            .arg(kYear),
        context.runs);
    context.add({ QStringLiteral("giving reports: the year by fund and month, laid out"), size, byFund, byFundRaw });
    addGivingScreenRows(context, size);
}

} // namespace pw::bench
