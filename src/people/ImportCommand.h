#pragma once

// pewlark --import-people FILE.csv [--mapping FILE.json] [--dry-run]
// [--duplicates skip|fill|add] [--into DB]: the people import without
// windows, for the command-line job to call.

#include <QString>

class QTextStream;

namespace pw {

class Clock;

namespace people {

    struct ImportCommand {
        QString file; // the CSV table
        QString mapping; // a saved mapping; empty: columns matched by their names
        bool dryRun = false; // print the preview and write nothing
        QString duplicates; // "skip", "fill" or "add"; empty: the mapping's choice (skip)
        QString database; // the church: a file or a postgresql:// location
        QString pictureFolder; // copied with the backup made before the import
        QString userName = QStringLiteral("Import"); // stored as who added the people
    };

    // Runs it: the preview (a dry run) or the report on out, a refusal or
    // failure on err as "pewlark: <message>". Returns 0 when done (or
    // previewed), 1 when refused or failed (nothing written), 2 for a
    // --duplicates value that is none of the three.
    int runImportPeople(const ImportCommand& command, const Clock& clock, QTextStream& out, QTextStream& err);

} // namespace people

} // namespace pw
