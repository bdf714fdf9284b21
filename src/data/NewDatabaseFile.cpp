#include "data/NewDatabaseFile.h"

#include "data/FileOps.h"
#include "data/Platform.h"
#include "data/Postgres.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(NewDatabaseFile)
};
} // namespace

namespace pw {

namespace {

    bool removeEntry(const QDir& folder, const QString& name)
    {
        const QString path = folder.filePath(name);
        const QFileInfo info(path);
        if (info.isDir() && !info.isSymLink())
            return QDir(path).removeRecursively();
        return QFile::remove(path);
    }

} // namespace

QString NewDatabaseFile::temporaryPathFor(const QString& targetPath, qint64 processId)
{
    const QFileInfo info(targetPath);
    return info.absoluteDir().filePath(QStringLiteral(".%1.partial-%2").arg(info.fileName()).arg(processId));
}

bool NewDatabaseFile::isLeftoverOf(const QString& targetPath, const QString& fileName, qint64* processId)
{
    const QString prefix = QLatin1Char('.') + QFileInfo(targetPath).fileName() + QStringLiteral(".partial-");
    if (!fileName.startsWith(prefix))
        return false;
    static const QRegularExpression rest(QStringLiteral("^([0-9]+)(-journal|-wal|-shm)?$"));
    const QRegularExpressionMatch m = rest.match(fileName.mid(prefix.size()));
    if (!m.hasMatch())
        return false;
    if (processId)
        *processId = m.captured(1).toLongLong();
    return true;
}

QStringList NewDatabaseFile::removeStaleLeftovers(const QString& targetPath)
{
    QStringList removed;
    const QDir folder = QFileInfo(targetPath).absoluteDir();
    const QString pattern = QStringLiteral(".%1.partial-*").arg(QFileInfo(targetPath).fileName());
    const QStringList names = folder.entryList({ pattern }, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        qint64 pid = 0;
        if (!isLeftoverOf(targetPath, name, &pid) || platform::processRunning(pid))
            continue;
        if (QFile::remove(folder.filePath(name)))
            removed.append(folder.filePath(name));
    }
    return removed;
}

QStringList NewDatabaseFile::removeStaleLeftoversIn(const QString& folder, const QString& except)
{
    // ".church.sqlite.partial-123", its journal, and a folder of pictures
    // being copied (".church-2026-03-15-pictures.partial-123").
    static const QRegularExpression leftover(QStringLiteral("^\\..+\\.partial-([0-9]+)(-journal|-wal|-shm)?$"));
    QStringList removed;
    const QDir dir(folder);
    const QString kept = except.isEmpty() ? QString() : QFileInfo(except).absoluteFilePath();
    const QStringList names = dir.entryList({ QStringLiteral(".*.partial-*") },
        QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& name : names) {
        const QRegularExpressionMatch m = leftover.match(name);
        if (!m.hasMatch() || platform::processRunning(m.captured(1).toLongLong()))
            continue;
        if (!kept.isEmpty() && dir.absoluteFilePath(name).startsWith(kept))
            continue;
        if (removeEntry(dir, name))
            removed.append(dir.filePath(name));
    }
    return removed;
}

NewDatabaseFile::NewDatabaseFile(const QString& targetPath, int permissions)
{
    if (postgres::isLocation(targetPath)) {
        // On a server the whole church is one transaction, committed by
        // commit(); a failure or a kill leaves the database as empty as it was.
        m_target = targetPath;
        m_server = true;
        m_database = Database::open(targetPath, Database::OpenMode::CreateNewPending);
        return;
    }
    const QFileInfo info(targetPath);
    m_target = info.absoluteFilePath();
    if (!info.absoluteDir().exists())
        throw DbError(Tr::tr("The folder of \"%1\" does not exist.").arg(targetPath));
    if (info.exists() || info.isSymLink())
        throw DbError(Tr::tr("The file \"%1\" already exists; it was left unchanged.").arg(targetPath));

    removeStaleLeftovers(m_target);
    m_temporary = temporaryPathFor(m_target, QCoreApplication::applicationPid());
    if (QFileInfo::exists(m_temporary))
        throw DbError(Tr::tr("\"%1\" is being written by this program already.").arg(targetPath));

    // A folder that cannot be written or a name the disk cannot hold is
    // said as such, before the engine reports it as a file it cannot open.
    const int error = files::createWithPermissions(m_temporary, 0600);
    if (error != 0)
        throw DbError(files::kindOfError(error),
            Tr::tr("The new database \"%1\" could not be created: %2")
                .arg(targetPath, files::whyNotWritten(error, m_target)),
            QString());
    QFile::remove(m_temporary);
    try {
        m_database = Database::open(m_temporary, Database::OpenMode::CreateNew);
        m_database->showAs(m_target);
        if (permissions >= 0 && !files::setPermissions(m_temporary, permissions))
            throw DbError(Tr::tr("its permissions could not be set: %1").arg(files::systemError(errno)));
        // A rollback journal and full flushes: whatever is committed inside the
        // temporary file is whole, and commit() adds its own flush before the rename.
        m_database->exec(QStringLiteral("PRAGMA journal_mode = DELETE"));
        m_database->exec(QStringLiteral("PRAGMA synchronous = FULL"));
    } catch (const DbError& e) {
        m_database.reset();
        removeTemporary();
        const DbError named = files::naming(e, m_temporary, m_target);
        throw DbError(named.kind(),
            Tr::tr("The new database \"%1\" could not be created: %2").arg(targetPath, named.message()),
            named.detail());
    }
}

NewDatabaseFile::~NewDatabaseFile()
{
    if (m_committed)
        return;
    m_database.reset();
    removeTemporary();
}

Database& NewDatabaseFile::database()
{
    if (!m_database)
        throw DbError(Tr::tr("The new database \"%1\" is closed.").arg(m_target));
    return *m_database;
}

void NewDatabaseFile::commit()
{
    Database& db = database();
    if (m_server) {
        if (db.m_transactionDepth != 1)
            throw DbError(Tr::tr("The new database \"%1\" still has an unfinished change.").arg(m_target));
        db.commit();
        m_database.reset();
        m_committed = true;
        return;
    }
    if (db.inTransaction())
        throw DbError(Tr::tr("The new database \"%1\" still has an unfinished change.").arg(m_target));
    m_database.reset();

    // A journal left behind means the last change was not completed.
    if (QFileInfo::exists(m_temporary + QStringLiteral("-journal")))
        throw DbError(Tr::tr("The new database \"%1\" was not completed.").arg(m_target));
    try {
        files::flushToDisk(m_temporary, false);
    } catch (const DbError& e) {
        throw files::naming(e, m_temporary, m_target);
    }

    const int error = files::renameInto(m_temporary, m_target, false);
    if (error == EEXIST)
        throw DbError(Tr::tr("The file \"%1\" appeared while the new database was written; it was left "
                             "unchanged and the new database was not kept.")
                          .arg(m_target));
    if (error != 0)
        throw DbError(Tr::tr("The new database could not be put in place as \"%1\": %2")
                          .arg(m_target, files::whyNotWritten(error, m_target)));
    m_committed = true;
    // The rename itself reaches the disk with the folder. The file is in place
    // either way, so a folder that cannot be flushed is not an error.
    files::flushToDisk(QFileInfo(m_target).absolutePath(), true);
}

void NewDatabaseFile::removeTemporary()
{
    if (m_temporary.isEmpty())
        return;
    files::removeWithCompanions(m_temporary);
}

} // namespace pw
