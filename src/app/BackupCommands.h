#pragma once

// Backing up and restoring the church's database as the office does it: the
// two File menu commands and the daily backup at start-up; the command-line
// jobs for scheduled tasks are cli/BackupJobs.h. The copying and checking
// itself is the data layer's (data/Backup.h).

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

    // The same in two halves, so that the copy runs on a thread of its own
    // while the user logs in: makeDaily() copies the database file through a
    // connection of its own (any thread; nothing on a server), and
    // reportDaily() shows how it went (on the program's own thread).
    struct DailyOutcome {
        bool ran = false; // false on a server
        backup::Daily daily;
        QString failure; // the error's text; empty when it worked
        QString today; // where today's copy belongs
    };
    DailyOutcome makeDaily(const QString& databasePath, const Clock& clock, const QString& pictureFolder);
    void reportDaily(const DailyOutcome& outcome);

    // The sentences the reports of a backup and a restore are made of, the
    // same in a window and on the command line:
    // how a backup's pictures went, as sentences after its first one;
    QString picturesSentence(const backup::Copy& copy, const QString& pictureFolder);
    // what a restore did with the pictures (with a leading space);
    QString restoredPictures(const backup::Restored& r, const QString& backupFile, const QString& pictureFolder);
    // ", its pictures in "..."" after where the database before is kept;
    QString keptPictures(const backup::Restored& r);
    // a server's database is backed up and restored with the server's own
    // tools, for the church kept in display.
    QString serverBackupText(const QString& display);

} // namespace backups

} // namespace pw
