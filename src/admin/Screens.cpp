#include "admin/Screens.h"

#include "admin/ListEditor.h"
#include "admin/frmChangePassword.h"
#include "admin/frmChurchInfo.h"
#include "admin/frmImportPeople.h"
#include "admin/frmUserEntry.h"
#include "app/Permissions.h"
#include "app/Workspace.h"
#include <QCoreApplication>

namespace pw::admin {

namespace {
    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(AdminScreens)
    };
} // namespace

void registerScreens(Workspace& workspace)
{
    const QList<ListEditorSetup (*)()> editors = {
        [] { return classEditor(Lookups::ClassKind::SundaySchool); },
        [] { return classEditor(Lookups::ClassKind::DiscipleshipTraining); },
        [] { return classEditor(Lookups::ClassKind::WednesdayNight); },
        &careGroupEditor,
        &responsibilityEditor,
    };
    for (ListEditorSetup (*setup)() : editors) {
        const ListEditorSetup editor = setup();
        workspace.registerScreen(
            { editor.windowName, { editor.permission }, refusal::View, [setup] { return new ListEditor(setup()); } });
    }
    workspace.registerScreen(
        { QStringLiteral("frmUserEntry"), { perm::UserPermissions }, refusal::View, [] { return new frmUserEntry; } });
    workspace.registerScreen(
        { QStringLiteral("frmChurchInfo"), { perm::ChurchInfo }, refusal::View, [] { return new frmChurchInfo; } });
    // Window > Change My Password: every user, for his own account.
    workspace.registerScreen({ QStringLiteral("frmChangePassword"), {}, refusal::View,
        [] { return new frmChangePassword; }, Workspace::Placement::Centred });
    // File > Import People...: a whole roll at once, so "Admin" accounts only.
    workspace.registerScreen({ QStringLiteral("frmImportPeople"), { perm::Admin },
        adminRefusal(Tr::tr("import people")), [] { return new frmImportPeople; } });
}

} // namespace pw::admin
