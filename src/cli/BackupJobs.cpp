#include "cli/BackupJobs.h"

#include "app/BackupCommands.h"
#include "app/Config.h"
#include "cli/Jobs.h"
#include "data/Backup.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/FileOps.h"
#include "data/Health.h"
#include "data/NewDatabaseFile.h"
#include "data/Postgres.h"
#include "widgets/Guard.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(BackupJobs)
};
} // namespace

namespace pw::cli {

namespace {

    QString native(const QString& path) { return QDir::toNativeSeparators(path); }

    void printError(const QString& text) { std::fprintf(stderr, "pewlark: %s\n", qPrintable(text)); }

    struct Replaced {
        QString savedCopy; // where the unusable database was moved; empty when there was none
        qint64 size = 0; // of the restored database
        backup::Restored restored; // what became of the pictures
    };

    // Puts the backup file in place of a database that cannot be opened at
    // all (damaged, or missing): the backup is checked, copied beside the
    // database under a temporary name, upgraded when older and checked
    // again; then the unusable file (with its journal) is moved to a dated
    // name and the copy renamed into place. A failure leaves the database as
    // it was. Then the backup's pictures are put back into pictureFolder; the
    // ones they replace are kept beside the moved file. Throws DbError.
    Replaced restoreOverUnusable(
        const QString& databasePath, const QString& file, const Clock& clock, const QString& pictureFolder)
    {
        const QFileInfo target(databasePath);
        const QString path = target.absoluteFilePath();
        if (!target.absoluteDir().exists())
            throw DbError(Tr::tr("The folder of the database \"%1\" does not exist; check the configuration file.")
                              .arg(native(path)));
        const backup::SourceFile source(file, backup::SourceFile::Check::WithAccount, target.absolutePath());

        NewDatabaseFile::removeStaleLeftoversIn(target.absolutePath(), path);
        const QString temporary = NewDatabaseFile::temporaryPathFor(path, QCoreApplication::applicationPid());
        files::removeWithCompanions(temporary);
        Replaced replaced;
        const QString saved = backup::datedCopyPath(path, QStringLiteral("before-restore"), clock);
        try {
            // As readable as the database it replaces, from the start.
            files::copyFile(
                source.readPath(), temporary, files::permissionsOf(path, files::permissionsOf(source.file())));
            {
                // The checks are start-up's own.
                auto copy = Database::open(temporary, Database::OpenMode::ExistingOnly);
                health::checkIntact(*copy);
                health::checkHasAccount(*copy);
                copy->close();
            }
            files::flushToDisk(temporary, false);
            if (QFileInfo::exists(path) || target.isSymLink()) {
                replaced.savedCopy = saved;
                if (!files::moveWithCompanions(path, replaced.savedCopy))
                    throw DbError(DbError::Kind::ReadOnly,
                        Tr::tr("The database \"%1\" could not be moved aside to \"%2\"; it is unchanged. Check "
                               "that you may change files in its folder.")
                            .arg(native(path), native(replaced.savedCopy)),
                        QString());
            }
            if (!QFile::rename(temporary, path)) {
                if (!replaced.savedCopy.isEmpty())
                    files::moveWithCompanions(replaced.savedCopy, path);
                throw DbError(DbError::Kind::Io,
                    Tr::tr("The restored database could not be put in place as \"%1\"; the database is "
                           "unchanged.")
                        .arg(native(path)),
                    QString());
            }
        } catch (...) {
            files::removeWithCompanions(temporary);
            throw;
        }
        files::flushToDisk(target.absolutePath(), true);
        replaced.size = QFileInfo(path).size();
        // The unusable database cannot say which pictures it named: the ones
        // the backup's replace are kept beside where it was moved.
        replaced.restored.picturesFound
            = !pictureFolder.isEmpty() && QFileInfo(backup::picturesFolderFor(source.file())).isDir();
        if (replaced.restored.picturesFound) {
            try {
                replaced.restored.picturesBack
                    = backup::putPicturesBack(source.file(), pictureFolder, backup::picturesFolderFor(saved));
            } catch (const DbError& e) {
                replaced.restored.picturesProblem = e.text();
            }
        }
        return replaced;
    }

} // namespace

int runBackupCommand(const QString& configPath, const QString& target)
{
    try {
        const ConfigValues values = config::load(configPath);
        if (postgres::isLocation(values.databasePath)) {
            auto database = Database::open(values.databasePath, Database::OpenMode::ReadOnly);
            const backup::Copy copy
                = backup::backUpPictures(*database, backup::picturesFolderFor(target), values.pictureFolder);
            std::printf("%s\n%s\n", qPrintable(backups::serverBackupText(database->displayName())),
                qPrintable(backups::picturesSentence(copy, values.pictureFolder)));
            return 0;
        }
        // The database is only read: not upgraded, its journal left as it is.
        // One with a change a crash left half-made, or of an older schema, is
        // read through a working copy where that change is undone.
        const backup::SourceFile source(values.databasePath, backup::SourceFile::Check::Readable);
        auto database = source.open();
        const backup::Copy copy = backup::backUp(*database, target, values.pictureFolder);
        std::printf("%s\n%s\n",
            qPrintable(Tr::tr("Backed up %1 to %2 (%3).")
                           .arg(native(source.file()), native(copy.path), backups::sizeText(copy.size))),
            qPrintable(backups::picturesSentence(copy, values.pictureFolder)));
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
            printError(backups::serverBackupText(postgres::parse(values.databasePath).display()));
            return 1;
        }
        const QString backupFile = QFileInfo(file).absoluteFilePath();
        const QString folder = QFileInfo(values.databasePath).absolutePath();
        // The backup is checked before the database is touched.
        backup::checkRestorable(backupFile, folder);

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
            const Replaced r = restoreOverUnusable(values.databasePath, backupFile, clock, values.pictureFolder);
            const QString target = native(QFileInfo(values.databasePath).absoluteFilePath());
            std::printf("%s%s\n",
                qPrintable(
                    Tr::tr("Restored %1 from %2 (%3).").arg(target, native(backupFile), backups::sizeText(r.size))),
                qPrintable(backups::restoredPictures(r.restored, backupFile, values.pictureFolder)));
            if (!r.savedCopy.isEmpty())
                std::printf("%s\n",
                    qPrintable(
                        Tr::tr("The database could not be used; it was moved aside to %1.").arg(native(r.savedCopy))));
            return 0;
        }
        const backup::Restored r = backup::restore(*database, backupFile, clock, values.pictureFolder);
        std::printf("%s%s\n",
            qPrintable(Tr::tr("Restored %1 from %2 (%3).")
                           .arg(native(database->path()), native(backupFile), backups::sizeText(r.size))),
            qPrintable(backups::restoredPictures(r, backupFile, values.pictureFolder)));
        std::printf("%s\n",
            qPrintable(Tr::tr("The database as it was before is kept as %1%2.")
                           .arg(native(r.savedCopy), backups::keptPictures(r))));
        return 0;
    } catch (const std::exception& e) {
        printError(errorText(e));
        return 1;
    }
}

void registerBackup(Jobs& jobs)
{
    jobs.registerJob({ { QStringLiteral("backup"), QStringLiteral("FILE"),
                           Tr::tr("Write a checked backup of the database config.txt names to FILE (which "
                                  "must not exist) and stop.") },
        {}, {}, {}, [](const JobInput& input) { return runBackupCommand(input.configPath, input.file); } });
}

void registerRestore(Jobs& jobs)
{
    jobs.registerJob({ { QStringLiteral("restore"), QStringLiteral("FILE"),
                           Tr::tr("Put the backup FILE in place of the database config.txt names, keeping "
                                  "that database as a dated copy beside it, and stop.") },
        {}, {}, {},
        [](const JobInput& input) { return runRestoreCommand(input.configPath, input.file, SystemClock()); } });
}

} // namespace pw::cli
