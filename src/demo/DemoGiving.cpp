#include "demo/DemoGiving.h"

#include "data/Database.h"
#include "data/Sql.h"
#include "demo/DemoPlan.h"

#include <vector>

namespace pw::demo {

namespace {

    constexpr int kWeeks = 104;
    // The giving households kept at most, spread evenly over the roll.
    constexpr int kMostGivers = 3000;

    enum class Habit { Weekly, Monthly, Quarterly, Online };

    struct Household {
        qint64 head = 0;
        Habit habit = Habit::Weekly;
        qint64 usualCents = 0;
        bool checks = false;
        int nextCheck = 0;
    };

} // namespace

qint64 writeGiving(Database& db, const QDate& today, quint32 seed, const QString& recordedBy)
{
    detail::Random rnd(seed ^ 0x61F7B0A5u);
    const qint64 general = db.insert(QStringLiteral("INSERT INTO Fund (Name, Description, Fund_Order) VALUES ('General "
                                                    "Fund', 'Tithes and offerings', 1)")
        + sql::returningId());
    const qint64 building = db.insert(QStringLiteral("INSERT INTO Fund (Name, Description, Fund_Order) VALUES "
                                                     "('Building Fund', 'The new fellowship hall', 2)")
        + sql::returningId());
    const qint64 missions = db.insert(
        QStringLiteral("INSERT INTO Fund (Name, Description, Fund_Order) VALUES ('Missions', 'Home and abroad', 3)")
        + sql::returningId());
    db.exec(QStringLiteral("INSERT INTO Fund (Name, Description, Fund_Order) VALUES ('Benevolence', 'Help for "
                           "families in need', 4)"));

    const QList<qint64> found
        = db.ids(QStringLiteral("SELECT ID FROM Member WHERE Head_Of_Household = 1 AND "
                                "Member_Active_Status = 'Active' AND Status <> 'Prospect' ORDER BY ID"));
    const std::vector<qint64> heads(found.begin(), found.end());
    // About a third give; a large church's givers are spread over the roll.
    std::vector<Household> givers;
    const int wanted = std::min<int>(int(heads.size()) / 3, kMostGivers);
    const double step = wanted > 0 ? double(heads.size()) / wanted : 1.0;
    for (int i = 0; i < wanted; ++i) {
        Household h;
        h.head = heads[std::size_t(i * step)];
        const double kind = rnd.unit();
        h.habit = kind < 0.6 ? Habit::Weekly
            : kind < 0.85    ? Habit::Monthly
            : kind < 0.93    ? Habit::Online
                             : Habit::Quarterly;
        switch (h.habit) {
        case Habit::Weekly:
            h.usualCents = rnd.between(2, 30) * 500;
            break;
        case Habit::Monthly:
        case Habit::Online:
            h.usualCents = rnd.between(5, 60) * 1000;
            break;
        case Habit::Quarterly:
            h.usualCents = rnd.between(10, 50) * 10000;
            break;
        }
        h.checks = h.habit != Habit::Online && rnd.chance(0.6);
        h.nextCheck = rnd.between(1001, 9000);
        givers.push_back(h);
    }

    Statement envelope(db, QStringLiteral("INSERT INTO Giver (Member_ID, Envelope) VALUES (?, ?)"));
    for (std::size_t i = 0; i < givers.size(); ++i)
        envelope.run({ givers[i].head, qint64(i + 1) });
    Statement pledge(db,
        QStringLiteral("INSERT INTO Pledge (Member_ID, Fund_ID, Start_Date, End_Date, Amount_Cents) "
                       "VALUES (?, ?, ?, ?, ?)"));
    const QDate campaign(today.year() - 1, 1, 1);
    for (const Household& h : givers)
        if (rnd.chance(0.15))
            pledge.run({ h.head, building, sql::date(campaign), sql::date(campaign.addYears(3).addDays(-1)),
                qint64(rnd.between(10, 100)) * 10000 });

    Statement batch(db,
        QStringLiteral("INSERT INTO Gift_Batch (Batch_Date, Description, Entered_By, Edited_On) "
                       "VALUES (?, ?, ?, ?)")
            + sql::returningId());
    Statement gift(db,
        QStringLiteral("INSERT INTO Gift (Batch_ID, Member_ID, Gift_Date, Method, Check_Number, "
                       "Entered_By, Entered_On) VALUES (?, ?, ?, ?, ?, ?, ?)")
            + sql::returningId());
    Statement line(db, QStringLiteral("INSERT INTO Gift_Line (Gift_ID, Fund_ID, Amount_Cents) VALUES (?, ?, ?)"));
    Statement close(db,
        QStringLiteral("UPDATE Gift_Batch SET Control_Cents = ?, Control_Count = ?, Closed = ?, "
                       "Closed_By = ?, Closed_On = ? WHERE ID = ?"));
    const QDate lastSunday = today.addDays(-(today.dayOfWeek() % 7));
    qint64 written = 0;
    for (int week = kWeeks - 1; week >= 0; --week) {
        const QDate sunday = lastSunday.addDays(-7 * week);
        const QVariant day = sql::date(sunday);
        const QVariant stamp = sql::dateTime(QDateTime(sunday, QTime(12, 30)));
        const qint64 batchId = batch.insert({ day, QStringLiteral("Sunday offering"), recordedBy, stamp });
        qint64 total = 0;
        int count = 0;
        auto give = [&](qint64 member, const QString& method, const QString& check,
                        const std::vector<std::pair<qint64, qint64>>& lines) {
            const qint64 id
                = gift.insert({ batchId, sql::id(member), day, method, sql::text(check), recordedBy, stamp });
            for (const auto& [fund, cents] : lines) {
                line.run({ id, fund, cents });
                total += cents;
            }
            ++count;
            ++written;
        };
        for (Household& h : givers) {
            bool gives = false;
            switch (h.habit) {
            case Habit::Weekly:
                gives = rnd.chance(0.8);
                break;
            case Habit::Monthly:
            case Habit::Online:
                gives = sunday.day() <= 7;
                break;
            case Habit::Quarterly:
                gives = sunday.day() <= 7 && (sunday.month() % 3) == 1 && rnd.chance(0.9);
                break;
            }
            if (!gives)
                continue;
            const QString method = h.habit == Habit::Online ? QStringLiteral("Online")
                : h.checks                                  ? QStringLiteral("Check")
                                                            : QStringLiteral("Cash");
            const QString check = h.checks ? QString::number(h.nextCheck++) : QString();
            std::vector<std::pair<qint64, qint64>> lines { { general, h.usualCents } };
            if (rnd.chance(0.08))
                lines.push_back({ rnd.chance(0.5) ? building : missions, qint64(rnd.between(1, 10)) * 1000 });
            give(h.head, method, check, lines);
        }
        give(
            0, QStringLiteral("Cash"), QString(), { { general, qint64(rnd.between(20, 300)) * 100 + rnd.below(100) } });
        const bool closed = week > 0;
        close.run({ total, count, closed ? 1 : 0, closed ? QVariant(recordedBy) : QVariant(),
            closed ? sql::dateTime(QDateTime(sunday.addDays(1), QTime(10, 0))) : QVariant(), batchId });
    }
    return written;
}

} // namespace pw::demo
