#pragma once

namespace pw::cli {

class Jobs;

// pewlark --import-people FILE.csv [--mapping FILE.json] [--dry-run]
// [--duplicates skip|fill|add] [--into DB]: people from a spreadsheet's CSV
// file into the database config.txt names (with its pictures backed up
// beside it), or into DB. Exits with 0 when done or previewed, 1 when the
// file is refused or the import failed (nothing written), 2 for a mistake in
// the options.
void registerImportPeople(Jobs& jobs);

} // namespace pw::cli
