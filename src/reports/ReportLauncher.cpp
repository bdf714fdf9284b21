#include "reports/ReportLauncher.h"

#include "app/Context.h"
#include "app/FormHelpers.h"
#include "app/Messages.h"
#include "app/Permissions.h"
#include "data/Database.h"
#include "data/Sql.h"

#include <QComboBox>
#include <QPushButton>
#include <QSqlQuery>

namespace pw::reports {

namespace {

    QString byFullName()
    {
        return QStringLiteral(" ORDER BY ") + sql::orderByName() + QStringLiteral(", ID");
    }

    QList<qint64> ids(const QString& sqlText, const QVariantList& params) { return db().ids(sqlText, params); }

} // namespace

void setupLauncher(QWidget* form, QComboBox* list, QPushButton* ok, QPushButton* cancel, bool withGroups)
{
    setDefaultButton(form, ok);
    setCancelButton(form, cancel);
    attachTypeAhead(list);
    BusyCursor busy;
    QVector<PickItem> groups;
    if (withGroups)
        groups = { { kAllHeadsOfHousehold, 0 }, { kAllMembersAndChildren, 0 } };
    fillPeopleList(list, NameForm::WithTitle, People::Everyone, Choice::Clear, groups);
}

bool launcherMayRun(const QString& permission, const QComboBox* list)
{
    if (!requirePermission(permission, refusal::RunReport))
        return false;
    if (list->currentIndex() < 0) {
        messages().show(QStringLiteral("You must select a Prospect."), QStringLiteral("Invalid Selection"), Icon::None);
        return false;
    }
    return true;
}

QList<qint64> updateReportMembers(const QString& choiceText, qint64 chosenId)
{
    if (choiceText == kAllHeadsOfHousehold)
        return ids(QStringLiteral("SELECT ID FROM Member WHERE ") + sql::textEquals(QStringLiteral("Status"))
                + QStringLiteral(" AND Head_Of_Household = 1") + byFullName(),
            { QStringLiteral("Member") });
    if (choiceText == kAllMembersAndChildren)
        return ids(QStringLiteral("SELECT ID FROM Member WHERE (") + sql::textEquals(QStringLiteral("Status"))
                + QStringLiteral(" OR ") + sql::textEquals(QStringLiteral("Status")) + QStringLiteral(")")
                + byFullName(),
            { QStringLiteral("Member"), QStringLiteral("Child Of Member") });
    return ids(QStringLiteral("SELECT ID FROM Member WHERE ID = ?"), { chosenId });
}

} // namespace pw::reports
