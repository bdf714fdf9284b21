#include "reports/HouseholdLabels.h"

#include "data/Database.h"
#include "data/Sql.h"
#include "widgets/Context.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

namespace pw::reports {

namespace {
    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(HouseholdLabels)
    };
} // namespace

namespace {

    bool isSpouse(const QString& relationship)
    {
        const QString r = relationship.trimmed();
        for (const char* spouse : { "Wife", "Husband", "Spouse" })
            if (r.compare(QLatin1String(spouse), Qt::CaseInsensitive) == 0)
                return true;
        return false;
    }

    struct Head {
        QString first, last;
        bool hasRelatives = false;
        QString spouseFirst, spouseLast;
    };

    QString nameOf(const Head& h, HouseholdName naming)
    {
        const QString last = h.last.trimmed();
        if (!h.hasRelatives || last.isEmpty())
            return {};
        if (naming == HouseholdName::Family)
            return Tr::tr("The %1 Family").arg(last);
        const QString first = h.first.trimmed();
        const QString spouseFirst = h.spouseFirst.trimmed();
        const QString spouseLast = h.spouseLast.trimmed();
        if (first.isEmpty() || spouseFirst.isEmpty())
            return QStringLiteral("%1 %2").arg(first, last).trimmed();
        if (spouseLast.isEmpty() || spouseLast.compare(last, Qt::CaseInsensitive) == 0)
            return QStringLiteral("%1 & %2 %3").arg(first, spouseFirst, last);
        return QStringLiteral("%1 %2 & %3 %4").arg(first, last, spouseFirst, spouseLast);
    }

} // namespace

std::vector<Addressee> householdsOf(const QList<qint64>& found, HouseholdName naming)
{
    Database& d = db();
    // Who of the found is a head.
    QList<qint64> heads, others;
    d.scan(QStringLiteral("SELECT ID, Head_Of_Household FROM Member WHERE ") + sql::inIdList(QStringLiteral("ID")),
        { sql::idList(found) },
        [&](const RowView& row) { (sql::toYesNo(row.text(1)) ? heads : others).append(row.integer(0)); });

    // The household each other person belongs to: the head listing them
    // (the lowest identifier, should several heads list one person).
    QHash<qint64, qint64> headOf;
    d.scan(QStringLiteral("SELECT Family_Connection.Relative_Member_ID, Family_Connection.Member_ID"
                          " FROM Family_Connection JOIN Member ON Member.ID = Family_Connection.Member_ID"
                          " WHERE Member.Head_Of_Household = ? AND ")
            + sql::inIdList(QStringLiteral("Family_Connection.Relative_Member_ID")),
        { sql::yesNo(true), sql::idList(others) }, [&](const RowView& row) {
            const qint64 person = row.integer(0), head = row.integer(1);
            const auto known = headOf.constFind(person);
            if (known == headOf.constEnd() || head < *known)
                headOf.insert(person, head);
        });

    QSet<qint64> headSet(heads.begin(), heads.end());
    for (const qint64 head : std::as_const(headOf))
        headSet.insert(head);
    const QList<qint64> allHeads(headSet.begin(), headSet.end());

    QHash<qint64, Head> households;
    d.scan(QStringLiteral("SELECT ID, First_Name, Last_Name FROM Member WHERE ") + sql::inIdList(QStringLiteral("ID")),
        { sql::idList(allHeads) }, [&](const RowView& row) {
            Head& h = households[row.integer(0)];
            h.first = row.text(1);
            h.last = row.text(2);
        });
    d.scan(QStringLiteral("SELECT Family_Connection.Member_ID, Family_Connection.Relationship, Member.First_Name,"
                          " Member.Last_Name FROM Family_Connection"
                          " JOIN Member ON Member.ID = Family_Connection.Relative_Member_ID WHERE ")
            + sql::inIdList(QStringLiteral("Family_Connection.Member_ID"))
            + QStringLiteral(" ORDER BY Family_Connection.Member_ID, Family_Connection.Relative_Member_ID"),
        { sql::idList(allHeads) }, [&](const RowView& row) {
            const auto h = households.find(row.integer(0));
            if (h == households.end())
                return;
            h->hasRelatives = true;
            if (h->spouseFirst.isEmpty() && isSpouse(row.text(1))) {
                h->spouseFirst = row.text(2);
                h->spouseLast = row.text(3);
            }
        });

    std::vector<Addressee> out;
    out.reserve(static_cast<std::size_t>(households.size() + others.size()));
    for (auto h = households.cbegin(); h != households.cend(); ++h)
        out.push_back({ h.key(), nameOf(h.value(), naming) });
    for (const qint64 person : std::as_const(others))
        if (!headOf.contains(person))
            out.push_back({ person, QString() });
    return out;
}

} // namespace pw::reports
