// Who holds which responsibility in the demo church: deacons and
// volunteers as their families are written, teachers, group leaders and
// officers once everyone is.

#include "demo/DemoChurch.h"

#include "data/Sql.h"

#include <QCoreApplication>
#include <algorithm>
#include <unordered_map>

namespace {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(Offices)
};
} // namespace

namespace pw::demo::detail {

namespace {

    QDate earliestService(Church& ch, const Candidate& c)
    {
        return std::max(c.since.isValid() ? c.since : ch.today.addYears(-10), ch.today.addYears(-12));
    }

    void givePast(Church& ch, const Candidate& c, const QString& name)
    {
        const QDate from = std::max(c.since.isValid() ? c.since : ch.today.addYears(-20), ch.today.addYears(-20));
        const QDate start = ch.rnd.day(from, ch.today.addDays(-400));
        const QDate end = std::min(start.addYears(ch.rnd.between(1, 6)).addDays(-1), ch.today.addDays(-30));
        addResponsibility(ch, c.id, name, start, std::max(end, start));
    }

} // namespace

void addResponsibility(Church& ch, qint64 memberId, const QString& name, const QDate& start, const QDate& end)
{
    ch.responsibility.run({ memberId, name, sql::date(start), sql::date(end) });
}

void giveCurrent(Church& ch, const Candidate& c, const QString& name, bool yearly)
{
    const QDate start = ch.rnd.day(earliestService(ch, c), ch.today.addDays(-14));
    addResponsibility(ch, c.id, name, start, yearly ? ch.yearEnd : kForever);
}

// Now and then an active member volunteers somewhere, or used to.
void volunteer(Church& ch, const Candidate& c)
{
    for (int round = 0; round < 2; ++round) {
        if (!ch.rnd.chance(round == 0 ? 0.15 : 0.07))
            continue;
        int x = ch.rnd.below(ch.volunteerTotal);
        std::size_t i = 0;
        while (x >= ch.volunteerWeights[i])
            x -= ch.volunteerWeights[i++];
        const Role& role = *ch.volunteerRoles[i];
        if (c.age < role.minAge || c.age > role.maxAge)
            continue;
        if (round == 0)
            giveCurrent(ch, c, utf8(role.name), role.yearly);
        else
            givePast(ch, c, utf8(role.name));
    }
}

void giveOutOffices(Church& ch)
{
    if (ch.candidates.empty())
        throw DbError(Tr::tr("The church is too small to staff its classes."));
    std::vector<Candidate> pool = ch.candidates;
    ch.rnd.shuffle(pool);
    std::size_t next = 0;
    auto take = [&]() -> const Candidate& { return pool[next++ % pool.size()]; };

    const auto staff = [&](const QString& table, const ClassSet& set, const QString& teacherRole,
                           const QString& assistantRole, double assistantChance) {
        for (const auto& [classId, band] : set.all) {
            Q_UNUSED(band)
            const Candidate& teacher = take();
            giveCurrent(ch, teacher, teacherRole, false);
            qint64 assistant = 0;
            if (ch.rnd.chance(assistantChance)) {
                const Candidate& a = take();
                assistant = a.id;
                giveCurrent(ch, a, assistantRole, false);
            }
            ch.db.exec(QStringLiteral("UPDATE %1 SET Teacher = ?, Asst_Teacher = ? WHERE ID = ?").arg(table),
                { teacher.id, sql::id(assistant), classId });
        }
    };
    staff(QStringLiteral("Sunday_School"), ch.sundaySchool, QStringLiteral("Sunday School Teacher"),
        QStringLiteral("Sunday School Assistant"), 0.8);
    staff(QStringLiteral("Discipleship_Training"), ch.discipleship, QStringLiteral("Discipleship Training Leader"),
        QStringLiteral("Discipleship Training Leader"), 0.6);
    staff(QStringLiteral("Wednesday_Night"), ch.wednesday, QStringLiteral("Wednesday Night Leader"),
        QStringLiteral("Wednesday Night Leader"), 0.6);

    // Care groups are led by people of the group where it has any.
    std::unordered_map<qint64, const Candidate*> byId;
    for (const Candidate& c : ch.candidates)
        byId[c.id] = &c;
    for (std::size_t g = 0; g < ch.careGroups.size(); ++g) {
        const auto& adults = ch.careGroupAdults[g];
        const Candidate& leader = adults[0] ? *byId[adults[0]] : take();
        giveCurrent(ch, leader, QStringLiteral("Care Group Leader"), false);
        const qint64 assistant = adults[1] && ch.rnd.chance(0.7) ? adults[1] : 0;
        ch.db.exec(QStringLiteral("UPDATE Care_Group SET Group_Leader = ?, Asst_Group_Leader = ? WHERE ID = ?"),
            { leader.id, sql::id(assistant), ch.careGroups[g] });
    }

    const auto office = [&](const QString& name, int current, int former, bool yearly) {
        for (int i = 0; i < current; ++i)
            giveCurrent(ch, take(), name, yearly);
        for (int i = 0; i < former; ++i)
            givePast(ch, take(), name);
    };
    office(QStringLiteral("Treasurer"), 1, 2, true);
    office(QStringLiteral("Church Clerk"), 1, 1, true);
    office(QStringLiteral("Pianist"), 2, 1, false);
    office(QStringLiteral("Organist"), 1, 1, false);

    // Men who served as deacons before and have rotated off.
    int former = std::max(1, int(ch.deacons.size()) / 3);
    for (std::size_t i = 0; i < pool.size() && former > 0; ++i) {
        const Candidate& c = pool[(next + i) % pool.size()];
        if (c.male && c.age >= 45 && !ch.deaconSet.count(c.id)) {
            givePast(ch, c, QStringLiteral("Deacon"));
            --former;
        }
    }
}

} // namespace pw::demo::detail
