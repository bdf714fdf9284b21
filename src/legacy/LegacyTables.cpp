#include "legacy/LegacyTables.h"

#include "data/Members.h"

#include <QHash>

namespace pw::legacy {

namespace {

    ColumnDef col(const char* name, Kind kind = Kind::Text, bool required = false)
    {
        return { QString::fromLatin1(name), kind, required };
    }

    LinkDef link(const char* column, const char* table, const char* target = "ID")
    {
        return { QString::fromLatin1(column), QString::fromLatin1(table), QString::fromLatin1(target) };
    }

    Kind memberKind(Members::Kind kind)
    {
        switch (kind) {
        case Members::Kind::Text:
            return Kind::Text;
        case Members::Kind::OptionalText:
            return Kind::OptionalText;
        case Members::Kind::Date:
            return Kind::Date;
        case Members::Kind::DateTime:
            return Kind::DateTime;
        case Members::Kind::Id:
            return Kind::Link;
        case Members::Kind::YesNo:
            return Kind::YesNo;
        }
        return Kind::Text;
    }

    TableDef member()
    {
        TableDef t;
        t.name = QStringLiteral("Member");
        t.columns.push_back(col("ID", Kind::Integer, true));
        const QStringList trimmed = { QStringLiteral("First_Name"), QStringLiteral("Middle_Name"),
            QStringLiteral("Last_Name"), QStringLiteral("Email"), QStringLiteral("Phone"), QStringLiteral("Cell"),
            QStringLiteral("Work_Phone") };
        for (const Members::Column& c : Members::columns())
            t.columns.push_back({ c.columnName(), memberKind(c.kind), false, trimmed.contains(c.columnName()) });
        t.key = QStringLiteral("ID");
        t.identifying = QStringList { QStringLiteral("ID") };
        t.core = t.autoKey = t.everyRow = true;
        t.optionalLinks = { link("Sunday_School_Class", "Sunday_School"),
            link("Discipleship_Training_Class", "Discipleship_Training"),
            link("Wednesday_Night_Class", "Wednesday_Night"), link("Care_Group_Assigned", "Care_Group"),
            link("DeaconID", "Member"), link("Prospect_Sunday_School_Class_Assigned", "Sunday_School"),
            link("Prospect_Care_Group_Assigned", "Care_Group") };
        return t;
    }

    TableDef classes(const char* name)
    {
        TableDef t;
        t.name = QString::fromLatin1(name);
        t.columns = { col("ID", Kind::Integer, true), col("Name"), col("Description"), col("Teacher", Kind::Link),
            col("Asst_Teacher", Kind::Link), col("Location"), col("Notes") };
        t.key = QStringLiteral("ID");
        t.identifying = QStringList { QStringLiteral("ID"), QStringLiteral("Name") };
        t.autoKey = true;
        t.optionalLinks = { link("Teacher", "Member"), link("Asst_Teacher", "Member") };
        return t;
    }

    TableDef lookup(const char* name, const char* column)
    {
        TableDef t;
        t.name = QString::fromLatin1(name);
        t.columns = { col(column) };
        t.identifying = QStringList { QString::fromLatin1(column) };
        t.replacesSeed = true;
        return t;
    }

    std::vector<TableDef> build()
    {
        std::vector<TableDef> all;
        all.push_back(member());
        all.push_back(classes("Sunday_School"));
        all.push_back(classes("Discipleship_Training"));
        all.push_back(classes("Wednesday_Night"));
        {
            TableDef t;
            t.name = QStringLiteral("Care_Group");
            t.columns = { col("ID", Kind::Integer, true), col("Group_Leader", Kind::Link),
                col("Asst_Group_Leader", Kind::Link), col("Sunday_School_Class", Kind::Link), col("Notes") };
            t.key = QStringLiteral("ID");
            t.identifying = QStringList { QStringLiteral("ID") };
            t.autoKey = true;
            t.optionalLinks = { link("Group_Leader", "Member"), link("Asst_Group_Leader", "Member"),
                link("Sunday_School_Class", "Sunday_School") };
            all.push_back(t);
        }
        {
            TableDef t;
            t.name = QStringLiteral("Prospect_Contact");
            t.columns = { col("ID", Kind::Integer, true), col("Prospect_ID", Kind::Integer, true),
                col("Contact_Date", Kind::Date), col("Action"), col("Type"), col("Visitor1", Kind::Link),
                col("Visitor2", Kind::Link), col("Rating"), col("Notes") };
            t.key = QStringLiteral("ID");
            t.identifying = QStringList { QStringLiteral("ID"), QStringLiteral("Prospect_ID") };
            t.autoKey = true;
            t.requiredLinks = { link("Prospect_ID", "Member") };
            t.optionalLinks = { link("Visitor1", "Member"), link("Visitor2", "Member") };
            all.push_back(t);
        }
        {
            TableDef t;
            t.name = QStringLiteral("Family_Connection");
            t.columns = { col("Member_ID", Kind::Integer, true), col("Relationship"),
                col("Relative_Member_ID", Kind::Integer, true) };
            t.identifying = QStringList { QStringLiteral("Member_ID"), QStringLiteral("Relationship"),
                QStringLiteral("Relative_Member_ID") };
            t.core = t.everyRow = true;
            t.requiredLinks = { link("Member_ID", "Member"), link("Relative_Member_ID", "Member") };
            all.push_back(t);
        }
        {
            TableDef t;
            t.name = QStringLiteral("Responsibilities");
            t.columns = { col("Name"), col("Description") };
            t.key = QStringLiteral("Name");
            t.identifying = QStringList { QStringLiteral("Name") };
            t.replacesSeed = true;
            all.push_back(t);
        }
        {
            TableDef t;
            t.name = QStringLiteral("Member_Responsibility");
            t.columns = { col("Member_ID", Kind::Integer, true), col("Responsibility"), col("Start", Kind::Date),
                col("End", Kind::Date) };
            t.identifying = QStringList { QStringLiteral("Member_ID"), QStringLiteral("Responsibility"),
                QStringLiteral("Start") };
            t.core = true;
            t.requiredLinks = { link("Member_ID", "Member") };
            all.push_back(t);
        }
        {
            TableDef t;
            t.name = QStringLiteral("User");
            t.columns = { col("Member_ID", Kind::Integer, true), col("Username"), col("Password", Kind::Password),
                col("Type"), col("Inactive", Kind::YesNo), col("DateEntered", Kind::Date) };
            t.identifying = QStringList { QStringLiteral("Member_ID"), QStringLiteral("Username") };
            t.core = t.everyRow = true;
            t.requiredLinks = { link("Member_ID", "Member") };
            all.push_back(t);
        }
        {
            TableDef t;
            t.name = QStringLiteral("Permission");
            t.columns = { col("ID", Kind::Integer, true), col("Name") };
            t.key = QStringLiteral("ID");
            t.identifying = QStringList { QStringLiteral("ID"), QStringLiteral("Name") };
            t.replacesSeed = true;
            all.push_back(t);
        }
        {
            TableDef t;
            t.name = QStringLiteral("UserPermission");
            t.columns = { col("MemberID", Kind::Integer, true), col("PermissionID", Kind::Integer, true) };
            t.identifying = QStringList { QStringLiteral("MemberID"), QStringLiteral("PermissionID") };
            t.requiredLinks = { link("MemberID", "User", "Member_ID"), link("PermissionID", "Permission") };
            all.push_back(t);
        }
        all.push_back(lookup("UserType", "Name"));
        {
            TableDef t;
            t.name = QStringLiteral("Church");
            t.columns = { col("Name"), col("Address1"), col("Address2"), col("City"), col("State"), col("Zip"),
                col("Phone"), col("Fax"), col("Email"), col("Website"), col("KeyPressDelay", Kind::Number) };
            t.identifying = QStringList { QStringLiteral("Name") };
            all.push_back(t);
        }
        {
            TableDef t;
            t.name = QStringLiteral("Outreach_Phase");
            t.columns
                = { col("PhaseOrder", Kind::Integer), col("Phase"), col("Action"), col("TimePeriod", Kind::Integer) };
            t.identifying = QStringList { QStringLiteral("PhaseOrder"), QStringLiteral("Phase") };
            t.replacesSeed = true;
            all.push_back(t);
        }
        all.push_back(lookup("MemberStatus", "Status"));
        all.push_back(lookup("ChurchStatus", "Status"));
        all.push_back(lookup("ProspectStatus", "Status"));
        all.push_back(lookup("Titles", "Title"));
        all.push_back(lookup("State", "State"));
        all.push_back(lookup("AttendanceLevels", "Levels"));
        all.push_back(lookup("Relationships", "Relationships"));
        all.push_back(lookup("Prospect_Action", "Action"));
        all.push_back(lookup("Prospect_Contact_Rating", "Rating"));
        {
            // Attendance, in a file that carries it (one a later Pewlark
            // wrote back, or a copy of one).
            TableDef t;
            t.name = QStringLiteral("Attendance");
            t.columns = { col("Member_ID", Kind::Integer, true), col("Service", Kind::Text, true),
                col("Class_ID", Kind::Integer, true), col("Meeting_Date", Kind::Date, true), col("Recorded_By"),
                col("Recorded_At", Kind::DateTime) };
            t.identifying = QStringList { QStringLiteral("Member_ID"), QStringLiteral("Service"),
                QStringLiteral("Meeting_Date") };
            t.requiredLinks = { link("Member_ID", "Member") };
            t.pewlarkOnly = true;
            all.push_back(t);
        }
        {
            TableDef t;
            t.name = QStringLiteral("Attendance_Headcount");
            t.pewlarkOnly = true;
            t.columns = { col("Service", Kind::Text, true), col("Class_ID", Kind::Integer, true),
                col("Meeting_Date", Kind::Date, true), col("Headcount", Kind::Integer), col("Recorded_By"),
                col("Recorded_At", Kind::DateTime) };
            t.identifying = QStringList { QStringLiteral("Service"), QStringLiteral("Meeting_Date") };
            all.push_back(t);
        }
        return all;
    }

} // namespace

const ColumnDef* TableDef::column(const QString& wanted) const
{
    for (const ColumnDef& c : columns)
        if (c.name == wanted)
            return &c;
    return nullptr;
}

const std::vector<TableDef>& tableDefs()
{
    static const std::vector<TableDef> all = build();
    return all;
}

const TableDef* tableDef(const QString& name)
{
    for (const TableDef& t : tableDefs())
        if (t.name == name)
            return &t;
    return nullptr;
}

QString matchName(const QString& name) { return name.trimmed().toCaseFolded(); }

QString sqlName(const QString& name)
{
    if (name == QLatin1String("User") || name == QLatin1String("Start") || name == QLatin1String("End"))
        return QLatin1Char('"') + name + QLatin1Char('"');
    return name;
}

} // namespace pw::legacy
