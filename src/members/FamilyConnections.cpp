#include "members/FamilyConnections.h"

#include "data/Database.h"
#include "data/Sql.h"

namespace pw::members {

void setFamilyConnection(Database& db, qint64 memberId, qint64 relativeId, const QString& relationship)
{
    Transaction tx(db);
    db.exec(QStringLiteral("DELETE FROM Family_Connection WHERE Member_ID = ? AND Relative_Member_ID = ?"),
        { memberId, relativeId });
    db.exec(QStringLiteral("INSERT INTO Family_Connection (Member_ID, Relationship, Relative_Member_ID) "
                           "VALUES (?, ?, ?)"),
        { memberId, sql::text(relationship), relativeId });
    tx.commit();
}

int removeFamilyConnection(Database& db, qint64 memberId, qint64 relativeId)
{
    return db.execChange(QStringLiteral("DELETE FROM Family_Connection WHERE Member_ID = ? AND Relative_Member_ID = ?"),
        { memberId, relativeId });
}

QStringList relationshipNames(Database& db)
{
    QSqlQuery q = db.exec(QStringLiteral("SELECT Relationships FROM Relationships ORDER BY %1")
                              .arg(sql::orderText(QStringLiteral("Relationships"))));
    QStringList names;
    while (q.next())
        names.append(sql::toText(q.value(0)));
    return names;
}

} // namespace pw::members
