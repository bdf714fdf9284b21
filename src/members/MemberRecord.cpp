#include "members/MemberRecord.h"

#include "widgets/Conflicts.h"
#include "widgets/Context.h"
#include "widgets/Formats.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/Sql.h"
#include "members/MemberPicture.h"
#include "people/RequiredFields.h"

#include <QHash>
#include <QLocale>
#include <memory>

namespace pw::members {

std::optional<MemberRecord> loadMemberRecord(qint64 memberId) { return Members::load(db(), memberId); }

bool hasRequiredFields(const MemberRecord& r) { return people::missingRequiredFields(r).isEmpty(); }

MemberRecord trimmedBoxes(MemberRecord record, const std::optional<MemberRecord>& loaded)
{
    for (QString MemberRecord::*box : { &MemberRecord::firstName, &MemberRecord::middleName, &MemberRecord::lastName,
             &MemberRecord::email, &MemberRecord::phone, &MemberRecord::cell, &MemberRecord::workPhone }) {
        if (!loaded || loaded->id != record.id || record.*box != (*loaded).*box)
            record.*box = (record.*box).trimmed();
    }
    return record;
}

SaveResult saveMember(const MemberRecord& record, const SaveOptions& options)
{
    Database& database = db();
    Transaction transaction(database);

    QStringList columns = Members::screenColumns();
    if (options.writeNextStep)
        columns += Members::nextStepColumns();
    MemberRecord row = record;
    const QDateTime now = clock().now();
    const QString user = ctx().user.username;
    const auto gone = [] {
        // Another workstation may have removed the person meanwhile; saying
        // "saved" then would be untrue.
        return Error(QStringLiteral("This person no longer exists in the database, so the changes could not be "
                                    "saved. Choose \"New\" to enter the person again."));
    };

    SaveResult result;
    qint64 memberId = record.id;
    if (memberId > 0) {
        row.dateEdited = now;
        row.editedBy = user;
        const QStringList stamps { QStringLiteral("Date_Edited"), QStringLiteral("Edited_By") };
        if (options.loaded) {
            const Members::SaveOutcome outcome
                = Members::saveEdited(database, *options.loaded, row, columns, stamps, options.onConflict);
            result.conflicts = outcome.conflicts;
            result.keptTheirs = outcome.keptTheirs;
            result.stored = outcome.stored;
            if (outcome.result == Members::SaveOutcome::Result::Gone)
                throw gone();
            if (outcome.result == Members::SaveOutcome::Result::Conflicts) {
                result.id = memberId;
                return result; // the transaction rolls back: nothing was written
            }
        } else if (Members::update(database, row, columns + stamps) != 1) {
            throw gone();
        }
    } else {
        row.dateAdded = now;
        row.addedBy = user;
        columns << QStringLiteral("Date_Added") << QStringLiteral("Added_By");
        memberId = Members::insert(database, row, columns);
    }

    if (options.alsoWrite)
        options.alsoWrite(memberId);

    std::unique_ptr<picture::PendingFile> pending;
    if (!options.pictureType.isEmpty()) {
        const QString fileName = QString::number(memberId) + QLatin1Char('.') + options.pictureType;
        // Written before the commit, and put in place over an old picture
        // only after it. A picture that cannot be written costs the picture,
        // not the person: what was typed is saved.
        pending = std::make_unique<picture::PendingFile>(ctx().settings.pictureFolder, fileName);
        try {
            if (options.writePicture)
                options.writePicture(pending->writeName());
        } catch (const Error& e) {
            pending.reset();
            result.pictureNotStored = e.text();
        }
        if (pending)
            database.exec(QStringLiteral("UPDATE Member SET Picture = ? WHERE ID = ?"), { fileName, memberId });
    } else if (options.removePicture) {
        database.exec(QStringLiteral("UPDATE Member SET Picture = NULL WHERE ID = ?"), { memberId });
    }

    transaction.commit();
    if (pending) {
        try {
            pending->commit();
        } catch (const Error& e) {
            result.pictureNotStored = e.text(); // the row names the old picture, which stays
        }
    }
    result.id = memberId;
    result.saved = true;
    return result;
}

SaveResult saveAskingOnConflict(const MemberRecord& record, SaveOptions options)
{
    SaveResult result;
    const bool answered = pw::saveAskingOnConflict([&](Members::OnConflict how) {
        options.onConflict = how;
        result = saveMember(record, options);
        return result.saved ? QString() : conflictQuestion(result);
    });
    return answered ? result : SaveResult {};
}

QString churchState()
{
    return sql::toText(db().scalar(QStringLiteral("SELECT State FROM Church ORDER BY rowid LIMIT 1"))).trimmed();
}

QString fieldCaption(const QString& column)
{
    // The labels of the member screen, by column.
    static const QHash<QString, QString> captions = {
        { QStringLiteral("Status"), QStringLiteral("Status (Contact Info)") },
        { QStringLiteral("First_Name"), QStringLiteral("First Name") },
        { QStringLiteral("Middle_Name"), QStringLiteral("Middle Name") },
        { QStringLiteral("Last_Name"), QStringLiteral("Last Name") },
        { QStringLiteral("Title"), QStringLiteral("Title") },
        { QStringLiteral("Address_1"), QStringLiteral("Address1") },
        { QStringLiteral("Address_2"), QStringLiteral("Address2") },
        { QStringLiteral("City"), QStringLiteral("City") },
        { QStringLiteral("State"), QStringLiteral("State") },
        { QStringLiteral("Zip"), QStringLiteral("Zip") },
        { QStringLiteral("Phone"), QStringLiteral("Home Phone") },
        { QStringLiteral("Cell"), QStringLiteral("Cell") },
        { QStringLiteral("Work_Phone"), QStringLiteral("Work Phone") },
        { QStringLiteral("Email"), QStringLiteral("Email") },
        { QStringLiteral("Picture"), QStringLiteral("Picture") },
        { QStringLiteral("Place_Of_Work"), QStringLiteral("Place of Work") },
        { QStringLiteral("Occupation"), QStringLiteral("Occupation") },
        { QStringLiteral("Date_Of_Birth"), QStringLiteral("Date of Birth") },
        { QStringLiteral("Anniversary_Date"), QStringLiteral("Anniv. Date") },
        { QStringLiteral("Gender"), QStringLiteral("Gender") },
        { QStringLiteral("Marital_Status"), QStringLiteral("Marrital Status") },
        { QStringLiteral("Head_Of_Household"), QStringLiteral("Head of Household") },
        { QStringLiteral("Map_Section"), QStringLiteral("Map Section") },
        { QStringLiteral("Hobbies"), QStringLiteral("Hobbies") },
        { QStringLiteral("Organizations"), QStringLiteral("Organizations") },
        { QStringLiteral("Notes"), QStringLiteral("Notes") },
        { QStringLiteral("Member_Active_Status"), QStringLiteral("Status (Church Info)") },
        { QStringLiteral("Member_Since"), QStringLiteral("Member Since") },
        { QStringLiteral("Came_Forward"), QStringLiteral("Came Forward") },
        { QStringLiteral("Baptized"), QStringLiteral("Baptized") },
        { QStringLiteral("Letter_Out"), QStringLiteral("Letter Out") },
        { QStringLiteral("Deceased_Date"), QStringLiteral("Deceased") },
        { QStringLiteral("Previous_Church"), QStringLiteral("Previous Church") },
        { QStringLiteral("Receive_Newsletter_Via_Mail"), QStringLiteral("Receive Newsletter Via Mail") },
        { QStringLiteral("Receive_Newsletter_Via_EMail"), QStringLiteral("Receive Newsletter Via E-Mail") },
        { QStringLiteral("Sunday_School_Attendance_Level"), QStringLiteral("Sunday School Attendance Level") },
        { QStringLiteral("Worship_Service_Attendance_Level"), QStringLiteral("Worship Service Attendance Level") },
        { QStringLiteral("Discipleship_Training_Attendance_Level"),
            QStringLiteral("Discipleship Training Attendance Level") },
        { QStringLiteral("Sunday_Evening_Service_Attendance_Level"),
            QStringLiteral("Sunday Evening Service Attendance Lavel") },
        { QStringLiteral("Wednesday_Night_Attendance_Level"), QStringLiteral("Wednesday Night Attendance Level") },
        { QStringLiteral("Sunday_School_Class"), QStringLiteral("Sunday School Class") },
        { QStringLiteral("Discipleship_Training_Class"), QStringLiteral("Discipleship Training Class") },
        { QStringLiteral("Wednesday_Night_Class"), QStringLiteral("Wednesday Night Class") },
        { QStringLiteral("Care_Group_Assigned"), QStringLiteral("Care Group Assigned (Church Info)") },
        { QStringLiteral("DeaconID"), QStringLiteral("Deacon Assigned") },
        { QStringLiteral("Prospect_Active_Status"), QStringLiteral("Status (Prospect Info)") },
        { QStringLiteral("Prospect_Source"), QStringLiteral("Prospect Source") },
        { QStringLiteral("Prospect_Member_Of"), QStringLiteral("Member Of") },
        { QStringLiteral("Prospect_Note"), QStringLiteral("Notes (Prospect Info)") },
        { QStringLiteral("Prospect_Sunday_School_Class_Assigned"), QStringLiteral("Sunday School Class Assigned") },
        { QStringLiteral("Prospect_Care_Group_Assigned"), QStringLiteral("Care Group Assigned (Prospect Info)") },
        { QStringLiteral("Prospect_Phase"), QStringLiteral("Phase") },
        { QStringLiteral("Prospect_Next_Contact_Date"), QStringLiteral("Next Contact") },
        { QStringLiteral("Prospect_Next_Contact_Action"), QStringLiteral("Action") },
    };
    return captions.value(column, column);
}

QString conflictQuestion(const SaveResult& result)
{
    return pw::conflictQuestion(QStringLiteral("person"), conflictFields(result.conflicts, fieldCaption),
        result.stored.editedBy, result.stored.dateEdited);
}

QString auditText(const QDateTime& when, const QString& who)
{
    QString date;
    if (when.isValid()) {
        // The general form: a date alone when there is no time of day.
        date = formats::dateText(when.date());
        if (when.time() != QTime(0, 0))
            date += QLatin1Char(' ') + formats::dateLocale().toString(when.time(), QLocale::ShortFormat);
    }
    return date + QStringLiteral(" - ") + who;
}

} // namespace pw::members
