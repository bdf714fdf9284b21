#include "app/Permissions.h"

#include "data/Database.h"
#include "data/Sql.h"
#include "widgets/Context.h"
#include "widgets/EditTracker.h"
#include "widgets/Messages.h"

#include <QCoreApplication>

namespace pw {

namespace {

    // The permission names and refusals of Permissions.h, for the translators:
    // the names stay keys in the database and are translated only where a
    // list of them is shown; a refusal is translated where it is shown.
    [[maybe_unused]] const char* const kShownTexts[] = {
        QT_TRANSLATE_NOOP("Permissions", "Admin"),
        QT_TRANSLATE_NOOP("Permissions", "Member View"),
        QT_TRANSLATE_NOOP("Permissions", "Member Entry/Edit"),
        QT_TRANSLATE_NOOP("Permissions", "Prospect Contact Entry/Edit"),
        QT_TRANSLATE_NOOP("Permissions", "Sunday School Class Entry/Edit"),
        QT_TRANSLATE_NOOP("Permissions", "Discipleship Training Class Entry/Edit"),
        QT_TRANSLATE_NOOP("Permissions", "Wednesday Night Class Entry/Edit"),
        QT_TRANSLATE_NOOP("Permissions", "Care Group Entry/Edit"),
        QT_TRANSLATE_NOOP("Permissions", "Church Responsibility Entry/Edit"),
        QT_TRANSLATE_NOOP("Permissions", "Outreach Phase Entry/Edit"),
        QT_TRANSLATE_NOOP("Permissions", "User Permissions"),
        QT_TRANSLATE_NOOP("Permissions", "Church Info"),
        QT_TRANSLATE_NOOP("Permissions", "Member Information Update Report"),
        QT_TRANSLATE_NOOP("Permissions", "Prospect Visitation Sheet Report"),
        QT_TRANSLATE_NOOP("Permissions", "Member Navigator Report"),
        QT_TRANSLATE_NOOP("Permissions", "Prospect Navigator Report"),
        QT_TRANSLATE_NOOP("Permissions", "Mailing Labels Report"),
        QT_TRANSLATE_NOOP("Permissions", "Giving Entry/Edit"),
        QT_TRANSLATE_NOOP("Permissions", "Giving View"),
        QT_TRANSLATE_NOOP("Permissions", "Invalid Permission"),
        QT_TRANSLATE_NOOP("Permissions", "You do not have permission to view this record."),
        QT_TRANSLATE_NOOP("Permissions", "You do not have permission to save this record."),
        QT_TRANSLATE_NOOP("Permissions", "You do not have permission to remove this record."),
        QT_TRANSLATE_NOOP("Permissions", "You do not have permission to edit this record."),
        QT_TRANSLATE_NOOP("Permissions", "You do not have permission to view this report."),
        QT_TRANSLATE_NOOP("Permissions", "You do not have permission to run this report."),
    };

} // namespace

QString shownRefusal(const QString& text)
{
    return QCoreApplication::translate("Permissions", text.toUtf8().constData());
}

QString shownPermission(const QString& name) { return shownRefusal(name); }

void showRefusal(const QString& text)
{
    messages().show(shownRefusal(text), shownRefusal(refusal::Title), Icon::Warning);
}

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
    showRefusal(refusalText);
    return false;
}

QString adminRefusal(const QString& what)
{
    return QCoreApplication::translate("Permissions", "Only an account of type \"Admin\" may %1.").arg(what);
}

bool requireAdmin(const QString& what) { return requirePermission(perm::Admin, adminRefusal(what)); }

bool requireSavePermission(EditTracker& tracker, const QString& permission)
{
    const bool may = HasPermission(permission);
    tracker.setViewOnly(!may);
    if (!may)
        showRefusal(refusal::Save);
    return may;
}

} // namespace pw
