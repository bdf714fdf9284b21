#pragma once

#include <QStringList>

namespace pw {
class Database;

namespace schema {

    // The schema version this program writes. An older file is upgraded when
    // it is opened; a newer one is refused.
    constexpr int kCurrentVersion = 3;

    // Creates every table, index and seed value in an empty database.
    void create(Database& db);

    // Checks that the open file is a Pewlark database this program can use and
    // upgrades an older schema in one transaction. Throws DbError naming the file.
    void checkAndUpgrade(Database& db);

    int version(Database& db);

    // Every table, in the order they are created, named as SQL text names
    // them ("User" in quotes, since other engines reserve the word).
    const QStringList& tableNames();

    // A table's columns as its definition names them ("Start" in quotes),
    // in their order, and the column of its identifier (empty for tables
    // without one). The table as tableNames() gives it.
    QStringList columnNames(const QString& table);
    QString identifierColumn(const QString& table);

    // The sixteen permission names, in the order of their identifiers 1..16.
    const QStringList& permissionNames();

} // namespace schema
} // namespace pw
