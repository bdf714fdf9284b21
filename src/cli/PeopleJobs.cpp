#include "cli/PeopleJobs.h"

#include "app/Config.h"
#include "cli/Jobs.h"
#include "data/Clock.h"
#include "people/ImportCommand.h"
#include "widgets/Guard.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

namespace {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(PeopleJobs)
};
} // namespace

namespace pw::cli {

namespace {

    int importPeople(const JobInput& input)
    {
        people::ImportCommand job;
        job.file = input.file;
        job.mapping = input.option(QStringLiteral("mapping"));
        job.dryRun = !input.option(QStringLiteral("dry-run")).isEmpty();
        job.duplicates = input.option(QStringLiteral("duplicates"));
        job.database = input.option(QStringLiteral("into"));
        if (job.database.isEmpty() && !churchFromConfig(input, &job.database, &job.pictureFolder))
            return 1;
        QTextStream out(stdout);
        QTextStream err(stderr);
        return people::runImportPeople(job, SystemClock(), out, err);
    }

} // namespace

void registerImportPeople(Jobs& jobs)
{
    jobs.registerJob({ { QStringLiteral("import-people"), QStringLiteral("FILE"),
                           Tr::tr("Import the people of the CSV table FILE into the database config.txt names "
                                  "(or the one --into names), after a backup, and stop.") },
        { { QStringLiteral("mapping"), QStringLiteral("FILE"),
              Tr::tr("Which column fills which field for --import-people, as File > Import People... saves "
                     "it.") },
            { QStringLiteral("dry-run"), QString(), Tr::tr("Print the preview of --import-people and write nothing.") },
            { QStringLiteral("duplicates"), QStringLiteral("skip|fill|add"),
                Tr::tr("What --import-people does with people already in the church: skip them (the "
                       "default), fill their empty fields, or add them anyway.") },
            { QStringLiteral("into"), QStringLiteral("DB"),
                Tr::tr("The database --import-people imports into, instead of the one config.txt names.") } },
        {}, {}, &importPeople });
}

} // namespace pw::cli
