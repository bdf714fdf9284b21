#include "rosters/Screens.h"

#include "app/Permissions.h"
#include "app/Workspace.h"
#include "rosters/frmRosterPositions.h"
#include "rosters/frmRosters.h"

namespace pw::rosters {

void registerScreens(Workspace& workspace)
{
    // "Member View" looks at the rosters; "Member Entry/Edit" changes them
    // (the screen is view only without it).
    workspace.registerScreen(
        { QStringLiteral("frmRosters"), { perm::MemberView }, refusal::View, [] { return new frmRosters; } });
    // The positions are the church's own list, kept like its responsibilities.
    workspace.registerScreen({ QStringLiteral("frmRosterPositions"), { perm::ResponsibilityEntry }, refusal::View,
        [] { return new frmRosterPositions; }, Workspace::Placement::Centred });
}

} // namespace pw::rosters
