// The prospect families of the demo church, each in an outreach phase with
// the contacts that brought it there.

#include "demo/DemoChurch.h"

#include "data/Sql.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>

namespace {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(Prospects)
};
} // namespace

namespace pw::demo::detail {

namespace {

    // One contact in a prospect family's outreach history.
    struct Contact {
        QDate date;
        QString action;
        QString rating;
        QString notes;
        qint64 visitor1 = 0;
        qint64 visitor2 = 0;
    };

    QString contactType(const QString& action)
    {
        if (action.contains(QLatin1String("Visit")))
            return QStringLiteral("Visit");
        if (action == QLatin1String("Phone Call"))
            return QStringLiteral("Call");
        if (action == QLatin1String("E-mail"))
            return QStringLiteral("E-mail");
        return QStringLiteral("Mail");
    }

    qint64 visitor(Church& ch, qint64 other)
    {
        const std::vector<qint64>& pool = ch.visitors.empty() ? ch.deacons : ch.visitors;
        if (pool.empty()) {
            if (ch.candidates.empty())
                throw DbError(Tr::tr("The church is too small to have anyone visit its prospects."));
            return ch.candidates[std::size_t(ch.rnd.below(int(ch.candidates.size())))].id;
        }
        // The pool may name someone twice; a second visitor is never the first one.
        for (int attempt = 0; attempt < 8; ++attempt) {
            const qint64 id = ch.rnd.pick(pool);
            if (id != other)
                return id;
        }
        return other == 0 ? pool.front() : 0;
    }

    // The outreach history of a family in phase `phase`: one contact for
    // each phase completed (the last five at most), and sometimes one
    // attempt that completed nothing, ending on `last`.
    std::vector<Contact> contactHistory(Church& ch, int phase, const QDate& last, bool lostInterest)
    {
        const int completed = std::min(phase, 5);
        const bool attempt = completed == 0 || (completed < 5 && ch.rnd.chance(0.3));
        const int count = completed + (attempt ? 1 : 0);
        const int attemptAt = completed == 0 ? 0 : ch.rnd.between(0, completed); // position among the contacts
        std::vector<Contact> contacts(static_cast<std::size_t>(count));
        int phaseOfNext = phase - completed; // the phase completed by the next completing contact
        for (int i = 0; i < count; ++i) {
            Contact& c = contacts[std::size_t(i)];
            if (attempt && i == attemptAt) {
                const Phase& current = ch.phases[std::size_t(phaseOfNext) % ch.phases.size()];
                static const std::vector<const char*> tries = { "Phone Call", "Home Visit", "Card", "E-mail" };
                do
                    c.action = utf8(ch.rnd.pick(tries));
                while (c.action == current.action);
                c.rating = c.action.contains(QLatin1String("Visit")) || c.action == QLatin1String("Phone Call")
                    ? QStringLiteral("Not At Home")
                    : QStringLiteral("Undecided");
            } else {
                c.action = ch.phases[std::size_t(phaseOfNext) % ch.phases.size()].action;
                static const char* const ratings[] = { "Very Interested", "Interested", "Undecided", "Not Interested" };
                c.rating = utf8(ratings[weightedIndex(ch.rnd, std::array<int, 4> { 25, 40, 25, 10 })]);
                ++phaseOfNext;
            }
            c.notes = ch.rnd.chance(0.7) ? utf8(ch.rnd.pick(data::contactNotes())) : QString();
            c.visitor1 = visitor(ch, 0);
            c.visitor2 = ch.rnd.chance(0.6) ? visitor(ch, c.visitor1) : 0;
        }
        if (lostInterest)
            contacts.back().rating = QStringLiteral("Not Interested");
        // Dates run backwards from the last contact by each phase's waiting time.
        QDate day = last;
        for (int i = count - 1; i >= 0; --i) {
            contacts[std::size_t(i)].date = day;
            const int weeks = ch.phases[std::size_t(std::max(0, phase - (count - i))) % ch.phases.size()].weeks;
            day = day.addDays(-(7 * weeks + ch.rnd.between(-2, 5)));
        }
        return contacts;
    }

} // namespace

std::vector<qint64> writeProspectHousehold(Church& ch, const PlanHousehold& plan, int index)
{
    Household h = newHousehold(ch, plan, ch.lastNames.pick(ch.rnd));
    const int phases = int(ch.phases.size());
    // The first families cover every phase; after that they are spread at random.
    const int phase = index < phases ? index : ch.rnd.below(phases);
    const int standing = weightedIndex(ch.rnd, std::array<int, 3> { 75, 13, 12 });
    const QString status = standing == 0
        ? QStringLiteral("Active")
        : (standing == 1 ? QStringLiteral("Inactive") : QStringLiteral("Not Interested"));
    const int waitWeeks = ch.phases[std::size_t(std::max(0, phase - 1))].weeks;
    QDate next;
    QDate last;
    if (standing == 0) {
        next = ch.today.addDays(ch.rnd.between(-21, 35));
        last = std::min(next.addDays(-7 * waitWeeks), ch.today.addDays(-ch.rnd.between(0, 6)));
    } else {
        last = ch.today.addDays(-ch.rnd.between(standing == 1 ? 90 : 30, 540));
        if (standing == 1)
            next = last.addDays(7 * waitWeeks);
    }
    const std::vector<Contact> history = contactHistory(ch, phase, last, standing == 2);
    const QString source = utf8(ch.rnd.pick(data::prospectSources()));
    const QString memberOf = ch.rnd.chance(0.3) ? utf8(ch.rnd.pick(data::otherChurches())) : QString();
    if (plan.married)
        h.anniversary = ch.rnd.day(plan.people.back().birth.addYears(20), ch.today.addYears(-1));

    std::vector<qint64> ids;
    for (const PlanPerson& p : plan.people) {
        const int age = ageOn(p.birth, ch.today);
        MemberRecord r = person(ch, plan, p, h, age);
        r.status = QStringLiteral("Prospect");
        r.previousChurch = memberOf;
        r.newsletterMail = p.rel == Rel::Head && ch.rnd.chance(0.3);
        r.worshipAttendance = utf8(kLevels[std::size_t(2 + weightedIndex(ch.rnd, std::array<int, 3> { 30, 45, 25 }))]);
        r.prospectStatus = status;
        r.prospectSource = source;
        r.prospectMemberOf = memberOf;
        if (ch.rnd.chance(0.4))
            r.prospectNote = utf8(ch.rnd.pick(data::prospectNotes()));
        if (ch.rnd.chance(0.5))
            r.prospectSundaySchoolClass = classFor(ch, ch.sundaySchool, age);
        if (ch.rnd.chance(0.25))
            r.prospectCareGroup = ch.rnd.pick(ch.careGroups);
        r.prospectPhase = ch.phases[std::size_t(phase)].name;
        if (next.isValid()) {
            r.prospectNextContactDate = next;
            r.prospectNextContactAction = ch.phases[std::size_t(phase)].action;
        }
        const QDate added = history.front().date.addDays(-ch.rnd.between(0, 5));
        const qint64 id = insertPerson(ch, r, added);
        ids.push_back(id);
        ch.summary.prospects += 1;
        for (const Contact& c : history) {
            ch.contact.run({ id, sql::date(c.date), c.action, contactType(c.action), sql::id(c.visitor1),
                sql::id(c.visitor2), c.rating, sql::text(c.notes) });
            ch.summary.contacts += 1;
        }
    }
    writeFamily(ch, plan, ids);
    return ids;
}

} // namespace pw::demo::detail
