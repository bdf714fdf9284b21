#pragma once

#include <QDate>
#include <QString>
#include <QtGlobal>

namespace pw {
class Database;
}

namespace pw::demo {

// Writes two years of giving, up to today, for the people already in the
// church: four funds; about a third of the active households give (most
// weekly, some monthly, a few large gifts a quarter, some online), by cash,
// card or check with numbers, a few split with the building fund; a loose
// offering each Sunday; pledges to the building fund running three years;
// each giver an envelope number. Every Sunday's gifts are one batch with its
// control total and count, closed the next day but for the last Sunday's,
// which is left open. A church of more than 9,000 giving households has the
// giving of 3,000 of them, spread over the roll. Returns the gifts written.
qint64 writeGiving(Database& db, const QDate& today, quint32 seed, const QString& recordedBy);

} // namespace pw::demo
