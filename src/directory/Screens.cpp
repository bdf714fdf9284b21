#include "directory/Screens.h"

#include "app/Permissions.h"
#include "app/Workspace.h"
#include "directory/frmChurchDirectory.h"

namespace pw::directory {

void registerScreens(Workspace& workspace)
{
    // The directory shows what the member screen shows, so "Member View" opens it.
    workspace.registerScreen({ QStringLiteral("frmChurchDirectory"), { perm::MemberView }, refusal::ViewReport,
        [] { return new frmChurchDirectory; }, Workspace::Placement::Centred });
}

} // namespace pw::directory
