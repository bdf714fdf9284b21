#pragma once

#include <QString>

namespace pw {

class Clock;

// Creates a new, empty database for a church's first installation: schema,
// lookup values, one administrator (a Member row and an "Admin" account),
// stamped with the clock's time. With a church name the church row is
// written too, with that name and the type-ahead delay a new church starts
// with (Church::kDefaultDelay); without one the church details are left for
// the church information screen. The file appears whole or not at all (it is built
// under a temporary name beside path and renamed into place). Throws DbError
// for an empty user name or password, for an existing file (left unchanged)
// and for failures while writing (no file appears). Returns the
// administrator's member identifier.
qint64 createEmptyDatabase(const QString& path, const QString& adminUsername, const QString& adminPassword,
    const Clock& clock, const QString& churchName = QString());

} // namespace pw
