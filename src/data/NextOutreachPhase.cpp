#include "data/NextOutreachPhase.h"

#include "data/Database.h"
#include "data/Sql.h"

#include <algorithm>
#include <cmath>

namespace pw {

namespace outreach {

    namespace {

        constexpr double kWeeksLimit = 10000000.0; // about 190,000 years: beyond every date

        // Ascending order (a Null order counting as 0); ties keep the order
        // given, which Phases::load makes deterministic.
        std::vector<Phases::PhaseRow> inPhaseOrder(std::vector<Phases::PhaseRow> phases)
        {
            std::stable_sort(phases.begin(), phases.end(),
                [](const Phases::PhaseRow& a, const Phases::PhaseRow& b) { return a.orderValue() < b.orderValue(); });
            return phases;
        }

        NextStep startOf(const std::vector<Phases::PhaseRow>& ordered, const QDate& date)
        {
            NextStep step;
            if (!ordered.empty()) {
                step.phase = ordered.front().name;
                step.action = ordered.front().action;
            }
            step.date = date;
            return step;
        }

    } // namespace

    qint64 roundWeeks(double weeks)
    {
        if (std::isnan(weeks))
            return 0;
        weeks = std::clamp(weeks, -kWeeksLimit, kWeeksLimit);
        const double whole = std::floor(weeks);
        const double fraction = weeks - whole;
        double rounded = whole;
        if (fraction > 0.5)
            rounded = whole + 1;
        else if (fraction == 0.5)
            rounded = std::fmod(whole, 2.0) == 0.0 ? whole : whole + 1;
        return static_cast<qint64>(rounded);
    }

    QDate addWeeks(const QDate& date, qint64 weeks)
    {
        if (!date.isValid())
            return {};
        static const QDate earliest(1752, 9, 14);
        static const QDate latest(9999, 12, 31);
        // Compared in days before adding, so that no sum can leave the range
        // a date can hold.
        const qint64 limit = static_cast<qint64>(kWeeksLimit);
        weeks = std::clamp(weeks, -limit, limit);
        const qint64 days = 7 * weeks;
        if (days >= date.daysTo(latest))
            return latest;
        if (days <= date.daysTo(earliest))
            return earliest;
        return date.addDays(days);
    }

    NextStep proposeNextStep(const std::vector<Phases::PhaseRow>& phases, const QString& currentPhase,
        const QDate& contactDate, const QString& contactAction)
    {
        const std::vector<Phases::PhaseRow> ordered = inPhaseOrder(phases);

        // The prospect's phase, matched by name without regard to letter
        // case; with several such phases the first in phase order.
        const Phases::PhaseRow* current = nullptr;
        if (!currentPhase.isEmpty()) {
            for (const Phases::PhaseRow& p : ordered) {
                if (sql::compareText(p.name, currentPhase) == 0) {
                    current = &p;
                    break;
                }
            }
        }
        if (!current)
            return startOf(ordered, addWeeks(contactDate, 1));

        const QDate due = addWeeks(contactDate, roundWeeks(current->weeksValue()));
        if (contactAction != current->action)
            return NextStep { current->name, due, current->action };

        // Phase complete: the lowest order strictly above the present one,
        // or the first phase again after the last.
        const double order = current->orderValue();
        for (const Phases::PhaseRow& p : ordered) {
            if (p.orderValue() > order)
                return NextStep { p.name, due, p.action };
        }
        return startOf(ordered, due);
    }

} // namespace outreach

NextStep NextOutreachPhase(Database& db, qint64 memberId, const QDate& contactDate, const QString& contactAction)
{
    const QString currentPhase
        = sql::toText(db.scalar(QStringLiteral("SELECT Prospect_Phase FROM Member WHERE ID = ?"), { memberId }));
    return outreach::proposeNextStep(Phases::load(db), currentPhase, contactDate, contactAction);
}

} // namespace pw
