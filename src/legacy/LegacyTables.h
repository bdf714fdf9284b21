#pragma once

// The tables of the older program's file, in the order they are copied, with
// what each column holds and how rows point at each other. The Member
// table's columns come from the data layer's one description of it.

#include "legacy/LegacyValues.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace pw::legacy {

struct ColumnDef {
    QString name;
    Kind kind = Kind::Text;
    bool required = false; // a row without a value cannot be stored
    // Stored without blanks around it, as the member screen stores names,
    // e-mail and phones, so that the duplicate rule and searches find them.
    bool trimmed = false;
};

// A column that holds the identifier (or key) of a row of another table.
struct LinkDef {
    QString column;
    QString table;
    QString targetColumn;
};

struct TableDef {
    QString name;
    std::vector<ColumnDef> columns; // in the table's order
    QString key; // column whose values are unique in the table; empty when none
    QStringList identifying; // columns that name a row in messages
    bool core = false; // a file without this table is not the older program's
    bool replacesSeed = false; // the old file's rows replace the starting values
    bool pewlarkOnly = false; // the older program had no such table: a file without it is not reported
    bool autoKey = false; // the key is an automatic counter that continues after the import
    // Every row must arrive: a row that cannot be stored fails the import
    // (the people, their accounts and family links). In the other tables a
    // row whose required link names a row the file lacks is left out, and
    // listed; any other fault of a row still fails the import.
    bool everyRow = false;
    // A row whose value here names no row of the other table is not stored.
    std::vector<LinkDef> requiredLinks;
    // A value here that names no row of the other table is cleared (Null).
    std::vector<LinkDef> optionalLinks;

    const ColumnDef* column(const QString& name) const;
};

// Every table, in copy order: each table comes after the tables its required
// links point at.
const std::vector<TableDef>& tableDefs();
const TableDef* tableDef(const QString& name);

// Table and column names match without regard to letter case and surrounding blanks.
QString matchName(const QString& name);

// Quotes the names other engines reserve ("User", "Start", "End") as the schema does.
QString sqlName(const QString& name);

} // namespace pw::legacy
