#include "giving/Statements.h"

#include <QCoreApplication>
#include <QSet>
#include <algorithm>
#include <map>

namespace pw::giving {

const QStringList& methods()
{
    // Stored as they are here; methodText() shows them in the user's language.
    static const QStringList names = { QString::fromLatin1(QT_TRANSLATE_NOOP("GiftMethods", "Cash")),
        QString::fromLatin1(QT_TRANSLATE_NOOP("GiftMethods", "Check")),
        QString::fromLatin1(QT_TRANSLATE_NOOP("GiftMethods", "Card")),
        QString::fromLatin1(QT_TRANSLATE_NOOP("GiftMethods", "Online")),
        QString::fromLatin1(QT_TRANSLATE_NOOP("GiftMethods", "Other")) };
    return names;
}

QString methodText(const QString& method)
{
    return QCoreApplication::translate("GiftMethods", method.toUtf8().constData());
}

qint64 Gift::cents() const
{
    qint64 sum = 0;
    for (const GiftLine& l : lines)
        sum += l.cents;
    return sum;
}

bool Giver::hasAddress() const { return !address1.trimmed().isEmpty() || !address2.trimmed().isEmpty(); }

bool isSpouse(const QString& relationship)
{
    const QString r = relationship.trimmed();
    return r.compare(QLatin1String("Wife"), Qt::CaseInsensitive) == 0
        || r.compare(QLatin1String("Husband"), Qt::CaseInsensitive) == 0
        || r.compare(QLatin1String("Spouse"), Qt::CaseInsensitive) == 0;
}

std::vector<Unit> statementUnits(
    const std::vector<qint64>& people, const std::vector<SpouseLink>& spouses, const QHash<qint64, bool>& alone)
{
    QSet<qint64> wanted(people.begin(), people.end());
    std::vector<SpouseLink> links = spouses;
    std::sort(links.begin(), links.end(), [](const SpouseLink& a, const SpouseLink& b) {
        if (a.markedHead != b.markedHead)
            return a.markedHead;
        return a.headId != b.headId ? a.headId < b.headId : a.spouseId < b.spouseId;
    });
    // Each person is paired at most once: the first link that finds both
    // free wins.
    QHash<qint64, qint64> partner;
    for (const SpouseLink& l : links) {
        if (l.headId == l.spouseId || alone.value(l.headId) || alone.value(l.spouseId))
            continue;
        if (!wanted.contains(l.headId) && !wanted.contains(l.spouseId))
            continue;
        if (partner.contains(l.headId) || partner.contains(l.spouseId))
            continue;
        partner.insert(l.headId, l.spouseId);
        partner.insert(l.spouseId, -l.headId); // negative: the one who is not addressed
    }
    std::vector<qint64> sorted(wanted.begin(), wanted.end());
    std::sort(sorted.begin(), sorted.end());
    std::vector<Unit> out;
    QSet<qint64> placed;
    std::map<qint64, Unit> byFirst;
    for (qint64 id : sorted) {
        if (placed.contains(id))
            continue;
        const qint64 other = partner.value(id);
        Unit u;
        if (other > 0)
            u.people = { id, other };
        else if (other < 0)
            u.people = { -other, id };
        else
            u.people = { id };
        for (qint64 p : u.people)
            placed.insert(p);
        byFirst.emplace(u.people.front(), u);
    }
    for (auto& [first, unit] : byFirst)
        out.push_back(std::move(unit));
    return out;
}

Period lastCalendarYear(const QDate& today)
{
    const int year = today.year() - 1;
    return { QDate(year, 1, 1), QDate(year, 12, 31) };
}

namespace {

    struct Statements {
        Q_DECLARE_TR_FUNCTIONS(Statements)
    };

    QString joined(const QStringList& parts)
    {
        QStringList kept;
        for (const QString& p : parts)
            if (!p.trimmed().isEmpty())
                kept.append(p.trimmed());
        return kept.join(QLatin1Char(' '));
    }

} // namespace

QString unitNames(const std::vector<Giver>& givers)
{
    if (givers.empty())
        return {};
    const Giver& a = givers.front();
    if (givers.size() == 1)
        return joined({ a.title, a.first, a.middle, a.last });
    const Giver& b = givers.at(1);
    if (a.last.trimmed().compare(b.last.trimmed(), Qt::CaseInsensitive) == 0 && !a.first.trimmed().isEmpty()
        && !b.first.trimmed().isEmpty())
        return joined({ a.first, Statements::tr("and", "between two first names"), b.first, a.last });
    return Statements::tr("%1 and %2").arg(joined({ a.first, a.last }), joined({ b.first, b.last }));
}

QStringList addressLines(const Giver& g)
{
    QStringList out;
    for (const QString& street : { g.address1, g.address2 })
        if (!street.trimmed().isEmpty())
            out.append(street.trimmed());
    QString city = g.city.trimmed();
    const QString stateZip = joined({ g.state, g.zip });
    if (!city.isEmpty() && !stateZip.isEmpty())
        city += QStringLiteral(", ");
    city += stateZip;
    if (!city.isEmpty())
        out.append(city);
    return out;
}

Statement buildStatement(const Unit& unit, const std::vector<Giver>& givers, const std::vector<Gift>& gifts,
    const std::vector<Pledge>& pledges, const QHash<qint64, Fund>& funds, const Period& period)
{
    Statement s;
    s.unit = unit;
    s.period = period;
    s.givers = givers;
    s.names = unitNames(givers);
    if (!givers.empty()) {
        s.address = addressLines(givers.front());
        s.hasAddress = givers.front().hasAddress();
    }
    const QSet<qint64> people(unit.people.begin(), unit.people.end());

    // Each gift once, however many of the unit's lists it came in.
    std::map<qint64, const Gift*> byId;
    for (const Gift& g : gifts) {
        if (g.giverId != 0 && people.contains(g.giverId))
            byId.emplace(g.id, &g);
    }
    // A reversal belongs to the date of the gift it takes back.
    const auto effectiveDate = [&](const Gift& g) {
        if (g.reversesId != 0) {
            const auto original = byId.find(g.reversesId);
            if (original != byId.end())
                return original->second->date;
        }
        return g.date;
    };
    const auto fundOf = [&](qint64 id) { return funds.value(id, Fund { id, Statements::tr("Fund %1").arg(id) }); };

    std::map<qint64, qint64> deductibleByGroup; // a gift and its reversals, deductible lines
    std::map<qint64, qint64> returnedByGroup;
    std::map<qint64, FundTotal> fundTotals;
    for (const auto& [id, gift] : byId) {
        const Gift& g = *gift;
        if (!period.contains(effectiveDate(g)))
            continue;
        const qint64 group = g.reversesId != 0 && byId.count(g.reversesId) ? g.reversesId : g.id;
        returnedByGroup[group] += g.returnedCents;
        deductibleByGroup[group] += 0;
        // A gift of goods is listed by its description only: the giver, not
        // the church, puts a value on it.
        if (!g.goods.trimmed().isEmpty()) {
            s.lines.push_back(
                { g.id, g.date, QString(), g.goods.trimmed(), 0, g.reversesId != 0, g.method, g.checkNumber });
            continue;
        }
        for (const GiftLine& l : g.lines) {
            const Fund f = fundOf(l.fundId);
            s.lines.push_back({ g.id, g.date, f.name, QString(), l.cents, g.reversesId != 0, g.method, g.checkNumber });
            FundTotal& t = fundTotals[l.fundId];
            t.fundId = l.fundId;
            t.fund = f.name;
            t.deductible = f.deductible;
            t.cents += l.cents;
            s.total += l.cents;
            if (f.deductible)
                deductibleByGroup[group] += l.cents;
        }
    }
    for (const auto& [group, cents] : deductibleByGroup) {
        const qint64 returned = returnedByGroup[group];
        s.returned += returned;
        s.deductible += std::max<qint64>(0, cents - std::max<qint64>(0, returned));
    }
    std::stable_sort(s.lines.begin(), s.lines.end(), [&](const StatementLine& a, const StatementLine& b) {
        if (a.date != b.date)
            return a.date < b.date;
        return a.giftId < b.giftId;
    });
    for (const auto& [id, total] : fundTotals)
        s.funds.push_back(total);
    std::stable_sort(s.funds.begin(), s.funds.end(), [&](const FundTotal& a, const FundTotal& b) {
        const int oa = fundOf(a.fundId).order;
        const int ob = fundOf(b.fundId).order;
        return oa != ob ? oa < ob : a.fund.compare(b.fund, Qt::CaseInsensitive) < 0;
    });

    for (const Pledge& p : pledges) {
        if (!people.contains(p.giverId) || p.start > period.to || p.end < period.from)
            continue;
        PledgeProgress progress { p.id, fundOf(p.fundId).name, p.start, p.end, p.cents, 0 };
        const QDate until = std::min(p.end, period.to);
        for (const auto& [id, gift] : byId) {
            const QDate d = effectiveDate(*gift);
            if (d < p.start || d > until || !gift->goods.trimmed().isEmpty())
                continue;
            for (const GiftLine& l : gift->lines)
                if (l.fundId == p.fundId)
                    progress.given += l.cents;
        }
        s.pledges.push_back(progress);
    }
    std::sort(s.pledges.begin(), s.pledges.end(), [](const PledgeProgress& a, const PledgeProgress& b) {
        return a.start != b.start ? a.start < b.start : a.pledgeId < b.pledgeId;
    });
    return s;
}

} // namespace pw::giving
