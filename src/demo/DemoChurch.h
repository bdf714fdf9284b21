#pragma once

// The demonstration church while it is written: the connection, the one
// random stream every step draws from, in a fixed order, and what one step
// leaves for the next (classes, care groups, deacons, people who can serve).
// Each file of this folder writes one part of it: ChurchLists the church's
// own lists and classes, People one person's columns and home, Households
// the members' families, Prospects the prospects and their contacts, Offices
// who teaches, leads and serves, Accounts the login accounts.

#include "data/Database.h"
#include "data/Members.h"
#include "demo/DemoGenerator.h"
#include "demo/DemoPlan.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <array>
#include <unordered_set>
#include <utility>
#include <vector>

namespace pw::demo::detail {

inline QString utf8(const char* text) { return QString::fromUtf8(text); }

// Who added and edited the demo rows.
inline const QString kAdded = QStringLiteral("admin");
// The end of a responsibility held with no end in sight.
inline const QDate kForever(2099, 12, 31);

// Attendance levels as seeded, from most to least often.
inline const std::array<const char*, 6> kLevels
    = { "Every Week", "Most Weeks", "Monthly", "Occasionally", "Rarely", "Never" };

// A responsibility a member can hold, as seeded.
struct Role {
    const char* name;
    const char* description;
    bool yearly; // held for the church year, not open-ended
    int minAge;
    int maxAge;
    int volunteerWeight; // 0: given out by the generator, not picked at random
};

// An active adult member who can be given a class, a group or an office.
struct Candidate {
    qint64 id;
    bool male;
    int age;
    QDate since; // when they may first have served
};

// What the people of one home share.
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

// An outreach phase: its name, the contact that completes it and the weeks
// to wait before the next.
struct Phase {
    QString name;
    QString action;
    int weeks;
};

// The classes of one kind, by the age band each is meant for.
struct ClassSet {
    std::vector<Band> bands;
    std::vector<std::vector<qint64>> byBand;
    std::vector<std::pair<qint64, int>> all; // class ID and band
};

// The church being written. Its parts below take it in turn; they draw from
// rnd in a fixed order, which is what makes a seed give the same church.
struct Church {
    Church(Database& db, const DemoOptions& options);

    Database& db;
    Random rnd;
    QDate today;
    QDate yearEnd; // when offices held for the church year end
    QDate rollStart; // when the roll was first typed in
    const DemoOptions& options;
    Picker lastNames;
    Picker maleFirst;
    Picker femaleFirst;
    Picker maleMiddle;
    Picker femaleMiddle;
    Picker streets;
    Picker suffixes;
    Picker domains;
    Members::Inserter member;
    Statement family;
    Statement responsibility;
    Statement contact;

    std::vector<Phase> phases;
    std::vector<const Role*> volunteerRoles;
    std::vector<int> volunteerWeights;
    int volunteerTotal = 0;
    ClassSet sundaySchool;
    ClassSet discipleship;
    ClassSet wednesday;
    std::vector<qint64> careGroups;
    std::vector<std::array<qint64, 2>> careGroupAdults; // leader and assistant found among each group's families
    std::vector<qint64> deacons;
    std::unordered_set<qint64> deaconSet;
    std::vector<qint64> visitors; // who visits prospects
    std::vector<Candidate> candidates;
    DemoSummary summary;
};

// ChurchLists.cpp: the outreach phases as seeded; the church's own row, its
// responsibilities, classes and care groups, before anyone is written.
void readPhases(Church& ch);
void insertChurchLists(Church& ch, const std::vector<PlanHousehold>& plan);
// A class of the set for someone of that age, or 0 when none is meant for it.
qint64 classFor(Church& ch, const ClassSet& set, int age);

// People.cpp: what every person has, member or prospect.
Household newHousehold(Church& ch, const PlanHousehold& plan, const QString& lastName);
MemberRecord person(Church& ch, const PlanHousehold& plan, const PlanPerson& p, const Household& h, int age);
// Writes r as added on that day (and now and then edited since); returns its ID.
qint64 insertPerson(Church& ch, MemberRecord& r, const QDate& added);
// How each of ids is related to the first of them, the head.
void writeFamily(Church& ch, const PlanHousehold& plan, const std::vector<qint64>& ids);

// Households.cpp: a member family; returns the people written, head first.
std::vector<qint64> writeMemberHousehold(Church& ch, const PlanHousehold& plan, int index);

// Prospects.cpp: a prospect family with its contacts; returns the people written.
std::vector<qint64> writeProspectHousehold(Church& ch, const PlanHousehold& plan, int index);

// Offices.cpp: who holds which responsibility.
void addResponsibility(Church& ch, qint64 memberId, const QString& name, const QDate& start, const QDate& end);
void giveCurrent(Church& ch, const Candidate& c, const QString& name, bool yearly);
void volunteer(Church& ch, const Candidate& c);
// Teachers, group leaders and officers, once everyone is written.
void giveOutOffices(Church& ch);

// Accounts.cpp: the two login accounts.
void insertAccounts(Church& ch);

} // namespace pw::demo::detail
