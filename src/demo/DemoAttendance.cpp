#include "demo/DemoAttendance.h"

#include "data/Database.h"
#include "data/Services.h"
#include "demo/DemoPlan.h"

#include <QHash>

#include <array>
#include <map>
#include <vector>

namespace pw::demo {

namespace {

    constexpr int kWeeks = 104;
    // A large church's history is kept for this many of its people, spread
    // evenly over the roll (so every class has some): two years of every
    // person of a church of 100,000 would take well over a gigabyte.
    constexpr int kMostWithHistory = 20000;

    // How likely a person of that level comes on a given week.
    double chanceOf(const QString& level)
    {
        static const QHash<QString, double> chances = { { QStringLiteral("Every Week"), 0.92 },
            { QStringLiteral("Most Weeks"), 0.7 }, { QStringLiteral("Monthly"), 0.28 },
            { QStringLiteral("Occasionally"), 0.12 }, { QStringLiteral("Rarely"), 0.04 } };
        return chances.value(level, 0.0);
    }

    struct Attender {
        qint64 id = 0;
        std::array<double, 5> chance {}; // per service, in the order of services::all()
        std::array<qint64, 5> classId {};
        int firstWeek = 0; // weeks counted from the oldest
        int lastWeek = kWeeks - 1;
        int gapStart = -1;
        int gapWeeks = 0;
    };

} // namespace

qint64 writeAttendance(Database& db, const QDate& today, quint32 seed, const QString& recordedBy)
{
    detail::Random rnd(seed ^ 0xA77E4DA1u);
    const std::vector<services::Service>& all = services::all();
    QString columns = QStringLiteral("ID, Member_Active_Status, Status");
    for (const services::Service& s : all)
        columns += QStringLiteral(", ") + s.levelColumnName();
    for (const services::Service& s : all)
        if (s.hasClasses())
            columns += QStringLiteral(", ") + s.classColumnName();

    std::vector<Attender> people;
    db.scan(QStringLiteral("SELECT %1 FROM Member ORDER BY ID").arg(columns), {}, [&](const RowView& row) {
        const QString churchStatus = row.text(1);
        const bool inactive = churchStatus == QLatin1String("Inactive");
        const bool prospect = row.text(2) == QLatin1String("Prospect");
        if (!prospect && churchStatus != QLatin1String("Active") && !inactive)
            return; // homebound, moved away, deceased
        Attender a;
        a.id = row.integer(0);
        int classColumn = 3 + int(all.size());
        bool any = false;
        for (std::size_t i = 0; i < all.size(); ++i) {
            if (all[i].hasClasses()) {
                a.classId[i] = row.integer(classColumn++);
                if (a.classId[i] <= 0)
                    continue;
            }
            a.chance[i] = chanceOf(row.text(3 + int(i)));
            // Those inactive now came fairly often before they stopped.
            if (inactive && (all[i].codeText() == QLatin1String("WS") || a.classId[i] > 0))
                a.chance[i] = std::max(a.chance[i], 0.55);
            any = any || a.chance[i] > 0;
        }
        if (!any)
            return;
        const double kind = rnd.unit();
        if (inactive || (!prospect && kind < 0.08)) {
            a.lastWeek = rnd.between(8, kWeeks - 10); // drifted away
        } else if (prospect || kind < 0.15) {
            a.firstWeek = rnd.between(prospect ? 60 : 10, kWeeks - 6); // started coming lately
        } else if (kind < 0.22) {
            a.gapStart = rnd.between(0, kWeeks - 10); // away for a while
            a.gapWeeks = rnd.between(4, 10);
        }
        people.push_back(a);
    });
    if (people.size() > std::size_t(kMostWithHistory)) {
        std::vector<Attender> kept;
        kept.reserve(kMostWithHistory);
        for (int i = 0; i < kMostWithHistory; ++i)
            kept.push_back(people[std::size_t(i) * people.size() / kMostWithHistory]);
        people.swap(kept);
    }

    // The indexes are made again from the rows at the end, which is much
    // quicker than keeping them up to date row by row.
    const QString indexQuery = QStringLiteral(
        "SELECT %1 FROM sqlite_master WHERE type = 'index' AND sql IS NOT NULL AND tbl_name IN ('Attendance', "
        "'Attendance_Headcount')");
    const bool file = db.engine() == Database::Engine::SQLite;
    const QStringList indexes = file ? db.texts(indexQuery.arg(QStringLiteral("sql"))) : QStringList();
    if (file)
        for (const QString& name : db.texts(indexQuery.arg(QStringLiteral("name"))))
            db.exec(QStringLiteral("DROP INDEX \"%1\"").arg(name));

    Statement present(db,
        QStringLiteral("INSERT INTO Attendance (Member_ID, Service, Class_ID, Meeting_Date, Recorded_By, Recorded_At) "
                       "VALUES (?, ?, ?, ?, ?, ?)"));
    Statement counted(db,
        QStringLiteral("INSERT INTO Attendance_Headcount (Service, Class_ID, Meeting_Date, Headcount, Recorded_By, "
                       "Recorded_At) VALUES (?, ?, ?, ?, ?, ?)"));
    qint64 rows = 0;
    for (std::size_t s = 0; s < all.size(); ++s) {
        const services::Service& service = all[s];
        const QDate last = today.addDays(-((today.dayOfWeek() - service.weekday + 7) % 7));
        for (int week = 0; week < kWeeks; ++week) {
            const QDate date = last.addDays(-7 * (kWeeks - 1 - week));
            const QString day = date.toString(Qt::ISODate);
            const QString stamp = date.toString(Qt::ISODate) + QStringLiteral("T13:00:00");
            // Ordered, so the same seed gives the same headcounts.
            std::map<qint64, int> perClass;
            for (const Attender& a : people) {
                const double chance = a.chance[s];
                if (chance <= 0 || week < a.firstWeek || week > a.lastWeek
                    || (a.gapStart >= 0 && week >= a.gapStart && week < a.gapStart + a.gapWeeks))
                    continue;
                // Coming less often in the last weeks before staying away.
                const double fading = a.lastWeek < kWeeks - 1 && week > a.lastWeek - 6 ? 0.5 : 1.0;
                if (!rnd.chance(chance * fading))
                    continue;
                present.run({ a.id, service.codeText(), a.classId[s], day, recordedBy, stamp });
                ++perClass[a.classId[s]];
                ++rows;
            }
            for (const auto& [classId, count] : perClass) {
                // Visitors and children not on the roll make the count a little higher.
                const int extra = classId > 0 ? rnd.between(0, 2) : count * rnd.between(5, 25) / 100;
                counted.run({ service.codeText(), classId, day, count + extra, recordedBy, stamp });
            }
        }
    }
    for (const QString& index : indexes)
        db.exec(index);
    return rows;
}

} // namespace pw::demo
