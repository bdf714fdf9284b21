#pragma once

// What the start page lists: the birthdays and wedding anniversaries of the
// coming week, the prospects whose next contact is due, the people the user
// opened lately (each one query over the Member table), and who serves at
// the services of the coming week.

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

namespace pw::navigators::startPage {

// The days the page looks ahead: today and the six after it.
constexpr int kDays = 7;

// One birthday or wedding anniversary in the coming days.
struct Occasion {
    qint64 id = 0;
    QString name; // "Hale, Helen"
    QDate day; // the day it falls on within the coming days
    int years = 0; // the age reached, or the years married
    bool anniversary = false;
};

// The month and day ("MM-dd", as stored dates hold them from their sixth
// character) whose occasions fall on each of the days from `first` on, with
// the day they fall on. In a year without 29 February, the 29 February
// occasions fall on 28 February.
std::vector<std::pair<QString, QDate>> monthDaysAhead(const QDate& first, int days = kDays);

// The birthdays and anniversaries of the days from today on, in the order
// of the days and then by name. Nobody who has died is listed; an
// anniversary of a person recorded as divorced is not listed either; a date
// that lies on or after the day it would fall on (no years yet) is skipped.
std::vector<Occasion> occasionsAhead(const QDate& today, int days = kDays);

// A prospect whose next contact is due today or overdue.
struct DueProspect {
    qint64 id = 0;
    QString name;
    QDate date;
    QString action, phase;
};

// The prospects with an "Active" prospect status whose next contact date is
// today or earlier, the longest overdue first, at most `limit` of them;
// `total` gets how many there are in all.
std::vector<DueProspect> dueProspects(const QDate& today, int limit, int* total);

// A person the user opened lately.
struct RecentPerson {
    qint64 id = 0;
    QString name;
    QString status;
};

// The people of `ids` who still exist, in the order given.
std::vector<RecentPerson> recentPeople(const QList<qint64>& ids);

// One position at a service on one of the coming days.
struct ServingLine {
    QDate day;
    QString service; // "Worship Service"
    QString position;
    QStringList people; // "Hale, Helen"; "Cole, Ann (unavailable)" for one who cannot serve that day
    qint64 firstId = 0; // the first person listed; 0 when nobody is
    int empty = 0; // places still to fill
    bool conflict = false; // someone listed is unavailable that day
};

// Every active position on each day from today on that its service meets, by
// day and then in the positions' order, with the people down for it. Reads
// only that week's turns, their people's names and their times away.
std::vector<ServingLine> servingAhead(const QDate& today, int days = kDays);

} // namespace pw::navigators::startPage
