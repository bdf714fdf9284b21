#pragma once

#include <QString>

namespace pw {
class Clock;
}

namespace pw::cli {

class Jobs;

// pewlark --backup FILE and pewlark --restore FILE, on the database the
// configuration file names, for scheduled tasks: each registered under its
// option.
void registerBackup(Jobs& jobs);
void registerRestore(Jobs& jobs);

// The two jobs themselves. They print what they did; on failure a message on
// standard error and exit code 1. A restore puts the backup in place even of
// a database that cannot be opened at all (damaged, or missing): that one is
// moved aside to a dated name, with its journal, and the backup's pictures
// are put back; the ones they replace are kept beside the moved file.
int runBackupCommand(const QString& configPath, const QString& target);
int runRestoreCommand(const QString& configPath, const QString& file, const Clock& clock);

} // namespace pw::cli
