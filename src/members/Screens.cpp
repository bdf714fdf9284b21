#include "members/Screens.h"

#include "app/Permissions.h"
#include "app/Workspace.h"
#include "members/frmMemberEntry.h"

namespace pw::members {

void registerScreens(Workspace& workspace)
{
    workspace.registerScreen({ QStringLiteral("frmMemberEntry"), { perm::MemberView, perm::MemberEntry }, refusal::View,
        [] { return new frmMemberEntry; } });
}

} // namespace pw::members
