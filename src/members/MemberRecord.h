#pragma once

// One Member row as the member screen shows and stores it, and the rules for
// reading and writing it. Kept apart from the widgets so that the column
// mapping can be checked on its own.

#include <QDate>
#include <QDateTime>
#include <QString>
#include <functional>
#include <optional>

namespace pw::members {

struct MemberRecord {
    qint64 id = 0; // 0: not yet saved

    // Contact
    QString status;
    QString firstName;
    QString middleName;
    QString lastName;
    QString title;
    QString address1;
    QString address2;
    QString city;
    QString state;
    QString zip;
    QString phone; // digits only
    QString cell;
    QString workPhone;
    QString email;
    QString picture; // file name inside the picture folder, e.g. "12.jpg"

    // Demographic
    QString placeOfWork;
    QString occupation;
    QDate dateOfBirth; // invalid: Null
    QString gender;
    QString maritalStatus;
    QDate anniversaryDate;
    bool headOfHousehold = false;
    QString mapSection;
    QString hobbies;
    QString organizations;
    QString notes;

    // Church
    QString memberActiveStatus;
    QDate memberSince;
    QString previousChurch;
    QDate cameForward;
    QDate baptized;
    QDate letterOut;
    QDate deceasedDate;
    bool newsletterMail = false;
    bool newsletterEmail = false;
    QString sundaySchoolAttendance;
    QString worshipAttendance;
    QString discipleshipAttendance;
    QString sundayEveningAttendance;
    QString wednesdayAttendance;
    qint64 sundaySchoolClass = 0; // 0: Null
    qint64 careGroup = 0;
    qint64 discipleshipClass = 0;
    qint64 wednesdayClass = 0;
    qint64 deacon = 0;

    // Prospect
    QString prospectStatus;
    QString prospectSource;
    qint64 prospectSundaySchoolClass = 0;
    qint64 prospectCareGroup = 0;
    QString prospectMemberOf;
    QString prospectNote;
    QString prospectPhase;
    QDate prospectNextContactDate;
    QString prospectNextContactAction;

    // Audit columns: read for display, never written from here.
    QDateTime dateAdded;
    QString addedBy;
    QDateTime dateEdited;
    QString editedBy;
};

// The row with this identifier, or nothing when there is none.
std::optional<MemberRecord> loadMemberRecord(qint64 id);

// True when the six values every person needs are present.
bool hasRequiredFields(const MemberRecord& record);

struct SaveOptions {
    // The outreach next step (phase, next contact date, action) is written
    // only when the screen has both a phase and an action chosen; otherwise
    // the stored values stay.
    bool writeNextStep = false;
    // Non-empty when a new picture was loaded: the Picture column becomes
    // ID + "." + pictureType and writePicture is called with that file name
    // before the row is committed. When it throws, nothing of the save stays.
    QString pictureType;
    std::function<void(const QString& fileName)> writePicture;
};

// Writes the record in one transaction: a new row (id 0) gets Date_Added and
// Added_By, an existing one Date_Edited and Edited_By, from the clock and the
// logged-in user. Returns the row's identifier. Throws when the row to update
// no longer exists or anything fails; the database is then unchanged.
qint64 saveMemberRecord(const MemberRecord& record, const SaveOptions& options = {});

// "date - user" as the screen shows who added or last edited a row; a missing
// part contributes nothing.
QString auditText(const QDateTime& when, const QString& who);

} // namespace pw::members
