#pragma once

// Settings of the church that every workstation shares (the Church status
// given to people added without one, and the like): one text per name in
// the Church_Setting table.

#include <QString>

namespace pw {
class Database;
}

namespace pw::ChurchSettings {

// The Church status given to a person the roll call or an import adds
// without one.
inline const QString kNewPersonChurchStatus = QStringLiteral("New Person Church Status");

// The wording at the foot of every contribution statement.
inline const QString kStatementText = QStringLiteral("Contribution Statement Text");
// The wording a church has until it sets its own: the common US one.
QString defaultStatementText();

// The stored value, or `fallback` when the church has none.
QString value(Database& db, const QString& name, const QString& fallback = QString());

// Stores the value, replacing the one stored under that name.
void setValue(Database& db, const QString& name, const QString& value);

} // namespace pw::ChurchSettings
