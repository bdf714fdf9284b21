#include "reports/ReportData.h"

namespace pw::reports {

QString designName(Design design)
{
    switch (design) {
    case Design::MemberList:
        return QStringLiteral("crptMemberNavigatorReport");
    case Design::ProspectList:
        return QStringLiteral("crptProspectNavigatorReport");
    case Design::MailingLabels:
        return QStringLiteral("crptMailingLabels");
    case Design::VisitationSheet:
        return QStringLiteral("crptProspectVisitationSheetReport");
    case Design::MemberInfoUpdate:
        return QStringLiteral("crptMemberInfoUpdateReport");
    }
    return {};
}

QString designTitle(Design design)
{
    switch (design) {
    case Design::MemberList:
        return QStringLiteral("Member List");
    case Design::ProspectList:
        return QStringLiteral("Prospect List");
    case Design::MailingLabels:
        return QStringLiteral("Mailing Labels");
    case Design::VisitationSheet:
        return QStringLiteral("Prospect Visitation Sheet");
    case Design::MemberInfoUpdate:
        return QStringLiteral("Member Information Update");
    }
    return {};
}

} // namespace pw::reports
