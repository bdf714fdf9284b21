// Windows side of data/Platform.h.

#include "data/Platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <psapi.h>

namespace pw::platform {

namespace {

    std::wstring wide(const QString& path) { return QDir::toNativeSeparators(path).toStdWString(); }

    // The C library's number nearest to a Windows error code, so the file
    // errors read as they do on Linux.
    int errorNumber(DWORD code)
    {
        switch (code) {
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_NETWORK_ACCESS_DENIED:
            return EACCES;
        case ERROR_WRITE_PROTECT:
            return EROFS;
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
            return ENOENT;
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return EEXIST;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return ENOSPC;
        case ERROR_FILENAME_EXCED_RANGE:
            return ENAMETOOLONG;
        case ERROR_DIRECTORY:
            return ENOTDIR;
        case ERROR_NOT_SAME_DEVICE:
            return EXDEV;
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME:
            return EINVAL;
        default:
            return EIO;
        }
    }

    int lastError() { return errorNumber(::GetLastError()); }

    // Windows says a name longer than it allows is a path not found: in a
    // folder that exists, it is the name.
    int named(int error, const QString& path)
    {
        const QFileInfo info(path);
        if (error == ENOENT && info.absoluteDir().exists()
            && (info.fileName().size() > 255 || info.absoluteFilePath().size() >= MAX_PATH))
            return ENAMETOOLONG;
        return error;
    }

} // namespace

bool isNoRoom(int error) { return error == ENOSPC || error == EFBIG; }

int engineErrorNumber(int systemError) { return systemError == 0 ? 0 : errorNumber(DWORD(systemError)); }

bool isRefusedName(int error) { return error == EINVAL; }

int openFile(const QString& path, Access access)
{
    const int flags = (access == Access::Read ? _O_RDONLY : _O_WRONLY) | _O_BINARY | _O_NOINHERIT;
    const int fd = ::_wopen(wide(path).c_str(), flags);
    return fd < 0 ? -named(errno, path) : fd;
}

int createFile(const QString& path, int /*permissions*/)
{
    // No Unix permissions: the new file takes its folder's rights.
    const int fd
        = ::_wopen(wide(path).c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
    if (fd < 0)
        return named(errno, path);
    ::_close(fd);
    return 0;
}

int flushFile(const QString& path, bool directory)
{
    if (directory)
        return 0; // a rename with MOVEFILE_WRITE_THROUGH is on the disk already
    // Others may have the file open (the database engine does): share it all.
    const HANDLE h = ::CreateFileW(wide(path).c_str(), GENERIC_WRITE,
        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return lastError();
    const int rc = ::FlushFileBuffers(h) ? 0 : lastError();
    ::CloseHandle(h);
    return rc;
}

void flushDisk(const QString&)
{
    // Flushing a whole volume needs an administrator; every file written is
    // flushed by itself (flushFile) instead.
}

int renameFile(const QString& from, const QString& to, bool replace)
{
    const DWORD flags = MOVEFILE_WRITE_THROUGH | (replace ? MOVEFILE_REPLACE_EXISTING : 0);
    if (::MoveFileExW(wide(from).c_str(), wide(to).c_str(), flags))
        return 0;
    return named(lastError(), to);
}

int permissions(const QString&) { return -1; }

bool setPermissions(const QString&, int) { return true; }

qint64 freeBytes(const QString& folder)
{
    ULARGE_INTEGER available {};
    if (!::GetDiskFreeSpaceExW(wide(folder).c_str(), &available, nullptr, nullptr))
        return -1;
    return qint64(available.QuadPart);
}

qint64 fileSizeLimit() { return -1; }

bool processRunning(qint64 pid)
{
    if (pid <= 0)
        return false;
    const HANDLE h = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, DWORD(pid));
    if (!h)
        return ::GetLastError() == ERROR_ACCESS_DENIED; // exists, but belongs to someone else
    DWORD code = 0;
    const bool running = ::GetExitCodeProcess(h, &code) && code == STILL_ACTIVE;
    ::CloseHandle(h);
    return running;
}

QString userKey()
{
    const QString user = qEnvironmentVariable("USERNAME");
    return user.isEmpty() ? QStringLiteral("user") : user;
}

bool displayFromEnvironment() { return false; }

void returnFreedMemory()
{
    // The Windows heap returns large blocks to the system by itself.
}

MemoryUse memoryUse()
{
    PROCESS_MEMORY_COUNTERS counters;
    if (!::K32GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters))
        return {};
    return { qint64(counters.WorkingSetSize), qint64(counters.PeakWorkingSetSize) };
}

bool restartPeakMemory() { return false; }

void prepareProcess()
{
    // Read by Qt once, at the first match: before any thread starts.
    qputenv("QT_ENABLE_REGEXP_JIT", "0");
}

int endProcess(int code)
{
    std::fflush(nullptr);
    ::TerminateProcess(::GetCurrentProcess(), UINT(code));
    return code; // not reached
}

HiddenTyping::HiddenTyping()
{
    const HANDLE in = ::GetStdHandle(STD_INPUT_HANDLE);
    DWORD mode = 0;
    m_console = in != INVALID_HANDLE_VALUE && ::GetConsoleMode(in, &mode);
    if (!m_console)
        return;
    m_saved = mode;
    ::SetConsoleMode(in, mode & ~DWORD(ENABLE_ECHO_INPUT));
}

HiddenTyping::~HiddenTyping()
{
    if (m_console)
        ::SetConsoleMode(::GetStdHandle(STD_INPUT_HANDLE), DWORD(m_saved));
}

QString officeConfigFolder()
{
    return QDir::fromNativeSeparators(qEnvironmentVariable("ProgramData", QStringLiteral("C:\\ProgramData")))
        + QLatin1Char('/');
}

QString bundledToolsFolder() { return QCoreApplication::applicationDirPath(); }

} // namespace pw::platform
