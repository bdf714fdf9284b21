#include "people/ImportCommand.h"

#include "data/Backup.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/Health.h"
#include "data/OpenChurch.h"
#include "people/ImportPlan.h"
#include "people/ImportReport.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

namespace pw::people {

namespace {
    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(ImportCommand)
    };

    // An import started while another one writes into the same church waits
    // for it (and then finds its people) rather than give up after the
    // usual few seconds: nobody sits at a job started from a script.
    constexpr int kWaitForAnotherImportMs = 5 * 60 * 1000;
} // namespace

int runImportPeople(const ImportCommand& command, const Clock& clock, QTextStream& out, QTextStream& err)
{
    try {
        ImportMapping mapping;
        const CsvTable table = readCsvFile(command.file);
        mapping = command.mapping.isEmpty() ? ImportMapping::guess(table.header) : ImportMapping::load(command.mapping);
        if (!command.duplicates.isEmpty() && !parseAction(command.duplicates, &mapping.duplicates)) {
            err << "pewlark: " << Tr::tr("--duplicates takes skip, fill or add, not \"%1\".").arg(command.duplicates)
                << Qt::endl;
            return 2;
        }
        if (mapping.columnFor(QStringLiteral("firstName")).isEmpty()
            && mapping.columnFor(QStringLiteral("lastName")).isEmpty())
            throw Error(Tr::tr("No column of \"%1\" is taken for a first or last name; name the columns "
                               "with --mapping FILE.json (File > Import People... saves one).")
                            .arg(QDir::toNativeSeparators(command.file)));

        if (command.dryRun) {
            const backup::ReadOnlyChurch church = backup::openToRead(command.database);
            const ImportPlan plan(*church.db, table, mapping, clock.today());
            out << previewText(*church.db, plan);
            out.flush();
            return 0;
        }
        // An older church is upgraded as start-up upgrades it, after its
        // before-upgrade copy.
        auto db = health::openForWork(command.database, clock, kWaitForAnotherImportMs);
        const ImportPlan plan(*db, table, mapping, clock.today());
        ImportPlan::RunOptions options;
        options.userName = command.userName;
        options.pictureFolder = command.pictureFolder;
        const ImportResult result = plan.run(*db, clock, options);
        out << reportText(plan, result);
        out.flush();
        if (!result.succeeded) {
            err << "pewlark: " << result.failure << Qt::endl;
            return 1;
        }
        return 0;
    } catch (const std::exception& e) {
        // Error and DbError carry the user's message as their what().
        err << "pewlark: " << QString::fromStdString(e.what()) << Qt::endl;
        return 1;
    }
}

} // namespace pw::people
