#include "giving/StatementData.h"

#include "data/ChurchSettings.h"
#include "data/Database.h"
#include "data/Sql.h"

#include <QSet>
#include <QSqlQuery>

namespace pw::giving {

QString statementText(Database& db)
{
    const QString text = ChurchSettings::value(db, ChurchSettings::kStatementText);
    return text.trimmed().isEmpty() ? ChurchSettings::defaultStatementText() : text;
}

namespace {

    // A reversal counts on the date of the gift it takes back.
    const char* const kEffectiveDate = "COALESCE(o.Gift_Date, g.Gift_Date)";

    QList<qint64> toList(const std::vector<qint64>& ids) { return QList<qint64>(ids.begin(), ids.end()); }

} // namespace

StatementSource::StatementSource(Database& db, const Period& period, const std::optional<QList<qint64>>& only)
    : m_db(db)
    , m_period(period)
{
    m_funds = readFunds(db);
    QString givers = QStringLiteral("SELECT DISTINCT g.Member_ID FROM Gift AS g LEFT JOIN Gift AS o ON o.ID = "
                                    "g.Reverses_Gift_ID WHERE g.Member_ID IS NOT NULL AND %1 BETWEEN ? AND ?")
                         .arg(QLatin1String(kEffectiveDate));
    QVariantList params { sql::date(period.from), sql::date(period.to) };
    std::vector<qint64> people;
    for (qint64 id : db.ids(givers, params))
        people.push_back(id);

    std::vector<SpouseLink> spouses;
    db.forEach(QStringLiteral("SELECT f.Member_ID, f.Relative_Member_ID, f.Relationship, m.Head_Of_Household FROM "
                              "Family_Connection AS f LEFT JOIN Member AS m ON m.ID = f.Member_ID"),
        {}, [&](const QSqlQuery& q) {
            if (isSpouse(q.value(2).toString()))
                spouses.push_back({ q.value(0).toLongLong(), q.value(1).toLongLong(), q.value(3).toInt() != 0 });
        });
    QHash<qint64, bool> alone;
    for (qint64 id : db.ids(
             QStringLiteral("SELECT Member_ID FROM Giver WHERE ") + sql::textEquals("Statement_Unit"), { kUnitAlone }))
        alone.insert(id, true);
    // A spouse who gave nothing is on the joint statement too, but gives no
    // unit of their own.
    std::vector<Unit> units = statementUnits(people, spouses, alone);
    if (only) {
        const QSet<qint64> chosen(only->begin(), only->end());
        std::vector<Unit> kept;
        for (Unit& u : units) {
            if (std::any_of(u.people.begin(), u.people.end(), [&](qint64 p) { return chosen.contains(p); }))
                kept.push_back(std::move(u));
        }
        units = std::move(kept);
    }
    m_units = std::move(units);
}

QHash<qint64, Fund> readFunds(Database& db)
{
    QHash<qint64, Fund> funds;
    db.forEach(QStringLiteral("SELECT ID, Name, Tax_Deductible, Fund_Order FROM Fund"), {}, [&](const QSqlQuery& q) {
        funds.insert(q.value(0).toLongLong(),
            { q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toInt() != 0, q.value(3).toInt() });
    });
    return funds;
}

Statement StatementSource::statement(int index) const { return readStatement(m_db, unit(index), m_period, m_funds); }

Statement readStatement(Database& db, const Unit& u, const Period& period, const QHash<qint64, Fund>& funds)
{
    const QVariant people = sql::idList(toList(u.people));

    std::vector<Giver> givers;
    QHash<qint64, Giver> found;
    db.forEach(QStringLiteral("SELECT m.ID, m.First_Name, m.Middle_Name, m.Last_Name, m.Title, m.Address_1, "
                              "m.Address_2, m.City, m.State, m.Zip FROM Member AS m WHERE ")
            + sql::inIdList(QStringLiteral("m.ID")),
        { people }, [&](const QSqlQuery& q) {
            Giver g;
            g.id = q.value(0).toLongLong();
            g.first = q.value(1).toString();
            g.middle = q.value(2).toString();
            g.last = q.value(3).toString();
            g.title = q.value(4).toString();
            g.address1 = q.value(5).toString();
            g.address2 = q.value(6).toString();
            g.city = q.value(7).toString();
            g.state = q.value(8).toString();
            g.zip = q.value(9).toString();
            found.insert(g.id, g);
        });
    for (qint64 id : u.people)
        if (found.contains(id))
            givers.push_back(found.value(id));

    std::vector<Pledge> pledges;
    QDate from = period.from;
    db.forEach(QStringLiteral("SELECT ID, Member_ID, Fund_ID, Start_Date, End_Date, Amount_Cents FROM Pledge WHERE ")
            + sql::inIdList(QStringLiteral("Member_ID")) + QStringLiteral(" AND Start_Date <= ? AND End_Date >= ?"),
        { people, sql::date(period.to), sql::date(period.from) }, [&](const QSqlQuery& q) {
            Pledge p { q.value(0).toLongLong(), q.value(1).toLongLong(), q.value(2).toLongLong(),
                sql::toDate(q.value(3)), sql::toDate(q.value(4)), q.value(5).toLongLong() };
            from = std::min(from, p.start);
            pledges.push_back(p);
        });

    // The gifts from the earliest pledge's start (for what was given against
    // it) to the period's end, with their reversals.
    const QString where = QStringLiteral(" FROM Gift AS g LEFT JOIN Gift AS o ON o.ID = g.Reverses_Gift_ID WHERE ")
        + sql::inIdList(QStringLiteral("g.Member_ID"))
        + QStringLiteral(" AND %1 BETWEEN ? AND ?").arg(QLatin1String(kEffectiveDate));
    const QVariantList params { people, sql::date(from), sql::date(period.to) };
    std::vector<Gift> gifts;
    QHash<qint64, std::size_t> at;
    db.forEach(QStringLiteral("SELECT g.ID, g.Member_ID, g.Gift_Date, g.Method, g.Check_Number, "
                              "g.Goods_Description, g.Value_Returned_Cents, g.Reverses_Gift_ID")
            + where + QStringLiteral(" ORDER BY g.ID"),
        params, [&](const QSqlQuery& q) {
            Gift g;
            g.id = q.value(0).toLongLong();
            g.giverId = q.value(1).toLongLong();
            g.date = sql::toDate(q.value(2));
            g.method = q.value(3).toString();
            g.checkNumber = q.value(4).toString();
            g.goods = q.value(5).toString();
            g.returnedCents = q.value(6).toLongLong();
            g.reversesId = q.value(7).toLongLong();
            at.insert(g.id, gifts.size());
            gifts.push_back(g);
        });
    db.forEach(QStringLiteral("SELECT l.Gift_ID, l.Fund_ID, l.Amount_Cents FROM Gift_Line AS l WHERE l.Gift_ID IN "
                              "(SELECT g.ID")
            + where + QStringLiteral(") ORDER BY l.ID"),
        params, [&](const QSqlQuery& q) {
            const auto i = at.constFind(q.value(0).toLongLong());
            if (i != at.cend())
                gifts[*i].lines.push_back({ q.value(1).toLongLong(), q.value(2).toLongLong() });
        });
    return buildStatement(u, givers, gifts, pledges, funds, period);
}

} // namespace pw::giving
