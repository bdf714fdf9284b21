#include "members/Screens.h"

#include "app/Permissions.h"
#include "app/Workspace.h"
#include "members/PersonDelete.h"
#include "members/frmMemberEntry.h"
#include "members/frmMergePeople.h"
#include "members/frmPossibleDuplicates.h"

namespace pw::members {

void registerScreens(Workspace& workspace)
{
    workspace.registerScreen({ QStringLiteral("frmMemberEntry"), { perm::MemberView, perm::MemberEntry }, refusal::View,
        [] { return new frmMemberEntry; } });
    // Merging two records of one person: "Admin" accounts only.
    workspace.registerScreen({ QStringLiteral("frmMergePeople"), {}, {},
        []() -> QWidget* { return requireAdmin(QStringLiteral("merge people")) ? new frmMergePeople : nullptr; } });
    // The pairs the duplicate rule finds, opened from the merge window.
    workspace.registerScreen({ QStringLiteral("frmPossibleDuplicates"), {}, {}, []() -> QWidget* {
        return requireAdmin(QStringLiteral("merge people")) ? new frmPossibleDuplicates : nullptr;
    } });
}

} // namespace pw::members
