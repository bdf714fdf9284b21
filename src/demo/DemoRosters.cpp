#include "demo/DemoRosters.h"

#include "data/Database.h"
#include "data/Sql.h"
#include "demo/DemoPlan.h"

#include <QDateTime>
#include <algorithm>
#include <functional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace pw::demo {

namespace {

    // People on each position's team for every place it has to fill.
    constexpr int kTeamPerPlace = 4;
    constexpr int kReaders = 6;
    // The adults, by identifier, drawn on where a team is short.
    constexpr int kAdultsRead = 3000;
    const QDate kNoEnd(2099, 12, 31);

    struct PositionPlan {
        const char* name;
        int needed;
        const char* responsibility; // nullptr: the readers, who said how often they would
    };

    const PositionPlan kPositions[] = {
        { "Usher", 4, "Usher" },
        { "Greeter", 2, "Greeter" },
        { "Nursery", 2, "Nursery Worker" },
        { "Reader", 1, nullptr },
    };

    enum class Repeats { Once, Monthly, Fortnightly };

    // A time someone cannot serve, as the roster reads Roster_Unavailable.
    struct Away {
        qint64 member;
        QDate from;
        QDate to; // invalid: that day only (Once), no end (repeating)
        Repeats repeats;
        const char* note;

        bool covers(const QDate& day) const
        {
            if (day < from || (to.isValid() && day > to))
                return false;
            switch (repeats) {
            case Repeats::Once:
                return to.isValid() || day == from;
            case Repeats::Monthly:
                return day.dayOfWeek() == from.dayOfWeek() && (day.day() - 1) / 7 == (from.day() - 1) / 7;
            case Repeats::Fortnightly:
                return from.daysTo(day) % 14 == 0;
            }
            return false;
        }
        QString repeatsCode() const
        {
            return repeats == Repeats::Monthly    ? QStringLiteral("Monthly")
                : repeats == Repeats::Fortnightly ? QStringLiteral("Fortnightly")
                                                  : QStringLiteral("");
        }
    };

    struct Team {
        qint64 position = 0;
        int needed = 0;
        std::vector<qint64> people;
        std::unordered_map<qint64, int> daysApart; // at least, as a reader asked
        std::unordered_map<qint64, QDate> lastTurn;
    };

    // Adds people drawn from `adults` until the team is full (or the draws run out).
    void topUp(detail::Random& rnd, std::vector<qint64>& team, std::size_t size, const QList<qint64>& adults,
        const std::function<void(qint64)>& joined)
    {
        for (int tries = 0; !adults.isEmpty() && team.size() < size && tries < 4 * int(size); ++tries) {
            const qint64 id = adults.at(rnd.below(int(adults.size())));
            if (std::find(team.begin(), team.end(), id) == team.end()) {
                team.push_back(id);
                joined(id);
            }
        }
    }

} // namespace

qint64 writeRosters(Database& db, const QDate& today, quint32 seed, const QString& recordedBy)
{
    detail::Random rnd(seed ^ 0x52A5F00Du);
    const QDate first(today.year(), today.month(), 1);
    const QDate last = first.addMonths(3).addDays(-1);
    const QDate firstSunday = first.addDays((7 - first.dayOfWeek()) % 7);
    const QDate comingSunday = today.addDays((7 - today.dayOfWeek()) % 7);
    const QVariant active = QStringLiteral("Active");
    const QList<qint64> adults = db.ids(QStringLiteral("SELECT ID FROM Member WHERE Status <> ? AND "
                                                       "Member_Active_Status = ? AND Deceased_Date IS NULL AND "
                                                       "Date_Of_Birth <= ? AND Date_Of_Birth >= ? ORDER BY ID LIMIT ?"),
        { QStringLiteral("Prospect"), active, sql::date(today.addYears(-18)), sql::date(today.addYears(-75)),
            kAdultsRead });

    Statement position(db,
        QStringLiteral("INSERT INTO Roster_Position (Name, Service, Needed, Responsibility, Position_Order) "
                       "VALUES (?, ?, ?, ?, ?)")
            + sql::returningId());
    Statement responsibility(db,
        QStringLiteral("INSERT INTO Member_Responsibility (Member_ID, Responsibility, \"Start\", \"End\") "
                       "VALUES (?, ?, ?, ?)"));
    Statement preference(
        db, QStringLiteral("INSERT INTO Roster_Preference (Member_ID, Position_ID, Frequency) VALUES (?, ?, ?)"));
    std::vector<Team> teams;
    int order = 0;
    for (const PositionPlan& plan : kPositions) {
        Team team;
        team.needed = plan.needed;
        const QString role = plan.responsibility ? QString::fromLatin1(plan.responsibility) : QString();
        team.position = position.insert({ QString::fromLatin1(plan.name), QStringLiteral("WS"), plan.needed,
            plan.responsibility ? QVariant(role) : QVariant(), ++order });
        if (plan.responsibility) {
            const QList<qint64> holders = db.ids(
                QStringLiteral("SELECT DISTINCT r.Member_ID FROM Member_Responsibility AS r JOIN Member AS m ON m.ID "
                               "= r.Member_ID WHERE r.Responsibility = ? AND r.\"Start\" <= ? AND r.\"End\" >= ? AND "
                               "m.Deceased_Date IS NULL AND m.Member_Active_Status = ? ORDER BY r.Member_ID"),
                { role, sql::date(today), sql::date(last), active });
            team.people.assign(holders.begin(), holders.end());
            rnd.shuffle(team.people);
            const std::size_t size = std::size_t(plan.needed * kTeamPerPlace);
            if (team.people.size() > size)
                team.people.resize(size);
            // Where too few hold it, members who have lately taken it on.
            topUp(rnd, team.people, size, adults, [&](qint64 id) {
                responsibility.run({ id, role, sql::date(today.addDays(-rnd.between(30, 700))), sql::date(kNoEnd) });
            });
        } else {
            topUp(rnd, team.people, kReaders, adults, [&](qint64 id) {
                const bool monthly = rnd.chance(0.5);
                team.daysApart[id] = monthly ? 28 : 14;
                preference.run(
                    { id, team.position, monthly ? QStringLiteral("Monthly") : QStringLiteral("Fortnightly") });
            });
        }
        teams.push_back(std::move(team));
    }

    // The times people cannot serve, known before the roster was made.
    std::vector<Away> away;
    const auto someone = [&](std::size_t team) {
        const std::vector<qint64>& people = teams[team % teams.size()].people;
        return people.empty() ? qint64(0) : people[std::size_t(rnd.below(int(people.size())))];
    };
    const char* const reasons[] = { "Vacation", "Visiting family", "Recovering from surgery" };
    for (const char* reason : reasons) {
        const QDate from = rnd.day(first, last.addDays(-14));
        away.push_back(
            { someone(std::size_t(rnd.below(3))), from, from.addDays(rnd.between(4, 16)), Repeats::Once, reason });
    }
    away.push_back({ someone(0), firstSunday, QDate(), Repeats::Monthly, "Works the first weekend of the month" });
    away.push_back({ someone(1), firstSunday.addDays(7), QDate(), Repeats::Fortnightly, "Every other weekend away" });

    Statement turn(db,
        QStringLiteral("INSERT INTO Roster_Assignment (Position_ID, Serve_Date, Member_ID, Confirmed, Note, "
                       "Assigned_By, Assigned_On) VALUES (?, ?, ?, ?, ?, ?, ?)"));
    const QVariant assignedOn = sql::dateTime(QDateTime(first.addDays(-5), QTime(10, 0)));
    std::unordered_map<qint64, int> turns;
    qint64 written = 0;
    qint64 firstComing = 0;
    for (QDate sunday = firstSunday; sunday <= last; sunday = sunday.addDays(7)) {
        std::unordered_set<qint64> serving;
        for (Team& team : teams) {
            // Those with the fewest turns so far first, in a new order each Sunday.
            std::vector<qint64> next = team.people;
            rnd.shuffle(next);
            std::stable_sort(next.begin(), next.end(), [&](qint64 a, qint64 b) { return turns[a] < turns[b]; });
            int placed = 0;
            for (qint64 id : next) {
                if (placed == team.needed)
                    break;
                const bool cannot = std::any_of(
                    away.begin(), away.end(), [&](const Away& a) { return a.member == id && a.covers(sunday); });
                const auto before = team.lastTurn.find(id);
                if (cannot || (before != team.lastTurn.end() && before->second.daysTo(sunday) < team.daysApart[id])
                    || !serving.insert(id).second)
                    continue;
                team.lastTurn[id] = sunday;
                ++turns[id];
                ++placed;
                const bool confirmed = rnd.chance(sunday < today.addDays(14) ? 0.5 : 0.1);
                turn.run({ team.position, sql::date(sunday), id, confirmed ? 1 : 0, sql::text(QString()), recordedBy,
                    assignedOn });
                ++written;
                if (sunday == comingSunday && firstComing == 0)
                    firstComing = id;
            }
        }
    }
    // Someone down for the coming Sunday has since said they will be away.
    if (firstComing > 0)
        away.push_back({ firstComing, comingSunday, QDate(), Repeats::Once, "Out of town that weekend" });

    Statement unavailable(db,
        QStringLiteral("INSERT INTO Roster_Unavailable (Member_ID, From_Date, To_Date, Repeats, Note) "
                       "VALUES (?, ?, ?, ?, ?)"));
    for (const Away& a : away)
        if (a.member > 0)
            unavailable.run(
                { a.member, sql::date(a.from), sql::date(a.to), a.repeatsCode(), QString::fromLatin1(a.note) });
    return written;
}

} // namespace pw::demo
