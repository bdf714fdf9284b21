#pragma once

// Conditions of the file system that tests put a database into: read-only
// files and folders, and a disk without room. Tests run as root in CI, where
// file permissions do not stop the process; WithoutOverride makes them apply
// again by dropping root's permission overrides from this thread's effective
// capabilities while it lives (they stay permitted, so they come back).
// FileConditions_posix.cpp and FileConditions_windows.cpp hold what differs.

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QString>
#include <sqlite3.h>

#include <memory>

namespace pw::test {

// While alive, file permissions stop this process even when it runs as root.
// On Windows permission bits say nothing, so ok() is false there.
class WithoutOverride {
public:
    WithoutOverride();
    ~WithoutOverride();
    WithoutOverride(const WithoutOverride&) = delete;
    WithoutOverride& operator=(const WithoutOverride&) = delete;

    // False when permissions cannot be made to apply (the test must skip).
    bool ok() const { return m_ok; }

private:
    struct Saved;
    std::unique_ptr<Saved> m_saved;
    bool m_ok = false;
};

// No file of the process may grow beyond bytes while it lives: what a full
// disk looks like to the program. Lowering the soft limit needs no privilege;
// Windows has no such limit, so ok() is false there.
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool ok() const { return m_ok; }

private:
    struct Saved;
    std::unique_ptr<Saved> m_saved;
    bool m_ok = false;
};

inline QByteArray fileHash(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// The number of a process that has ended: this test program, asked only
// for its list of test functions.
inline qint64 endedProcessId()
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), { QStringLiteral("-functions") });
    child.waitForStarted();
    const qint64 pid = child.processId();
    child.waitForFinished();
    return pid;
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
