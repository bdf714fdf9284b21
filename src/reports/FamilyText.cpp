#include "reports/FamilyText.h"

#include "data/Households.h"
#include "widgets/Context.h"
#include "widgets/FormHelpers.h"
#include "widgets/Formats.h"
#include <QCoreApplication>

namespace pw::reports {

namespace {
    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(FamilyText)
    };
} // namespace

QString familyText(qint64 memberId, bool headOfHousehold)
{
    const QString space = QStringLiteral(" ");
    QString text;
    for (const FamilyRow& row : familyRows(db(), memberId, headOfHousehold)) {
        const QString relationship = headOfHousehold ? row.relationship : Tr::tr("Head of Household");
        const QString born = formats::dateText(row.dateOfBirth);
        text += FixedWidth(row.firstName + space + row.lastName, 25) + space + FixedWidth(relationship, 20) + space
            + FixedWidth(row.gender, 10) + space + FixedWidth(born, 12) + QStringLiteral("\r\n");
    }
    return text;
}

} // namespace pw::reports
