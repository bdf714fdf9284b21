#pragma once

// The treasurer's reports of giving, laid out for the Report Viewer: a
// batch's deposit report, giving by fund per month of a year with a chart,
// pledges against what was given, and the givers of a period with their
// totals. Returned gifts net everywhere: a reversal counts on the date of
// the gift it takes back.

#include "giving/Statements.h"
#include "reports/Report.h"

#include <QLocale>

namespace pw {
class Database;
}

namespace pw::giving {

// What was counted in one batch: the checks with their numbers, the cash and
// the other methods, the totals per fund, and the batch's total against its
// control total.
reports::ReportPtr depositReport(Database& db, qint64 batchId, const QLocale& locale = QLocale());

// Each month of the year: what was given to each fund and in all, with a bar
// chart of the months' totals.
reports::ReportPtr fundMonthReport(Database& db, int year, const QLocale& locale = QLocale());

// Every pledge running in the period: the giver, fund, pledge period, what
// was pledged, given to the fund from its start up to the period's end, and
// what is left.
reports::ReportPtr pledgeReport(Database& db, const Period& period, const QLocale& locale = QLocale());

// Every giver of the period in name order, with the envelope number, the
// number of gifts and the total.
reports::ReportPtr giversReport(Database& db, const Period& period, const QLocale& locale = QLocale());

// The months' totals of the year per fund, as the report prints them: fund
// identifier -> 12 amounts (January first); for tests and the chart.
QHash<qint64, std::vector<qint64>> monthTotals(Database& db, int year);

} // namespace pw::giving
