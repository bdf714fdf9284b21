// The church's own lists: its row, the outreach phases, the responsibilities
// a member can hold, the classes of each kind by age and the care groups.
// Teachers and leaders are named later, once the people are written.

#include "demo/DemoChurch.h"

#include "data/Sql.h"

#include <QCoreApplication>
#include <QHash>
#include <QSqlQuery>
#include <algorithm>
#include <cmath>

namespace {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(ChurchLists)
};
} // namespace

namespace pw::demo::detail {

namespace {

    const std::vector<Band> kSundaySchoolBands = {
        { "Nursery", 0, 1, "Birth to age 1", "Children's Building" },
        { "Toddlers", 2, 3, "Ages 2 and 3", "Children's Building" },
        { "Preschool", 4, 5, "Ages 4 and 5", "Children's Building" },
        { "First Grade", 6, 6, "Age 6", "Children's Building" },
        { "Second Grade", 7, 7, "Age 7", "Children's Building" },
        { "Third Grade", 8, 8, "Age 8", "Children's Building" },
        { "Fourth Grade", 9, 9, "Age 9", "Children's Building" },
        { "Fifth Grade", 10, 10, "Age 10", "Children's Building" },
        { "Sixth Grade", 11, 11, "Age 11", "Children's Building" },
        { "Middle School", 12, 13, "Grades 7 and 8", "Family Life Center" },
        { "High School", 14, 17, "Grades 9 to 12", "Family Life Center" },
        { "College and Career", 18, 22, "Ages 18 to 22", "Family Life Center" },
        { "Young Adults", 23, 34, "Ages 23 to 34", "Education Building" },
        { "Adults", 35, 49, "Ages 35 to 49", "Education Building" },
        { "Median Adults", 50, 64, "Ages 50 to 64", "Education Building" },
        { "Senior Adults", 65, 200, "Ages 65 and up", "Education Building" },
    };

    const std::vector<Band> kDiscipleshipBands = {
        { "Children's Discipleship", 6, 11, "Grades 1 to 6", "Children's Building" },
        { "Youth Discipleship", 12, 17, "Grades 7 to 12", "Family Life Center" },
        { "Young Adult Discipleship", 18, 34, "Ages 18 to 34", "Education Building" },
        { "Adult Discipleship", 35, 64, "Ages 35 to 64", "Education Building" },
        { "Senior Adult Discipleship", 65, 200, "Ages 65 and up", "Chapel" },
    };

    const std::vector<Band> kWednesdayBands = {
        { "Mission Friends", 3, 5, "Preschool missions", "Children's Building" },
        { "Children's Choir", 6, 11, "Grades 1 to 6", "Choir Room" },
        { "Youth Group", 12, 17, "Grades 7 to 12", "Family Life Center" },
        { "Adult Bible Study", 18, 64, "Ages 18 to 64", "Fellowship Hall" },
        { "Senior Prayer Meeting", 65, 200, "Ages 65 and up", "Chapel" },
    };

    const std::vector<Role> kRoles = {
        { "Usher", "Seats worshipers and receives the offering", false, 16, 85, 10 },
        { "Greeter", "Welcomes people at the doors", false, 14, 90, 12 },
        { "Choir", "Sings in the worship choir", false, 12, 90, 14 },
        { "Nursery Worker", "Cares for babies during services", false, 16, 75, 8 },
        { "Sound Technician", "Runs sound and projection", false, 14, 70, 3 },
        { "Youth Worker", "Helps with the youth program", false, 21, 55, 5 },
        { "Food Pantry Volunteer", "Serves at the community food pantry", false, 14, 85, 7 },
        { "Vacation Bible School", "Helps with summer Bible school", true, 14, 80, 8 },
        { "Finance Committee", "Prepares the budget and reviews giving", true, 25, 85, 3 },
        { "Missions Committee", "Plans mission giving and trips", true, 25, 85, 3 },
        { "Trustee", "Looks after church property", true, 30, 85, 2 },
        { "Treasurer", "Keeps the church's accounts", true, 0, 0, 0 },
        { "Church Clerk", "Keeps the minutes and the membership roll", true, 0, 0, 0 },
        { "Church Secretary", "Runs the church office", false, 0, 0, 0 },
        { "Pianist", "Plays piano for worship", false, 0, 0, 0 },
        { "Organist", "Plays organ for worship", false, 0, 0, 0 },
        { "Sunday School Teacher", "Teaches a Sunday school class", false, 0, 0, 0 },
        { "Sunday School Assistant", "Helps teach a Sunday school class", false, 0, 0, 0 },
        { "Discipleship Training Leader", "Leads a discipleship training class", false, 0, 0, 0 },
        { "Wednesday Night Leader", "Leads a Wednesday night class", false, 0, 0, 0 },
        { "Care Group Leader", "Leads a care group", false, 0, 0, 0 },
        { "Outreach Team", "Visits prospects and guests", false, 0, 0, 0 },
    };

    void insertChurch(Church& ch)
    {
        ch.db.exec(QStringLiteral("INSERT INTO Church (Name, Address1, Address2, City, State, Zip, Phone, Fax, Email, "
                                  "Website, KeyPressDelay) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            { QStringLiteral("Grace Fellowship Church"), QStringLiteral("1450 Hillsboro Road"), sql::text({}),
                QStringLiteral("Franklin"), QStringLiteral("TN"), QStringLiteral("37064"), QStringLiteral("6157940142"),
                QStringLiteral("6157940143"), QStringLiteral("office@gracefellowshipfranklin.org"),
                QStringLiteral("www.gracefellowshipfranklin.org"), 1.5 });
    }

    void insertResponsibilities(Church& ch)
    {
        for (const Role& role : kRoles) {
            ch.db.exec(QStringLiteral("INSERT INTO Responsibilities (Name, Description) VALUES (?, ?)"),
                { utf8(role.name), utf8(role.description) });
            if (role.volunteerWeight > 0) {
                ch.volunteerRoles.push_back(&role);
                ch.volunteerWeights.push_back(role.volunteerWeight);
                ch.volunteerTotal += role.volunteerWeight;
            }
        }
    }

    // Spreads `total` classes over the age bands in proportion to the
    // people of each age, at least one class per band.
    ClassSet insertClasses(Church& ch, const QString& table, const std::vector<Band>& bands,
        const std::vector<PlanHousehold>& plan, int total)
    {
        std::vector<int> counts(bands.size(), 0);
        int inBands = 0;
        for (const PlanHousehold& h : plan) {
            for (const PlanPerson& p : h.people) {
                const int band = bandOf(bands, ageOn(p.birth, ch.today));
                if (band >= 0) {
                    ++counts[std::size_t(band)];
                    ++inBands;
                }
            }
        }
        ClassSet set;
        set.bands = bands;
        set.byBand.resize(bands.size());
        const QString sql = QStringLiteral("INSERT INTO %1 (Name, Description, Teacher, Asst_Teacher, Location, "
                                           "Notes) VALUES (?, ?, ?, ?, ?, ?)")
                                .arg(table)
            + sql::returningId();
        QHash<QString, int> roomsUsed;
        for (std::size_t b = 0; b < bands.size(); ++b) {
            const int classes = std::max(1, int(std::lround(double(total) * counts[b] / std::max(1, inBands))));
            for (int i = 0; i < classes; ++i) {
                const QString building = utf8(bands[b].building);
                const int room = 100 + roomsUsed[building]++;
                QString name = utf8(bands[b].name);
                if (classes > 1)
                    name += QStringLiteral(" %1").arg(i + 1);
                const qint64 id = ch.db.insert(sql,
                    { name, utf8(bands[b].description), QVariant(), QVariant(),
                        QStringLiteral("%1, Room %2").arg(building).arg(room), utf8(ch.rnd.pick(data::classNotes())) });
                set.byBand[b].push_back(id);
                set.all.emplace_back(id, int(b));
            }
        }
        return set;
    }

    // Care groups belong to the adult Sunday school classes; their leaders
    // are named once their members have been written.
    void insertCareGroups(Church& ch, int count)
    {
        std::vector<qint64> adultClasses;
        for (const auto& [id, band] : ch.sundaySchool.all) {
            if (kSundaySchoolBands[std::size_t(band)].minAge >= 18)
                adultClasses.push_back(id);
        }
        for (int i = 0; i < count; ++i) {
            const qint64 id = ch.db.insert(QStringLiteral("INSERT INTO Care_Group (Group_Leader, Asst_Group_Leader, "
                                                          "Sunday_School_Class, Notes) VALUES (?, ?, ?, ?)")
                    + sql::returningId(),
                { QVariant(), QVariant(), ch.rnd.pick(adultClasses), utf8(ch.rnd.pick(data::careGroupNotes())) });
            ch.careGroups.push_back(id);
        }
        ch.careGroupAdults.assign(ch.careGroups.size(), { 0, 0 });
    }

} // namespace

void readPhases(Church& ch)
{
    QSqlQuery q
        = ch.db.exec(QStringLiteral("SELECT Phase, Action, TimePeriod FROM Outreach_Phase ORDER BY PhaseOrder"));
    while (q.next())
        ch.phases.push_back({ q.value(0).toString(), q.value(1).toString(), std::max(1, q.value(2).toInt()) });
    if (ch.phases.empty())
        throw DbError(Tr::tr("The new database has no outreach phases."));
}

void insertChurchLists(Church& ch, const std::vector<PlanHousehold>& plan)
{
    insertChurch(ch);
    insertResponsibilities(ch);
    ch.sundaySchool = insertClasses(
        ch, QStringLiteral("Sunday_School"), kSundaySchoolBands, plan, std::max(12, ch.options.people / 60));
    ch.discipleship = insertClasses(
        ch, QStringLiteral("Discipleship_Training"), kDiscipleshipBands, plan, std::max(6, ch.options.people / 150));
    ch.wednesday = insertClasses(
        ch, QStringLiteral("Wednesday_Night"), kWednesdayBands, plan, std::max(6, ch.options.people / 150));
    insertCareGroups(ch, std::max(6, ch.options.people / 40));
}

qint64 classFor(Church& ch, const ClassSet& set, int age)
{
    const int band = bandOf(set.bands, age);
    if (band < 0)
        return 0;
    return ch.rnd.pick(set.byBand[std::size_t(band)]);
}

} // namespace pw::demo::detail
