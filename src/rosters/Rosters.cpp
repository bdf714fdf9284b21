#include "rosters/Rosters.h"

#include "data/Database.h"
#include "data/PersonName.h"
#include "data/Rows.h"
#include "data/Services.h"
#include "data/Sql.h"
#include "widgets/Formats.h"

#include <QCoreApplication>
#include <QSet>
#include <QSqlQuery>

namespace pw::rosters {

namespace {

    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(Rosters)
    };

    const QString kDate = QStringLiteral("yyyy-MM-dd");

    QDate dateOf(const QVariant& v) { return QDate::fromString(v.toString(), kDate); }
    QVariant stored(const QDate& d) { return d.isValid() ? QVariant(d.toString(kDate)) : QVariant(); }

    // The week of the month a day falls in: 1 for days 1-7, 5 for 29-31.
    int weekOfMonth(const QDate& d) { return (d.day() - 1) / 7 + 1; }

    const QString kPositionColumns = QStringLiteral(
        "SELECT ID, Name, Service, Needed, Responsibility, Position_Order, Active FROM Roster_Position");

    Position positionFrom(const QSqlQuery& q)
    {
        Position p;
        p.id = q.value(0).toLongLong();
        p.name = q.value(1).toString();
        p.service = q.value(2).toString();
        p.needed = q.value(3).toInt();
        p.responsibility = q.value(4).toString();
        p.order = q.value(5).toInt();
        p.active = q.value(6).toInt() != 0;
        return p;
    }

    const QString kAssignmentColumns
        = QStringLiteral("SELECT ID, Position_ID, Serve_Date, Member_ID, Confirmed, Note FROM Roster_Assignment");

    Assignment assignmentFrom(const QSqlQuery& q)
    {
        Assignment a;
        a.id = q.value(0).toLongLong();
        a.positionId = q.value(1).toLongLong();
        a.date = dateOf(q.value(2));
        a.memberId = q.value(3).toLongLong();
        a.confirmed = q.value(4).toInt() != 0;
        a.note = q.value(5).toString();
        return a;
    }

    std::vector<Assignment> readAssignments(Database& db, const QString& where, const QVariantList& params)
    {
        std::vector<Assignment> out;
        QSqlQuery q = db.exec(kAssignmentColumns + where, params);
        while (q.next())
            out.push_back(assignmentFrom(q));
        return out;
    }

    Unavailability unavailabilityFrom(const QSqlQuery& q)
    {
        Unavailability u;
        u.id = q.value(0).toLongLong();
        u.memberId = q.value(1).toLongLong();
        u.from = dateOf(q.value(2));
        u.to = dateOf(q.value(3));
        u.repeats = repeatsFromCode(q.value(4).toString());
        u.note = q.value(5).toString();
        return u;
    }

    const QString kUnavailableColumns
        = QStringLiteral("SELECT ID, Member_ID, From_Date, To_Date, Repeats, Note FROM Roster_Unavailable");

    // Church statuses of people who are not asked to serve.
    const QStringList kNotServing = { QStringLiteral("Inactive"), QStringLiteral("Homebound"),
        QStringLiteral("Moved Away"), QStringLiteral("Deceased") };

    QString ordinal(int week)
    {
        //: The week of the month in "Every first Sunday from 1/4/2026".
        static const char* const words[] = { QT_TRANSLATE_NOOP("Rosters", "first"),
            QT_TRANSLATE_NOOP("Rosters", "second"), QT_TRANSLATE_NOOP("Rosters", "third"),
            QT_TRANSLATE_NOOP("Rosters", "fourth"), QT_TRANSLATE_NOOP("Rosters", "fifth") };
        return QCoreApplication::translate("Rosters", words[qBound(1, week, 5) - 1]);
    }

} // namespace

bool Unavailability::covers(const QDate& day) const
{
    if (!from.isValid() || day < from)
        return false;
    switch (repeats) {
    case Repeats::Once:
        return day <= (to.isValid() ? to : from);
    case Repeats::Monthly:
        return (!to.isValid() || day <= to) && day.dayOfWeek() == from.dayOfWeek()
            && weekOfMonth(day) == weekOfMonth(from);
    case Repeats::Fortnightly:
        return (!to.isValid() || day <= to) && from.daysTo(day) % 14 == 0;
    }
    return false;
}

QString Unavailability::whenText() const
{
    const QString first = formats::dateText(from);
    const QString until = to.isValid() ? Tr::tr(" until %1").arg(formats::dateText(to)) : QString();
    const QString weekday = formats::dateLocale().dayName(from.dayOfWeek());
    switch (repeats) {
    case Repeats::Once:
        return to.isValid() && to != from ? Tr::tr("%1 to %2").arg(first, formats::dateText(to)) : first;
    case Repeats::Monthly:
        return Tr::tr("Every %1 %2 from %3%4").arg(ordinal(weekOfMonth(from)), weekday, first, until);
    case Repeats::Fortnightly:
        return Tr::tr("Every other %1 from %2%3").arg(weekday, first, until);
    }
    return first;
}

int minimumDaysApart(Frequency f)
{
    switch (f) {
    case Frequency::Weekly:
        return 0;
    case Frequency::Fortnightly:
        return 14;
    case Frequency::Monthly:
        return 28;
    }
    return 0;
}

QString frequencyText(Frequency f)
{
    switch (f) {
    case Frequency::Weekly:
        return Tr::tr("Every week");
    case Frequency::Fortnightly:
        return Tr::tr("Every other week");
    case Frequency::Monthly:
        return Tr::tr("Once a month");
    }
    return QString();
}

QString frequencyCode(Frequency f)
{
    switch (f) {
    case Frequency::Weekly:
        return QStringLiteral("Weekly");
    case Frequency::Fortnightly:
        return QStringLiteral("Fortnightly");
    case Frequency::Monthly:
        return QStringLiteral("Monthly");
    }
    return QString();
}

Frequency frequencyFromCode(const QString& code)
{
    if (code == QLatin1String("Fortnightly"))
        return Frequency::Fortnightly;
    if (code == QLatin1String("Monthly"))
        return Frequency::Monthly;
    return Frequency::Weekly;
}

QString repeatsCode(Repeats r)
{
    switch (r) {
    case Repeats::Once:
        return QString();
    case Repeats::Monthly:
        return QStringLiteral("Monthly");
    case Repeats::Fortnightly:
        return QStringLiteral("Fortnightly");
    }
    return QString();
}

Repeats repeatsFromCode(const QString& code)
{
    if (code == QLatin1String("Monthly"))
        return Repeats::Monthly;
    if (code == QLatin1String("Fortnightly"))
        return Repeats::Fortnightly;
    return Repeats::Once;
}

std::vector<Position> positions(Database& db, bool activeOnly)
{
    std::vector<Position> out;
    QSqlQuery q = db.exec(kPositionColumns + (activeOnly ? QStringLiteral(" WHERE Active = 1") : QString())
        + QStringLiteral(" ORDER BY Position_Order, ") + sql::orderText(QStringLiteral("Name"))
        + QStringLiteral(", ID"));
    while (q.next())
        out.push_back(positionFrom(q));
    return out;
}

std::optional<Position> position(Database& db, qint64 id)
{
    QSqlQuery q = db.exec(kPositionColumns + QStringLiteral(" WHERE ID = ?"), { id });
    if (!q.next())
        return std::nullopt;
    return positionFrom(q);
}

qint64 savePosition(Database& db, const Position& p)
{
    const QVariantList values = { sql::text(p.name.trimmed()), p.service, qMax(1, p.needed),
        p.responsibility.trimmed().isEmpty() ? QVariant() : QVariant(p.responsibility.trimmed()), p.order,
        p.active ? 1 : 0 };
    if (p.id == 0)
        return db.insert(QStringLiteral("INSERT INTO Roster_Position (Name, Service, Needed, Responsibility, "
                                        "Position_Order, Active) VALUES (?, ?, ?, ?, ?, ?)")
                + sql::returningId(),
            values);
    db.exec(QStringLiteral("UPDATE Roster_Position SET Name = ?, Service = ?, Needed = ?, Responsibility = ?, "
                           "Position_Order = ?, Active = ? WHERE ID = ?"),
        values + QVariantList { p.id });
    return p.id;
}

bool removePosition(Database& db, qint64 id)
{
    Transaction tx(db);
    const bool used = db.exists(QStringLiteral("SELECT 1 FROM Roster_Assignment WHERE Position_ID = ?"), { id });
    if (used) {
        db.exec(QStringLiteral("UPDATE Roster_Position SET Active = 0 WHERE ID = ?"), { id });
    } else {
        db.exec(QStringLiteral("DELETE FROM Roster_Preference WHERE Position_ID = ?"), { id });
        db.exec(QStringLiteral("DELETE FROM Roster_Position WHERE ID = ?"), { id });
    }
    tx.commit();
    return !used;
}

QList<QDate> servingDays(const QString& serviceCode, const QDate& from, const QDate& to)
{
    QList<QDate> out;
    const services::Service* service = services::byCode(serviceCode);
    if (!service || !from.isValid() || !to.isValid())
        return out;
    QDate day = from.addDays((service->weekday - from.dayOfWeek() + 7) % 7);
    for (; day <= to; day = day.addDays(7))
        out.append(day);
    return out;
}

std::vector<Assignment> assignments(Database& db, const QDate& from, const QDate& to)
{
    return readAssignments(db,
        QStringLiteral(" WHERE Serve_Date >= ? AND Serve_Date <= ? ORDER BY Serve_Date, Position_ID, ID"),
        { stored(from), stored(to) });
}

std::vector<Assignment> assignmentsOf(Database& db, qint64 memberId, const QDate& from)
{
    return readAssignments(db,
        QStringLiteral(" WHERE Member_ID = ? AND Serve_Date >= ? ORDER BY Serve_Date, Position_ID, ID"),
        { memberId, stored(from) });
}

QHash<qint64, std::vector<Unavailability>> unavailability(
    Database& db, const QList<qint64>& people, const QDate& from, const QDate& to)
{
    QHash<qint64, std::vector<Unavailability>> out;
    // Rows that start by the end of the period and have not ended before it
    // (a single day ends on its own date).
    const QString where = QStringLiteral(" WHERE From_Date <= ? AND COALESCE(To_Date, CASE WHEN Repeats = '' THEN "
                                         "From_Date ELSE '9999-12-31' END) >= ?");
    const QSet<qint64> wanted(people.begin(), people.end());
    QSqlQuery q = db.exec(kUnavailableColumns + where, { stored(to), stored(from) });
    while (q.next()) {
        Unavailability u = unavailabilityFrom(q);
        if (wanted.contains(u.memberId))
            out[u.memberId].push_back(std::move(u));
    }
    return out;
}

std::vector<Unavailability> unavailabilityOf(Database& db, qint64 memberId)
{
    std::vector<Unavailability> out;
    QSqlQuery q = db.exec(
        kUnavailableColumns + QStringLiteral(" WHERE Member_ID = ? ORDER BY From_Date DESC, ID DESC"), { memberId });
    while (q.next())
        out.push_back(unavailabilityFrom(q));
    return out;
}

qint64 addUnavailability(Database& db, const Unavailability& u)
{
    const QDate to = u.repeats == Repeats::Once && u.to.isValid() && u.to < u.from ? u.from : u.to;
    return db.insert(QStringLiteral("INSERT INTO Roster_Unavailable (Member_ID, From_Date, To_Date, Repeats, Note) "
                                    "VALUES (?, ?, ?, ?, ?)")
            + sql::returningId(),
        { u.memberId, stored(u.from), stored(to), sql::text(repeatsCode(u.repeats)), sql::text(u.note.trimmed()) });
}

void removeUnavailability(Database& db, qint64 id)
{
    db.exec(QStringLiteral("DELETE FROM Roster_Unavailable WHERE ID = ?"), { id });
}

bool unavailableOn(const std::vector<Unavailability>& rows, const QDate& day)
{
    return std::any_of(rows.begin(), rows.end(), [&](const Unavailability& u) { return u.covers(day); });
}

QHash<PreferenceKey, Frequency> preferences(Database& db)
{
    QHash<PreferenceKey, Frequency> out;
    db.forEach(
        QStringLiteral("SELECT Member_ID, Position_ID, Frequency FROM Roster_Preference"), {}, [&](const QSqlQuery& q) {
            out.insert({ q.value(0).toLongLong(), q.value(1).toLongLong() }, frequencyFromCode(q.value(2).toString()));
        });
    return out;
}

QHash<qint64, Frequency> preferencesOf(Database& db, qint64 memberId)
{
    QHash<qint64, Frequency> out;
    db.forEach(QStringLiteral("SELECT Position_ID, Frequency FROM Roster_Preference WHERE Member_ID = ?"), { memberId },
        [&](const QSqlQuery& q) { out.insert(q.value(0).toLongLong(), frequencyFromCode(q.value(1).toString())); });
    return out;
}

void setPreference(Database& db, qint64 memberId, qint64 positionId, std::optional<Frequency> f)
{
    Transaction tx(db);
    db.exec(QStringLiteral("DELETE FROM Roster_Preference WHERE Member_ID = ? AND Position_ID = ?"),
        { memberId, positionId });
    if (f)
        db.exec(QStringLiteral("INSERT INTO Roster_Preference (Member_ID, Position_ID, Frequency) VALUES (?, ?, ?)"),
            { memberId, positionId, frequencyCode(*f) });
    tx.commit();
}

QHash<qint64, QList<qint64>> candidates(Database& db, const std::vector<Position>& positions, const QDate& day)
{
    QHash<qint64, QList<qint64>> out;
    // Positions by the folded name of their responsibility; the others by id.
    QHash<QString, QList<qint64>> byResponsibility;
    QSet<qint64> open;
    for (const Position& p : positions) {
        out.insert(p.id, {});
        if (p.responsibility.trimmed().isEmpty())
            open.insert(p.id);
        else
            byResponsibility[p.responsibility.trimmed().toCaseFolded()].append(p.id);
    }
    QVariantList params;
    QStringList notServing;
    for (const QString& status : kNotServing) {
        notServing.append(QStringLiteral("?"));
        params.append(status);
    }
    const QString serving = QStringLiteral("m.Deceased_Date IS NULL AND COALESCE(m.Member_Active_Status, '') NOT IN "
                                           "(%1)")
                                .arg(notServing.join(QLatin1Char(',')));
    const QString order
        = QStringLiteral(" ORDER BY ") + sql::orderByName(QStringLiteral("m")) + QStringLiteral(", m.ID");
    // The spellings the rows use of the positions' responsibilities (any
    // letter case), read from the index, so the holders are then read
    // through it rather than by going over every responsibility held.
    QStringList spellings;
    if (!byResponsibility.isEmpty()) {
        for (const QString& name :
            db.texts(QStringLiteral("SELECT DISTINCT Responsibility FROM Member_Responsibility")))
            if (byResponsibility.contains(name.trimmed().toCaseFolded()))
                spellings.append(name);
    }
    if (!spellings.isEmpty()) {
        QVariantList values { stored(day), stored(day) };
        QStringList marks;
        for (const QString& name : std::as_const(spellings)) {
            marks.append(QStringLiteral("?"));
            values.append(name);
        }
        db.forEach(QStringLiteral("SELECT m.ID, r.Responsibility FROM Member_Responsibility AS r JOIN Member AS m ON "
                                  "m.ID = r.Member_ID WHERE (r.\"Start\" IS NULL OR r.\"Start\" <= ?) AND (r.\"End\" "
                                  "IS NULL OR r.\"End\" >= ?) AND r.Responsibility IN (%1) AND ")
                       .arg(marks.join(QLatin1Char(',')))
                + serving + order,
            values + params, [&](const QSqlQuery& q) {
                const auto it = byResponsibility.constFind(q.value(1).toString().trimmed().toCaseFolded());
                if (it == byResponsibility.constEnd())
                    return;
                const qint64 person = q.value(0).toLongLong();
                for (qint64 positionId : *it) {
                    QList<qint64>& list = out[positionId];
                    if (list.isEmpty() || list.constLast() != person)
                        list.append(person);
                }
            });
    }
    if (!open.isEmpty()) {
        db.forEach(QStringLiteral("SELECT m.ID, r.Position_ID FROM Roster_Preference AS r JOIN Member AS m ON m.ID = "
                                  "r.Member_ID WHERE ")
                + serving + order,
            params, [&](const QSqlQuery& q) {
                const qint64 positionId = q.value(1).toLongLong();
                if (open.contains(positionId))
                    out[positionId].append(q.value(0).toLongLong());
            });
    }
    return out;
}

QHash<qint64, QString> names(Database& db, const QList<qint64>& ids)
{
    QHash<qint64, QString> out;
    constexpr int kChunk = 500;
    for (qsizetype start = 0; start < ids.size(); start += kChunk) {
        QStringList marks;
        QVariantList params;
        for (qint64 id : ids.mid(start, kChunk)) {
            marks.append(QStringLiteral("?"));
            params.append(id);
        }
        db.forEach(QStringLiteral("SELECT ID, Last_Name, First_Name FROM Member WHERE ID IN (%1)")
                       .arg(marks.join(QLatin1Char(','))),
            params, [&](const QSqlQuery& q) {
                out.insert(q.value(0).toLongLong(), leaderName(q.value(1).toString(), q.value(2).toString()));
            });
    }
    return out;
}

SaveOutcome saveChanges(
    Database& db, const RosterChanges& changes, OnConflict onConflict, const QString& user, const QDateTime& now)
{
    SaveOutcome outcome;
    Transaction tx(db);
    rows::lockTable(db, QStringLiteral("Roster_Assignment"), Tr::tr("the rosters"));
    const auto current = [&](qint64 id) -> std::optional<Assignment> {
        const std::vector<Assignment> found = readAssignments(db, QStringLiteral(" WHERE ID = ?"), { id });
        if (found.empty())
            return std::nullopt;
        return found.front();
    };
    const auto placeText = [&](const Assignment& a) {
        const std::optional<Position> p = position(db, a.positionId);
        return Tr::tr("%1 on %2").arg(p ? p->name : Tr::tr("a position"), formats::dateText(a.date));
    };

    struct Write {
        enum Kind { Add, Remove, Change } kind;
        Assignment row;
    };
    std::vector<Write> writes;

    // Added turns, counted against the place's need with the turns stored now
    // and the ones this save adds before them.
    QHash<QPair<qint64, QString>, int> addedHere;
    for (const Assignment& a : changes.added) {
        const QVariantList place = { a.positionId, stored(a.date) };
        if (db.exists(QStringLiteral("SELECT 1 FROM Roster_Assignment WHERE Position_ID = ? AND Serve_Date = ? AND "
                                     "Member_ID = ?"),
                place + QVariantList { a.memberId }))
            continue;
        const std::optional<Position> p = position(db, a.positionId);
        const int stored = db.scalar(QStringLiteral("SELECT COUNT(*) FROM Roster_Assignment WHERE Position_ID = ? AND "
                                                    "Serve_Date = ?"),
                                 place)
                               .toInt();
        const int removedHere = int(std::count_if(changes.removed.begin(), changes.removed.end(),
            [&](const Assignment& r) { return r.positionId == a.positionId && r.date == a.date; }));
        int& before = addedHere[{ a.positionId, a.date.toString(kDate) }];
        // Places this screen saw empty and another workstation filled since.
        if (p && stored - removedHere + before >= p->needed) {
            if (onConflict == OnConflict::Report) {
                outcome.conflicts.append(Tr::tr("%1 was filled at another workstation").arg(placeText(a)));
                continue;
            }
            if (onConflict == OnConflict::KeepTheirs)
                continue;
        }
        ++before;
        writes.push_back({ Write::Add, a });
    }
    for (const Assignment& a : changes.removed)
        writes.push_back({ Write::Remove, a });
    for (const auto& [loaded, mine] : changes.changed) {
        const std::optional<Assignment> theirs = current(loaded.id);
        const bool moved = !theirs || theirs->confirmed != loaded.confirmed || theirs->note != loaded.note;
        if (moved) {
            if (onConflict == OnConflict::Report) {
                outcome.conflicts.append(theirs
                        ? Tr::tr("%1 was changed at another workstation").arg(placeText(loaded))
                        : Tr::tr("%1 was taken off at another workstation").arg(placeText(loaded)));
                continue;
            }
            if (onConflict == OnConflict::KeepTheirs)
                continue;
        }
        writes.push_back({ theirs ? Write::Change : Write::Add, mine });
    }
    if (!outcome.conflicts.isEmpty())
        return outcome;

    for (const Write& w : writes) {
        const Assignment& a = w.row;
        switch (w.kind) {
        case Write::Add:
            db.exec(QStringLiteral("INSERT INTO Roster_Assignment (Position_ID, Serve_Date, Member_ID, Confirmed, "
                                   "Note, Assigned_By, Assigned_On) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                { a.positionId, stored(a.date), a.memberId, a.confirmed ? 1 : 0, sql::text(a.note), sql::text(user),
                    now.toString(Qt::ISODate) });
            ++outcome.added;
            break;
        case Write::Remove:
            outcome.removed += db.execChange(QStringLiteral("DELETE FROM Roster_Assignment WHERE ID = ?"), { a.id });
            break;
        case Write::Change:
            outcome.changed
                += db.execChange(QStringLiteral("UPDATE Roster_Assignment SET Confirmed = ?, Note = ? WHERE ID = ?"),
                    { a.confirmed ? 1 : 0, sql::text(a.note), a.id });
            break;
        }
    }
    tx.commit();
    return outcome;
}

} // namespace pw::rosters
