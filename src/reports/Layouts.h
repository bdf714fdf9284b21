#pragma once

// One layout per report design. Each flows the report's rows onto pages in
// point space; Report paints the pages it returns.

#include "reports/PageFrame.h"

namespace pw::reports::detail {

// A list made of units (its people), added to a flow one after the other,
// so that a list of any length is laid out once to find its page breaks and
// each page is laid out again from its mark when it is painted.
struct UnitLayout {
    int units = 0;
    std::function<void(Flow&)> start; // before the first unit; says so when there is nobody
    std::function<void(Flow&, int unit)> add;
};

UnitLayout memberListUnits(const ReportData& data);
UnitLayout prospectListUnits(const ReportData& data);

// Label sheets: which label goes where follows from its position alone.
int mailingLabelPages(const ReportData& data);
std::vector<Placed> mailingLabelPage(const ReportData& data, int page);

Document layoutVisitationSheet(const ReportData& data);
Document layoutMemberInfoUpdate(const ReportData& data);

// The fields of one person common to the member and prospect lists, as one
// block of rows: the name line, three columns of fields and the long texts.
std::vector<Row> personBlock(const DataTable& t, std::size_t row);

} // namespace pw::reports::detail
