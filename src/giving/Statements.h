#pragma once

// The rules of a contribution statement, apart from the database and the
// page: who shares a statement, which gifts it counts, its totals per fund,
// the part a tax office may count as deductible, and the pledges against
// what was given. Everything is whole cents.

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

namespace pw::giving {

// The payment methods a gift may have, in the order the lists show them.
const QStringList& methods();
// A method as the lists and reports show it, in the user's language.
QString methodText(const QString& method);

// How a person's giving is put on statements: with the household (a head and
// the spouse the head's family links name share one statement) or alone.
inline const QString kUnitHousehold = QStringLiteral("Household");
inline const QString kUnitAlone = QStringLiteral("Alone");

struct Fund {
    qint64 id = 0;
    QString name;
    bool deductible = true;
    int order = 0;
};

struct GiftLine {
    qint64 fundId = 0;
    qint64 cents = 0;
};

struct Gift {
    qint64 id = 0;
    qint64 giverId = 0; // 0: the loose offering, nobody's
    QDate date;
    QString method;
    QString checkNumber;
    QString goods; // a gift of goods: what was given (its lines carry no value)
    qint64 returnedCents = 0; // goods or services the giver received for it
    qint64 reversesId = 0; // a correction taking back that gift
    std::vector<GiftLine> lines;

    qint64 cents() const;
};

struct Pledge {
    qint64 id = 0;
    qint64 giverId = 0;
    qint64 fundId = 0;
    QDate start;
    QDate end;
    qint64 cents = 0;
};

// A person as a statement addresses them.
struct Giver {
    qint64 id = 0;
    QString first, middle, last, title;
    QString address1, address2, city, state, zip;
    bool alone = false; // the person's statement unit is "Alone"

    bool hasAddress() const;
};

// A head of household and a relative the head's family links name as wife
// or husband. The same couple is often linked both ways; the link whose head
// is marked head of household decides who is addressed.
struct SpouseLink {
    qint64 headId = 0;
    qint64 spouseId = 0;
    bool markedHead = false; // the head's Head_Of_Household box is ticked
};

// Is this relationship (as Family_Connection stores it) a spouse's?
bool isSpouse(const QString& relationship);

// The people who share one statement: one person, or a head and spouse. The
// first is the one addressed (the head).
struct Unit {
    std::vector<qint64> people;
};

// Groups people into statement units. A head and the spouse the head's
// links name share a unit when neither chose "Alone"; links of a marked head
// of household come first, then by the head's identifier, so a person named
// as spouse by several heads goes with the first of them, and a head naming
// several spouses takes the first. Everyone else is alone.
// Units come in the order of their first person's identifier.
std::vector<Unit> statementUnits(
    const std::vector<qint64>& people, const std::vector<SpouseLink>& spouses, const QHash<qint64, bool>& alone);

struct Period {
    QDate from;
    QDate to;
    bool contains(const QDate& d) const { return d >= from && d <= to; }
};

// The calendar year before the one of today, the period a statement run
// offers first.
Period lastCalendarYear(const QDate& today);

// One line of a statement: a gift's line to a fund, or a gift of goods.
struct StatementLine {
    qint64 giftId = 0;
    QDate date;
    QString fund; // empty for a gift of goods
    QString goods; // a gift of goods: its description, and no amount
    qint64 cents = 0;
    bool reversal = false; // a correction taking back an earlier gift
    QString method;
    QString checkNumber;
};

struct FundTotal {
    qint64 fundId = 0;
    QString fund;
    qint64 cents = 0;
    bool deductible = true;
};

struct PledgeProgress {
    qint64 pledgeId = 0;
    QString fund;
    QDate start;
    QDate end;
    qint64 pledged = 0;
    qint64 given = 0; // to the fund from the start up to the statement's end (or the pledge's, earlier)
    qint64 left() const { return pledged > given ? pledged - given : 0; }
};

struct Statement {
    Unit unit;
    std::vector<Giver> givers; // the unit's people as read, the addressed one first
    QString names; // "John and Mary Hale", "John Hale and Mary Cole"
    QStringList address; // the lines under the names; empty when there is none
    bool hasAddress = false;
    Period period;
    std::vector<StatementLine> lines;
    std::vector<FundTotal> funds; // in the funds' order
    qint64 total = 0; // every line, reversals netted
    qint64 returned = 0; // goods and services received in return
    qint64 deductible = 0; // the deductible funds' part above what was received
    std::vector<PledgeProgress> pledges;

    bool empty() const { return lines.empty() && pledges.empty(); }
};

// The statement of one unit for the period. gifts holds the gifts the unit's
// people gave (and their reversals), from the start of the earliest pledge
// they hold, or the period's start, up to the period's end; a gift given
// twice (both spouses' lists) counts once. A reversal counts with the gift
// it takes back: in that gift's period, so a returned check nets to zero.
// Loose offering is nobody's and never on a statement. givers are the unit's
// people, the head first.
Statement buildStatement(const Unit& unit, const std::vector<Giver>& givers, const std::vector<Gift>& gifts,
    const std::vector<Pledge>& pledges, const QHash<qint64, Fund>& funds, const Period& period);

// "John and Mary Hale" for a couple of one last name, "John Hale and Mary
// Cole" otherwise, "Dr. John Hale" for one person.
QString unitNames(const std::vector<Giver>& givers);
// The address lines of the unit's first person: street lines that are not
// empty, then "City, State Zip".
QStringList addressLines(const Giver& giver);

} // namespace pw::giving
