#include "data/Responsibilities.h"

#include "data/Database.h"
#include "data/Sql.h"

namespace pw::Responsibilities {

void add(Database& db, const ResponsibilityRow& row)
{
    db.exec(QStringLiteral("INSERT INTO Member_Responsibility (Member_ID, Responsibility, \"Start\", \"End\") "
                           "VALUES (?, ?, ?, ?)"),
        { row.memberId, sql::text(row.name), sql::date(row.start), sql::date(row.end) });
}

int remove(Database& db, const ResponsibilityRow& row, bool clearDeacon)
{
    Transaction tx(db);
    if (clearDeacon)
        db.exec(QStringLiteral("UPDATE Member SET DeaconID = NULL WHERE DeaconID = ?"), { row.memberId });
    const int removed = db.execChange(QStringLiteral("DELETE FROM Member_Responsibility WHERE Member_ID = ? AND ")
            + sql::textEquals(QStringLiteral("Responsibility")) + QStringLiteral(" AND \"Start\" = ? AND \"End\" = ?"),
        { row.memberId, sql::text(row.name), sql::date(row.start), sql::date(row.end) });
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

Removal removeShown(Database& db, const ResponsibilityRow& row, bool clearDeacon, int shownCount)
{
    const QString match = QStringLiteral("Member_ID = ? AND ") + sql::textEquals(QStringLiteral("Responsibility"))
        + QStringLiteral(" AND \"Start\" = ? AND \"End\" = ?");
    const QVariantList values { row.memberId, sql::text(row.name), sql::date(row.start), sql::date(row.end) };
    Removal result;
    Transaction tx(db);
    const int stored
        = db.scalar(QStringLiteral("SELECT COUNT(*) FROM Member_Responsibility WHERE ") + match, values).toInt();
    if (shownCount > 0 && stored == 0) {
        result.stale = true;
        return result;
    }
    result.stale = stored != shownCount;
    if (clearDeacon)
        db.exec(QStringLiteral("UPDATE Member SET DeaconID = NULL WHERE DeaconID = ?"), { row.memberId });
    if (shownCount > 0) {
        QVariantList limited = values;
        limited.append(shownCount);
        result.removed = db.execChange(QStringLiteral("DELETE FROM Member_Responsibility WHERE %1 IN (SELECT %1 "
                                                      "FROM Member_Responsibility WHERE %2 LIMIT ?)")
                                           .arg(sql::rowKey(), match),
            limited);
    }
    tx.commit();
    return result;
}

QVector<ResponsibilityLine> linesOf(Database& db, qint64 memberId)
{
    QSqlQuery q = db.exec(QStringLiteral("SELECT Responsibilities.Name, Responsibilities.Description, "
                                         "Member_Responsibility.\"Start\", Member_Responsibility.\"End\" "
                                         "FROM Member_Responsibility LEFT JOIN Responsibilities "
                                         "ON Member_Responsibility.Responsibility = Responsibilities.Name "
                                         "WHERE Member_Responsibility.Member_ID = ? "
                                         "ORDER BY %1, Member_Responsibility.\"Start\", "
                                         "Member_Responsibility.\"End\"")
                              .arg(sql::orderText(QStringLiteral("Responsibilities.Name"))),
        { memberId });
    QVector<ResponsibilityLine> lines;
    while (q.next()) {
        lines.append(
            { sql::toText(q.value(0)), sql::toDate(q.value(2)), sql::toDate(q.value(3)), sql::toText(q.value(1)) });
    }
    return lines;
}

} // namespace pw::Responsibilities
