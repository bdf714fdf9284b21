#include "Bench.h"

#include "widgets/Context.h"
#include "widgets/Messages.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/Sql.h"
#include "reports/Report.h"
#include "reports/Reports.h"

#include <QComboBox>
#include <QDir>
#include <QSqlQuery>
#include <stdexcept>

namespace pw::bench {

namespace {


    // `count` people spread evenly over the whole church, as a search that
    // matches people of every name would find them.
    QList<qint64> spreadIds(Database& db, int count)
    {
        QList<qint64> all;
        QSqlQuery q = db.exec(QStringLiteral("SELECT ID FROM Member ORDER BY ID"));
        while (q.next())
            all.append(q.value(0).toLongLong());
        QList<qint64> ids;
        if (all.isEmpty())
            return ids;
        const double step = qMax(1.0, double(all.size()) / count);
        for (double i = 0; ids.size() < count && i < all.size(); i += step)
            ids.append(all.at(int(i)));
        return ids;
    }

    // For the plain-SQLite comparison only: the identifiers are numbers read
    // from the database above, written out as the engine's own IN list.
    QString rawIdList(const QList<qint64>& ids)
    {
        QStringList parts;
        for (qint64 id : ids)
            parts.append(QString::number(id));
        return QLatin1Char('(') + parts.join(QLatin1Char(',')) + QLatin1Char(')');
    }

} // namespace

void addReportRows(BenchContext& context)
{
    Session scope(context, Session::Login::None, context.databasePath);
    const QString pdf = QDir(context.workDir).filePath(QStringLiteral("report.pdf"));

    // Member list: the query for 1,000 people, then the whole report to PDF.
    const QList<qint64> thousand = spreadIds(scope.db(), 1000);
    std::size_t rows = 0;
    const double listData = medianMs(context.runs, [&] { rows = reports::memberListData(thousand).main.rows.size(); });
    const double raw = rawQueryMs(context.databasePath,
        QStringLiteral(
            "SELECT * FROM Member LEFT JOIN Care_Group ON Member.Care_Group_Assigned = Care_Group.ID "
            "LEFT JOIN Member AS L ON Care_Group.Group_Leader = L.ID "
            "LEFT JOIN Sunday_School ON Member.Sunday_School_Class = Sunday_School.ID "
            "LEFT JOIN Discipleship_Training ON Member.Discipleship_Training_Class = Discipleship_Training.ID "
            "LEFT JOIN Wednesday_Night ON Member.Wednesday_Night_Class = Wednesday_Night.ID "
            "LEFT JOIN Member AS D ON Member.DeaconID = D.ID WHERE Member.ID IN ")
            + rawIdList(thousand)
            + QStringLiteral(" ORDER BY Member.Last_Name COLLATE NOCASE, Member.First_Name COLLATE NOCASE, Member.ID"),
        context.runs);
    context.add({ QStringLiteral("member list data"), QStringLiteral("%1 people").arg(rows), listData, raw });

    const double listPdf = medianMs(context.runs, [&] {
        reports::Report report(reports::memberListData(thousand));
        report.writePdf(pdf);
    });
    context.add(
        { QStringLiteral("member list to PDF (data + layout)"), QStringLiteral("%1 people").arg(rows), listPdf });

    // Prospect list with every contact of 1,000 people.
    const double prospectPdf = medianMs(context.runs, [&] {
        reports::Report report(reports::prospectListData(thousand));
        report.writePdf(pdf);
    });
    context.add(
        { QStringLiteral("prospect list to PDF (data + layout)"), QStringLiteral("%1 people").arg(rows), prospectPdf });

    // Mailing labels for 5,000 people.
    const QList<qint64> fiveThousand = spreadIds(scope.db(), 5000);
    std::size_t labels = 0;
    const double labelPdf = medianMs(context.runs, [&] {
        reports::Report report(reports::mailingLabelData(fiveThousand));
        labels = report.data().main.rows.size();
        report.writePdf(pdf);
    });
    context.add(
        { QStringLiteral("mailing labels to PDF (data + layout)"), QStringLiteral("%1 people").arg(labels), labelPdf });

    // One label per household for up to 100,000 people: the grouping and the rows.
    const QList<qint64> many = spreadIds(scope.db(), 100000);
    std::size_t households = 0;
    const double householdLabels = medianMs(context.runs, [&] {
        households = reports::mailingLabelData(many, { true, reports::HouseholdName::Couple }).main.rows.size();
    });
    context.add({ QStringLiteral("household labels data"),
        QStringLiteral("%1 people, %2 labels").arg(many.size()).arg(households), householdLabels });

    // One visitation sheet for the prospect with the most contacts.
    const qint64 prospect = sql::toId(scope.db().scalar(QStringLiteral(
        "SELECT Prospect_ID FROM Prospect_Contact GROUP BY Prospect_ID ORDER BY COUNT(*) DESC, Prospect_ID LIMIT 1")));
    std::size_t contacts = 0;
    const double sheet = medianMs(context.runs, [&] {
        reports::Report report(reports::visitationSheetData(prospect));
        contacts = report.data().main.rows.size();
        report.writePdf(pdf);
    });
    context.add({ QStringLiteral("visitation sheet to PDF (data + layout)"),
        QStringLiteral("%1 contacts").arg(contacts), sheet });

    // One information update sheet for the head of household with the most relatives.
    const qint64 head = sql::toId(scope.db().scalar(QStringLiteral(
        "SELECT Member_ID FROM Family_Connection GROUP BY Member_ID ORDER BY COUNT(*) DESC, Member_ID LIMIT 1")));
    const double update = medianMs(context.runs, [&] {
        reports::Report report(reports::memberInfoUpdateData(head));
        report.writePdf(pdf);
    });
    context.add({ QStringLiteral("update sheet to PDF (data + layout)"), QStringLiteral("1 person"), update });
}

} // namespace pw::bench
