#pragma once

// Attendance at the services and their classes: what a roll call lists,
// reads and saves, what the member screen shows of one person, and the rules
// the attendance reports and searches share. No window here; the screens
// call these.

#include "data/Members.h"
#include "data/Services.h"
#include "data/ThreeWay.h"

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QSet>
#include <QString>
#include <QVariant>
#include <vector>

namespace pw {
class Database;
}

namespace pw::attendance {

// The latest day of the service's weekday on or before day: the meeting a
// roll call opens on.
QDate latestMeetingDate(const services::Service& service, const QDate& day);

// One meeting: a service, its class (0 for a service without classes) and a date.
struct Meeting {
    QString service; // services::Service::code
    qint64 classId = 0;
    QDate date;
};

struct Person {
    qint64 id = 0;
    QString name; // "Last, First Middle"
};

// People listed on a meeting's roll call, by name: the class's members (for a
// service without classes: everyone with an attendance level set for it),
// everyone recorded at that service or class in the 8 weeks before the date,
// and everyone recorded at the meeting itself.
std::vector<Person> rollFor(Database& db, const Meeting& meeting);
// The name of one person as rolls list it; empty when there is no such person.
QString personName(Database& db, qint64 id);

// What is recorded for a meeting.
struct Recorded {
    QSet<qint64> present;
    QVariant headcount; // Null: none recorded
    QString recordedBy; // who saved last, and when
    QDateTime recordedAt;
};
Recorded load(Database& db, const Meeting& meeting);

struct SaveOutcome {
    // The headcount was changed at another workstation to another number
    // while this one changed it too (OnConflict::Report): nothing written.
    bool conflict = false;
    QVariant theirHeadcount;
    Recorded stored; // the meeting as saved
};

// Saves what this user changed since loading: people ticked are added, people
// unticked removed, the headcount written when it was changed. Another
// workstation's ticks and unticks of other people are kept; a headcount both
// changed differently is settled by onConflict.
SaveOutcome save(Database& db, const Meeting& meeting, const Recorded& loaded, const Recorded& mine,
    threeway::OnConflict onConflict, const QString& user, const QDateTime& now);

// One person's attendance for the member screen.
struct PersonAttendance {
    struct Line {
        QDate date;
        QString service; // its name
        QString className; // empty for a service without classes
    };
    QSet<QDate> dates; // every date attended, any service
    std::vector<Line> latest; // the last 12 attendances, newest first
    QDate lastAttended; // invalid: never
    int weeksOf13 = 0; // weeks of the last 13 (ending today) with any attendance
    QHash<QString, int> weeksByService; // the same per service code
};
PersonAttendance forPerson(Database& db, qint64 id, const QDate& today);

// The attendance level the weeks attended of the last 13 suggest: 12 or 13
// "Every Week", 8 to 11 "Most Weeks", 3 to 7 "Monthly", 2 "Occasionally", 1
// "Rarely", none "Never".
QString suggestedLevel(int weeksOf13);

// People who attended in at least atLeast of the ofWeeks weeks before a date
// and not since (that day included): a week is seven days, the last one
// ending the day before; a week counts once however many meetings it held.
struct NotSeenCriteria {
    int atLeast = 3;
    int ofWeeks = 8;
    QDate before;
    QString service; // empty: any service
};
struct NotSeen {
    qint64 id = 0;
    QString name;
    QString phone; // digits
    QDate lastAttended;
    int weeks = 0; // weeks attended of the ofWeeks
};
// The one statement the report runs, with its values.
QString notSeenStatement(const NotSeenCriteria& criteria, QVariantList& params);
std::vector<NotSeen> notSeenLately(Database& db, const NotSeenCriteria& criteria);

// Per service and week (weeks begin on Sunday): people recorded and
// headcounts, for the weeks from `from` to `to`.
struct WeekCount {
    QDate week; // its Sunday
    QString service; // code
    int people = 0;
    int headcount = 0;
    bool hasHeadcount = false;
};
std::vector<WeekCount> summary(Database& db, const QDate& from, const QDate& to);
QDate weekStart(const QDate& day);

// A class's roll sheet for a span of dates: its people, its meeting dates in
// the span and who was recorded on which.
struct RollSheet {
    QString className;
    std::vector<QDate> dates;
    std::vector<Person> people;
    QSet<QPair<qint64, QDate>> present;
};
// The first and last day of the month or quarter (3 months) that starts with
// the month of `day`.
std::pair<QDate, QDate> monthSpan(const QDate& day, bool quarter);
RollSheet rollSheet(Database& db, const services::Service& service, qint64 classId, const QDate& from, const QDate& to);

// A search criterion on attendance: people who attended (or did not) on or
// after a date, at any service or at one.
struct SinceCriterion {
    enum class Kind { None, Attended, NotAttended };
    Kind kind = Kind::None;
    QDate since;
    QString service; // empty: any service
};
// The condition on Member.ID and its values; empty text for Kind::None.
QString sinceCondition(const SinceCriterion& criterion, QVariantList& params);

// The classes of a service, by name: (identifier, name).
std::vector<std::pair<qint64, QString>> classesOf(Database& db, const services::Service& service);

} // namespace pw::attendance
