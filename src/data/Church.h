#pragma once

// The church's own details and the type-ahead delay: the first row of the
// Church table, the only one the program uses.

#include "data/Rows.h"

#include <QString>
#include <optional>
#include <vector>

namespace pw {
class Database;
}

namespace pw::Church {

// The number at the start of a text, as the delay box is read: blanks
// skipped, then digits with an optional decimal point ("3 seconds" is 3,
// "1.5" is 1.5, ".5" is 0.5). Text that does not start with a number is 0.
double leadingNumber(const QString& text);

// The shortest type-ahead delay the church screen accepts, in seconds.
constexpr double kMinimumDelay = 1.0;
// The delay a new church starts with.
constexpr double kDefaultDelay = 1.0;
bool delayAccepted(const QString& text);

// Name, Address1, Address2, City, State, Zip, Phone, Fax, Email, Website
// (text) and KeyPressDelay (a number), keyed by the engine's row key.
const rows::Table& table();

struct Row {
    qint64 key = 0;
    rows::Values values;
};

// The first row, or nothing when the table is empty.
std::optional<Row> first(Database& db);

struct SaveResult {
    enum class Result {
        Added, // the table was empty: the row was added
        Saved,
        Conflicts, // another workstation changed the same values: nothing was written
    };
    Result result = Result::Saved;
    std::vector<rows::Conflict> conflicts;
};

// Writes the first row in one transaction, adding it when the table is
// empty. loaded is the row as the screen showed it (nothing when it showed
// an empty table): what another workstation changed meanwhile stays unless
// this user changed it too, which is a conflict handled as onConflict says.
SaveResult save(Database& db, const rows::Values& mine, const std::optional<Row>& loaded, rows::OnConflict onConflict);

} // namespace pw::Church
