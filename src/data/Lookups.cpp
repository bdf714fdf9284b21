#include "data/Lookups.h"

#include "data/Database.h"
#include "data/Sql.h"

#include <QSqlQuery>
#include <algorithm>
#include <vector>

namespace pw {

QString personName(const QString& last, const QString& first, const QString& middle)
{
    return last + QStringLiteral(", ") + first + QLatin1Char(' ') + middle;
}

QString personNameWithTitle(const QString& last, const QString& first, const QString& middle, const QString& title)
{
    return personName(last, first, middle) + QLatin1Char(' ') + title;
}

QString leaderName(const QString& last, const QString& first) { return last + QStringLiteral(", ") + first; }

namespace Lookups {

    namespace {

        // A one-column lookup table in the column's alphabetical order.
        QStringList lookup(Database& db, const QString& table, const QString& column)
        {
            return db.texts(QStringLiteral("SELECT %1 FROM %2 ORDER BY %3").arg(column, table, sql::orderText(column)));
        }

        // Rows of (last name, first name, identifier) shown as leaders.
        QVector<PickItem> leaders(Database& db, const QString& sqlText, const QVariantList& params = {})
        {
            QVector<PickItem> out;
            db.forEach(sqlText, params, [&out](const QSqlQuery& q) {
                out.append({ leaderName(sql::toText(q.value(0)), sql::toText(q.value(1))), sql::toId(q.value(2)) });
            });
            return out;
        }

    } // namespace

    QVector<PersonName> people(Database& db)
    {
        // Read in table order and sorted here: the engine would sort with
        // the case-blind collation, calling back into the program for each
        // of some two million comparisons. Each person gets one key, the
        // three name keys joined by a character below every letter, so a
        // shorter last name still sorts ahead of a longer one it starts.
        QVector<PersonName> read;
        std::vector<QString> keys;
        db.scan(QStringLiteral(
                    "SELECT ID, Last_Name, First_Name, Middle_Name, Title, Status, Head_Of_Household FROM Member"),
            {}, [&](const RowView& r) {
                PersonName p { r.integer(0), r.text(1), r.text(2), r.text(3), r.text(4), r.text(5),
                    r.integer(6) != 0 };
                QString key;
                key.reserve(p.last.size() + p.first.size() + p.middle.size() + 2);
                sql::appendSortKey(key, p.last);
                key.append(QChar(0));
                sql::appendSortKey(key, p.first);
                key.append(QChar(0));
                sql::appendSortKey(key, p.middle);
                keys.push_back(std::move(key));
                read.append(std::move(p));
            });

        // The sort moves small entries holding the keys' first eight
        // characters; the whole key is read only when those are equal.
        struct Entry {
            quint64 head, next;
            int row;
        };
        std::vector<Entry> order;
        order.reserve(keys.size());
        for (int row = 0, n = static_cast<int>(keys.size()); row < n; ++row) {
            const QString& key = keys[std::size_t(row)];
            auto pack = [&key](int from) {
                quint64 v = 0;
                for (int i = from; i < from + 4; ++i)
                    v = (v << 16) | (i < key.size() ? key.at(i).unicode() : 0);
                return v;
            };
            order.push_back({ pack(0), pack(4), row });
        }
        std::sort(order.begin(), order.end(), [&](const Entry& a, const Entry& b) {
            if (a.head != b.head)
                return a.head < b.head;
            if (a.next != b.next)
                return a.next < b.next;
            const QString& ka = keys[std::size_t(a.row)];
            const QString& kb = keys[std::size_t(b.row)];
            // Equal first eight characters: both keys are at least that long
            // unless both end early, and then they are equal.
            const QStringView restA = ka.size() > 8 ? QStringView(ka).sliced(8) : QStringView();
            const QStringView restB = kb.size() > 8 ? QStringView(kb).sliced(8) : QStringView();
            if (const int c = restA.compare(restB))
                return c < 0;
            return read.at(a.row).id < read.at(b.row).id;
        });
        QVector<PersonName> out;
        out.reserve(read.size());
        for (const Entry& e : order)
            out.append(std::move(read[e.row]));
        return out;
    }

    QString classTable(ClassKind kind)
    {
        switch (kind) {
        case ClassKind::SundaySchool:
            return QStringLiteral("Sunday_School");
        case ClassKind::DiscipleshipTraining:
            return QStringLiteral("Discipleship_Training");
        case ClassKind::WednesdayNight:
            break;
        }
        return QStringLiteral("Wednesday_Night");
    }

    QVector<PickItem> classes(Database& db, ClassKind kind)
    {
        QVector<PickItem> out;
        db.forEach(QStringLiteral("SELECT Name, ID FROM %1 ORDER BY %2, ID")
                       .arg(classTable(kind), sql::orderText(QStringLiteral("Name"))),
            {}, [&out](const QSqlQuery& q) { out.append({ sql::toText(q.value(0)), sql::toId(q.value(1)) }); });
        return out;
    }

    QVector<PickItem> deacons(Database& db)
    {
        return leaders(db,
            QStringLiteral("SELECT Member.Last_Name, Member.First_Name, Member.ID FROM Member_Responsibility "
                           "JOIN Member ON Member_Responsibility.Member_ID = Member.ID WHERE %1 "
                           "ORDER BY %2, %3, Member.ID")
                .arg(sql::textEquals(QStringLiteral("Member_Responsibility.Responsibility")),
                    sql::orderText(QStringLiteral("Member.Last_Name")),
                    sql::orderText(QStringLiteral("Member.First_Name"))),
            { QStringLiteral("Deacon") });
    }

    QVector<PickItem> careGroups(Database& db)
    {
        return leaders(db,
            QStringLiteral("SELECT Member.Last_Name, Member.First_Name, Care_Group.ID FROM Care_Group "
                           "LEFT JOIN Member ON Care_Group.Group_Leader = Member.ID "
                           "ORDER BY %1, %2, Care_Group.ID")
                .arg(sql::orderText(QStringLiteral("Member.Last_Name")),
                    sql::orderText(QStringLiteral("Member.First_Name"))));
    }

    QStringList memberStatuses(Database& db) { return lookup(db, QStringLiteral("MemberStatus"), QStringLiteral("Status")); }
    QStringList churchStatuses(Database& db) { return lookup(db, QStringLiteral("ChurchStatus"), QStringLiteral("Status")); }
    QStringList prospectStatuses(Database& db)
    {
        return lookup(db, QStringLiteral("ProspectStatus"), QStringLiteral("Status"));
    }
    QStringList titles(Database& db) { return lookup(db, QStringLiteral("Titles"), QStringLiteral("Title")); }
    QStringList states(Database& db) { return lookup(db, QStringLiteral("State"), QStringLiteral("State")); }
    QStringList attendanceLevels(Database& db)
    {
        return lookup(db, QStringLiteral("AttendanceLevels"), QStringLiteral("Levels"));
    }
    QStringList relationships(Database& db)
    {
        return lookup(db, QStringLiteral("Relationships"), QStringLiteral("Relationships"));
    }
    QStringList prospectActions(Database& db)
    {
        return lookup(db, QStringLiteral("Prospect_Action"), QStringLiteral("Action"));
    }
    QStringList contactRatings(Database& db)
    {
        return lookup(db, QStringLiteral("Prospect_Contact_Rating"), QStringLiteral("Rating"));
    }
    QStringList responsibilityNames(Database& db)
    {
        return lookup(db, QStringLiteral("Responsibilities"), QStringLiteral("Name"));
    }
    QStringList userTypes(Database& db) { return lookup(db, QStringLiteral("UserType"), QStringLiteral("Name")); }

    QStringList outreachPhases(Database& db)
    {
        return db.texts(
            QStringLiteral("SELECT Phase FROM Outreach_Phase ORDER BY PhaseOrder, %1").arg(sql::orderText("Phase")));
    }

    QStringList genders() { return { QStringLiteral("Male"), QStringLiteral("Female"), QStringLiteral("Unknown") }; }

    QStringList maritalStatuses()
    {
        return { QStringLiteral("Single"), QStringLiteral("Married"), QStringLiteral("Divorced") };
    }

} // namespace Lookups
} // namespace pw
