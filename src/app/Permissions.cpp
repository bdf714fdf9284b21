#include "app/Permissions.h"

#include "widgets/Context.h"
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
    if (user.type == QLatin1String("Admin"))
        return true;
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

} // namespace pw
