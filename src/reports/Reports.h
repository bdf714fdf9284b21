#pragma once

// The five report operations. Each reads one report's rows, lays them out
// with the report's design and previews or prints it through output(). The
// callers test the report's permission first; these test nothing.
//
// People are passed as a list of member identifiers. The list is bound to the
// query as one value, so any number of people works; an identifier that names
// no member gives no row, and one named twice gives its row once.

#include "reports/HouseholdLabels.h"
#include "reports/Report.h"

#include <QList>

namespace pw::reports {

// The rows of each report, as the operations hand them to the layouts.
ReportData memberListData(const QList<qint64>& ids);
ReportData prospectListData(const QList<qint64>& ids);
// One label per person, or per household with a field "Addressee" holding the
// household's name (empty: the person's own name is used).
ReportData mailingLabelData(const QList<qint64>& ids, const HouseholdChoice& choice = {});
ReportData visitationSheetData(qint64 id);
ReportData memberInfoUpdateData(qint64 id);

// A stored phone number in the program's phone form, "(615) 555-0142";
// empty text for an empty or Null number.
QString formatPhone(const QVariant& stored);

// A report of that design with the church's name and today's date for its
// title and footer, and no rows yet.
ReportData newReportData(Design design);

// The layout of a report designed in another folder: its title and a
// function that flows its rows onto pages (PageFrame.h).
std::shared_ptr<CustomLayout> functionLayout(const QString& title, std::function<detail::Document()> layOut);
// Such a report, with the church's name and today's date.
ReportPtr customReport(const QString& title, std::function<detail::Document()> layOut);

// Preview (true) or print one copy. Return whether the report was shown or
// handed to a printer. A long list tells progress how far reading and laying
// it out have got; when progress answers false nothing is shown or printed.
bool PrintMemberList(const QList<qint64>& ids, bool preview, const Progress& progress = {});
bool PrintProspectList(const QList<qint64>& ids, bool preview, const Progress& progress = {});
// Labels are always previewed, so the sheet can be checked before printing.
bool PrintMailingLabels(const QList<qint64>& ids, const Progress& progress = {});
bool PrintMailingLabels(const QList<qint64>& ids, const HouseholdChoice& choice, const Progress& progress = {});
// The sheets print nothing for an identifier that names no member and return
// false then. The visitation sheet prints with the printer's own copy count,
// the update sheet one copy.
bool PrintVisitationSheet(qint64 id, bool preview);
bool PrintMemberInfoUpdate(qint64 id, bool preview);

} // namespace pw::reports
