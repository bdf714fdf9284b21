#pragma once

// Backing up and restoring the church's database as the office does it: the
// two File menu commands, the daily backup at start-up, and the command-line
// jobs for scheduled tasks. The copying and checking itself is the data
// layer's (data/Backup.h).

#include "data/Backup.h"

#include <QString>

class QWidget;

namespace pw {

class Clock;
class Workspace;

namespace backups {

    // A file size for messages, the same on every machine: "812 bytes",
    // "14.2 KB", "56.2 MB" (units of 1024).
    QString sizeText(qint64 bytes);

    // The name a backup made on a day is offered under, and the folder the
    // restore dialog starts in.
    QString suggestedBackupPath(const QString& databasePath, const Clock& clock);
    QString restoreStartFolder(const QString& databasePath);

    // File > Back Up Database...: for "Admin" accounts only. Asks for the
    // file through the context's file chooser, writes a checked copy of the
    // open database there and reports the file and its size (status line
    // too). Returns the copy's path; empty when refused or cancelled. Throws
    // DbError when the copy fails; nothing is left at the chosen name then.
    QString backUpFromMenu(QWidget* parent);

    // File > Restore Database...: for "Admin" accounts only. Asks for the
    // backup, checks it, asks before replacing, closes every open window
    // (asking about unsaved changes first), keeps the current database as a
    // dated copy beside it and replaces its contents. True when replaced: the
    // caller then reads the church settings again and asks for a new login.
    // Nothing is replaced when any check fails or the user says no.
    bool restoreFromMenu(QWidget* parent, Workspace& workspace);

    // The daily automatic backup, run once the login window is up. A failure
    // is shown as a warning and the program carries on.
    void dailyAtStartup();

    struct Replaced {
        QString savedCopy; // where the unusable database was moved; empty when there was none
        qint64 size = 0; // of the restored database
        backup::Restored restored; // what became of the pictures
    };

    // Puts the backup file in place of a database that cannot be opened at
    // all (damaged, or missing), for the command line: the backup is checked,
    // copied beside the database under a temporary name, upgraded when older
    // and checked again; then the unusable file (with its journal) is moved
    // to a dated name and the copy renamed into place. A failure leaves the
    // database as it was. Then the backup's pictures are put back into
    // pictureFolder; the ones they replace are kept beside the moved file.
    // Throws DbError.
    Replaced restoreOverUnusable(
        const QString& databasePath, const QString& file, const Clock& clock, const QString& pictureFolder);

    // pewlark --backup FILE and pewlark --restore FILE, on the database the
    // configuration file names. They print what they did; on failure a
    // message on standard error and exit code 1.
    int runBackupCommand(const QString& configPath, const QString& target);
    int runRestoreCommand(const QString& configPath, const QString& file, const Clock& clock);

} // namespace backups

} // namespace pw
