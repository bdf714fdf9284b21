// The member families of the demo church: their church history, the
// services they attend and their classes, deacons, and the members who can
// later be given a class, a group or an office.

#include "demo/DemoChurch.h"

#include <algorithm>
#include <array>

namespace pw::demo::detail {

namespace {

    constexpr int kNever = 5; // the index of "Never" in kLevels

    // A handful of households always carry names that trip up careless code,
    // however small the church.
    struct Sprinkle {
        const char* lastName;
        const char* headFirstName; // empty: picked as usual
    };
    const std::vector<Sprinkle> kSprinkles = {
        { "O'Brien", "" },
        { "Müller", "" },
        { "Peña", "José" },
        { "D'Angelo", "" },
        { "Núñez", "" },
    };

    // Every eighth family from the fourth on, until the list runs out.
    const Sprinkle* sprinkleFor(int memberHousehold)
    {
        if (memberHousehold < 3 || (memberHousehold - 3) % 8 != 0)
            return nullptr;
        const std::size_t i = std::size_t((memberHousehold - 3) / 8);
        return i < kSprinkles.size() ? &kSprinkles[i] : nullptr;
    }

    // Attendance levels of the five services, most to least attended.
    std::array<int, 5> attendance(Church& ch, const QString& status)
    {
        std::array<int, 5> levels {};
        if (status == QLatin1String("Active")) {
            levels[0] = weightedIndex(ch.rnd, std::array<int, 6> { 38, 24, 12, 10, 6, 10 });
            levels[1] = weightedIndex(ch.rnd, std::array<int, 6> { 50, 28, 10, 8, 3, 1 });
            levels[2] = weightedIndex(ch.rnd, std::array<int, 6> { 12, 10, 8, 15, 15, 40 });
            levels[3] = weightedIndex(ch.rnd, std::array<int, 6> { 15, 12, 10, 18, 15, 30 });
            levels[4] = weightedIndex(ch.rnd, std::array<int, 6> { 18, 14, 10, 15, 13, 30 });
        } else if (status == QLatin1String("Inactive")) {
            for (int& level : levels)
                level = weightedIndex(ch.rnd, std::array<int, 6> { 0, 0, 0, 5, 35, 60 });
            levels[1] = weightedIndex(ch.rnd, std::array<int, 6> { 0, 0, 10, 30, 40, 20 });
        } else if (status == QLatin1String("Homebound")) {
            levels.fill(kNever);
        } else {
            levels.fill(-1); // moved away or deceased: no longer recorded
        }
        return levels;
    }

} // namespace

std::vector<qint64> writeMemberHousehold(Church& ch, const PlanHousehold& plan, int index)
{
    const Sprinkle* sprinkle = sprinkleFor(index);
    Household h = newHousehold(ch, plan, sprinkle ? utf8(sprinkle->lastName) : ch.lastNames.pick(ch.rnd));
    const PlanPerson& headPlan = plan.people.front();
    const bool active = plan.churchStatus == QLatin1String("Active");
    const bool onRoll
        = active || plan.churchStatus == QLatin1String("Inactive") || plan.churchStatus == QLatin1String("Homebound");

    QDate youngestAdult = headPlan.birth;
    QDate oldestChild;
    for (const PlanPerson& p : plan.people) {
        if (p.rel == Rel::Spouse)
            youngestAdult = std::max(youngestAdult, p.birth);
        if ((p.rel == Rel::Child || p.rel == Rel::StepChild) && (!oldestChild.isValid() || p.birth < oldestChild))
            oldestChild = p.birth;
    }
    if (plan.married) {
        QDate wedding = youngestAdult.addYears(ch.rnd.between(19, 32)).addDays(ch.rnd.below(365));
        if (oldestChild.isValid())
            wedding = std::min(wedding, oldestChild.addDays(-ch.rnd.between(300, 1500)));
        h.anniversary = std::max(std::min(wedding, ch.today.addDays(-60)), headPlan.birth.addYears(18));
    }
    h.joined = ch.rnd.day(std::max(headPlan.birth.addYears(18), ch.today.addYears(-45)), ch.today.addDays(-30));
    if (ch.rnd.chance(0.45))
        h.previousChurch = utf8(ch.rnd.pick(data::otherChurches()));
    h.rollEntry = std::max(ch.rollStart.addDays(ch.rnd.below(180)), h.joined);
    if (onRoll)
        h.deaconId = plan.deacon ? (ch.deacons.empty() ? 0 : ch.deacons.back())
                                 : (ch.deacons.empty() ? 0 : ch.rnd.pick(ch.deacons));
    if (active && ch.rnd.chance(0.85)) {
        h.careGroupIndex = ch.rnd.below(int(ch.careGroups.size()));
        h.careGroup = ch.careGroups[std::size_t(h.careGroupIndex)];
    }

    std::vector<qint64> ids;
    for (const PlanPerson& p : plan.people) {
        const int age = ageOn(p.birth, ch.today);
        MemberRecord r = person(ch, plan, p, h, age);
        if (p.rel == Rel::Head && sprinkle && *sprinkle->headFirstName)
            r.firstName = utf8(sprinkle->headFirstName);
        r.status = age < 18 ? QStringLiteral("Child Of Member") : QStringLiteral("Member");

        // Church history: adults joined with the family, by letter or
        // by baptism; children when they were baptized.
        QDate since;
        const bool adultOfFamily = p.rel == Rel::Head || p.rel == Rel::Spouse || p.rel == Rel::Parent;
        if (adultOfFamily) {
            since = std::max(h.joined, p.birth.addYears(16));
            if (!h.previousChurch.isEmpty()) {
                r.previousChurch = h.previousChurch;
                r.cameForward = since;
            } else {
                r.baptized = since;
                r.cameForward = since.addDays(-ch.rnd.between(7, 28));
            }
        } else if (age >= 8 && ch.rnd.chance(age >= 18 ? 0.85 : 0.6)) {
            since = std::min(std::max(p.birth.addYears(ch.rnd.between(8, 12)), h.joined), ch.today.addDays(-7));
            r.baptized = since;
            r.cameForward = since.addDays(-ch.rnd.between(7, 28));
        }
        if (since.isValid())
            r.memberSince = since;
        if (plan.churchStatus == QLatin1String("Moved Away") && since.isValid() && ch.rnd.chance(0.5))
            r.letterOut = ch.rnd.day(since.addDays(30), ch.today.addDays(-30));
        if (plan.churchStatus == QLatin1String("Deceased"))
            r.deceasedDate = ch.rnd.day(std::max(since, ch.today.addYears(-8)), ch.today.addDays(-10));
        if (since.isValid() && since > ch.today.addYears(-3)) {
            r.prospectStatus = QStringLiteral("Joined");
            r.prospectSource = utf8(ch.rnd.pick(data::prospectSources()));
        } else {
            r.prospectStatus = QStringLiteral("Inactive");
        }

        r.newsletterMail = p.rel == Rel::Head && onRoll && ch.rnd.chance(0.7);
        r.newsletterEmail = age >= 18 && onRoll && !r.email.isEmpty() && ch.rnd.chance(0.5);

        const std::array<int, 5> levels = attendance(ch, plan.churchStatus);
        QString* const levelFields[] = { &r.sundaySchoolAttendance, &r.worshipAttendance, &r.discipleshipAttendance,
            &r.sundayEveningAttendance, &r.wednesdayAttendance };
        for (int i = 0; i < 5; ++i) {
            if (levels[std::size_t(i)] >= 0)
                *levelFields[i] = utf8(kLevels[std::size_t(levels[std::size_t(i)])]);
        }
        if (active) {
            // Those who come at least monthly belong to a class.
            if (levels[0] <= 2)
                r.sundaySchoolClass = classFor(ch, ch.sundaySchool, age);
            if (levels[2] <= 2)
                r.discipleshipClass = classFor(ch, ch.discipleship, age);
            if (levels[4] <= 2)
                r.wednesdayClass = classFor(ch, ch.wednesday, age);
        }
        r.careGroup = h.careGroup;
        r.deacon = h.deaconId;

        QDate added = std::max(h.rollEntry, p.birth.addDays(ch.rnd.between(7, 60)));
        if (since.isValid() && since > h.rollEntry)
            added = std::max(added, since);
        const qint64 id = insertPerson(ch, r, added);
        ids.push_back(id);

        if (p.rel == Rel::Head && plan.deacon) {
            ch.deacons.push_back(id);
            ch.deaconSet.insert(id);
            ch.visitors.push_back(id);
            const QDate start = ch.rnd.day(std::max(since.addYears(2), p.birth.addYears(28)), ch.today.addDays(-30));
            addResponsibility(ch, id, QStringLiteral("Deacon"), std::min(start, ch.today.addDays(-30)), kForever);
        }
        if (active && age >= 14) {
            const Candidate c { id, p.male, age, since.isValid() ? since : p.birth.addYears(14) };
            volunteer(ch, c);
            if (age >= 21 && age <= 80) {
                ch.candidates.push_back(c);
                if (ch.rnd.chance(0.03)) {
                    ch.visitors.push_back(id);
                    giveCurrent(ch, c, QStringLiteral("Outreach Team"), false);
                }
                if (h.careGroupIndex >= 0) {
                    auto& adults = ch.careGroupAdults[std::size_t(h.careGroupIndex)];
                    if (adults[0] == 0)
                        adults[0] = id;
                    else if (adults[1] == 0)
                        adults[1] = id;
                }
            }
        }
    }
    writeFamily(ch, plan, ids);
    return ids;
}

} // namespace pw::demo::detail
