#include "attendance/Screens.h"

#include "app/Permissions.h"
#include "app/Workspace.h"
#include "attendance/frmAttendanceEntry.h"
#include "attendance/frmAttendanceReports.h"

namespace pw::attendance {

void registerScreens(Workspace& workspace)
{
    // "Member View" looks, "Member Entry/Edit" records (the screen is view
    // only without it).
    workspace.registerScreen({ QStringLiteral("frmAttendanceEntry"), { perm::MemberView, perm::MemberEntry },
        refusal::View, [] { return new frmAttendanceEntry; } });
    workspace.registerScreen({ QStringLiteral("frmAttendanceReports"), { perm::MemberView, perm::MemberEntry },
        refusal::ViewReport, [] { return new frmAttendanceReports; }, Workspace::Placement::Centred });
}

} // namespace pw::attendance
