#include "members/MergeChoices.h"

#include "data/Database.h"
#include "data/Lookups.h"
#include "data/Sql.h"
#include "widgets/Context.h"

#include <QCoreApplication>
#include <QSqlQuery>

namespace pw::members {

namespace {

    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(MergeChoices)
    };

    const QStringList& auditColumns()
    {
        static const QStringList columns = { QStringLiteral("Date_Added"), QStringLiteral("Added_By"),
            QStringLiteral("Date_Edited"), QStringLiteral("Edited_By") };
        return columns;
    }

    // The name of the class, care group or person a link column names.
    QString linkedName(const QString& column, qint64 id)
    {
        static const QHash<QString, QString> names = {
            { QStringLiteral("Sunday_School_Class"), QStringLiteral("SELECT Name FROM Sunday_School WHERE ID = ?") },
            { QStringLiteral("Prospect_Sunday_School_Class_Assigned"),
                QStringLiteral("SELECT Name FROM Sunday_School WHERE ID = ?") },
            { QStringLiteral("Discipleship_Training_Class"),
                QStringLiteral("SELECT Name FROM Discipleship_Training WHERE ID = ?") },
            { QStringLiteral("Wednesday_Night_Class"),
                QStringLiteral("SELECT Name FROM Wednesday_Night WHERE ID = ?") },
        };
        if (names.contains(column))
            return sql::toText(db().scalar(names.value(column), { id }));
        QString person = QStringLiteral("SELECT Last_Name, First_Name FROM Member WHERE ID = ?");
        if (column.contains(QLatin1String("Care_Group")))
            person = QStringLiteral("SELECT m.Last_Name, m.First_Name FROM Care_Group g JOIN Member m ON m.ID = "
                                    "g.Group_Leader WHERE g.ID = ?");
        QSqlQuery q = db().exec(person, { id });
        return q.next() ? leaderName(sql::toText(q.value(0)), sql::toText(q.value(1))) : QString();
    }

    QDateTime lastChange(const MemberRecord& r) { return r.dateEdited.isValid() ? r.dateEdited : r.dateAdded; }

} // namespace

QVector<const Members::Column*> mergeFields()
{
    QVector<const Members::Column*> out;
    for (const Members::Column& c : Members::columns()) {
        if (!auditColumns().contains(c.columnName()))
            out.append(&c);
    }
    return out;
}

QString shownValue(const Members::Column& field, const MemberRecord& record)
{
    const QVariant value = field.valueOf(record);
    if (value.isNull())
        return {};
    switch (field.kind) {
    case Members::Kind::Date:
        return sql::toDate(value).toString(QStringLiteral("M/d/yyyy"));
    case Members::Kind::YesNo:
        return value.toBool() ? Tr::tr("Yes") : Tr::tr("No");
    case Members::Kind::Id: {
        const QString name = linkedName(field.columnName(), value.toLongLong());
        return name.isEmpty() ? Tr::tr("(ID %1)").arg(value.toLongLong()) : name;
    }
    default:
        return value.toString();
    }
}

bool removedValueByDefault(const Members::Column& field, const MemberRecord& kept, const MemberRecord& removed)
{
    const QVariant mine = field.valueOf(kept);
    const QVariant theirs = field.valueOf(removed);
    const auto empty = [&](const QVariant& v) { return v.isNull() || v.toString().isEmpty(); };
    if (field.kind != Members::Kind::YesNo && (empty(mine) || empty(theirs)))
        return empty(mine) && !empty(theirs);
    return mine != theirs && lastChange(removed) > lastChange(kept);
}

MemberRecord mergedRecord(const MemberRecord& kept, const MemberRecord& removed, const QSet<QString>& fromRemoved)
{
    MemberRecord out = kept;
    for (const Members::Column& c : Members::columns()) {
        if (fromRemoved.contains(c.columnName()))
            c.read(out, c.valueOf(removed));
    }
    return out;
}

} // namespace pw::members
