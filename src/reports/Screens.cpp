#include "reports/Screens.h"

#include "app/Permissions.h"
#include "app/Workspace.h"
#include "reports/ReportLauncher.h"

namespace pw::reports {

void registerScreens(Workspace& workspace)
{
    // The menu asks a launcher's own permission before it opens.
    for (LauncherSetup (*setup)() : { &memberInfoUpdateLauncher, &visitationSheetLauncher }) {
        const LauncherSetup launcher = setup();
        workspace.registerScreen({ launcher.windowName, { launcher.permission }, refusal::ViewReport,
            [setup] { return new ReportLauncher(setup()); }, Workspace::Placement::Centred });
    }
}

} // namespace pw::reports
