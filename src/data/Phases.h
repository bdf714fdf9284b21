#pragma once

// The outreach phase table: the ordered phases a prospect passes through.
// The table has no key of its own; the phase screen edits it as a whole and
// writes it back in one change, and a phase is known to the Member rows by
// its name.

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace pw {

class Database;

// A prospect's next step: the phase, the day the next contact is due and
// what it should be. An empty phase stands for "no next step" and is stored
// as three Nulls.
struct NextStep {
    QString phase;
    QDate date;
    QString action;

    bool operator==(const NextStep& other) const
    {
        return phase == other.phase && date == other.date && action == other.action;
    }
    bool operator!=(const NextStep& other) const { return !(*this == other); }

    // The step as it is stored: without a phase there is no step at all,
    // whatever the date and action say.
    NextStep normalized() const { return phase.isEmpty() ? NextStep {} : *this; }
};

namespace Phases {

    // The longest time period a phase may have: ten years of weeks.
    constexpr int MaxWeeks = 520;

    // One phase, as read from the table or as the phase screen edits it. Order
    // and time period are kept as text, as they are shown and typed; a stored
    // Null reads as empty text.
    struct PhaseRow {
        QString order;
        QString name;
        QString action;
        QString timePeriod; // weeks
        // The name the phase had when the table was read; empty for a phase
        // added since. Saving uses it to carry the prospects of a renamed phase
        // over to the new name.
        QString loadedName;
        // The stored row the phase was read from; 0 for a phase added since.
        // A save keeps each phase in its row, so that another workstation's
        // rename of that row is known by it.
        qint64 key = 0;

        // The numbers the next-phase rule works with. Empty or unreadable text
        // (a Null in the table) counts as 0.
        double orderValue() const;
        double weeksValue() const;
    };

    // Every phase, in phase order: ascending order (a Null order counting as
    // 0), then by name without regard to letter case, so that phases sharing
    // an order always come in the same sequence. loadedName is the stored name.
    std::vector<PhaseRow> load(Database& db);

    // The phase names in phase order, for pick lists.
    QStringList names(Database& db);

    // How many people are in the phase of this name (letter case ignored, as
    // the next-phase rule matches a prospect's phase). 0 for an empty name.
    int prospectCount(Database& db, const QString& phase);

    // The field a validation problem is about, for the screen to focus.
    enum class Field { Order, Name, Action, TimePeriod };

    struct Problem {
        QString text;
        QString title;
        int row = -1; // index in the table that was checked; -1 for a row not yet in it
        Field field = Field::Name;
    };

    // Checks one row as it would stand at position index of the table (-1: a
    // row to be added). The other rows are those of the table apart from
    // index. Names are required and unique without regard to letter case;
    // order and time period are whole numbers of 0 or more, the time period at
    // most MaxWeeks; no two phases share an order; the action is one of
    // actions, letter case included, since contact actions are matched exactly.
    std::optional<Problem> checkRow(
        const std::vector<PhaseRow>& table, int index, const PhaseRow& row, const QStringList& actions);

    // The first problem of any row of the table, or nothing when all is well.
    std::optional<Problem> check(const std::vector<PhaseRow>& table, const QStringList& actions);

    // Replaces the whole phase table by these rows in one change. A row whose
    // name differs from the name its stored row has now (its loadedName when
    // that row is gone) renames that phase for every person in it, also when
    // another workstation renamed the row since it was read; a stored phase
    // without a row is removed, and its people keep the name, which no longer
    // matches a phase. The table is checked first against the Prospect_Action
    // names; a problem throws pw::Error with its text and writes nothing.
    // Returns the number of people whose phase was renamed.
    int save(Database& db, const std::vector<PhaseRow>& rows);

} // namespace Phases

} // namespace pw
