#include "navigators/StartPage.h"

#include "data/Database.h"
#include "data/Lookups.h"
#include "data/Services.h"
#include "data/Sql.h"
#include "rosters/Rosters.h"
#include "widgets/Context.h"

#include <QCoreApplication>
#include <QHash>
#include <QSqlQuery>
#include <algorithm>

namespace pw::navigators::startPage {

namespace {

    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(StartPage)
    };

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
    // The month and day of a stored date are its characters 6 to 10, with or
    // without a time of day after it; one pass over the table finds both.
    // The few rows found are checked further here rather than by the engine
    // calling back for every row of the table.
    struct Found {
        Occasion occasion;
        QString key; // the name's sort key
    };
    std::vector<Found> found;
    const QString deceased = sql::equalityKey(QStringLiteral("Deceased"));
    const QString divorced = sql::equalityKey(QStringLiteral("Divorced"));
    const auto is
        = [](const QString& text, const QString& key) { return !text.isEmpty() && sql::equalityKey(text) == key; };
    db().scan(QStringLiteral("SELECT ID, Last_Name, First_Name, Date_Of_Birth, Anniversary_Date, Marital_Status, "
                             "Member_Active_Status FROM Member WHERE (substr(Date_Of_Birth, 6, 5) IN (%1) OR "
                             "substr(Anniversary_Date, 6, 5) IN (%1)) AND Deceased_Date IS NULL")
                  .arg(list),
        values + values, [&](const RowView& row) {
            if (is(row.text(6), deceased))
                return;
            QString name;
            QString key;
            for (int column : { 3, 4 }) {
                const bool anniversary = column == 4;
                if (anniversary && is(row.text(5), divorced))
                    continue;
                const QString stored = row.text(column);
                const QDate day = dayOf.value(stored.mid(5, 5));
                const int year = QStringView(stored).left(4).toInt();
                if (!day.isValid() || year <= 0 || year >= day.year())
                    continue;
                if (name.isNull()) {
                    name = leaderName(row.text(1), row.text(2));
                    key = sql::sortKey(name);
                }
                found.push_back({ { row.integer(0), name, day, day.year() - year, anniversary }, key });
            }
        });
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        if (a.occasion.day != b.occasion.day)
            return a.occasion.day < b.occasion.day;
        if (a.key != b.key)
            return a.key < b.key;
        return a.occasion.id < b.occasion.id;
    });
    std::vector<Occasion> out;
    out.reserve(found.size());
    for (Found& f : found)
        out.push_back(std::move(f.occasion));
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

std::vector<ServingLine> servingAhead(const QDate& today, int days)
{
    const QDate last = today.addDays(days - 1);
    const std::vector<rosters::Position> positions = rosters::positions(db(), true);
    if (positions.empty())
        return {};
    QHash<QPair<qint64, QDate>, QList<qint64>> serving;
    QList<qint64> people;
    for (const rosters::Assignment& a : rosters::assignments(db(), today, last)) {
        serving[{ a.positionId, a.date }].append(a.memberId);
        people.append(a.memberId);
    }
    const QHash<qint64, QString> names = rosters::names(db(), people);
    const auto away = rosters::unavailability(db(), people, today, last);

    std::vector<ServingLine> out;
    for (QDate day = today; day <= last; day = day.addDays(1)) {
        for (const rosters::Position& p : positions) {
            if (rosters::servingDays(p.service, day, day).isEmpty())
                continue;
            const services::Service* service = services::byCode(p.service);
            ServingLine line { day, service ? service->nameText() : p.service, p.name, {}, 0, 0, false };
            const QList<qint64> ids = serving.value({ p.id, day });
            for (qint64 id : ids) {
                const bool unavailable = rosters::unavailableOn(away.value(id), day);
                line.people.append(names.value(id) + (unavailable ? Tr::tr(" (unavailable)") : QString()));
                line.conflict = line.conflict || unavailable;
            }
            line.firstId = ids.isEmpty() ? 0 : ids.first();
            line.empty = std::max(0, p.needed - int(ids.size()));
            out.push_back(std::move(line));
        }
    }
    return out;
}

} // namespace pw::navigators::startPage
