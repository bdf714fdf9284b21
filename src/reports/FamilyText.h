#pragma once

// The family list printed on the visitation sheet and the member information
// update sheet: one line per person in the household.

#include <QString>

namespace pw::reports {

// For a head of household, the relatives the member lists, each with the
// stored relationship; otherwise the members who list this member as a
// relative, each labelled "Head of Household". Every line holds four columns
// cut or padded to 25, 20, 10 and 12 characters (name, relationship, gender,
// birth date in the date form), separated by one blank and ended by "\r\n". A
// missing gender, birth date or relationship leaves its column blank. Empty
// when there is nobody to list.
QString familyText(qint64 memberId, bool headOfHousehold);

} // namespace pw::reports
