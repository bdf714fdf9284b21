#include "checkin/Screens.h"

#include "app/Permissions.h"
#include "app/Workspace.h"
#include "checkin/frmCheckinReports.h"
#include "checkin/frmCheckinStation.h"
#include "checkin/frmClassCheckout.h"

namespace pw::checkin {

void registerScreens(Workspace& workspace)
{
    // "Member View" opens the station and the check-out; checking in and out
    // takes "Member Entry/Edit" (their buttons are disabled without it).
    workspace.registerScreen({ QStringLiteral("frmCheckinStation"), { perm::MemberView, perm::MemberEntry },
        refusal::View, [] { return new frmCheckinStation; } });
    workspace.registerScreen({ QStringLiteral("frmClassCheckout"), { perm::MemberView, perm::MemberEntry },
        refusal::View, [] { return new frmClassCheckout; } });
    workspace.registerScreen({ QStringLiteral("frmCheckinReports"), { perm::MemberView }, refusal::ViewReport,
        [] { return new frmCheckinReports; }, Workspace::Placement::Centred });
}

} // namespace pw::checkin
