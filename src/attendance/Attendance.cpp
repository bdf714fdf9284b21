#include "attendance/Attendance.h"

#include "data/Database.h"
#include "data/Members.h"
#include "data/PersonName.h"
#include "data/Sql.h"

#include <QCoreApplication>
#include <QMap>
#include <algorithm>

namespace pw::attendance {

namespace {

    struct Attendance {
        Q_DECLARE_TR_FUNCTIONS(Attendance)
    };

    const QString kNameColumns = QStringLiteral("Member.ID, Member.Last_Name, Member.First_Name, Member.Middle_Name");

    // The order people are listed in everywhere: last, first and middle
    // name (in columns from `first` on) without regard to letter case.
    QString nameKey(const RowView& row, int first)
    {
        QString key;
        for (int i = first; i < first + 3; ++i) {
            sql::appendSortKey(key, row.text(i));
            key += QChar(1);
        }
        return key;
    }

    // The values in the order of their keys, ties by identifier.
    template <class T> std::vector<T> byKey(std::vector<std::pair<QString, T>>& keyed)
    {
        std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
            return a.first != b.first ? a.first < b.first : a.second.id < b.second.id;
        });
        std::vector<T> out;
        out.reserve(keyed.size());
        for (auto& k : keyed)
            out.push_back(std::move(k.second));
        return out;
    }

    // Reads people selected with kNameColumns first, in name order.
    std::vector<Person> people(Database& db, const QString& sqlText, const QVariantList& params)
    {
        std::vector<std::pair<QString, Person>> keyed;
        QSet<qint64> seen;
        db.scan(sqlText, params, [&](const RowView& row) {
            const qint64 id = row.integer(0);
            if (seen.contains(id))
                return;
            seen.insert(id);
            keyed.push_back(
                { nameKey(row, 1), Person { id, pw::personName(row.text(1), row.text(2), row.text(3)).trimmed() } });
        });
        return byKey(keyed);
    }

    const services::Service& serviceOf(const QString& code)
    {
        const services::Service* s = services::byCode(code);
        if (!s)
            throw Error(Attendance::tr("There is no service with the code \"%1\".").arg(code));
        return *s;
    }

    QString isoDate(const QDate& d) { return d.toString(Qt::ISODate); }

} // namespace

QDate latestMeetingDate(const services::Service& service, const QDate& day)
{
    return day.addDays(-((day.dayOfWeek() - service.weekday + 7) % 7));
}

std::vector<Person> rollFor(Database& db, const Meeting& meeting)
{
    const services::Service& service = serviceOf(meeting.service);
    const QString since = isoDate(meeting.date.addDays(-56));
    QString sqlText = QStringLiteral("SELECT ") + kNameColumns + QStringLiteral(" FROM Member WHERE ");
    QVariantList params;
    if (service.hasClasses()) {
        sqlText += service.classColumnName() + QStringLiteral(" = ?");
        params << meeting.classId;
    } else {
        sqlText += service.levelColumnName() + QStringLiteral(" IS NOT NULL AND ") + service.levelColumnName()
            + QStringLiteral(" <> ''");
    }
    // Whoever came lately (a visitor, someone in another class) stays on
    // the list for a while without being added again.
    sqlText += QStringLiteral(" UNION SELECT ") + kNameColumns
        + QStringLiteral(" FROM Attendance JOIN Member ON Member.ID = Attendance.Member_ID WHERE Attendance.Service "
                         "= ? AND Attendance.Class_ID = ? AND Attendance.Meeting_Date >= ? AND "
                         "Attendance.Meeting_Date <= ?");
    params << meeting.service << meeting.classId << since << isoDate(meeting.date);
    return people(db, sqlText, params);
}

QString personName(Database& db, qint64 id)
{
    const std::vector<Person> found
        = people(db, QStringLiteral("SELECT ") + kNameColumns + QStringLiteral(" FROM Member WHERE ID = ?"), { id });
    return found.empty() ? QString() : found.front().name;
}

Recorded load(Database& db, const Meeting& meeting)
{
    Recorded r;
    const QVariantList key = { meeting.service, meeting.classId, isoDate(meeting.date) };
    QDateTime latest;
    db.forEach(QStringLiteral("SELECT Member_ID, Recorded_By, Recorded_At FROM Attendance WHERE Service = ? AND "
                              "Class_ID = ? AND Meeting_Date = ?"),
        key, [&](const QSqlQuery& q) {
            r.present.insert(q.value(0).toLongLong());
            const QDateTime at = sql::toDateTime(q.value(2));
            if (!latest.isValid() || at > latest) {
                latest = at;
                r.recordedBy = q.value(1).toString();
            }
        });
    db.forEach(QStringLiteral("SELECT Headcount, Recorded_By, Recorded_At FROM Attendance_Headcount WHERE Service = "
                              "? AND Class_ID = ? AND Meeting_Date = ?"),
        key, [&](const QSqlQuery& q) {
            r.headcount = q.value(0).isNull() ? QVariant() : QVariant(q.value(0).toInt());
            const QDateTime at = sql::toDateTime(q.value(2));
            if (!latest.isValid() || at > latest) {
                latest = at;
                r.recordedBy = q.value(1).toString();
            }
        });
    r.recordedAt = latest;
    return r;
}

SaveOutcome save(Database& db, const Meeting& meeting, const Recorded& loaded, const Recorded& mine,
    threeway::OnConflict onConflict, const QString& user, const QDateTime& now)
{
    serviceOf(meeting.service);
    SaveOutcome outcome;
    const QVariantList key = { meeting.service, meeting.classId, isoDate(meeting.date) };
    const QVariant stamp = sql::dateTime(now);
    Transaction tx(db);
    const QVariant theirs = db.scalar(QStringLiteral("SELECT Headcount FROM Attendance_Headcount WHERE Service = ? "
                                                     "AND Class_ID = ? AND Meeting_Date = ?")
            + sql::lockingRows(db),
        key);
    const auto asNumber
        = [](const QVariant& v) { return v.isNull() || !v.isValid() ? QVariant() : QVariant(v.toInt()); };
    const threeway::Merge merge = threeway::merge(
        { QStringLiteral("Headcount") },
        [&](const QString&) {
            return threeway::Versions { asNumber(loaded.headcount), asNumber(mine.headcount), asNumber(theirs) };
        },
        onConflict);
    if (merge.refused) {
        outcome.conflict = true;
        outcome.theirHeadcount = asNumber(theirs);
        return outcome;
    }

    Statement add(db,
        QStringLiteral("INSERT INTO Attendance (Member_ID, Service, Class_ID, Meeting_Date, Recorded_By, Recorded_At) "
                       "VALUES (?, ?, ?, ?, ?, ?) ON CONFLICT (Service, Class_ID, Meeting_Date, Member_ID) DO "
                       "NOTHING"));
    for (qint64 id : mine.present)
        if (!loaded.present.contains(id))
            add.run({ id, meeting.service, meeting.classId, key.at(2), user, stamp });
    Statement remove(db,
        QStringLiteral("DELETE FROM Attendance WHERE Member_ID = ? AND Service = ? AND Class_ID = ? AND "
                       "Meeting_Date = ?"));
    for (qint64 id : loaded.present)
        if (!mine.present.contains(id))
            remove.run({ id, meeting.service, meeting.classId, key.at(2) });
    if (merge.written.contains(QStringLiteral("Headcount")))
        db.exec(QStringLiteral("INSERT INTO Attendance_Headcount (Service, Class_ID, Meeting_Date, Headcount, "
                               "Recorded_By, Recorded_At) VALUES (?, ?, ?, ?, ?, ?) ON CONFLICT (Service, Class_ID, "
                               "Meeting_Date) DO UPDATE SET Headcount = excluded.Headcount, Recorded_By = "
                               "excluded.Recorded_By, Recorded_At = excluded.Recorded_At"),
            { meeting.service, meeting.classId, key.at(2), asNumber(mine.headcount), user, stamp });
    tx.commit();
    outcome.stored = load(db, meeting);
    return outcome;
}

PersonAttendance forPerson(Database& db, qint64 id, const QDate& today)
{
    PersonAttendance out;
    QSet<int> weeks;
    QHash<QString, QSet<int>> serviceWeeks;
    db.scan(QStringLiteral("SELECT Meeting_Date, Service FROM Attendance WHERE Member_ID = ?"), { id },
        [&](const RowView& row) {
            const QDate d = QDate::fromString(row.text(0), Qt::ISODate);
            if (!d.isValid())
                return;
            out.dates.insert(d);
            if (d <= today && (!out.lastAttended.isValid() || d > out.lastAttended))
                out.lastAttended = d;
            const qint64 ago = d.daysTo(today);
            if (ago >= 0 && ago < 91) {
                weeks.insert(int(ago / 7));
                serviceWeeks[row.text(1)].insert(int(ago / 7));
            }
        });
    out.weeksOf13 = int(weeks.size());
    for (auto it = serviceWeeks.cbegin(); it != serviceWeeks.cend(); ++it)
        out.weeksByService.insert(it.key(), int(it.value().size()));

    db.forEach(QStringLiteral("SELECT a.Meeting_Date, a.Service, COALESCE(s.Name, d.Name, w.Name) FROM Attendance a "
                              "LEFT JOIN Sunday_School s ON a.Service = 'SS' AND s.ID = a.Class_ID "
                              "LEFT JOIN Discipleship_Training d ON a.Service = 'DT' AND d.ID = a.Class_ID "
                              "LEFT JOIN Wednesday_Night w ON a.Service = 'WN' AND w.ID = a.Class_ID "
                              "WHERE a.Member_ID = ? ORDER BY a.Meeting_Date DESC, a.Service LIMIT 12"),
        { id }, [&](const QSqlQuery& q) {
            const services::Service* s = services::byCode(q.value(1).toString());
            out.latest.push_back(
                { sql::toDate(q.value(0)), s ? s->nameText() : q.value(1).toString(), sql::toText(q.value(2)) });
        });
    return out;
}

QString suggestedLevel(int weeksOf13)
{
    if (weeksOf13 >= 12)
        return QStringLiteral("Every Week");
    if (weeksOf13 >= 8)
        return QStringLiteral("Most Weeks");
    if (weeksOf13 >= 3)
        return QStringLiteral("Monthly");
    if (weeksOf13 == 2)
        return QStringLiteral("Occasionally");
    if (weeksOf13 == 1)
        return QStringLiteral("Rarely");
    return QStringLiteral("Never");
}

QString notSeenStatement(const NotSeenCriteria& c, QVariantList& params)
{
    const int weeks = qBound(1, c.ofWeeks, 520);
    const QString before = isoDate(c.before);
    const QString first = isoDate(c.before.addDays(-7 * weeks));
    // Week 1 is the seven days before the date, week 2 the seven before
    // those, and so on (counted from 0 here).
    const QString week = QStringLiteral("(%1 - 1) / 7").arg(sql::daysBefore(QStringLiteral("a.Meeting_Date")));
    const QString service = c.service.isEmpty() ? QString() : QStringLiteral(" AND a.Service = ?");
    const auto serviceParam = [&] {
        if (!c.service.isEmpty())
            params << c.service;
    };
    // Person by person rather than meeting by meeting: `attender` walks the
    // index on (Member_ID, Meeting_Date) from one person to the next, one
    // seek each; a person seen since the date, or last seen before the
    // weeks, costs one or two more seeks; only the few left have their weeks
    // counted. Reading every attendance of the weeks instead grows with the
    // whole congregation's history.
    const QString sqlText = QStringLiteral(
        "WITH RECURSIVE attender(ID) AS (SELECT MIN(Member_ID) FROM Attendance UNION ALL "
        "SELECT (SELECT MIN(a.Member_ID) FROM Attendance a WHERE a.Member_ID > attender.ID) FROM attender "
        "WHERE attender.ID IS NOT NULL) "
        "SELECT w.ID, w.Last_Name, w.First_Name, w.Middle_Name, w.Phone, w.Last_Date, w.Weeks FROM "
        "(SELECT p.ID, p.Last_Name, p.First_Name, p.Middle_Name, p.Phone, p.Last_Date, "
        "(SELECT COUNT(DISTINCT %1) FROM Attendance a WHERE a.Member_ID = p.ID AND a.Meeting_Date >= ? AND "
        "a.Meeting_Date < ?%2) AS Weeks FROM "
        "(SELECT Member.ID, Member.Last_Name, Member.First_Name, Member.Middle_Name, Member.Phone, "
        "(SELECT MAX(a.Meeting_Date) FROM Attendance a WHERE a.Member_ID = Member.ID AND a.Meeting_Date < ?%2) "
        "AS Last_Date FROM attender JOIN Member ON Member.ID = attender.ID WHERE NOT EXISTS (SELECT 1 FROM "
        "Attendance a WHERE a.Member_ID = Member.ID AND a.Meeting_Date >= ?%2)) p WHERE p.Last_Date >= ?) w "
        "WHERE w.Weeks >= ?")
                                .arg(week, service);
    params << before << first << before;
    serviceParam();
    params << before;
    serviceParam();
    params << before;
    serviceParam();
    params << first << qMax(1, c.atLeast);
    return sqlText;
}

std::vector<NotSeen> notSeenLately(Database& db, const NotSeenCriteria& criteria)
{
    QVariantList params;
    const QString sqlText = notSeenStatement(criteria, params);
    std::vector<std::pair<QString, NotSeen>> keyed;
    db.scan(sqlText, params, [&](const RowView& row) {
        NotSeen n;
        n.id = row.integer(0);
        n.name = pw::personName(row.text(1), row.text(2), row.text(3)).trimmed();
        n.phone = row.text(4);
        n.lastAttended = QDate::fromString(row.text(5), Qt::ISODate);
        n.weeks = int(row.integer(6));
        keyed.push_back({ nameKey(row, 1), std::move(n) });
    });
    return byKey(keyed);
}

QDate weekStart(const QDate& day) { return day.addDays(-(day.dayOfWeek() % 7)); }

std::vector<WeekCount> summary(Database& db, const QDate& from, const QDate& to)
{
    QMap<QPair<QDate, QString>, WeekCount> weeks;
    const QVariantList span = { isoDate(from), isoDate(to) };
    const auto slot = [&](const QString& date, const QString& service) -> WeekCount& {
        const QDate week = weekStart(QDate::fromString(date, Qt::ISODate));
        WeekCount& w = weeks[{ week, service }];
        w.week = week;
        w.service = service;
        return w;
    };
    db.scan(QStringLiteral("SELECT Meeting_Date, Service, COUNT(DISTINCT Member_ID) FROM Attendance WHERE "
                           "Meeting_Date >= ? AND Meeting_Date <= ? GROUP BY Meeting_Date, Service"),
        span, [&](const RowView& row) { slot(row.text(0), row.text(1)).people += int(row.integer(2)); });
    db.scan(QStringLiteral("SELECT Meeting_Date, Service, SUM(Headcount) FROM Attendance_Headcount WHERE "
                           "Meeting_Date >= ? AND Meeting_Date <= ? AND Headcount IS NOT NULL GROUP BY "
                           "Meeting_Date, Service"),
        span, [&](const RowView& row) {
            WeekCount& w = slot(row.text(0), row.text(1));
            w.headcount += int(row.integer(2));
            w.hasHeadcount = true;
        });
    std::vector<WeekCount> out;
    for (const WeekCount& w : weeks)
        out.push_back(w);
    return out;
}

std::pair<QDate, QDate> monthSpan(const QDate& day, bool quarter)
{
    const QDate first(day.year(), day.month(), 1);
    return { first, first.addMonths(quarter ? 3 : 1).addDays(-1) };
}

RollSheet rollSheet(Database& db, const services::Service& service, qint64 classId, const QDate& from, const QDate& to)
{
    RollSheet sheet;
    if (service.hasClasses())
        sheet.className = sql::toText(
            db.scalar(QStringLiteral("SELECT Name FROM %1 WHERE ID = ?").arg(service.classTableName()), { classId }));
    for (QDate d = latestMeetingDate(service, to); d >= from; d = d.addDays(-7))
        sheet.dates.insert(sheet.dates.begin(), d);
    sheet.people = rollFor(db, { service.codeText(), classId, to });
    // Everyone recorded in the span is on the sheet, whoever has left the class since.
    const std::vector<Person> recorded = people(db,
        QStringLiteral("SELECT ") + kNameColumns
            + QStringLiteral(" FROM Attendance JOIN Member ON Member.ID = Attendance.Member_ID WHERE "
                             "Attendance.Service = ? AND Attendance.Class_ID = ? AND Attendance.Meeting_Date >= ? AND "
                             "Attendance.Meeting_Date <= ?"),
        { service.codeText(), classId, isoDate(from), isoDate(to) });
    QSet<qint64> listed;
    for (const Person& p : sheet.people)
        listed.insert(p.id);
    for (const Person& p : recorded)
        if (!listed.contains(p.id))
            sheet.people.push_back(p);
    db.scan(QStringLiteral("SELECT Member_ID, Meeting_Date FROM Attendance WHERE Service = ? AND Class_ID = ? AND "
                           "Meeting_Date >= ? AND Meeting_Date <= ?"),
        { service.codeText(), classId, isoDate(from), isoDate(to) }, [&](const RowView& row) {
            sheet.present.insert({ row.integer(0), QDate::fromString(row.text(1), Qt::ISODate) });
        });
    return sheet;
}

QString sinceCondition(const SinceCriterion& c, QVariantList& params)
{
    if (c.kind == SinceCriterion::Kind::None)
        return {};
    params << isoDate(c.since);
    QString inner = QStringLiteral("SELECT 1 FROM Attendance WHERE Attendance.Member_ID = Member.ID AND "
                                   "Attendance.Meeting_Date >= ?");
    if (!c.service.isEmpty()) {
        inner += QStringLiteral(" AND Attendance.Service = ?");
        params << c.service;
    }
    return (c.kind == SinceCriterion::Kind::NotAttended ? QStringLiteral("NOT EXISTS (") : QStringLiteral("EXISTS ("))
        + inner + QLatin1Char(')');
}

std::vector<std::pair<qint64, QString>> classesOf(Database& db, const services::Service& service)
{
    std::vector<std::pair<qint64, QString>> out;
    if (!service.hasClasses())
        return out;
    db.forEach(QStringLiteral("SELECT ID, Name FROM %1 ORDER BY %2, ID")
                   .arg(service.classTableName(), sql::orderText(QStringLiteral("Name"))),
        {}, [&](const QSqlQuery& q) {
            out.push_back({ q.value(0).toLongLong(), q.value(1).toString() });
        });
    return out;
}

} // namespace pw::attendance
