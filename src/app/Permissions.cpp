#include "app/Permissions.h"

#include "widgets/Context.h"
#include "widgets/EditTracker.h"
#include "widgets/Messages.h"
#include "data/Database.h"
#include "data/Sql.h"

namespace pw {

bool HasPermission(const QString& name)
{
    const CurrentUser& user = ctx().user;
    // Nobody logged in may do nothing, whatever a stray grant row says.
    if (user.username.isEmpty())
        return false;
    if (user.type == perm::Admin)
        return true;
    // "Admin" names the account type, never a grant a row could give.
    if (name == perm::Admin)
        return false;
    // A name without a Permission row gives identifier 0, which only a grant
    // row for permission 0 would match.
    const qint64 permissionId = sql::toId(
        db().scalar(QStringLiteral("SELECT ID FROM Permission WHERE ") + sql::textEquals("Name"), { name }));
    return db().exists(QStringLiteral("SELECT 1 FROM UserPermission WHERE MemberID = ? AND PermissionID = ?"),
        { user.id, permissionId });
}

bool requirePermission(const QString& name, const QString& refusalText)
{
    if (HasPermission(name))
        return true;
    messages().show(refusalText, refusal::Title, Icon::Warning);
    return false;
}

QString adminRefusal(const QString& what)
{
    return QStringLiteral("Only an account of type \"Admin\" may %1.").arg(what);
}

bool requireAdmin(const QString& what) { return requirePermission(perm::Admin, adminRefusal(what)); }

bool requireSavePermission(EditTracker& tracker, const QString& permission)
{
    const bool may = HasPermission(permission);
    tracker.setViewOnly(!may);
    if (!may)
        messages().show(refusal::Save, refusal::Title, Icon::Warning);
    return may;
}

} // namespace pw
