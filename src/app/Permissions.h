#pragma once

#include <QString>

namespace pw {

class EditTracker;

// Does the logged-in user hold the named permission? An "Admin" account
// (exact letter case) holds every one; anyone else holds what their grant
// rows say, read afresh at every call so a new grant works without a new login.
// While nobody is logged in the answer is always no.
bool HasPermission(const QString& name);

// Permission names the program asks about.
namespace perm {
    // Not a grant but the account type that holds every permission: a screen
    // or command registered with it is for "Admin" accounts only.
    inline const QString Admin = QStringLiteral("Admin");
    inline const QString MemberView = QStringLiteral("Member View");
    inline const QString MemberEntry = QStringLiteral("Member Entry/Edit");
    inline const QString ProspectContactEntry = QStringLiteral("Prospect Contact Entry/Edit");
    inline const QString SSClassEntry = QStringLiteral("Sunday School Class Entry/Edit");
    inline const QString DTClassEntry = QStringLiteral("Discipleship Training Class Entry/Edit");
    inline const QString WedClassEntry = QStringLiteral("Wednesday Night Class Entry/Edit");
    inline const QString CareGroupEntry = QStringLiteral("Care Group Entry/Edit");
    inline const QString ResponsibilityEntry = QStringLiteral("Church Responsibility Entry/Edit");
    inline const QString OutreachPhaseEntry = QStringLiteral("Outreach Phase Entry/Edit");
    inline const QString UserPermissions = QStringLiteral("User Permissions");
    inline const QString ChurchInfo = QStringLiteral("Church Info");
    inline const QString MemberInfoUpdateReport = QStringLiteral("Member Information Update Report");
    inline const QString VisitationSheetReport = QStringLiteral("Prospect Visitation Sheet Report");
    inline const QString MemberNavigatorReport = QStringLiteral("Member Navigator Report");
    inline const QString ProspectNavigatorReport = QStringLiteral("Prospect Navigator Report");
    inline const QString MailingLabelsReport = QStringLiteral("Mailing Labels Report");
    // Giving is confidential: nothing of it shows without "Giving View".
    inline const QString GivingEntry = QStringLiteral("Giving Entry/Edit");
    inline const QString GivingView = QStringLiteral("Giving View");
} // namespace perm

// The refusal texts, all shown under "Invalid Permission" with a warning icon.
namespace refusal {
    inline const QString Title = QStringLiteral("Invalid Permission");
    inline const QString View = QStringLiteral("You do not have permission to view this record.");
    inline const QString Save = QStringLiteral("You do not have permission to save this record.");
    inline const QString Remove = QStringLiteral("You do not have permission to remove this record.");
    inline const QString Edit = QStringLiteral("You do not have permission to edit this record.");
    inline const QString ViewReport = QStringLiteral("You do not have permission to view this report.");
    inline const QString RunReport = QStringLiteral("You do not have permission to run this report.");
} // namespace refusal

// A refusal (or the title "Invalid Permission") in the user's language; a text
// that is not one of the refusals above comes back as it is.
QString shownRefusal(const QString& text);
// A permission's name (a key stored with the account) as the user reads it.
QString shownPermission(const QString& name);
// Shows the refusal, translated, under "Invalid Permission" with a warning icon.
void showRefusal(const QString& text);

// Asks for the permission and shows the refusal when it is missing.
bool requirePermission(const QString& name, const QString& refusalText);

// For accounts of type "Admin" only (perm::Admin): true for one, otherwise
// adminRefusal(what) under "Invalid Permission".
bool requireAdmin(const QString& what);
// "Only an account of type "Admin" may <what>.", the refusal of a screen or
// command registered for "Admin" accounts only.
QString adminRefusal(const QString& what);

// The test an editing screen runs when it is about to save: the permission
// asked afresh (the grant may have been taken away since the window opened,
// or nobody is logged in any more), the screen's "View only" renewed to match,
// and the refusal "You do not have permission to save this record." when it
// is missing.
bool requireSavePermission(EditTracker& tracker, const QString& permission);

} // namespace pw
