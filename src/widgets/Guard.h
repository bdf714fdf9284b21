#pragma once

#include <QString>
#include <functional>

namespace pw {

// Runs one user action. Any error it raises (database, file, conversion) is
// caught here: transactions opened inside have already rolled back while the
// error travelled, the normal mouse pointer is restored, and the error text is
// shown under the title "Pewlark". The engine's common failures (locked,
// read-only, disk full, damaged) carry a message that names the file and says
// what to do, with the engine's own text as a detail paragraph. The screen
// keeps what was typed. Returns true when the action finished without an error.
bool guarded(const std::function<void()>& action);

// The text shown for an error raised by an action.
QString errorText(const std::exception& error);

// While it lives, a statement that waits for another program's or
// workstation's lock shows the busy pointer, and the windows keep being
// painted meanwhile; mouse and keys wait, so nothing else starts. The wait is
// bounded by the connection's lock wait limit, after which the statement
// fails with the "in use" message. The program installs one at start-up.
class LockWaitIndicator {
public:
    LockWaitIndicator();
    ~LockWaitIndicator();
    LockWaitIndicator(const LockWaitIndicator&) = delete;
    LockWaitIndicator& operator=(const LockWaitIndicator&) = delete;
};

// True while a statement waits for a lock. Timers that run statements skip
// their turn then: the waiting connection must not be used meanwhile.
bool waitingForLock();

} // namespace pw
