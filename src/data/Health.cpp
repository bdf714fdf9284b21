#include "data/Health.h"

#include "data/Database.h"
#include "data/NewDatabaseFile.h"
#include "data/Postgres.h"
#include "data/Schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>
#include <sqlite3.h>

namespace {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(Health)
};
} // namespace

namespace pw::health {

namespace {

    DbError damaged(const QString& path, const QString& what, const QString& detail = QString())
    {
        return DbError(DbError::Kind::Damaged,
            Tr::tr("The database \"%1\" cannot be used: %2 Restore the most recent backup of it.")
                .arg(QDir::toNativeSeparators(path), what),
            detail);
    }

    bool onServer(const Database& db) { return db.engine() == Database::Engine::PostgreSQL; }

    // Restores the connection's lock wait when the check ends.
    class WaitLimit {
    public:
        WaitLimit(Database& db, int ms)
            : m_db(db)
            , m_saved(db.lockWaitLimit())
        {
            db.setLockWaitLimit(ms);
        }
        ~WaitLimit() { m_db.setLockWaitLimit(m_saved); }

    private:
        Database& m_db;
        int m_saved;
    };

} // namespace

void checkNotLeftover(const QString& path)
{
    if (postgres::isLocation(path))
        return;
    const QFileInfo info(path);
    const QString name = info.fileName();
    // ".church.sqlite.partial-123" is what building "church.sqlite" leaves.
    const int mark = int(name.lastIndexOf(QStringLiteral(".partial-")));
    if (!name.startsWith(QLatin1Char('.')) || mark <= 1)
        return;
    const QString target = info.absoluteDir().filePath(name.mid(1, mark - 1));
    if (!NewDatabaseFile::isLeftoverOf(target, name))
        return;
    throw DbError(DbError::Kind::Damaged,
        Tr::tr("The file \"%1\" is not a church database: it is what was left when writing \"%2\" was "
               "interrupted, and it may be incomplete. Use \"%2\" if it exists, or create that database "
               "again; the leftover file can be deleted.")
            .arg(QDir::toNativeSeparators(info.absoluteFilePath()), QDir::toNativeSeparators(target)),
        QString());
}

DbError pageCheckFailure(const QString& path, const QStringList& problems)
{
    // The first few findings are enough to show what is wrong.
    const QStringList shown = problems.mid(0, 3);
    return damaged(path,
        (problems.size() == 1 ? Tr::tr("it is damaged (the engine's check found %1 problem).")
                              : Tr::tr("it is damaged (the engine's check found %1 problems)."))
            .arg(problems.size()),
        shown.join(QStringLiteral("; ")));
}

DbError pageCheckFailure(const QString& path, const DbError& engineError)
{
    if (engineError.kind() == DbError::Kind::Damaged || engineError.kind() == DbError::Kind::Io)
        return damaged(path, Tr::tr("it is damaged."), engineError.detail());
    return engineError;
}

void checkIntact(Database& db)
{
    if (onServer(db))
        return; // the server checks its own storage
    QStringList problems;
    try {
        QSqlQuery q = db.exec(QStringLiteral("PRAGMA quick_check"));
        while (q.next())
            problems.append(q.value(0).toString());
    } catch (const DbError& e) {
        throw pageCheckFailure(db.shownPath(), e);
    }
    if (problems != QStringList { QStringLiteral("ok") })
        throw pageCheckFailure(db.shownPath(), problems);
}

void checkHasAccount(Database& db)
{
    if (db.exists(QStringLiteral("SELECT 1 FROM \"User\" LIMIT 1")))
        return;
    if (onServer(db))
        throw DbError(DbError::Kind::Damaged,
            Tr::tr("%1 holds no user accounts, so nobody can log in. It may be an unfinished or damaged "
                   "copy; copy the church onto it again, or restore the server's most recent backup of it.")
                .arg(postgres::capitalisedDisplay(postgres::parse(db.path()))),
            QString());
    throw damaged(db.shownPath(),
        Tr::tr("it holds no user accounts, so nobody can log in. It may be an unfinished or damaged copy."));
}

void checkWritable(Database& db, int waitMs)
{
    if (onServer(db)) {
        if (db.inTransaction())
            return;
        // A login the server gives read rights only, or a standby server,
        // refuses the first change: found now rather than at the first save.
        const WaitLimit limit(db, waitMs);
        Transaction probe(db);
        db.exec(QStringLiteral("UPDATE Schema_Version SET Version = Version"));
        return; // rolled back
    }
    auto* h = static_cast<sqlite3*>(db.engineHandle());
    // A read-only file is opened read-only without an error; say so now
    // rather than at the first save.
    if (h && sqlite3_db_readonly(h, "main") == 1)
        throw DbError(DbError::Kind::ReadOnly, engine::messageFor(DbError::Kind::ReadOnly, SQLITE_READONLY, db.path()),
            Tr::tr("the file was opened read-only"));
    if (db.inTransaction())
        return; // a change is under way, so the file is evidently writable
    const WaitLimit limit(db, waitMs);
    Transaction probe(db);
    // Writing the header's user version with its own value needs the journal
    // beside the file, as every change does; the probe is then undone.
    const qint64 userVersion = db.scalar(QStringLiteral("PRAGMA user_version")).toLongLong();
    db.exec(QStringLiteral("PRAGMA user_version = %1").arg(userVersion));
    // probe is never committed: leaving the scope rolls the change back.
}

void checkAtStartup(Database& db, bool pages)
{
    checkNotLeftover(db.path());
    if (pages)
        checkIntact(db);
    checkHasAccount(db);
    checkWritable(db);
}

} // namespace pw::health
