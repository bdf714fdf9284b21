#include "data/OpenChurch.h"

#include "data/Backup.h"
#include "data/Database.h"
#include "data/Health.h"
#include "data/Postgres.h"
#include "data/Schema.h"

#include <QFileInfo>

namespace pw::health {

namespace {

    void checkUpgraded(const QString& path, bool needsAccount)
    {
        checkNotLeftover(path);
        if (postgres::isLocation(path))
            return;
        // The trial's own upgrade keeps no copy of the working copy.
        const schema::BeforeUpgrade none({});
        const backup::SourceFile church(path, backup::SourceFile::Check::Whole);
        if (needsAccount)
            checkHasAccount(*church.open());
    }

    // An older file is checked as it will be after the upgrade, then copied
    // as it is, and only then upgraded: a file that would be refused gets no
    // copy.
    std::unique_ptr<Database> openUpgrading(const QString& path, const Clock& clock, int lockWaitMs, bool startup)
    {
        checkNotLeftover(path);
        const schema::BeforeUpgrade keep([&clock, lockWaitMs, startup](Database& db) {
            checkUpgraded(db.path(), startup);
            checkWritable(db, lockWaitMs);
            backup::backUpBeforeUpgrade(db, clock);
        });
        return Database::open(path, Database::OpenMode::ExistingOnly, lockWaitMs);
    }

} // namespace

void checkAsStartupWould(const QString& path) { checkUpgraded(path, true); }

std::unique_ptr<Database> openForWork(const QString& path, const Clock& clock, int lockWaitMs)
{
    return openUpgrading(path, clock, lockWaitMs, false);
}

std::unique_ptr<Database> openForStartup(
    const QString& path, const Clock& clock, qint64 pageCheckLimit, bool* pagesLeft)
{
    std::unique_ptr<Database> db = openUpgrading(path, clock, kStartupLockWaitMs, true);
    // The page check reads the whole file: on a large church it would keep
    // the login window waiting for seconds.
    const bool later = pageCheckLimit >= 0 && db->engine() != Database::Engine::PostgreSQL && QFileInfo(path).size() > pageCheckLimit;
    checkAtStartup(*db, !later);
    db->setLockWaitLimit(Database::kDefaultLockWaitMs);
    if (pagesLeft)
        *pagesLeft = later;
    return db;
}

} // namespace pw::health
