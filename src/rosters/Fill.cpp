#include "rosters/Fill.h"

#include <QSet>
#include <algorithm>

namespace pw::rosters {

namespace {

    struct Turns {
        int count = 0;
        QDate last; // invalid: no turn yet
    };

    // What the fill knows as it goes: stored turns and the ones it proposed.
    class Ledger {
    public:
        Ledger(const QDate& countFrom)
            : m_countFrom(countFrom)
        {
        }

        void add(const Assignment& a)
        {
            m_serving[a.date].insert(a.memberId);
            m_atPosition[{ a.memberId, a.positionId }].append(a.date);
            if (a.date >= m_countFrom) {
                Turns& t = m_turns[a.memberId];
                ++t.count;
                if (!t.last.isValid() || a.date > t.last)
                    t.last = a.date;
            }
        }

        bool servingOn(const QDate& day, qint64 person) const
        {
            const auto it = m_serving.constFind(day);
            return it != m_serving.constEnd() && it->contains(person);
        }

        // True when the person's other turns in the position are at least
        // `apart` days from the day.
        bool spaced(qint64 person, qint64 positionId, const QDate& day, int apart) const
        {
            if (apart <= 0)
                return true;
            const auto it = m_atPosition.constFind({ person, positionId });
            if (it == m_atPosition.constEnd())
                return true;
            return std::none_of(it->begin(), it->end(), [&](const QDate& d) { return qAbs(d.daysTo(day)) < apart; });
        }

        Turns turns(qint64 person) const { return m_turns.value(person); }

    private:
        QDate m_countFrom;
        QHash<QDate, QSet<qint64>> m_serving;
        QHash<PreferenceKey, QList<QDate>> m_atPosition;
        QHash<qint64, Turns> m_turns;
    };

    // True when a should be asked before b.
    bool before(const Turns& a, const Turns& b)
    {
        if (a.count != b.count)
            return a.count < b.count;
        if (a.last.isValid() != b.last.isValid())
            return !a.last.isValid();
        return a.last < b.last;
    }

} // namespace

FillProposal fill(const FillInput& input)
{
    FillProposal out;
    std::vector<FillPlace> places = input.places;
    const auto orderOf = [&](qint64 positionId) {
        const qsizetype at = input.positionOrder.indexOf(positionId);
        return at < 0 ? input.positionOrder.size() : at;
    };
    std::stable_sort(places.begin(), places.end(), [&](const FillPlace& a, const FillPlace& b) {
        if (a.date != b.date)
            return a.date < b.date;
        return orderOf(a.positionId) < orderOf(b.positionId);
    });
    if (places.empty())
        return out;

    Ledger ledger(places.front().date.addDays(-kLookBackDays));
    QHash<QPair<qint64, QDate>, int> filled;
    for (const Assignment& a : input.stored) {
        ledger.add(a);
        ++filled[{ a.positionId, a.date }];
    }

    for (const FillPlace& place : places) {
        int missing = place.needed - filled.value({ place.positionId, place.date });
        while (missing > 0) {
            qint64 best = 0;
            Turns bestTurns;
            for (qint64 person : input.candidates.value(place.positionId)) {
                if (ledger.servingOn(place.date, person))
                    continue;
                const auto away = input.unavailable.constFind(person);
                if (away != input.unavailable.constEnd() && unavailableOn(*away, place.date))
                    continue;
                const auto pref = input.preferences.constFind({ person, place.positionId });
                if (pref != input.preferences.constEnd()
                    && !ledger.spaced(person, place.positionId, place.date, minimumDaysApart(*pref)))
                    continue;
                const Turns t = ledger.turns(person);
                if (best == 0 || before(t, bestTurns)) {
                    best = person;
                    bestTurns = t;
                }
            }
            if (best == 0)
                break;
            Assignment a;
            a.positionId = place.positionId;
            a.date = place.date;
            a.memberId = best;
            ledger.add(a);
            out.proposed.push_back(a);
            --missing;
        }
        if (missing > 0)
            out.unfilled.push_back({ place.date, place.positionId, missing });
    }
    return out;
}

FillInput fillInput(Database& db, const std::vector<Position>& positions, const QDate& from, const QDate& to)
{
    FillInput input;
    QList<qint64> people;
    QSet<qint64> seen;
    input.candidates = candidates(db, positions, from);
    for (const Position& p : positions) {
        input.positionOrder.append(p.id);
        for (const QDate& day : servingDays(p.service, from, to))
            input.places.push_back({ day, p.id, p.needed });
        for (qint64 person : input.candidates.value(p.id)) {
            if (!seen.contains(person)) {
                seen.insert(person);
                people.append(person);
            }
        }
    }
    // Turns after the period count for the spacing of a monthly server.
    input.stored = assignments(db, from.addDays(-kLookBackDays), to.addDays(28));
    input.unavailable = unavailability(db, people, from, to);
    input.preferences = preferences(db);
    return input;
}

} // namespace pw::rosters
