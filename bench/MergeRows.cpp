#include "Bench.h"

#include "data/Database.h"
#include "data/Members.h"
#include "data/PersonLinks.h"
#include "people/Duplicates.h"

#include <QDateTime>
#include <QSqlQuery>
#include <stdexcept>

namespace pw::bench {

namespace {

    // Pairs of records of one person, as the demonstration church has them:
    // the same last name and phone, the second record added later.
    QList<QPair<qint64, qint64>> doubledPeople(Database& db, int wanted)
    {
        QList<QPair<qint64, qint64>> pairs;
        db.forEach(QStringLiteral("SELECT a.ID, b.ID FROM Member a JOIN Member b ON b.Last_Name = a.Last_Name AND "
                                  "b.First_Name = a.First_Name AND b.Phone = a.Phone AND b.ID > a.ID WHERE "
                                  "a.Head_Of_Household = 1 AND b.Head_Of_Household = 1 AND a.Phone <> '' ORDER BY b.ID "
                                  "DESC LIMIT ?"),
            { wanted }, [&](const QSqlQuery& q) {
                pairs.append({ q.value(0).toLongLong(), q.value(1).toLongLong() });
            });
        if (pairs.size() < wanted)
            throw std::runtime_error("the demo church has too few doubled people to merge");
        return pairs;
    }

} // namespace

void addMergeRows(BenchContext& context)
{
    std::unique_ptr<Database> db = Database::open(context.church(), Database::OpenMode::ExistingOnly);
    const QString people = QStringLiteral("%1 people").arg(context.people);

    // The check the member screen makes before a new person is saved: a
    // person typed again, who matches the one already there.
    MemberRecord typed = *Members::load(*db, doubledPeople(*db, 1).first().first);
    typed.id = 0;
    int found = 0;
    const double check = medianMs(context.runs, [&] { found = int(people::findDuplicates(*db, typed).size()); });
    if (found == 0)
        throw std::runtime_error("the duplicate check missed a person typed again");
    context.add({ QStringLiteral("duplicate check when saving a new person"), people, check, -1 });

    // A merge as "Merge" runs it: every person column searched and moved,
    // the kept row written, the removed one deleted, the merge recorded.
    const QList<QPair<qint64, qint64>> pairs = doubledPeople(*db, context.runs);
    int next = 0;
    PersonLinks::Merge merge;
    const double merged = medianMs(
        context.runs, [&] { PersonLinks::merge(*db, merge); },
        [&] {
            const auto [kept, removed] = pairs.at(next++);
            const MemberRecord k = *Members::load(*db, kept);
            merge = { removed, Members::load(*db, removed)->dateEdited, k, k.dateEdited, QStringLiteral("bench"),
                QStringLiteral("admin"), QDateTime::currentDateTime() };
        });
    if (db->exists(QStringLiteral("SELECT 1 FROM Member WHERE ID = ?"), { pairs.first().second }))
        throw std::runtime_error("the merge left the removed person");
    context.add({ QStringLiteral("merge two records of one person (Merge People)"), people, merged, -1 });
}

} // namespace pw::bench
