#include "members/MemberRecord.h"

#include "app/Clock.h"
#include "app/Context.h"
#include "data/Database.h"
#include "data/Sql.h"

#include <QLocale>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QVariantList>

namespace pw::members {

namespace {

    // The columns the screen writes on every save, in the order they are bound.
    QVector<QPair<QString, QVariant>> writtenColumns(const MemberRecord& r)
    {
        using sql::date;
        using sql::id;
        using sql::text;
        using sql::yesNo;
        return {
            { "Status", text(r.status) },
            { "First_Name", text(r.firstName) },
            { "Middle_Name", text(r.middleName) },
            { "Last_Name", text(r.lastName) },
            { "Title", text(r.title) },
            { "Address_1", text(r.address1) },
            { "Address_2", text(r.address2) },
            { "City", text(r.city) },
            { "State", text(r.state) },
            { "Zip", text(r.zip) },
            { "Phone", text(r.phone) },
            { "Cell", text(r.cell) },
            { "Work_Phone", text(r.workPhone) },
            { "Email", text(r.email) },
            { "Place_Of_Work", text(r.placeOfWork) },
            { "Occupation", text(r.occupation) },
            { "Date_Of_Birth", date(r.dateOfBirth) },
            { "Gender", text(r.gender) },
            { "Marital_Status", text(r.maritalStatus) },
            { "Anniversary_Date", date(r.anniversaryDate) },
            { "Head_Of_Household", yesNo(r.headOfHousehold) },
            { "Map_Section", text(r.mapSection) },
            { "Hobbies", text(r.hobbies) },
            { "Organizations", text(r.organizations) },
            { "Notes", text(r.notes) },
            { "Member_Active_Status", text(r.memberActiveStatus) },
            { "Member_Since", date(r.memberSince) },
            { "Previous_Church", text(r.previousChurch) },
            { "Came_Forward", date(r.cameForward) },
            { "Baptized", date(r.baptized) },
            { "Letter_Out", date(r.letterOut) },
            { "Deceased_Date", date(r.deceasedDate) },
            { "Receive_Newsletter_Via_Mail", yesNo(r.newsletterMail) },
            { "Receive_Newsletter_Via_EMail", yesNo(r.newsletterEmail) },
            { "Sunday_School_Attendance_Level", text(r.sundaySchoolAttendance) },
            { "Worship_Service_Attendance_Level", text(r.worshipAttendance) },
            { "Discipleship_Training_Attendance_Level", text(r.discipleshipAttendance) },
            { "Sunday_Evening_Service_Attendance_Level", text(r.sundayEveningAttendance) },
            { "Wednesday_Night_Attendance_Level", text(r.wednesdayAttendance) },
            { "Sunday_School_Class", id(r.sundaySchoolClass) },
            { "Care_Group_Assigned", id(r.careGroup) },
            { "Discipleship_Training_Class", id(r.discipleshipClass) },
            { "Wednesday_Night_Class", id(r.wednesdayClass) },
            { "DeaconID", id(r.deacon) },
            { "Prospect_Active_Status", text(r.prospectStatus) },
            { "Prospect_Source", text(r.prospectSource) },
            { "Prospect_Sunday_School_Class_Assigned", id(r.prospectSundaySchoolClass) },
            { "Prospect_Care_Group_Assigned", id(r.prospectCareGroup) },
            { "Prospect_Note", text(r.prospectNote) },
            { "Prospect_Member_Of", text(r.prospectMemberOf) },
        };
    }

} // namespace

std::optional<MemberRecord> loadMemberRecord(qint64 memberId)
{
    QSqlQuery q = db().exec(QStringLiteral("SELECT * FROM Member WHERE ID = ?"), { memberId });
    if (!q.next())
        return std::nullopt;
    const QSqlRecord rec = q.record();
    auto v = [&](const char* column) { return q.value(rec.indexOf(QLatin1String(column))); };
    auto t = [&](const char* column) { return sql::toText(v(column)); };
    auto d = [&](const char* column) { return sql::toDate(v(column)); };
    auto i = [&](const char* column) { return sql::toId(v(column)); };
    auto b = [&](const char* column) { return sql::toYesNo(v(column)); };

    MemberRecord r;
    r.id = i("ID");
    r.status = t("Status");
    r.firstName = t("First_Name");
    r.middleName = t("Middle_Name");
    r.lastName = t("Last_Name");
    r.title = t("Title");
    r.address1 = t("Address_1");
    r.address2 = t("Address_2");
    r.city = t("City");
    r.state = t("State");
    r.zip = t("Zip");
    r.phone = t("Phone");
    r.cell = t("Cell");
    r.workPhone = t("Work_Phone");
    r.email = t("Email");
    r.picture = t("Picture");
    r.placeOfWork = t("Place_Of_Work");
    r.occupation = t("Occupation");
    r.dateOfBirth = d("Date_Of_Birth");
    r.gender = t("Gender");
    r.maritalStatus = t("Marital_Status");
    r.anniversaryDate = d("Anniversary_Date");
    r.headOfHousehold = b("Head_Of_Household");
    r.mapSection = t("Map_Section");
    r.hobbies = t("Hobbies");
    r.organizations = t("Organizations");
    r.notes = t("Notes");
    r.memberActiveStatus = t("Member_Active_Status");
    r.memberSince = d("Member_Since");
    r.previousChurch = t("Previous_Church");
    r.cameForward = d("Came_Forward");
    r.baptized = d("Baptized");
    r.letterOut = d("Letter_Out");
    r.deceasedDate = d("Deceased_Date");
    r.newsletterMail = b("Receive_Newsletter_Via_Mail");
    r.newsletterEmail = b("Receive_Newsletter_Via_EMail");
    r.sundaySchoolAttendance = t("Sunday_School_Attendance_Level");
    r.worshipAttendance = t("Worship_Service_Attendance_Level");
    r.discipleshipAttendance = t("Discipleship_Training_Attendance_Level");
    r.sundayEveningAttendance = t("Sunday_Evening_Service_Attendance_Level");
    r.wednesdayAttendance = t("Wednesday_Night_Attendance_Level");
    r.sundaySchoolClass = i("Sunday_School_Class");
    r.careGroup = i("Care_Group_Assigned");
    r.discipleshipClass = i("Discipleship_Training_Class");
    r.wednesdayClass = i("Wednesday_Night_Class");
    r.deacon = i("DeaconID");
    r.prospectStatus = t("Prospect_Active_Status");
    r.prospectSource = t("Prospect_Source");
    r.prospectSundaySchoolClass = i("Prospect_Sunday_School_Class_Assigned");
    r.prospectCareGroup = i("Prospect_Care_Group_Assigned");
    r.prospectMemberOf = t("Prospect_Member_Of");
    r.prospectNote = t("Prospect_Note");
    r.prospectPhase = t("Prospect_Phase");
    r.prospectNextContactDate = d("Prospect_Next_Contact_Date");
    r.prospectNextContactAction = t("Prospect_Next_Contact_Action");
    r.dateAdded = sql::toDateTime(v("Date_Added"));
    r.addedBy = t("Added_By");
    r.dateEdited = sql::toDateTime(v("Date_Edited"));
    r.editedBy = t("Edited_By");
    return r;
}

bool hasRequiredFields(const MemberRecord& r)
{
    return !r.status.isEmpty() && !r.lastName.isEmpty() && !r.firstName.isEmpty() && !r.gender.isEmpty()
        && !r.memberActiveStatus.isEmpty() && !r.prospectStatus.isEmpty();
}

qint64 saveMemberRecord(const MemberRecord& record, const SaveOptions& options)
{
    Database& database = db();
    Transaction transaction(database);

    auto columns = writtenColumns(record);
    if (options.writeNextStep) {
        columns.append({ QStringLiteral("Prospect_Phase"), sql::text(record.prospectPhase) });
        columns.append({ QStringLiteral("Prospect_Next_Contact_Date"), sql::date(record.prospectNextContactDate) });
        columns.append({ QStringLiteral("Prospect_Next_Contact_Action"), sql::text(record.prospectNextContactAction) });
    }
    const QVariant now = sql::dateTime(clock().now());
    const QVariant user = sql::text(ctx().user.username);

    QStringList names;
    QVariantList values;
    for (const auto& column : columns) {
        names.append(column.first);
        values.append(column.second);
    }

    qint64 memberId = record.id;
    if (memberId > 0) {
        names << QStringLiteral("Date_Edited") << QStringLiteral("Edited_By");
        values << now << user;
        QString sets;
        for (const QString& name : names)
            sets += (sets.isEmpty() ? QString() : QStringLiteral(", ")) + name + QStringLiteral(" = ?");
        values.append(memberId);
        // Another workstation may have removed the person meanwhile; saying
        // "saved" then would be untrue.
        if (database.execChange(QStringLiteral("UPDATE Member SET ") + sets + QStringLiteral(" WHERE ID = ?"), values)
            != 1)
            throw Error(QStringLiteral("This person no longer exists in the database, so the changes could not be "
                                       "saved. Choose \"New\" to enter the person again."));
    } else {
        names << QStringLiteral("Date_Added") << QStringLiteral("Added_By");
        values << now << user;
        QStringList marks;
        for (int i = 0; i < names.size(); ++i)
            marks.append(QStringLiteral("?"));
        memberId = database.insert(QStringLiteral("INSERT INTO Member (") + names.join(QStringLiteral(", "))
                + QStringLiteral(") VALUES (") + marks.join(QStringLiteral(", ")) + QStringLiteral(")")
                + sql::returningId(),
            values);
    }

    if (!options.pictureType.isEmpty()) {
        const QString fileName = QString::number(memberId) + QLatin1Char('.') + options.pictureType;
        database.exec(QStringLiteral("UPDATE Member SET Picture = ? WHERE ID = ?"), { fileName, memberId });
        // The file goes before the commit: if it cannot be written, the row
        // is rolled back rather than left naming a file that is not there.
        if (options.writePicture)
            options.writePicture(fileName);
    }

    transaction.commit();
    return memberId;
}

QString auditText(const QDateTime& when, const QString& who)
{
    QString date;
    if (when.isValid()) {
        // The general form: a date alone when there is no time of day.
        date = when.time() == QTime(0, 0) ? QLocale().toString(when.date(), QLocale::ShortFormat)
                                          : QLocale().toString(when, QLocale::ShortFormat);
    }
    return date + QStringLiteral(" - ") + who;
}

} // namespace pw::members
