#pragma once

// The statements behind the "Family Members" frame. A connection is owned by
// the head of household (Member_ID) and names one relative
// (Relative_Member_ID) with a relationship; there is at most one row per pair.

#include "app/PickList.h"

#include <QStringList>
#include <QVector>

namespace pw {
class Database;
}

namespace pw::members {

// Adds the connection, or changes its relationship when the pair is already
// connected: the pair's rows are deleted and one row inserted, as one change.
void setFamilyConnection(Database& db, qint64 memberId, qint64 relativeId, const QString& relationship);

// Deletes the pair's connection; returns the number of rows removed.
int removeFamilyConnection(Database& db, qint64 memberId, qint64 relativeId);

// The relationship texts, in alphabetical order.
QStringList relationshipNames(Database& db);

} // namespace pw::members
