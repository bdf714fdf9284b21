#include "navigators/MemberSearch.h"

#include "data/Sql.h"

namespace pw::navigators {

const std::vector<GridColumn>& memberGridColumns()
{
    static const std::vector<GridColumn> columns = personGridColumns();
    return columns;
}

int monthOfPosition(int index) { return index >= 0 && index < 12 ? index + 1 : 0; }

SearchStatement memberSearch(const MemberCriteria& c)
{
    Conditions where;
    if (!c.name.isEmpty())
        addNameCondition(where, c.name);
    if (c.memberSince)
        where.addDateRange(QStringLiteral("Member.Member_Since"), c.memberSinceFirst, c.memberSinceLast);
    if (!c.search.isEmpty())
        addTextSearchCondition(where, c.search);
    addStatusConditions(where, c.status, c.churchStatus, c.prospectStatus);
    if (const int month = monthOfPosition(c.monthIndex))
        addMonthCondition(where, month);
    if (!c.mapSection.isEmpty())
        where.add(sql::textMatches(QStringLiteral("Member.Map_Section")), { sql::containsPattern(c.mapSection) });
    if (c.sundaySchoolClass > 0)
        where.add(QStringLiteral("Member.Sunday_School_Class = ?"), { c.sundaySchoolClass });
    if (c.careGroup > 0)
        where.add(QStringLiteral("Member.Care_Group_Assigned = ?"), { c.careGroup });
    if (c.discipleshipClass > 0)
        where.add(QStringLiteral("Member.Discipleship_Training_Class = ?"), { c.discipleshipClass });
    if (c.wednesdayClass > 0)
        where.add(QStringLiteral("Member.Wednesday_Night_Class = ?"), { c.wednesdayClass });
    if (c.deacon > 0)
        where.add(QStringLiteral("Member.DeaconID = ?"), { c.deacon });
    if (!c.responsibility.isEmpty())
        where.add(QStringLiteral("Member.ID IN (SELECT Member_ID FROM Member_Responsibility WHERE %1)")
                      .arg(sql::textEquals(QStringLiteral("Responsibility"))),
            { c.responsibility });
    if (c.receiveNewsletter)
        where.add(QStringLiteral("Member.Receive_Newsletter_Via_Mail = ?"), { sql::yesNo(*c.receiveNewsletter) });
    if (c.headOfHousehold)
        where.add(QStringLiteral("Member.Head_Of_Household = ?"), { sql::yesNo(*c.headOfHousehold) });
    return searchStatement(memberGridColumns(), where);
}

} // namespace pw::navigators
