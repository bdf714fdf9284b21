#include "data/Lookups.h"

#include "data/Database.h"
#include "data/Sql.h"

#include <QSqlQuery>
#include <algorithm>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace pw {


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

    namespace {

        // The distinct texts of a column of many rows, each made once: a
        // church of a million people has a few thousand distinct names, so
        // every person shares the texts of their name with many others.
        class TextPool {
        public:
            int add(QByteArrayView utf8)
            {
                const std::string_view bytes(utf8.data(), std::size_t(utf8.size()));
                const auto found = m_index.find(bytes);
                if (found != m_index.end())
                    return found->second;
                const int i = static_cast<int>(texts.size());
                texts.push_back(QString::fromUtf8(utf8));
                m_index.emplace(m_bytes.emplace_back(bytes), i);
                return i;
            }

            // Each text's rank among the others in the case-blind order of
            // orderText(): equal keys, equal ranks.
            std::vector<quint32> ranks() const
            {
                std::vector<QString> keys(texts.size());
                std::vector<int> byKey(texts.size());
                for (std::size_t i = 0; i < texts.size(); ++i) {
                    sql::appendSortKey(keys[i], texts[i]);
                    byKey[i] = int(i);
                }
                std::sort(byKey.begin(), byKey.end(),
                    [&](int a, int b) { return keys[std::size_t(a)] < keys[std::size_t(b)]; });
                std::vector<quint32> rank(texts.size());
                for (std::size_t i = 0, r = 0; i < byKey.size(); ++i) {
                    if (i > 0 && keys[std::size_t(byKey[i])] != keys[std::size_t(byKey[i - 1])])
                        ++r;
                    rank[std::size_t(byKey[i])] = quint32(r);
                }
                return rank;
            }

            std::vector<QString> texts;

        private:
            std::deque<std::string> m_bytes; // the keys of m_index; a deque keeps them in place
            std::unordered_map<std::string_view, int> m_index;
        };

    } // namespace

    QVector<PersonName> people(Database& db)
    {
        // Read in table order and sorted here: the engine would sort with
        // the case-blind collation, calling back into the program for each
        // of some two million comparisons. Each distinct name gets its sort
        // key once and a rank among the others; people are then sorted by
        // the ranks of their last, first and middle names (equal keys, equal
        // ranks) and by identifier.
        struct Read {
            qint64 id;
            int last, first, middle, title, status;
            bool head;
        };
        TextPool pool;
        std::vector<Read> read;
        db.scan(QStringLiteral(
                    "SELECT ID, Last_Name, First_Name, Middle_Name, Title, Status, Head_Of_Household FROM Member"),
            {}, [&](const RowView& r) {
                read.push_back({ r.integer(0), pool.add(r.utf8(1)), pool.add(r.utf8(2)), pool.add(r.utf8(3)),
                    pool.add(r.utf8(4)), pool.add(r.utf8(5)), r.integer(6) != 0 });
            });

        const std::vector<quint32> rank = pool.ranks();
        struct Entry {
            quint64 lastFirst; // the two ranks in one number
            quint64 middle;
            qint64 id;
            int row;
        };
        std::vector<Entry> order;
        order.reserve(read.size());
        for (int row = 0, n = static_cast<int>(read.size()); row < n; ++row) {
            const Read& p = read[std::size_t(row)];
            order.push_back({ (quint64(rank[std::size_t(p.last)]) << 32) | rank[std::size_t(p.first)],
                rank[std::size_t(p.middle)], p.id, row });
        }
        std::sort(order.begin(), order.end(), [](const Entry& a, const Entry& b) {
            if (a.lastFirst != b.lastFirst)
                return a.lastFirst < b.lastFirst;
            if (a.middle != b.middle)
                return a.middle < b.middle;
            return a.id < b.id;
        });
        QVector<PersonName> out;
        out.reserve(static_cast<qsizetype>(read.size()));
        const auto& t = pool.texts;
        for (const Entry& e : order) {
            const Read& p = read[std::size_t(e.row)];
            out.append({ p.id, t[std::size_t(p.last)], t[std::size_t(p.first)], t[std::size_t(p.middle)],
                t[std::size_t(p.title)], t[std::size_t(p.status)], p.head });
        }
        return out;
    }

    std::vector<qint64> idsByName(Database& db, const QList<qint64>& ids)
    {
        // As people(): each distinct name ranked once, then the ranks sorted.
        struct Entry {
            quint64 lastFirst;
            qint64 id;
        };
        TextPool pool;
        std::vector<std::pair<int, int>> names;
        std::vector<qint64> found;
        db.scan(
            QStringLiteral("SELECT ID, Last_Name, First_Name FROM Member WHERE ") + sql::inIdList(QStringLiteral("ID")),
            { sql::idList(ids) }, [&](const RowView& r) {
                found.push_back(r.integer(0));
                names.emplace_back(pool.add(r.utf8(1)), pool.add(r.utf8(2)));
            });
        const std::vector<quint32> rank = pool.ranks();
        std::vector<Entry> order;
        order.reserve(found.size());
        for (std::size_t i = 0; i < found.size(); ++i)
            order.push_back(
                { (quint64(rank[std::size_t(names[i].first)]) << 32) | rank[std::size_t(names[i].second)], found[i] });
        std::sort(order.begin(), order.end(), [](const Entry& a, const Entry& b) {
            return a.lastFirst != b.lastFirst ? a.lastFirst < b.lastFirst : a.id < b.id;
        });
        for (std::size_t i = 0; i < order.size(); ++i)
            found[i] = order[i].id;
        return found;
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
            {}, [&out](const QSqlQuery& q) {
                out.append({ sql::toText(q.value(0)), sql::toId(q.value(1)) });
            });
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

    QStringList memberStatuses(Database& db)
    {
        return lookup(db, QStringLiteral("MemberStatus"), QStringLiteral("Status"));
    }
    QStringList churchStatuses(Database& db)
    {
        return lookup(db, QStringLiteral("ChurchStatus"), QStringLiteral("Status"));
    }
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
        return { QStringLiteral("Single"), QStringLiteral("Married"), QStringLiteral("Divorced"),
            QStringLiteral("Widowed") };
    }

} // namespace Lookups
} // namespace pw
