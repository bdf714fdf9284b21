#include "demo/DemoCheckins.h"

#include "data/Database.h"
#include "demo/DemoPlan.h"

#include <QHash>
#include <QSet>
#include <QTime>
#include <map>
#include <vector>

namespace pw::demo {

namespace {

    constexpr int kSundays = 4;
    constexpr int kChildAge = 12;
    // The characters of the station's codes: no vowels, no 0, 1, O or I.
    const QString kCodeAlphabet = QStringLiteral("BCDFGHJKLMNPQRSTVWXZ23456789");
    constexpr int kCodeLength = 3;
    constexpr int kAllCodes = 28 * 28 * 28;

    struct Child {
        qint64 id = 0;
        qint64 classId = 0;
        QString lastName;
    };

    QString newCode(detail::Random& rnd, QSet<QString>& used)
    {
        for (;;) {
            QString code;
            for (int i = 0; i < kCodeLength; ++i)
                code += kCodeAlphabet.at(rnd.below(int(kCodeAlphabet.size())));
            if (!used.contains(code)) {
                used.insert(code);
                return code;
            }
        }
    }

    QString stamp(const QDate& day, int hour, int minute, int second)
    {
        return QDateTime(day, QTime(hour, minute, second)).toString(Qt::ISODate);
    }

    QString firstName(detail::Random& rnd, bool female)
    {
        return QString::fromUtf8(rnd.pick(female ? data::femaleFirstNames() : data::maleFirstNames()).text);
    }

} // namespace

qint64 writeCheckins(Database& db, const QDate& today, quint32 seed)
{
    detail::Random rnd(seed ^ 0xC4EC6B15u);
    // Each child's household: the head who lists them.
    QHash<qint64, qint64> headOf;
    db.scan(QStringLiteral("SELECT Member_ID, Relative_Member_ID FROM Family_Connection ORDER BY rowid"), {},
        [&](const RowView& row) { headOf.insert(row.integer(1), row.integer(0)); });

    Statement checkin(db,
        QStringLiteral("INSERT INTO Checkin (Member_ID, Service, Class_ID, Checkin_Date, Code, Checked_In_At, "
                       "Checked_In_By, Station, Checked_Out_At, Checked_Out_By) VALUES (?, 'SS', ?, ?, ?, ?, ?, ?, "
                       "?, 'station1')"));
    const int back = today.dayOfWeek() % 7 == 0 ? 7 : today.dayOfWeek() % 7;
    const QDate lastSunday = today.addDays(-back);
    QSet<qint64> seen;
    std::vector<Child> checkedIn; // each child once, for the care notes
    qint64 rows = 0;
    for (int week = kSundays - 1; week >= 0; --week) {
        const QDate day = lastSunday.addDays(-7 * week);
        const QString born = day.addYears(-kChildAge).toString(Qt::ISODate);
        // The families of the children present, by head, in a fixed order.
        std::map<qint64, std::vector<Child>> families;
        db.scan(QStringLiteral("SELECT a.Member_ID, a.Class_ID, m.Last_Name FROM Attendance a JOIN Member m ON m.ID "
                               "= a.Member_ID WHERE a.Meeting_Date = ? AND a.Service = 'SS' AND a.Class_ID > 0 AND "
                               "m.Date_Of_Birth > ? ORDER BY a.Member_ID"),
            { day.toString(Qt::ISODate), born }, [&](const RowView& row) {
                const Child child { row.integer(0), row.integer(1), row.text(2) };
                families[headOf.value(child.id, child.id)].push_back(child);
            });
        QSet<QString> used;
        for (const auto& [head, children] : families) {
            if (used.size() >= kAllCodes)
                break;
            const QString code = newCode(rnd, used);
            const int station = rnd.between(1, 2);
            const QString in = stamp(day, 9, rnd.between(30, 39), rnd.between(0, 59));
            const QString out = stamp(day, 10, rnd.between(40, 49), rnd.between(0, 59));
            for (const Child& child : children) {
                checkin.run({ child.id, child.classId, day.toString(Qt::ISODate), code, in,
                    QStringLiteral("station%1").arg(station), QStringLiteral("Station %1").arg(station), out });
                ++rows;
                if (!seen.contains(child.id)) {
                    seen.insert(child.id);
                    checkedIn.push_back(child);
                }
            }
        }
    }

    Statement care(
        db, QStringLiteral("INSERT INTO Child_Care (Member_ID, Allergy_Note, Authorised_Pickup) VALUES (?, ?, ?)"));
    for (const Child& child : checkedIn) {
        if (!rnd.chance(0.08))
            continue;
        const bool allergy = rnd.chance(0.7);
        const QVariant note
            = allergy ? QVariant(rnd.chance(0.6) ? QStringLiteral("Peanuts") : QStringLiteral("Dairy")) : QVariant();
        QVariant pickup;
        if (!allergy || rnd.chance(0.5)) {
            // One draw after the other, so the names do not hang on the order of evaluation.
            if (rnd.chance(0.5)) {
                const QString grandmother = firstName(rnd, true);
                pickup = QStringLiteral("%1 %2 (grandmother)").arg(grandmother, child.lastName);
            } else {
                const QString grandfather = firstName(rnd, false);
                const QString aunt = firstName(rnd, true);
                pickup = QStringLiteral("%1 %2 (grandfather), %3 %2 (aunt)").arg(grandfather, child.lastName, aunt);
            }
        }
        care.run({ child.id, note, pickup });
    }
    return rows;
}

} // namespace pw::demo
