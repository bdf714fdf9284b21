#include "legacy/ImportCommand.h"

#include "legacy/ImportReport.h"
#include "legacy/Importer.h"
#include "legacy/JetTools.h"

#include <QTextStream>
#include <cstdio>

namespace pw::legacy {

int runImportCommand(ToolRunner& runner, const ImportOptions& options, QTextStream& out, QTextStream& err)
{
    if (options.target.isEmpty()) {
        err << "pewlark: --import-legacy needs --into NEW.sqlite, the new database to write." << Qt::endl;
        return 2;
    }
    try {
        Importer importer(runner, options, [&err](const QString& line) { err << line << Qt::endl; });
        const ImportResult result = importer.run();
        out << reportText(result, options.oldFile);
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

int runImportCommand(const QString& oldFile, const QString& target, const QString& pictureFolder)
{
    ProcessRunner runner;
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runImportCommand(runner, ImportOptions { oldFile, target, pictureFolder }, out, err);
}

} // namespace pw::legacy
