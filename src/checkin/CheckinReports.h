#pragma once

// The day's check-in reports, laid out for the report viewer (print and
// PDF): every check-in of the day by service and class with the times in
// and out, and the children not checked out yet.

#include "reports/Report.h"

#include <QDate>

namespace pw {
class Database;
}

namespace pw::checkin {

enum class DayReport {
    ByClass, // every check-in of the day
    StillIn, // only those not checked out
};

QString dayReportTitle(DayReport kind);
// The report of that day: a heading per service and class, a line per person
// (name, code, time in, time out, station).
reports::ReportPtr dayReport(Database& db, DayReport kind, const QDate& day);

} // namespace pw::checkin
