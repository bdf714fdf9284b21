#pragma once

#include <QDate>
#include <QString>
#include <QtGlobal>

namespace pw {
class Database;
}

namespace pw::demo {

// Writes the rosters of the Sunday morning worship for the three months from
// the first of today's month: ushers, greeters and nursery workers (drawn
// from the holders of those responsibilities, with more members given them
// where too few hold one) and a reader (from the people who said how often
// they would read). Turns go round each team evenly, nobody serves twice on
// one day and nobody when they said they could not; a few turns are
// confirmed. Some people cannot serve for a while, one on the first Sunday of
// every month and one every other week; one person down for the coming
// Sunday has since said they cannot come, so the roster shows a conflict.
// Returns the turns written.
qint64 writeRosters(Database& db, const QDate& today, quint32 seed, const QString& recordedBy);

} // namespace pw::demo
