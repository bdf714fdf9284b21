#include "navigators/StartPage.h"

#include "app/Context.h"
#include "data/Database.h"
#include "data/Lookups.h"
#include "data/Sql.h"

#include <QHash>
#include <QSqlQuery>
#include <algorithm>

namespace pw::navigators::startPage {

namespace {

    // Nobody whose death is recorded gets a greeting.
    const QString kAlive = QStringLiteral("Deceased_Date IS NULL AND (Member_Active_Status IS NULL OR NOT (%1))");

    QString placeholders(int count)
    {
        QStringList marks;
        for (int i = 0; i < count; ++i)
            marks.append(QStringLiteral("?"));
        return marks.join(QLatin1Char(','));
    }

    QString nameOf(const QSqlQuery& q, int last, int first)
    {
        return leaderName(sql::toText(q.value(last)), sql::toText(q.value(first)));
    }

} // namespace

std::vector<std::pair<QString, QDate>> monthDaysAhead(const QDate& first, int days)
{
    std::vector<std::pair<QString, QDate>> out;
    for (int i = 0; i < days; ++i) {
        const QDate day = first.addDays(i);
        out.emplace_back(day.toString(QStringLiteral("MM-dd")), day);
        if (day.month() == 2 && day.day() == 28 && !QDate::isLeapYear(day.year()))
            out.emplace_back(QStringLiteral("02-29"), day);
    }
    return out;
}

std::vector<Occasion> occasionsAhead(const QDate& today, int days)
{
    const auto ahead = monthDaysAhead(today, days);
    QHash<QString, QDate> dayOf;
    QVariantList values;
    for (const auto& [monthDay, day] : ahead) {
        dayOf.insert(monthDay, day);
        values.append(monthDay);
    }
    const QString list = placeholders(static_cast<int>(values.size()));
    QVariantList params;
    params << values << values << QStringLiteral("Deceased");
    // The month and day of a stored date are its characters 6 to 10, with or
    // without a time of day after it; one pass over the table finds both.
    QSqlQuery q = db().exec(
        QStringLiteral("SELECT ID, Last_Name, First_Name, Date_Of_Birth, Anniversary_Date, Marital_Status FROM Member "
                       "WHERE (substr(Date_Of_Birth, 6, 5) IN (%1) OR substr(Anniversary_Date, 6, 5) IN (%1)) AND ")
                .arg(list)
            + kAlive.arg(sql::textEquals(QStringLiteral("Member_Active_Status"))),
        params);
    std::vector<Occasion> out;
    while (q.next()) {
        const QString name = nameOf(q, 1, 2);
        const bool divorced = sql::compareText(sql::toText(q.value(5)), QStringLiteral("Divorced")) == 0;
        for (int column : { 3, 4 }) {
            const bool anniversary = column == 4;
            if (anniversary && divorced)
                continue;
            const QDate date = sql::toDate(q.value(column));
            if (!date.isValid())
                continue;
            const QDate day = dayOf.value(date.toString(QStringLiteral("MM-dd")));
            if (!day.isValid() || date.year() >= day.year())
                continue;
            out.push_back({ q.value(0).toLongLong(), name, day, day.year() - date.year(), anniversary });
        }
    }
    std::sort(out.begin(), out.end(), [](const Occasion& a, const Occasion& b) {
        if (a.day != b.day)
            return a.day < b.day;
        if (const int byName = sql::compareText(a.name, b.name))
            return byName < 0;
        return a.id < b.id;
    });
    return out;
}

std::vector<DueProspect> dueProspects(const QDate& today, int limit, int* total)
{
    // Compared as "before tomorrow", so a stored time of day still counts.
    const QString where = QStringLiteral(" FROM Member WHERE Prospect_Next_Contact_Date < ? AND ")
        + sql::textEquals(QStringLiteral("Prospect_Active_Status"));
    const QVariantList params = { sql::date(today.addDays(1)), QStringLiteral("Active") };
    if (total)
        *total = db().scalar(QStringLiteral("SELECT COUNT(*)") + where, params).toInt();
    QSqlQuery q = db().exec(QStringLiteral("SELECT ID, Last_Name, First_Name, Prospect_Next_Contact_Date, "
                                           "Prospect_Next_Contact_Action, Prospect_Phase")
            + where + QStringLiteral(" ORDER BY Prospect_Next_Contact_Date, ") + sql::orderByName()
            + QStringLiteral(", ID LIMIT ") + QString::number(qMax(0, limit)),
        params);
    std::vector<DueProspect> out;
    while (q.next())
        out.push_back({ q.value(0).toLongLong(), nameOf(q, 1, 2), sql::toDate(q.value(3)), sql::toText(q.value(4)),
            sql::toText(q.value(5)) });
    return out;
}

std::vector<RecentPerson> recentPeople(const QList<qint64>& ids)
{
    if (ids.isEmpty())
        return {};
    QVariantList params;
    for (qint64 id : ids)
        params.append(id);
    QSqlQuery q = db().exec(QStringLiteral("SELECT ID, Last_Name, First_Name, Status FROM Member WHERE ID IN (%1)")
                                .arg(placeholders(static_cast<int>(ids.size()))),
        params);
    QHash<qint64, RecentPerson> found;
    while (q.next()) {
        const qint64 id = q.value(0).toLongLong();
        found.insert(id, { id, nameOf(q, 1, 2), sql::toText(q.value(3)) });
    }
    std::vector<RecentPerson> out;
    for (qint64 id : ids)
        if (found.contains(id))
            out.push_back(found.value(id));
    return out;
}

} // namespace pw::navigators::startPage
