#pragma once

#include <QString>
#include <functional>

namespace pw {

// Runs one user action. Any error it raises (database, file, conversion) is
// caught here: transactions opened inside have already rolled back while the
// error travelled, the normal mouse pointer is restored, and the error text is
// shown under the title "Pewlark". The screen keeps what was typed. Returns
// true when the action finished without an error.
bool guarded(const std::function<void()>& action);

// The text shown for an error raised by an action.
QString errorText(const std::exception& error);

} // namespace pw
