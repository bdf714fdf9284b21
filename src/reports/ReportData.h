#pragma once

// What a report is made of: the design it is laid out with and the rows the
// report operations read for it. The operations (Reports.h) fill it; the
// layouts (Report.h) paint it. Columns are matched to fields by position.

#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

namespace pw::reports {

enum class Design {
    MemberList, // crptMemberNavigatorReport
    ProspectList, // crptProspectNavigatorReport: main table plus the contacts
    MailingLabels, // crptMailingLabels
    VisitationSheet, // crptProspectVisitationSheetReport: plus the family text
    MemberInfoUpdate, // crptMemberInfoUpdateReport: plus the family text
};

// The design's own name, e.g. "crptMailingLabels".
QString designName(Design design);
// The title a secretary reads on the page and in the viewer, e.g. "Member List".
QString designTitle(Design design);

// One table of rows; every row has fields.size() values, in field order.
// A Null database value stays a Null QVariant.
struct DataTable {
    QStringList fields;
    std::vector<QVariantList> rows;

    int column(const QString& field) const { return static_cast<int>(fields.indexOf(field)); }
    QVariant value(std::size_t row, const QString& field) const
    {
        const int c = column(field);
        return c < 0 || row >= rows.size() ? QVariant() : rows[row].value(c);
    }
};

// Where the first label goes and how far the sheet is nudged to match the
// printer. Positions count 1..30 across then down (1 = top left, 3 = top
// right, 4 = second row left).
struct LabelOptions {
    int startPosition = 1;
    double offsetXmm = 0.0; // positive moves every label to the right
    double offsetYmm = 0.0; // positive moves every label down
};

struct ReportData {
    Design design = Design::MemberList;
    DataTable main;
    DataTable sub; // the prospect list's contacts; empty for the other designs
    QString familyText; // the two sheets: lines ended by "\r\n"
    QString churchName; // shown in the page title; may be empty
    QString printedOn; // date shown in the footer, already formatted
    LabelOptions labels; // mailing labels only
};

} // namespace pw::reports
