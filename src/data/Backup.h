#pragma once

// Backing up and restoring the database while the program runs. Copies are
// made with the engine's online backup, so they are consistent even while
// other workstations write, and every copy is checked before it counts.
//
// The pictures the church refers to are files in the picture folder, not in
// the database: a backup "church-2026-03-15.sqlite" keeps them beside it in
// the folder "church-2026-03-15-pictures", under their own names, so that
// anyone can see them and a plain copy of the two carries everything.

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace pw {

class Clock;
class Database;

namespace backup {

    // How many automatic daily backups are kept.
    constexpr int kDailyBackupsKept = 14;

    struct Copy {
        QString path; // absolute
        qint64 size = 0; // bytes
        QString pictureCopies; // the folder of the pictures copied; empty when none were
        int pictures = 0; // picture files copied
        int picturesMissing = 0; // pictures the church names that the picture folder lacks
    };

    // The folder beside a backup that holds its pictures.
    QString picturesFolderFor(const QString& backupPath);

    // Writes a consistent copy of the open database to target and checks it
    // (quick_check and the schema version), and copies the pictures it names
    // from pictureFolder (a plain prefix; empty: none) beside it. The copies
    // have the permissions of the database file. They appear whole or not at
    // all: they are written beside target under temporary names and renamed
    // into place once checked. An existing target is replaced only when
    // replace is true. Leftovers of interrupted copies in the target's folder
    // are removed first. Throws DbError naming the file; target is then as
    // it was.
    Copy backUp(Database& db, const QString& target, const QString& pictureFolder = QString(), bool replace = false);

    // On a server, where the database is backed up with the server's tools:
    // copies only the pictures the church names into the folder target,
    // which must not exist. Throws DbError.
    Copy backUpPictures(Database& db, const QString& target, const QString& pictureFolder);

    // A church file that is read without being changed: a backup offered for
    // a restore, the source of a copy or of a backup, a file the welcome
    // window is to keep. It must be a Pewlark database this program can read
    // (not newer) holding every table and column of the current schema and,
    // as check asks, pass quick_check and hold at least one user account. A
    // file of an older schema, or one with an unfinished change beside it (a
    // "-journal" left by a program that stopped while saving, not the
    // journal of a change another program is making at this moment), is
    // copied under a temporary name, where the change is undone and the
    // schema upgraded; readPath() is then that copy, removed with this
    // object. The copy is made beside the file, or in scratchFolder when
    // given, as ".NAME-source.partial-PID" (a run killed meanwhile leaves it
    // to the next one, which removes it); where that folder cannot be
    // written, in a folder of this process's own that only its user may
    // open. It is never readable by more people than the file. Throws
    // DbError naming the file and what is wrong.
    class SourceFile {
    public:
        enum class Check {
            Readable, // opened (the copy a backup makes is checked itself)
            Whole, // and its pages pass quick_check
            WithAccount, // and someone could log in: a backup to restore
        };
        explicit SourceFile(const QString& file, Check check = Check::Whole, const QString& scratchFolder = QString());
        ~SourceFile();
        SourceFile(const SourceFile&) = delete;
        SourceFile& operator=(const SourceFile&) = delete;

        QString file() const { return m_file; }
        QString readPath() const { return m_scratch.isEmpty() ? m_file : m_scratch; }
        // The file opened only to be read, as readPath(); messages name file().
        std::unique_ptr<Database> open() const;

    private:
        void copyToScratch(const QString& scratchFolder);

        QString m_file;
        QString m_scratch;
        std::unique_ptr<QTemporaryDir> m_private;
    };

    // A church opened only to be read (a preview, a report from the command
    // line): a server database read-only; a file through SourceFile, so an
    // older one is read in an upgraded working copy and the file itself is
    // never changed. Keep both for as long as db is used.
    struct ReadOnlyChurch {
        std::unique_ptr<SourceFile> working;
        std::unique_ptr<Database> db;
    };
    ReadOnlyChurch openToRead(const QString& location);

    // Checks a file offered for a restore as SourceFile does, with
    // scratchFolder for a working copy when one is needed. Changes nothing.
    void checkRestorable(const QString& file, const QString& scratchFolder);

    struct Restored {
        QString savedCopy; // where the database as it was before is kept
        qint64 size = 0; // of the restored database
        QString savedPictures; // where its pictures are kept; empty when it named none
        int picturesBack = 0; // pictures put back into the picture folder
        bool picturesFound = false; // the backup has a pictures folder beside it
        QString picturesProblem; // why not every picture could be put back; empty when all were
    };

    // Replaces the open database's contents with the backup in file, after
    // the checks of SourceFile. The database as it was is first kept as a
    // dated copy beside it ("church.before-restore-2026-03-15-103000.sqlite"),
    // with its pictures. The replacement is one change of the engine: other
    // workstations see the old or the new contents, and a failure or power
    // cut leaves the old ones. Then the backup's pictures are put back into
    // pictureFolder. Nothing is replaced when any check fails. Throws DbError.
    Restored restore(Database& db, const QString& file, const Clock& clock, const QString& pictureFolder);

    // Copies the pictures kept beside a backup into pictureFolder, each file
    // whole, replacing files of the same name; a file it replaces is first
    // copied into keepReplacedIn, when given. Returns how many; throws
    // DbError naming the picture that could not be put back.
    int putPicturesBack(const QString& backupPath, const QString& pictureFolder, const QString& keepReplacedIn = {});

    // The folder of the automatic backups: "backups" beside the database.
    QString dailyFolder(const QString& databasePath);

    // The automatic backup's file name for a day ("church-2026-03-15.sqlite").
    QString dailyFileName(const QString& databasePath, const QDate& day);

    // "church.before-restore-2026-03-15-103000.sqlite" beside the database
    // (what is "before-restore" or "before-upgrade"), numbered when taken.
    QString datedCopyPath(const QString& databasePath, const QString& what, const Clock& clock);

    // backUp() to datedCopyPath(): when another process takes that name
    // while the copy is written (two imports started in the same second),
    // the copy takes the next number instead.
    Copy backUpDated(Database& db, const QString& what, const Clock& clock, const QString& pictureFolder = QString());

    struct Daily {
        bool made = false; // false: today's backup existed already
        Copy copy; // today's backup
        QStringList removed; // older automatic backups removed to keep kept
    };

    // Once a day: writes today's backup (with its pictures) into
    // dailyFolder() unless it exists, then removes the oldest automatic
    // backups of this database beyond the last kept, with their pictures.
    // Other files in the folder are never touched. Throws DbError.
    Daily dailyBackup(Database& db, const Clock& clock, const QString& pictureFolder, int kept = kDailyBackupsKept);

    // Before the program's upgrade of an older database file it opens for
    // work: a copy of the file as it is, "church.before-upgrade-...sqlite"
    // beside it. Returns its path; empty on a server, whose backups are the
    // server's. Throws DbError.
    QString backUpBeforeUpgrade(Database& db, const Clock& clock);

} // namespace backup

} // namespace pw
