#include "app/BackupCommands.h"

#include "app/Config.h"
#include "app/Context.h"
#include "app/FileChooser.h"
#include "app/FormHelpers.h"
#include "app/Guard.h"
#include "app/Messages.h"
#include "app/Permissions.h"
#include "app/Workspace.h"
#include "data/Backup.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/Health.h"
#include "data/NewDatabaseFile.h"
#include "data/Postgres.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiSubWindow>
#include <QSettings>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace pw::backups {

namespace {

    const QString kAdmin = QStringLiteral("Admin");
    const QString kFolderSetting = QStringLiteral("backup/folder");

    QString native(const QString& path) { return QDir::toNativeSeparators(path); }

    // Pewlark copies database files; a server's database is backed up and
    // restored with the server's own tools.
    QString serverBackupText(const QString& display)
    {
        return QStringLiteral("This church is kept in %1. Pewlark backs up and restores database files only: back "
                              "up a server's database with the server's own tools (pg_dump, and pg_restore to put "
                              "a backup back), as the administrator's notes in README.md describe.")
            .arg(display);
    }

    bool refusedOnServer()
    {
        if (db().engine() != Database::Engine::PostgreSQL)
            return false;
        messages().show(serverBackupText(db().displayName()), QStringLiteral("Pewlark"), Icon::Information);
        return true;
    }

    QStringList backupFilters()
    {
        return { QStringLiteral("Pewlark databases (*.sqlite)"), QStringLiteral("All files (*)") };
    }

    // Backing up and restoring hand over the whole roll: "Admin" accounts
    // only, in the exact letter case the permission test uses.
    bool requireAdmin(const QString& what)
    {
        if (ctx().user.type == kAdmin)
            return true;
        messages().show(QStringLiteral("Only an account of type \"Admin\" may %1 the database.").arg(what),
            refusal::Title, Icon::Warning);
        return false;
    }

    QString systemError(int code) { return QString::fromLocal8Bit(std::strerror(code)); }

    void flushToDisk(const QString& path, bool directory)
    {
        const QByteArray name = QFile::encodeName(path);
        const int fd = ::open(name.constData(), directory ? (O_RDONLY | O_DIRECTORY) : O_RDONLY);
        if (fd < 0) {
            if (directory)
                return; // the file itself is what matters
            throw DbError(DbError::Kind::Io,
                QStringLiteral("\"%1\" could not be opened to write it to disk.").arg(native(path)),
                systemError(errno));
        }
        const int rc = ::fsync(fd);
        const int error = errno;
        ::close(fd);
        if (rc != 0 && !directory)
            throw DbError(DbError::Kind::Io, QStringLiteral("\"%1\" could not be written to disk.").arg(native(path)),
                systemError(error));
    }

    // "church.before-restore-2026-03-15-103000.sqlite" beside the database,
    // as the data layer names the copy it keeps.
    QString datedCopyPath(const QString& databasePath, const Clock& clock)
    {
        const QFileInfo info(databasePath);
        const QString stamp = clock.now().toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
        for (int n = 1;; ++n) {
            QString name = info.completeBaseName() + QStringLiteral(".before-restore-") + stamp
                + (n > 1 ? QStringLiteral("-%1").arg(n) : QString());
            if (!info.suffix().isEmpty())
                name += QLatin1Char('.') + info.suffix();
            const QString path = info.absoluteDir().filePath(name);
            if (!QFileInfo::exists(path))
                return path;
        }
    }

    const char* const kCompanions[] = { "-journal", "-wal", "-shm" };

    void removeWithCompanions(const QString& path)
    {
        QFile::remove(path);
        for (const char* suffix : kCompanions)
            QFile::remove(path + QLatin1String(suffix));
    }

    // Moves a file and the engine's files beside it (a journal that belongs
    // to it must stay with it). False, with nothing moved, on failure.
    bool moveWithCompanions(const QString& from, const QString& to)
    {
        if (!QFile::rename(from, to))
            return false;
        for (const char* suffix : kCompanions) {
            const QString companion = from + QLatin1String(suffix);
            if (QFileInfo::exists(companion))
                QFile::rename(companion, to + QLatin1String(suffix));
        }
        return true;
    }

    void printError(const QString& text) { std::fprintf(stderr, "pewlark: %s\n", qPrintable(text)); }

} // namespace

QString sizeText(qint64 bytes)
{
    if (bytes < 1024)
        return QStringLiteral("%1 %2").arg(bytes).arg(bytes == 1 ? QStringLiteral("byte") : QStringLiteral("bytes"));
    static const char* const units[] = { "KB", "MB", "GB", "TB" };
    double value = double(bytes) / 1024.0;
    int unit = 0;
    while (value >= 1023.95 && unit < 3) {
        value /= 1024.0;
        ++unit;
    }
    return QStringLiteral("%1 %2").arg(value, 0, 'f', 1).arg(QLatin1String(units[unit]));
}

QString suggestedBackupPath(const QString& databasePath, const Clock& clock)
{
    QString folder = storedSettings()->value(kFolderSetting).toString();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    return QDir(folder).filePath(backup::dailyFileName(databasePath, clock.today()));
}

QString restoreStartFolder(const QString& databasePath)
{
    const QString daily = backup::dailyFolder(databasePath);
    if (QFileInfo(daily).isDir())
        return daily;
    const QString last = storedSettings()->value(kFolderSetting).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    return QFileInfo(databasePath).absolutePath();
}

QString backUpFromMenu(QWidget* parent)
{
    if (!requireAdmin(QStringLiteral("back up")) || refusedOnServer())
        return {};
    FileRequest request;
    request.kind = FileRequest::Kind::Save;
    request.caption = QStringLiteral("Back Up Database");
    request.path = suggestedBackupPath(db().path(), clock());
    request.filters = backupFilters();
    const QString chosen = chooseFile(parent, request);
    if (chosen.isEmpty())
        return {};

    backup::Copy copy;
    {
        BusyCursor busy;
        // The save dialog has asked already before an existing file is replaced.
        copy = backup::backUp(db(), chosen, QFileInfo::exists(chosen));
    }
    storedSettings()->setValue(kFolderSetting, QFileInfo(copy.path).absolutePath());
    const QString size = sizeText(copy.size);
    showStatus(QStringLiteral("Backed up the database to %1 (%2).").arg(native(copy.path), size));
    messages().show(QStringLiteral("The database was backed up to \"%1\" (%2).").arg(native(copy.path), size),
        QStringLiteral("Pewlark"), Icon::Information);
    return copy.path;
}

bool restoreFromMenu(QWidget* parent, Workspace& workspace)
{
    if (!requireAdmin(QStringLiteral("restore")) || refusedOnServer())
        return false;
    FileRequest request;
    request.kind = FileRequest::Kind::Open;
    request.caption = QStringLiteral("Restore Database");
    request.path = restoreStartFolder(db().path());
    request.filters = backupFilters();
    const QString chosen = chooseFile(parent, request);
    if (chosen.isEmpty())
        return false;
    const QString file = QFileInfo(chosen).absoluteFilePath();

    // A file that would be refused is refused before anything is closed.
    {
        BusyCursor busy;
        backup::checkRestorable(file);
    }
    const QString question
        = QStringLiteral("Replace the database \"%1\" with the backup \"%2\" (%3)?\n\nEverything entered since that "
                         "backup was made will be gone. The database as it is now is kept as a dated copy beside "
                         "it. Every open window is closed first, and you log in again afterwards. Close Pewlark on "
                         "the other workstations before you go on.")
              .arg(native(db().path()), native(file), sizeText(QFileInfo(file).size()));
    if (messages().ask(question, QStringLiteral("Pewlark"), Icon::Question) != Answer::Yes)
        return false;
    if (!workspace.closeAll())
        return false;

    backup::Restored restored;
    {
        BusyCursor busy;
        restored = backup::restore(db(), file, clock());
    }
    showStatus(QStringLiteral("Restored the database from %1.").arg(native(file)));
    messages().show(QStringLiteral("The database \"%1\" was restored from the backup \"%2\" (%3). The database as it "
                                   "was before is kept as \"%4\". Log in again to go on.")
                        .arg(native(db().path()), native(file), sizeText(restored.size), native(restored.savedCopy)),
        QStringLiteral("Pewlark"), Icon::Information);
    return true;
}

void dailyAtStartup()
{
    if (db().engine() == Database::Engine::PostgreSQL)
        return; // the server's own backups keep it
    const QString today
        = QDir(backup::dailyFolder(db().path())).filePath(backup::dailyFileName(db().path(), clock().today()));
    try {
        BusyCursor busy;
        const backup::Daily daily = backup::dailyBackup(db(), clock());
        if (daily.made)
            showStatus(QStringLiteral("Today's automatic backup: %1 (%2).")
                           .arg(native(daily.copy.path), sizeText(daily.copy.size)));
    } catch (const std::exception& e) {
        // Another workstation starting at the same moment may have made it.
        if (QFileInfo::exists(today))
            return;
        messages().show(QStringLiteral("Today's automatic backup could not be made; Pewlark carries on without it. "
                                       "Make a backup with File > Back Up Database... as soon as you can.\n\n%1")
                            .arg(errorText(e)),
            QStringLiteral("Pewlark"), Icon::Warning);
    }
}

Replaced restoreOverUnusable(const QString& databasePath, const QString& file, const Clock& clock)
{
    const QFileInfo target(databasePath);
    const QString path = target.absoluteFilePath();
    if (!target.absoluteDir().exists())
        throw DbError(QStringLiteral("The folder of the database \"%1\" does not exist; check the configuration file.")
                          .arg(native(path)));
    backup::checkRestorable(file);

    NewDatabaseFile::removeStaleLeftovers(path);
    const QString temporary = NewDatabaseFile::temporaryPathFor(path, QCoreApplication::applicationPid());
    removeWithCompanions(temporary);
    Replaced replaced;
    try {
        QFile source(file);
        if (!source.copy(temporary))
            throw DbError(DbError::Kind::Io,
                QStringLiteral("The backup \"%1\" could not be copied beside the database \"%2\"; the database is "
                               "unchanged.")
                    .arg(native(file), native(path)),
                source.errorString());
        {
            // Opening upgrades an older schema; the checks are start-up's own.
            auto copy = Database::open(temporary, Database::OpenMode::ExistingOnly);
            health::checkIntact(*copy);
            health::checkHasAccount(*copy);
            copy->close();
        }
        flushToDisk(temporary, false);
        if (QFileInfo::exists(path) || target.isSymLink()) {
            replaced.savedCopy = datedCopyPath(path, clock);
            if (!moveWithCompanions(path, replaced.savedCopy))
                throw DbError(DbError::Kind::ReadOnly,
                    QStringLiteral("The database \"%1\" could not be moved aside to \"%2\"; it is unchanged. Check "
                                   "that you may change files in its folder.")
                        .arg(native(path), native(replaced.savedCopy)),
                    QString());
        }
        if (!QFile::rename(temporary, path)) {
            if (!replaced.savedCopy.isEmpty())
                moveWithCompanions(replaced.savedCopy, path);
            throw DbError(DbError::Kind::Io,
                QStringLiteral("The restored database could not be put in place as \"%1\"; the database is "
                               "unchanged.")
                    .arg(native(path)),
                QString());
        }
    } catch (...) {
        removeWithCompanions(temporary);
        throw;
    }
    flushToDisk(target.absolutePath(), true);
    replaced.size = QFileInfo(path).size();
    return replaced;
}

int runBackupCommand(const QString& configPath, const QString& target)
{
    try {
        const ConfigValues values = config::load(configPath);
        auto database = Database::open(values.databasePath, Database::OpenMode::ExistingOnly);
        if (database->engine() == Database::Engine::PostgreSQL) {
            printError(serverBackupText(database->displayName()));
            return 1;
        }
        const backup::Copy copy = backup::backUp(*database, target);
        std::printf("Backed up %s to %s (%s).\n", qPrintable(native(database->path())), qPrintable(native(copy.path)),
            qPrintable(sizeText(copy.size)));
        return 0;
    } catch (const std::exception& e) {
        printError(errorText(e));
        return 1;
    }
}

int runRestoreCommand(const QString& configPath, const QString& file, const Clock& clock)
{
    try {
        const ConfigValues values = config::load(configPath);
        if (postgres::isLocation(values.databasePath)) {
            printError(serverBackupText(postgres::parse(values.databasePath).display()));
            return 1;
        }
        const QString backupFile = QFileInfo(file).absoluteFilePath();
        // The backup is checked before the database is touched.
        backup::checkRestorable(backupFile);

        // A database that cannot be opened at all is exactly what a backup
        // is restored for: it is moved aside rather than read.
        std::unique_ptr<Database> database;
        bool unusable = !QFileInfo::exists(values.databasePath);
        if (!unusable) {
            try {
                database = Database::open(values.databasePath, Database::OpenMode::ExistingOnly);
                health::checkIntact(*database);
            } catch (const DbError& e) {
                if (e.kind() != DbError::Kind::Damaged)
                    throw;
                database.reset();
                unusable = true;
            }
        }
        if (unusable) {
            const Replaced r = restoreOverUnusable(values.databasePath, backupFile, clock);
            const QString target = native(QFileInfo(values.databasePath).absoluteFilePath());
            std::printf("Restored %s from %s (%s).\n", qPrintable(target), qPrintable(native(backupFile)),
                qPrintable(sizeText(r.size)));
            if (!r.savedCopy.isEmpty())
                std::printf(
                    "The database could not be used; it was moved aside to %s.\n", qPrintable(native(r.savedCopy)));
            return 0;
        }
        const backup::Restored r = backup::restore(*database, backupFile, clock);
        std::printf("Restored %s from %s (%s).\n", qPrintable(native(database->path())), qPrintable(native(backupFile)),
            qPrintable(sizeText(r.size)));
        std::printf("The database as it was before is kept as %s.\n", qPrintable(native(r.savedCopy)));
        return 0;
    } catch (const std::exception& e) {
        printError(errorText(e));
        return 1;
    }
}

} // namespace pw::backups
