#include "data/Seed.h"

#include "data/Database.h"
#include "data/Schema.h"

namespace pw::seed {

namespace {

    void fill(Database& db, const QString& table, const QString& column, const QStringList& values)
    {
        const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (?)").arg(table, column);
        for (const QString& value : values)
            db.exec(sql, { value });
    }

} // namespace

const QStringList& memberStatuses()
{
    static const QStringList v = { "Member", "Child Of Member", "Prospect", "Visitor", "Non-Member Staff" };
    return v;
}

const QStringList& churchStatuses()
{
    static const QStringList v = { "Active", "Inactive", "Homebound", "Moved Away", "Deceased" };
    return v;
}

const QStringList& prospectStatuses()
{
    static const QStringList v = { "Active", "Inactive", "Joined", "Not Interested" };
    return v;
}

const QStringList& titles()
{
    static const QStringList v = { "Mr.", "Mrs.", "Ms.", "Miss", "Dr.", "Rev.", "Bro.", "Sis." };
    return v;
}

const QStringList& states()
{
    static const QStringList v
        = { "AK", "AL", "AR", "AZ", "CA", "CO", "CT", "DC", "DE", "FL", "GA", "HI", "IA", "ID", "IL", "IN", "KS", "KY",
              "LA", "MA", "MD", "ME", "MI", "MN", "MO", "MS", "MT", "NC", "ND", "NE", "NH", "NJ", "NM", "NV", "NY",
              "OH", "OK", "OR", "PA", "PR", "RI", "SC", "SD", "TN", "TX", "UT", "VA", "VT", "WA", "WI", "WV", "WY" };
    return v;
}

const QStringList& attendanceLevels()
{
    static const QStringList v = { "Every Week", "Most Weeks", "Monthly", "Occasionally", "Rarely", "Never" };
    return v;
}

const QStringList& relationships()
{
    static const QStringList v
        = { "Wife", "Husband", "Son", "Daughter", "Father", "Mother", "Brother", "Sister", "Grandson", "Granddaughter",
              "Grandfather", "Grandmother", "Stepson", "Stepdaughter", "Nephew", "Niece", "Other" };
    return v;
}

const QStringList& prospectActions()
{
    static const QStringList v = { "Home Visit", "Phone Call", "Letter", "Card", "E-mail", "Pastor Visit" };
    return v;
}

const QStringList& contactRatings()
{
    static const QStringList v = { "Very Interested", "Interested", "Undecided", "Not Interested", "Not At Home" };
    return v;
}

const QList<Phase>& outreachPhases()
{
    static const QList<Phase> v = {
        { 1, "First Visit", "Home Visit", 1 },
        { 2, "Welcome Letter", "Letter", 1 },
        { 3, "Follow-Up Call", "Phone Call", 2 },
        { 4, "Pastor Visit", "Pastor Visit", 4 },
        { 5, "Class Invitation", "Card", 4 },
    };
    return v;
}

void insertSeedValues(Database& db)
{
    const QStringList& names = schema::permissionNames();
    for (int i = 0; i < names.size(); ++i)
        db.exec(QStringLiteral("INSERT INTO Permission (ID, Name) VALUES (?, ?)"), { i + 1, names.at(i) });

    fill(db, QStringLiteral("UserType"), QStringLiteral("Name"), { QStringLiteral("Admin"), QStringLiteral("User") });
    fill(db, QStringLiteral("MemberStatus"), QStringLiteral("Status"), memberStatuses());
    fill(db, QStringLiteral("ChurchStatus"), QStringLiteral("Status"), churchStatuses());
    fill(db, QStringLiteral("ProspectStatus"), QStringLiteral("Status"), prospectStatuses());
    fill(db, QStringLiteral("Titles"), QStringLiteral("Title"), titles());
    fill(db, QStringLiteral("State"), QStringLiteral("State"), states());
    fill(db, QStringLiteral("AttendanceLevels"), QStringLiteral("Levels"), attendanceLevels());
    fill(db, QStringLiteral("Relationships"), QStringLiteral("Relationships"), relationships());
    fill(db, QStringLiteral("Prospect_Action"), QStringLiteral("Action"), prospectActions());
    fill(db, QStringLiteral("Prospect_Contact_Rating"), QStringLiteral("Rating"), contactRatings());

    for (const Phase& p : outreachPhases())
        db.exec(
            QStringLiteral("INSERT INTO Outreach_Phase (PhaseOrder, Phase, Action, TimePeriod) VALUES (?, ?, ?, ?)"),
            { p.order, p.name, p.action, p.weeks });

    db.exec(QStringLiteral("INSERT INTO Responsibilities (Name, Description) VALUES (?, ?)"),
        { QStringLiteral("Deacon"), QStringLiteral("Serves the congregation and its families") });
}

} // namespace pw::seed
