#include "demo/DemoPlan.h"

#include <algorithm>
#include <cmath>

namespace pw::demo::detail {

namespace {

    // Who lives together, how old they are and how they stand with the
    // church; names and the rest are filled in while writing.
    class Planner {
    public:
        Planner(Random& rnd, const QDate& today)
            : m_rnd(rnd)
            , m_today(today)
        {
        }

        std::vector<PlanHousehold> plan(int people)
        {
            std::vector<PlanHousehold> households;
            int planned = 0;
            int prospects = 0;
            while (planned < people) {
                // About one person in ten is a prospect.
                const bool prospect = prospects * 10 < planned;
                PlanHousehold h = prospect ? prospectHousehold() : memberHousehold();
                if (planned + int(h.people.size()) > people)
                    h.people.resize(std::size_t(people - planned));
                planned += int(h.people.size());
                if (prospect)
                    prospects += int(h.people.size());
                households.push_back(std::move(h));
            }
            chooseDeacons(households);
            // Deacons' households come first: the roll was typed in starting
            // with the church's leaders, and every later family can name its
            // deacon when it is written.
            std::stable_partition(
                households.begin(), households.end(), [](const PlanHousehold& h) { return h.deacon; });
            std::stable_partition(
                households.begin(), households.end(), [](const PlanHousehold& h) { return !h.prospect; });
            return households;
        }

    private:
        PlanPerson person(Rel rel, bool male, int age)
        {
            return { rel, male, m_today.addYears(-age).addDays(-m_rnd.below(365)) };
        }

        void addChildren(PlanHousehold& h, int count, int maxAge, bool mayBeStep)
        {
            for (int i = 0; i < count; ++i) {
                const Rel rel = mayBeStep && m_rnd.chance(0.05) ? Rel::StepChild : Rel::Child;
                h.people.push_back(person(rel, m_rnd.chance(0.5), m_rnd.between(0, std::max(0, maxAge))));
            }
        }

        PlanHousehold memberHousehold()
        {
            PlanHousehold h;
            const int kind = weightedIndex(m_rnd, std::array<int, 4> { 33, 31, 27, 9 });
            int headAge = 0;
            if (kind == 0 || kind == 1) {
                // A married couple, with or without children at home.
                headAge = kind == 0 ? m_rnd.between(26, 55) : 24 + int(66 * std::sqrt(m_rnd.unit()));
                const int spouseAge = std::max(21, headAge + m_rnd.between(-5, 2));
                const bool headMale = m_rnd.chance(0.95);
                h.married = true;
                h.people.push_back(person(Rel::Head, headMale, headAge));
                h.people.push_back(person(Rel::Spouse, !headMale, spouseAge));
                const int younger = std::min(headAge, spouseAge);
                if (kind == 0) {
                    addChildren(h, 1 + weightedIndex(m_rnd, std::array<int, 4> { 30, 40, 20, 10 }),
                        std::min(17, younger - 20), true);
                    if (younger >= 40 && m_rnd.chance(0.12))
                        h.people.push_back(
                            person(Rel::Child, m_rnd.chance(0.5), m_rnd.between(18, std::min(24, younger - 20))));
                } else if (headAge >= 55 && headAge <= 78 && m_rnd.chance(0.06)) {
                    for (int i = m_rnd.between(1, 2); i > 0; --i)
                        h.people.push_back(person(Rel::Grandchild, m_rnd.chance(0.5), m_rnd.between(3, 16)));
                }
                if (headAge <= 62 && m_rnd.chance(0.03))
                    h.people.push_back(
                        person(Rel::Parent, m_rnd.chance(0.3), std::min(98, headAge + m_rnd.between(22, 32))));
            } else if (kind == 2) {
                headAge = 19 + int(76 * std::pow(m_rnd.unit(), 0.9));
                h.people.push_back(person(Rel::Head, m_rnd.chance(0.45), headAge));
            } else {
                headAge = m_rnd.between(24, 52);
                h.people.push_back(person(Rel::Head, !m_rnd.chance(0.78), headAge));
                addChildren(h, m_rnd.between(1, 3), std::min(17, headAge - 19), false);
            }

            if (kind == 2 && headAge >= 70 && m_rnd.chance(0.3))
                h.churchStatus = QStringLiteral("Deceased");
            else if (headAge >= 78 && m_rnd.chance(0.25))
                h.churchStatus = QStringLiteral("Homebound");
            else {
                const int x = m_rnd.below(100);
                h.churchStatus = x < 83 ? QStringLiteral("Active")
                                        : (x < 91 ? QStringLiteral("Inactive") : QStringLiteral("Moved Away"));
            }
            return h;
        }

        PlanHousehold prospectHousehold()
        {
            PlanHousehold h;
            h.prospect = true;
            h.churchStatus = QStringLiteral("Active");
            if (m_rnd.chance(0.55)) {
                h.people.push_back(person(Rel::Head, m_rnd.chance(0.5), m_rnd.between(19, 70)));
            } else {
                const int headAge = m_rnd.between(22, 65);
                h.married = true;
                h.people.push_back(person(Rel::Head, true, headAge));
                h.people.push_back(person(Rel::Spouse, false, std::max(20, headAge + m_rnd.between(-5, 2))));
            }
            return h;
        }

        void chooseDeacons(std::vector<PlanHousehold>& households)
        {
            int memberHouseholds = 0;
            for (const PlanHousehold& h : households)
                memberHouseholds += h.prospect ? 0 : 1;
            int wanted = std::max(4, memberHouseholds / 15);
            for (PlanHousehold& h : households) {
                if (wanted == 0)
                    break;
                const PlanPerson& head = h.people.front();
                const int age = ageOn(head.birth, m_today);
                if (!h.prospect && h.married && head.male && h.churchStatus == QLatin1String("Active") && age >= 30
                    && age <= 75) {
                    h.deacon = true;
                    --wanted;
                }
            }
        }

        Random& m_rnd;
        QDate m_today;
    };

} // namespace

int ageOn(const QDate& birth, const QDate& day)
{
    int age = day.year() - birth.year();
    if (day.month() < birth.month() || (day.month() == birth.month() && day.day() < birth.day()))
        --age;
    return age;
}

int bandOf(const std::vector<Band>& bands, int age)
{
    for (std::size_t i = 0; i < bands.size(); ++i) {
        if (age >= bands[i].minAge && age <= bands[i].maxAge)
            return int(i);
    }
    return -1;
}

std::vector<PlanHousehold> planHouseholds(Random& rnd, const QDate& today, int people)
{
    return Planner(rnd, today).plan(people);
}

} // namespace pw::demo::detail
