#include "demo/DemoDuplicates.h"

#include "data/Database.h"
#include "data/Sql.h"

#include <QSqlQuery>

namespace pw::demo {

namespace {

    // "Margaret" as a hurried typist writes it: two letters near the end swapped.
    QString slip(const QString& name)
    {
        if (name.size() < 4)
            return name + name.right(1);
        QString out = name;
        std::swap(out[out.size() - 3], out[out.size() - 2]);
        return out == name ? name.left(name.size() - 1) : out;
    }

} // namespace

void addDuplicates(Database& db, int people)
{
    const int wanted = qBound(3, people / 400, 300);
    QList<qint64> singles;
    db.forEach(QStringLiteral("SELECT ID FROM Member m WHERE Head_Of_Household = 1 AND NOT EXISTS (SELECT 1 FROM "
                              "Family_Connection f WHERE f.Member_ID = m.ID OR f.Relative_Member_ID = m.ID) AND NOT "
                              "EXISTS (SELECT 1 FROM Member_Responsibility r WHERE r.Member_ID = m.ID) AND NOT EXISTS "
                              "(SELECT 1 FROM \"User\" u WHERE u.Member_ID = m.ID) AND NOT EXISTS (SELECT 1 FROM "
                              "Member d WHERE d.DeaconID = m.ID) ORDER BY ID DESC LIMIT ?"),
        { wanted }, [&](const QSqlQuery& q) { singles.append(q.value(0).toLongLong()); });
    // The originals: early records with a birth date, a phone and a family.
    QList<qint64> originals;
    db.forEach(QStringLiteral("SELECT ID FROM Member WHERE Date_Of_Birth IS NOT NULL AND Phone <> '' AND "
                              "Head_Of_Household = 1 ORDER BY ID LIMIT ?"),
        { wanted }, [&](const QSqlQuery& q) { originals.append(q.value(0).toLongLong()); });
    for (int i = 0; i < qMin(singles.size(), originals.size()); ++i) {
        if (singles.at(i) <= originals.at(i))
            break;
        QSqlQuery o = db.exec(QStringLiteral("SELECT First_Name, Last_Name, Date_Of_Birth, Gender, Phone, Address_1, "
                                             "City, State, Zip, Middle_Name, Title FROM Member WHERE ID = ?"),
            { originals.at(i) });
        if (!o.next())
            continue;
        QString first = sql::toText(o.value(0));
        QVariant born = o.value(2);
        if (i % 3 == 1)
            first = slip(first);
        else if (i % 3 == 2)
            born = QVariant();
        db.exec(QStringLiteral("UPDATE Member SET First_Name = ?, Last_Name = ?, Date_Of_Birth = ?, Gender = ?, Phone "
                               "= ?, Address_1 = ?, City = ?, State = ?, Zip = ?, Middle_Name = ?, Title = ? WHERE "
                               "ID = ?"),
            { first, o.value(1), born, o.value(3), o.value(4), o.value(5), o.value(6), o.value(7), o.value(8),
                o.value(9), o.value(10), singles.at(i) });
    }
}

} // namespace pw::demo
