#pragma once

// Reads what contribution statements are made of for a period: who gave,
// how they group into statement units, and each unit's gifts and pledges,
// one unit at a time, so a run over every giver of a large church holds one
// statement in memory at a time.

#include "giving/Statements.h"

#include <QList>
#include <optional>

namespace pw {
class Database;
}

namespace pw::giving {

// The church's wording (ChurchSettings::kStatementText), or the default.
QString statementText(Database& db);

// Every fund, by identifier.
QHash<qint64, Fund> readFunds(Database& db);

// Reads the unit's people, gifts and pledges and builds its statement for
// the period.
Statement readStatement(Database& db, const Unit& unit, const Period& period, const QHash<qint64, Fund>& funds);

class StatementSource {
public:
    // Every unit with a gift in the period; with `only`, the units of those
    // people (a navigator's result, one person) that gave in the period.
    StatementSource(Database& db, const Period& period, const std::optional<QList<qint64>>& only = std::nullopt);

    const Period& period() const { return m_period; }
    int count() const { return int(m_units.size()); }
    const Unit& unit(int index) const { return m_units.at(std::size_t(index)); }
    // Reads the unit's people, gifts and pledges and builds its statement.
    Statement statement(int index) const;

private:
    Database& m_db;
    Period m_period;
    std::vector<Unit> m_units;
    QHash<qint64, Fund> m_funds;
};

} // namespace pw::giving
