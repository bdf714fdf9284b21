#pragma once

// The prospect navigator's search: its criteria as plain values, the one
// statement they make, the columns of the prospects grid, and the contacts
// grid that follows the current prospect.

#include "navigators/SearchGrid.h"

#include <QDate>
#include <QString>
#include <vector>

namespace pw::navigators {

// Every criterion of the prospect navigator, active as in MemberCriteria.
struct ProspectCriteria {
    QString phase;
    QString name; // anywhere in first, last or middle name
    bool nextContact = false; // the planned next contact falls in the range
    QDate nextContactFirst;
    QDate nextContactLast;
    QString nextAction;
    // A recorded contact: in the range when ticked, of the action when one is
    // chosen, both for the same contact when both are given.
    bool previousContact = false;
    QDate previousContactFirst;
    QDate previousContactLast;
    QString previousAction;
    QString status;
    QString churchStatus;
    QString prospectStatus;
    QString search; // anywhere in hobbies, organizations, place of work, notes, prospect note
    qint64 sundaySchoolClass = 0; // the class the prospect is assigned to
    qint64 careGroup = 0; // the care group the prospect is assigned to
    int monthIndex = -1; // position in the month list, January at 0; -1: none
    QString mapSection;
    QString city, state, zip; // whole city and state, zip from its start; wildcards
};

// The fifteen columns of the prospects grid.
const std::vector<GridColumn>& prospectGridColumns();

// The search over Member for the prospect navigator: the grid's columns for
// the people who meet every active criterion, by last, first and middle name.
SearchStatement prospectSearch(const ProspectCriteria& criteria);

// The eight columns of the contacts grid.
const std::vector<GridColumn>& contactGridColumns();

// The recorded contacts of one prospect, newest first, for the contacts grid.
SearchStatement contactsOf(qint64 prospectId);

} // namespace pw::navigators
