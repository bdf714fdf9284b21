#include "app/BackupCommands.h"

#include "app/Permissions.h"
#include "app/Workspace.h"
#include "data/Backup.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/Postgres.h"
#include "widgets/Context.h"
#include "widgets/FileChooser.h"
#include "widgets/FormHelpers.h"
#include "widgets/Guard.h"
#include "widgets/Messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiSubWindow>
#include <QSettings>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace pw::backups {

namespace {
    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(BackupCommands)
    };
} // namespace

namespace {

    const QString kFolderSetting = QStringLiteral("backup/folder");

    QString native(const QString& path) { return QDir::toNativeSeparators(path); }

    // "1 picture was", "12 pictures were".
    QString picturesWere(int n) { return n == 1 ? Tr::tr("1 picture was") : Tr::tr("%1 pictures were").arg(n); }

    bool onServer() { return db().engine() == Database::Engine::PostgreSQL; }

    // On a server the pictures are still the program's to copy.
    QString backUpPicturesOnServer(QWidget* parent)
    {
        FileRequest request;
        request.kind = FileRequest::Kind::Save;
        request.caption = Tr::tr("Back Up Pictures");
        request.path = backup::picturesFolderFor(suggestedBackupPath(postgres::parse(db().path()).database, clock()));
        const QString chosen = chooseFile(parent, request);
        if (chosen.isEmpty())
            return {};
        backup::Copy copy;
        {
            BusyCursor busy;
            copy = backup::backUpPictures(db(), chosen, ctx().settings.pictureFolder);
        }
        storedSettings()->setValue(kFolderSetting, QFileInfo(chosen).absolutePath());
        showStatus(Tr::tr("Copied the pictures to %1 (%2).").arg(native(chosen)).arg(copy.pictures));
        messages().show(serverBackupText(db().displayName()) + QLatin1Char(' ')
                + picturesSentence(copy, ctx().settings.pictureFolder),
            QStringLiteral("Pewlark"), Icon::Information);
        return copy.pictureCopies;
    }

    QStringList backupFilters()
    {
        return { Tr::tr("Pewlark databases") + QStringLiteral(" (*.sqlite)"),
            Tr::tr("All files") + QStringLiteral(" (*)") };
    }

} // namespace

// How a backup's pictures went, as sentences after its first one.
QString picturesSentence(const backup::Copy& copy, const QString& pictureFolder)
{
    QStringList said;
    if (copy.pictures > 0)
        said.append(Tr::tr("%1 copied to \"%2\".").arg(picturesWere(copy.pictures), native(copy.pictureCopies)));
    else if (copy.picturesMissing == 0)
        said.append(Tr::tr("No person has a picture, so no pictures were copied."));
    if (copy.picturesMissing > 0)
        said.append(pictureFolder.isEmpty()
                ? Tr::tr("%1 not copied: the configuration file names no picture folder.")
                      .arg(picturesWere(copy.picturesMissing))
                : Tr::tr("%1 not copied because the picture folder \"%2\" does not have them.")
                      .arg(picturesWere(copy.picturesMissing), native(pictureFolder)));
    return said.join(QLatin1Char(' '));
}

// What a restore did with the pictures, and where the ones before are kept.
QString restoredPictures(const backup::Restored& r, const QString& backupFile, const QString& pictureFolder)
{
    QString text;
    if (pictureFolder.isEmpty())
        text = Tr::tr(" The configuration file names no picture folder, so no pictures were put back.");
    else if (r.picturesFound)
        text = Tr::tr(" %1 put back into the picture folder \"%2\".")
                   .arg(picturesWere(r.picturesBack), native(pictureFolder));
    else
        text = Tr::tr(" No pictures lie beside the backup (\"%1\"), so the pictures were left as they are.")
                   .arg(native(backup::picturesFolderFor(backupFile)));
    if (!r.picturesProblem.isEmpty())
        text += Tr::tr(" Not every picture could be put back: %1").arg(r.picturesProblem);
    return text;
}

// ", its pictures in "..."" after where the database before is kept.
QString keptPictures(const backup::Restored& r)
{
    return r.savedPictures.isEmpty() ? QString() : Tr::tr(", its pictures in \"%1\"").arg(native(r.savedPictures));
}

// Pewlark copies database files; a server's database is backed up and
// restored with the server's own tools.
QString serverBackupText(const QString& display)
{
    return Tr::tr("This church is kept in %1. Pewlark backs up and restores database files only: back "
                  "up a server's database with the server's own tools (pg_dump, and pg_restore to put "
                  "a backup back), as the administrator's notes in README.md describe.")
        .arg(display);
}

QString sizeText(qint64 bytes)
{
    if (bytes < 1024)
        return QStringLiteral("%1 %2").arg(bytes).arg(bytes == 1 ? Tr::tr("byte") : Tr::tr("bytes"));
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
    if (!requireAdmin(Tr::tr("back up the database")))
        return {};
    if (onServer())
        return backUpPicturesOnServer(parent);
    FileRequest request;
    request.kind = FileRequest::Kind::Save;
    request.caption = Tr::tr("Back Up Database");
    request.path = suggestedBackupPath(db().path(), clock());
    request.filters = backupFilters();
    const QString chosen = chooseFile(parent, request);
    if (chosen.isEmpty())
        return {};

    backup::Copy copy;
    {
        BusyCursor busy;
        // The save dialog has asked already before an existing file is replaced.
        copy = backup::backUp(db(), chosen, ctx().settings.pictureFolder, QFileInfo::exists(chosen));
    }
    storedSettings()->setValue(kFolderSetting, QFileInfo(copy.path).absolutePath());
    const QString size = sizeText(copy.size);
    showStatus(
        Tr::tr("Backed up the database to %1 (%2, %3 pictures).").arg(native(copy.path), size).arg(copy.pictures));
    messages().show(Tr::tr("The database was backed up to \"%1\" (%2). %3")
                        .arg(native(copy.path), size, picturesSentence(copy, ctx().settings.pictureFolder)),
        QStringLiteral("Pewlark"), Icon::Information);
    return copy.path;
}

bool restoreFromMenu(QWidget* parent, Workspace& workspace)
{
    if (!requireAdmin(Tr::tr("restore the database")))
        return false;
    if (onServer()) {
        messages().show(serverBackupText(db().displayName()), QStringLiteral("Pewlark"), Icon::Information);
        return false;
    }
    FileRequest request;
    request.kind = FileRequest::Kind::Open;
    request.caption = Tr::tr("Restore Database");
    request.path = restoreStartFolder(db().path());
    request.filters = backupFilters();
    const QString chosen = chooseFile(parent, request);
    if (chosen.isEmpty())
        return false;
    const QString file = QFileInfo(chosen).absoluteFilePath();

    // A file that would be refused is refused before anything is closed.
    {
        BusyCursor busy;
        backup::checkRestorable(file, QFileInfo(db().path()).absolutePath());
    }
    const QString question
        = Tr::tr("Replace the database \"%1\" with the backup \"%2\" (%3)?\n\nEverything entered since that "
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
        restored = backup::restore(db(), file, clock(), ctx().settings.pictureFolder);
    }
    showStatus(Tr::tr("Restored the database from %1.").arg(native(file)));
    messages().show(Tr::tr("The database \"%1\" was restored from the backup \"%2\" (%3).%4 The database as "
                           "it was before is kept as \"%5\"%6. Log in again to go on.")
                        .arg(native(db().path()), native(file), sizeText(restored.size),
                            restoredPictures(restored, file, ctx().settings.pictureFolder), native(restored.savedCopy),
                            keptPictures(restored)),
        QStringLiteral("Pewlark"), Icon::Information);
    return true;
}

DailyOutcome makeDaily(const QString& databasePath, const Clock& clock, const QString& pictureFolder)
{
    DailyOutcome out;
    if (postgres::isLocation(databasePath))
        return out; // the server's own backups keep it
    out.ran = true;
    out.today = QDir(backup::dailyFolder(databasePath)).filePath(backup::dailyFileName(databasePath, clock.today()));
    try {
        const std::unique_ptr<Database> own = Database::open(databasePath, Database::OpenMode::ExistingOnly);
        out.daily = backup::dailyBackup(*own, clock, pictureFolder);
    } catch (const std::exception& e) {
        out.failure = errorText(e);
    }
    return out;
}

void reportDaily(const DailyOutcome& outcome)
{
    if (!outcome.ran)
        return;
    if (outcome.failure.isEmpty()) {
        if (outcome.daily.made)
            showStatus(Tr::tr("Today's automatic backup: %1 (%2, %3 pictures).")
                           .arg(native(outcome.daily.copy.path), sizeText(outcome.daily.copy.size))
                           .arg(outcome.daily.copy.pictures));
        return;
    }
    // Another workstation starting at the same moment may have made it.
    if (QFileInfo::exists(outcome.today))
        return;
    messages().show(Tr::tr("Today's automatic backup could not be made; Pewlark carries on without it. "
                           "Make a backup with File > Back Up Database... as soon as you can.\n\n%1")
                        .arg(outcome.failure),
        QStringLiteral("Pewlark"), Icon::Warning);
}

void dailyAtStartup()
{
    BusyCursor busy;
    reportDaily(makeDaily(db().path(), clock(), ctx().settings.pictureFolder));
}

} // namespace pw::backups
