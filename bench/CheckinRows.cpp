#include "Bench.h"

#include "checkin/Checkin.h"
#include "checkin/Labels.h"
#include "data/Database.h"
#include "reports/Report.h"

#include <QRandomGenerator>

namespace pw::bench {

void addCheckinRows(BenchContext& context)
{
    Session session(context);
    Database& db = session.db();
    const QString size = QStringLiteral("%1 people").arg(context.people);

    // The last four digits of phones people have, one per run.
    const QStringList phones = db.texts(QStringLiteral("SELECT Phone FROM Member WHERE length(Phone) = 10 ORDER BY "
                                                       "ID LIMIT 50"));
    if (phones.isEmpty())
        throw std::runtime_error("nobody in the church has a phone");
    int next = 0;
    std::size_t found = 0;
    const double byDigits = medianMs(
        context.runs, [&] { found += checkin::findFamilies(db, phones.at(next++ % phones.size()).right(4)).size(); });
    if (found == 0)
        throw std::runtime_error("no family was found by four digits of a phone");
    context.add({ QStringLiteral("check-in: families found by four digits of a phone"), size, byDigits, -1 });

    // Heads of household with three children or more, one per run, their
    // three youngest checked in to Sunday School and their labels laid out.
    const QList<qint64> heads = db.ids(QStringLiteral("SELECT f.Member_ID FROM Family_Connection AS f JOIN Member AS "
                                                      "c ON c.ID = f.Relative_Member_ID WHERE c.Date_Of_Birth > ? "
                                                      "GROUP BY f.Member_ID HAVING COUNT(*) >= 3 ORDER BY f.Member_ID "
                                                      "LIMIT 20"),
        { QDate::currentDate().addYears(-17).toString(Qt::ISODate) });
    if (heads.isEmpty())
        throw std::runtime_error("no household with three children");
    const QDate day = QDate::currentDate();
    next = 0;
    int labels = 0;
    const double checkedIn = medianMs(context.runs, [&] {
        const qint64 head = heads.at(next++ % heads.size());
        checkin::CheckinRequest request;
        request.serviceCode = QStringLiteral("SS");
        request.day = day;
        request.station = QStringLiteral("Bench");
        request.user = QStringLiteral("bench");
        request.now = QDateTime::currentDateTime();
        for (const checkin::Person& p : checkin::household(db, head, request.serviceCode, day)) {
            if (p.child && request.people.size() < 3)
                request.people.push_back({ p.id, p.classId });
        }
        const checkin::CheckinResult result
            = checkin::checkIn(db, request, [](quint32 n) { return QRandomGenerator::global()->bounded(n); });
        const checkin::LabelRun run = checkin::labelRun(checkin::byCode(db, day, result.code));
        const auto report = checkin::labelReport(run, checkin::labelSizes().front());
        report->paginate();
        labels += report->pageCount();
    });
    if (labels == 0)
        throw std::runtime_error("no label was laid out");
    context.add(
        { QStringLiteral("check-in: three children checked in, their labels and stub laid out"), size, checkedIn, -1 });
}

} // namespace pw::bench
