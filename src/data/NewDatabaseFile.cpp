#include "data/NewDatabaseFile.h"

#include "data/Postgres.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

namespace pw {

namespace {

    // The engine's companion files of a database file.
    const char* const kCompanions[] = { "-journal", "-wal", "-shm" };

    QString systemError(int code) { return QString::fromLocal8Bit(std::strerror(code)); }

    bool processRunning(qint64 pid)
    {
        if (pid <= 0)
            return false;
        if (::kill(static_cast<pid_t>(pid), 0) == 0)
            return true;
        return errno == EPERM; // exists, but belongs to someone else
    }

    // Writes the file's data to the disk; throws when the disk refuses.
    void flushToDisk(const QString& path, bool directory)
    {
        const QByteArray name = QFile::encodeName(path);
        const int fd = ::open(name.constData(), directory ? (O_RDONLY | O_DIRECTORY) : O_RDONLY);
        if (fd < 0)
            throw DbError(
                QStringLiteral("\"%1\" could not be opened to write it to disk: %2").arg(path, systemError(errno)));
        const int rc = ::fsync(fd);
        const int error = errno;
        ::close(fd);
        // Some file systems cannot flush a folder; the file itself is what matters.
        if (rc != 0 && !(directory && (error == EINVAL || error == ENOTSUP)))
            throw DbError(QStringLiteral("\"%1\" could not be written to disk: %2").arg(path, systemError(error)));
    }

    // Renames from to to in one step, never replacing an existing file.
    // Returns 0 or the error number.
    int renameNoReplace(const QString& from, const QString& to)
    {
        const QByteArray a = QFile::encodeName(from);
        const QByteArray b = QFile::encodeName(to);
        if (::renameat2(AT_FDCWD, a.constData(), AT_FDCWD, b.constData(), RENAME_NOREPLACE) == 0)
            return 0;
        if (errno != EINVAL && errno != ENOSYS)
            return errno;
        // The file system cannot rename without replacing: a hard link fails
        // just the same when the target exists.
        if (::link(a.constData(), b.constData()) != 0)
            return errno;
        ::unlink(a.constData());
        return 0;
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
        if (!isLeftoverOf(targetPath, name, &pid) || processRunning(pid))
            continue;
        if (QFile::remove(folder.filePath(name)))
            removed.append(folder.filePath(name));
    }
    return removed;
}

NewDatabaseFile::NewDatabaseFile(const QString& targetPath)
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
        throw DbError(QStringLiteral("The folder of \"%1\" does not exist.").arg(targetPath));
    if (info.exists() || info.isSymLink())
        throw DbError(QStringLiteral("The file \"%1\" already exists; it was left unchanged.").arg(targetPath));

    removeStaleLeftovers(m_target);
    m_temporary = temporaryPathFor(m_target, QCoreApplication::applicationPid());
    if (QFileInfo::exists(m_temporary))
        throw DbError(QStringLiteral("\"%1\" is being written by this program already.").arg(targetPath));

    try {
        m_database = Database::open(m_temporary, Database::OpenMode::CreateNew);
        // A rollback journal and full flushes: whatever is committed inside the
        // temporary file is whole, and commit() adds its own flush before the rename.
        m_database->exec(QStringLiteral("PRAGMA journal_mode = DELETE"));
        m_database->exec(QStringLiteral("PRAGMA synchronous = FULL"));
    } catch (const DbError& e) {
        m_database.reset();
        removeTemporary();
        throw DbError(QStringLiteral("The new database \"%1\" could not be created: %2").arg(targetPath, e.text()));
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
        throw DbError(QStringLiteral("The new database \"%1\" is closed.").arg(m_target));
    return *m_database;
}

void NewDatabaseFile::commit()
{
    Database& db = database();
    if (m_server) {
        if (db.m_transactionDepth != 1)
            throw DbError(QStringLiteral("The new database \"%1\" still has an unfinished change.").arg(m_target));
        db.commit();
        m_database.reset();
        m_committed = true;
        return;
    }
    if (db.inTransaction())
        throw DbError(QStringLiteral("The new database \"%1\" still has an unfinished change.").arg(m_target));
    m_database.reset();

    // A journal left behind means the last change was not completed.
    if (QFileInfo::exists(m_temporary + QStringLiteral("-journal")))
        throw DbError(QStringLiteral("The new database \"%1\" was not completed.").arg(m_target));
    flushToDisk(m_temporary, false);

    const int error = renameNoReplace(m_temporary, m_target);
    if (error == EEXIST)
        throw DbError(QStringLiteral("The file \"%1\" appeared while the new database was written; it was left "
                                     "unchanged and the new database was not kept.")
                          .arg(m_target));
    if (error != 0)
        throw DbError(QStringLiteral("The new database could not be put in place as \"%1\": %2")
                          .arg(m_target, systemError(error)));
    m_committed = true;
    // The rename itself reaches the disk with the folder. The file is in place
    // either way, so a folder that cannot be flushed is not an error.
    try {
        flushToDisk(QFileInfo(m_target).absolutePath(), true);
    } catch (const DbError&) {
    }
}

void NewDatabaseFile::removeTemporary()
{
    if (m_temporary.isEmpty())
        return;
    QFile::remove(m_temporary);
    for (const char* suffix : kCompanions)
        QFile::remove(m_temporary + QLatin1String(suffix));
}

} // namespace pw
