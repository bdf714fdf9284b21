#include "data/Households.h"

#include "data/Database.h"
#include "data/Members.h"
#include "data/Sql.h"

namespace pw {

std::vector<FamilyRow> familyRows(Database& db, qint64 memberId, bool asHead)
{
    // The connection is owned by the head: in a head's view the other person
    // is the relative, otherwise it is the head. A LEFT JOIN keeps a
    // connection whose person row is gone, with Null person columns.
    const QString other = asHead ? QStringLiteral("Family_Connection.Relative_Member_ID")
                                 : QStringLiteral("Family_Connection.Member_ID");
    const QString self = asHead ? QStringLiteral("Family_Connection.Member_ID")
                                : QStringLiteral("Family_Connection.Relative_Member_ID");
    const QString sql = QStringLiteral("SELECT Member.ID, Member.Status, Member.First_Name, Member.Middle_Name, "
                                       "Member.Last_Name, Member.Title, Member.Phone, Member.Gender, "
                                       "Member.Date_Of_Birth, Member.Member_Active_Status, "
                                       "Member.Prospect_Active_Status, Family_Connection.Relationship "
                                       "FROM Family_Connection LEFT JOIN Member ON %1 = Member.ID "
                                       "WHERE %2 = ? "
                                       "ORDER BY %3, %4, %5, %6, %1")
                            .arg(other, self, sql::orderText(QStringLiteral("Family_Connection.Relationship")),
                                sql::orderText(QStringLiteral("Member.Last_Name")),
                                sql::orderText(QStringLiteral("Member.First_Name")),
                                sql::orderText(QStringLiteral("Member.Middle_Name")));
    QSqlQuery q = db.exec(sql, { memberId });
    std::vector<FamilyRow> rows;
    while (q.next()) {
        FamilyRow r;
        r.id = sql::toId(q.value(0));
        r.status = sql::toText(q.value(1));
        r.firstName = sql::toText(q.value(2));
        r.middleName = sql::toText(q.value(3));
        r.lastName = sql::toText(q.value(4));
        r.title = sql::toText(q.value(5));
        r.phone = sql::toText(q.value(6));
        r.gender = sql::toText(q.value(7));
        r.dateOfBirth = sql::toDate(q.value(8));
        r.memberActiveStatus = sql::toText(q.value(9));
        r.prospectActiveStatus = sql::toText(q.value(10));
        r.relationship = sql::toText(q.value(11));
        rows.push_back(std::move(r));
    }
    return rows;
}

namespace Households {

    void setConnection(Database& db, qint64 memberId, qint64 relativeId, const QString& relationship)
    {
        Transaction tx(db);
        db.exec(QStringLiteral("DELETE FROM Family_Connection WHERE Member_ID = ? AND Relative_Member_ID = ?"),
            { memberId, relativeId });
        db.exec(QStringLiteral("INSERT INTO Family_Connection (Member_ID, Relationship, Relative_Member_ID) "
                               "VALUES (?, ?, ?)"),
            { memberId, sql::text(relationship), relativeId });
        tx.commit();
    }

    int removeConnection(Database& db, qint64 memberId, qint64 relativeId)
    {
        return db.execChange(
            QStringLiteral("DELETE FROM Family_Connection WHERE Member_ID = ? AND Relative_Member_ID = ?"),
            { memberId, relativeId });
    }

    namespace {

        // The pair's relationships as stored now, in storage order.
        QStringList storedRelationships(Database& db, qint64 memberId, qint64 relativeId)
        {
            return db.texts(QStringLiteral("SELECT Relationship FROM Family_Connection WHERE Member_ID = ? AND "
                                           "Relative_Member_ID = ? ORDER BY ")
                    + sql::rowKey(),
                { memberId, relativeId });
        }

    } // namespace

    Change setShownConnection(
        Database& db, qint64 memberId, qint64 relativeId, const QString& relationship, const QString& shownRelationship)
    {
        Transaction tx(db);
        // On a server the person's row is locked first, so two workstations
        // changing the same family link take turns instead of both writing.
        Members::lock(db, memberId);
        const QStringList stored = storedRelationships(db, memberId, relativeId);
        const QStringList expected = shownRelationship.isEmpty() ? QStringList() : QStringList { shownRelationship };
        if (stored != expected)
            return Change::Stale;
        setConnection(db, memberId, relativeId, relationship);
        tx.commit();
        return Change::Done;
    }

    Change removeShownConnection(Database& db, qint64 memberId, qint64 relativeId, const QString& shownRelationship)
    {
        // The relationship is compared exactly: a row whose relationship
        // another workstation changed is not the row the grid showed.
        const int removed = db.execChange(QStringLiteral("DELETE FROM Family_Connection WHERE Member_ID = ? AND "
                                                         "Relative_Member_ID = ? AND Relationship = ?"),
            { memberId, relativeId, sql::text(shownRelationship) });
        return removed > 0 ? Change::Done : Change::Stale;
    }

    bool sameConnections(const std::vector<FamilyRow>& a, const std::vector<FamilyRow>& b)
    {
        const auto keys = [](const std::vector<FamilyRow>& rows) {
            QStringList out;
            for (const FamilyRow& r : rows)
                out.append(QString::number(r.id) + QLatin1Char('\n') + r.relationship);
            out.sort();
            return out;
        };
        return keys(a) == keys(b);
    }

} // namespace Households

} // namespace pw
