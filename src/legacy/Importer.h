#pragma once

// Copies the older program's Jet file into a new Pewlark database.
//
// The target is built in a temporary file beside it and put in place only
// when every table has been copied and checked (data/NewDatabaseFile).
// Identifiers are kept exactly; yes/no becomes 0/1, dates ISO text (read
// from the file itself, as mdb-export cannot print them all); passwords
// become argon2id hashes of their normalised text. Rows that cannot be
// stored are listed, every problem of each, in a text file beside the
// target. A person, account or family link that cannot be stored fails the
// import, and so does a row of another table with a value that cannot be
// read; a row of another table that only names a missing person, account,
// class or permission is left out (or, for an optional link, stored with
// the link cleared), and the import goes on. No row is dropped unlisted.
//
// The old file's lookup lists (statuses, titles, states, attendance levels,
// relationships, actions, ratings, account types, permissions, outreach
// phases, responsibilities) replace Pewlark's starting values, even where the
// old list is empty; only the values the program itself relies on (the
// sixteen permissions, the account types "Admin" and "User", the
// responsibility "Deacon") are added back when the old list lacks them. A
// table the old file does not have at all keeps the starting values.

#include "legacy/JetTools.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>
#include <vector>

namespace pw::legacy {

struct ImportOptions {
    QString oldFile;
    QString target;
    QString pictureFolder; // empty: pictures are not checked
};

struct TableResult {
    QString name;
    bool inOldFile = false;
    qint64 oldRows = 0; // what the old file says it holds
    qint64 notStored = 0;
    qint64 newRows = 0; // in the new database at the end
};

// A row that was not stored, or a value that was changed to store it.
struct RowProblem {
    QString table;
    int line = 0; // line of the table's export; 0 for checks made after copying
    QString row; // "ID 12", "Member_ID 4, Relative_Member_ID 9"
    QString what;
    bool stored = false; // true: the row was stored with the change described
    // Not stored, and the import goes on: the row names a person, account,
    // class or permission the old file does not have (TableDef::everyRow).
    bool leftOut = false;
};

struct ImportResult {
    bool succeeded = false;
    QString failure; // why nothing was written, when not succeeded
    QString target;
    QString rejectsFile; // the list of problems beside the target, or empty
    JetVersion version = JetVersion::Jet4;
    bool readAsWindows1252 = false; // mdbtools gave 8-bit text, read as Windows-1252

    std::vector<TableResult> tables; // in copy order
    QList<RowProblem> problems;
    QStringList missingTables; // tables the old file does not have
    QStringList extraColumns; // "Member.Fax": in the old file only, skipped
    QStringList missingColumns; // "Member.Cell": not in the old file, left at its default
    QStringList addedValues; // program values added to the old lists

    int passwordsConverted = 0;
    // Accounts whose user names differ only in letter case, one list of
    // "username (Last, First)" per name (Users::sharedNames).
    QVector<QStringList> sharedUserNames;
    QStringList emptyPasswords; // user names of accounts without a password
    bool adminCanLogIn = false; // an active "Admin" account has a password

    bool picturesChecked = false;
    int picturesNamed = 0;
    QStringList missingPictures; // file names not in the picture folder

    qint64 rowsNotStored() const; // rows that fail the import
    qint64 rowsLeftOut() const;
    qint64 valuesChanged() const;
};

class Importer {
public:
    using Progress = std::function<void(const QString& line)>;

    Importer(ToolRunner& runner, ImportOptions options, Progress progress = {});

    // Runs the import. Throws ImportError, creating nothing, when the target
    // exists, the old file is missing, not a Jet file, damaged or not the
    // older program's, or mdbtools is missing. When a row that must arrive
    // cannot be stored it returns with succeeded false, no target and the
    // rejects file written.
    ImportResult run();

    // The rejects file for a target: "<target>.rejects.txt"; for a
    // database on a server "<database name>.rejects.txt" in the current
    // folder.
    static QString rejectsPathFor(const QString& target);

private:
    // A server's church is imported into a file first, then copied onto the
    // server in one transaction.
    ImportResult runOntoServer();
    ImportResult runIntoFile(const QString& rejectsPath);

    ToolRunner& m_runner;
    ImportOptions m_options;
    Progress m_progress;
};

} // namespace pw::legacy
