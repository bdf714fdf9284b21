#pragma once

// Rosters: the positions people serve in at the services (ushers, greeters,
// nursery, readers), who serves where on which date, when people cannot
// serve, and how often they would. The rows of Roster_Position,
// Roster_Assignment, Roster_Unavailable and Roster_Preference.

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <optional>
#include <vector>

namespace pw {
class Database;
}

namespace pw::rosters {

struct Position {
    qint64 id = 0;
    QString name;
    QString service; // a services::Service code
    int needed = 1;
    QString responsibility; // empty: anyone may fill it
    int order = 0;
    bool active = true;
};

struct Assignment {
    qint64 id = 0; // 0: not stored yet
    qint64 positionId = 0;
    QDate date;
    qint64 memberId = 0;
    bool confirmed = false;
    QString note;
};

enum class Repeats { Once, Monthly, Fortnightly };

// A time a person cannot serve. Once: from `from` to `to` (an invalid `to`:
// that day only). Monthly: on from's weekday in from's week of every month
// (the first Sunday, the third Wednesday; a fifth week is only in months that
// have one); Fortnightly: every fourteen days from `from`; both from `from`
// until `to` (invalid: no end).
struct Unavailability {
    qint64 id = 0;
    qint64 memberId = 0;
    QDate from;
    QDate to;
    Repeats repeats = Repeats::Once;
    QString note;

    bool covers(const QDate& day) const;
    // "3/1/2026 to 3/15/2026", "Every first Sunday from 1/4/2026" and the like.
    QString whenText() const;
};

// How often a person would serve in a position; the fill keeps them at least
// this many days apart in it.
enum class Frequency { Weekly, Fortnightly, Monthly };
int minimumDaysApart(Frequency f);
QString frequencyText(Frequency f); // "Every week", "Every other week", "Once a month"
QString frequencyCode(Frequency f); // as stored
Frequency frequencyFromCode(const QString& code);
QString repeatsCode(Repeats r);
Repeats repeatsFromCode(const QString& code);

// The positions in their order (name after); with activeOnly, the active ones.
std::vector<Position> positions(Database& db, bool activeOnly = true);
std::optional<Position> position(Database& db, qint64 id);
// Stores a position (a new one when id is 0) and returns its identifier.
qint64 savePosition(Database& db, const Position& p);
// A position nobody was ever assigned to is removed; one with assignments is
// made inactive, so past rosters keep their names. Returns whether removed.
bool removePosition(Database& db, qint64 id);

// The days a service meets from `from` to `to`, both included.
QList<QDate> servingDays(const QString& serviceCode, const QDate& from, const QDate& to);

// The assignments dated from `from` to `to` (all positions), by date,
// position and the order they were made.
std::vector<Assignment> assignments(Database& db, const QDate& from, const QDate& to);
// The person's assignments from `from` on, by date.
std::vector<Assignment> assignmentsOf(Database& db, qint64 memberId, const QDate& from);

// Every unavailability of these people that may cover a day from `from` to
// `to` (the repeating ones not yet ended), keyed by person.
QHash<qint64, std::vector<Unavailability>> unavailability(
    Database& db, const QList<qint64>& people, const QDate& from, const QDate& to);
// All of one person's, the latest first.
std::vector<Unavailability> unavailabilityOf(Database& db, qint64 memberId);
qint64 addUnavailability(Database& db, const Unavailability& u);
void removeUnavailability(Database& db, qint64 id);
// True when one of the rows covers the day.
bool unavailableOn(const std::vector<Unavailability>& rows, const QDate& day);

// How often each person would serve in each position: (member, position).
struct PreferenceKey {
    qint64 memberId = 0;
    qint64 positionId = 0;
    bool operator==(const PreferenceKey& o) const { return memberId == o.memberId && positionId == o.positionId; }
};
inline size_t qHash(const PreferenceKey& k, size_t seed = 0)
{
    return ::qHash(qMakePair(k.memberId, k.positionId), seed);
}
QHash<PreferenceKey, Frequency> preferences(Database& db);
// The person's preferences by position.
QHash<qint64, Frequency> preferencesOf(Database& db, qint64 memberId);
// Stores the person's preference for the position; nothing: takes it away.
void setPreference(Database& db, qint64 memberId, qint64 positionId, std::optional<Frequency> f);

// The people who may fill each of the positions, by name: the holders of its
// responsibility on `day` (started by then, not ended before) and, for a
// position anyone may fill, the people who gave a preference for it; people
// who died or whose church status is Inactive, Homebound, Moved Away or
// Deceased are left out. Read in one pass however many positions.
QHash<qint64, QList<qint64>> candidates(Database& db, const std::vector<Position>& positions, const QDate& day);

// Who holds a person's turns: "Hale, Helen" for each identifier asked about.
QHash<qint64, QString> names(Database& db, const QList<qint64>& ids);

// What one save of the roster screen writes: assignments added, taken away,
// and changed (confirmed, note), each change with the row as it was loaded.
struct RosterChanges {
    std::vector<Assignment> added;
    std::vector<Assignment> removed;
    std::vector<std::pair<Assignment, Assignment>> changed; // loaded, mine
};

enum class OnConflict { Report, KeepTheirs, KeepMine };

struct SaveOutcome {
    // With OnConflict::Report, what another workstation did meanwhile that
    // this save would undo or overfill; nothing was written when not empty.
    QStringList conflicts;
    int added = 0;
    int removed = 0;
    int changed = 0;
};

// Writes the changes in one transaction, reading the rows under the writing
// lock. Conflicts: an added turn where the place has meanwhile been filled
// elsewhere (KeepTheirs leaves it out, KeepMine adds it anyway); a changed
// turn removed or changed elsewhere (KeepTheirs leaves theirs, KeepMine writes
// mine, adding it again). Adding a person already serving in that place that
// day adds nothing; removing a turn already removed does nothing.
SaveOutcome saveChanges(
    Database& db, const RosterChanges& changes, OnConflict onConflict, const QString& user, const QDateTime& now);

} // namespace pw::rosters
