#pragma once

// The texts of a people import: the preview before anything is written, the
// report of what was written, and the rejects file that lists every row with
// a problem, as the older program's import writes them.

#include <QString>

namespace pw {

class Database;

namespace people {

    class ImportPlan;
    struct ImportResult;

    // Counts of new people, families, updates, duplicates and rows with
    // problems; then each problem row with its line and what is wrong, and
    // each duplicate with whom it matches and what happens to it.
    QString previewText(Database& db, const ImportPlan& plan);

    // What the import did, or why it failed and that nothing was written.
    QString reportText(const ImportPlan& plan, const ImportResult& result);

    // One line per problem: line of the file, the row, what happened.
    QString rejectsText(const ImportPlan& plan, const ImportResult& result);

} // namespace people

} // namespace pw
