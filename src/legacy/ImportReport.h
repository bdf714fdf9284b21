#pragma once

#include "legacy/Importer.h"

#include <QString>

namespace pw::legacy {

// What the import did, for the person who ran it: each table's rows in the old
// file and in the new database side by side, the accounts converted, the
// accounts without a password, the pictures to copy, and what was skipped.
QString reportText(const ImportResult& result, const QString& oldFile);

// The rows that were not stored and the values changed to store a row, one
// per line: table, line of the table's export, the row, what happened.
QString rejectsText(const ImportResult& result, const QString& oldFile);

} // namespace pw::legacy
