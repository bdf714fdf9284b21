#include "app/Login.h"

#include "data/Database.h"
#include "data/Passwords.h"
#include "data/Sql.h"

#include <QSqlQuery>

namespace pw::login {

std::optional<CurrentUser> authenticate(const QString& username, const QString& password)
{
    const QString name = username.trimmed();
    QSqlQuery rows = db().exec(QStringLiteral("SELECT Member_ID, Type, Username, Password FROM \"User\" WHERE ")
            + sql::textEquals(QStringLiteral("Username")) + QStringLiteral(" AND Inactive <> 1 ORDER BY Member_ID"),
        { name });
    while (rows.next()) {
        if (passwords::verify(sql::toText(rows.value(3)), password))
            return CurrentUser { sql::toId(rows.value(0)), sql::toText(rows.value(1)), sql::toText(rows.value(2)) };
    }
    return std::nullopt;
}

} // namespace pw::login
