#include "reports/Screens.h"

#include "app/Permissions.h"
#include "app/Workspace.h"
#include "reports/frmMemberInformationUpdateReport.h"
#include "reports/frmVisitationSheetReport.h"

namespace pw::reports {

void registerScreens(Workspace& workspace)
{
    workspace.registerScreen({ QStringLiteral("frmMemberInformationUpdateReport"), { perm::MemberInfoUpdateReport },
        refusal::ViewReport, [] { return new frmMemberInformationUpdateReport; }, Workspace::Placement::Centred });
    workspace.registerScreen({ QStringLiteral("frmProspectVisitationSheetReport"), { perm::VisitationSheetReport },
        refusal::ViewReport, [] { return new frmProspectVisitationSheetReport; }, Workspace::Placement::Centred });
}

} // namespace pw::reports
