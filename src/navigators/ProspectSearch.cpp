#include "navigators/ProspectSearch.h"

#include "data/PersonName.h"
#include "data/Sql.h"
#include "navigators/MemberSearch.h"

#include <QCoreApplication>

namespace pw::navigators {

namespace {

    QString visitorName(const QString& table) { return sql::nameTerm(table, sql::NameParts::WithMiddle); }

    // Any recorded contact in the range, of the action, or both at once.
    void addPreviousContact(Conditions& where, const ProspectCriteria& c)
    {
        QStringList tests;
        QVariantList values;
        if (c.previousContact) {
            tests.append(Conditions::dateRange(QStringLiteral("Contact_Date")));
            values.append(Conditions::dateRangeValues(c.previousContactFirst, c.previousContactLast));
        }
        if (!c.previousAction.isEmpty()) {
            tests.append(sql::textEquals(QStringLiteral("Action")));
            values.append(c.previousAction);
        }
        if (tests.isEmpty())
            return;
        where.add(QStringLiteral("Member.ID IN (SELECT Prospect_ID FROM Prospect_Contact WHERE %1)")
                      .arg(tests.join(QStringLiteral(" AND "))),
            values);
    }

} // namespace

const std::vector<GridColumn>& prospectGridColumns()
{
    static const std::vector<GridColumn> columns = personGridColumns({
        { QT_TRANSLATE_NOOP("SearchGrid", "Phase"), QStringLiteral("Member.Prospect_Phase") },
        { QT_TRANSLATE_NOOP("SearchGrid", "Next Date"), QStringLiteral("Member.Prospect_Next_Contact_Date"),
            Cell::Date },
        { QT_TRANSLATE_NOOP("SearchGrid", "Next Action"), QStringLiteral("Member.Prospect_Next_Contact_Action") },
    });
    return columns;
}

SearchStatement prospectSearch(const ProspectCriteria& c)
{
    Conditions where;
    if (!c.phase.isEmpty())
        where.add(sql::textEquals(QStringLiteral("Member.Prospect_Phase")), { c.phase });
    if (!c.name.isEmpty())
        addNameCondition(where, c.name);
    if (c.nextContact)
        where.addDateRange(QStringLiteral("Member.Prospect_Next_Contact_Date"), c.nextContactFirst, c.nextContactLast);
    if (!c.nextAction.isEmpty())
        where.add(sql::textEquals(QStringLiteral("Member.Prospect_Next_Contact_Action")), { c.nextAction });
    addPreviousContact(where, c);
    addStatusConditions(where, c.status, c.churchStatus, c.prospectStatus);
    if (!c.search.isEmpty())
        addTextSearchCondition(where, c.search);
    if (c.sundaySchoolClass > 0)
        where.add(QStringLiteral("Member.Prospect_Sunday_School_Class_Assigned = ?"), { c.sundaySchoolClass });
    if (c.careGroup > 0)
        where.add(QStringLiteral("Member.Prospect_Care_Group_Assigned = ?"), { c.careGroup });
    if (const int month = monthOfPosition(c.monthIndex))
        addMonthCondition(where, month);
    if (!c.mapSection.isEmpty())
        where.add(sql::textMatches(QStringLiteral("Member.Map_Section")), { sql::containsPattern(c.mapSection) });
    addPlaceConditions(where, c.city, c.state, c.zip);
    return searchStatement(prospectGridColumns(), where);
}

const std::vector<GridColumn>& contactGridColumns()
{
    static const std::vector<GridColumn> columns = {
        { QT_TRANSLATE_NOOP("SearchGrid", "ID"), QStringLiteral("Prospect_Contact.ID") },
        { QT_TRANSLATE_NOOP("SearchGrid", "Date"), QStringLiteral("Prospect_Contact.Contact_Date"), Cell::Date },
        { QT_TRANSLATE_NOOP("SearchGrid", "Action"), QStringLiteral("Prospect_Contact.Action") },
        { QT_TRANSLATE_NOOP("SearchGrid", "Type"), QStringLiteral("Prospect_Contact.Type") },
        { QT_TRANSLATE_NOOP("SearchGrid", "Rating"), QStringLiteral("Prospect_Contact.Rating") },
        { QT_TRANSLATE_NOOP("SearchGrid", "Visitor 1"), visitorName(QStringLiteral("Visitor1Tbl")) },
        { QT_TRANSLATE_NOOP("SearchGrid", "Visitor 2"), visitorName(QStringLiteral("Visitor2Tbl")) },
        { QT_TRANSLATE_NOOP("SearchGrid", "Notes"), QStringLiteral("Prospect_Contact.Notes") },
    };
    return columns;
}

SearchStatement contactsOf(qint64 prospectId)
{
    return { QStringLiteral("SELECT ") + selectList(contactGridColumns())
            + QStringLiteral(" FROM Prospect_Contact"
                             " LEFT JOIN Member AS Visitor1Tbl ON Prospect_Contact.Visitor1 = Visitor1Tbl.ID"
                             " LEFT JOIN Member AS Visitor2Tbl ON Prospect_Contact.Visitor2 = Visitor2Tbl.ID"
                             " WHERE Prospect_Contact.Prospect_ID = ?"
                             " ORDER BY Prospect_Contact.Contact_Date DESC, Prospect_Contact.ID DESC"),
        { prospectId } };
}

} // namespace pw::navigators
