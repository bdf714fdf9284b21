#pragma once

// Opening a church for work: start-up's checks made on the file as the
// upgrade would leave it, the before-upgrade copy, then the upgrade. Stands
// above both the health checks (which know nothing of copies) and the
// backups (which use those checks).

#include "data/Clock.h"
#include "data/Database.h"

#include <QString>
#include <memory>

namespace pw::health {

    // Start-up's checks of a file (not a leftover, whole, intact, with an
    // account), made without changing it, on the file as the upgrade would
    // leave it: one of an older schema, or with a change a crash left
    // half-made, is checked in a working copy (backup::SourceFile) after the
    // upgrade steps. For a file chosen to be kept in the configuration, and
    // before an upgrade copies the file. A server's address passes.
    void checkAsStartupWould(const QString& path);

    // Opens an existing database for work (an import): refuses a leftover by
    // its name; an older file is checked as checkAsStartupWould() checks it
    // (an account aside) and for being writable, then copied as it is
    // ("church.before-upgrade-...sqlite", named by clock) before the upgrade
    // changes it; a file that is refused gets no copy. Throws DbError.
    std::unique_ptr<Database> openForWork(
        const QString& path, const Clock& clock, int lockWaitMs = Database::kDefaultLockWaitMs);

    // Start-up's whole job: refuses a leftover by its name before the engine
    // touches it, keeps a copy of an older database file before its upgrade
    // ("church.before-upgrade-...sqlite", named by clock) once the file has
    // passed checkAsStartupWould() (a file it refuses gets none), opens the
    // existing database (schema check and upgrade, and the engine undoes a
    // change a crash left half-made) and runs checkAtStartup(). Every wait for another
    // program's lock on the way is bounded by kStartupLockWaitMs. The pages of
    // a file larger than pageCheckLimit bytes (when it is not negative) are
    // left for a PageCheck to check while the program runs, and pagesLeft
    // says so. Throws DbError; the checks themselves write nothing.
    std::unique_ptr<Database> openForStartup(const QString& path, const Clock& clock = SystemClock(),
        qint64 pageCheckLimit = -1, bool* pagesLeft = nullptr);

} // namespace pw::health
