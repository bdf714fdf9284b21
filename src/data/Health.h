#pragma once

// The checks a database file must pass before anyone works in it. Each one
// throws a DbError whose message names the file and says what to do; nothing
// is changed by any of them.

#include "data/Clock.h"
#include "data/Database.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace pw {

class Database;
class DbError;

namespace health {

    // How long the write check waits for another program's lock at start-up.
    constexpr int kStartupLockWaitMs = 3000;

    // The file is not the unfinished leftover of an interrupted creation (a
    // demo church, a new or imported database, a backup being written).
    void checkNotLeftover(const QString& path);

    // The engine's structural check of every page (PRAGMA quick_check).
    void checkIntact(Database& db);

    // At least one user account exists: without one nobody can log in, which
    // is what an unfinished or truncated file looks like.
    void checkHasAccount(Database& db);

    // Changes can be written: the file is not read-only, its folder is not
    // read-only (every change needs a journal file beside the database), and
    // no other program holds the write lock for longer than waitMs. The probe
    // takes the write lock and undoes its change, so the file stays as it is.
    void checkWritable(Database& db, int waitMs = kStartupLockWaitMs);

    // The refusal for a file whose page check found problems (the check's
    // own lines), or whose check failed with the engine's error.
    DbError pageCheckFailure(const QString& path, const QStringList& problems);
    DbError pageCheckFailure(const QString& path, const DbError& engineError);

    // Every check above, in that order, as start-up runs them. Without
    // pages, checkIntact() is left out.
    void checkAtStartup(Database& db, bool pages = true);

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

} // namespace health

} // namespace pw
