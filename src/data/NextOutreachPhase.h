#pragma once

// The proposal of a prospect's next step after a contact: the phase the
// prospect is in afterwards, when the next contact is due and what it should
// be, worked out from the ordered phase table and the prospect's present
// phase. It only reads; the contact screen shows the proposal and the user
// may change it before saving.

#include "data/Phases.h"

#include <QDate>
#include <QString>
#include <vector>

namespace pw {

class Database;

// The proposal for the prospect memberId after a contact on contactDate with
// contactAction:
// - A prospect without a phase, or whose phase name (letter case ignored)
//   matches no phase, starts at the first phase, due one week after the contact.
// - A contact whose action equals the present phase's action exactly (letter
//   case counts, no trimming) completes the phase: the next is the phase with
//   the lowest order above the present one, or the first phase after the last.
// - Any other action keeps the prospect in the present phase.
// In both latter cases the next contact is due the present phase's time
// period (in weeks, halves rounded to even) after the contact. A Null order or
// time period counts as 0. An empty phase table proposes an empty phase and
// action.
NextStep NextOutreachPhase(Database& db, qint64 memberId, const QDate& contactDate, const QString& contactAction);

namespace outreach {

    // The same rule over phases already read (in any order) and the
    // prospect's present phase name.
    NextStep proposeNextStep(const std::vector<Phases::PhaseRow>& phases, const QString& currentPhase,
        const QDate& contactDate, const QString& contactAction);

    // A number of weeks as a whole number, halves going to the even neighbour.
    // Values beyond any date's reach are held at +/- 10,000,000 weeks.
    qint64 roundWeeks(double weeks);

    // The date n weeks (7 x n days) after date, held within the days a date
    // field can show (14 September 1752 to 31 December 9999). An invalid date
    // stays invalid.
    QDate addWeeks(const QDate& date, qint64 weeks);

} // namespace outreach

} // namespace pw
