#pragma once

#include <QDate>
#include <QString>
#include <QtGlobal>

namespace pw {
class Database;
}

namespace pw::demo {

// Writes two years of weekly attendance, up to today, for the people already
// in the church: each person comes to the services (and classes) their
// attendance levels name about as often as the level says; most keep coming,
// some drift away and stop, some start partway, some miss a stretch of weeks,
// and the people now inactive stopped at some point. Every meeting gets a
// headcount a little above the people recorded. A church of more than
// 20,000 such people has the history of 20,000 of them, spread over the
// roll. Returns the rows written.
qint64 writeAttendance(Database& db, const QDate& today, quint32 seed, const QString& recordedBy);

} // namespace pw::demo
