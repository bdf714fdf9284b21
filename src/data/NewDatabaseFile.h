#pragma once

#include "data/Database.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace pw {

// A new database file that appears whole or not at all.
//
// A postgresql:// target is an existing empty database on a server: the
// schema and everything written through database() form one transaction
// that commit() commits, so the database stays empty unless all of it is
// written.
//
// The database is built in a temporary file in the target's folder, named
// ".<target name>.partial-<process id>", with the engine's rollback journal on.
// commit() closes it, flushes it to disk and renames it to the target name
// in one step, refusing when a file of that name has appeared meanwhile. A
// run that fails, throws or is killed never leaves a file at the target name:
// at most the temporary file (and its journal), which the destructor removes
// and which removeStaleLeftovers() recognises and removes after a kill.
class NewDatabaseFile {
public:
    // Creates the temporary file with schema and seed values. Throws DbError
    // naming the target when it exists already or its folder does not.
    // permissions (for example 0600), when given, are the file's from the
    // start, before anything of the church is written into it; otherwise the
    // system's default for new files applies. Messages about the database
    // name the target, never the temporary file.
    explicit NewDatabaseFile(const QString& targetPath, int permissions = -1);
    // Removes the temporary file unless commit() succeeded.
    ~NewDatabaseFile();

    NewDatabaseFile(const NewDatabaseFile&) = delete;
    NewDatabaseFile& operator=(const NewDatabaseFile&) = delete;

    // The open database in the temporary file, until commit().
    Database& database();

    QString targetPath() const { return m_target; }
    QString temporaryPath() const { return m_temporary; }
    bool committed() const { return m_committed; }

    // Closes the database, flushes the file and renames it into place. Throws
    // DbError (the temporary file stays until destruction) when a transaction
    // is still open, when the target appeared meanwhile or when the disk
    // refuses; the target is then untouched.
    void commit();

    // The temporary name this process uses for a target.
    static QString temporaryPathFor(const QString& targetPath, qint64 processId);

    // True when fileName (no folder) is a leftover of building targetPath: the
    // temporary name of any process, or its journal, write-ahead log or
    // shared-memory file. Gives the process id through processId.
    static bool isLeftoverOf(const QString& targetPath, const QString& fileName, qint64* processId = nullptr);

    // Removes the leftovers of building targetPath whose process is no longer
    // running (a killed or crashed earlier run). Leftovers of running
    // processes, this one included, are kept. Returns the removed paths.
    static QStringList removeStaleLeftovers(const QString& targetPath);

    // The same for every target in a folder: each ".NAME.partial-<process
    // id>" file or folder (and a file's journal) whose process is gone.
    // except, when given, is kept whatever its name.
    static QStringList removeStaleLeftoversIn(const QString& folder, const QString& except = QString());

private:
    void removeTemporary();

    QString m_target;
    QString m_temporary;
    std::unique_ptr<Database> m_database;
    bool m_committed = false;
    bool m_server = false;
};

} // namespace pw
