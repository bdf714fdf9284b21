#include "members/Screens.h"

#include "app/Permissions.h"
#include "app/Workspace.h"
#include "members/frmMemberEntry.h"
#include "members/frmMergePeople.h"
#include "members/frmPossibleDuplicates.h"

#include <QCoreApplication>

namespace pw::members {

namespace {
    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(MemberScreens)
    };
} // namespace

void registerScreens(Workspace& workspace)
{
    workspace.registerScreen({ QStringLiteral("frmMemberEntry"), { perm::MemberView, perm::MemberEntry }, refusal::View,
        [] { return new frmMemberEntry; } });
    // Merging two records of one person: "Admin" accounts only.
    workspace.registerScreen({ QStringLiteral("frmMergePeople"), { perm::Admin }, adminRefusal(Tr::tr("merge people")),
        [] { return new frmMergePeople; } });
    // The pairs the duplicate rule finds, opened from the merge window.
    workspace.registerScreen({ QStringLiteral("frmPossibleDuplicates"), { perm::Admin },
        adminRefusal(Tr::tr("merge people")), [] { return new frmPossibleDuplicates; } });
}

} // namespace pw::members
