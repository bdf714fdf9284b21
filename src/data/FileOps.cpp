#include "data/FileOps.h"
#include "data/Platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <QCoreApplication>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(FileOps)
};
} // namespace

namespace pw::files {

const char* const kCompanions[3] = { "-journal", "-wal", "-shm" };

QString systemError(int code) { return QString::fromLocal8Bit(std::strerror(code)); }

void flushToDisk(const QString& path, bool directory)
{
    const int error = platform::flushFile(path, directory);
    if (error == 0)
        return;
    throw DbError(DbError::Kind::Io, Tr::tr("\"%1\" could not be written to disk.").arg(QDir::toNativeSeparators(path)),
        systemError(error));
}

int renameInto(const QString& from, const QString& to, bool replace) { return platform::renameFile(from, to, replace); }

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
    const int permissions = platform::permissions(path);
    return permissions < 0 ? fallback : permissions | 0600;
}

int createWithPermissions(const QString& path, int permissions) { return platform::createFile(path, permissions); }

void copyFile(const QString& from, const QString& to, int permissions)
{
    const auto failed = [&](int error) {
        QFile::remove(to);
        return DbError(kindOfError(error),
            Tr::tr("\"%1\" could not be copied to \"%2\": %3")
                .arg(QDir::toNativeSeparators(from), QDir::toNativeSeparators(to), whyNotWritten(error, to)),
            QString());
    };
    const int created = createWithPermissions(to, permissions);
    if (created != 0)
        throw DbError(kindOfError(created),
            Tr::tr("\"%1\" could not be copied to \"%2\": %3")
                .arg(QDir::toNativeSeparators(from), QDir::toNativeSeparators(to), whyNotWritten(created, to)),
            QString());
    const int in = platform::openFile(from, platform::Access::Read);
    if (in < 0)
        throw failed(-in);
    const int out = platform::openFile(to, platform::Access::Write);
    if (out < 0) {
        ::close(in);
        throw failed(-out);
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

void flushFileSystem(const QString& path) { platform::flushDisk(path); }

bool setPermissions(const QString& path, int permissions) { return platform::setPermissions(path, permissions); }

QString whyNotWritten(int error, const QString& path)
{
    const QString folder = QDir::toNativeSeparators(QFileInfo(path).absolutePath());
    if (platform::isNoRoom(error))
        return Tr::tr("there is no room left on the disk. Free some space or choose another disk.");
    if (platform::isRefusedName(error))
        return Tr::tr("the file name holds a character the disk does not allow (one of \\ / : * ? \" < > |). "
                      "Choose another name.");
    switch (error) {
    case EACCES:
    case EPERM:
        return Tr::tr("you may not write in the folder \"%1\". Choose another folder, or ask whoever looks "
                      "after this computer to let you write there.")
            .arg(folder);
    case EROFS:
        return Tr::tr("the disk of the folder \"%1\" is read-only. Choose another disk.").arg(folder);
    case ENAMETOOLONG:
        return Tr::tr("the file name is longer than the disk allows. Choose a shorter name.");
    case ENOENT:
    case ENOTDIR:
        return Tr::tr("the folder \"%1\" does not exist.").arg(folder);
    case EISDIR:
        return Tr::tr("a folder of that name is in the way. Choose another name.");
    default:
        return systemError(error) + QLatin1Char('.');
    }
}

DbError::Kind kindOfError(int error)
{
    if (platform::isNoRoom(error))
        return DbError::Kind::DiskFull;
    switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
        return DbError::Kind::ReadOnly;
    default:
        return DbError::Kind::Io;
    }
}

DbError naming(const DbError& error, const QString& actual, const QString& shown)
{
    const auto replaced = [&](QString text) {
        return text.replace(QDir::toNativeSeparators(actual), QDir::toNativeSeparators(shown)).replace(actual, shown);
    };
    DbError named(error.kind(), replaced(error.message()), replaced(error.detail()));
    if (error.isFinal())
        named.setFinal();
    return named;
}

} // namespace pw::files
