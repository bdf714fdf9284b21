#pragma once

#include <QString>

namespace pw {

class Clock;

// Creates a new, empty database for a church's first installation: schema,
// lookup values, one administrator (a Member row and an "Admin" account),
// stamped with the clock's time. The church details are left for the church
// information screen. Throws DbError for an empty user name or password (no
// file is created), for an existing file (left unchanged) and for failures
// while writing (the file is removed). Returns the administrator's member
// identifier.
qint64 createEmptyDatabase(
    const QString& path, const QString& adminUsername, const QString& adminPassword, const Clock& clock);

} // namespace pw
