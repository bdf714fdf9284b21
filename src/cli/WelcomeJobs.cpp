#include "cli/WelcomeJobs.h"

#include "demo/DemoGenerator.h"
#include "legacy/ImportReport.h"
#include "legacy/Importer.h"
#include "legacy/JetTools.h"
#include <QCoreApplication>

namespace {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(WelcomeJobs)
};
} // namespace

namespace pw::cli {

welcome::Jobs welcomeJobs()
{
    welcome::Jobs jobs;
    jobs.moveIn
        = [](const QString& oldFile, const QString& target, const std::function<void(const QString&)>& progress) {
              legacy::ProcessRunner runner;
              legacy::Importer importer(runner, legacy::ImportOptions { oldFile, target, {} }, progress);
              const legacy::ImportResult result = importer.run();
              QString report = legacy::reportText(result, oldFile);
              if (!result.succeeded)
                  report = result.failure + QStringLiteral("\n\n") + report;
              return welcome::Jobs::Outcome { result.succeeded, report };
          };
    jobs.makeDemo = [](const QString& target) {
        const demo::DemoSummary s = demo::generate(target, demo::DemoOptions());
        return Tr::tr("The demo church has %1 people. Log in as \"%2\" / \"%3\" (Admin) or \"%4\" / \"%5\" "
                      "(Member View only).")
            .arg(s.people)
            .arg(s.adminUsername, s.adminPassword, s.userUsername, s.userPassword);
    };
    return jobs;
}

} // namespace pw::cli
