#include "checkin/CheckinReports.h"

#include "checkin/Checkin.h"
#include "data/PersonName.h"
#include "data/Services.h"
#include "reports/PageFrame.h"
#include "reports/Reports.h"
#include "widgets/Formats.h"

#include <QCoreApplication>
#include <QPainter>

namespace pw::checkin {

using namespace reports::detail;

namespace {

    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(CheckinReports)
    };

    QString timeText(const QDateTime& at)
    {
        return at.isValid() ? formats::dateLocale().toString(at.time(), QLocale::ShortFormat) : QString();
    }

    // "Sunday School: Nursery", or the service alone when it has no classes.
    QString groupText(const CheckinRow& row)
    {
        const services::Service* service = services::byCode(row.service);
        const QString name = service ? service->nameText() : row.service;
        return row.className.isEmpty() ? name : name + QStringLiteral(": ") + row.className;
    }

    QString peopleText(std::size_t n) { return n == 1 ? Tr::tr("%1 person").arg(n) : Tr::tr("%1 people").arg(n); }

} // namespace

QString dayReportTitle(DayReport kind)
{
    return kind == DayReport::ByClass ? Tr::tr("Check-ins by Class") : Tr::tr("Not Checked Out");
}

reports::ReportPtr dayReport(Database& db, DayReport kind, const QDate& day)
{
    auto rows = std::make_shared<std::vector<CheckinRow>>(dayCheckins(db, day, kind == DayReport::StillIn));
    const QString heading = kind == DayReport::ByClass
        ? QCoreApplication::translate("CheckinReports", "Checked in on %1: %2")
              .arg(formats::dateText(day), peopleText(rows->size()))
        : QCoreApplication::translate("CheckinReports", "Not checked out on %1: %2")
              .arg(formats::dateText(day), peopleText(rows->size()));
    const QString none = kind == DayReport::ByClass
        ? QCoreApplication::translate("CheckinReports", "Nobody was checked in on this day.")
        : QCoreApplication::translate("CheckinReports", "Everybody checked in on this day is checked out.");
    return reports::customReport(dayReportTitle(kind), [rows, heading, none] {
        const std::vector<Column> columns { { QCoreApplication::translate("CheckinReports", "Name"), 190 },
            { QCoreApplication::translate("CheckinReports", "Code"), 60 },
            { QCoreApplication::translate("CheckinReports", "In"), 80 },
            { QCoreApplication::translate("CheckinReports", "Out"), 80 },
            { QCoreApplication::translate("CheckinReports", "Station"), kContentWidth - 410 } };
        const auto line = [&columns](const CheckinRow& r) {
            return tableRow(columns,
                { displayName(r.lastName, r.firstName), r.code, timeText(r.checkedInAt), timeText(r.checkedOutAt),
                    r.station });
        };
        Flow flow;
        flow.addRow(lineRow(heading, StyleId::Body, 2));
        if (rows->empty())
            flow.addRow(lineRow(none, StyleId::Body, 2));
        for (std::size_t i = 0; i < rows->size();) {
            // One group per service and class, its rows together.
            const CheckinRow& first = (*rows)[i];
            std::size_t end = i;
            while (end < rows->size() && (*rows)[end].service == first.service && (*rows)[end].classId == first.classId)
                ++end;
            // The group's heading stays with its first line; a group that
            // runs onto the next page names itself again there.
            const QString group = groupText(first);
            flow.setContinuation({});
            flow.addSpace(8);
            flow.addBlock(
                { headingRow(QStringLiteral("%1 (%2)").arg(group).arg(end - i)), tableHeader(columns), line(first) });
            flow.setContinuation({ headingRow(group + QCoreApplication::translate("CheckinReports", " (continued)")),
                tableHeader(columns) });
            for (++i; i < end; ++i)
                flow.addRow(line((*rows)[i]));
        }
        return flow.finish();
    });
}

} // namespace pw::checkin
