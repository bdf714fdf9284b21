#include "cli/ImportJobs.h"

#include "cli/Jobs.h"
#include "legacy/ImportReport.h"
#include "legacy/Importer.h"
#include "legacy/JetTools.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

namespace {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(ImportJobs)
};
} // namespace

namespace pw::cli {

int runImportCommand(
    legacy::ToolRunner& runner, const legacy::ImportOptions& options, QTextStream& out, QTextStream& err)
{
    if (options.target.isEmpty()) {
        err << "pewlark: " << Tr::tr("--import-legacy needs --into NEW.sqlite, the new database to write.") << Qt::endl;
        return 2;
    }
    try {
        legacy::Importer importer(runner, options, [&err](const QString& line) { err << line << Qt::endl; });
        const legacy::ImportResult result = importer.run();
        out << legacy::reportText(result, options.oldFile);
        out.flush();
        if (!result.succeeded) {
            err << "pewlark: " << result.failure << Qt::endl;
            return 1;
        }
        return 0;
    } catch (const Error& e) {
        err << "pewlark: " << e.text() << Qt::endl;
        return 1;
    } catch (const std::exception& e) {
        err << "pewlark: " << e.what() << Qt::endl;
        return 1;
    }
}

void registerImportLegacy(Jobs& jobs)
{
    jobs.registerJob({ { QStringLiteral("import-legacy"), QStringLiteral("FILE"),
                           Tr::tr("Import the older program's database FILE (.mdb) into the new file --into "
                                  "names, and stop.") },
        { { QStringLiteral("into"), QStringLiteral("FILE"), Tr::tr("New database for --import-legacy.") },
            { QStringLiteral("pictures"), QStringLiteral("DIR"),
                Tr::tr("Picture folder for --import-legacy to check.") } },
        {}, {}, [](const JobInput& input) {
            legacy::ProcessRunner runner;
            QTextStream out(stdout);
            QTextStream err(stderr);
            return runImportCommand(runner,
                legacy::ImportOptions {
                    input.file, input.option(QStringLiteral("into")), input.option(QStringLiteral("pictures")) },
                out, err);
        } });
}

} // namespace pw::cli
