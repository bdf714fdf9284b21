// What every person of the demo church has, member or prospect: a home
// with its address and telephone, names, contact details, work, and the
// family links between the people of one home.

#include "demo/DemoChurch.h"

#include "data/Sql.h"

#include <QStringList>
#include <algorithm>

namespace pw::demo::detail {

namespace {

    QString phoneNumber(Church& ch, const QString& areaCode)
    {
        int exchange = ch.rnd.between(201, 989);
        if (exchange % 100 == 11 || exchange == 555)
            ++exchange;
        return areaCode + QString::number(exchange)
            + QStringLiteral("%1").arg(ch.rnd.below(10000), 4, 10, QLatin1Char('0'));
    }

    QString firstName(Church& ch, bool male) { return male ? ch.maleFirst.pick(ch.rnd) : ch.femaleFirst.pick(ch.rnd); }

    QString emailPart(const QString& text)
    {
        QString out;
        bool ascii = true;
        for (const QChar c : text)
            ascii = ascii && c.unicode() < 128;
        // Accented letters lose their accents (José gives jose).
        for (const QChar c : ascii ? text : text.normalized(QString::NormalizationForm_KD)) {
            if (c.unicode() < 128 && c.isLetterOrNumber())
                out += c.toLower();
        }
        return out;
    }

    QString email(Church& ch, const QString& first, const QString& last, int age)
    {
        const QString f = emailPart(first);
        const QString l = emailPart(last);
        QString local;
        switch (ch.rnd.below(age < 25 ? 2 : 4)) {
        case 0:
            local = f + l + QString::number(ch.rnd.between(1, 99));
            break;
        case 1:
            local = f + QLatin1Char('.') + l;
            break;
        case 2:
            local = f.left(1) + l;
            break;
        default:
            local = f + l;
            break;
        }
        return local + QLatin1Char('@') + ch.domains.pick(ch.rnd);
    }

    QString someOf(Church& ch, const std::vector<const char*>& items, int most)
    {
        QStringList chosen;
        for (int n = ch.rnd.below(most + 1); n > 0; --n) {
            const QString item = utf8(ch.rnd.pick(items));
            if (!chosen.contains(item))
                chosen << item;
        }
        return chosen.join(QStringLiteral(", "));
    }

    QString title(Church& ch, bool male, int age, bool married)
    {
        if (age < 18)
            return {};
        if (ch.rnd.chance(0.03))
            return QStringLiteral("Dr.");
        if (male) {
            const int x = ch.rnd.below(100);
            return x < 2 ? QStringLiteral("Rev.") : (x < 5 ? QStringLiteral("Bro.") : QStringLiteral("Mr."));
        }
        if (married)
            return ch.rnd.chance(0.02) ? QStringLiteral("Sis.") : QStringLiteral("Mrs.");
        return age < 30 && ch.rnd.chance(0.5) ? QStringLiteral("Miss") : QStringLiteral("Ms.");
    }

    // Occupation, place of work and work phone.
    void work(Church& ch, MemberRecord& r, const PlanPerson& p, int age, bool married, bool childrenAtHome,
        const QString& area)
    {
        QString occupation;
        QString place;
        if (age >= 5 && age < 18) {
            occupation = QStringLiteral("Student");
            place = age < 11 ? QStringLiteral("Harpeth Valley Elementary")
                             : (age < 14 ? QStringLiteral("Harpeth Valley Middle School")
                                         : QStringLiteral("Harpeth Valley High School"));
        } else if (age >= 18 && age <= 22 && ch.rnd.chance(0.6)) {
            occupation = QStringLiteral("Student");
            place = QStringLiteral("Cumberland State University");
        } else if (age >= 67 || (age >= 62 && ch.rnd.chance(0.5))) {
            occupation = QStringLiteral("Retired");
        } else if (age >= 18 && !p.male && married && childrenAtHome && ch.rnd.chance(0.15)) {
            occupation = QStringLiteral("Homemaker");
        } else if (age >= 18 && ch.rnd.chance(0.92)) {
            const data::Job& job = ch.rnd.pick(data::jobs());
            occupation = utf8(job.occupation);
            place = utf8(job.placeOfWork);
            if (ch.rnd.chance(0.35))
                r.workPhone = phoneNumber(ch, area);
        }
        r.occupation = occupation;
        r.placeOfWork = place;
    }

    QString relationship(const PlanPerson& p)
    {
        switch (p.rel) {
        case Rel::Spouse:
            return p.male ? QStringLiteral("Husband") : QStringLiteral("Wife");
        case Rel::Child:
            return p.male ? QStringLiteral("Son") : QStringLiteral("Daughter");
        case Rel::StepChild:
            return p.male ? QStringLiteral("Stepson") : QStringLiteral("Stepdaughter");
        case Rel::Grandchild:
            return p.male ? QStringLiteral("Grandson") : QStringLiteral("Granddaughter");
        case Rel::Parent:
            return p.male ? QStringLiteral("Father") : QStringLiteral("Mother");
        case Rel::Head:
            break;
        }
        return {};
    }

    QDateTime stamp(Church& ch, const QDate& day)
    {
        const QDate d = std::min(day, ch.today);
        return QDateTime(d, QTime(ch.rnd.between(8, 16), ch.rnd.below(60), ch.rnd.below(60)), Qt::UTC);
    }

} // namespace

Household newHousehold(Church& ch, const PlanHousehold& plan, const QString& lastName)
{
    Household h;
    h.lastName = lastName;
    const bool away = plan.churchStatus == QLatin1String("Moved Away");
    const data::City* city = nullptr;
    const auto& cities = away ? data::distantCities() : data::localCities();
    int total = 0;
    for (const data::City& c : cities)
        total += c.weight;
    int x = ch.rnd.below(total);
    for (const data::City& c : cities) {
        if (x < c.weight) {
            city = &c;
            break;
        }
        x -= c.weight;
    }
    h.address1 = QStringLiteral("%1 %2 %3")
                     .arg(ch.rnd.between(100, 9899))
                     .arg(ch.streets.pick(ch.rnd), ch.suffixes.pick(ch.rnd));
    if (ch.rnd.chance(0.1)) {
        const int kind = ch.rnd.below(3);
        h.address2 = kind == 0 ? QStringLiteral("Apt %1%2").arg(ch.rnd.between(1, 40)).arg(QChar('A' + ch.rnd.below(4)))
                               : (kind == 1 ? QStringLiteral("Unit %1").arg(ch.rnd.between(1, 300))
                                            : QStringLiteral("Lot %1").arg(ch.rnd.between(1, 80)));
    }
    h.city = utf8(city->name);
    h.state = utf8(city->state);
    h.zip = utf8(city->zip);
    h.areaCode = utf8(city->areaCode);
    static const char* const quadrants[] = { "NE", "NW", "SE", "SW" };
    h.mapSection
        = away ? QString() : QStringLiteral("%1-%2").arg(quadrants[ch.rnd.below(4)]).arg(ch.rnd.between(1, 12));
    h.landline = ch.rnd.chance(0.5);
    h.homePhone = phoneNumber(ch, h.areaCode);
    return h;
}

// The columns every person has, member or prospect.
MemberRecord person(Church& ch, const PlanHousehold& plan, const PlanPerson& p, const Household& h, int age)
{
    MemberRecord r;
    const bool head = p.rel == Rel::Head;
    const bool married = plan.married && (head || p.rel == Rel::Spouse);
    r.firstName = firstName(ch, p.male);
    r.middleName = p.male ? ch.maleMiddle.pick(ch.rnd) : ch.femaleMiddle.pick(ch.rnd);
    const bool ownLastName = (p.rel == Rel::StepChild || p.rel == Rel::Parent) && ch.rnd.chance(0.5);
    r.lastName = ownLastName ? ch.lastNames.pick(ch.rnd) : h.lastName;
    r.title = title(ch, p.male, age, married);
    r.address1 = h.address1;
    r.address2 = h.address2;
    r.city = h.city;
    r.state = h.state;
    r.zip = h.zip;
    r.mapSection = h.mapSection;
    const bool hasCell = age >= 18 ? ch.rnd.chance(age >= 80 ? 0.5 : 0.9) : (age >= 13 && ch.rnd.chance(0.7));
    if (head && !h.landline)
        r.cell = h.homePhone;
    else if (hasCell)
        r.cell = phoneNumber(ch, h.areaCode);
    r.phone = h.homePhone;
    if ((age >= 18 && ch.rnd.chance(0.82)) || (age >= 15 && ch.rnd.chance(0.4)))
        r.email = email(ch, r.firstName, r.lastName, age);
    // A few people never gave their birthday.
    if (age < 18 || !ch.rnd.chance(plan.prospect ? 0.3 : 0.04))
        r.dateOfBirth = p.birth;
    if (married && h.anniversary.isValid())
        r.anniversaryDate = h.anniversary;
    r.gender = p.male ? QStringLiteral("Male") : QStringLiteral("Female");
    if (married)
        r.maritalStatus = QStringLiteral("Married");
    else if (age >= 16)
        r.maritalStatus
            = head && age >= 28 && ch.rnd.chance(0.45) ? QStringLiteral("Divorced") : QStringLiteral("Single");
    r.headOfHousehold = head;
    if (age >= 8)
        r.hobbies = someOf(ch, data::hobbies(), 3);
    if (age >= 18)
        r.organizations = someOf(ch, data::organizations(), ch.rnd.chance(0.7) ? 0 : 2);
    if (ch.rnd.chance(0.06))
        r.notes = utf8(ch.rnd.pick(data::memberNotes()));
    r.memberActiveStatus = plan.churchStatus;
    r.addedBy = kAdded;
    bool childrenAtHome = false;
    for (const PlanPerson& other : plan.people)
        childrenAtHome = childrenAtHome || other.rel == Rel::Child || other.rel == Rel::StepChild;
    work(ch, r, p, age, married, childrenAtHome, h.areaCode);
    return r;
}

void writeFamily(Church& ch, const PlanHousehold& plan, const std::vector<qint64>& ids)
{
    for (std::size_t i = 1; i < ids.size(); ++i)
        ch.family.run({ ids[0], relationship(plan.people[i]), ids[i] });
}

qint64 insertPerson(Church& ch, MemberRecord& r, const QDate& added)
{
    r.dateAdded = stamp(ch, added);
    if (ch.rnd.chance(0.65)) {
        r.dateEdited = stamp(ch, ch.rnd.day(std::min(added, ch.today), ch.today));
        r.editedBy = kAdded;
    }
    return ch.member.insert(r);
}

} // namespace pw::demo::detail
