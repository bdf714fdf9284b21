#include "navigators/Screens.h"

#include "app/Permissions.h"
#include "app/Workspace.h"
#include "navigators/frmMemberNavigator.h"
#include "navigators/frmProspectNavigator.h"
#include "navigators/frmStartPage.h"

namespace pw::navigators {

void registerScreens(Workspace& workspace)
{
    workspace.registerScreen({ QStringLiteral("frmMemberNavigator"), { perm::MemberView, perm::MemberEntry },
        refusal::View, [] { return new frmMemberNavigator; } });
    workspace.registerScreen({ QStringLiteral("frmProspectNavigator"), { perm::MemberView, perm::MemberEntry },
        refusal::View, [] { return new frmProspectNavigator; } });
    // Open to everybody: the page itself shows names only to "Member View".
    workspace.registerScreen({ QStringLiteral("frmStartPage"), {}, QString(), [] { return new frmStartPage; } });
}

} // namespace pw::navigators
