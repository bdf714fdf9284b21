// Linux (and other Unix) side of data/Platform.h.

#include "data/Platform.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <malloc.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <termios.h>
#include <unistd.h>

namespace pw::platform {

namespace {
    QByteArray name(const QString& path) { return QFile::encodeName(path); }
}

bool isNoRoom(int error) { return error == ENOSPC || error == EDQUOT || error == EFBIG; }

int engineErrorNumber(int systemError) { return systemError; }

bool isRefusedName(int) { return false; }

int openFile(const QString& path, Access access)
{
    const int fd = ::open(name(path).constData(), (access == Access::Read ? O_RDONLY : O_WRONLY) | O_CLOEXEC);
    return fd < 0 ? -errno : fd;
}

int createFile(const QString& path, int permissions)
{
    const int fd = ::open(name(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
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

int flushFile(const QString& path, bool directory)
{
    const int fd = ::open(name(path).constData(), directory ? (O_RDONLY | O_DIRECTORY) : O_RDONLY);
    if (fd < 0)
        return directory ? 0 : errno;
    const int rc = ::fsync(fd);
    const int error = errno;
    ::close(fd);
    // Some file systems cannot flush a folder.
    return rc != 0 && !directory ? error : 0;
}

void flushDisk(const QString& path)
{
    const int fd = ::open(name(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::syncfs(fd);
    ::close(fd);
}

int renameFile(const QString& from, const QString& to, bool replace)
{
    const QByteArray a = name(from);
    const QByteArray b = name(to);
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

int permissions(const QString& path)
{
    struct stat st { };
    if (::stat(name(path).constData(), &st) != 0)
        return -1;
    return int(st.st_mode & 0666);
}

bool setPermissions(const QString& path, int permissions)
{
    return ::chmod(name(path).constData(), mode_t(permissions)) == 0;
}

qint64 freeBytes(const QString& folder)
{
    struct statvfs fs { };
    if (::statvfs(name(folder).constData(), &fs) != 0)
        return -1;
    return qint64(fs.f_bavail) * qint64(fs.f_frsize);
}

qint64 fileSizeLimit()
{
    struct rlimit limit { };
    if (::getrlimit(RLIMIT_FSIZE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return -1;
    return qint64(limit.rlim_cur);
}

bool processRunning(qint64 pid)
{
    if (pid <= 0)
        return false;
    if (::kill(static_cast<pid_t>(pid), 0) == 0)
        return true;
    return errno == EPERM; // exists, but belongs to someone else
}

QString userKey()
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = QString::number(::getuid());
    return user;
}

bool displayFromEnvironment() { return true; }

void returnFreedMemory()
{
    // The C library otherwise raises this threshold to the largest block
    // freed so far, after which such blocks come from, and stay in, its heap.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
}

namespace {

    // A "Vm...:" line of the process's status, in bytes.
    qint64 statusBytes(const QByteArray& status, const QByteArray& field)
    {
        for (const QByteArray& line : status.split('\n')) {
            if (line.startsWith(field))
                return line.mid(field.size()).trimmed().split(' ').value(0).toLongLong() * 1024;
        }
        return -1;
    }

} // namespace

MemoryUse memoryUse()
{
    QFile file(QStringLiteral("/proc/self/status"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray status = file.readAll();
    return { statusBytes(status, "VmRSS:"), statusBytes(status, "VmHWM:") };
}

bool restartPeakMemory()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
}

void prepareProcess() { }

int endProcess(int code) { return code; }

HiddenTyping::HiddenTyping()
    : m_console(::isatty(STDIN_FILENO))
{
    if (!m_console)
        return;
    termios modes {};
    ::tcgetattr(STDIN_FILENO, &modes);
    m_saved = modes.c_lflag;
    modes.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    ::tcsetattr(STDIN_FILENO, TCSANOW, &modes);
}

HiddenTyping::~HiddenTyping()
{
    if (!m_console)
        return;
    termios modes {};
    ::tcgetattr(STDIN_FILENO, &modes);
    modes.c_lflag = static_cast<tcflag_t>(m_saved);
    ::tcsetattr(STDIN_FILENO, TCSANOW, &modes);
}

QString officeConfigFolder() { return QStringLiteral("/etc/"); }

QString bundledToolsFolder() { return {}; }

} // namespace pw::platform
