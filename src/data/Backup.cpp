#include "data/Backup.h"

#include "data/Clock.h"
#include "data/Database.h"
#include "data/FileOps.h"
#include "data/Health.h"
#include "data/NewDatabaseFile.h"
#include "data/Postgres.h"
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

namespace {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(Backup)
};
} // namespace

namespace pw::backup {

namespace {

    QString native(const QString& path) { return QDir::toNativeSeparators(path); }

    // A refusal of this file's own, which says everything already.
    DbError finalError(DbError e)
    {
        e.setFinal();
        return e;
    }

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
                return DbError(Tr::tr("The file \"%1\" could not be opened.").arg(native(m_path)));
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
            reason = Tr::tr("there is no room left on the disk. Free some space or choose another disk.");
            break;
        case DbError::Kind::ReadOnly:
            reason = Tr::tr("the folder cannot be written. Choose another folder.");
            break;
        case DbError::Kind::Locked:
            reason = Tr::tr("another program or workstation kept the database busy. Try again in a moment.");
            break;
        case DbError::Kind::Damaged:
            reason = Tr::tr("the database is damaged. Restore the most recent backup that passes its check.");
            break;
        case DbError::Kind::Io:
            reason = Tr::tr("the disk reported an error. Check that it is available, then try again.");
            break;
        case DbError::Kind::Other:
            reason = cause.message();
            break;
        }
        return DbError(cause.kind() == DbError::Kind::Other ? DbError::Kind::Io : cause.kind(),
            Tr::tr("The backup \"%1\" could not be written: %2").arg(native(target), reason),
            cause.detail().isEmpty() ? cause.message() : cause.detail());
    }

    // A copy just written: whole pages, and a Pewlark schema this program
    // reads. Messages name shown, the name the copy is written for.
    void checkCopy(const QString& path, const QString& shown)
    {
        RawFile raw(path, false);
        const QStringList check = raw.column("PRAGMA quick_check");
        if (check != QStringList { QStringLiteral("ok") })
            throw finalError(DbError(DbError::Kind::Damaged,
                Tr::tr("The file \"%1\" is damaged (the engine's check found problems); it cannot be used.")
                    .arg(native(shown)),
                check.mid(0, 3).join(QStringLiteral("; "))));
        const QStringList version = raw.column("SELECT MAX(Version) FROM Schema_Version");
        const int found = version.isEmpty() ? 0 : version.first().toInt();
        if (found < 1 || found > schema::kCurrentVersion)
            throw finalError(
                DbError(Tr::tr("The file \"%1\" is not a Pewlark database this program can read.").arg(native(shown))));
    }

    QString suffixed(const QString& base, const QString& suffix)
    {
        return suffix.isEmpty() ? base : base + QLatin1Char('.') + suffix;
    }

    // The people's pictures and the households' family pictures (the
    // directory's), each name once.
    const char* const kPicturesNamed
        = "SELECT Picture FROM Member WHERE Picture IS NOT NULL AND Picture <> '' UNION SELECT Family_Picture FROM "
          "Directory_Listing WHERE Family_Picture IS NOT NULL AND Family_Picture <> '' ORDER BY 1";
    // A copy of a file older than the directory (kept before its upgrade)
    // names the people's pictures only.
    const char* const kPeoplesPicturesNamed
        = "SELECT DISTINCT Picture FROM Member WHERE Picture IS NOT NULL AND Picture <> '' ORDER BY Picture";

    QStringList picturesNamed(const RawFile& file)
    {
        const bool directory = !file.column("SELECT name FROM sqlite_master WHERE type = 'table' AND name = "
                                            "'Directory_Listing'")
                                    .isEmpty();
        return file.column(directory ? kPicturesNamed : kPeoplesPicturesNamed);
    }

    // A picture's name as the roll keeps it ("12.jpg"): never a path.
    bool plainName(const QString& name)
    {
        return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
            && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
    }

    qint64 processId() { return QCoreApplication::applicationPid(); }

    // The name a copy was to take was taken meanwhile, by another process.
    class NameTaken : public DbError {
    public:
        explicit NameTaken(const QString& text)
            : DbError(text)
        {
            setFinal();
        }
    };

    // The file's header names the write-ahead log as its journal.
    bool writeAheadLog(const QString& path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        const QByteArray header = file.read(20);
        return header.size() == 20 && header.startsWith(QByteArrayLiteral("SQLite format 3\0")) && header.at(18) == 2;
    }

    // The pictures a church names, copied into a temporary folder beside
    // target and put in place as target by commit().
    class PictureCopy {
    public:
        PictureCopy(const QString& target, bool replace)
            : m_target(target)
            , m_temporary(NewDatabaseFile::temporaryPathFor(target, processId()))
            , m_replace(replace)
        {
        }
        ~PictureCopy()
        {
            if (!m_temporary.isEmpty())
                QDir(m_temporary).removeRecursively();
        }
        PictureCopy(const PictureCopy&) = delete;
        PictureCopy& operator=(const PictureCopy&) = delete;

        // pictureFolder is a plain prefix: a picture's file is the prefix
        // followed by its name.
        void copy(const QStringList& names, const QString& pictureFolder)
        {
            if (pictureFolder.isEmpty()) {
                missing = int(names.size());
                return;
            }
            for (const QString& name : names) {
                const QString from = pictureFolder + name;
                if (!plainName(name) || !QFileInfo(from).isFile()) {
                    ++missing;
                    continue;
                }
                if (copied == 0)
                    makeFolder(QFileInfo(from).absolutePath());
                QFile source(from);
                if (!source.copy(QDir(m_temporary).filePath(name)))
                    throw DbError(DbError::Kind::Io,
                        Tr::tr("The picture \"%1\" could not be copied into \"%2\": %3")
                            .arg(native(from), native(m_target), source.errorString()),
                        QString());
                ++copied;
            }
        }

        // Puts the copied pictures in place (a backup replaced loses its
        // pictures too); nothing when none were copied.
        void commit()
        {
            if (m_replace && QFileInfo(m_target).isDir())
                QDir(m_target).removeRecursively();
            if (copied == 0)
                return;
            files::flushFileSystem(m_temporary);
            const int error = files::renameInto(m_temporary, m_target, false);
            if (error == EEXIST || error == ENOTEMPTY)
                throw NameTaken(
                    Tr::tr("The folder \"%1\" already exists; it was left unchanged.").arg(native(m_target)));
            if (error != 0)
                throw DbError(files::kindOfError(error),
                    Tr::tr("The pictures could not be put in place as \"%1\": %2")
                        .arg(native(m_target), files::whyNotWritten(error, m_target)),
                    QString());
            m_temporary.clear();
            m_placed = true;
        }

        // After commit(): the copy they belong to could not be put in place.
        void undo()
        {
            if (m_placed)
                QDir(m_target).removeRecursively();
        }

        QString placed() const { return m_placed ? m_target : QString(); }

        int copied = 0;
        int missing = 0;

    private:
        // The folder takes the permissions of the picture folder.
        void makeFolder(const QString& pictureFolder)
        {
            if (!QDir().mkdir(m_temporary))
                throw finalError(DbError(DbError::Kind::ReadOnly,
                    Tr::tr("The folder for the pictures \"%1\" could not be created.").arg(native(m_target)),
                    QString()));
            QFile::setPermissions(m_temporary, QFileInfo(pictureFolder).permissions());
        }

        QString m_target;
        QString m_temporary;
        bool m_replace = false;
        bool m_placed = false;
    };

} // namespace

QString picturesFolderFor(const QString& backupPath)
{
    const QFileInfo info(backupPath);
    return info.absoluteDir().filePath(info.completeBaseName() + QStringLiteral("-pictures"));
}

Copy backUp(Database& db, const QString& target, const QString& pictureFolder, bool replace)
{
    const QFileInfo info(target);
    const QString path = info.absoluteFilePath();
    if (db.inTransaction())
        throw DbError(Tr::tr("A backup cannot be made while a change is being saved; try again."));
    if (info.isDir())
        throw DbError(Tr::tr("\"%1\" is a folder; give the backup a file name inside it.").arg(native(path)));
    if (!info.absoluteDir().exists())
        throw DbError(Tr::tr("The folder of the backup \"%1\" does not exist.").arg(native(path)));
    if (sameFile(path, db.path()) || sameFile(path, db.shownPath()))
        throw DbError(Tr::tr("The backup cannot be written over the database \"%1\" itself; choose another "
                             "file.")
                          .arg(native(path)));
    if ((info.exists() || info.isSymLink()) && !replace)
        throw NameTaken(Tr::tr("The file \"%1\" already exists; it was left unchanged.").arg(native(path)));

    NewDatabaseFile::removeStaleLeftoversIn(info.absolutePath());
    const QString temporary = NewDatabaseFile::temporaryPathFor(path, processId());
    files::removeWithCompanions(temporary);
    PictureCopy pictures(picturesFolderFor(path), replace);
    try {
        // The copy holds what the database holds: never readable by more
        // people than the database itself.
        const int created = files::createWithPermissions(temporary, files::permissionsOf(db.path()));
        if (created != 0)
            throw finalError(DbError(files::kindOfError(created),
                Tr::tr("The backup \"%1\" could not be written: %2")
                    .arg(native(path), files::whyNotWritten(created, path)),
                QString()));
        {
            RawFile copy(temporary, true);
            auto* source = static_cast<sqlite3*>(db.engineHandle());
            if (!source)
                throw DbError(Tr::tr("The database driver gave no SQLite connection."));
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
        checkCopy(temporary, path);
        // The pictures the copy names, as it names them.
        pictures.copy(picturesNamed(RawFile(temporary, false)), pictureFolder);
        files::flushToDisk(temporary, false);
        pictures.commit();
        const int error = files::renameInto(temporary, path, replace);
        if (error != 0)
            pictures.undo();
        if (error == EEXIST)
            throw NameTaken(Tr::tr("The file \"%1\" appeared while the backup was written; it was left "
                                   "unchanged.")
                                .arg(native(path)));
        if (error != 0)
            throw finalError(DbError(files::kindOfError(error),
                Tr::tr("The backup \"%1\" could not be written: %2")
                    .arg(native(path), files::whyNotWritten(error, path)),
                QString()));
    } catch (const DbError& e) {
        files::removeWithCompanions(temporary);
        // Our own refusals say everything already; the engine's failures are
        // put in words for the office.
        if (e.isFinal())
            throw;
        throw writeError(path, files::naming(e, temporary, path));
    }
    files::flushToDisk(info.absolutePath(), true);
    return { path, QFileInfo(path).size(), pictures.placed(), pictures.copied, pictures.missing };
}

Copy backUpPictures(Database& db, const QString& target, const QString& pictureFolder)
{
    const QFileInfo info(target);
    const QString path = info.absoluteFilePath();
    if (info.exists() || info.isSymLink())
        throw DbError(Tr::tr("The folder \"%1\" already exists; it was left unchanged.").arg(native(path)));
    if (!info.absoluteDir().exists())
        throw DbError(Tr::tr("The folder of \"%1\" does not exist.").arg(native(path)));
    NewDatabaseFile::removeStaleLeftoversIn(info.absolutePath());
    PictureCopy pictures(path, false);
    pictures.copy(db.texts(QString::fromLatin1(kPicturesNamed)), pictureFolder);
    pictures.commit();
    files::flushToDisk(info.absolutePath(), true);
    Copy copy;
    copy.pictureCopies = pictures.placed();
    copy.pictures = pictures.copied;
    copy.picturesMissing = pictures.missing;
    return copy;
}

namespace {

    // A journal beside the file holds a change that a program stopped in the
    // middle of when no program is making that change: the engine then has to
    // undo it, which a connection that only reads cannot (it says
    // SQLITE_READONLY_ROLLBACK). The journal of a change another program is
    // making right now is no such thing; reading waits for, or beside, it.
    bool unfinishedChange(const QString& path)
    {
        if (QFileInfo(path + QStringLiteral("-journal")).size() <= 0)
            return false;
        sqlite3* h = nullptr;
        sqlite3_open_v2(QFile::encodeName(path).constData(), &h, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_extended_result_codes(h, 1);
        sqlite3_busy_timeout(h, Database::kDefaultLockWaitMs);
        const bool left = sqlite3_exec(h, "SELECT COUNT(*) FROM sqlite_master", nullptr, nullptr, nullptr) != SQLITE_OK
            && sqlite3_extended_errcode(h) == SQLITE_READONLY_ROLLBACK;
        sqlite3_close_v2(h);
        return left;
    }

} // namespace

SourceFile::SourceFile(const QString& file, Check check, const QString& scratchFolder)
    : m_file(QFileInfo(file).absoluteFilePath())
{
    const QString shown = native(m_file);
    const auto refuse = [&](DbError::Kind kind, const QString& what, const QString& detail = QString()) {
        return finalError(DbError(kind, Tr::tr("The file \"%1\" %2").arg(shown, what), detail));
    };
    const QFileInfo info(m_file);
    if (info.isDir())
        throw refuse(DbError::Kind::Other,
            Tr::tr("is a folder, not a backup. Choose the backup file itself, for example \"%1\".")
                .arg(dailyFileName(QStringLiteral("church.sqlite"), QDate(2026, 3, 15))));
    if (!info.isFile())
        throw refuse(DbError::Kind::Other, Tr::tr("does not exist."));
    // A file in write-ahead-log mode is read from a working copy too, since
    // reading it in place leaves the log's files beside it.
    const bool unfinished = unfinishedChange(m_file);
    const bool writeAhead = writeAheadLog(m_file);
    try {
        std::unique_ptr<Database> db;
        if (!unfinished && !writeAhead) {
            db = Database::open(m_file, Database::OpenMode::ReadOnly);
            if (schema::version(*db) < schema::kCurrentVersion)
                db.reset();
        }
        if (!db) {
            // Opening the working copy undoes the unfinished change and
            // upgrades an older schema, as opening the database for work does.
            copyToScratch(scratchFolder);
            db = Database::open(m_scratch, Database::OpenMode::ExistingOnly);
            db->showAs(m_file);
        }
        if (check == Check::Readable)
            return;
        const QStringList pages = db->texts(QStringLiteral("PRAGMA quick_check"));
        if (pages != QStringList { QStringLiteral("ok") })
            throw refuse(DbError::Kind::Damaged,
                Tr::tr("is damaged (the engine's check found problems); it cannot be used."),
                pages.mid(0, 3).join(QStringLiteral("; ")));
        if (check == Check::WithAccount && !db->exists(QStringLiteral("SELECT 1 FROM \"User\" LIMIT 1")))
            throw refuse(DbError::Kind::Damaged,
                Tr::tr("holds no user accounts, so nobody could log in after a restore; it cannot be "
                       "used."));
    } catch (const DbError& e) {
        const DbError named = m_scratch.isEmpty() ? e : files::naming(e, m_scratch, m_file);
        if (!m_scratch.isEmpty())
            files::removeWithCompanions(m_scratch);
        // The schema's refusals and ours name the file already; the engine
        // could not read it at all when it reports a kind with its own words.
        if (named.kind() == DbError::Kind::Other || named.kind() == DbError::Kind::Locked || named.detail().isEmpty()
            || named.isFinal())
            throw named;
        throw refuse(named.kind() == DbError::Kind::Io ? DbError::Kind::Io : DbError::Kind::Damaged,
            Tr::tr("could not be read as a Pewlark database: it is damaged or is not a database file."),
            named.detail());
    }
}

void SourceFile::copyToScratch(const QString& scratchFolder)
{
    const QString folder = scratchFolder.isEmpty() ? QFileInfo(m_file).absolutePath() : scratchFolder;
    const QString base = QDir(folder).filePath(QFileInfo(m_file).fileName() + QStringLiteral("-source"));
    // What a run killed while it read this file left.
    NewDatabaseFile::removeStaleLeftovers(base);
    const int permissions = files::permissionsOf(m_file);
    const auto copy = [&](const QString& to) {
        m_scratch = to;
        files::removeWithCompanions(m_scratch);
        files::copyFile(m_file, m_scratch, permissions);
        for (const QString& suffix : { QStringLiteral("-journal"), QStringLiteral("-wal") })
            if (QFileInfo(m_file + suffix).size() > 0)
                files::copyFile(m_file + suffix, m_scratch + suffix, permissions);
    };
    try {
        copy(NewDatabaseFile::temporaryPathFor(base, processId()));
    } catch (const DbError& e) {
        files::removeWithCompanions(m_scratch);
        m_scratch.clear();
        if (e.kind() != DbError::Kind::ReadOnly)
            throw;
        // A folder this user may not write (a backup on a read-only disk):
        // a folder of this process's own, open to its user alone.
        m_private = std::make_unique<QTemporaryDir>();
        if (!m_private->isValid())
            throw;
        copy(m_private->filePath(QFileInfo(m_file).fileName()));
    }
}

std::unique_ptr<Database> SourceFile::open() const
{
    auto db = Database::open(readPath(), Database::OpenMode::ReadOnly);
    db->showAs(m_file);
    return db;
}

SourceFile::~SourceFile()
{
    if (!m_scratch.isEmpty())
        files::removeWithCompanions(m_scratch);
}

void checkRestorable(const QString& file, const QString& scratchFolder)
{
    SourceFile(file, SourceFile::Check::WithAccount, scratchFolder);
}

int putPicturesBack(const QString& backupPath, const QString& pictureFolder, const QString& keepReplacedIn)
{
    const QDir kept(picturesFolderFor(backupPath));
    const QString folder = QFileInfo(pictureFolder + QStringLiteral("1.jpg")).absolutePath();
    if (!QDir().mkpath(folder))
        throw DbError(Tr::tr("The picture folder \"%1\" could not be created.").arg(native(folder)));
    int count = 0;
    for (const QString& name : kept.entryList(QDir::Files, QDir::Name)) {
        const QString target = pictureFolder + name;
        const QString from = kept.filePath(name);
        if (!keepReplacedIn.isEmpty() && QFileInfo(target).isFile()) {
            QDir().mkpath(keepReplacedIn);
            QFile::copy(target, QDir(keepReplacedIn).filePath(name));
        }
        const QString temporary = NewDatabaseFile::temporaryPathFor(target, processId());
        QFile::remove(temporary);
        QFile source(from);
        // Each picture is whole under its name: written beside it, then renamed.
        const int error = source.copy(temporary) ? files::renameInto(temporary, target, true) : EIO;
        if (error != 0) {
            QFile::remove(temporary);
            throw DbError(Tr::tr("The picture \"%1\" could not be put back as \"%2\": %3")
                              .arg(native(from), native(target),
                                  source.error() != QFile::NoError ? source.errorString() : files::systemError(error)));
        }
        ++count;
    }
    files::flushFileSystem(folder);
    return count;
}

Restored restore(Database& db, const QString& file, const Clock& clock, const QString& pictureFolder)
{
    const QString backupPath = QFileInfo(file).absoluteFilePath();
    if (sameFile(backupPath, db.path()))
        throw DbError(
            Tr::tr("\"%1\" is the database in use; choose a backup file to restore.").arg(native(backupPath)));
    if (db.inTransaction())
        throw DbError(Tr::tr("A backup cannot be restored while a change is being saved; try again."));
    const SourceFile source(backupPath, SourceFile::Check::WithAccount, QFileInfo(db.path()).absolutePath());
    // A database that cannot take the backup is said now, before a copy of
    // it is kept for nothing.
    health::checkWritable(db, db.lockWaitLimit());

    // The database as it is now stays beside it under a dated name, with
    // its pictures.
    Restored restored;
    const Copy saved = backUpDated(db, QStringLiteral("before-restore"), clock, pictureFolder);
    restored.savedCopy = saved.path;
    restored.savedPictures = saved.pictureCopies;

    {
        RawFile from(source.readPath(), false);
        auto* live = static_cast<sqlite3*>(db.engineHandle());
        if (!live)
            throw DbError(Tr::tr("The database driver gave no SQLite connection."));
        const Database::EngineCall call(db);
        // The pages are written in one transaction of the live database, so
        // the engine's journal makes the replacement all or nothing.
        const int rc = copyPages(live, from.handle(), db.lockWaitLimit());
        if (rc != SQLITE_DONE) {
            const DbError e
                = engine::error(rc, sqlite3_system_errno(live), QString::fromUtf8(sqlite3_errstr(rc)), db.path());
            throw DbError(e.kind(),
                Tr::tr("The backup \"%1\" was not restored; the database is unchanged. %2")
                    .arg(native(backupPath), e.message()),
                e.detail());
        }
    }
    schema::checkAndUpgrade(db);
    health::checkIntact(db);
    restored.size = QFileInfo(db.path()).size();
    restored.picturesFound = !pictureFolder.isEmpty() && QFileInfo(picturesFolderFor(backupPath)).isDir();
    if (restored.picturesFound) {
        // The database is restored by now; a picture that cannot be put back
        // is said, not taken for a failed restore.
        try {
            restored.picturesBack = putPicturesBack(backupPath, pictureFolder);
        } catch (const DbError& e) {
            restored.picturesProblem = e.text();
        }
    }
    return restored;
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

QString datedCopyPath(const QString& databasePath, const QString& what, const Clock& clock)
{
    const QFileInfo current(databasePath);
    const QString stamp = clock.now().toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    for (int n = 1;; ++n) {
        const QString base = current.completeBaseName() + QLatin1Char('.') + what + QLatin1Char('-') + stamp
            + (n > 1 ? QStringLiteral("-%1").arg(n) : QString());
        const QString path = current.absoluteDir().filePath(suffixed(base, current.suffix()));
        if (!QFileInfo::exists(path) && !QFileInfo::exists(picturesFolderFor(path)))
            return path;
    }
}

Copy backUpDated(Database& db, const QString& what, const Clock& clock, const QString& pictureFolder)
{
    for (int tries = 1;; ++tries) {
        try {
            return backUp(db, datedCopyPath(db.path(), what, clock), pictureFolder);
        } catch (const NameTaken&) {
            if (tries == 100)
                throw;
        }
    }
}

Daily dailyBackup(Database& db, const Clock& clock, const QString& pictureFolder, int kept)
{
    const QString folder = dailyFolder(db.path());
    const bool existed = QFileInfo(folder).isDir();
    if (!QDir().mkpath(folder))
        throw DbError(DbError::Kind::ReadOnly,
            Tr::tr("The backup folder \"%1\" could not be created beside the database.").arg(native(folder)),
            QString());
    if (!existed) {
        // A new folder is no more open than the database: whoever may not
        // read the church may not list its copies either.
        const int file = files::permissionsOf(db.path());
        files::setPermissions(folder, file | ((file & 0444) >> 2));
    }
    Daily daily;
    const QString path = QDir(folder).filePath(dailyFileName(db.path(), clock.today()));
    if (QFileInfo::exists(path)) {
        daily.copy.path = path;
        daily.copy.size = QFileInfo(path).size();
    } else {
        daily.copy = backUp(db, path, pictureFolder);
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
        if (QFile::remove(old)) {
            QDir(picturesFolderFor(old)).removeRecursively();
            daily.removed.append(old);
        }
    }
    return daily;
}

QString backUpBeforeUpgrade(Database& db, const Clock& clock)
{
    if (db.engine() != Database::Engine::SQLite)
        return {};
    // The pictures stay as they are in an upgrade: the database alone.
    return backUpDated(db, QStringLiteral("before-upgrade"), clock).path;
}

ReadOnlyChurch openToRead(const QString& location)
{
    ReadOnlyChurch church;
    if (postgres::isLocation(location)) {
        church.db = Database::open(location, Database::OpenMode::ReadOnly);
    } else {
        church.working = std::make_unique<SourceFile>(location, SourceFile::Check::Readable);
        church.db = church.working->open();
    }
    return church;
}

} // namespace pw::backup
