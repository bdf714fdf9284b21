#pragma once

#include <QStringList>
#include <QVector>
#include <functional>

namespace pw {
class Database;

namespace schema {

    // The schema version this program writes. An older file is upgraded when
    // it is opened; a newer one is refused.
    constexpr int kCurrentVersion = 10;

    // Creates every table, index and seed value in an empty database.
    void create(Database& db);

    // Checks that the open file is a Pewlark database this program can use and
    // upgrades an older schema in one transaction. The result must hold every
    // table and column of the current schema (the upgrade is undone when it
    // does not). Throws DbError naming the file and, for a file that is not
    // whole, what it lacks.
    void checkAndUpgrade(Database& db);

    // The version of a Pewlark database this program can read (not newer);
    // throws DbError naming the file for anything else.
    int checkVersion(Database& db);

    // Checks without changing anything: a Pewlark database, not newer than
    // this program; a file of the current version must be whole. Returns its
    // version. For files opened only to be read.
    int checkReadOnly(Database& db);

    // The tables and columns of the current schema that the database lacks,
    // read from its catalogue (not its rows): "table Member", "column
    // User.Password". A missing table's columns are not listed.
    QStringList missingParts(Database& db);

    int version(Database& db);

    // While one lives, checkAndUpgrade() calls its function just before it
    // upgrades an older database (to keep a copy of it first); a failure
    // there leaves the database as it is. One made while another lives
    // takes its place until it ends (an empty function: none is called).
    class BeforeUpgrade {
    public:
        explicit BeforeUpgrade(std::function<void(Database&)> f);
        ~BeforeUpgrade();
        BeforeUpgrade(const BeforeUpgrade&) = delete;
        BeforeUpgrade& operator=(const BeforeUpgrade&) = delete;

    private:
        std::function<void(Database&)> m_previous;
    };

    // Every table, in the order they are created, named as SQL text names
    // them ("User" in quotes, since other engines reserve the word).
    const QStringList& tableNames();

    // A table's columns as its definition names them ("Start" in quotes),
    // in their order, and the column of its identifier (empty for tables
    // without one). The table as tableNames() gives it.
    QStringList columnNames(const QString& table);
    QString identifierColumn(const QString& table);

    // A column of one table, both as tableNames() and columnNames() give them.
    struct ColumnRef {
        QString table;
        QString column;
    };

    // Every column that holds a person's identifier (a Member.ID), found in
    // the tables above by the names such columns carry (Member_ID,
    // Prospect_ID, Visitor1, Teacher, DeaconID and the like), so a new table
    // whose person column is called Member_ID is among them without more
    // ado. The record of merges keeps the identifiers that went on purpose
    // and is not among them.
    const QVector<ColumnRef>& personColumns();

    // The permission names, in the order of their identifiers in a new
    // church: the sixteen of the first version, then the two of giving.
    const QStringList& permissionNames();

} // namespace schema
} // namespace pw
