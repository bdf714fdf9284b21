#include "data/Backup.h"

#include "data/Clock.h"
#include "data/Database.h"
#include "data/Health.h"
#include "data/NewDatabaseFile.h"
#include "data/Schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <sqlite3.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace pw::backup {

namespace {

    QString native(const QString& path) { return QDir::toNativeSeparators(path); }

    qint64 nowMs()
    {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }

    // A connection of our own to a file that is not the program's database:
    // a backup being written, or a file offered for a restore.
    class RawFile {
    public:
        RawFile(const QString& path, bool writable)
            : m_path(path)
        {
            const QByteArray name = QFile::encodeName(path);
            const int flags = writable ? (SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE) : SQLITE_OPEN_READONLY;
            const int rc = sqlite3_open_v2(name.constData(), &m_handle, flags, nullptr);
            if (m_handle)
                sqlite3_extended_result_codes(m_handle, 1);
            if (rc != SQLITE_OK)
                throw error();
            sqlite3_busy_timeout(m_handle, Database::kDefaultLockWaitMs);
        }
        ~RawFile() { sqlite3_close_v2(m_handle); }
        RawFile(const RawFile&) = delete;
        RawFile& operator=(const RawFile&) = delete;

        sqlite3* handle() const { return m_handle; }

        DbError error() const
        {
            if (!m_handle)
                return DbError(QStringLiteral("The file \"%1\" could not be opened.").arg(native(m_path)));
            return engine::error(sqlite3_extended_errcode(m_handle), sqlite3_system_errno(m_handle),
                QString::fromUtf8(sqlite3_errmsg(m_handle)), m_path);
        }

        // The first column of every row of a statement without parameters.
        QStringList column(const char* sql) const
        {
            sqlite3_stmt* stmt = nullptr;
            if (sqlite3_prepare_v2(m_handle, sql, -1, &stmt, nullptr) != SQLITE_OK)
                throw error();
            QStringList out;
            int rc;
            while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
                out.append(text ? QString::fromUtf8(text) : QString());
            }
            sqlite3_finalize(stmt);
            if (rc != SQLITE_DONE)
                throw error();
            return out;
        }

    private:
        QString m_path;
        sqlite3* m_handle = nullptr;
    };

    // Copies every page of from into to in one step of the engine's online
    // backup, retrying while another connection holds a lock, up to limitMs.
    // Returns SQLITE_DONE or the failing code.
    int copyPages(sqlite3* to, sqlite3* from, int limitMs)
    {
        sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main");
        if (!backup)
            return sqlite3_extended_errcode(to);
        const qint64 start = nowMs();
        int rc;
        // One step for all pages: the source is read in one transaction, so
        // writers elsewhere wait a moment instead of restarting the copy.
        while ((rc = sqlite3_backup_step(backup, -1)) == SQLITE_BUSY || rc == SQLITE_LOCKED) {
            if (nowMs() - start >= limitMs)
                break;
            sqlite3_sleep(50);
        }
        const int finished = sqlite3_backup_finish(backup);
        return rc == SQLITE_DONE ? (finished == SQLITE_OK ? SQLITE_DONE : finished) : rc;
    }

    QString systemError(int code) { return QString::fromLocal8Bit(std::strerror(code)); }

    void flushToDisk(const QString& path, bool directory)
    {
        const QByteArray name = QFile::encodeName(path);
        const int fd = ::open(name.constData(), directory ? (O_RDONLY | O_DIRECTORY) : O_RDONLY);
        if (fd < 0)
            throw DbError(QStringLiteral("\"%1\" could not be opened to write it to disk: %2")
                              .arg(native(path), systemError(errno)));
        const int rc = ::fsync(fd);
        const int error = errno;
        ::close(fd);
        if (rc != 0 && !(directory && (error == EINVAL || error == ENOTSUP)))
            throw DbError(
                QStringLiteral("\"%1\" could not be written to disk: %2").arg(native(path), systemError(error)));
    }

    // Renames in one step; without replace, an existing target is refused.
    int renameInto(const QString& from, const QString& to, bool replace)
    {
        const QByteArray a = QFile::encodeName(from);
        const QByteArray b = QFile::encodeName(to);
        if (replace)
            return std::rename(a.constData(), b.constData()) == 0 ? 0 : errno;
        if (::renameat2(AT_FDCWD, a.constData(), AT_FDCWD, b.constData(), RENAME_NOREPLACE) == 0)
            return 0;
        if (errno != EINVAL && errno != ENOSYS)
            return errno;
        if (::link(a.constData(), b.constData()) != 0)
            return errno;
        ::unlink(a.constData());
        return 0;
    }

    void removeWithCompanions(const QString& path)
    {
        QFile::remove(path);
        for (const char* suffix : { "-journal", "-wal", "-shm" })
            QFile::remove(path + QLatin1String(suffix));
    }

    bool sameFile(const QString& a, const QString& b)
    {
        const QFileInfo ia(a);
        const QFileInfo ib(b);
        if (ia.exists() && ib.exists())
            return ia.canonicalFilePath() == ib.canonicalFilePath();
        return ia.absoluteFilePath() == ib.absoluteFilePath();
    }

    // What went wrong while writing a backup, in words for the office.
    DbError writeError(const QString& target, const DbError& cause)
    {
        QString reason;
        switch (cause.kind()) {
        case DbError::Kind::DiskFull:
            reason = QStringLiteral("there is no room left on the disk. Free some space or choose another disk.");
            break;
        case DbError::Kind::ReadOnly:
            reason = QStringLiteral("the folder cannot be written. Choose another folder.");
            break;
        case DbError::Kind::Locked:
            reason = QStringLiteral("another program or workstation kept the database busy. Try again in a moment.");
            break;
        case DbError::Kind::Damaged:
            reason = QStringLiteral("the database is damaged. Restore the most recent backup that passes its check.");
            break;
        case DbError::Kind::Io:
            reason = QStringLiteral("the disk reported an error. Check that it is available, then try again.");
            break;
        case DbError::Kind::Other:
            reason = cause.message();
            break;
        }
        return DbError(cause.kind() == DbError::Kind::Other ? DbError::Kind::Io : cause.kind(),
            QStringLiteral("The backup \"%1\" could not be written: %2").arg(native(target), reason),
            cause.detail().isEmpty() ? cause.message() : cause.detail());
    }

    // Checks a copy or a file offered for a restore without changing it and
    // returns its schema version.
    int checkFile(const QString& path, bool needsAccount)
    {
        const QString file = native(path);
        const auto refuse = [&](DbError::Kind kind, const QString& what, const QString& detail = QString()) {
            return DbError(kind, QStringLiteral("The file \"%1\" %2").arg(file, what), detail);
        };
        if (!QFileInfo(path).isFile())
            throw refuse(DbError::Kind::Other, QStringLiteral("does not exist."));
        try {
            RawFile raw(path, false);
            const QStringList check = raw.column("PRAGMA quick_check");
            if (check != QStringList { QStringLiteral("ok") })
                throw refuse(DbError::Kind::Damaged,
                    QStringLiteral("is damaged (the engine's check found problems); it cannot be used."),
                    check.mid(0, 3).join(QStringLiteral("; ")));
            if (raw.column("SELECT name FROM sqlite_master WHERE type = 'table' AND name = 'Schema_Version'").isEmpty())
                throw refuse(DbError::Kind::Other, QStringLiteral("is not a Pewlark database."));
            const QStringList version = raw.column("SELECT MAX(Version) FROM Schema_Version");
            const int found = version.isEmpty() ? 0 : version.first().toInt();
            if (found < 1)
                throw refuse(
                    DbError::Kind::Other, QStringLiteral("is not a Pewlark database: it has no schema version."));
            if (found > schema::kCurrentVersion)
                throw refuse(DbError::Kind::Other,
                    QStringLiteral("was written by a newer Pewlark (schema version %1); this program reads schema "
                                   "versions up to %2. Install the newer Pewlark, or choose an older backup.")
                        .arg(found)
                        .arg(schema::kCurrentVersion));
            if (needsAccount && raw.column("SELECT COUNT(*) FROM \"User\"").value(0).toInt() < 1)
                throw refuse(DbError::Kind::Damaged,
                    QStringLiteral("holds no user accounts, so nobody could log in after a restore; it cannot be "
                                   "used."));
            return found;
        } catch (const DbError& e) {
            if (e.message().startsWith(QStringLiteral("The file \"%1\"").arg(file)))
                throw;
            // The engine could not read it at all: not a database, or damaged.
            throw refuse(e.kind() == DbError::Kind::Other ? DbError::Kind::Damaged : e.kind(),
                QStringLiteral("could not be read as a Pewlark database: it is damaged or is not a database file."),
                e.detail().isEmpty() ? e.message() : e.detail());
        }
    }

    QString suffixed(const QString& base, const QString& suffix)
    {
        return suffix.isEmpty() ? base : base + QLatin1Char('.') + suffix;
    }

} // namespace

Copy backUp(Database& db, const QString& target, bool replace)
{
    const QFileInfo info(target);
    const QString path = info.absoluteFilePath();
    if (db.inTransaction())
        throw DbError(QStringLiteral("A backup cannot be made while a change is being saved; try again."));
    if (!info.absoluteDir().exists())
        throw DbError(QStringLiteral("The folder of the backup \"%1\" does not exist.").arg(native(path)));
    if (sameFile(path, db.path()))
        throw DbError(QStringLiteral("The backup cannot be written over the database \"%1\" itself; choose another "
                                     "file.")
                          .arg(native(path)));
    if ((info.exists() || info.isSymLink()) && !replace)
        throw DbError(QStringLiteral("The file \"%1\" already exists; it was left unchanged.").arg(native(path)));

    NewDatabaseFile::removeStaleLeftovers(path);
    const QString temporary = NewDatabaseFile::temporaryPathFor(path, QCoreApplication::applicationPid());
    removeWithCompanions(temporary);
    try {
        {
            RawFile copy(temporary, true);
            auto* source = static_cast<sqlite3*>(db.engineHandle());
            if (!source)
                throw DbError(QStringLiteral("The database driver gave no SQLite connection."));
            const Database::EngineCall call(db);
            const int rc = copyPages(copy.handle(), source, db.lockWaitLimit());
            if (rc != SQLITE_DONE) {
                // A failure on the reading side is the database's; otherwise the copy's.
                const int sourceCode = sqlite3_extended_errcode(source);
                if (sourceCode != SQLITE_OK && sourceCode == rc)
                    throw db.lastEngineError();
                throw engine::error(
                    rc, sqlite3_system_errno(copy.handle()), QString::fromUtf8(sqlite3_errstr(rc)), path);
            }
        }
        checkFile(temporary, false);
        flushToDisk(temporary, false);
        const int error = renameInto(temporary, path, replace);
        if (error == EEXIST)
            throw DbError(QStringLiteral("The file \"%1\" appeared while the backup was written; it was left "
                                         "unchanged.")
                              .arg(native(path)));
        if (error != 0)
            throw DbError(DbError::Kind::Io,
                QStringLiteral("The backup could not be put in place as \"%1\": %2.")
                    .arg(native(path), systemError(error)),
                QString());
    } catch (const DbError& e) {
        removeWithCompanions(temporary);
        // Our own refusals say everything already; the engine's failures are
        // put in words for the office.
        if (e.message().startsWith(QStringLiteral("The file \"%1\"").arg(native(path)))
            || e.message().startsWith(QStringLiteral("The backup")))
            throw;
        throw writeError(path, e);
    }
    try {
        flushToDisk(info.absolutePath(), true);
    } catch (const DbError&) {
        // The copy is in place; a folder that cannot be flushed is no failure.
    }
    return { path, QFileInfo(path).size() };
}

int checkRestorable(const QString& file) { return checkFile(file, true); }

Restored restore(Database& db, const QString& file, const Clock& clock)
{
    const QString backupPath = QFileInfo(file).absoluteFilePath();
    if (sameFile(backupPath, db.path()))
        throw DbError(
            QStringLiteral("\"%1\" is the database in use; choose a backup file to restore.").arg(native(backupPath)));
    if (db.inTransaction())
        throw DbError(QStringLiteral("A backup cannot be restored while a change is being saved; try again."));
    checkRestorable(backupPath);

    // The database as it is now stays beside it under a dated name.
    const QFileInfo current(db.path());
    const QString stamp = clock.now().toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    QString saved;
    for (int n = 1;; ++n) {
        const QString base = current.completeBaseName() + QStringLiteral(".before-restore-") + stamp
            + (n > 1 ? QStringLiteral("-%1").arg(n) : QString());
        saved = current.absoluteDir().filePath(suffixed(base, current.suffix()));
        if (!QFileInfo::exists(saved))
            break;
    }
    backUp(db, saved);

    {
        RawFile source(backupPath, false);
        auto* live = static_cast<sqlite3*>(db.engineHandle());
        if (!live)
            throw DbError(QStringLiteral("The database driver gave no SQLite connection."));
        const Database::EngineCall call(db);
        // The pages are written in one transaction of the live database, so
        // the engine's journal makes the replacement all or nothing.
        const int rc = copyPages(live, source.handle(), db.lockWaitLimit());
        if (rc != SQLITE_DONE) {
            const DbError e
                = engine::error(rc, sqlite3_system_errno(live), QString::fromUtf8(sqlite3_errstr(rc)), db.path());
            throw DbError(e.kind(),
                QStringLiteral("The backup \"%1\" was not restored; the database is unchanged. %2")
                    .arg(native(backupPath), e.message()),
                e.detail());
        }
    }
    schema::checkAndUpgrade(db);
    health::checkIntact(db);
    return { saved, QFileInfo(db.path()).size() };
}

QString dailyFolder(const QString& databasePath)
{
    return QFileInfo(databasePath).absoluteDir().filePath(QStringLiteral("backups"));
}

QString dailyFileName(const QString& databasePath, const QDate& day)
{
    const QFileInfo info(databasePath);
    return suffixed(info.completeBaseName() + QLatin1Char('-') + day.toString(Qt::ISODate), info.suffix());
}

Daily dailyBackup(Database& db, const Clock& clock, int kept)
{
    const QString folder = dailyFolder(db.path());
    if (!QDir().mkpath(folder))
        throw DbError(DbError::Kind::ReadOnly,
            QStringLiteral("The backup folder \"%1\" could not be created beside the database.").arg(native(folder)),
            QString());
    Daily daily;
    const QString path = QDir(folder).filePath(dailyFileName(db.path(), clock.today()));
    if (QFileInfo::exists(path)) {
        daily.copy = { path, QFileInfo(path).size() };
    } else {
        daily.copy = backUp(db, path);
        daily.made = true;
    }

    // Only this database's automatic backups count; their names sort by date.
    const QFileInfo info(db.path());
    const QRegularExpression own(
        QStringLiteral("^%1-\\d{4}-\\d{2}-\\d{2}%2$")
            .arg(QRegularExpression::escape(info.completeBaseName()),
                info.suffix().isEmpty() ? QString() : QRegularExpression::escape(QLatin1Char('.') + info.suffix())));
    QStringList backups;
    for (const QString& name : QDir(folder).entryList(QDir::Files, QDir::Name))
        if (own.match(name).hasMatch())
            backups.append(name);
    for (int i = 0; i + kept < backups.size(); ++i) {
        const QString old = QDir(folder).filePath(backups.at(i));
        if (QFile::remove(old))
            daily.removed.append(old);
    }
    return daily;
}

} // namespace pw::backup
