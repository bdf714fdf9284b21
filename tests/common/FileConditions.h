#pragma once

// Conditions of the file system that tests put a database into: read-only
// files and folders, and a disk without room. Tests run as root in CI, where
// file permissions do not stop the process; WithoutOverride makes them apply
// again by dropping root's permission overrides from this thread's effective
// capabilities while it lives (they stay permitted, so they come back).

#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QString>
#include <sqlite3.h>

#include <csignal>
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace pw::test {

class WithoutOverride {
public:
    WithoutOverride()
    {
        if (::geteuid() != 0) {
            m_ok = true; // permissions apply anyway
            return;
        }
        if (::syscall(SYS_capget, &m_header, m_saved) != 0)
            return;
        __user_cap_data_struct reduced[2] = { m_saved[0], m_saved[1] };
        reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER));
        m_ok = ::syscall(SYS_capset, &m_header, reduced) == 0;
        m_dropped = m_ok;
    }
    ~WithoutOverride()
    {
        if (m_dropped)
            ::syscall(SYS_capset, &m_header, m_saved);
    }
    WithoutOverride(const WithoutOverride&) = delete;
    WithoutOverride& operator=(const WithoutOverride&) = delete;

    // False when permissions cannot be made to apply (the test must skip).
    bool ok() const { return m_ok; }

private:
    __user_cap_header_struct m_header { _LINUX_CAPABILITY_VERSION_3, 0 };
    __user_cap_data_struct m_saved[2] {};
    bool m_ok = false;
    bool m_dropped = false;
};

// No file of the process may grow beyond bytes while it lives: what a full
// disk looks like to the program. Lowering the soft limit needs no privilege.
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 bytes)
    {
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        struct rlimit limit = m_saved;
        limit.rlim_cur = rlim_t(bytes);
        m_ok = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_previousHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool ok() const { return m_ok; }

private:
    struct rlimit m_saved { };
    void (*m_previousHandler)(int) = nullptr;
    bool m_ok = false;
};

inline QByteArray fileHash(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// The number of a process that has ended.
inline qint64 endedProcessId()
{
    QProcess shell;
    shell.start(QStringLiteral("sh"), { QStringLiteral("-c"), QStringLiteral("echo $$") });
    shell.waitForFinished();
    return shell.readAllStandardOutput().trimmed().toLongLong();
}

// What a program that stopped in the middle of a change leaves: the file
// with part of the change written into it and, beside it, the journal that
// undoes it.
inline void leaveUnfinishedChange(const QString& path)
{
    const QString working = path + QStringLiteral(".working");
    QFile::copy(path, working);
    sqlite3* h = nullptr;
    sqlite3_open(QFile::encodeName(working).constData(), &h);
    // A small cache makes the engine write changed pages into the file.
    sqlite3_exec(h, "PRAGMA cache_size = 1; BEGIN; UPDATE Member SET Notes = 'half-written', Last_Name = 'Half'",
        nullptr, nullptr, nullptr);
    QFile::remove(path);
    QFile::copy(working, path);
    QFile::copy(working + QStringLiteral("-journal"), path + QStringLiteral("-journal"));
    sqlite3_exec(h, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(h);
    QFile::remove(working);
}

} // namespace pw::test
