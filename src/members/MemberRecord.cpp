#include "members/MemberRecord.h"

#include "data/Clock.h"
#include "data/Database.h"
#include "data/Sql.h"
#include "members/MemberPicture.h"
#include "people/RequiredFields.h"
#include "widgets/Conflicts.h"
#include "widgets/Context.h"
#include "widgets/Formats.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <memory>

namespace pw::members {

namespace {
    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(MemberRecord)
    };
} // namespace

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
        return Error(Tr::tr("This person no longer exists in the database, so the changes could not be "
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
    static const QHash<QString, const char*> captions = {
        { QStringLiteral("Status"), QT_TRANSLATE_NOOP("MemberRecord", "Status (Contact Info)") },
        { QStringLiteral("First_Name"), QT_TRANSLATE_NOOP("MemberRecord", "First Name") },
        { QStringLiteral("Middle_Name"), QT_TRANSLATE_NOOP("MemberRecord", "Middle Name") },
        { QStringLiteral("Last_Name"), QT_TRANSLATE_NOOP("MemberRecord", "Last Name") },
        { QStringLiteral("Title"), QT_TRANSLATE_NOOP("MemberRecord", "Title") },
        { QStringLiteral("Address_1"), QT_TRANSLATE_NOOP("MemberRecord", "Address1") },
        { QStringLiteral("Address_2"), QT_TRANSLATE_NOOP("MemberRecord", "Address2") },
        { QStringLiteral("City"), QT_TRANSLATE_NOOP("MemberRecord", "City") },
        { QStringLiteral("State"), QT_TRANSLATE_NOOP("MemberRecord", "State") },
        { QStringLiteral("Zip"), QT_TRANSLATE_NOOP("MemberRecord", "Zip") },
        { QStringLiteral("Phone"), QT_TRANSLATE_NOOP("MemberRecord", "Home Phone") },
        { QStringLiteral("Cell"), QT_TRANSLATE_NOOP("MemberRecord", "Cell") },
        { QStringLiteral("Work_Phone"), QT_TRANSLATE_NOOP("MemberRecord", "Work Phone") },
        { QStringLiteral("Email"), QT_TRANSLATE_NOOP("MemberRecord", "Email") },
        { QStringLiteral("Picture"), QT_TRANSLATE_NOOP("MemberRecord", "Picture") },
        { QStringLiteral("Place_Of_Work"), QT_TRANSLATE_NOOP("MemberRecord", "Place of Work") },
        { QStringLiteral("Occupation"), QT_TRANSLATE_NOOP("MemberRecord", "Occupation") },
        { QStringLiteral("Date_Of_Birth"), QT_TRANSLATE_NOOP("MemberRecord", "Date of Birth") },
        { QStringLiteral("Anniversary_Date"), QT_TRANSLATE_NOOP("MemberRecord", "Anniv. Date") },
        { QStringLiteral("Gender"), QT_TRANSLATE_NOOP("MemberRecord", "Gender") },
        { QStringLiteral("Marital_Status"), QT_TRANSLATE_NOOP("MemberRecord", "Marrital Status") },
        { QStringLiteral("Head_Of_Household"), QT_TRANSLATE_NOOP("MemberRecord", "Head of Household") },
        { QStringLiteral("Map_Section"), QT_TRANSLATE_NOOP("MemberRecord", "Map Section") },
        { QStringLiteral("Hobbies"), QT_TRANSLATE_NOOP("MemberRecord", "Hobbies") },
        { QStringLiteral("Organizations"), QT_TRANSLATE_NOOP("MemberRecord", "Organizations") },
        { QStringLiteral("Notes"), QT_TRANSLATE_NOOP("MemberRecord", "Notes") },
        { QStringLiteral("Member_Active_Status"), QT_TRANSLATE_NOOP("MemberRecord", "Status (Church Info)") },
        { QStringLiteral("Member_Since"), QT_TRANSLATE_NOOP("MemberRecord", "Member Since") },
        { QStringLiteral("Came_Forward"), QT_TRANSLATE_NOOP("MemberRecord", "Came Forward") },
        { QStringLiteral("Baptized"), QT_TRANSLATE_NOOP("MemberRecord", "Baptized") },
        { QStringLiteral("Letter_Out"), QT_TRANSLATE_NOOP("MemberRecord", "Letter Out") },
        { QStringLiteral("Deceased_Date"), QT_TRANSLATE_NOOP("MemberRecord", "Deceased") },
        { QStringLiteral("Previous_Church"), QT_TRANSLATE_NOOP("MemberRecord", "Previous Church") },
        { QStringLiteral("Receive_Newsletter_Via_Mail"),
            QT_TRANSLATE_NOOP("MemberRecord", "Receive Newsletter Via Mail") },
        { QStringLiteral("Receive_Newsletter_Via_EMail"),
            QT_TRANSLATE_NOOP("MemberRecord", "Receive Newsletter Via E-Mail") },
        { QStringLiteral("Sunday_School_Attendance_Level"),
            QT_TRANSLATE_NOOP("MemberRecord", "Sunday School Attendance Level") },
        { QStringLiteral("Worship_Service_Attendance_Level"),
            QT_TRANSLATE_NOOP("MemberRecord", "Worship Service Attendance Level") },
        { QStringLiteral("Discipleship_Training_Attendance_Level"),
            QT_TRANSLATE_NOOP("MemberRecord", "Discipleship Training Attendance Level") },
        { QStringLiteral("Sunday_Evening_Service_Attendance_Level"),
            QT_TRANSLATE_NOOP("MemberRecord", "Sunday Evening Service Attendance Lavel") },
        { QStringLiteral("Wednesday_Night_Attendance_Level"),
            QT_TRANSLATE_NOOP("MemberRecord", "Wednesday Night Attendance Level") },
        { QStringLiteral("Sunday_School_Class"), QT_TRANSLATE_NOOP("MemberRecord", "Sunday School Class") },
        { QStringLiteral("Discipleship_Training_Class"),
            QT_TRANSLATE_NOOP("MemberRecord", "Discipleship Training Class") },
        { QStringLiteral("Wednesday_Night_Class"), QT_TRANSLATE_NOOP("MemberRecord", "Wednesday Night Class") },
        { QStringLiteral("Care_Group_Assigned"),
            QT_TRANSLATE_NOOP("MemberRecord", "Care Group Assigned (Church Info)") },
        { QStringLiteral("DeaconID"), QT_TRANSLATE_NOOP("MemberRecord", "Deacon Assigned") },
        { QStringLiteral("Prospect_Active_Status"), QT_TRANSLATE_NOOP("MemberRecord", "Status (Prospect Info)") },
        { QStringLiteral("Prospect_Source"), QT_TRANSLATE_NOOP("MemberRecord", "Prospect Source") },
        { QStringLiteral("Prospect_Member_Of"), QT_TRANSLATE_NOOP("MemberRecord", "Member Of") },
        { QStringLiteral("Prospect_Note"), QT_TRANSLATE_NOOP("MemberRecord", "Notes (Prospect Info)") },
        { QStringLiteral("Prospect_Sunday_School_Class_Assigned"),
            QT_TRANSLATE_NOOP("MemberRecord", "Sunday School Class Assigned") },
        { QStringLiteral("Prospect_Care_Group_Assigned"),
            QT_TRANSLATE_NOOP("MemberRecord", "Care Group Assigned (Prospect Info)") },
        { QStringLiteral("Prospect_Phase"), QT_TRANSLATE_NOOP("MemberRecord", "Phase") },
        { QStringLiteral("Prospect_Next_Contact_Date"), QT_TRANSLATE_NOOP("MemberRecord", "Next Contact") },
        { QStringLiteral("Prospect_Next_Contact_Action"), QT_TRANSLATE_NOOP("MemberRecord", "Action") },
    };
    const auto it = captions.constFind(column);
    return it == captions.cend() ? column : QCoreApplication::translate("MemberRecord", it.value());
}

QString conflictQuestion(const SaveResult& result)
{
    return pw::conflictQuestion(Tr::tr("person", "what a conflict question is about"),
        conflictFields(result.conflicts, fieldCaption), result.stored.editedBy, result.stored.dateEdited);
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
