#pragma once

namespace pw::cli {

class Jobs;

// pewlark --statements [--from DATE --to DATE] --pdf DIR [--csv FILE]: the
// contribution statements of the period (last calendar year by default) for
// everybody who gave, one PDF per giver or household in DIR, with --csv one
// row per unit and fund with its total. Prints how many statements were
// written and names the givers without an address. Exits with 0 when done,
// 1 when the database or a file could not be read or written, 2 for a
// mistake in the options.
void registerStatements(Jobs& jobs);

// pewlark --import-gifts FILE.csv [--mapping FILE.json] [--create-funds]
// [--dry-run] [--into DB]: gifts from an online-giving service's CSV export
// into one new batch. Prints what was imported and lists the rows left out
// (givers matched by nobody or by several people, unknown funds). Exits with
// 0 when done or previewed, 1 when refused or failed (nothing written), 2
// for a mistake in the options.
void registerImportGifts(Jobs& jobs);

} // namespace pw::cli
