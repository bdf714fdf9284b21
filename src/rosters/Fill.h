#pragma once

// The fill: who to propose for every empty place of a period's roster.
// Without windows or database: the caller reads what it needs (Rosters.h)
// and shows the proposal before anything is saved.
//
// The rule, place by place in date order and the positions' order:
// - only the position's candidates, never one unavailable on the day, never
//   one already serving anywhere that day (stored or proposed);
// - a person who asked to serve less often in the position (every other week,
//   once a month) is kept that many days from their other turns in it, before
//   and after;
// - among the rest, the person with the fewest turns (all positions, from
//   kLookBackDays before the period to its end, stored and proposed), then the
//   longest ago last turn (never served first), then the candidates' order;
// - turns already stored are never changed; a place nobody can fill stays
//   empty and is reported.

#include "rosters/Rosters.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <functional>
#include <vector>

namespace pw::rosters {

// How far back turns count for evenness.
constexpr int kLookBackDays = 182;

struct FillPlace {
    QDate date;
    qint64 positionId = 0;
    int needed = 1;
};

struct FillInput {
    // Every place of the period, in any order; the fill sorts them.
    std::vector<FillPlace> places;
    // The positions' order, for places on one date.
    QList<qint64> positionOrder;
    // Who may fill each position, in the order to prefer on a tie.
    QHash<qint64, QList<qint64>> candidates;
    // Every stored turn from kLookBackDays before the period to its end (and
    // later ones, for the spacing), whatever the position.
    std::vector<Assignment> stored;
    // Each person's unavailability.
    QHash<qint64, std::vector<Unavailability>> unavailable;
    QHash<PreferenceKey, Frequency> preferences;
};

struct Unfilled {
    QDate date;
    qint64 positionId = 0;
    int missing = 0; // places left empty
};

struct FillProposal {
    std::vector<Assignment> proposed; // id 0, not confirmed
    std::vector<Unfilled> unfilled;
};

FillProposal fill(const FillInput& input);

// Reads what the fill needs for these positions and dates from the database.
FillInput fillInput(Database& db, const std::vector<Position>& positions, const QDate& from, const QDate& to);

} // namespace pw::rosters
