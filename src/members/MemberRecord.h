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

// The record as the member screen stores it: the name, e-mail and phone boxes
// without the blanks typed around their text, so that the duplicate rule and
// the searches find it. A box that still holds the value loaded for this
// person keeps it as it is: a field the user did not change is not written.
MemberRecord trimmedBoxes(MemberRecord record, const std::optional<MemberRecord>& loaded);

struct SaveOptions {
    // The outreach next step (phase, next contact date, action) is written
    // only when the screen has both a phase and an action chosen; otherwise
    // the stored values stay.
    bool writeNextStep = false;
    // Non-empty when a new picture was loaded: the Picture column becomes
    // ID + "." + pictureType, and writePicture is called, before the commit,
    // with the name (relative to the picture folder) to write the picture
    // to. That is the final name when no file has it yet, otherwise a
    // temporary name that replaces the old picture only once the save is
    // committed. When the save fails, what was written is removed and the
    // old picture stays. When writePicture throws an Error (a picture folder
    // that is missing or read-only), the person is saved all the same, the
    // Picture column and the folder stay as they were, and the result says so.
    QString pictureType;
    std::function<void(const QString& fileName)> writePicture;
    // Without a new picture: the person's picture is removed (the column
    // becomes Null; the file stays in the folder, as a replaced one does).
    bool removePicture = false;
    // The person as the screen loaded it. When set, saving an existing person
    // follows Members::saveEdited: another workstation's changes made
    // meanwhile stay, and a column both changed is a conflict handled as
    // onConflict says. When not set, every screen column is written.
    std::optional<MemberRecord> loaded;
    Members::OnConflict onConflict = Members::OnConflict::Report;
    // Runs inside the save's transaction once the row is written, with its
    // identifier: what must be stored together with the person or not at
    // all (a new family member's link to the head of household). When it
    // throws, nothing of the save is kept.
    std::function<void(qint64 memberId)> alsoWrite;
};

struct SaveResult {
    qint64 id = 0;
    // False only when onConflict is Report and conflicts were found: nothing
    // was written, and the screen asks the user (conflictQuestion()).
    bool saved = false;
    std::vector<Members::Conflict> conflicts;
    QStringList keptTheirs; // columns another workstation changed, left as they are
    MemberRecord stored; // the row as the save found it
    // Why the new picture was not stored although the person was; empty when
    // it was, or when there was none.
    QString pictureNotStored;
};

// Writes the record in one transaction: a new row (id 0) gets Date_Added and
// Added_By, an existing one Date_Edited and Edited_By, from the clock and the
// logged-in user. Throws when the row to update no longer exists or anything
// fails; the database and the picture folder are then unchanged.
SaveResult saveMember(const MemberRecord& record, const SaveOptions& options = {});

// The member screen's save: saveMember() over the record as it was loaded
// (options.loaded). When another workstation changed some of the same fields
// meanwhile, it asks conflictQuestion() (pw::saveAskingOnConflict) and saves
// again with the answer. The result is not saved (and its id is 0) when the
// user chose "Cancel": nothing was written.
SaveResult saveAskingOnConflict(const MemberRecord& record, SaveOptions options);

// The State of the church's own address (its first Church row); empty when
// none is recorded. A new person's State starts as this.
QString churchState();

// The caption the member screen shows for a Member column (for example
// "Cell" for Cell, "Address2" for Address_2); captions that appear on more
// than one tab name the tab.
QString fieldCaption(const QString& column);

// The question the member screen asks when a save found conflicts: which
// fields, changed by whom and when.
QString conflictQuestion(const SaveResult& result);

// "date - user" as the screen shows who added or last edited a row; a missing
// part contributes nothing.
QString auditText(const QDateTime& when, const QString& who);

} // namespace pw::members
