#include "admin/Screens.h"
#include "app/Startup.h"
#include "demo/DemoGenerator.h"
#include "legacy/ImportReport.h"
#include "legacy/Importer.h"
#include "legacy/JetTools.h"
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
}

// What the welcome window of a first start hands to the floors above the
// program's own: moving in from the older program and making the demo.
static pw::welcome::Jobs welcomeJobs()
{
    pw::welcome::Jobs jobs;
    jobs.moveIn = [](const QString& oldFile, const QString& target,
                      const std::function<void(const QString&)>& progress) {
        pw::legacy::ProcessRunner runner;
        pw::legacy::Importer importer(runner, pw::legacy::ImportOptions { oldFile, target, {} }, progress);
        const pw::legacy::ImportResult result = importer.run();
        QString report = pw::legacy::reportText(result, oldFile);
        if (!result.succeeded)
            report = result.failure + QStringLiteral("\n\n") + report;
        return pw::welcome::Jobs::Outcome { result.succeeded, report };
    };
    jobs.makeDemo = [](const QString& target) {
        const pw::demo::DemoSummary s = pw::demo::generate(target, pw::demo::DemoOptions());
        return QStringLiteral("The demo church has %1 people. Log in as \"%2\" / \"%3\" (Admin) or \"%4\" / "
                              "\"%5\" (Member View only).")
            .arg(s.people)
            .arg(s.adminUsername, s.adminPassword, s.userUsername, s.userPassword);
    };
    return jobs;
}

int main(int argc, char** argv) { return pw::runPewlark(argc, argv, registerScreens, welcomeJobs()); }
