#pragma once

// One layout per report design. Each flows the report's rows onto pages in
// point space; Report paints the pages it returns.

#include "reports/PageFrame.h"

namespace pw::reports::detail {

Document layoutMemberList(const ReportData& data);
Document layoutProspectList(const ReportData& data);
Document layoutMailingLabels(const ReportData& data);
Document layoutVisitationSheet(const ReportData& data);
Document layoutMemberInfoUpdate(const ReportData& data);

// The fields of one person common to the member and prospect lists, as one
// block of rows: the name line, three columns of fields and the long texts.
std::vector<Row> personBlock(const DataTable& t, std::size_t row);

} // namespace pw::reports::detail
