#include "data/CareGroups.h"

#include "data/Database.h"
#include "data/Lookups.h"
#include "data/Sql.h"

#include <QCoreApplication>
#include <QSqlQuery>

namespace {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(CareGroups)
};
} // namespace

namespace pw::CareGroups {

const rows::Table& table()
{
    using rows::Kind;
    static const rows::Table careGroup { QStringLiteral("Care_Group"), QStringLiteral("ID"),
        { { QStringLiteral("Group_Leader"), Kind::Id }, { QStringLiteral("Asst_Group_Leader"), Kind::Id },
            { QStringLiteral("Sunday_School_Class"), Kind::Id }, { QStringLiteral("Notes"), Kind::Text } },
        // A care group has no name of its own: it is known by its leader.
        [](Database& db, const rows::Values& loaded) {
            QSqlQuery q = db.exec(QStringLiteral("SELECT Last_Name, First_Name FROM Member WHERE ID = ?"),
                { loaded.value(QStringLiteral("Group_Leader")) });
            return q.next()
                ? Tr::tr("the care group of %1").arg(leaderName(sql::toText(q.value(0)), sql::toText(q.value(1))))
                : Tr::tr("the care group");
        } };
    return careGroup;
}

} // namespace pw::CareGroups
