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

} // namespace health

} // namespace pw
