#include "data/Schema.h"

#include "data/Database.h"
#include "data/Postgres.h"
#include "data/Seed.h"
#include "data/Users.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <QSqlQuery>
#include <utility>

namespace {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(Schema)
};
} // namespace

namespace pw::schema {

namespace {

    // Tables in the order they are created. "User", "Start" and "End" are quoted
    // because other engines reserve them.
    const char* const kTables[] = {
        R"(CREATE TABLE Schema_Version (
            Version INTEGER NOT NULL))",

        R"(CREATE TABLE Member (
            ID INTEGER PRIMARY KEY AUTOINCREMENT,
            Status TEXT,
            First_Name TEXT,
            Middle_Name TEXT,
            Last_Name TEXT,
            Title TEXT,
            Address_1 TEXT,
            Address_2 TEXT,
            City TEXT,
            State TEXT,
            Zip TEXT,
            Phone TEXT,
            Cell TEXT,
            Work_Phone TEXT,
            Email TEXT,
            Picture TEXT,
            Place_Of_Work TEXT,
            Occupation TEXT,
            Date_Of_Birth TEXT,
            Anniversary_Date TEXT,
            Gender TEXT,
            Marital_Status TEXT,
            Head_Of_Household INTEGER NOT NULL DEFAULT 0,
            Map_Section TEXT,
            Hobbies TEXT,
            Organizations TEXT,
            Notes TEXT,
            Member_Active_Status TEXT,
            Member_Since TEXT,
            Came_Forward TEXT,
            Baptized TEXT,
            Letter_Out TEXT,
            Deceased_Date TEXT,
            Previous_Church TEXT,
            Receive_Newsletter_Via_Mail INTEGER NOT NULL DEFAULT 0,
            Receive_Newsletter_Via_EMail INTEGER NOT NULL DEFAULT 0,
            Sunday_School_Attendance_Level TEXT,
            Worship_Service_Attendance_Level TEXT,
            Discipleship_Training_Attendance_Level TEXT,
            Sunday_Evening_Service_Attendance_Level TEXT,
            Wednesday_Night_Attendance_Level TEXT,
            Sunday_School_Class INTEGER,
            Discipleship_Training_Class INTEGER,
            Wednesday_Night_Class INTEGER,
            Care_Group_Assigned INTEGER,
            DeaconID INTEGER,
            Prospect_Active_Status TEXT,
            Prospect_Source TEXT,
            Prospect_Member_Of TEXT,
            Prospect_Note TEXT,
            Prospect_Sunday_School_Class_Assigned INTEGER,
            Prospect_Care_Group_Assigned INTEGER,
            Prospect_Phase TEXT,
            Prospect_Next_Contact_Date TEXT,
            Prospect_Next_Contact_Action TEXT,
            Date_Added TEXT,
            Added_By TEXT,
            Date_Edited TEXT,
            Edited_By TEXT))",

        R"(CREATE TABLE Family_Connection (
            Member_ID INTEGER NOT NULL,
            Relationship TEXT,
            Relative_Member_ID INTEGER NOT NULL))",

        R"(CREATE TABLE Member_Responsibility (
            Member_ID INTEGER NOT NULL,
            Responsibility TEXT,
            "Start" TEXT,
            "End" TEXT))",

        R"(CREATE TABLE Responsibilities (
            Name TEXT PRIMARY KEY,
            Description TEXT))",

        R"(CREATE TABLE Prospect_Contact (
            ID INTEGER PRIMARY KEY AUTOINCREMENT,
            Prospect_ID INTEGER NOT NULL,
            Contact_Date TEXT,
            Action TEXT,
            Type TEXT,
            Visitor1 INTEGER,
            Visitor2 INTEGER,
            Rating TEXT,
            Notes TEXT))",

        R"(CREATE TABLE Outreach_Phase (
            PhaseOrder INTEGER,
            Phase TEXT,
            Action TEXT,
            TimePeriod INTEGER))",

        R"(CREATE TABLE Sunday_School (
            ID INTEGER PRIMARY KEY AUTOINCREMENT,
            Name TEXT,
            Description TEXT,
            Teacher INTEGER,
            Asst_Teacher INTEGER,
            Location TEXT,
            Notes TEXT))",

        R"(CREATE TABLE Discipleship_Training (
            ID INTEGER PRIMARY KEY AUTOINCREMENT,
            Name TEXT,
            Description TEXT,
            Teacher INTEGER,
            Asst_Teacher INTEGER,
            Location TEXT,
            Notes TEXT))",

        R"(CREATE TABLE Wednesday_Night (
            ID INTEGER PRIMARY KEY AUTOINCREMENT,
            Name TEXT,
            Description TEXT,
            Teacher INTEGER,
            Asst_Teacher INTEGER,
            Location TEXT,
            Notes TEXT))",

        R"(CREATE TABLE Care_Group (
            ID INTEGER PRIMARY KEY AUTOINCREMENT,
            Group_Leader INTEGER,
            Asst_Group_Leader INTEGER,
            Sunday_School_Class INTEGER,
            Notes TEXT))",

        R"(CREATE TABLE "User" (
            Member_ID INTEGER NOT NULL,
            Username TEXT,
            Username_Key TEXT,
            Password TEXT,
            Type TEXT,
            Inactive INTEGER NOT NULL DEFAULT 0,
            DateEntered TEXT))",

        R"(CREATE TABLE Permission (
            ID INTEGER PRIMARY KEY,
            Name TEXT))",

        R"(CREATE TABLE UserPermission (
            MemberID INTEGER NOT NULL,
            PermissionID INTEGER NOT NULL))",

        R"(CREATE TABLE UserType (Name TEXT))",

        R"(CREATE TABLE Church (
            Name TEXT,
            Address1 TEXT,
            Address2 TEXT,
            City TEXT,
            State TEXT,
            Zip TEXT,
            Phone TEXT,
            Fax TEXT,
            Email TEXT,
            Website TEXT,
            KeyPressDelay REAL))",

        R"(CREATE TABLE MemberStatus (Status TEXT))",
        R"(CREATE TABLE ChurchStatus (Status TEXT))",
        R"(CREATE TABLE ProspectStatus (Status TEXT))",
        R"(CREATE TABLE Titles (Title TEXT))",
        R"(CREATE TABLE State (State TEXT))",
        R"(CREATE TABLE AttendanceLevels (Levels TEXT))",
        R"(CREATE TABLE Relationships (Relationships TEXT))",
        R"(CREATE TABLE Prospect_Action (Action TEXT))",
        R"(CREATE TABLE Prospect_Contact_Rating (Rating TEXT))",

        // Failed logins in a row per user name (its key, as Username_Key),
        // and when the last one was (UTC, to the millisecond): kept here so
        // that neither a restart nor another workstation starts the count
        // afresh.
        R"(CREATE TABLE Login_Failure (
            Username_Key TEXT PRIMARY KEY,
            Failures INTEGER NOT NULL DEFAULT 0,
            Last_Failure TEXT))",

        // Who came to a meeting: one row per person, service (a fixed code,
        // see attendance/Services.h), class within it (0 for a service
        // without classes) and date, with who recorded it and when.
        R"(CREATE TABLE Attendance (
            Member_ID INTEGER NOT NULL,
            Service TEXT NOT NULL,
            Class_ID INTEGER NOT NULL DEFAULT 0,
            Meeting_Date TEXT NOT NULL,
            Recorded_By TEXT,
            Recorded_At TEXT))",

        // How many were counted at a meeting, those not on the roll included.
        R"(CREATE TABLE Attendance_Headcount (
            Service TEXT NOT NULL,
            Class_ID INTEGER NOT NULL DEFAULT 0,
            Meeting_Date TEXT NOT NULL,
            Headcount INTEGER,
            Recorded_By TEXT,
            Recorded_At TEXT))",

        // Two records of one person merged into one: the identifier that
        // went, the one that stayed, who merged them and when (UTC). Kept so
        // that a later import can recognise the identifier that went.
        R"(CREATE TABLE Member_Merge (
            ID INTEGER PRIMARY KEY AUTOINCREMENT,
            Removed_Member_ID INTEGER NOT NULL,
            Kept_Member_ID INTEGER NOT NULL,
            Removed_Name TEXT,
            Merged_By TEXT,
            Merged_On TEXT))",

        // Two people the duplicate rule joins whom an administrator marked as
        // not the same person, so the list of possible duplicates leaves the
        // pair out; who marked it and when (UTC). The pair is kept in either
        // order.
        R"(CREATE TABLE Member_Not_Duplicate (
            Member_ID INTEGER NOT NULL,
            Other_Member_ID INTEGER NOT NULL,
            Marked_By TEXT,
            Marked_On TEXT))",

        // Settings of the church that belong to every workstation (the Church
        // status given to people added without one, and the like): one value
        // per name.
        R"(CREATE TABLE Church_Setting (
            Name TEXT PRIMARY KEY,
            Value TEXT))",

        // Giving. Every amount is whole cents in an integer column; a total
        // is a sum of cents.
        // The funds gifts go to, in the order the lists show them.
        R"(CREATE TABLE Fund (
            ID INTEGER PRIMARY KEY AUTOINCREMENT,
            Name TEXT NOT NULL,
            Description TEXT,
            Active INTEGER NOT NULL DEFAULT 1,
            Tax_Deductible INTEGER NOT NULL DEFAULT 1,
            Fund_Order INTEGER NOT NULL DEFAULT 0))",

        // A deposit: the gifts counted together, the total and number the
        // counters wrote on the slip, who entered it, and who closed it
        // when. A closed batch is not changed; Edited_On moves with every
        // saved change so a second workstation sees that the batch moved on.
        R"(CREATE TABLE Gift_Batch (
            ID INTEGER PRIMARY KEY AUTOINCREMENT,
            Batch_Date TEXT NOT NULL,
            Description TEXT,
            Control_Cents INTEGER NOT NULL DEFAULT 0,
            Control_Count INTEGER NOT NULL DEFAULT 0,
            Entered_By TEXT,
            Closed INTEGER NOT NULL DEFAULT 0,
            Closed_By TEXT,
            Closed_On TEXT,
            Edited_On TEXT))",

        // Every reopening of a closed batch, by whom, when and why.
        R"(CREATE TABLE Gift_Batch_Reopening (
            ID INTEGER PRIMARY KEY AUTOINCREMENT,
            Batch_ID INTEGER NOT NULL,
            Reopened_By TEXT,
            Reopened_On TEXT,
            Reason TEXT))",

        // One gift: its giver (Null for the loose offering), method and
        // check number; a gift of goods has a description and no amount;
        // Value_Returned_Cents is what the giver received for it (a dinner
        // ticket). A reversal (returned check, refund) names the gift it
        // takes back and carries negative lines.
        R"(CREATE TABLE Gift (
            ID INTEGER PRIMARY KEY AUTOINCREMENT,
            Batch_ID INTEGER NOT NULL,
            Member_ID INTEGER,
            Gift_Date TEXT NOT NULL,
            Method TEXT NOT NULL,
            Check_Number TEXT,
            Note TEXT,
            Goods_Description TEXT,
            Value_Returned_Cents INTEGER NOT NULL DEFAULT 0,
            Reverses_Gift_ID INTEGER,
            Entered_By TEXT,
            Entered_On TEXT))",

        // A gift's split over the funds.
        R"(CREATE TABLE Gift_Line (
            ID INTEGER PRIMARY KEY AUTOINCREMENT,
            Gift_ID INTEGER NOT NULL,
            Fund_ID INTEGER NOT NULL,
            Amount_Cents INTEGER NOT NULL))",

        // What a person promised to a fund over a period.
        R"(CREATE TABLE Pledge (
            ID INTEGER PRIMARY KEY AUTOINCREMENT,
            Member_ID INTEGER NOT NULL,
            Fund_ID INTEGER NOT NULL,
            Start_Date TEXT NOT NULL,
            End_Date TEXT NOT NULL,
            Amount_Cents INTEGER NOT NULL))",

        // A person's giving settings: the envelope number (unique among
        // active people) and whether the person's statement is joint with the
        // household ('Household') or their own ('Alone'). At most one row per
        // person; a person without one is 'Household' and has no envelope.
        R"(CREATE TABLE Giver (
            Member_ID INTEGER NOT NULL,
            Envelope INTEGER,
            Statement_Unit TEXT NOT NULL DEFAULT 'Household'))",

        // Rosters. A place to fill at a service (ushers at the Sunday
        // morning worship): how many people it needs and the responsibility
        // whose holders may fill it (Null: anyone may).
        R"(CREATE TABLE Roster_Position (
            ID INTEGER PRIMARY KEY AUTOINCREMENT,
            Name TEXT NOT NULL,
            Service TEXT NOT NULL,
            Needed INTEGER NOT NULL DEFAULT 1,
            Responsibility TEXT,
            Position_Order INTEGER NOT NULL DEFAULT 0,
            Active INTEGER NOT NULL DEFAULT 1))",

        // A person serving in a position on a date.
        R"(CREATE TABLE Roster_Assignment (
            ID INTEGER PRIMARY KEY AUTOINCREMENT,
            Position_ID INTEGER NOT NULL,
            Serve_Date TEXT NOT NULL,
            Member_ID INTEGER NOT NULL,
            Confirmed INTEGER NOT NULL DEFAULT 0,
            Note TEXT,
            Assigned_By TEXT,
            Assigned_On TEXT))",

        // When a person cannot serve: from one date to another (To_Date Null:
        // that day only), or repeating from From_Date until To_Date (Null: no
        // end): 'Monthly' on the same weekday of the same week of every month
        // (the first Sunday), 'Fortnightly' every other week.
        R"(CREATE TABLE Roster_Unavailable (
            ID INTEGER PRIMARY KEY AUTOINCREMENT,
            Member_ID INTEGER NOT NULL,
            From_Date TEXT NOT NULL,
            To_Date TEXT,
            Repeats TEXT NOT NULL DEFAULT '',
            Note TEXT))",

        // How often a person would serve in a position ('Weekly',
        // 'Fortnightly', 'Monthly'); without a row, as often as the fill
        // finds them. A row also offers the person for a position anyone may
        // fill.
        R"(CREATE TABLE Roster_Preference (
            Member_ID INTEGER NOT NULL,
            Position_ID INTEGER NOT NULL,
            Frequency TEXT NOT NULL DEFAULT 'Weekly'))",

        // Check-in. One row per person checked in to a meeting (service,
        // class, date) at a station: the family's security code (every child
        // checked in together shares it; no two families share one on a
        // day), when, by which account at which station, and the check-out.
        R"(CREATE TABLE Checkin (
            ID INTEGER PRIMARY KEY AUTOINCREMENT,
            Member_ID INTEGER NOT NULL,
            Service TEXT NOT NULL,
            Class_ID INTEGER NOT NULL DEFAULT 0,
            Checkin_Date TEXT NOT NULL,
            Code TEXT NOT NULL,
            Checked_In_At TEXT,
            Checked_In_By TEXT,
            Station TEXT,
            Checked_Out_At TEXT,
            Checked_Out_By TEXT))",

        // A child's care notes: an allergy or medical note printed on the
        // name label, and the people authorised to pick the child up.
        R"(CREATE TABLE Child_Care (
            Member_ID INTEGER NOT NULL,
            Allergy_Note TEXT,
            Authorised_Pickup TEXT))",

        // How a person shows in the church directory (listed, without
        // contact details, left out; no row: listed) and, on a household
        // head's row, the household's family picture in the picture folder.
        R"(CREATE TABLE Directory_Listing (
            Member_ID INTEGER NOT NULL,
            Listing TEXT NOT NULL DEFAULT 'List',
            Family_Picture TEXT))",
    };

    // The statement that creates the table, as the engine reads it.
    QString tableStatement(Database& db, const QString& table)
    {
        for (const char* statement : kTables) {
            const QString text = QString::fromUtf8(statement);
            if (text.startsWith(QStringLiteral("CREATE TABLE ") + table + QLatin1Char(' ')))
                return db.engine() == Database::Engine::PostgreSQL ? postgres::tableDefinition(text) : text;
        }
        throw DbError(Tr::tr("The schema has no table %1.").arg(table));
    }

    // User names the login cannot tell apart (letter case in any alphabet)
    // share a key; the key is stored beside the name so the file needs no
    // function of the program to be read.
    const char* const kUserNameKeyIndex = "CREATE UNIQUE INDEX User_UsernameKey ON \"User\" (Username_Key)";

    // A person is present at most once per meeting; a meeting has one
    // headcount.
    const char* const kAttendanceIndexes[] = {
        "CREATE UNIQUE INDEX Attendance_Meeting ON Attendance (Service, Class_ID, Meeting_Date, Member_ID)",
        "CREATE INDEX Attendance_Member ON Attendance (Member_ID, Meeting_Date)",
        "CREATE INDEX Attendance_Date ON Attendance (Meeting_Date, Service)",
        "CREATE UNIQUE INDEX Attendance_Headcount_Meeting ON Attendance_Headcount (Service, Class_ID, Meeting_Date)",
    };

    // The duplicate check's look-ups (people/Duplicates): a new person is
    // compared by birth date, e-mail and phones.
    const char* const kDuplicateIndexes[] = {
        "CREATE INDEX Member_BirthDate ON Member (Date_Of_Birth)",
        "CREATE INDEX Member_EmailKey ON Member (lower(Email))",
        "CREATE INDEX Member_Phone ON Member (Phone)",
        "CREATE INDEX Member_Cell ON Member (Cell)",
    };

    // A later import looks up the identifier a merge removed.
    const char* const kMergeIndex = "CREATE INDEX Merge_Removed ON Member_Merge (Removed_Member_ID)";

    // Version 6: pairs marked as not the same person, looked up from either
    // side; the start page finds the week's birthdays and anniversaries by
    // month and day.
    const char* const kVersion6Indexes[] = {
        "CREATE INDEX NotDuplicate_Member ON Member_Not_Duplicate (Member_ID, Other_Member_ID)",
        "CREATE INDEX NotDuplicate_Other ON Member_Not_Duplicate (Other_Member_ID)",
        "CREATE INDEX Member_BirthDay ON Member (substr(Date_Of_Birth, 6, 5))",
        "CREATE INDEX Member_AnniversaryDay ON Member (substr(Anniversary_Date, 6, 5))",
    };

    // Version 7: giving. A person's gifts by date, a batch's gifts, a gift's
    // lines and reversals, pledges, and the envelope look-up.
    const char* const kGivingIndexes[] = {
        "CREATE INDEX Gift_Member ON Gift (Member_ID, Gift_Date)",
        "CREATE INDEX Gift_Batch_Gifts ON Gift (Batch_ID)",
        "CREATE INDEX Gift_Date ON Gift (Gift_Date)",
        "CREATE INDEX Gift_Reverses ON Gift (Reverses_Gift_ID)",
        "CREATE INDEX Gift_Line_Gift ON Gift_Line (Gift_ID)",
        "CREATE INDEX Pledge_Member ON Pledge (Member_ID)",
        "CREATE UNIQUE INDEX Giver_Member ON Giver (Member_ID)",
        "CREATE INDEX Giver_Envelope ON Giver (Envelope)",
        "CREATE INDEX Batch_Reopening_Batch ON Gift_Batch_Reopening (Batch_ID)",
    };

    // Version 8: rosters. A period's assignments by date, a person's turns,
    // their unavailability and preferences.
    const char* const kRosterIndexes[] = {
        "CREATE INDEX Roster_Assignment_Date ON Roster_Assignment (Serve_Date, Position_ID)",
        "CREATE INDEX Roster_Assignment_Member ON Roster_Assignment (Member_ID, Serve_Date)",
        "CREATE INDEX Roster_Unavailable_Member ON Roster_Unavailable (Member_ID)",
        "CREATE UNIQUE INDEX Roster_Preference_Member ON Roster_Preference (Member_ID, Position_ID)",
    };

    // Version 9: check-in. The day's codes, a person's check-ins, a meeting's,
    // and one row of care notes per child. A station finds a family by the
    // last four digits of a phone: the expression (the same text on both
    // engines) is indexed, as no index serves a search by the end of a value.
    const char* const kCheckinIndexes[] = {
        "CREATE INDEX Checkin_Day_Code ON Checkin (Checkin_Date, Code)",
        "CREATE INDEX Checkin_Member ON Checkin (Member_ID, Checkin_Date)",
        "CREATE INDEX Checkin_Meeting ON Checkin (Checkin_Date, Service, Class_ID)",
        "CREATE UNIQUE INDEX Child_Care_Member ON Child_Care (Member_ID)",
        "CREATE INDEX Member_Phone_End ON Member (substr(Phone, length(Phone) - 3, 4))",
        "CREATE INDEX Member_Cell_End ON Member (substr(Cell, length(Cell) - 3, 4))",
    };

    // Version 10: one directory row per person.
    const char* const kDirectoryIndexes[] = {
        "CREATE UNIQUE INDEX Directory_Listing_Member ON Directory_Listing (Member_ID)",
    };

    // Indexes for the searches, lists and joins that run on every screen.
    const char* const kIndexes[] = {
        "CREATE INDEX Member_Name ON Member (Last_Name, First_Name, Middle_Name)",
        "CREATE INDEX Member_Status ON Member (Status)",
        "CREATE INDEX Member_ChurchStatus ON Member (Member_Active_Status)",
        "CREATE INDEX Member_ProspectStatus ON Member (Prospect_Active_Status)",
        "CREATE INDEX Member_ProspectPhase ON Member (Prospect_Phase)",
        "CREATE INDEX Member_NextContact ON Member (Prospect_Next_Contact_Date)",
        "CREATE INDEX Member_Deacon ON Member (DeaconID)",
        "CREATE INDEX Member_SSClass ON Member (Sunday_School_Class)",
        "CREATE INDEX Member_CareGroup ON Member (Care_Group_Assigned)",
        "CREATE INDEX Family_Member ON Family_Connection (Member_ID)",
        "CREATE INDEX Family_Relative ON Family_Connection (Relative_Member_ID)",
        "CREATE INDEX Responsibility_Member ON Member_Responsibility (Member_ID)",
        "CREATE INDEX Responsibility_Name ON Member_Responsibility (Responsibility)",
        "CREATE INDEX Contact_Prospect ON Prospect_Contact (Prospect_ID, Contact_Date)",
        "CREATE INDEX Contact_Visitor1 ON Prospect_Contact (Visitor1)",
        "CREATE INDEX User_Member ON \"User\" (Member_ID)",
        "CREATE INDEX User_Username ON \"User\" (Username)",
        kUserNameKeyIndex,
        "CREATE INDEX UserPermission_Member ON UserPermission (MemberID, PermissionID)",
        kAttendanceIndexes[0],
        kAttendanceIndexes[1],
        kAttendanceIndexes[2],
        kAttendanceIndexes[3],
        kDuplicateIndexes[0],
        kDuplicateIndexes[1],
        kDuplicateIndexes[2],
        kDuplicateIndexes[3],
        kMergeIndex,
        kVersion6Indexes[0],
        kVersion6Indexes[1],
        kVersion6Indexes[2],
        kVersion6Indexes[3],
        kGivingIndexes[0],
        kGivingIndexes[1],
        kGivingIndexes[2],
        kGivingIndexes[3],
        kGivingIndexes[4],
        kGivingIndexes[5],
        kGivingIndexes[6],
        kGivingIndexes[7],
        kGivingIndexes[8],
        kRosterIndexes[0],
        kRosterIndexes[1],
        kRosterIndexes[2],
        kRosterIndexes[3],
        kCheckinIndexes[0],
        kCheckinIndexes[1],
        kCheckinIndexes[2],
        kCheckinIndexes[3],
        kCheckinIndexes[4],
        kCheckinIndexes[5],
        kDirectoryIndexes[0],
    };

    // Version 2: user names must differ in more than letter case. Accounts
    // that already share a name keep working (the login tries each one's
    // password); all but one of each group stay without a key until an
    // administrator renames them, and the user entry screen lists them.
    void addUserNameKeys(Database& db)
    {
        db.exec(QStringLiteral("ALTER TABLE \"User\" ADD COLUMN Username_Key TEXT"));
        const QVector<QStringList> shared = Users::fillNameKeys(db);
        db.exec(QString::fromUtf8(kUserNameKeyIndex));
        for (const QStringList& group : shared)
            qWarning("pewlark: %s: these accounts share one user name; give each a name of its own on the user "
                     "entry screen: %s",
                qPrintable(db.path()), qPrintable(group.join(QStringLiteral(", "))));
    }

    // Version 3: failed logins are counted in the database.
    void addLoginFailures(Database& db) { db.exec(tableStatement(db, QStringLiteral("Login_Failure"))); }

    // Version 4: attendance at the services and classes, and headcounts.
    void addAttendance(Database& db)
    {
        db.exec(tableStatement(db, QStringLiteral("Attendance")));
        db.exec(tableStatement(db, QStringLiteral("Attendance_Headcount")));
        for (const char* statement : kAttendanceIndexes)
            db.exec(QString::fromUtf8(statement));
    }

    // Version 5: merges of two records of one person are recorded, and the
    // duplicate check gets its look-ups. A file that already has one of
    // those indexes (made by this version and set back) keeps it.
    void addMemberMerges(Database& db)
    {
        db.exec(tableStatement(db, QStringLiteral("Member_Merge")));
        db.exec(QString::fromUtf8(kMergeIndex));
        for (const char* statement : kDuplicateIndexes)
            db.exec(QString::fromUtf8(statement).replace(
                QLatin1String("CREATE INDEX "), QLatin1String("CREATE INDEX IF NOT EXISTS ")));
    }

    // Version 6: pairs marked as not the same person, the church's shared
    // settings, and the look-ups by month and day.
    void addNotDuplicatesAndSettings(Database& db)
    {
        db.exec(tableStatement(db, QStringLiteral("Member_Not_Duplicate")));
        db.exec(tableStatement(db, QStringLiteral("Church_Setting")));
        // A file set back from this version keeps the indexes on Member.
        for (const char* statement : kVersion6Indexes)
            db.exec(QString::fromUtf8(statement).replace(
                QLatin1String("CREATE INDEX "), QLatin1String("CREATE INDEX IF NOT EXISTS ")));
    }

    // The two permissions of giving, after the sixteen older ones.
    constexpr int kGivingPermissions = 2;

    // Version 7: giving (funds, batches, gifts and their lines, pledges,
    // envelopes), and its two permissions, granted to every Admin account.
    // A file set back from this version keeps what it has.
    void addGiving(Database& db)
    {
        for (const char* table :
            { "Fund", "Gift_Batch", "Gift_Batch_Reopening", "Gift", "Gift_Line", "Pledge", "Giver" })
            db.exec(tableStatement(db, QString::fromLatin1(table))
                        .replace(QLatin1String("CREATE TABLE "), QLatin1String("CREATE TABLE IF NOT EXISTS ")));
        for (const char* statement : kGivingIndexes)
            db.exec(QString::fromUtf8(statement)
                        .replace(QLatin1String("CREATE INDEX "), QLatin1String("CREATE INDEX IF NOT EXISTS "))
                        .replace(QLatin1String("CREATE UNIQUE INDEX "),
                            QLatin1String("CREATE UNIQUE INDEX IF NOT EXISTS ")));
        const QStringList names = permissionNames().mid(permissionNames().size() - kGivingPermissions);
        for (const QString& name : names) {
            // The condition stands outside the aggregate: MAX over no rows
            // still gives a row, which would add the name a second time.
            db.exec(QStringLiteral("INSERT INTO Permission (ID, Name) SELECT t.Highest + 1, ? FROM (SELECT "
                                   "COALESCE(MAX(ID), 0) AS Highest FROM Permission) AS t WHERE NOT EXISTS (SELECT 1 "
                                   "FROM Permission WHERE Name = ?)"),
                { name, name });
            db.exec(QStringLiteral("INSERT INTO UserPermission (MemberID, PermissionID) SELECT u.Member_ID, p.ID "
                                   "FROM \"User\" AS u, Permission AS p WHERE u.Type = 'Admin' AND p.Name = ? AND "
                                   "NOT EXISTS (SELECT 1 FROM UserPermission AS g WHERE g.MemberID = u.Member_ID "
                                   "AND g.PermissionID = p.ID)"),
                { name });
        }
    }

    // Version 8: rosters (positions, assignments, unavailability,
    // preferences). A file set back from this version keeps what it has.
    void addRosters(Database& db)
    {
        for (const char* table : { "Roster_Position", "Roster_Assignment", "Roster_Unavailable", "Roster_Preference" })
            db.exec(tableStatement(db, QString::fromLatin1(table))
                        .replace(QLatin1String("CREATE TABLE "), QLatin1String("CREATE TABLE IF NOT EXISTS ")));
        for (const char* statement : kRosterIndexes)
            db.exec(QString::fromUtf8(statement)
                        .replace(QLatin1String("CREATE INDEX "), QLatin1String("CREATE INDEX IF NOT EXISTS "))
                        .replace(QLatin1String("CREATE UNIQUE INDEX "),
                            QLatin1String("CREATE UNIQUE INDEX IF NOT EXISTS ")));
    }

    // Version 9: check-in and children's care notes. A file set back from
    // this version keeps what it has.
    void addCheckin(Database& db)
    {
        for (const char* table : { "Checkin", "Child_Care" })
            db.exec(tableStatement(db, QString::fromLatin1(table))
                        .replace(QLatin1String("CREATE TABLE "), QLatin1String("CREATE TABLE IF NOT EXISTS ")));
        for (const char* statement : kCheckinIndexes)
            db.exec(QString::fromUtf8(statement)
                        .replace(QLatin1String("CREATE INDEX "), QLatin1String("CREATE INDEX IF NOT EXISTS "))
                        .replace(QLatin1String("CREATE UNIQUE INDEX "),
                            QLatin1String("CREATE UNIQUE INDEX IF NOT EXISTS ")));
    }

    // Version 10: the church directory's listings and family pictures. A
    // file set back from this version keeps what it has.
    void addDirectory(Database& db)
    {
        db.exec(tableStatement(db, QStringLiteral("Directory_Listing"))
                    .replace(QLatin1String("CREATE TABLE "), QLatin1String("CREATE TABLE IF NOT EXISTS ")));
        for (const char* statement : kDirectoryIndexes)
            db.exec(QString::fromUtf8(statement).replace(
                QLatin1String("CREATE UNIQUE INDEX "), QLatin1String("CREATE UNIQUE INDEX IF NOT EXISTS ")));
    }

    // Each entry upgrades a file from version (index + 1) to the next.
    using Upgrade = void (*)(Database&);
    const Upgrade kUpgrades[] = { &addUserNameKeys, &addLoginFailures, &addAttendance, &addMemberMerges,
        &addNotDuplicatesAndSettings, &addGiving, &addRosters, &addCheckin, &addDirectory };

} // namespace

const QStringList& permissionNames()
{
    static const QStringList names = {
        QStringLiteral(QT_TRANSLATE_NOOP("Permissions", "Member View")),
        QStringLiteral(QT_TRANSLATE_NOOP("Permissions", "Member Entry/Edit")),
        QStringLiteral(QT_TRANSLATE_NOOP("Permissions", "Prospect Contact Entry/Edit")),
        QStringLiteral(QT_TRANSLATE_NOOP("Permissions", "Sunday School Class Entry/Edit")),
        QStringLiteral(QT_TRANSLATE_NOOP("Permissions", "Discipleship Training Class Entry/Edit")),
        QStringLiteral(QT_TRANSLATE_NOOP("Permissions", "Wednesday Night Class Entry/Edit")),
        QStringLiteral(QT_TRANSLATE_NOOP("Permissions", "Care Group Entry/Edit")),
        QStringLiteral(QT_TRANSLATE_NOOP("Permissions", "Church Responsibility Entry/Edit")),
        QStringLiteral(QT_TRANSLATE_NOOP("Permissions", "Outreach Phase Entry/Edit")),
        QStringLiteral(QT_TRANSLATE_NOOP("Permissions", "User Permissions")),
        QStringLiteral(QT_TRANSLATE_NOOP("Permissions", "Church Info")),
        QStringLiteral(QT_TRANSLATE_NOOP("Permissions", "Member Information Update Report")),
        QStringLiteral(QT_TRANSLATE_NOOP("Permissions", "Prospect Visitation Sheet Report")),
        QStringLiteral(QT_TRANSLATE_NOOP("Permissions", "Member Navigator Report")),
        QStringLiteral(QT_TRANSLATE_NOOP("Permissions", "Prospect Navigator Report")),
        QStringLiteral(QT_TRANSLATE_NOOP("Permissions", "Mailing Labels Report")),
        QStringLiteral(QT_TRANSLATE_NOOP("Permissions", "Giving Entry/Edit")),
        QStringLiteral(QT_TRANSLATE_NOOP("Permissions", "Giving View")),
    };
    return names;
}

namespace {
    // How a message starts naming the database: a file by the word given and
    // its path, a server database by its name and server.
    QString named(const Database& db, const QString& fileWord)
    {
        if (db.engine() == Database::Engine::PostgreSQL) {
            const QString display = db.displayName();
            return display.at(0).toUpper() + display.mid(1);
        }
        return QStringLiteral("%1 \"%2\"").arg(fileWord, db.shownPath());
    }
} // namespace

void create(Database& db)
{
    Transaction tx(db);
    const bool server = db.engine() == Database::Engine::PostgreSQL;
    for (const QString& table : tableNames())
        db.exec(tableStatement(db, table));
    if (server)
        postgres::createSupport(db);
    for (const char* statement : kIndexes)
        db.exec(QString::fromUtf8(statement));
    db.exec(QStringLiteral("INSERT INTO Schema_Version (Version) VALUES (?)"), { kCurrentVersion });
    seed::insertSeedValues(db);
    tx.commit();
}

const QStringList& tableNames()
{
    static const QStringList names = [] {
        QStringList out;
        for (const char* statement : kTables) {
            const QString text = QString::fromUtf8(statement).simplified();
            const QString rest = text.mid(QStringLiteral("CREATE TABLE ").size());
            out.append(rest.left(rest.indexOf(QLatin1Char(' '))));
        }
        return out;
    }();
    return names;
}

namespace {

    struct TableColumns {
        QStringList names;
        QString identifier;
    };

    // The column definitions of every table, read from the statements that
    // create them.
    const QHash<QString, TableColumns>& definedColumns()
    {
        static const QHash<QString, TableColumns> columns = [] {
            QHash<QString, TableColumns> out;
            int index = 0;
            for (const char* statement : kTables) {
                const QString text = QString::fromUtf8(statement).simplified();
                const int open = int(text.indexOf(QLatin1Char('(')));
                const int close = int(text.lastIndexOf(QLatin1Char(')')));
                TableColumns table;
                int depth = 0;
                int start = open + 1;
                for (int i = open + 1; i <= close; ++i) {
                    const QChar c = text.at(i);
                    if (c == QLatin1Char('('))
                        ++depth;
                    else if (c == QLatin1Char(')') && i < close)
                        --depth;
                    if ((c == QLatin1Char(',') && depth == 0) || i == close) {
                        const QString part = text.mid(start, i - start).trimmed();
                        start = i + 1;
                        const QString name = part.section(QLatin1Char(' '), 0, 0);
                        static const QStringList constraints = { QStringLiteral("PRIMARY"), QStringLiteral("UNIQUE"),
                            QStringLiteral("FOREIGN"), QStringLiteral("CHECK"), QStringLiteral("CONSTRAINT") };
                        if (name.isEmpty() || constraints.contains(name, Qt::CaseInsensitive))
                            continue;
                        table.names.append(name);
                        if (part.contains(QLatin1String("AUTOINCREMENT")))
                            table.identifier = name;
                    }
                }
                out.insert(tableNames().at(index++), table);
            }
            return out;
        }();
        return columns;
    }

} // namespace

QStringList columnNames(const QString& table) { return definedColumns().value(table).names; }

QString identifierColumn(const QString& table) { return definedColumns().value(table).identifier; }

const QVector<ColumnRef>& personColumns()
{
    static const QVector<ColumnRef> columns = [] {
        static const QStringList personNames
            = { QStringLiteral("Member_ID"), QStringLiteral("MemberID"), QStringLiteral("Relative_Member_ID"),
                  QStringLiteral("Prospect_ID"), QStringLiteral("Visitor1"), QStringLiteral("Visitor2"),
                  QStringLiteral("Teacher"), QStringLiteral("Asst_Teacher"), QStringLiteral("Group_Leader"),
                  QStringLiteral("Asst_Group_Leader"), QStringLiteral("DeaconID"), QStringLiteral("Other_Member_ID") };
        QVector<ColumnRef> out;
        for (const QString& table : tableNames()) {
            for (const QString& column : columnNames(table)) {
                if (personNames.contains(column))
                    out.append({ table, column });
            }
        }
        return out;
    }();
    return columns;
}

int version(Database& db)
{
    const QVariant v = db.scalar(QStringLiteral("SELECT MAX(Version) FROM Schema_Version"));
    return v.isNull() ? 0 : v.toInt();
}

QStringList missingParts(Database& db)
{
    // The catalogue's tables and columns, compared without regard to letter
    // case: a server folds unquoted names to lower case.
    const QString catalogue = db.engine() == Database::Engine::PostgreSQL
        ? QStringLiteral("SELECT table_name, column_name FROM information_schema.columns WHERE table_schema = "
                         "current_schema()")
        : QStringLiteral("SELECT m.name, p.name FROM sqlite_master AS m, pragma_table_info(m.name) AS p WHERE "
                         "m.type = 'table'");
    QSet<QString> tables;
    QSet<QString> columns;
    db.forEach(catalogue, {}, [&](const QSqlQuery& q) {
        const QString table = q.value(0).toString().toLower();
        tables.insert(table);
        columns.insert(table + QLatin1Char('.') + q.value(1).toString().toLower());
    });
    const auto plain = [](QString name) { return name.remove(QLatin1Char('"')); };
    QStringList missing;
    for (const QString& quoted : tableNames()) {
        const QString table = plain(quoted);
        if (!tables.contains(table.toLower())) {
            missing.append(QStringLiteral("table ") + table);
            continue;
        }
        for (const QString& column : columnNames(quoted)) {
            const QString name = table + QLatin1Char('.') + plain(column);
            if (!columns.contains(name.toLower()))
                missing.append(QStringLiteral("column ") + name);
        }
    }
    return missing;
}

namespace {

    // What an incomplete file lacks, in one sentence: "the table Member and
    // the columns User.Password, Church.Name".
    QString lacking(const QStringList& missing)
    {
        constexpr int kShown = 12;
        QStringList tables;
        QStringList columns;
        for (const QString& part : missing.mid(0, kShown)) {
            const QString name = part.section(QLatin1Char(' '), 1);
            (part.startsWith(QLatin1String("table")) ? tables : columns).append(name);
        }
        QStringList parts;
        if (!tables.isEmpty())
            parts.append((tables.size() == 1 ? Tr::tr("the table %1") : Tr::tr("the tables %1"))
                             .arg(tables.join(QStringLiteral(", "))));
        if (!columns.isEmpty())
            parts.append((columns.size() == 1 ? Tr::tr("the column %1") : Tr::tr("the columns %1"))
                             .arg(columns.join(QStringLiteral(", "))));
        QString text = parts.join(Tr::tr(" and "));
        if (missing.size() > kShown)
            text += Tr::tr(" (and %1 more)").arg(missing.size() - kShown);
        return text;
    }

    // Raised for a file that is not whole; kept apart from the engine's own
    // failures while an upgrade is undone.
    class Incomplete : public DbError {
    public:
        Incomplete(const Database& db, const QStringList& missing, const QString& detail = QString())
            : DbError(Kind::Damaged,
                Tr::tr("%1 is not a whole Pewlark database: it lacks %2. It may be an unfinished or damaged "
                       "copy.")
                    .arg(named(db, Tr::tr("The file")), lacking(missing)),
                detail)
        {
            // A file's message names it already; a server's names the server.
            if (db.engine() == Database::Engine::SQLite)
                setFinal();
        }
    };

    void requireComplete(Database& db)
    {
        const QStringList missing = missingParts(db);
        if (!missing.isEmpty())
            throw Incomplete(db, missing);
    }

} // namespace

int checkVersion(Database& db)
{
    // Any read fails here when the file is not an SQLite database at all.
    const QString versionTable = QStringLiteral("Schema_Version");
    const bool hasVersionTable = db.engine() == Database::Engine::PostgreSQL
        ? postgres::hasTable(db, versionTable)
        : db.exists(
            QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name = ?"), { versionTable });
    if (!hasVersionTable)
        throw DbError(Tr::tr("%1 is not a Pewlark database.").arg(named(db, Tr::tr("The file"))));

    const int found = version(db);
    if (found < 1)
        throw DbError(
            Tr::tr("%1 is not a Pewlark database: it has no schema version.").arg(named(db, Tr::tr("The file"))));
    if (found > kCurrentVersion)
        throw DbError(Tr::tr("%1 was written by a newer Pewlark (schema version %2); this "
                             "program reads schema versions up to %3. Install the newer Pewlark to open it.")
                          .arg(named(db, Tr::tr("The database")))
                          .arg(found)
                          .arg(kCurrentVersion));
    return found;
}

namespace {
    std::function<void(Database&)>& beforeUpgrade()
    {
        static std::function<void(Database&)> f;
        return f;
    }
} // namespace

BeforeUpgrade::BeforeUpgrade(std::function<void(Database&)> f)
    : m_previous(std::exchange(beforeUpgrade(), std::move(f)))
{
}

BeforeUpgrade::~BeforeUpgrade() { beforeUpgrade() = std::move(m_previous); }

int checkReadOnly(Database& db)
{
    const int found = checkVersion(db);
    if (found == kCurrentVersion)
        requireComplete(db);
    return found;
}

void checkAndUpgrade(Database& db)
{
    const int found = checkVersion(db);
    if (found == kCurrentVersion) {
        requireComplete(db);
        return;
    }
    // A copy: the function may put another in its place while it runs.
    if (const std::function<void(Database&)> keep = beforeUpgrade())
        keep(db);
    try {
        Transaction tx(db);
        for (int v = found; v < kCurrentVersion; ++v) {
            if (Upgrade step = kUpgrades[v - 1])
                step(db);
        }
        requireComplete(db);
        db.exec(QStringLiteral("UPDATE Schema_Version SET Version = ?"), { kCurrentVersion });
        tx.commit();
    } catch (const Incomplete&) {
        throw;
    } catch (const DbError& e) {
        // A step that failed on a part the file lacks: the file, as it was
        // before the undone upgrade, names what is missing.
        const QStringList missing = missingParts(db);
        if (missing.isEmpty())
            throw;
        throw Incomplete(db, missing, e.detail().isEmpty() ? e.text() : e.detail());
    }
}

} // namespace pw::schema
