#pragma once

// Backing up and restoring the database while the program runs. Copies are
// made with the engine's online backup, so they are consistent even while
// other workstations write, and every copy is checked before it counts.

#include <QDate>
#include <QString>
#include <QStringList>

namespace pw {

class Clock;
class Database;

namespace backup {

    // How many automatic daily backups are kept.
    constexpr int kDailyBackupsKept = 14;

    struct Copy {
        QString path; // absolute
        qint64 size = 0; // bytes
    };

    // Writes a consistent copy of the open database to target and checks it
    // (quick_check and the schema version). The copy appears whole or not at
    // all: it is written beside target under a temporary name and renamed
    // into place once checked. An existing target is replaced only when
    // replace is true. Throws DbError naming the file; target is then as it
    // was.
    Copy backUp(Database& db, const QString& target, bool replace = false);

    // Checks that file is a Pewlark database that could be restored: it
    // passes quick_check, has a schema version this program can read (not
    // newer), and holds at least one user account. Reads the file without
    // changing it. Returns its schema version; throws DbError naming the file
    // and what is wrong.
    int checkRestorable(const QString& file);

    struct Restored {
        QString savedCopy; // where the database as it was before is kept
        qint64 size = 0; // of the restored database
    };

    // Replaces the open database's contents with the backup in file, after
    // checkRestorable(). The database as it was is first kept as a dated copy
    // beside it ("church.before-restore-2026-03-15-103000.sqlite"). The
    // replacement is one change of the engine: other workstations see the
    // old or the new contents, and a failure or power cut leaves the old
    // ones. An older schema is upgraded. Nothing is replaced when any check
    // fails. Throws DbError.
    Restored restore(Database& db, const QString& file, const Clock& clock);

    // The folder of the automatic backups: "backups" beside the database.
    QString dailyFolder(const QString& databasePath);

    // The automatic backup's file name for a day ("church-2026-03-15.sqlite").
    QString dailyFileName(const QString& databasePath, const QDate& day);

    struct Daily {
        bool made = false; // false: today's backup existed already
        Copy copy; // today's backup
        QStringList removed; // older automatic backups removed to keep kept
    };

    // Once a day: writes today's backup into dailyFolder() unless it exists,
    // then removes the oldest automatic backups of this database beyond the
    // last kept. Other files in the folder are never touched. Throws DbError.
    Daily dailyBackup(Database& db, const Clock& clock, int kept = kDailyBackupsKept);

} // namespace backup

} // namespace pw
