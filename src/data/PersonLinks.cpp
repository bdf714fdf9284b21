#include "data/PersonLinks.h"

#include "data/Database.h"
#include "data/Lookups.h"
#include "data/PersonName.h"
#include "data/Rows.h"
#include "data/Schema.h"
#include "data/Sql.h"

#include <QCoreApplication>
#include <QSqlQuery>

namespace {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(PersonLinks)
};
} // namespace

namespace pw::PersonLinks {

namespace {

    Link link(const char* table, const char* column, OnDelete onDelete, const char* one = "", const char* many = "",
        QStringList sameRow = {})
    {
        return { QString::fromLatin1(table), QString::fromLatin1(column), onDelete, QString::fromLatin1(one),
            QString::fromLatin1(many), std::move(sameRow) };
    }

    // The rows of the table that point at the person, leaving out the
    // person's own Member row (a deacon of themselves).
    QString whereNaming(const Link& l)
    {
        QString where = QStringLiteral(" WHERE ") + l.column + QStringLiteral(" = ?");
        if (l.table == QLatin1String("Member"))
            where += QStringLiteral(" AND ID <> ?");
        return where;
    }

    QVariantList naming(const Link& l, qint64 id)
    {
        return l.table == QLatin1String("Member") ? QVariantList { id, id } : QVariantList { id };
    }

    // A delete or merge reads the rows that name the person and then changes
    // them: under the lock an import (which links the people it adds) or
    // another merge waits for.
    void lockPeople(Database& db) { rows::lockTable(db, QStringLiteral("Member"), Tr::tr("the people")); }

} // namespace

const QVector<Link>& links()
{
    static const QVector<Link> all = [] {
        const OnDelete remove = OnDelete::Remove;
        const OnDelete refuse = OnDelete::Refuse;
        QVector<Link> out = {
            link("Family_Connection", "Member_ID", remove, QT_TRANSLATE_NOOP("PersonLinks", "%1 family link"),
                QT_TRANSLATE_NOOP("PersonLinks", "%1 family links"), { QStringLiteral("Relative_Member_ID") }),
            link("Family_Connection", "Relative_Member_ID", remove, QT_TRANSLATE_NOOP("PersonLinks", "%1 family link"),
                QT_TRANSLATE_NOOP("PersonLinks", "%1 family links"), { QStringLiteral("Member_ID") }),
            link("Member_Responsibility", "Member_ID", remove, QT_TRANSLATE_NOOP("PersonLinks", "%1 responsibility"),
                QT_TRANSLATE_NOOP("PersonLinks", "%1 responsibilities"),
                { QStringLiteral("Responsibility"), QStringLiteral("\"Start\""), QStringLiteral("\"End\"") }),
            link("Prospect_Contact", "Prospect_ID", remove, QT_TRANSLATE_NOOP("PersonLinks", "%1 contact as prospect"),
                QT_TRANSLATE_NOOP("PersonLinks", "%1 contacts as prospect")),
            link("Attendance", "Member_ID", remove, QT_TRANSLATE_NOOP("PersonLinks", "%1 attendance"),
                QT_TRANSLATE_NOOP("PersonLinks", "%1 attendances"),
                { QStringLiteral("Service"), QStringLiteral("Class_ID"), QStringLiteral("Meeting_Date") }),
            link("Prospect_Contact", "Visitor1", refuse, QT_TRANSLATE_NOOP("PersonLinks", "the visitor on %1 contact"),
                QT_TRANSLATE_NOOP("PersonLinks", "the visitor on %1 contacts")),
            link("Prospect_Contact", "Visitor2", refuse, QT_TRANSLATE_NOOP("PersonLinks", "the visitor on %1 contact"),
                QT_TRANSLATE_NOOP("PersonLinks", "the visitor on %1 contacts")),
            link("Member", "DeaconID", refuse, QT_TRANSLATE_NOOP("PersonLinks", "the deacon of %1 person"),
                QT_TRANSLATE_NOOP("PersonLinks", "the deacon of %1 people")),
            link("Care_Group", "Group_Leader", refuse, QT_TRANSLATE_NOOP("PersonLinks", "a leader of %1 care group"),
                QT_TRANSLATE_NOOP("PersonLinks", "a leader of %1 care groups")),
            link("Care_Group", "Asst_Group_Leader", refuse,
                QT_TRANSLATE_NOOP("PersonLinks", "a leader of %1 care group"),
                QT_TRANSLATE_NOOP("PersonLinks", "a leader of %1 care groups")),
            link("\"User\"", "Member_ID", refuse, QT_TRANSLATE_NOOP("PersonLinks", "the holder of %1 user account"),
                QT_TRANSLATE_NOOP("PersonLinks", "the holder of %1 user accounts")),
            // Grants of an account, which itself refuses the delete; grants
            // left without an account go unseen.
            link("UserPermission", "MemberID", remove, "", "", { QStringLiteral("PermissionID") }),
            // Pairs marked as not the same person go with either of them.
            link("Member_Not_Duplicate", "Member_ID", remove, "", "", { QStringLiteral("Other_Member_ID") }),
            link("Member_Not_Duplicate", "Other_Member_ID", remove, "", "", { QStringLiteral("Member_ID") }),
            // Gifts are financial records: they are kept, so their giver is
            // too (a merge moves them to the person's other record).
            link("Gift", "Member_ID", refuse, QT_TRANSLATE_NOOP("PersonLinks", "the giver of %1 recorded gift"),
                QT_TRANSLATE_NOOP("PersonLinks", "the giver of %1 recorded gifts")),
            link("Pledge", "Member_ID", remove, QT_TRANSLATE_NOOP("PersonLinks", "%1 pledge"),
                QT_TRANSLATE_NOOP("PersonLinks", "%1 pledges")),
            // Envelope and statement settings; on a merge the kept person's
            // own settings win (see merge()).
            link("Giver", "Member_ID", remove),
            // A person's turns on the rosters, the days they cannot serve and
            // how often they would; a merge keeps one turn per place and day.
            link("Roster_Assignment", "Member_ID", remove, QT_TRANSLATE_NOOP("PersonLinks", "%1 roster assignment"),
                QT_TRANSLATE_NOOP("PersonLinks", "%1 roster assignments"),
                { QStringLiteral("Position_ID"), QStringLiteral("Serve_Date") }),
            link("Roster_Unavailable", "Member_ID", remove),
            link("Roster_Preference", "Member_ID", remove, "", "", { QStringLiteral("Position_ID") }),
            // Check-ins go with the person like their attendance; on a merge
            // the kept person is checked in once per meeting.
            link("Checkin", "Member_ID", remove, QT_TRANSLATE_NOOP("PersonLinks", "%1 check-in"),
                QT_TRANSLATE_NOOP("PersonLinks", "%1 check-ins"),
                { QStringLiteral("Service"), QStringLiteral("Class_ID"), QStringLiteral("Checkin_Date") }),
            // Care notes: the kept person's own win on a merge (see merge()).
            link("Child_Care", "Member_ID", remove),
            // How the person shows in the directory: the kept person's own
            // row wins on a merge (see merge()).
            link("Directory_Listing", "Member_ID", remove),
        };
        for (const char* table : { "Sunday_School", "Discipleship_Training", "Wednesday_Night" }) {
            for (const char* column : { "Teacher", "Asst_Teacher" })
                out.append(link(table, column, refuse, "a teacher of %1 class", "a teacher of %1 classes"));
        }
        return out;
    }();
    return all;
}

// one and many stay in English: they group the uses; they are translated as shown.
QString Use::text() const { return Tr::tr((rows == 1 ? one : many).toUtf8().constData()).arg(rows); }

QVector<Use> uses(Database& db, qint64 id)
{
    QVector<Use> out;
    for (const Link& l : links()) {
        const int rows
            = db.scalar(QStringLiteral("SELECT COUNT(*) FROM ") + l.table + whereNaming(l), naming(l, id)).toInt();
        if (rows == 0 || l.one.isEmpty())
            continue;
        auto same = std::find_if(out.begin(), out.end(), [&](const Use& u) { return u.one == l.one; });
        if (same != out.end())
            same->rows += rows;
        else
            out.append({ l.onDelete, l.one, l.many, rows });
    }
    return out;
}

QString listed(const QVector<Use>& uses, OnDelete kind)
{
    QStringList parts;
    for (const Use& u : uses) {
        if (u.onDelete == kind)
            parts.append(u.text());
    }
    if (parts.size() < 2)
        return parts.join(QString());
    const QString last = parts.takeLast();
    return parts.join(QStringLiteral(", ")) + Tr::tr(" and ") + last;
}

QString refusal(const QString& name, const QVector<Use>& uses)
{
    const QString still = listed(uses, OnDelete::Refuse);
    if (still.isEmpty())
        return {};
    return Tr::tr("%1 cannot be deleted while still %2. Choose someone else there first, or merge this "
                  "record with the person's other one (Members > Merge People...).")
        .arg(name, still);
}

void remove(Database& db, qint64 id, const QString& name)
{
    Transaction tx(db);
    lockPeople(db);
    Members::lock(db, id);
    const QString refused = refusal(name, uses(db, id));
    if (!refused.isEmpty())
        throw Error(refused);
    for (const Link& l : links()) {
        if (l.onDelete == OnDelete::Remove)
            db.exec(QStringLiteral("DELETE FROM ") + l.table + whereNaming(l), naming(l, id));
    }
    if (db.execChange(QStringLiteral("DELETE FROM Member WHERE ID = ?"), { id }) == 0)
        throw DbError(Tr::tr("%1 (ID %2) no longer exists; nothing was deleted.").arg(name).arg(id));
    tx.commit();
}

namespace {

    // The row as it is now, refused when it is gone or changed since it was read.
    MemberRecord current(Database& db, qint64 id, const QDateTime& edited)
    {
        const std::optional<MemberRecord> now = Members::load(db, id);
        if (!now)
            throw DbError(Tr::tr("The person with ID %1 no longer exists; nothing was merged.").arg(id));
        if (now->dateEdited != edited)
            throw Error(Tr::tr("%1 (ID %2) was changed on another workstation (%3) since it was shown here; "
                               "nothing was merged. Choose the two people again and look at their fields.")
                            .arg(displayName(now->lastName, now->firstName))
                            .arg(id)
                            .arg(now->editedBy));
        return *now;
    }

    void refuseTwoAccounts(Database& db, qint64 removedId, qint64 keptId)
    {
        const auto account = [&](qint64 id) {
            return sql::toText(db.scalar(QStringLiteral("SELECT Username FROM \"User\" WHERE Member_ID = ?"), { id }));
        };
        if (!db.exists(QStringLiteral("SELECT 1 FROM \"User\" WHERE Member_ID = ?"), { removedId })
            || !db.exists(QStringLiteral("SELECT 1 FROM \"User\" WHERE Member_ID = ?"), { keptId }))
            return;
        throw Error(Tr::tr("Both people have a user account (\"%1\" and \"%2\"), and a person has one at most. "
                           "Remove one of them on the User Entry screen first; nothing was merged.")
                        .arg(account(keptId), account(removedId)));
    }

} // namespace

void merge(Database& db, const Merge& m)
{
    const qint64 keptId = m.kept.id;
    const qint64 removedId = m.removedId;
    if (keptId == removedId || keptId <= 0 || removedId <= 0)
        throw Error(Tr::tr("Choose two different people to merge."));
    Transaction tx(db);
    lockPeople(db);
    Members::lock(db, keptId);
    Members::lock(db, removedId);
    const MemberRecord keptNow = current(db, keptId, m.keptEdited);
    current(db, removedId, m.removedEdited);
    refuseTwoAccounts(db, removedId, keptId);

    // One row of giving settings per person: the kept person's, when they
    // have one, wins over the removed person's.
    db.exec(QStringLiteral("DELETE FROM Giver WHERE Member_ID = ? AND EXISTS (SELECT 1 FROM Giver AS k WHERE "
                           "k.Member_ID = ?)"),
        { removedId, keptId });
    db.exec(QStringLiteral("DELETE FROM Child_Care WHERE Member_ID = ? AND EXISTS (SELECT 1 FROM Child_Care AS k "
                           "WHERE k.Member_ID = ?)"),
        { removedId, keptId });
    db.exec(QStringLiteral("DELETE FROM Directory_Listing WHERE Member_ID = ? AND EXISTS (SELECT 1 FROM "
                           "Directory_Listing AS k WHERE k.Member_ID = ?)"),
        { removedId, keptId });
    for (const Link& l : links()) {
        if (!l.sameRow.isEmpty()) {
            QStringList same;
            for (const QString& c : l.sameRow)
                same.append(QStringLiteral("k.%1 IS NOT DISTINCT FROM %2.%1").arg(c, l.table));
            db.exec(QStringLiteral("DELETE FROM %1 WHERE %2 = ? AND EXISTS (SELECT 1 FROM %1 AS k WHERE k.%2 = ? AND "
                                   "%3)")
                        .arg(l.table, l.column, same.join(QStringLiteral(" AND "))),
                { removedId, keptId });
        }
        db.exec(QStringLiteral("UPDATE %1 SET %2 = ? WHERE %2 = ?").arg(l.table, l.column), { keptId, removedId });
    }
    // Links of the person to themselves: the two records were each other's
    // relatives, visitors together, leader and assistant, or one the other's
    // deacon. The second of a pair that now names one person twice goes.
    db.exec(QStringLiteral("DELETE FROM Family_Connection WHERE Member_ID = ? AND Relative_Member_ID = ?"),
        { keptId, keptId });
    db.exec(QStringLiteral("DELETE FROM Member_Not_Duplicate WHERE Member_ID = ? AND Other_Member_ID = ?"),
        { keptId, keptId });
    const char* const pairs[][3] = { { "Prospect_Contact", "Visitor1", "Visitor2" },
        { "Care_Group", "Group_Leader", "Asst_Group_Leader" }, { "Sunday_School", "Teacher", "Asst_Teacher" },
        { "Discipleship_Training", "Teacher", "Asst_Teacher" }, { "Wednesday_Night", "Teacher", "Asst_Teacher" } };
    for (const auto& pair : pairs)
        db.exec(QStringLiteral("UPDATE %1 SET %3 = NULL WHERE %2 = ? AND %3 = ?")
                    .arg(QString::fromLatin1(pair[0]), QString::fromLatin1(pair[1]), QString::fromLatin1(pair[2])),
            { keptId, keptId });

    MemberRecord kept = m.kept;
    kept.dateAdded = keptNow.dateAdded;
    kept.addedBy = keptNow.addedBy;
    kept.dateEdited = m.when;
    kept.editedBy = m.by;
    if (kept.deacon == keptId || kept.deacon == removedId)
        kept.deacon = 0;
    QStringList columns;
    for (const Members::Column& c : Members::columns())
        columns.append(c.columnName());
    Members::update(db, kept, columns);
    db.exec(QStringLiteral("DELETE FROM Member WHERE ID = ?"), { removedId });
    db.exec(QStringLiteral("INSERT INTO Member_Merge (Removed_Member_ID, Kept_Member_ID, Removed_Name, Merged_By, "
                           "Merged_On) VALUES (?, ?, ?, ?, ?)"),
        { removedId, keptId, m.removedName, m.by, sql::dateTime(m.when) });
    tx.commit();
}

} // namespace pw::PersonLinks
