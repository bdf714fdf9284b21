#pragma once

// The member screen's rules for reading and writing one Member row, kept
// apart from the widgets so that they can be checked on their own.

#include "data/Members.h"

#include <QString>
#include <functional>
#include <optional>

namespace pw::members {


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
