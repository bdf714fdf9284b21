#pragma once

// Households: a connection is owned by the head of household (Member_ID) and
// names one relative (Relative_Member_ID) with a relationship; there is at
// most one row per pair. The household of a person is the relatives a head
// lists, or the heads who list a person; the member screen's family grid and
// the report sheets show it.

#include <QDate>
#include <QString>
#include <vector>

namespace pw {

class Database;

// One person of a household as the family grid and the report sheets show it.
struct FamilyRow {
    qint64 id
        = 0; // the other person (relative in a head's view, head in the other view); 0 when that Member row is gone
    QString status, firstName, middleName, lastName, title, phone, gender;
    QDate dateOfBirth; // invalid when Null
    QString memberActiveStatus, prospectActiveStatus;
    QString relationship; // Family_Connection.Relationship as stored (also in the other view)
};

// asHead true: the relatives listed by memberId (join on Relative_Member_ID, WHERE Member_ID = ?);
// false: the heads who list memberId (join on Member_ID, WHERE Relative_Member_ID = ?). Both ORDER BY Relationship
// (then the other person's name and identifier, so that equal relationships keep one order).
std::vector<FamilyRow> familyRows(Database& db, qint64 memberId, bool asHead);

namespace Households {

    // What a change of a grid's rows found when it looked at the rows as they
    // are now.
    enum class Change {
        Done,
        Stale, // the rows changed at another workstation since the grid was filled: nothing was written
    };

    // Adds the connection, or changes its relationship when the pair is
    // already connected: the pair's rows are deleted and one row inserted, as
    // one change.
    void setConnection(Database& db, qint64 memberId, qint64 relativeId, const QString& relationship);

    // Deletes the pair's connection; returns the number of rows removed.
    int removeConnection(Database& db, qint64 memberId, qint64 relativeId);

    // setConnection() for a grid that shows the pair's rows (a head's view):
    // shownRelationship is the relationship the grid shows for the pair, or
    // empty when it shows none. When the stored pair no longer matches it
    // (another workstation added, changed or removed it), nothing is written.
    Change setShownConnection(Database& db, qint64 memberId, qint64 relativeId, const QString& relationship,
        const QString& shownRelationship);

    // Removes exactly the connection the grid showed: the pair with that
    // relationship. Stale when no such row is left (removed, or its
    // relationship changed at another workstation); nothing is removed then.
    Change removeShownConnection(Database& db, qint64 memberId, qint64 relativeId, const QString& shownRelationship);

    // True when two readings of a person's family hold the same connections
    // (the other person and the relationship), in any order; a grid compares
    // the rows it showed with a new reading to see whether they changed.
    bool sameConnections(const std::vector<FamilyRow>& a, const std::vector<FamilyRow>& b);

} // namespace Households

} // namespace pw
