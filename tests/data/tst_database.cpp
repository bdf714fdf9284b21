#include "OfficeFolder.h"
#include "TestSupport.h"

#include "data/ChurchSettings.h"
#include "data/Database.h"
#include "data/Passwords.h"
#include "data/Schema.h"
#include "data/Sql.h"
#include "data/Users.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

using namespace pw;

namespace {

QByteArray fileHash(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

QStringList lastNamesWhere(Database& db, const QString& condition, const QVariantList& params)
{
    QStringList names;
    QSqlQuery q = db.exec(
        QStringLiteral("SELECT Last_Name FROM Member WHERE ") + condition + QStringLiteral(" ORDER BY ID"), params);
    while (q.next())
        names << q.value(0).toString();
    return names;
}

} // namespace

class TestDatabase : public QObject {
    Q_OBJECT
private slots:
    void textIsStoredAndFoundAsTyped_data();
    void textIsStoredAndFoundAsTyped();
    void comparisonsIgnoreCaseInEveryAlphabet_data();
    void comparisonsIgnoreCaseInEveryAlphabet();
    void equalsJoinedByOrIgnoresCase();
    void orderingIgnoresCase();
    void identifiersAboveSmallIntegers();
    void transactionRollsBackOnError();
    void nestedFailureUndoesWholeChange();
    void engineErrorCarriesEngineText();
    void datesRoundTrip();
    void emptyTextIsNotNull();
    void positionalInsertsFollowColumnOrder();
    void seedValues();
    void openRefusals_data();
    void openRefusals();
    void createRefusesExistingFile();
    void pathsWithOddCharacters();
    void upgradeKeepsCurrentVersion();
    void upgradeToCountedLoginsKeepsEveryRow();
    void upgradeToRecordedMergesKeepsEveryRow();
    void upgradeToSharedSettingsKeepsEveryRow();
    void upgradeToGivingKeepsEveryRow();
    void upgradeToRostersKeepsEveryRow();
    void upgradeToCheckinKeepsEveryRow();
    void upgradeToDirectoryKeepsEveryRow();
    void openRefusesAnIncompleteChurch_data();
    void openRefusesAnIncompleteChurch();
    void passwordsAreHashedAndFoldCase();
};

void TestDatabase::textIsStoredAndFoundAsTyped_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("apostrophe") << QStringLiteral("O'Brien");
    QTest::newRow("injection") << QStringLiteral("x' OR '1'='1");
    QTest::newRow("double quote") << QStringLiteral("Say \"Amen\"");
    QTest::newRow("percent and underscore") << QStringLiteral("100%_sure");
    QTest::newRow("semicolon and comment") << QStringLiteral("a; DROP TABLE Member; --");
    QTest::newRow("non-ASCII") << QStringLiteral("Müller-Łukasz");
}

void TestDatabase::textIsStoredAndFoundAsTyped()
{
    QFETCH(QString, name);
    test::TestEnv env;
    env.addMember(QStringLiteral("Pat"), QStringLiteral("Other"));
    const qint64 id = env.addMember(QStringLiteral("Pat"), name);
    QCOMPARE(sql::toText(env.db().scalar(QStringLiteral("SELECT Last_Name FROM Member WHERE ID = ?"), { id })), name);
    QCOMPARE(lastNamesWhere(env.db(), sql::textEquals(QStringLiteral("Last_Name")), { name }), QStringList { name });
    QCOMPARE(lastNamesWhere(env.db(), sql::textContains(QStringLiteral("Last_Name")), { name }), QStringList { name });
    // The table is still there and untouched after the odd texts.
    QCOMPARE(env.db().scalar(QStringLiteral("SELECT COUNT(*) FROM Member")).toInt(), 2);
}

void TestDatabase::comparisonsIgnoreCaseInEveryAlphabet_data()
{
    QTest::addColumn<QString>("condition");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("expected");
    const QString eq = sql::textEquals(QStringLiteral("Last_Name"));
    const QString has = sql::textContains(QStringLiteral("Last_Name"));
    QTest::newRow("contains son") << has << "son" << QStringList { "Johnson", "SONYA" };
    QTest::newRow("contains upper") << has << "SON" << QStringList { "Johnson", "SONYA" };
    QTest::newRow("equals accented upper") << eq << "JOSÉ" << QStringList { "José" };
    QTest::newRow("equals accented lower") << eq << "josé" << QStringList { "José" };
    QTest::newRow("contains accented") << has << "ÜLL" << QStringList { "Müller" };
    QTest::newRow("cyrillic") << eq << "ИВАНОВ" << QStringList { "Иванов" };
    QTest::newRow("greek contains") << has << "ΠΑΠ" << QStringList { "Παπαδόπουλος" };
    QTest::newRow("equals is whole text") << eq << "john" << QStringList {};
    QTest::newRow("empty contains all") << has << ""
                                        << QStringList { "Johnson", "SONYA", "José", "Müller", "Иванов",
                                               "Παπαδόπουλος" };
    QTest::newRow("wildcards are literal") << has << "%" << QStringList {};
}

void TestDatabase::equalsJoinedByOrIgnoresCase()
{
    // Two equals joined by OR on the indexed name column: the engine may fold
    // them into one IN over the index, which must keep ignoring case.
    test::TestEnv env;
    for (const char* name : { "Johnson", "SONYA", "Smith" })
        env.addMember(QStringLiteral("A"), QString::fromUtf8(name));
    const QString eq = sql::textEquals(QStringLiteral("Last_Name"));
    QCOMPARE(lastNamesWhere(env.db(), eq + " OR " + eq, { "JOHNSON", "sonya" }), (QStringList { "Johnson", "SONYA" }));
}

void TestDatabase::comparisonsIgnoreCaseInEveryAlphabet()
{
    QFETCH(QString, condition);
    QFETCH(QString, typed);
    QFETCH(QStringList, expected);
    test::TestEnv env;
    for (const char* name : { "Johnson", "SONYA", "José", "Müller", "Иванов", "Παπαδόπουλος" })
        env.addMember(QStringLiteral("A"), QString::fromUtf8(name));
    QCOMPARE(lastNamesWhere(env.db(), condition, { typed }), expected);
}

void TestDatabase::orderingIgnoresCase()
{
    test::TestEnv env;
    for (const char* name : { "smith", "Adams", "ébert", "Baker", "zane", "Éclair", "de Vries" })
        env.addMember(QStringLiteral("A"), QString::fromUtf8(name));
    QStringList names;
    QSqlQuery q = env.db().exec(
        QStringLiteral("SELECT Last_Name FROM Member ORDER BY ") + sql::orderText(QStringLiteral("Last_Name")));
    while (q.next())
        names << q.value(0).toString();
    QCOMPARE(names, (QStringList { "Adams", "Baker", "de Vries", "ébert", "Éclair", "smith", "zane" }));
}

void TestDatabase::identifiersAboveSmallIntegers()
{
    test::TestEnv env;
    env.startIdsAt(QStringLiteral("Member"), 5000000001);
    const qint64 id = env.addMember(QStringLiteral("Big"), QStringLiteral("Number"));
    QCOMPARE(id, Q_INT64_C(5000000001));
    QCOMPARE(sql::toId(env.db().scalar(QStringLiteral("SELECT ID FROM Member WHERE ID = ?"), { id })), id);
    env.db().exec(QStringLiteral("INSERT INTO Family_Connection VALUES (?, ?, ?)"), { id, QStringLiteral("Son"), id });
    QCOMPARE(sql::toId(env.db().scalar(QStringLiteral("SELECT Relative_Member_ID FROM Family_Connection"))), id);
}

void TestDatabase::transactionRollsBackOnError()
{
    test::TestEnv env;
    try {
        Transaction tx(env.db());
        env.addMember(QStringLiteral("Kept"), QStringLiteral("Never"));
        env.db().exec(QStringLiteral("INSERT INTO NoSuchTable VALUES (1)"));
        tx.commit();
        QFAIL("the bad statement did not raise an error");
    } catch (const DbError&) {
    }
    QCOMPARE(env.db().scalar(QStringLiteral("SELECT COUNT(*) FROM Member")).toInt(), 0);
    QVERIFY(!env.db().inTransaction());
    // The connection works normally afterwards.
    env.addMember(QStringLiteral("After"), QStringLiteral("Error"));
    QCOMPARE(env.db().scalar(QStringLiteral("SELECT COUNT(*) FROM Member")).toInt(), 1);
}

void TestDatabase::nestedFailureUndoesWholeChange()
{
    test::TestEnv env;
    Transaction outer(env.db());
    env.addMember(QStringLiteral("Outer"), QStringLiteral("Part"));
    {
        Transaction inner(env.db());
        env.addMember(QStringLiteral("Inner"), QStringLiteral("Part"));
        // inner leaves scope without commit: the whole change must not land
    }
    QVERIFY_THROWS_EXCEPTION(DbError, outer.commit());
    QCOMPARE(env.db().scalar(QStringLiteral("SELECT COUNT(*) FROM Member")).toInt(), 0);
}

void TestDatabase::engineErrorCarriesEngineText()
{
    test::TestEnv env;
    try {
        env.db().exec(QStringLiteral("SELECT Nonsense FROM Member"));
        QFAIL("no error");
    } catch (const DbError& e) {
        QVERIFY2(e.text().contains(QStringLiteral("Nonsense")), qPrintable(e.text()));
    }
}

void TestDatabase::datesRoundTrip()
{
    test::TestEnv env;
    const qint64 id = env.addMember(QStringLiteral("A"), QStringLiteral("B"));
    const QDate day(2026, 1, 13); // a day above 12 cannot be mistaken for a month
    const QDateTime moment(QDate(2026, 11, 30), QTime(23, 59, 58));
    env.db().exec(
        QStringLiteral("UPDATE Member SET Date_Of_Birth = ?, Date_Added = ?, Anniversary_Date = ? WHERE ID = ?"),
        { sql::date(day), sql::dateTime(moment), sql::date(QDate()), id });
    QSqlQuery q = env.db().exec(
        QStringLiteral("SELECT Date_Of_Birth, Date_Added, Anniversary_Date FROM Member WHERE ID = ?"), { id });
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("2026-01-13"));
    QCOMPARE(sql::toDate(q.value(0)), day);
    QCOMPARE(sql::toDateTime(q.value(1)), moment);
    QVERIFY(q.value(2).isNull());
    QVERIFY(!sql::toDate(q.value(2)).isValid());
    // Dates compare as calendar days in SQL too.
    QVERIFY(env.db().exists(
        QStringLiteral("SELECT 1 FROM Member WHERE Date_Of_Birth > ?"), { sql::date(QDate(2026, 1, 2)) }));
}

void TestDatabase::emptyTextIsNotNull()
{
    test::TestEnv env;
    const qint64 id = env.addMember(QStringLiteral("A"), QStringLiteral("B"));
    env.db().exec(QStringLiteral("UPDATE Member SET City = ? WHERE ID = ?"), { sql::text(QString()), id });
    const QVariant city = env.db().scalar(QStringLiteral("SELECT City FROM Member WHERE ID = ?"), { id });
    QVERIFY(!city.isNull());
    QCOMPARE(city.toString(), QString());
    QVERIFY(sql::id(0).isNull());
    QCOMPARE(sql::id(40000).toLongLong(), Q_INT64_C(40000));
}

void TestDatabase::positionalInsertsFollowColumnOrder()
{
    test::TestEnv env;
    env.db().exec(QStringLiteral("INSERT INTO Family_Connection VALUES (?, ?, ?)"), { 7, QStringLiteral("Wife"), 9 });
    env.db().exec(QStringLiteral("INSERT INTO Member_Responsibility VALUES (?, ?, ?, ?)"),
        { 7, QStringLiteral("Deacon"), QStringLiteral("2020-01-01"), QStringLiteral("2024-12-31") });
    QSqlQuery f
        = env.db().exec(QStringLiteral("SELECT Member_ID, Relationship, Relative_Member_ID FROM Family_Connection"));
    QVERIFY(f.next());
    QCOMPARE(f.value(0).toInt(), 7);
    QCOMPARE(f.value(1).toString(), QStringLiteral("Wife"));
    QCOMPARE(f.value(2).toInt(), 9);
    QSqlQuery r = env.db().exec(
        QStringLiteral("SELECT Member_ID, Responsibility, \"Start\", \"End\" FROM Member_Responsibility"));
    QVERIFY(r.next());
    QCOMPARE(r.value(1).toString(), QStringLiteral("Deacon"));
    QCOMPARE(r.value(2).toString(), QStringLiteral("2020-01-01"));
    QCOMPARE(r.value(3).toString(), QStringLiteral("2024-12-31"));
}

void TestDatabase::seedValues()
{
    test::TestEnv env;
    QCOMPARE(env.db().scalar(QStringLiteral("SELECT COUNT(*) FROM Permission")).toInt(), 18);
    for (const QString& name : schema::permissionNames())
        QVERIFY2(
            env.db().exists(QStringLiteral("SELECT 1 FROM Permission WHERE Name = ?"), { name }), qPrintable(name));
    for (const char* status : { "Member", "Child Of Member", "Prospect" })
        QVERIFY(env.db().exists(QStringLiteral("SELECT 1 FROM MemberStatus WHERE Status = ?"), { status }));
    for (const char* status : { "Active", "Inactive" })
        QVERIFY(env.db().exists(QStringLiteral("SELECT 1 FROM ChurchStatus WHERE Status = ?"), { status }));
    for (const char* type : { "Admin", "User" })
        QVERIFY(env.db().exists(QStringLiteral("SELECT 1 FROM UserType WHERE Name = ?"), { type }));
    // Every phase's action is one of the contact actions.
    QCOMPARE(env.db()
                 .scalar(QStringLiteral("SELECT COUNT(*) FROM Outreach_Phase WHERE Action NOT IN "
                                        "(SELECT Action FROM Prospect_Action)"))
                 .toInt(),
        0);
    QVERIFY(env.db().scalar(QStringLiteral("SELECT COUNT(*) FROM Outreach_Phase")).toInt() >= 3);
    QCOMPARE(env.db().scalar(QStringLiteral("SELECT COUNT(*) FROM State")).toInt(), 52);
    QCOMPARE(env.db().scalar(QStringLiteral("SELECT COUNT(*) FROM Church")).toInt(), 0);
}

void TestDatabase::openRefusals_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("expected");
    QTest::newRow("missing") << "missing"
                             << "does not exist";
    QTest::newRow("not a database") << "text"
                                    << "could not be opened";
    QTest::newRow("other sqlite") << "other"
                                  << "is not a Pewlark database";
    QTest::newRow("newer") << "newer"
                           << "newer Pewlark";
    QTest::newRow("folder") << "folder"
                            << "is not a file";
}

void TestDatabase::openRefusals()
{
    QFETCH(QString, kind);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("church.sqlite"));
    if (kind == QLatin1String("text")) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("Database,\"C:\\Church\\church.mdb\"\nthis is not a database file at all, just text\n");
    } else if (kind == QLatin1String("other")) {
        auto db = Database::open(dir.filePath(QStringLiteral("seed.sqlite")), Database::OpenMode::CreateNew);
        db->close();
        // Another program's SQLite file: a table, but no schema version.
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        other.setDatabaseName(path);
        QVERIFY(other.open());
        QSqlQuery(other).exec(QStringLiteral("CREATE TABLE Recipes (Name TEXT)"));
        other.close();
    } else if (kind == QLatin1String("newer")) {
        auto db = Database::open(path, Database::OpenMode::CreateNew);
        db->exec(QStringLiteral("UPDATE Schema_Version SET Version = ?"), { schema::kCurrentVersion + 1 });
        db->close();
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("church.sqlite")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
    const QByteArray before = fileHash(path);
    try {
        Database::open(path, Database::OpenMode::ExistingOnly);
        QFAIL("the file was accepted");
    } catch (const DbError& e) {
        QVERIFY2(e.text().contains(expected), qPrintable(e.text()));
        QVERIFY2(e.text().contains(QStringLiteral("church.sqlite")), qPrintable(e.text()));
    }
    // Nothing was created or changed.
    QCOMPARE(QFileInfo::exists(path), kind != QLatin1String("missing"));
    QCOMPARE(fileHash(path), before);
}

void TestDatabase::createRefusesExistingFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("exists.sqlite"));
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("precious");
    }
    QVERIFY_THROWS_EXCEPTION(DbError, Database::open(path, Database::OpenMode::CreateNew));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("precious"));
}

void TestDatabase::pathsWithOddCharacters()
{
    QTemporaryDir dir;
    for (const char* name : { "Grace, Main St #2/church?.sqlite", "Église 100%/données.sqlite" }) {
        // Windows refuses "?" in a name; tst_filerules holds what it says then.
        if (QSysInfo::kernelType() == QLatin1String("winnt") && QByteArray(name).contains('?'))
            continue;
        const QString path = dir.filePath(QString::fromUtf8(name));
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        Database::open(path, Database::OpenMode::CreateNew)->close();
        QVERIFY2(QFileInfo::exists(path), name);
        auto db = Database::open(path, Database::OpenMode::ExistingOnly);
        QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM Permission")).toInt(), 18);
        // No stray file was made beside it under another spelling of the name.
        QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::Files).size(), 1);
    }
}

void TestDatabase::upgradeKeepsCurrentVersion()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("v.sqlite"));
    Database::open(path, Database::OpenMode::CreateNew)->close();
    auto db = Database::open(path, Database::OpenMode::ExistingOnly);
    QCOMPARE(schema::version(*db), schema::kCurrentVersion);
}

// A church of schema version 2 opens as version 3 with its rows, counting failed logins per user name.
void TestDatabase::upgradeToCountedLoginsKeepsEveryRow()
{
    QTemporaryDir dir;
    const QString where = test::onServer() ? test::emptyServerDatabase(QStringLiteral("version2"))
                                           : dir.filePath(QStringLiteral("v2.sqlite"));
    auto db = Database::open(where, Database::OpenMode::CreateNew);
    test::dropTablesAfterVersion3(*db);
    for (const char* change : { "DROP TABLE Login_Failure", "UPDATE Schema_Version SET Version = 2",
             "INSERT INTO Member (Status, Last_Name) VALUES ('Member', 'Hale')" })
        db->exec(QString::fromLatin1(change));
    db = Database::open(where, Database::OpenMode::ExistingOnly);
    QCOMPARE(schema::version(*db), schema::kCurrentVersion);
    QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM Member")).toInt(), 1);
    Users::recordLoginFailure(*db, QStringLiteral("Pastor"), QDateTime(QDate(2026, 3, 15), QTime(10, 0), Qt::UTC));
    QCOMPARE(Users::loginFailures(*db, QStringLiteral(" PASTOR")).inARow, 1);
}

// A church of schema version 3 opens with every row of every table kept and
// an empty, writable record of merges.
void TestDatabase::upgradeToRecordedMergesKeepsEveryRow()
{
    QTemporaryDir dir;
    const QString where = test::onServer() ? test::emptyServerDatabase(QStringLiteral("version3"))
                                           : dir.filePath(QStringLiteral("v3.sqlite"));
    auto db = Database::open(where, Database::OpenMode::CreateNew);
    test::dropTablesAfterVersion3(*db);
    for (const char* change :
        { "UPDATE Schema_Version SET Version = 3", "INSERT INTO Member (Status, Last_Name) VALUES ('Member', 'Hale')",
            "INSERT INTO Family_Connection VALUES (1, 'Son', 2)",
            "INSERT INTO Prospect_Contact (Prospect_ID) VALUES (1)" })
        db->exec(QString::fromLatin1(change));
    const auto rows = [&] {
        QStringList counts;
        for (const QString& table : test::tablesAtVersion(3))
            counts.append(db->scalar(QStringLiteral("SELECT COUNT(*) FROM ") + table).toString());
        return counts;
    };
    const QStringList before = rows();
    db = Database::open(where, Database::OpenMode::ExistingOnly);
    QCOMPARE(schema::version(*db), schema::kCurrentVersion);
    QCOMPARE(rows(), before);
    db->exec(QStringLiteral("INSERT INTO Member_Merge (Removed_Member_ID, Kept_Member_ID) VALUES (2, 1)"));
}

// A church of schema version 5 opens with every row kept, its birthdays
// found by month and day, and an empty record of settings and of pairs that
// are not the same person.
void TestDatabase::upgradeToSharedSettingsKeepsEveryRow()
{
    QTemporaryDir dir;
    const QString where = test::onServer() ? test::emptyServerDatabase(QStringLiteral("version5"))
                                           : dir.filePath(QStringLiteral("v5.sqlite"));
    auto db = Database::open(where, Database::OpenMode::CreateNew);
    test::dropTablesAfterVersion(*db, 5);
    for (const char* change : { "DROP INDEX Member_BirthDay", "UPDATE Schema_Version SET Version = 5",
             "INSERT INTO Member (Status, Last_Name, Date_Of_Birth) VALUES ('Member', 'Hale', '1961-03-14')",
             "INSERT INTO Member_Merge (Removed_Member_ID, Kept_Member_ID) VALUES (7, 1)",
             "INSERT INTO Attendance (Member_ID, Service, Meeting_Date) VALUES (1, 'WS', '2026-03-15')" })
        db->exec(QString::fromLatin1(change));
    const auto rows = [&] {
        QStringList counts;
        for (const QString& table : test::tablesAtVersion(5))
            counts.append(db->scalar(QStringLiteral("SELECT COUNT(*) FROM ") + table).toString());
        return counts;
    };
    const QStringList before = rows();
    db = Database::open(where, Database::OpenMode::ExistingOnly);
    QCOMPARE(schema::version(*db), schema::kCurrentVersion);
    QCOMPARE(rows(), before);
    QCOMPARE(db->scalar(QStringLiteral("SELECT Last_Name FROM Member WHERE substr(Date_Of_Birth, 6, 5) = '03-14'"))
                 .toString(),
        QStringLiteral("Hale"));
    QCOMPARE(ChurchSettings::value(*db, ChurchSettings::kNewPersonChurchStatus, QStringLiteral("none")),
        QStringLiteral("none"));
    ChurchSettings::setValue(*db, ChurchSettings::kNewPersonChurchStatus, QStringLiteral("Visitor"));
    ChurchSettings::setValue(*db, ChurchSettings::kNewPersonChurchStatus, QStringLiteral("Active"));
    QCOMPARE(ChurchSettings::value(*db, ChurchSettings::kNewPersonChurchStatus), QStringLiteral("Active"));
    db->exec(QStringLiteral("INSERT INTO Member_Not_Duplicate (Member_ID, Other_Member_ID) VALUES (1, 2)"));
}

// A church of schema version 6 (its permissions numbered from 101, as an
// imported one may be) opens with every row kept, the two permissions of
// giving added once and granted to its Admin accounts only, and giving's
// tables empty and writable.
void TestDatabase::upgradeToGivingKeepsEveryRow()
{
    QTemporaryDir dir;
    const QString where = test::onServer() ? test::emptyServerDatabase(QStringLiteral("version6"))
                                           : dir.filePath(QStringLiteral("v6.sqlite"));
    auto db = Database::open(where, Database::OpenMode::CreateNew);
    test::dropTablesAfterVersion(*db, 6);
    for (const char* change :
        { "UPDATE Schema_Version SET Version = 6", "DELETE FROM Permission WHERE Name LIKE 'Giving%'",
            "UPDATE Permission SET ID = ID + 100", "INSERT INTO Member (Status, Last_Name) VALUES ('Member', 'Hale')",
            "INSERT INTO Member (Status, Last_Name) VALUES ('Member', 'Cole')",
            "INSERT INTO \"User\" (Member_ID, Username, Type) VALUES (1, 'pastor', 'Admin'), (2, 'ann', 'User')",
            "INSERT INTO UserPermission (MemberID, PermissionID) VALUES (2, 101)",
            "INSERT INTO Church_Setting (Name, Value) VALUES ('A', 'b')" })
        db->exec(QString::fromLatin1(change));
    const auto rows = [&] {
        QStringList counts;
        for (const QString& table : test::tablesAtVersion(6))
            counts.append(db->scalar(QStringLiteral("SELECT COUNT(*) FROM ") + table).toString());
        return counts;
    };
    QStringList before = rows();
    db = Database::open(where, Database::OpenMode::ExistingOnly);
    QCOMPARE(schema::version(*db), schema::kCurrentVersion);
    const QStringList after = rows();
    const int permissions = int(test::tablesAtVersion(6).indexOf(QStringLiteral("Permission")));
    const int grants = int(test::tablesAtVersion(6).indexOf(QStringLiteral("UserPermission")));
    before[permissions] = QString::number(before[permissions].toInt() + 2);
    before[grants] = QString::number(before[grants].toInt() + 2);
    QCOMPARE(after, before);
    QCOMPARE(db->texts(QStringLiteral("SELECT ID FROM Permission WHERE Name LIKE 'Giving%' ORDER BY ID")),
        (QStringList { "117", "118" }));
    QCOMPARE(db->texts(QStringLiteral("SELECT PermissionID FROM UserPermission WHERE MemberID = 1 ORDER BY 1")),
        (QStringList { "117", "118" }));
    for (const QString& table : schema::tableNames()) {
        if (test::versionAdding(table) == 7)
            QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM ") + table).toInt(), 0);
    }
    db->exec(QStringLiteral("INSERT INTO Gift_Line (Gift_ID, Fund_ID, Amount_Cents) VALUES (1, 1, 30)"));
    // Upgrading again (a file set back to version 6) adds nothing twice.
    db->exec(QStringLiteral("UPDATE Schema_Version SET Version = 6"));
    db = Database::open(where, Database::OpenMode::ExistingOnly);
    QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM Permission")).toInt(), 18);
    QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM UserPermission")).toInt(), 3);
    QCOMPARE(db->scalar(QStringLiteral("SELECT SUM(Amount_Cents) FROM Gift_Line")).toInt(), 30);
}

// A church of schema version 7 with giving opens with every row kept and the
// roster tables empty and writable; set back and opened again, it keeps them.
void TestDatabase::upgradeToRostersKeepsEveryRow()
{
    QTemporaryDir dir;
    const QString where = test::onServer() ? test::emptyServerDatabase(QStringLiteral("version7"))
                                           : dir.filePath(QStringLiteral("v7.sqlite"));
    auto db = Database::open(where, Database::OpenMode::CreateNew);
    test::dropTablesAfterVersion(*db, 7);
    for (const char* change :
        { "UPDATE Schema_Version SET Version = 7", "INSERT INTO Member (Status, Last_Name) VALUES ('Member', 'Hale')",
            "INSERT INTO Gift (Batch_ID, Member_ID, Gift_Date, Method) VALUES (1, 1, '2026-01-04', 'Cash')",
            "INSERT INTO Gift_Line (Gift_ID, Fund_ID, Amount_Cents) VALUES (1, 1, 2500)" })
        db->exec(QString::fromLatin1(change));
    const QStringList before = test::rowCountsAtVersion(*db, 7);
    db = Database::open(where, Database::OpenMode::ExistingOnly);
    QCOMPARE(schema::version(*db), schema::kCurrentVersion);
    QCOMPARE(test::rowCountsAtVersion(*db, 7), before);
    db->exec(QStringLiteral("INSERT INTO Roster_Assignment (Position_ID, Serve_Date, Member_ID) VALUES (1, "
                            "'2026-03-01', 1)"));
    db->exec(QStringLiteral("UPDATE Schema_Version SET Version = 7"));
    db = Database::open(where, Database::OpenMode::ExistingOnly);
    QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM Roster_Assignment")).toInt(), 1);
    QCOMPARE(test::rowCountsAtVersion(*db, 7), before);
}

// A church of schema version 8 with rosters opens with every row kept and the
// check-in tables empty and writable; set back and opened again, it keeps them.
void TestDatabase::upgradeToCheckinKeepsEveryRow()
{
    QTemporaryDir dir;
    const QString where = test::onServer() ? test::emptyServerDatabase(QStringLiteral("version8"))
                                           : dir.filePath(QStringLiteral("v8.sqlite"));
    auto db = Database::open(where, Database::OpenMode::CreateNew);
    test::dropTablesAfterVersion(*db, 8);
    for (const char* change :
        { "UPDATE Schema_Version SET Version = 8", "INSERT INTO Member (Status, Last_Name) VALUES ('Member', 'Hale')",
            "INSERT INTO Roster_Assignment (Position_ID, Serve_Date, Member_ID) VALUES (1, '2026-03-01', 1)" })
        db->exec(QString::fromLatin1(change));
    const QStringList before = test::rowCountsAtVersion(*db, 8);
    db = Database::open(where, Database::OpenMode::ExistingOnly);
    QCOMPARE(schema::version(*db), schema::kCurrentVersion);
    QCOMPARE(test::rowCountsAtVersion(*db, 8), before);
    db->exec(QStringLiteral("INSERT INTO Checkin (Member_ID, Service, Checkin_Date, Code) VALUES (1, 'SS', "
                            "'2026-03-01', 'BCD')"));
    db->exec(QStringLiteral("UPDATE Schema_Version SET Version = 8"));
    db = Database::open(where, Database::OpenMode::ExistingOnly);
    QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM Checkin")).toInt(), 1);
    QCOMPARE(test::rowCountsAtVersion(*db, 8), before);
}

void TestDatabase::upgradeToDirectoryKeepsEveryRow()
{
    QTemporaryDir dir;
    const QString where = test::onServer() ? test::emptyServerDatabase(QStringLiteral("version9"))
                                           : dir.filePath(QStringLiteral("v9.sqlite"));
    auto db = Database::open(where, Database::OpenMode::CreateNew);
    test::dropTablesAfterVersion(*db, 9);
    for (const char* change :
        { "UPDATE Schema_Version SET Version = 9", "INSERT INTO Member (Status, Last_Name) VALUES ('Member', 'Hale')",
            "INSERT INTO Child_Care (Member_ID, Allergy_Note) VALUES (1, 'Peanuts')" })
        db->exec(QString::fromLatin1(change));
    const QStringList before = test::rowCountsAtVersion(*db, 9);
    db = Database::open(where, Database::OpenMode::ExistingOnly);
    QCOMPARE(schema::version(*db), schema::kCurrentVersion);
    QCOMPARE(test::rowCountsAtVersion(*db, 9), before);
    db->exec(QStringLiteral("INSERT INTO Directory_Listing (Member_ID, Family_Picture) VALUES (1, 'hale.jpg')"));
    // A file set back from this version keeps its listings on the next upgrade.
    db->exec(QStringLiteral("UPDATE Schema_Version SET Version = 9"));
    db = Database::open(where, Database::OpenMode::ExistingOnly);
    QCOMPARE(db->texts(QStringLiteral("SELECT Listing FROM Directory_Listing")), QStringList { "List" });
    QCOMPARE(test::rowCountsAtVersion(*db, 9), before);
}

void TestDatabase::openRefusesAnIncompleteChurch_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("older");
    QTest::addColumn<QString>("lacks");
    QTest::newRow("a table dropped") << "DROP TABLE Church" << false << "it lacks the table Church.";
    QTest::newRow("a column dropped") << "ALTER TABLE \"User\" DROP COLUMN Password" << false
                                      << "it lacks the column User.Password.";
    QTest::newRow("an older church without a table") << "DROP TABLE Church" << true << "it lacks the table Church.";
}

// Checked against every table and column the program writes, after its
// own upgrade, which is undone when the result is not whole.
void TestDatabase::openRefusesAnIncompleteChurch()
{
    QFETCH(QString, change);
    QFETCH(bool, older);
    QFETCH(QString, lacks);
    QTemporaryDir dir;
    auto db = Database::open(test::onServer() ? test::emptyServerDatabase(QStringLiteral("incomplete"))
                                              : dir.filePath(QStringLiteral("church.sqlite")),
        Database::OpenMode::CreateNew);
    if (older)
        test::makeVersion1(*db);
    db->exec(change);
    try {
        Database::open(db->path(), Database::OpenMode::ExistingOnly);
        QFAIL("the church was accepted");
    } catch (const DbError& e) {
        QCOMPARE(e.kind(), DbError::Kind::Damaged);
        QVERIFY2(
            e.message().contains(QStringLiteral("is not a whole Pewlark database: ") + lacks), qPrintable(e.text()));
    }
    QCOMPARE(schema::version(*db), older ? 1 : schema::kCurrentVersion);
}

void TestDatabase::passwordsAreHashedAndFoldCase()
{
    const QString stored = passwords::hash(QStringLiteral("Grace'Church"));
    QVERIFY(!stored.contains(QStringLiteral("Grace")));
    QVERIFY(passwords::verify(stored, QStringLiteral("grace'church")));
    QVERIFY(passwords::verify(stored, QStringLiteral("GRACE'CHURCH")));
    QVERIFY(!passwords::verify(stored, QStringLiteral("Grace Church")));
    QVERIFY(!passwords::verify(QString(), QString()));
    QVERIFY(
        !passwords::verify(QStringLiteral("Grace'Church"), QStringLiteral("Grace'Church"))); // plain text never matches
    QVERIFY(passwords::hash(QStringLiteral("same")) != passwords::hash(QStringLiteral("same"))); // salted
}

QTEST_GUILESS_MAIN(TestDatabase)
#include "tst_database.moc"
