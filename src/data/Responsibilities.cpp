#include "data/Responsibilities.h"

#include "data/Database.h"
#include "data/Members.h"
#include "data/Sql.h"

#include <QCoreApplication>
#include <QSqlQuery>

namespace {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(Responsibilities)
};
} // namespace

namespace pw::Responsibilities {

namespace {

    const rows::Table& listTable()
    {
        static const rows::Table table { QStringLiteral("Responsibilities"), QStringLiteral("Name"),
            { { QStringLiteral("Name"), rows::Kind::Text }, { QStringLiteral("Description"), rows::Kind::Text } },
            [](Database&, const rows::Values& loaded) {
                return Tr::tr("the responsibility \"%1\"").arg(loaded.value(QStringLiteral("Name")).toString());
            } };
        return table;
    }

} // namespace

bool isDeacon(const QString& name) { return sql::compareText(name, DeaconResponsibility) == 0; }

std::optional<Responsibility> find(Database& db, const QString& name)
{
    QSqlQuery q = db.exec(QStringLiteral("SELECT Name, Description FROM Responsibilities WHERE ")
            + sql::textEquals(QStringLiteral("Name")) + QStringLiteral(" ORDER BY (Name = ?) DESC, Name LIMIT 1"),
        { sql::text(name), sql::text(name) });
    if (!q.next())
        return std::nullopt;
    return Responsibility { sql::toText(q.value(0)), sql::toText(q.value(1)) };
}

ListSave save(
    Database& db, const Responsibility& typed, const std::optional<Responsibility>& loaded, rows::OnConflict onConflict)
{
    ListSave result;
    Transaction tx(db);
    const std::optional<Responsibility> found = find(db, typed.name);
    const rows::Values mine { { QStringLiteral("Name"), typed.name },
        { QStringLiteral("Description"), typed.description } };
    if (!found) {
        rows::insert(db, listTable(), mine);
        tx.commit();
        result.result = ListSave::Result::Added;
        return result;
    }
    result.previousName = found->name;
    // What the screen showed of this responsibility; a screen that showed none
    // (another workstation added the name meanwhile) showed no description.
    const bool shownThis = loaded && sql::compareText(loaded->name, found->name) == 0;
    const rows::Values before { { QStringLiteral("Name"), shownThis ? loaded->name : found->name },
        { QStringLiteral("Description"), shownThis ? loaded->description : QString() } };
    const rows::Outcome outcome = rows::saveEdited(db, listTable(), found->name, before, mine, onConflict);
    if (outcome.result == rows::Outcome::Result::Conflicts) {
        result.result = ListSave::Result::Conflicts;
        result.conflicts = outcome.conflicts;
        return result;
    }
    if (outcome.written.contains(QStringLiteral("Name")) && found->name != typed.name) {
        // The people's rows are joined to the list by exact spelling. Rows of
        // another spelling that the list holds as a responsibility of its own
        // stay with it.
        result.renamedRows = db.execChange(QStringLiteral("UPDATE Member_Responsibility SET Responsibility = ? WHERE ")
                + sql::textEquals(QStringLiteral("Responsibility"))
                + QStringLiteral(" AND Responsibility <> ? AND Responsibility NOT IN (SELECT Name FROM "
                                 "Responsibilities WHERE Name IS NOT NULL)"),
            { typed.name, typed.name, typed.name });
    }
    tx.commit();
    return result;
}

void add(Database& db, const ResponsibilityRow& row)
{
    db.exec(QStringLiteral("INSERT INTO Member_Responsibility (Member_ID, Responsibility, \"Start\", \"End\") "
                           "VALUES (?, ?, ?, ?)"),
        { row.memberId, sql::text(row.name), sql::date(row.start), sql::date(row.end) });
}

namespace {

    // Clears the member as assigned deacon when he holds no "Deacon" row any
    // more: the assignment outlives the end of one term, not of the last.
    void clearDeaconIfNoTermLeft(Database& db, const ResponsibilityRow& row)
    {
        if (!isDeacon(row.name) || heldCount(db, row.memberId, DeaconResponsibility) > 0)
            return;
        db.exec(QStringLiteral("UPDATE Member SET DeaconID = NULL WHERE DeaconID = ?"), { row.memberId });
    }

} // namespace

int heldCount(Database& db, qint64 memberId, const QString& name)
{
    return db
        .scalar(QStringLiteral("SELECT COUNT(*) FROM Member_Responsibility WHERE Member_ID = ? AND ")
                + sql::textEquals(QStringLiteral("Responsibility")),
            { memberId, sql::text(name) })
        .toInt();
}

int remove(Database& db, const ResponsibilityRow& row)
{
    Transaction tx(db);
    const int removed = db.execChange(QStringLiteral("DELETE FROM Member_Responsibility WHERE Member_ID = ? AND ")
            + sql::textEquals(QStringLiteral("Responsibility")) + QStringLiteral(" AND \"Start\" = ? AND \"End\" = ?"),
        { row.memberId, sql::text(row.name), sql::date(row.start), sql::date(row.end) });
    if (removed > 0)
        clearDeaconIfNoTermLeft(db, row);
    tx.commit();
    return removed;
}

int countShown(const QVector<ResponsibilityLine>& shown, const ResponsibilityRow& row)
{
    int n = 0;
    for (const ResponsibilityLine& line : shown)
        if (sql::compareText(line.name, row.name) == 0 && line.start == row.start && line.end == row.end)
            ++n;
    return n;
}

Removal removeShown(Database& db, const ResponsibilityRow& row, int shownCount)
{
    const QString match = QStringLiteral("Member_ID = ? AND ") + sql::textEquals(QStringLiteral("Responsibility"))
        + QStringLiteral(" AND \"Start\" = ? AND \"End\" = ?");
    const QVariantList values { row.memberId, sql::text(row.name), sql::date(row.start), sql::date(row.end) };
    Removal result;
    Transaction tx(db);
    // On a server the person's row is locked first, so a removal another
    // workstation makes meanwhile is counted, not removed twice.
    Members::lock(db, row.memberId);
    const int stored
        = db.scalar(QStringLiteral("SELECT COUNT(*) FROM Member_Responsibility WHERE ") + match, values).toInt();
    result.stale = stored != shownCount;
    if (shownCount == 0 || stored == 0)
        return result; // nothing the grid showed is there to remove
    QVariantList limited = values;
    limited.append(shownCount);
    result.removed = db.execChange(QStringLiteral("DELETE FROM Member_Responsibility WHERE %1 IN (SELECT %1 "
                                                  "FROM Member_Responsibility WHERE %2 LIMIT ?)")
                                       .arg(sql::rowKey(), match),
        limited);
    clearDeaconIfNoTermLeft(db, row);
    tx.commit();
    return result;
}

QVector<ResponsibilityLine> linesOf(Database& db, qint64 memberId)
{
    // Names are matched without regard to letter case, as everywhere; should
    // the list hold two spellings of one name, the exact one is shown, once.
    QSqlQuery q = db.exec(QStringLiteral("SELECT Responsibilities.Name, Responsibilities.Description, "
                                         "Member_Responsibility.\"Start\", Member_Responsibility.\"End\" "
                                         "FROM Member_Responsibility LEFT JOIN Responsibilities "
                                         "ON Responsibilities.Name = COALESCE((SELECT Same.Name FROM "
                                         "Responsibilities Same WHERE Same.Name = "
                                         "Member_Responsibility.Responsibility), (SELECT MIN(Same.Name) FROM "
                                         "Responsibilities Same WHERE %1)) "
                                         "WHERE Member_Responsibility.Member_ID = ? "
                                         "ORDER BY %2, Member_Responsibility.\"Start\", "
                                         "Member_Responsibility.\"End\"")
                              .arg(sql::textEqualsColumn(QStringLiteral("Same.Name"),
                                       QStringLiteral("Member_Responsibility.Responsibility")),
                                  sql::orderText(QStringLiteral("Responsibilities.Name"))),
        { memberId });
    QVector<ResponsibilityLine> lines;
    while (q.next()) {
        lines.append(
            { sql::toText(q.value(0)), sql::toDate(q.value(2)), sql::toDate(q.value(3)), sql::toText(q.value(1)) });
    }
    return lines;
}

} // namespace pw::Responsibilities
