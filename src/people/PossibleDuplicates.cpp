#include "people/PossibleDuplicates.h"

#include "data/Database.h"
#include "data/Lookups.h"
#include "data/Sql.h"
#include "people/Duplicates.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

#include <algorithm>

namespace pw::people {

namespace {

    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(PossibleDuplicates)
    };

    using Pair = QPair<qint64, qint64>;

    Pair ordered(qint64 a, qint64 b) { return a < b ? Pair(a, b) : Pair(b, a); }

    QSet<Pair> markedPairs(Database& db)
    {
        QSet<Pair> out;
        db.scan(QStringLiteral("SELECT Member_ID, Other_Member_ID FROM Member_Not_Duplicate"), {},
            [&](const RowView& row) { out.insert(ordered(row.integer(0), row.integer(1))); });
        return out;
    }

} // namespace

QList<PossibleDuplicate> findPossibleDuplicates(Database& db)
{
    const DuplicateIndex index(db);
    const QSet<Pair> marked = markedPairs(db);
    // Each person is matched as if entered new beside everyone else; a pair
    // found both ways round carries the reasons of both.
    QHash<Pair, int> found;
    for (const PersonKeys& person : index.people()) {
        for (const DuplicateMatch& match : index.match(person)) {
            const Pair pair = ordered(person.id, match.id);
            if (!marked.contains(pair))
                found[pair] |= match.reasons;
        }
    }
    if (found.isEmpty())
        return {};

    QList<qint64> ids;
    for (auto it = found.cbegin(); it != found.cend(); ++it)
        ids << it.key().first << it.key().second;
    struct Shown {
        QString name;
        QString sortKey;
    };
    QHash<qint64, Shown> shown;
    db.scan(QStringLiteral("SELECT ID, Last_Name, First_Name, Middle_Name FROM Member WHERE ")
            + sql::inIdList(QStringLiteral("ID")),
        { sql::idList(ids) }, [&](const RowView& row) {
            const QString name = personName(row.text(1), row.text(2), row.text(3)).trimmed();
            QString key;
            for (int i = 1; i <= 3; ++i) {
                sql::appendSortKey(key, row.text(i));
                key.append(QChar(1));
            }
            shown.insert(row.integer(0), { Tr::tr("%1 (ID %2)").arg(name).arg(row.integer(0)), key });
        });

    QList<PossibleDuplicate> out;
    out.reserve(found.size());
    for (auto it = found.cbegin(); it != found.cend(); ++it) {
        const Pair& pair = it.key();
        out.append(
            { pair.first, pair.second, it.value(), shown.value(pair.first).name, shown.value(pair.second).name });
    }
    std::sort(out.begin(), out.end(), [&](const PossibleDuplicate& a, const PossibleDuplicate& b) {
        const QString& ka = shown[a.first].sortKey;
        const QString& kb = shown[b.first].sortKey;
        if (ka != kb)
            return ka < kb;
        return std::make_pair(a.first, a.second) < std::make_pair(b.first, b.second);
    });
    return out;
}

void markNotDuplicate(Database& db, qint64 a, qint64 b, const QString& by, const QDateTime& when)
{
    const Pair pair = ordered(a, b);
    Transaction tx(db);
    const bool known = db.exists(QStringLiteral("SELECT 1 FROM Member_Not_Duplicate WHERE (Member_ID = ? AND "
                                                "Other_Member_ID = ?) OR (Member_ID = ? AND Other_Member_ID = ?)"),
        { pair.first, pair.second, pair.second, pair.first });
    if (!known)
        db.exec(QStringLiteral("INSERT INTO Member_Not_Duplicate (Member_ID, Other_Member_ID, Marked_By, Marked_On) "
                               "VALUES (?, ?, ?, ?)"),
            { pair.first, pair.second, by, sql::dateTime(when.toUTC()) });
    tx.commit();
}

} // namespace pw::people
