#include "members/MemberLists.h"

#include "app/Context.h"
#include "data/Database.h"
#include "data/Sql.h"

#include <QSqlQuery>

namespace pw::members::lists {

namespace {

    QStringList texts(const QString& sql, const QVariantList& params = {})
    {
        QSqlQuery q = db().exec(sql, params);
        QStringList out;
        while (q.next())
            out.append(sql::toText(q.value(0)));
        return out;
    }

    // A simple lookup table of one text column, in the column's order.
    QStringList lookup(const QString& table, const QString& column)
    {
        return texts(QStringLiteral("SELECT %1 FROM %2 ORDER BY %3").arg(column, table, sql::orderText(column)));
    }

    // Rows of (text, identifier).
    QVector<PickItem> picks(const QString& sql, const QVariantList& params = {})
    {
        QSqlQuery q = db().exec(sql, params);
        QVector<PickItem> out;
        while (q.next())
            out.append({ sql::toText(q.value(0)), sql::toId(q.value(1)) });
        return out;
    }

    QVector<PickItem> classes(const QString& table)
    {
        return picks(QStringLiteral("SELECT Name, ID FROM %1 ORDER BY %2, ID").arg(table, sql::orderText("Name")));
    }

    // "Last, First" as leaders are shown; a missing person gives ", ".
    QVector<PickItem> leaders(const QString& sql, const QVariantList& params = {})
    {
        QSqlQuery q = db().exec(sql, params);
        QVector<PickItem> out;
        while (q.next())
            out.append(
                { sql::toText(q.value(0)) + QStringLiteral(", ") + sql::toText(q.value(1)), sql::toId(q.value(2)) });
        return out;
    }

} // namespace

QStringList memberStatuses() { return lookup(QStringLiteral("MemberStatus"), QStringLiteral("Status")); }
QStringList titles() { return lookup(QStringLiteral("Titles"), QStringLiteral("Title")); }
QStringList states() { return lookup(QStringLiteral("State"), QStringLiteral("State")); }
QStringList churchStatuses() { return lookup(QStringLiteral("ChurchStatus"), QStringLiteral("Status")); }
QStringList attendanceLevels() { return lookup(QStringLiteral("AttendanceLevels"), QStringLiteral("Levels")); }
QStringList prospectStatuses() { return lookup(QStringLiteral("ProspectStatus"), QStringLiteral("Status")); }
QStringList contactActions() { return lookup(QStringLiteral("Prospect_Action"), QStringLiteral("Action")); }

QVector<PickItem> sundaySchoolClasses() { return classes(QStringLiteral("Sunday_School")); }
QVector<PickItem> discipleshipClasses() { return classes(QStringLiteral("Discipleship_Training")); }
QVector<PickItem> wednesdayClasses() { return classes(QStringLiteral("Wednesday_Night")); }

QVector<PickItem> deacons()
{
    // A responsibility row whose member is gone has no identifier to store,
    // so it is left out.
    return leaders(QStringLiteral("SELECT Member.Last_Name, Member.First_Name, Member.ID FROM Member_Responsibility "
                                  "JOIN Member ON Member_Responsibility.Member_ID = Member.ID WHERE %1 "
                                  "ORDER BY %2, %3, Member.ID")
                       .arg(sql::textEquals("Member_Responsibility.Responsibility"), sql::orderText("Member.Last_Name"),
                           sql::orderText("Member.First_Name")),
        { QStringLiteral("Deacon") });
}

QVector<PickItem> careGroups()
{
    return leaders(QStringLiteral("SELECT Member.Last_Name, Member.First_Name, Care_Group.ID FROM Care_Group "
                                  "LEFT JOIN Member ON Care_Group.Group_Leader = Member.ID "
                                  "ORDER BY %1, %2, Care_Group.ID")
                       .arg(sql::orderText("Member.Last_Name"), sql::orderText("Member.First_Name")));
}

QStringList outreachPhases()
{
    return texts(
        QStringLiteral("SELECT Phase FROM Outreach_Phase ORDER BY PhaseOrder, %1").arg(sql::orderText("Phase")));
}

QStringList genders() { return { QStringLiteral("Male"), QStringLiteral("Female"), QStringLiteral("Unknown") }; }

QStringList maritalStatuses()
{
    return { QStringLiteral("Single"), QStringLiteral("Married"), QStringLiteral("Divorced") };
}

} // namespace pw::members::lists
