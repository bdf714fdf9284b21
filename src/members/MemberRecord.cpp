#include "members/MemberRecord.h"

#include "data/Clock.h"
#include "app/Context.h"
#include "data/Database.h"
#include "data/Sql.h"

#include <QLocale>

namespace pw::members {

std::optional<MemberRecord> loadMemberRecord(qint64 memberId) { return Members::load(db(), memberId); }

bool hasRequiredFields(const MemberRecord& r)
{
    return !r.status.isEmpty() && !r.lastName.isEmpty() && !r.firstName.isEmpty() && !r.gender.isEmpty()
        && !r.memberActiveStatus.isEmpty() && !r.prospectStatus.isEmpty();
}

qint64 saveMemberRecord(const MemberRecord& record, const SaveOptions& options)
{
    Database& database = db();
    Transaction transaction(database);

    QStringList columns = Members::screenColumns();
    if (options.writeNextStep)
        columns += Members::nextStepColumns();
    MemberRecord row = record;
    const QDateTime now = clock().now();
    const QString user = ctx().user.username;

    qint64 memberId = record.id;
    if (memberId > 0) {
        row.dateEdited = now;
        row.editedBy = user;
        columns << QStringLiteral("Date_Edited") << QStringLiteral("Edited_By");
        // Another workstation may have removed the person meanwhile; saying
        // "saved" then would be untrue.
        if (Members::update(database, row, columns) != 1)
            throw Error(QStringLiteral("This person no longer exists in the database, so the changes could not be "
                                       "saved. Choose \"New\" to enter the person again."));
    } else {
        row.dateAdded = now;
        row.addedBy = user;
        columns << QStringLiteral("Date_Added") << QStringLiteral("Added_By");
        memberId = Members::insert(database, row, columns);
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
