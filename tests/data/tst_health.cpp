#include "FileConditions.h"
#include "TestSupport.h"
#include "data/Health.h"
#include "data/Members.h"
#include "data/OpenChurch.h"
#include "data/Passwords.h"
#include "data/Sql.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <sqlite3.h>
#include <sys/stat.h>

using namespace pw;
using Kind = DbError::Kind;

namespace {

// A small church file: people with long notes (so that it spans many pages)
// and one account.
QString makeChurch(const QString& folder, const QString& name = QStringLiteral("church.sqlite"))
{
    const QString path = QDir(folder).filePath(name);
    auto db = Database::open(path, Database::OpenMode::CreateNew);
    Transaction tx(*db);
    Members::Inserter people(*db);
    MemberRecord r;
    r.status = QStringLiteral("Member");
    r.gender = QStringLiteral("Unknown");
    r.lastName = QStringLiteral("Roll");
    for (int i = 0; i < 300; ++i) {
        r.firstName = QStringLiteral("Person %1").arg(i);
        r.notes = QString(400, QLatin1Char('a' + i % 26));
        people.insert(r);
    }
    db->exec(QStringLiteral("INSERT INTO \"User\" (Member_ID, Username, Password, Type, Inactive, DateEntered) "
                            "VALUES (1, 'admin', ?, 'Admin', 0, '2026-01-01')"),
        { passwords::hash(QStringLiteral("admin")) });
    tx.commit();
    return db->path();
}

// Overwrites one page in the middle of the file with a pattern.
void damagePage(const QString& path)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    const qint64 pages = f.size() / 4096;
    QVERIFY(pages > 10);
    QVERIFY(f.seek((pages / 2) * 4096));
    f.write(QByteArray(4096, '\x5a'));
}

// Another workstation in the middle of a change: it holds the write lock.
struct OtherWriter {
    sqlite3* h = nullptr;
    explicit OtherWriter(const QString& path)
    {
        sqlite3_open_v2(QFile::encodeName(path).constData(), &h, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_exec(
            h, "BEGIN IMMEDIATE; UPDATE Member SET City = 'Elsewhere' WHERE ID = 1", nullptr, nullptr, nullptr);
    }
    ~OtherWriter()
    {
        sqlite3_exec(h, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(h);
    }
};

// A change as a save makes it: several rows in one transaction.
void addPeople(Database& db, int count)
{
    Transaction tx(db);
    for (int i = 0; i < count; ++i)
        db.exec(QStringLiteral("INSERT INTO Member (Status, First_Name, Last_Name, Notes) VALUES (?, ?, ?, ?)"),
            { QStringLiteral("Member"), QStringLiteral("New"), QStringLiteral("Person"), QString(2000, 'n') });
    tx.commit();
}

} // namespace

class TestHealth : public QObject {
    Q_OBJECT
private slots:
    void startupRefuses_data();
    void startupRefuses();
    void failedChangeLeavesFileAsItWas_data();
    void failedChangeLeavesFileAsItWas();
    void lockWaitIsReportedAndBounded();
    void connectionsUseRollbackJournalWithFullFlushes();
};

void TestHealth::startupRefuses_data()
{
    QTest::addColumn<QString>("situation");
    QTest::addColumn<int>("kind"); // -1: accepted
    QTest::addColumn<QString>("message");

    QTest::newRow("healthy file") << "healthy" << -1 << "";
    QTest::newRow("a damaged page") << "damaged" << int(Kind::Damaged) << "it is damaged";
    QTest::newRow("no user account") << "no account" << int(Kind::Damaged) << "holds no user accounts";
    QTest::newRow("leftover of an interrupted creation")
        << "leftover" << int(Kind::Damaged) << "is what was left when writing";
    QTest::newRow("read-only file") << "read-only file" << int(Kind::ReadOnly) << "the file is read-only";
    QTest::newRow("read-only folder") << "read-only folder" << int(Kind::ReadOnly) << "its folder is read-only";
    QTest::newRow("locked by another program") << "locked" << int(Kind::Locked) << "another program or workstation";
}

void TestHealth::startupRefuses()
{
    QFETCH(QString, situation);
    QFETCH(int, kind);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("office")));
    const QString folder = dir.filePath(QStringLiteral("office"));
    const QString name = situation == QLatin1String("leftover") ? QStringLiteral(".church.sqlite.partial-999999")
                                                                : QStringLiteral("church.sqlite");
    const QString path = makeChurch(folder, name);
    if (situation == QLatin1String("damaged"))
        damagePage(path);
    if (situation == QLatin1String("no account"))
        Database::open(path, Database::OpenMode::ExistingOnly)->exec(QStringLiteral("DELETE FROM \"User\""));
    if (situation == QLatin1String("read-only file"))
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0444) == 0);
    if (situation == QLatin1String("read-only folder"))
        QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0555) == 0);
    std::unique_ptr<OtherWriter> other;
    if (situation == QLatin1String("locked"))
        other = std::make_unique<OtherWriter>(path);
    const QByteArray before = test::fileHash(path);

    test::WithoutOverride permissions;
    if (!permissions.ok())
        QSKIP("file permissions cannot be made to apply to this process");
    QString error;
    int got = -1;
    try {
        auto db = health::openForStartup(path);
    } catch (const DbError& e) {
        error = e.text();
        got = int(e.kind());
    }
    ::chmod(QFile::encodeName(folder).constData(), 0755);
    other.reset();
    QCOMPARE(got, kind);
    if (kind >= 0) {
        QVERIFY2(error.contains(message), qPrintable(error));
        QVERIFY2(error.contains(path), qPrintable(error));
    }
    QCOMPARE(test::fileHash(path), before);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

void TestHealth::failedChangeLeavesFileAsItWas_data()
{
    QTest::addColumn<QString>("situation");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("message");

    QTest::newRow("read-only file") << "read-only file" << int(Kind::ReadOnly) << "the file is read-only";
    QTest::newRow("read-only folder") << "read-only folder" << int(Kind::ReadOnly) << "its folder is read-only";
    QTest::newRow("locked by another program") << "locked" << int(Kind::Locked) << "Wait a moment, then try again";
    QTest::newRow("disk full") << "full" << int(Kind::DiskFull) << "there is no room left on the disk";
}

void TestHealth::failedChangeLeavesFileAsItWas()
{
    QFETCH(QString, situation);
    QFETCH(int, kind);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("office")));
    const QString folder = dir.filePath(QStringLiteral("office"));
    const QString path = makeChurch(folder);
    const QByteArray before = test::fileHash(path);

    std::unique_ptr<Database> db;
    std::unique_ptr<OtherWriter> other;
    QString error;
    QString detail;
    int got = -1;
    {
        test::WithoutOverride permissions;
        if (!permissions.ok())
            QSKIP("file permissions cannot be made to apply to this process");
        if (situation == QLatin1String("read-only file"))
            QVERIFY(::chmod(QFile::encodeName(path).constData(), 0444) == 0);
        if (situation == QLatin1String("read-only folder"))
            QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0555) == 0);
        db = Database::open(path, Database::OpenMode::ExistingOnly);
        db->setLockWaitLimit(200);
        if (situation == QLatin1String("locked"))
            other = std::make_unique<OtherWriter>(path);
        std::unique_ptr<test::FileSizeLimit> limit;
        if (situation == QLatin1String("full")) {
            limit = std::make_unique<test::FileSizeLimit>(QFileInfo(path).size());
            QVERIFY(limit->ok());
        }
        try {
            addPeople(*db, 200);
        } catch (const DbError& e) {
            error = e.text();
            detail = e.detail();
            got = int(e.kind());
        }
    }
    ::chmod(QFile::encodeName(folder).constData(), 0755);
    ::chmod(QFile::encodeName(path).constData(), 0644);
    other.reset();

    QCOMPARE(got, kind);
    QVERIFY2(error.contains(message), qPrintable(error));
    QVERIFY2(error.contains(path), qPrintable(error));
    // The engine's own words stay as a second paragraph.
    QVERIFY(!detail.isEmpty());
    QVERIFY2(error.endsWith(DbError::detailLine(detail)), qPrintable(error));
    QVERIFY(!db->inTransaction());
    QCOMPARE(test::fileHash(path), before);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 1);

    // Once the cause is gone, the same change succeeds on a new connection.
    db.reset();
    db = Database::open(path, Database::OpenMode::ExistingOnly);
    addPeople(*db, 200);
    QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM Member")).toInt(), 500);
}

void TestHealth::lockWaitIsReportedAndBounded()
{
    QTemporaryDir dir;
    const QString path = makeChurch(dir.path());
    auto db = Database::open(path, Database::OpenMode::ExistingOnly);
    db->setLockWaitLimit(300);
    QList<LockWait> seen;
    Database::setLockWaitHook([&seen](const LockWait& w) { seen.append(w); });
    {
        OtherWriter other(path);
        QVERIFY_THROWS_EXCEPTION(DbError, addPeople(*db, 1));
    }
    // Once the other program has finished, the same change goes through.
    addPeople(*db, 1);
    Database::setLockWaitHook({});

    QVERIFY(seen.size() >= 3);
    QCOMPARE(seen.first().phase, LockWait::Phase::Started);
    QCOMPARE(seen.last().phase, LockWait::Phase::Ended);
    for (int i = 1; i + 1 < seen.size(); ++i)
        QCOMPARE(seen.at(i).phase, LockWait::Phase::Waiting);
    QCOMPARE(seen.first().path, db->path());
    QCOMPARE(seen.first().limitMs, 300);
    QVERIFY(seen.last().waitedMs >= 300);
}

void TestHealth::connectionsUseRollbackJournalWithFullFlushes()
{
    QTemporaryDir dir;
    const QString path = makeChurch(dir.path());
    {
        // Someone switched the file to a write-ahead log with another tool.
        sqlite3* h = nullptr;
        sqlite3_open(QFile::encodeName(path).constData(), &h);
        sqlite3_exec(h, "PRAGMA journal_mode = WAL", nullptr, nullptr, nullptr);
        sqlite3_close(h);
    }
    auto db = Database::open(path, Database::OpenMode::ExistingOnly);
    QCOMPARE(db->scalar(QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("delete"));
    QCOMPARE(db->scalar(QStringLiteral("PRAGMA synchronous")).toInt(), 2);
    addPeople(*db, 1);
    db.reset();
    // A closed database is one file again: nothing beside it to copy.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList { "church.sqlite" });
}

QTEST_GUILESS_MAIN(TestHealth)

#include "tst_health.moc"
