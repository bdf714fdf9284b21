#include "data/CareGroups.h"

namespace pw::CareGroups {

const rows::Table& table()
{
    using rows::Kind;
    static const rows::Table careGroup { QStringLiteral("Care_Group"), QStringLiteral("ID"),
        { { QStringLiteral("Group_Leader"), Kind::Id }, { QStringLiteral("Asst_Group_Leader"), Kind::Id },
            { QStringLiteral("Sunday_School_Class"), Kind::Id }, { QStringLiteral("Notes"), Kind::Text } } };
    return careGroup;
}

} // namespace pw::CareGroups
