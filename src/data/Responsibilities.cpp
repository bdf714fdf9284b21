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
