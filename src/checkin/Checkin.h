#pragma once

// Check-in: children (and, on choice, adults) checked in to their class of a
// service at a station, each family's check-in under one short security code
// printed on the children's name labels and the parent's stub, and checked
// out against that code. A check-in is also the person's attendance at that
// meeting (the roll call shows it). The rows of Checkin and Child_Care.

#include <QDate>
#include <QDateTime>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace pw {
class Database;
}

namespace pw::checkin {

// Security codes -------------------------------------------------------------

// The characters of a code: letters and digits a parent and a teacher cannot
// mistake for one another when read aloud or off a label: no vowels (so no
// word is spelled by accident), no 0, 1, O or I.
QString codeAlphabet();
constexpr int kCodeLength = 3;
// True for a code on the short list of letter groups not printed on a
// child's label (rude or alarming when read as a word).
bool avoided(const QString& code);
// A code of the alphabet that is not avoided and not among used (compared
// without regard to letter case). random(n) gives a number below n. Throws
// Error when every code is used (tens of thousands of families in one day).
QString newCode(const QSet<QString>& used, const std::function<quint32(quint32)>& random);

// Families and children --------------------------------------------------------

// A household found at the station.
struct Family {
    qint64 headId = 0; // the head of household, or the person when alone
    QString name; // "Hale, Henry & Helen"
    QString address; // first line and city, to tell two families apart
};

// Families by the last four digits of a phone (home or cell) when search is
// four digits, else by the start of the last name (at least two letters);
// by name, at most limit families.
std::vector<Family> findFamilies(Database& db, const QString& search, int limit = 50);

// One person of the household on the station's list.
struct Person {
    qint64 id = 0;
    QString firstName, lastName;
    QDate dateOfBirth;
    bool child = false; // under 18 on the day (no birth date: listed as an adult)
    qint64 classId = 0; // their class in the service (0: none, or a service without classes)
    QString className;
    QString allergy; // from Child_Care
    // Already checked in to this service on this day and not checked out:
    QString code; // empty when not
};

// The household of the head (the head, and the people the head lists) with
// their class for the service and whether they are checked in already; the
// children first, each group by age (youngest first).
std::vector<Person> household(Database& db, qint64 headId, const QString& serviceCode, const QDate& day);

// Checking in and out -------------------------------------------------------------

struct CheckinRequest {
    QString serviceCode;
    QDate day;
    std::vector<std::pair<qint64, qint64>> people; // person, class (0: none)
    QString station; // the station's name
    QString user; // the account logged in at the station
    QDateTime now;
};

struct CheckinResult {
    QString code; // the family's code, new or kept
    std::vector<qint64> checkedIn; // people checked in now
    std::vector<qint64> already; // already checked in to this service today: nothing new recorded
};

// Checks the people in, in one transaction under the lock every station's
// check-in waits for, so the day's codes stay unique across stations. A
// person already checked in to this service and day (not checked out) gets
// nothing new and is returned in `already`, to offer the reprint. The code is
// the one a person of the request still holds today (not checked out, any
// service: a child who stays on for a second service keeps it), else a new
// one. Each person checked in gets the attendance row of that meeting unless
// the roll call ticked them already.
CheckinResult checkIn(Database& db, const CheckinRequest& request, const std::function<quint32(quint32)>& random);

// One check-in as the check-out, the labels and the reports show it.
struct CheckinRow {
    qint64 id = 0;
    qint64 memberId = 0;
    QString firstName, lastName;
    QString service; // code
    qint64 classId = 0;
    QString className;
    QDate day;
    QString code;
    QDateTime checkedInAt;
    QString station;
    QDateTime checkedOutAt; // invalid while the child is in
    QString checkedOutBy;
    QString allergy;
    QString authorisedPickup;
};

// The check-ins of the day under the code (any letter case), all services.
std::vector<CheckinRow> byCode(Database& db, const QDate& day, const QString& code);
// Stamps the check-ins as checked out now; those already out are left as
// they are. Returns how many were stamped.
int checkOut(Database& db, const QList<qint64>& checkinIds, const QString& user, const QDateTime& now);
// The day's check-ins, by service, class and name; with stillIn, only those
// not checked out. With classId >= 0, only that class.
std::vector<CheckinRow> dayCheckins(Database& db, const QDate& day, bool stillIn, qint64 classId = -1);

// Care notes -----------------------------------------------------------------

struct Care {
    QString allergy;
    QString authorisedPickup;
};
Care careOf(Database& db, qint64 memberId);
void saveCare(Database& db, qint64 memberId, const Care& care);

} // namespace pw::checkin
