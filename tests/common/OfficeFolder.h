#pragma once

// A church office on disk for tests of start-up, backups and the command
// line: a database with people and one account, and a config.txt beside it
// naming the database and a picture folder.

#include "app/Config.h"
#include "data/Database.h"
#include "data/Schema.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <QTest>

namespace pw::test {

// A church file of `people` people (with notes, so it spans many pages) and
// one "Admin" account.
inline void makeChurch(const QString& path, int people)
{
    auto db = Database::open(path, Database::OpenMode::CreateNew);
    Transaction tx(*db);
    for (int i = 0; i < people; ++i)
        db->exec(QStringLiteral("INSERT INTO Member (First_Name, Last_Name, Notes) VALUES (?, 'Roll', ?)"),
            { QStringLiteral("Person %1").arg(i), QString(400, QLatin1Char('a' + i % 26)) });
    db->exec(QStringLiteral("INSERT INTO \"User\" (Member_ID, Username, Password, Type, Inactive) "
                            "VALUES (1, 'admin', '', 'Admin', 0)"));
    tx.commit();
}

// The schema version that added each table after the first version.
inline int versionAdding(const QString& table)
{
    static const QHash<QString, int> added = {
        { QStringLiteral("Login_Failure"), 3 },
        { QStringLiteral("Attendance"), 4 },
        { QStringLiteral("Attendance_Headcount"), 4 },
        { QStringLiteral("Member_Merge"), 5 },
        { QStringLiteral("Member_Not_Duplicate"), 6 },
        { QStringLiteral("Church_Setting"), 6 },
        { QStringLiteral("Fund"), 7 },
        { QStringLiteral("Gift_Batch"), 7 },
        { QStringLiteral("Gift_Batch_Reopening"), 7 },
        { QStringLiteral("Gift"), 7 },
        { QStringLiteral("Gift_Line"), 7 },
        { QStringLiteral("Pledge"), 7 },
        { QStringLiteral("Giver"), 7 },
        { QStringLiteral("Roster_Position"), 8 },
        { QStringLiteral("Roster_Assignment"), 8 },
        { QStringLiteral("Roster_Unavailable"), 8 },
        { QStringLiteral("Roster_Preference"), 8 },
        { QStringLiteral("Checkin"), 9 },
        { QStringLiteral("Child_Care"), 9 },
        { QStringLiteral("Directory_Listing"), 10 },
    };
    return added.value(table, 1);
}

// The tables a church of that schema version has.
inline QStringList tablesAtVersion(int version)
{
    QStringList out;
    for (const QString& table : schema::tableNames())
        if (versionAdding(table) <= version)
            out.append(table);
    return out;
}

// The number of rows of each table of that version, in the schema's order.
inline QStringList rowCountsAtVersion(Database& db, int version)
{
    QStringList counts;
    for (const QString& table : tablesAtVersion(version))
        counts.append(db.scalar(QStringLiteral("SELECT COUNT(*) FROM ") + table).toString());
    return counts;
}

// Takes away the tables the versions after `version` added (from version 3
// on; the column version 2 added is the caller's), leaving the version
// number to the caller.
inline void dropTablesAfterVersion(Database& db, int version)
{
    const QStringList tables = schema::tableNames();
    for (auto it = tables.crbegin(); it != tables.crend(); ++it)
        if (versionAdding(*it) > version && versionAdding(*it) > 3)
            db.exec(QStringLiteral("DROP TABLE ") + *it);
}

inline void dropTablesAfterVersion3(Database& db) { dropTablesAfterVersion(db, 3); }

// Makes a church look as the first Pewlark wrote it (schema version 1,
// before user names had keys), to be upgraded when it is opened.
inline void makeVersion1(Database& db)
{
    db.exec(QStringLiteral("DROP INDEX User_UsernameKey"));
    db.exec(QStringLiteral("ALTER TABLE \"User\" DROP COLUMN Username_Key"));
    db.exec(QStringLiteral("DROP TABLE Login_Failure"));
    dropTablesAfterVersion3(db);
    db.exec(QStringLiteral("UPDATE Schema_Version SET Version = 1"));
}

inline int peopleIn(const QString& path)
{
    return Database::open(path, Database::OpenMode::ExistingOnly)
        ->scalar(QStringLiteral("SELECT COUNT(*) FROM Member"))
        .toInt();
}

// Overwrites one page in the middle of the file.
inline void damagePage(const QString& path)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    const qint64 pages = f.size() / 4096;
    QVERIFY(pages > 10);
    QVERIFY(f.seek((pages / 2) * 4096));
    f.write(QByteArray(4096, '\x5a'));
}

struct OfficeFolder {
    QTemporaryDir dir;
    QString database = dir.filePath(QStringLiteral("church.sqlite"));
    QString config = dir.filePath(QStringLiteral("config.txt"));
    QString pictures = dir.filePath(QStringLiteral("pictures/"));

    // people < 0: no database file.
    explicit OfficeFolder(int people = 200)
    {
        QDir(dir.path()).mkdir(QStringLiteral("pictures"));
        if (people >= 0)
            makeChurch(database, people);
        writeConfig(config::write({ database, pictures }).toUtf8());
    }
    void writeConfig(const QByteArray& bytes) const
    {
        QFile f(config);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    QStringList files(const QString& pattern = QStringLiteral("*")) const
    {
        return QDir(dir.path())
            .entryList({ pattern }, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }
};

} // namespace pw::test
