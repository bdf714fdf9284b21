#pragma once

// What the operating system does differently, in one place: Platform_posix.cpp
// and Platform_windows.cpp implement this header and CMake builds the one that
// fits. Everything above calls these functions and never the system itself
// where Linux and Windows differ.
//
// Errors are the C library's numbers (EACCES, ENOSPC, EEXIST...): on Windows
// the system's own codes are turned into the nearest of them, so the program
// says the same words about a file on both.

#include <QString>

namespace pw::platform {

// True for the error numbers that mean the disk (or this user's share of it,
// or the largest file allowed) is full.
bool isNoRoom(int error);
// The error number of what the SQLite engine reports as the system's error
// (sqlite3_system_errno): on Windows that is a Windows error code.
int engineErrorNumber(int systemError);

// True for the error number that means the system refuses the file's name
// (Windows refuses \ / : * ? " < > | and names such as CON or NUL).
bool isRefusedName(int error);

// Opens a file for its bytes only (no line-ending translation, not inherited
// by programs started later). Returns the descriptor, or -errno. Reading,
// writing and closing it are read(), write() and close().
enum class Access { Read, Write };
int openFile(const QString& path, Access access);

// Creates path, which must not exist, empty. Where the system keeps Unix
// permissions the file gets exactly these (the umask does not change them);
// on Windows the file takes the rights of its folder, which for a folder in
// the user's profile are the user's alone. Returns 0 or the error number.
int createFile(const QString& path, int permissions);

// Writes what was written to the file to the disk. A folder is flushed where
// the system can do that; where it cannot (Windows writes a rename through by
// itself) nothing is done and 0 returned. Returns 0 or the error number.
int flushFile(const QString& path, bool directory);

// Writes everything written to the disk of path; best effort.
void flushDisk(const QString& path);

// Renames in one step, written through to the disk. With replace an existing
// target is replaced (Windows refuses while another program holds the target
// open: EACCES); without, an existing target is refused with EEXIST.
// Returns 0 or the error number.
int renameFile(const QString& from, const QString& to, bool replace);

// The file's read and write permissions (0666 bits), or -1 when unknown;
// Windows keeps none (the folder's rights decide), so always -1 there.
int permissions(const QString& path);
// Gives a file these permissions; true where the system has none to give.
bool setPermissions(const QString& path, int permissions);

// Free bytes for this user on the disk of folder, or -1 when unknown.
qint64 freeBytes(const QString& folder);
// The largest file this process may write, or -1 when there is no limit.
qint64 fileSizeLimit();

// True when the process of that number is running (also when it belongs to
// another user).
bool processRunning(qint64 pid);

// Names this user on this computer in the name of a per-user file.
QString userKey();

// True where the windows are shown on a display the environment names
// (DISPLAY, WAYLAND_DISPLAY); false on Windows, whose desktop is always there.
bool displayFromEnvironment();

// Asks the memory allocator to give large freed blocks back to the system.
void returnFreedMemory();

// The process's resident memory in bytes, now and at its peak since the
// peak was last restarted; -1 where unknown.
struct MemoryUse {
    qint64 resident = -1;
    qint64 peak = -1;
};
MemoryUse memoryUse();
// Starts the peak afresh from the present size. False where the system keeps
// one peak for the whole life of the process (Windows).
bool restartPeakMemory();

// Sets up what the process needs from the system; called first in main.
// On Windows Qt's regular expressions run without their compiled (JIT)
// form: its stack is kept per thread, and under the MinGW runtime a thread's
// storage is freed before that stack at the thread's end, so a worker thread
// that had matched an expression crashed as it ended.
void prepareProcess();

// Ends the process with code once main's own work is done and its objects
// are gone. On Linux it returns code for main to return. On Windows it
// flushes the C library's output and ends the process at once, without the
// libraries' unloading: a thread the system stops at exit can leave the C++
// runtime's thread-key lock held, and the unloading then waits for it
// forever, so the program would stay running after its window closed.
int endProcess(int code);

// While alive, what is typed at the console is not shown (a password).
// Does nothing when standard input is not a console.
class HiddenTyping {
public:
    HiddenTyping();
    ~HiddenTyping();
    HiddenTyping(const HiddenTyping&) = delete;
    HiddenTyping& operator=(const HiddenTyping&) = delete;
    bool console() const { return m_console; }

private:
    bool m_console = false;
    unsigned long m_saved = 0;
};

// The folder of settings for every user of the computer, ending in "/":
// /etc/ on Linux, %ProgramData% on Windows.
QString officeConfigFolder();

// Where the tools of mdbtools (mdb-export...) are looked for: on Windows
// they ship beside the program, elsewhere they are on the PATH. Empty when
// the PATH is to be searched.
QString bundledToolsFolder();

} // namespace pw::platform
