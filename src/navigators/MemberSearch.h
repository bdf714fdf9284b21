#pragma once

// The member navigator's search: its criteria as plain values, the one
// statement they make, and the columns of its result grid.

#include "attendance/Attendance.h"
#include "navigators/SearchGrid.h"

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

namespace pw::navigators {

// Every criterion of the member navigator. A text is active when it is not
// empty (blanks count as text and are searched for); a pick list when it has
// a choice: its text, or its row's identifier (0: nothing chosen); a yes/no
// list when it holds a value; the date range when its box is ticked.
struct MemberCriteria {
    QString name; // anywhere in first, last or middle name
    bool memberSince = false;
    QDate memberSinceFirst;
    QDate memberSinceLast;
    QString search; // anywhere in hobbies, organizations, place of work, notes, prospect note
    QString status;
    QString churchStatus;
    QString prospectStatus;
    int monthIndex = -1; // position in the month list, January at 0; -1: none
    QString mapSection;
    qint64 sundaySchoolClass = 0;
    qint64 careGroup = 0;
    qint64 discipleshipClass = 0;
    qint64 wednesdayClass = 0;
    qint64 deacon = 0;
    QString responsibility; // held at any time
    std::optional<bool> receiveNewsletter;
    std::optional<bool> headOfHousehold;
    QString city, state, zip; // whole city and state, zip from its start; wildcards
    attendance::SinceCriterion attended; // "Attended since" / "Not attended since"
};

// The twelve columns of the member grid.
const std::vector<GridColumn>& memberGridColumns();

// The search over Member: the grid's columns for the people who meet every
// active criterion, ordered by last, first and middle name. Typed text and
// list texts are bound as values, never part of the statement.
SearchStatement memberSearch(const MemberCriteria& criteria);

// The month number (1 to 12) of a position in the month list; 0 for none.
int monthOfPosition(int index);

} // namespace pw::navigators
