#include "admin/Screens.h"
#include "app/Startup.h"
#include "attendance/Screens.h"
#include "members/Screens.h"
#include "navigators/Screens.h"
#include "outreach/Screens.h"
#include "reports/Screens.h"

// Each folder registers its own screens, with their permission tests, under
// their window names; the main window's menu opens them by name.
static void registerScreens(pw::Workspace& workspace)
{
    pw::reports::registerScreens(workspace);
    pw::outreach::registerScreens(workspace);
    pw::admin::registerScreens(workspace);
    pw::members::registerScreens(workspace);
    pw::navigators::registerScreens(workspace);
    pw::attendance::registerScreens(workspace);
}

int main(int argc, char** argv) { return pw::runPewlark(argc, argv, registerScreens); }
