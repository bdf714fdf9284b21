#include "data/FileOps.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pw::files {

const char* const kCompanions[3] = { "-journal", "-wal", "-shm" };

QString systemError(int code) { return QString::fromLocal8Bit(std::strerror(code)); }

void flushToDisk(const QString& path, bool directory)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), directory ? (O_RDONLY | O_DIRECTORY) : O_RDONLY);
    if (fd < 0) {
        if (directory)
            return; // the file itself is what matters
        throw DbError(DbError::Kind::Io,
            QStringLiteral("\"%1\" could not be opened to write it to disk.").arg(QDir::toNativeSeparators(path)),
            systemError(errno));
    }
    const int rc = ::fsync(fd);
    const int error = errno;
    ::close(fd);
    // Some file systems cannot flush a folder.
    if (rc != 0 && !directory)
        throw DbError(DbError::Kind::Io,
            QStringLiteral("\"%1\" could not be written to disk.").arg(QDir::toNativeSeparators(path)),
            systemError(error));
}

int renameInto(const QString& from, const QString& to, bool replace)
{
    const QByteArray a = QFile::encodeName(from);
    const QByteArray b = QFile::encodeName(to);
    if (replace)
        return std::rename(a.constData(), b.constData()) == 0 ? 0 : errno;
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

void removeWithCompanions(const QString& path)
{
    QFile::remove(path);
    for (const char* suffix : kCompanions)
        QFile::remove(path + QLatin1String(suffix));
}

bool moveWithCompanions(const QString& from, const QString& to)
{
    if (!QFile::rename(from, to))
        return false;
    for (const char* suffix : kCompanions) {
        const QString companion = from + QLatin1String(suffix);
        if (QFileInfo::exists(companion))
            QFile::rename(companion, to + QLatin1String(suffix));
    }
    return true;
}

int permissionsOf(const QString& path, int fallback)
{
    struct stat st { };
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return fallback;
    return int(st.st_mode & 0666) | 0600;
}

int createWithPermissions(const QString& path, int permissions)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno;
    const int rc = ::fchmod(fd, mode_t(permissions));
    const int error = errno;
    ::close(fd);
    if (rc != 0) {
        QFile::remove(path);
        return error;
    }
    return 0;
}

void copyFile(const QString& from, const QString& to, int permissions)
{
    const auto failed = [&](int error) {
        QFile::remove(to);
        return DbError(kindOfError(error),
            QStringLiteral("\"%1\" could not be copied to \"%2\": %3")
                .arg(QDir::toNativeSeparators(from), QDir::toNativeSeparators(to), whyNotWritten(error, to)),
            QString());
    };
    const int created = createWithPermissions(to, permissions);
    if (created != 0)
        throw DbError(kindOfError(created),
            QStringLiteral("\"%1\" could not be copied to \"%2\": %3")
                .arg(QDir::toNativeSeparators(from), QDir::toNativeSeparators(to), whyNotWritten(created, to)),
            QString());
    const int in = ::open(QFile::encodeName(from).constData(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        throw failed(errno);
    const int out = ::open(QFile::encodeName(to).constData(), O_WRONLY | O_CLOEXEC);
    if (out < 0) {
        const int error = errno;
        ::close(in);
        throw failed(error);
    }
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    int error = 0;
    for (;;) {
        const ssize_t got = ::read(in, buffer.data(), size_t(buffer.size()));
        if (got < 0) {
            error = errno;
            break;
        }
        if (got == 0)
            break;
        for (ssize_t done = 0; done < got && error == 0;) {
            const ssize_t put = ::write(out, buffer.constData() + done, size_t(got - done));
            if (put < 0)
                error = errno;
            else
                done += put;
        }
        if (error != 0)
            break;
    }
    ::close(in);
    if (::close(out) != 0 && error == 0)
        error = errno;
    if (error != 0)
        throw failed(error);
}

void flushFileSystem(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::syncfs(fd);
    ::close(fd);
}

bool setPermissions(const QString& path, int permissions)
{
    return ::chmod(QFile::encodeName(path).constData(), mode_t(permissions)) == 0;
}

QString whyNotWritten(int error, const QString& path)
{
    const QString folder = QDir::toNativeSeparators(QFileInfo(path).absolutePath());
    switch (error) {
    case EACCES:
    case EPERM:
        return QStringLiteral("you may not write in the folder \"%1\". Choose another folder, or ask whoever looks "
                              "after this computer to let you write there.")
            .arg(folder);
    case EROFS:
        return QStringLiteral("the disk of the folder \"%1\" is read-only. Choose another disk.").arg(folder);
    case ENAMETOOLONG:
        return QStringLiteral("the file name is longer than the disk allows. Choose a shorter name.");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("the folder \"%1\" does not exist.").arg(folder);
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return QStringLiteral("there is no room left on the disk. Free some space or choose another disk.");
    case EISDIR:
        return QStringLiteral("a folder of that name is in the way. Choose another name.");
    default:
        return systemError(error) + QLatin1Char('.');
    }
}

DbError::Kind kindOfError(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
        return DbError::Kind::ReadOnly;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return DbError::Kind::DiskFull;
    default:
        return DbError::Kind::Io;
    }
}

DbError naming(const DbError& error, const QString& actual, const QString& shown)
{
    const auto replaced = [&](QString text) {
        return text.replace(QDir::toNativeSeparators(actual), QDir::toNativeSeparators(shown)).replace(actual, shown);
    };
    return DbError(error.kind(), replaced(error.message()), replaced(error.detail()));
}

} // namespace pw::files
