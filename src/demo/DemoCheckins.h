#pragma once

#include <QDate>
#include <QString>
#include <QtGlobal>

namespace pw {
class Database;
}

namespace pw::demo {

// Writes the children's check-ins of the last four Sundays before today:
// every child under 12 recorded present in a Sunday School class that day
// was checked in at 9:30 and some minutes at one of two stations, under one
// code per family and day, and checked out at 10:40 and some minutes. A few
// of those children get care notes (an allergy, the people who may pick them
// up). Reads the attendance already written. Returns the check-ins written.
qint64 writeCheckins(Database& db, const QDate& today, quint32 seed);

} // namespace pw::demo
