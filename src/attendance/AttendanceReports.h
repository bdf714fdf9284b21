#pragma once

// The attendance reports, laid out for the report viewer (print and PDF):
// a class's roll sheet, the attendance summary with its chart, and the
// people not seen lately.

#include "attendance/Attendance.h"
#include "reports/Report.h"

namespace pw::attendance {

// A class's people with a column per meeting date from `from` to `to`: a tick
// where presence is recorded, an empty box for a date after today.
reports::ReportPtr rollSheetReport(
    const services::Service& service, qint64 classId, const QDate& from, const QDate& to);
// Per service and week, people recorded and headcount, for the 52 weeks
// ending with the week of `to`, with a chart of the people per week.
reports::ReportPtr summaryReport(const QDate& to);
reports::ReportPtr notSeenReport(const NotSeenCriteria& criteria);

} // namespace pw::attendance
