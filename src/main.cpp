#include "admin/Screens.h"
#include "attendance/Screens.h"
#include "checkin/Screens.h"
#include "cli/BackupJobs.h"
#include "cli/CommandLine.h"
#include "cli/DatabaseJobs.h"
#include "cli/GivingJobs.h"
#include "cli/ImportJobs.h"
#include "cli/Jobs.h"
#include "cli/PeopleJobs.h"
#include "data/Platform.h"
#include "directory/Screens.h"
#include "giving/Screens.h"
#include "members/Screens.h"
#include "navigators/Screens.h"
#include "outreach/Screens.h"
#include "reports/Screens.h"
#include "rosters/Screens.h"

// Each command-line job registers itself under its option; --help lists them
// in this order.
static void registerJobs(pw::cli::Jobs& jobs)
{
    pw::cli::registerDemoDatabase(jobs);
    pw::cli::registerCreateDatabase(jobs);
    pw::cli::registerImportLegacy(jobs);
    pw::cli::registerCopyDatabase(jobs);
    pw::cli::registerBackup(jobs);
    pw::cli::registerRestore(jobs);
    pw::cli::registerImportPeople(jobs);
    pw::cli::registerStatements(jobs);
    pw::cli::registerImportGifts(jobs);
}

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
    pw::giving::registerScreens(workspace);
    pw::rosters::registerScreens(workspace);
    pw::checkin::registerScreens(workspace);
    pw::directory::registerScreens(workspace);
}

int main(int argc, char** argv)
{
    pw::platform::prepareProcess();
    return pw::platform::endProcess(pw::cli::runPewlark(argc, argv, registerJobs, registerScreens));
}
