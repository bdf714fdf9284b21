#pragma once

#include <QString>

class QTextStream;

namespace pw::legacy {
class ToolRunner;
struct ImportOptions;
}

namespace pw::cli {

class Jobs;

// pewlark --import-legacy OLD.mdb --into NEW.sqlite [--pictures DIR]: imports
// the older program's file with the installed mdbtools, prints a progress
// line per table on standard error and the report on standard output.
// Exits with 0 when the new database is in place, 1 when the import was
// refused or failed (nothing at the target), 2 when --into is missing.
void registerImportLegacy(Jobs& jobs);

// The import job with the given mdbtools runner and output streams.
int runImportCommand(
    legacy::ToolRunner& runner, const legacy::ImportOptions& options, QTextStream& out, QTextStream& err);

} // namespace pw::cli
