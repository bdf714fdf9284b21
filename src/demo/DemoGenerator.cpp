#include "demo/DemoGenerator.h"

#include "data/Database.h"
#include "data/Members.h"
#include "data/NewDatabaseFile.h"
#include "data/Passwords.h"
#include "data/Sql.h"
#include "demo/DemoData.h"
#include "demo/DemoDuplicates.h"
#include "demo/DemoPlan.h"

#include <QDateTime>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <array>
#include <cmath>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace pw::demo {

namespace {

    using namespace detail;

    QString utf8(const char* text) { return QString::fromUtf8(text); }

    // ---------------------------------------------------------------- statements

    // ---------------------------------------------------------------- fixed church data

    const QString kAdded = QStringLiteral("admin");
    const QDate kForever(2099, 12, 31);

    // Attendance levels as seeded, from most to least often.
    const std::array<const char*, 6> kLevels
        = { "Every Week", "Most Weeks", "Monthly", "Occasionally", "Rarely", "Never" };
    constexpr int kNever = 5;

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

    struct Role {
        const char* name;
        const char* description;
        bool yearly; // held for the church year, not open-ended
        int minAge;
        int maxAge;
        int volunteerWeight; // 0: given out by the generator, not picked at random
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

    // A handful of households always carry names that trip up careless code,
    // however small the church.
    struct Sprinkle {
        const char* lastName;
        const char* headFirstName; // empty: picked as usual
    };
    const std::vector<Sprinkle> kSprinkles = {
        { "O'Brien", "" },
        { "Müller", "" },
        { "Peña", "José" },
        { "D'Angelo", "" },
        { "Núñez", "" },
    };

    // ---------------------------------------------------------------- writing

    // An active adult member who can be given a class, a group or an office.
    struct Candidate {
        qint64 id;
        bool male;
        int age;
        QDate since; // when they may first have served
    };

    struct Household {
        QString lastName;
        QString address1;
        QString address2;
        QString city;
        QString state;
        QString zip;
        QString areaCode;
        QString mapSection;
        QString homePhone;
        bool landline = false;
        qint64 deaconId = 0;
        qint64 careGroup = 0;
        int careGroupIndex = -1;
        QDate anniversary;
        QDate joined;
        QString previousChurch; // set when the family joined by letter
        QDate rollEntry; // when the family was typed into the roll
    };

    // One contact in a prospect family's outreach history.
    struct Contact {
        QDate date;
        QString action;
        QString rating;
        QString notes;
        qint64 visitor1 = 0;
        qint64 visitor2 = 0;
    };

    class Generator {
    public:
        Generator(Database& db, const DemoOptions& options)
            : m_db(db)
            , m_rnd(options.seed)
            , m_today(options.today.isValid() ? options.today : QDate::currentDate())
            , m_options(options)
            , m_lastNames(data::lastNames())
            , m_maleFirst(data::maleFirstNames())
            , m_femaleFirst(data::femaleFirstNames())
            , m_maleMiddle(data::maleMiddleNames())
            , m_femaleMiddle(data::femaleMiddleNames())
            , m_streets(data::streetNames())
            , m_suffixes(data::streetSuffixes())
            , m_domains(data::emailDomains())
            , m_member(db)
            , m_family(db,
                  QStringLiteral(
                      "INSERT INTO Family_Connection (Member_ID, Relationship, Relative_Member_ID) VALUES (?, ?, ?)"))
            , m_responsibility(db,
                  QStringLiteral("INSERT INTO Member_Responsibility (Member_ID, Responsibility, \"Start\", \"End\") "
                                 "VALUES (?, ?, ?, ?)"))
            , m_contact(db,
                  QStringLiteral("INSERT INTO Prospect_Contact (Prospect_ID, Contact_Date, Action, Type, Visitor1, "
                                 "Visitor2, Rating, Notes) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"))
        {
            m_yearEnd = QDate(m_today.month() >= 10 ? m_today.year() + 1 : m_today.year(), 9, 30);
            m_rollStart = m_today.addYears(-15);
        }

        DemoSummary run()
        {
            readPhases();
            const std::vector<PlanHousehold> plan = planHouseholds(m_rnd, m_today, m_options.people);

            insertChurch();
            insertResponsibilities();
            m_sundaySchool = insertClasses(
                QStringLiteral("Sunday_School"), kSundaySchoolBands, plan, std::max(12, m_options.people / 60));
            m_discipleship = insertClasses(
                QStringLiteral("Discipleship_Training"), kDiscipleshipBands, plan, std::max(6, m_options.people / 150));
            m_wednesday = insertClasses(
                QStringLiteral("Wednesday_Night"), kWednesdayBands, plan, std::max(6, m_options.people / 150));
            insertCareGroups(std::max(6, m_options.people / 40));

            int memberHouseholds = 0;
            int prospectHouseholds = 0;
            qint64 done = 0;
            std::vector<qint64> firstHousehold;
            for (const PlanHousehold& h : plan) {
                std::vector<qint64> ids;
                if (h.prospect)
                    ids = writeProspectHousehold(h, prospectHouseholds++);
                else
                    ids = writeMemberHousehold(h, memberHouseholds++);
                if (memberHouseholds == 1 && !h.prospect)
                    firstHousehold = ids;
                done += qint64(ids.size());
                m_summary.households += 1;
                if (m_options.progress
                    && (done / 1000 != (done - qint64(ids.size())) / 1000 || done == m_options.people))
                    m_options.progress(done, m_options.people);
            }
            // The first deacon's family could not name a deacon before any was written.
            if (m_deacons.size() > 1) {
                for (qint64 id : firstHousehold)
                    m_db.exec(QStringLiteral("UPDATE Member SET DeaconID = ? WHERE ID = ?"), { m_deacons.back(), id });
            }

            giveOutOffices();
            insertAccounts();
            m_summary.people = done;
            return m_summary;
        }

    private:
        struct ClassSet {
            std::vector<Band> bands;
            std::vector<std::vector<qint64>> byBand;
            std::vector<std::pair<qint64, int>> all; // class ID and band
        };

        // ------------------------------------------------ reference data

        void readPhases()
        {
            QSqlQuery q
                = m_db.exec(QStringLiteral("SELECT Phase, Action, TimePeriod FROM Outreach_Phase ORDER BY PhaseOrder"));
            while (q.next())
                m_phases.push_back({ q.value(0).toString(), q.value(1).toString(), std::max(1, q.value(2).toInt()) });
            if (m_phases.empty())
                throw DbError(QStringLiteral("The new database has no outreach phases."));
        }

        void insertChurch()
        {
            m_db.exec(
                QStringLiteral("INSERT INTO Church (Name, Address1, Address2, City, State, Zip, Phone, Fax, Email, "
                               "Website, KeyPressDelay) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                { QStringLiteral("Grace Fellowship Church"), QStringLiteral("1450 Hillsboro Road"), sql::text({}),
                    QStringLiteral("Franklin"), QStringLiteral("TN"), QStringLiteral("37064"),
                    QStringLiteral("6157940142"), QStringLiteral("6157940143"),
                    QStringLiteral("office@gracefellowshipfranklin.org"),
                    QStringLiteral("www.gracefellowshipfranklin.org"), 1.5 });
        }

        void insertResponsibilities()
        {
            for (const Role& role : kRoles) {
                m_db.exec(QStringLiteral("INSERT INTO Responsibilities (Name, Description) VALUES (?, ?)"),
                    { utf8(role.name), utf8(role.description) });
                if (role.volunteerWeight > 0) {
                    m_volunteerRoles.push_back(&role);
                    m_volunteerWeights.push_back(role.volunteerWeight);
                    m_volunteerTotal += role.volunteerWeight;
                }
            }
        }

        // Spreads `total` classes over the age bands in proportion to the
        // people of each age, at least one class per band.
        ClassSet insertClasses(
            const QString& table, const std::vector<Band>& bands, const std::vector<PlanHousehold>& plan, int total)
        {
            std::vector<int> counts(bands.size(), 0);
            int inBands = 0;
            for (const PlanHousehold& h : plan) {
                for (const PlanPerson& p : h.people) {
                    const int band = bandOf(bands, ageOn(p.birth, m_today));
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
                    const qint64 id = m_db.insert(sql,
                        { name, utf8(bands[b].description), QVariant(), QVariant(),
                            QStringLiteral("%1, Room %2").arg(building).arg(room),
                            utf8(m_rnd.pick(data::classNotes())) });
                    set.byBand[b].push_back(id);
                    set.all.emplace_back(id, int(b));
                }
            }
            return set;
        }

        // Care groups belong to the adult Sunday school classes; their leaders
        // are named once their members have been written.
        void insertCareGroups(int count)
        {
            std::vector<qint64> adultClasses;
            for (const auto& [id, band] : m_sundaySchool.all) {
                if (kSundaySchoolBands[std::size_t(band)].minAge >= 18)
                    adultClasses.push_back(id);
            }
            for (int i = 0; i < count; ++i) {
                const qint64 id = m_db.insert(QStringLiteral("INSERT INTO Care_Group (Group_Leader, Asst_Group_Leader, "
                                                             "Sunday_School_Class, Notes) VALUES (?, ?, ?, ?)")
                        + sql::returningId(),
                    { QVariant(), QVariant(), m_rnd.pick(adultClasses), utf8(m_rnd.pick(data::careGroupNotes())) });
                m_careGroups.push_back(id);
            }
            m_careGroupAdults.assign(m_careGroups.size(), { 0, 0 });
        }

        // ------------------------------------------------ households

        QString phoneNumber(const QString& areaCode)
        {
            int exchange = m_rnd.between(201, 989);
            if (exchange % 100 == 11 || exchange == 555)
                ++exchange;
            return areaCode + QString::number(exchange)
                + QStringLiteral("%1").arg(m_rnd.below(10000), 4, 10, QLatin1Char('0'));
        }

        Household newHousehold(const PlanHousehold& plan, const QString& lastName)
        {
            Household h;
            h.lastName = lastName;
            const bool away = plan.churchStatus == QLatin1String("Moved Away");
            const data::City* city = nullptr;
            const auto& cities = away ? data::distantCities() : data::localCities();
            int total = 0;
            for (const data::City& c : cities)
                total += c.weight;
            int x = m_rnd.below(total);
            for (const data::City& c : cities) {
                if (x < c.weight) {
                    city = &c;
                    break;
                }
                x -= c.weight;
            }
            h.address1 = QStringLiteral("%1 %2 %3")
                             .arg(m_rnd.between(100, 9899))
                             .arg(m_streets.pick(m_rnd), m_suffixes.pick(m_rnd));
            if (m_rnd.chance(0.1)) {
                const int kind = m_rnd.below(3);
                h.address2 = kind == 0
                    ? QStringLiteral("Apt %1%2").arg(m_rnd.between(1, 40)).arg(QChar('A' + m_rnd.below(4)))
                    : (kind == 1 ? QStringLiteral("Unit %1").arg(m_rnd.between(1, 300))
                                 : QStringLiteral("Lot %1").arg(m_rnd.between(1, 80)));
            }
            h.city = utf8(city->name);
            h.state = utf8(city->state);
            h.zip = utf8(city->zip);
            h.areaCode = utf8(city->areaCode);
            static const char* const quadrants[] = { "NE", "NW", "SE", "SW" };
            h.mapSection
                = away ? QString() : QStringLiteral("%1-%2").arg(quadrants[m_rnd.below(4)]).arg(m_rnd.between(1, 12));
            h.landline = m_rnd.chance(0.5);
            h.homePhone = phoneNumber(h.areaCode);
            return h;
        }

        QString firstName(bool male) { return male ? m_maleFirst.pick(m_rnd) : m_femaleFirst.pick(m_rnd); }

        static QString emailPart(const QString& text)
        {
            QString out;
            bool ascii = true;
            for (const QChar c : text)
                ascii = ascii && c.unicode() < 128;
            // Accented letters lose their accents (José gives jose).
            for (const QChar c : ascii ? text : text.normalized(QString::NormalizationForm_KD)) {
                if (c.unicode() < 128 && c.isLetterOrNumber())
                    out += c.toLower();
            }
            return out;
        }

        QString email(const QString& first, const QString& last, int age)
        {
            const QString f = emailPart(first);
            const QString l = emailPart(last);
            QString local;
            switch (m_rnd.below(age < 25 ? 2 : 4)) {
            case 0:
                local = f + l + QString::number(m_rnd.between(1, 99));
                break;
            case 1:
                local = f + QLatin1Char('.') + l;
                break;
            case 2:
                local = f.left(1) + l;
                break;
            default:
                local = f + l;
                break;
            }
            return local + QLatin1Char('@') + m_domains.pick(m_rnd);
        }

        QString someOf(const std::vector<const char*>& items, int most)
        {
            QStringList chosen;
            for (int n = m_rnd.below(most + 1); n > 0; --n) {
                const QString item = utf8(m_rnd.pick(items));
                if (!chosen.contains(item))
                    chosen << item;
            }
            return chosen.join(QStringLiteral(", "));
        }

        QDateTime stamp(const QDate& day)
        {
            const QDate d = std::min(day, m_today);
            return QDateTime(d, QTime(m_rnd.between(8, 16), m_rnd.below(60), m_rnd.below(60)), Qt::UTC);
        }

        QString title(bool male, int age, bool married)
        {
            if (age < 18)
                return {};
            if (m_rnd.chance(0.03))
                return QStringLiteral("Dr.");
            if (male) {
                const int x = m_rnd.below(100);
                return x < 2 ? QStringLiteral("Rev.") : (x < 5 ? QStringLiteral("Bro.") : QStringLiteral("Mr."));
            }
            if (married)
                return m_rnd.chance(0.02) ? QStringLiteral("Sis.") : QStringLiteral("Mrs.");
            return age < 30 && m_rnd.chance(0.5) ? QStringLiteral("Miss") : QStringLiteral("Ms.");
        }

        // Occupation, place of work and work phone.
        void work(MemberRecord& r, const PlanPerson& p, int age, bool married, bool childrenAtHome, const QString& area)
        {
            QString occupation;
            QString place;
            if (age >= 5 && age < 18) {
                occupation = QStringLiteral("Student");
                place = age < 11 ? QStringLiteral("Harpeth Valley Elementary")
                                 : (age < 14 ? QStringLiteral("Harpeth Valley Middle School")
                                             : QStringLiteral("Harpeth Valley High School"));
            } else if (age >= 18 && age <= 22 && m_rnd.chance(0.6)) {
                occupation = QStringLiteral("Student");
                place = QStringLiteral("Cumberland State University");
            } else if (age >= 67 || (age >= 62 && m_rnd.chance(0.5))) {
                occupation = QStringLiteral("Retired");
            } else if (age >= 18 && !p.male && married && childrenAtHome && m_rnd.chance(0.15)) {
                occupation = QStringLiteral("Homemaker");
            } else if (age >= 18 && m_rnd.chance(0.92)) {
                const data::Job& job = m_rnd.pick(data::jobs());
                occupation = utf8(job.occupation);
                place = utf8(job.placeOfWork);
                if (m_rnd.chance(0.35))
                    r.workPhone = phoneNumber(area);
            }
            r.occupation = occupation;
            r.placeOfWork = place;
        }

        // Attendance levels of the five services, most to least attended.
        std::array<int, 5> attendance(const QString& status)
        {
            std::array<int, 5> levels {};
            if (status == QLatin1String("Active")) {
                levels[0] = weightedIndex(m_rnd, std::array<int, 6> { 38, 24, 12, 10, 6, 10 });
                levels[1] = weightedIndex(m_rnd, std::array<int, 6> { 50, 28, 10, 8, 3, 1 });
                levels[2] = weightedIndex(m_rnd, std::array<int, 6> { 12, 10, 8, 15, 15, 40 });
                levels[3] = weightedIndex(m_rnd, std::array<int, 6> { 15, 12, 10, 18, 15, 30 });
                levels[4] = weightedIndex(m_rnd, std::array<int, 6> { 18, 14, 10, 15, 13, 30 });
            } else if (status == QLatin1String("Inactive")) {
                for (int& level : levels)
                    level = weightedIndex(m_rnd, std::array<int, 6> { 0, 0, 0, 5, 35, 60 });
                levels[1] = weightedIndex(m_rnd, std::array<int, 6> { 0, 0, 10, 30, 40, 20 });
            } else if (status == QLatin1String("Homebound")) {
                levels.fill(kNever);
            } else {
                levels.fill(-1); // moved away or deceased: no longer recorded
            }
            return levels;
        }

        qint64 classFor(const ClassSet& set, int age)
        {
            const int band = bandOf(set.bands, age);
            if (band < 0)
                return 0;
            return m_rnd.pick(set.byBand[std::size_t(band)]);
        }

        void addResponsibility(qint64 memberId, const QString& name, const QDate& start, const QDate& end)
        {
            m_responsibility.run({ memberId, name, sql::date(start), sql::date(end) });
        }

        QDate earliestService(const Candidate& c) const
        {
            return std::max(c.since.isValid() ? c.since : m_today.addYears(-10), m_today.addYears(-12));
        }

        void giveCurrent(const Candidate& c, const QString& name, bool yearly)
        {
            const QDate start = m_rnd.day(earliestService(c), m_today.addDays(-14));
            addResponsibility(c.id, name, start, yearly ? m_yearEnd : kForever);
        }

        void givePast(const Candidate& c, const QString& name)
        {
            const QDate from = std::max(c.since.isValid() ? c.since : m_today.addYears(-20), m_today.addYears(-20));
            const QDate start = m_rnd.day(from, m_today.addDays(-400));
            const QDate end = std::min(start.addYears(m_rnd.between(1, 6)).addDays(-1), m_today.addDays(-30));
            addResponsibility(c.id, name, start, std::max(end, start));
        }

        // Now and then an active member volunteers somewhere, or used to.
        void volunteer(const Candidate& c)
        {
            for (int round = 0; round < 2; ++round) {
                if (!m_rnd.chance(round == 0 ? 0.15 : 0.07))
                    continue;
                int x = m_rnd.below(m_volunteerTotal);
                std::size_t i = 0;
                while (x >= m_volunteerWeights[i])
                    x -= m_volunteerWeights[i++];
                const Role& role = *m_volunteerRoles[i];
                if (c.age < role.minAge || c.age > role.maxAge)
                    continue;
                if (round == 0)
                    giveCurrent(c, utf8(role.name), role.yearly);
                else
                    givePast(c, utf8(role.name));
            }
        }

        QString relationship(const PlanPerson& p) const
        {
            switch (p.rel) {
            case Rel::Spouse:
                return p.male ? QStringLiteral("Husband") : QStringLiteral("Wife");
            case Rel::Child:
                return p.male ? QStringLiteral("Son") : QStringLiteral("Daughter");
            case Rel::StepChild:
                return p.male ? QStringLiteral("Stepson") : QStringLiteral("Stepdaughter");
            case Rel::Grandchild:
                return p.male ? QStringLiteral("Grandson") : QStringLiteral("Granddaughter");
            case Rel::Parent:
                return p.male ? QStringLiteral("Father") : QStringLiteral("Mother");
            case Rel::Head:
                break;
            }
            return {};
        }

        // The columns every person has, member or prospect.
        MemberRecord person(const PlanHousehold& plan, const PlanPerson& p, const Household& h, int age)
        {
            MemberRecord r;
            const bool head = p.rel == Rel::Head;
            const bool married = plan.married && (head || p.rel == Rel::Spouse);
            r.firstName = firstName(p.male);
            r.middleName = p.male ? m_maleMiddle.pick(m_rnd) : m_femaleMiddle.pick(m_rnd);
            const bool ownLastName = (p.rel == Rel::StepChild || p.rel == Rel::Parent) && m_rnd.chance(0.5);
            r.lastName = ownLastName ? m_lastNames.pick(m_rnd) : h.lastName;
            r.title = title(p.male, age, married);
            r.address1 = h.address1;
            r.address2 = h.address2;
            r.city = h.city;
            r.state = h.state;
            r.zip = h.zip;
            r.mapSection = h.mapSection;
            const bool hasCell = age >= 18 ? m_rnd.chance(age >= 80 ? 0.5 : 0.9) : (age >= 13 && m_rnd.chance(0.7));
            if (head && !h.landline)
                r.cell = h.homePhone;
            else if (hasCell)
                r.cell = phoneNumber(h.areaCode);
            r.phone = h.homePhone;
            if ((age >= 18 && m_rnd.chance(0.82)) || (age >= 15 && m_rnd.chance(0.4)))
                r.email = email(r.firstName, r.lastName, age);
            // A few people never gave their birthday.
            if (age < 18 || !m_rnd.chance(plan.prospect ? 0.3 : 0.04))
                r.dateOfBirth = p.birth;
            if (married && h.anniversary.isValid())
                r.anniversaryDate = h.anniversary;
            r.gender = p.male ? QStringLiteral("Male") : QStringLiteral("Female");
            if (married)
                r.maritalStatus = QStringLiteral("Married");
            else if (age >= 16)
                r.maritalStatus
                    = head && age >= 28 && m_rnd.chance(0.45) ? QStringLiteral("Divorced") : QStringLiteral("Single");
            r.headOfHousehold = head;
            if (age >= 8)
                r.hobbies = someOf(data::hobbies(), 3);
            if (age >= 18)
                r.organizations = someOf(data::organizations(), m_rnd.chance(0.7) ? 0 : 2);
            if (m_rnd.chance(0.06))
                r.notes = utf8(m_rnd.pick(data::memberNotes()));
            r.memberActiveStatus = plan.churchStatus;
            r.addedBy = kAdded;
            bool childrenAtHome = false;
            for (const PlanPerson& other : plan.people)
                childrenAtHome = childrenAtHome || other.rel == Rel::Child || other.rel == Rel::StepChild;
            work(r, p, age, married, childrenAtHome, h.areaCode);
            return r;
        }

        // Every eighth family from the fourth on, until the list runs out.
        static const Sprinkle* sprinkleFor(int memberHousehold)
        {
            if (memberHousehold < 3 || (memberHousehold - 3) % 8 != 0)
                return nullptr;
            const std::size_t i = std::size_t((memberHousehold - 3) / 8);
            return i < kSprinkles.size() ? &kSprinkles[i] : nullptr;
        }

        std::vector<qint64> writeMemberHousehold(const PlanHousehold& plan, int index)
        {
            const Sprinkle* sprinkle = sprinkleFor(index);
            Household h = newHousehold(plan, sprinkle ? utf8(sprinkle->lastName) : m_lastNames.pick(m_rnd));
            const PlanPerson& headPlan = plan.people.front();
            const bool active = plan.churchStatus == QLatin1String("Active");
            const bool onRoll = active || plan.churchStatus == QLatin1String("Inactive")
                || plan.churchStatus == QLatin1String("Homebound");

            QDate youngestAdult = headPlan.birth;
            QDate oldestChild;
            for (const PlanPerson& p : plan.people) {
                if (p.rel == Rel::Spouse)
                    youngestAdult = std::max(youngestAdult, p.birth);
                if ((p.rel == Rel::Child || p.rel == Rel::StepChild)
                    && (!oldestChild.isValid() || p.birth < oldestChild))
                    oldestChild = p.birth;
            }
            if (plan.married) {
                QDate wedding = youngestAdult.addYears(m_rnd.between(19, 32)).addDays(m_rnd.below(365));
                if (oldestChild.isValid())
                    wedding = std::min(wedding, oldestChild.addDays(-m_rnd.between(300, 1500)));
                h.anniversary = std::max(std::min(wedding, m_today.addDays(-60)), headPlan.birth.addYears(18));
            }
            h.joined = m_rnd.day(std::max(headPlan.birth.addYears(18), m_today.addYears(-45)), m_today.addDays(-30));
            if (m_rnd.chance(0.45))
                h.previousChurch = utf8(m_rnd.pick(data::otherChurches()));
            h.rollEntry = std::max(m_rollStart.addDays(m_rnd.below(180)), h.joined);
            if (onRoll)
                h.deaconId = plan.deacon ? (m_deacons.empty() ? 0 : m_deacons.back())
                                         : (m_deacons.empty() ? 0 : m_rnd.pick(m_deacons));
            if (active && m_rnd.chance(0.85)) {
                h.careGroupIndex = m_rnd.below(int(m_careGroups.size()));
                h.careGroup = m_careGroups[std::size_t(h.careGroupIndex)];
            }

            std::vector<qint64> ids;
            for (const PlanPerson& p : plan.people) {
                const int age = ageOn(p.birth, m_today);
                MemberRecord r = person(plan, p, h, age);
                if (p.rel == Rel::Head && sprinkle && *sprinkle->headFirstName)
                    r.firstName = utf8(sprinkle->headFirstName);
                r.status = age < 18 ? QStringLiteral("Child Of Member") : QStringLiteral("Member");

                // Church history: adults joined with the family, by letter or
                // by baptism; children when they were baptized.
                QDate since;
                const bool adultOfFamily = p.rel == Rel::Head || p.rel == Rel::Spouse || p.rel == Rel::Parent;
                if (adultOfFamily) {
                    since = std::max(h.joined, p.birth.addYears(16));
                    if (!h.previousChurch.isEmpty()) {
                        r.previousChurch = h.previousChurch;
                        r.cameForward = since;
                    } else {
                        r.baptized = since;
                        r.cameForward = since.addDays(-m_rnd.between(7, 28));
                    }
                } else if (age >= 8 && m_rnd.chance(age >= 18 ? 0.85 : 0.6)) {
                    since = std::min(std::max(p.birth.addYears(m_rnd.between(8, 12)), h.joined), m_today.addDays(-7));
                    r.baptized = since;
                    r.cameForward = since.addDays(-m_rnd.between(7, 28));
                }
                if (since.isValid())
                    r.memberSince = since;
                if (plan.churchStatus == QLatin1String("Moved Away") && since.isValid() && m_rnd.chance(0.5))
                    r.letterOut = m_rnd.day(since.addDays(30), m_today.addDays(-30));
                if (plan.churchStatus == QLatin1String("Deceased"))
                    r.deceasedDate = m_rnd.day(std::max(since, m_today.addYears(-8)), m_today.addDays(-10));
                if (since.isValid() && since > m_today.addYears(-3)) {
                    r.prospectStatus = QStringLiteral("Joined");
                    r.prospectSource = utf8(m_rnd.pick(data::prospectSources()));
                } else {
                    r.prospectStatus = QStringLiteral("Inactive");
                }

                r.newsletterMail = p.rel == Rel::Head && onRoll && m_rnd.chance(0.7);
                r.newsletterEmail = age >= 18 && onRoll && !r.email.isEmpty() && m_rnd.chance(0.5);

                const std::array<int, 5> levels = attendance(plan.churchStatus);
                QString* const levelFields[] = { &r.sundaySchoolAttendance, &r.worshipAttendance,
                    &r.discipleshipAttendance, &r.sundayEveningAttendance, &r.wednesdayAttendance };
                for (int i = 0; i < 5; ++i) {
                    if (levels[std::size_t(i)] >= 0)
                        *levelFields[i] = utf8(kLevels[std::size_t(levels[std::size_t(i)])]);
                }
                if (active) {
                    // Those who come at least monthly belong to a class.
                    if (levels[0] <= 2)
                        r.sundaySchoolClass = classFor(m_sundaySchool, age);
                    if (levels[2] <= 2)
                        r.discipleshipClass = classFor(m_discipleship, age);
                    if (levels[4] <= 2)
                        r.wednesdayClass = classFor(m_wednesday, age);
                }
                r.careGroup = h.careGroup;
                r.deacon = h.deaconId;

                QDate added = std::max(h.rollEntry, p.birth.addDays(m_rnd.between(7, 60)));
                if (since.isValid() && since > h.rollEntry)
                    added = std::max(added, since);
                r.dateAdded = stamp(added);
                if (m_rnd.chance(0.65)) {
                    r.dateEdited = stamp(m_rnd.day(std::min(added, m_today), m_today));
                    r.editedBy = kAdded;
                }

                const qint64 id = m_member.insert(r);
                ids.push_back(id);

                if (p.rel == Rel::Head && plan.deacon) {
                    m_deacons.push_back(id);
                    m_deaconSet.insert(id);
                    m_visitors.push_back(id);
                    const QDate start
                        = m_rnd.day(std::max(since.addYears(2), p.birth.addYears(28)), m_today.addDays(-30));
                    addResponsibility(id, QStringLiteral("Deacon"), std::min(start, m_today.addDays(-30)), kForever);
                }
                if (active && age >= 14) {
                    const Candidate c { id, p.male, age, since.isValid() ? since : p.birth.addYears(14) };
                    volunteer(c);
                    if (age >= 21 && age <= 80) {
                        m_candidates.push_back(c);
                        if (m_rnd.chance(0.03)) {
                            m_visitors.push_back(id);
                            giveCurrent(c, QStringLiteral("Outreach Team"), false);
                        }
                        if (h.careGroupIndex >= 0) {
                            auto& adults = m_careGroupAdults[std::size_t(h.careGroupIndex)];
                            if (adults[0] == 0)
                                adults[0] = id;
                            else if (adults[1] == 0)
                                adults[1] = id;
                        }
                    }
                }
            }
            writeFamily(plan, ids);
            return ids;
        }

        void writeFamily(const PlanHousehold& plan, const std::vector<qint64>& ids)
        {
            for (std::size_t i = 1; i < ids.size(); ++i)
                m_family.run({ ids[0], relationship(plan.people[i]), ids[i] });
        }

        QString contactType(const QString& action) const
        {
            if (action.contains(QLatin1String("Visit")))
                return QStringLiteral("Visit");
            if (action == QLatin1String("Phone Call"))
                return QStringLiteral("Call");
            if (action == QLatin1String("E-mail"))
                return QStringLiteral("E-mail");
            return QStringLiteral("Mail");
        }

        qint64 visitor(qint64 other)
        {
            const std::vector<qint64>& pool = m_visitors.empty() ? m_deacons : m_visitors;
            if (pool.empty()) {
                if (m_candidates.empty())
                    throw DbError(QStringLiteral("The church is too small to have anyone visit its prospects."));
                return m_candidates[std::size_t(m_rnd.below(int(m_candidates.size())))].id;
            }
            // The pool may name someone twice; a second visitor is never the first one.
            for (int attempt = 0; attempt < 8; ++attempt) {
                const qint64 id = m_rnd.pick(pool);
                if (id != other)
                    return id;
            }
            return other == 0 ? pool.front() : 0;
        }

        // The outreach history of a family in phase `phase`: one contact for
        // each phase completed (the last five at most), and sometimes one
        // attempt that completed nothing, ending on `last`.
        std::vector<Contact> contactHistory(int phase, const QDate& last, bool lostInterest)
        {
            const int completed = std::min(phase, 5);
            const bool attempt = completed == 0 || (completed < 5 && m_rnd.chance(0.3));
            const int count = completed + (attempt ? 1 : 0);
            const int attemptAt = completed == 0 ? 0 : m_rnd.between(0, completed); // position among the contacts
            std::vector<Contact> contacts(static_cast<std::size_t>(count));
            int phaseOfNext = phase - completed; // the phase completed by the next completing contact
            for (int i = 0; i < count; ++i) {
                Contact& c = contacts[std::size_t(i)];
                if (attempt && i == attemptAt) {
                    const Phase& current = m_phases[std::size_t(phaseOfNext) % m_phases.size()];
                    static const std::vector<const char*> tries = { "Phone Call", "Home Visit", "Card", "E-mail" };
                    do
                        c.action = utf8(m_rnd.pick(tries));
                    while (c.action == current.action);
                    c.rating = c.action.contains(QLatin1String("Visit")) || c.action == QLatin1String("Phone Call")
                        ? QStringLiteral("Not At Home")
                        : QStringLiteral("Undecided");
                } else {
                    c.action = m_phases[std::size_t(phaseOfNext) % m_phases.size()].action;
                    static const char* const ratings[]
                        = { "Very Interested", "Interested", "Undecided", "Not Interested" };
                    c.rating = utf8(ratings[weightedIndex(m_rnd, std::array<int, 4> { 25, 40, 25, 10 })]);
                    ++phaseOfNext;
                }
                c.notes = m_rnd.chance(0.7) ? utf8(m_rnd.pick(data::contactNotes())) : QString();
                c.visitor1 = visitor(0);
                c.visitor2 = m_rnd.chance(0.6) ? visitor(c.visitor1) : 0;
            }
            if (lostInterest)
                contacts.back().rating = QStringLiteral("Not Interested");
            // Dates run backwards from the last contact by each phase's waiting time.
            QDate day = last;
            for (int i = count - 1; i >= 0; --i) {
                contacts[std::size_t(i)].date = day;
                const int weeks = m_phases[std::size_t(std::max(0, phase - (count - i))) % m_phases.size()].weeks;
                day = day.addDays(-(7 * weeks + m_rnd.between(-2, 5)));
            }
            return contacts;
        }

        std::vector<qint64> writeProspectHousehold(const PlanHousehold& plan, int index)
        {
            Household h = newHousehold(plan, m_lastNames.pick(m_rnd));
            const int phases = int(m_phases.size());
            // The first families cover every phase; after that they are spread at random.
            const int phase = index < phases ? index : m_rnd.below(phases);
            const int standing = weightedIndex(m_rnd, std::array<int, 3> { 75, 13, 12 });
            const QString status = standing == 0
                ? QStringLiteral("Active")
                : (standing == 1 ? QStringLiteral("Inactive") : QStringLiteral("Not Interested"));
            const int waitWeeks = m_phases[std::size_t(std::max(0, phase - 1))].weeks;
            QDate next;
            QDate last;
            if (standing == 0) {
                next = m_today.addDays(m_rnd.between(-21, 35));
                last = std::min(next.addDays(-7 * waitWeeks), m_today.addDays(-m_rnd.between(0, 6)));
            } else {
                last = m_today.addDays(-m_rnd.between(standing == 1 ? 90 : 30, 540));
                if (standing == 1)
                    next = last.addDays(7 * waitWeeks);
            }
            const std::vector<Contact> history = contactHistory(phase, last, standing == 2);
            const QString source = utf8(m_rnd.pick(data::prospectSources()));
            const QString memberOf = m_rnd.chance(0.3) ? utf8(m_rnd.pick(data::otherChurches())) : QString();
            if (plan.married)
                h.anniversary = m_rnd.day(plan.people.back().birth.addYears(20), m_today.addYears(-1));

            std::vector<qint64> ids;
            for (const PlanPerson& p : plan.people) {
                const int age = ageOn(p.birth, m_today);
                MemberRecord r = person(plan, p, h, age);
                r.status = QStringLiteral("Prospect");
                r.previousChurch = memberOf;
                r.newsletterMail = p.rel == Rel::Head && m_rnd.chance(0.3);
                r.worshipAttendance
                    = utf8(kLevels[std::size_t(2 + weightedIndex(m_rnd, std::array<int, 3> { 30, 45, 25 }))]);
                r.prospectStatus = status;
                r.prospectSource = source;
                r.prospectMemberOf = memberOf;
                if (m_rnd.chance(0.4))
                    r.prospectNote = utf8(m_rnd.pick(data::prospectNotes()));
                if (m_rnd.chance(0.5))
                    r.prospectSundaySchoolClass = classFor(m_sundaySchool, age);
                if (m_rnd.chance(0.25))
                    r.prospectCareGroup = m_rnd.pick(m_careGroups);
                r.prospectPhase = m_phases[std::size_t(phase)].name;
                if (next.isValid()) {
                    r.prospectNextContactDate = next;
                    r.prospectNextContactAction = m_phases[std::size_t(phase)].action;
                }
                const QDate added = history.front().date.addDays(-m_rnd.between(0, 5));
                r.dateAdded = stamp(added);
                if (m_rnd.chance(0.65)) {
                    r.dateEdited = stamp(m_rnd.day(std::min(added, m_today), m_today));
                    r.editedBy = kAdded;
                }
                const qint64 id = m_member.insert(r);
                ids.push_back(id);
                m_summary.prospects += 1;
                for (const Contact& c : history) {
                    m_contact.run({ id, sql::date(c.date), c.action, contactType(c.action), sql::id(c.visitor1),
                        sql::id(c.visitor2), c.rating, sql::text(c.notes) });
                    m_summary.contacts += 1;
                }
            }
            writeFamily(plan, ids);
            return ids;
        }

        // ------------------------------------------------ after everyone is written

        void giveOutOffices()
        {
            if (m_candidates.empty())
                throw DbError(QStringLiteral("The church is too small to staff its classes."));
            std::vector<Candidate> pool = m_candidates;
            m_rnd.shuffle(pool);
            std::size_t next = 0;
            auto take = [&]() -> const Candidate& { return pool[next++ % pool.size()]; };

            const auto staff = [&](const QString& table, const ClassSet& set, const QString& teacherRole,
                                   const QString& assistantRole, double assistantChance) {
                for (const auto& [classId, band] : set.all) {
                    Q_UNUSED(band)
                    const Candidate& teacher = take();
                    giveCurrent(teacher, teacherRole, false);
                    qint64 assistant = 0;
                    if (m_rnd.chance(assistantChance)) {
                        const Candidate& a = take();
                        assistant = a.id;
                        giveCurrent(a, assistantRole, false);
                    }
                    m_db.exec(QStringLiteral("UPDATE %1 SET Teacher = ?, Asst_Teacher = ? WHERE ID = ?").arg(table),
                        { teacher.id, sql::id(assistant), classId });
                }
            };
            staff(QStringLiteral("Sunday_School"), m_sundaySchool, QStringLiteral("Sunday School Teacher"),
                QStringLiteral("Sunday School Assistant"), 0.8);
            staff(QStringLiteral("Discipleship_Training"), m_discipleship,
                QStringLiteral("Discipleship Training Leader"), QStringLiteral("Discipleship Training Leader"), 0.6);
            staff(QStringLiteral("Wednesday_Night"), m_wednesday, QStringLiteral("Wednesday Night Leader"),
                QStringLiteral("Wednesday Night Leader"), 0.6);

            // Care groups are led by people of the group where it has any.
            std::unordered_map<qint64, const Candidate*> byId;
            for (const Candidate& c : m_candidates)
                byId[c.id] = &c;
            for (std::size_t g = 0; g < m_careGroups.size(); ++g) {
                const auto& adults = m_careGroupAdults[g];
                const Candidate& leader = adults[0] ? *byId[adults[0]] : take();
                giveCurrent(leader, QStringLiteral("Care Group Leader"), false);
                const qint64 assistant = adults[1] && m_rnd.chance(0.7) ? adults[1] : 0;
                m_db.exec(QStringLiteral("UPDATE Care_Group SET Group_Leader = ?, Asst_Group_Leader = ? WHERE ID = ?"),
                    { leader.id, sql::id(assistant), m_careGroups[g] });
            }

            const auto office = [&](const QString& name, int current, int former, bool yearly) {
                for (int i = 0; i < current; ++i)
                    giveCurrent(take(), name, yearly);
                for (int i = 0; i < former; ++i)
                    givePast(take(), name);
            };
            office(QStringLiteral("Treasurer"), 1, 2, true);
            office(QStringLiteral("Church Clerk"), 1, 1, true);
            office(QStringLiteral("Pianist"), 2, 1, false);
            office(QStringLiteral("Organist"), 1, 1, false);

            // Men who served as deacons before and have rotated off.
            int former = std::max(1, int(m_deacons.size()) / 3);
            for (std::size_t i = 0; i < pool.size() && former > 0; ++i) {
                const Candidate& c = pool[(next + i) % pool.size()];
                if (c.male && c.age >= 45 && !m_deaconSet.count(c.id)) {
                    givePast(c, QStringLiteral("Deacon"));
                    --former;
                }
            }
        }

        void insertAccounts()
        {
            // The church secretary keeps the roll as administrator; another
            // member, not a deacon, may look people up.
            const auto find = [&](const auto& fits) -> const Candidate* {
                for (const Candidate& c : m_candidates) {
                    if (fits(c))
                        return &c;
                }
                return nullptr;
            };
            const Candidate* admin = find([](const Candidate& c) { return !c.male && c.age >= 30 && c.age <= 65; });
            if (!admin)
                admin = &m_candidates.front();
            const Candidate* user = find([&](const Candidate& c) {
                return &c != admin && !m_deaconSet.count(c.id) && c.age >= 25 && c.age <= 70;
            });
            if (!user)
                user = find([&](const Candidate& c) { return &c != admin; });
            if (!user)
                throw DbError(QStringLiteral("The church is too small for two login accounts."));

            giveCurrent(*admin, QStringLiteral("Church Secretary"), false);
            const QString sql = QStringLiteral("INSERT INTO \"User\" (Member_ID, Username, Password, Type, Inactive, "
                                               "DateEntered) VALUES (?, ?, ?, ?, ?, ?)");
            m_summary.adminUsername = QStringLiteral("admin");
            m_summary.adminPassword = QStringLiteral("admin");
            m_summary.userUsername = QStringLiteral("user");
            m_summary.userPassword = QStringLiteral("user");
            m_db.exec(sql,
                { admin->id, m_summary.adminUsername, passwords::hash(m_summary.adminPassword), QStringLiteral("Admin"),
                    sql::yesNo(false), sql::date(m_rnd.day(m_today.addYears(-3), m_today.addYears(-1))) });
            m_db.exec(sql,
                { user->id, m_summary.userUsername, passwords::hash(m_summary.userPassword), QStringLiteral("User"),
                    sql::yesNo(false), sql::date(m_rnd.day(m_today.addYears(-1), m_today.addDays(-30))) });
            const QVariant memberView = m_db.scalar(
                QStringLiteral("SELECT ID FROM Permission WHERE Name = ?"), { QStringLiteral("Member View") });
            if (!memberView.isValid())
                throw DbError(QStringLiteral("The permission \"Member View\" is missing from the new database."));
            m_db.exec(QStringLiteral("INSERT INTO UserPermission (MemberID, PermissionID) VALUES (?, ?)"),
                { user->id, memberView });
        }

        struct Phase {
            QString name;
            QString action;
            int weeks;
        };

        Database& m_db;
        Random m_rnd;
        QDate m_today;
        QDate m_yearEnd;
        QDate m_rollStart;
        const DemoOptions& m_options;
        Picker m_lastNames;
        Picker m_maleFirst;
        Picker m_femaleFirst;
        Picker m_maleMiddle;
        Picker m_femaleMiddle;
        Picker m_streets;
        Picker m_suffixes;
        Picker m_domains;
        Members::Inserter m_member;
        Statement m_family;
        Statement m_responsibility;
        Statement m_contact;

        std::vector<Phase> m_phases;
        std::vector<const Role*> m_volunteerRoles;
        std::vector<int> m_volunteerWeights;
        int m_volunteerTotal = 0;
        ClassSet m_sundaySchool;
        ClassSet m_discipleship;
        ClassSet m_wednesday;
        std::vector<qint64> m_careGroups;
        std::vector<std::array<qint64, 2>> m_careGroupAdults;
        std::vector<qint64> m_deacons;
        std::unordered_set<qint64> m_deaconSet;
        std::vector<qint64> m_visitors;
        std::vector<Candidate> m_candidates;
        DemoSummary m_summary;
    };

} // namespace

DemoSummary generate(const QString& path, const DemoOptions& options)
{
    if (options.people < kMinPeople || options.people > kMaxPeople)
        throw DbError(QStringLiteral("A demonstration church has between %1 and %2 people, not %3.")
                          .arg(kMinPeople)
                          .arg(kMaxPeople)
                          .arg(options.people));
    // The church is built in a temporary file beside path with the engine's
    // journal on, and renamed to path only when it is complete: a failure, a
    // kill or a power cut leaves no file at path, only a leftover that the
    // next run removes.
    NewDatabaseFile file(path);
    Database& db = file.database();
    // A bigger page cache keeps the name indexes in memory while a large
    // church is written; it lasts only as long as this connection.
    db.exec(QStringLiteral("PRAGMA cache_size = -65536"));
    DemoSummary summary;
    {
        Transaction tx(db);
        // The people go in without the secondary indexes of their tables,
        // which are made again from the rows at the end: building an index
        // from sorted rows is much cheaper than keeping nine of them up to
        // date through a million inserts in random name order.
        const QStringList indexes = db.texts(
            QStringLiteral("SELECT sql FROM sqlite_master WHERE type = 'index' AND sql IS NOT NULL AND tbl_name IN "
                           "('Member', 'Family_Connection', 'Member_Responsibility', 'Prospect_Contact')"));
        const QStringList names = db.texts(
            QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index' AND sql IS NOT NULL AND tbl_name IN "
                           "('Member', 'Family_Connection', 'Member_Responsibility', 'Prospect_Contact')"));
        for (const QString& name : names)
            db.exec(QStringLiteral("DROP INDEX \"%1\"").arg(name));
        Generator generator(db, options);
        summary = generator.run();
        for (const QString& index : indexes)
            db.exec(index);
        addDuplicates(db, options.people);
        tx.commit();
    }
    file.commit();
    return summary;
}

} // namespace pw::demo
