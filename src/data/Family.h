#pragma once

// The household of a person: the relatives a head of household lists, or the
// heads who list a person. Shared by the member screen's family grid and the
// report sheets.

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

} // namespace pw
