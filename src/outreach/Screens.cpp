#include "outreach/Screens.h"

#include "app/Permissions.h"
#include "app/Workspace.h"
#include "outreach/frmOutreachPhaseEntry.h"
#include "outreach/frmProspectContactEntry.h"

namespace pw::outreach {

void registerScreens(Workspace& workspace)
{
    workspace.registerScreen({ QStringLiteral("frmProspectContactEntry"), { perm::ProspectContactEntry }, refusal::View,
        [] { return new frmProspectContactEntry; } });
    workspace.registerScreen({ QStringLiteral("frmOutreachPhaseEntry"), { perm::OutreachPhaseEntry }, refusal::View,
        [] { return new frmOutreachPhaseEntry; } });
}

} // namespace pw::outreach
