#include "app/Startup.h"
#include "app/Workspace.h"
#include "members/frmMemberEntry.h"
#include "reports/frmMemberInformationUpdateReport.h"
#include "reports/frmVisitationSheetReport.h"

// Screens built so far register here under their window names; the main
// window's menu opens them by name.
static void registerScreens(pw::Workspace& workspace)
{
    using Placement = pw::Workspace::Placement;
    workspace.registerScreen(QStringLiteral("frmMemberEntry"), [] { return new pw::members::frmMemberEntry; });
    workspace.registerScreen(
        QStringLiteral("frmProspectVisitationSheetReport"), [] { return new pw::frmProspectVisitationSheetReport; },
        Placement::Centred);
    workspace.registerScreen(
        QStringLiteral("frmMemberInformationUpdateReport"), [] { return new pw::frmMemberInformationUpdateReport; },
        Placement::Centred);
}

int main(int argc, char** argv) { return pw::runPewlark(argc, argv, registerScreens); }
