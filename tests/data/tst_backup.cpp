#include "FileConditions.h"
#include "OfficeFolder.h"
#include "TestSupport.h"
#include "data/Backup.h"
#include "data/CopyChurch.h"
#include "data/Health.h"
#include "data/Members.h"
#include "data/NewDatabaseFile.h"
#include "data/OpenChurch.h"
#include "data/Passwords.h"
#include "data/Schema.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <sys/stat.h>

using namespace pw;
using test::TestEnv;

namespace {

void addPeople(Database& db, int count, const QString& lastName)
{
    Transaction tx(db);
    Members::Inserter people(db);
    MemberRecord r;
    r.status = QStringLiteral("Member");
    r.gender = QStringLiteral("Unknown");
    r.lastName = lastName;
    for (int i = 0; i < count; ++i) {
        r.firstName = QStringLiteral("Person %1").arg(i);
        r.notes = QString(300, QLatin1Char('n'));
        people.insert(r);
    }
    tx.commit();
}

void addAccount(Database& db)
{
    db.exec(QStringLiteral("INSERT INTO \"User\" (Member_ID, Username, Password, Type, Inactive, DateEntered) "
                           "VALUES (1, 'admin', ?, 'Admin', 0, '2026-01-01')"),
        { passwords::hash(QStringLiteral("admin")) });
}

// A church file with people named lastName and one account.
QString makeChurch(const QString& path, const QString& lastName, int people = 50)
{
    auto db = Database::open(path, Database::OpenMode::CreateNew);
    addPeople(*db, people, lastName);
    addAccount(*db);
    return db->path();
}

int count(Database& db, const QString& lastName)
{
    return db.scalar(QStringLiteral("SELECT COUNT(*) FROM Member WHERE Last_Name = ?"), { lastName }).toInt();
}

QStringList files(const QString& folder) { return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

// Runs as a separate process: another workstation that keeps saving ten
// people at a time until it is killed.
int writerMain(const QString& path)
{
    auto db = Database::open(path, Database::OpenMode::ExistingOnly);
    for (int round = 0; round < 100000; ++round) {
        addPeople(*db, 10, QStringLiteral("Batch"));
        if (round == 0) {
            std::printf("ready\n");
            std::fflush(stdout);
        }
    }
    return 0;
}

} // namespace

class TestBackup : public QObject {
    Q_OBJECT
private slots:
    void backupWhileAnotherWorkstationWrites();
    void backupRefusals_data();
    void backupRefusals();
    void restore_data();
    void restore();
    void dailyBackupKeepsTheLast14();
    void picturesGoWithTheBackupAndComeBack();
    void copiesKeepTheDatabasePermissions_data();
    void copiesKeepTheDatabasePermissions();
};

void TestBackup::backupWhileAnotherWorkstationWrites()
{
    TestEnv env(test::Where::File);
    addPeople(env.db(), 20, QStringLiteral("Roll"));
    addAccount(env.db());

    QProcess writer;
    writer.start(QCoreApplication::applicationFilePath(), { QStringLiteral("--writer"), env.db().path() });
    QVERIFY(writer.waitForStarted());
    QByteArray said;
    while (!said.contains("ready") && writer.state() == QProcess::Running) {
        writer.waitForReadyRead(30000);
        said += writer.readAllStandardOutput();
    }
    QVERIFY2(said.contains("ready"), writer.readAllStandardError().constData());

    QList<int> batches;
    for (int i = 0; i < 3; ++i) {
        const QString target = env.dir.filePath(QStringLiteral("copy%1.sqlite").arg(i));
        const backup::Copy copy = backup::backUp(env.db(), target);
        QCOMPARE(copy.path, target);
        QCOMPARE(copy.size, QFileInfo(target).size());
        // The copy is a whole database as it was after some commit: whole
        // batches only, and it passes every start-up check.
        auto opened = health::openForStartup(target);
        const int rows = count(*opened, QStringLiteral("Batch"));
        QVERIFY(rows > 0);
        QCOMPARE(rows % 10, 0);
        QCOMPARE(count(*opened, QStringLiteral("Roll")), 20);
        batches.append(rows);
        QTest::qWait(50);
    }
    writer.kill();
    QVERIFY(writer.waitForFinished(30000));
    QVERIFY2(batches.last() > batches.first(), "the other workstation wrote while the backups were made");
    // Nothing but the copies is left beside them.
    for (const QString& name : files(env.folder()))
        QVERIFY2(!name.startsWith(QLatin1Char('.')), qPrintable(name));
}

void TestBackup::backupRefusals_data()
{
    QTest::addColumn<QString>("situation");
    QTest::addColumn<QString>("message"); // empty: written

    QTest::newRow("target exists") << "exists"
                                   << "already exists; it was left unchanged";
    QTest::newRow("target exists, replacing allowed") << "replace"
                                                      << "";
    QTest::newRow("folder missing") << "no folder"
                                    << "does not exist";
    QTest::newRow("onto the database itself") << "itself"
                                              << "cannot be written over the database";
    QTest::newRow("disk full") << "full"
                               << "there is no room left on the disk";
    QTest::newRow("read-only folder") << "read-only"
                                      << "you may not write in the folder";
}

void TestBackup::backupRefusals()
{
    QFETCH(QString, situation);
    QFETCH(QString, message);
    TestEnv env(test::Where::File);
    addPeople(env.db(), 200, QStringLiteral("Roll"));
    QVERIFY(QDir(env.folder()).mkdir(QStringLiteral("backups")));
    const QString folder = env.dir.filePath(QStringLiteral("backups"));
    QString target = QDir(folder).filePath(QStringLiteral("copy.sqlite"));
    if (situation == QLatin1String("no folder"))
        target = env.dir.filePath(QStringLiteral("missing/copy.sqlite"));
    if (situation == QLatin1String("itself"))
        target = env.db().path();
    const QByteArray theirs("an older copy kept by the secretary");
    if (situation == QLatin1String("exists") || situation == QLatin1String("replace")) {
        QFile f(target);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(theirs);
    }
    const QByteArray database = test::fileHash(env.db().path());

    QString error;
    try {
        std::unique_ptr<test::FileSizeLimit> limit;
        if (situation == QLatin1String("full"))
            limit = std::make_unique<test::FileSizeLimit>(QFileInfo(env.db().path()).size() / 2);
        if (limit && !limit->ok())
            QSKIP("a full disk cannot be made for this process");
        test::WithoutOverride permissions;
        if (situation == QLatin1String("read-only") && (!permissions.ok() || ::chmod(qPrintable(folder), 0555) != 0))
            QSKIP("file permissions cannot be made to apply to this process");
        backup::backUp(env.db(), target, QString(), situation == QLatin1String("replace"));
    } catch (const DbError& e) {
        error = e.text();
    }
    ::chmod(qPrintable(folder), 0755);
    QCOMPARE(test::fileHash(env.db().path()), database);
    if (message.isEmpty()) {
        QVERIFY2(error.isEmpty(), qPrintable(error));
        auto copy = Database::open(target, Database::OpenMode::ExistingOnly);
        QCOMPARE(count(*copy, QStringLiteral("Roll")), 200);
        return;
    }
    QVERIFY2(error.contains(message), qPrintable(error));
    if (situation == QLatin1String("exists")) {
        QFile f(target);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), theirs);
    } else if (situation != QLatin1String("no folder")) {
        QCOMPARE(files(folder), QStringList {});
    }
}

void TestBackup::restore_data()
{
    QTest::addColumn<QString>("offered");
    QTest::addColumn<QString>("message"); // empty: restored

    QTest::newRow("a good backup") << "good"
                                   << "";
    QTest::newRow("a damaged backup") << "damaged"
                                      << "is damaged";
    QTest::newRow("a backup of a newer Pewlark") << "newer"
                                                 << "was written by a newer Pewlark";
    QTest::newRow("a text file") << "text"
                                 << "is damaged or is not a database file";
    QTest::newRow("a database without accounts") << "no accounts"
                                                 << "holds no user accounts";
    QTest::newRow("another program's database") << "other"
                                                << "is not a Pewlark database";
    QTest::newRow("the database in use") << "itself"
                                         << "is the database in use";
    QTest::newRow("a backup without the Member table") << "no Member"
                                                       << "is not a whole Pewlark database: it lacks the table Member.";
    QTest::newRow("a backup of an older Pewlark") << "older"
                                                  << "";
    QTest::newRow("a backup with an unfinished change beside it") << "unfinished"
                                                                  << "";
    QTest::newRow("a folder") << "folder"
                              << "is a folder, not a backup";
}

void TestBackup::restore()
{
    QFETCH(QString, offered);
    QFETCH(QString, message);
    TestEnv env(test::Where::File);
    addPeople(env.db(), 5, QStringLiteral("Current"));
    addAccount(env.db());
    // Another workstation has the database open throughout.
    auto other = Database::open(env.db().path(), Database::OpenMode::ExistingOnly);
    QCOMPARE(count(*other, QStringLiteral("Current")), 5);

    QString file = env.dir.filePath(QStringLiteral("offered.sqlite"));
    if (offered == QLatin1String("text")) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(8192, 'x'));
    } else if (offered == QLatin1String("other")) {
        QProcess sqlite;
        sqlite.start(QStringLiteral("sqlite3"), { file, QStringLiteral("CREATE TABLE Recipes (Name TEXT);") });
        if (!sqlite.waitForFinished() || sqlite.exitCode() != 0)
            QSKIP("the sqlite3 tool is not installed");
    } else if (offered == QLatin1String("itself")) {
        file = env.db().path();
    } else if (offered == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(file));
    } else {
        makeChurch(file, QStringLiteral("Restored"), 300);
        auto db = Database::open(file, Database::OpenMode::ExistingOnly);
        if (offered == QLatin1String("newer"))
            db->exec(QStringLiteral("UPDATE Schema_Version SET Version = ?"), { schema::kCurrentVersion + 1 });
        if (offered == QLatin1String("no accounts"))
            db->exec(QStringLiteral("DELETE FROM \"User\""));
        if (offered == QLatin1String("no Member"))
            db->exec(QStringLiteral("DROP TABLE Member"));
        if (offered == QLatin1String("older"))
            test::makeVersion1(*db);
        db.reset();
        if (offered == QLatin1String("unfinished"))
            test::leaveUnfinishedChange(file);
        if (offered == QLatin1String("damaged")) {
            QFile f(file);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.seek(f.size() / 2 / 4096 * 4096));
            f.write(QByteArray(4096, '\x5a'));
        }
    }
    const QByteArray before = test::fileHash(env.db().path());
    const auto offeredFiles = [&] { return test::fileHash(file) + test::fileHash(file + QStringLiteral("-journal")); };
    const QByteArray offeredBefore = offeredFiles();
    const QString dated = env.dir.filePath(QStringLiteral("test.before-restore-2026-03-15-103000.sqlite"));

    QString error;
    backup::Restored restored;
    try {
        restored = backup::restore(env.db(), file, env.clock, QString());
    } catch (const DbError& e) {
        error = e.text();
    }
    // The file offered is only read, and nothing of the checks is left.
    QCOMPARE(offeredFiles(), offeredBefore);
    QCOMPARE(QDir(env.folder()).entryList({ QStringLiteral(".*") }, QDir::Files | QDir::Hidden), QStringList {});
    if (!message.isEmpty()) {
        QVERIFY2(error.contains(message), qPrintable(error));
        QVERIFY2(error.contains(QDir::toNativeSeparators(file)), qPrintable(error));
        QCOMPARE(test::fileHash(env.db().path()), before);
        QVERIFY(!QFileInfo::exists(dated));
        QCOMPARE(count(*other, QStringLiteral("Current")), 5);
        return;
    }
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(restored.savedCopy, dated);
    QCOMPARE(count(env.db(), QStringLiteral("Restored")), 300);
    QCOMPARE(count(env.db(), QStringLiteral("Current")), 0);
    QCOMPARE(schema::version(env.db()), schema::kCurrentVersion);
    // The other workstation sees the restored contents at once.
    QCOMPARE(count(*other, QStringLiteral("Restored")), 300);
    // The database as it was is kept beside it, whole.
    auto kept = health::openForStartup(dated);
    QCOMPARE(count(*kept, QStringLiteral("Current")), 5);
    QCOMPARE(count(*kept, QStringLiteral("Restored")), 0);
}

void TestBackup::dailyBackupKeepsTheLast14()
{
    TestEnv env(test::Where::File);
    addPeople(env.db(), 5, QStringLiteral("Roll"));
    const QString folder = backup::dailyFolder(env.db().path());
    QCOMPARE(folder, env.dir.filePath(QStringLiteral("backups")));
    QVERIFY(QDir().mkpath(folder));
    // Files that are not this database's daily backups are never touched.
    const QStringList foreign { QStringLiteral("chapel-2026-01-01.sqlite"), QStringLiteral("test-before-move.sqlite"),
        QStringLiteral("notes.txt") };
    for (const QString& name : foreign) {
        QFile f(QDir(folder).filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }

    // What a killed backup left is removed by the next one.
    const QString leftover
        = QDir(folder).filePath(QStringLiteral(".test-2026-02-01.sqlite.partial-%1").arg(test::endedProcessId()));
    QFile(leftover).open(QIODevice::WriteOnly);

    const QDate first(2026, 2, 20);
    QStringList removed;
    for (int day = 0; day < 20; ++day) {
        env.clock.current = QDateTime(first.addDays(day), QTime(8, 0));
        addPeople(env.db(), 1, QStringLiteral("Day %1").arg(day));
        const backup::Daily made = backup::dailyBackup(env.db(), env.clock, QString());
        QVERIFY(made.made);
        QCOMPARE(made.copy.path,
            QDir(folder).filePath(QStringLiteral("test-%1.sqlite").arg(first.addDays(day).toString(Qt::ISODate))));
        removed += made.removed;
        // A later start on the same day makes none.
        env.clock.advanceSeconds(3600);
        const backup::Daily again = backup::dailyBackup(env.db(), env.clock, QString());
        QVERIFY(!again.made);
        QCOMPARE(again.copy.path, made.copy.path);
    }

    QStringList expected = foreign;
    for (int day = 6; day < 20; ++day)
        expected.append(QStringLiteral("test-%1.sqlite").arg(first.addDays(day).toString(Qt::ISODate)));
    expected.sort();
    QCOMPARE(files(folder), expected);
    QCOMPARE(removed.size(), 6);
    // The newest backup holds that day's work.
    auto newest = Database::open(QDir(folder).filePath(backup::dailyFileName(env.db().path(), first.addDays(19))),
        Database::OpenMode::ExistingOnly);
    QCOMPARE(count(*newest, QStringLiteral("Day 19")), 1);
}

void TestBackup::picturesGoWithTheBackupAndComeBack()
{
    TestEnv env(test::Where::File);
    addPeople(env.db(), 4, QStringLiteral("Pictured"));
    addAccount(env.db());
    const QString pictures = env.dir.filePath(QStringLiteral("pictures/"));
    QVERIFY(QDir().mkpath(pictures));
    const auto write = [](const QString& path, const QByteArray& bytes) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    };
    write(pictures + QStringLiteral("1.jpg"), "one");
    write(pictures + QStringLiteral("2.png"), "two");
    // One picture is missing from the folder; one name is no picture's name.
    const QStringList named { "1.jpg", "2.png", "3.jpg", "../test.sqlite" };
    for (int i = 0; i < named.size(); ++i)
        env.db().exec(QStringLiteral("UPDATE Member SET Picture = ? WHERE ID = ?"), { named.at(i), i + 1 });

    const QString target = env.dir.filePath(QStringLiteral("sunday.sqlite"));
    const backup::Copy copy = backup::backUp(env.db(), target, pictures);
    QCOMPARE(copy.pictures, 2);
    QCOMPARE(copy.picturesMissing, 2);
    QCOMPARE(copy.pictureCopies, env.dir.filePath(QStringLiteral("sunday-pictures")));
    QCOMPARE(QDir(copy.pictureCopies).entryList(QDir::Files), (QStringList { "1.jpg", "2.png" }));

    // The pictures change; the backup puts them back and keeps the ones before.
    write(pictures + QStringLiteral("1.jpg"), "a newer one");
    QVERIFY(QFile::remove(pictures + QStringLiteral("2.png")));
    const backup::Restored restored = backup::restore(env.db(), target, env.clock, pictures);
    QCOMPARE(restored.picturesBack, 2);
    QCOMPARE(test::fileHash(pictures + QStringLiteral("1.jpg")), test::fileHash(copy.pictureCopies + "/1.jpg"));
    QCOMPARE(test::fileHash(pictures + QStringLiteral("2.png")), test::fileHash(copy.pictureCopies + "/2.png"));
    QCOMPARE(QFileInfo(restored.savedPictures + QStringLiteral("/1.jpg")).size(), 11); // "a newer one"
    QCOMPARE(QDir(pictures).entryList(QDir::Files | QDir::Hidden), (QStringList { "1.jpg", "2.png" }));
}

void TestBackup::copiesKeepTheDatabasePermissions_data()
{
    QTest::addColumn<QString>("copy");
    QTest::addColumn<int>("mode");
    for (const char* copy : { "backup", "daily backup", "before-restore copy", "copy of the church" }) {
        QTest::addRow("%s of a 600 database", copy) << copy << 0600;
        QTest::addRow("%s of a 640 database", copy) << copy << 0640;
    }
}

// Copies hold people's details and password hashes: with the usual umask
// 022 they are still readable by no more people than the database.
void TestBackup::copiesKeepTheDatabasePermissions()
{
    QFETCH(QString, copy);
    QFETCH(int, mode);
    TestEnv env(test::Where::File);
    QVERIFY(::chmod(qPrintable(env.db().path()), mode_t(mode)) == 0);
    const QFile::Permissions expected = QFile::permissions(env.db().path());
    if (expected.testFlag(QFile::ReadOther) != bool(mode & 0004))
        QSKIP("the system keeps no permission bits (Windows): a copy takes the rights of its folder");
    const mode_t umaskBefore = ::umask(022);
    const QString other = env.dir.filePath(QStringLiteral("other.sqlite"));
    QList<QFile::Permissions> got;
    if (copy == QLatin1String("backup")) {
        got << QFile::permissions(backup::backUp(env.db(), other).path);
    } else if (copy == QLatin1String("daily backup")) {
        const QString path = backup::dailyBackup(env.db(), env.clock, QString()).copy.path;
        got << QFile::permissions(path);
        // The folder of daily copies is no more open than the database.
        struct stat folder {};
        QVERIFY(::stat(qPrintable(QFileInfo(path).absolutePath()), &folder) == 0);
        QCOMPARE(int(folder.st_mode & 0777), mode | ((mode & 0444) >> 2));
    } else if (copy == QLatin1String("before-restore copy")) {
        makeChurch(other, QStringLiteral("Restored"));
        got << QFile::permissions(backup::restore(env.db(), other, env.clock, QString()).savedCopy);
    } else {
        // The copy's temporary file too, while the tables are written.
        const QString temporary = NewDatabaseFile::temporaryPathFor(other, QCoreApplication::applicationPid());
        copying::copyChurch(env.db().path(), other, [&](const QString&) { got << QFile::permissions(temporary); });
        got << QFile::permissions(other);
    }
    ::umask(umaskBefore);
    QVERIFY(!got.isEmpty());
    for (const QFile::Permissions& permissions : std::as_const(got))
        QCOMPARE(permissions, expected);
}

int main(int argc, char** argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--writer") == 0) {
        QCoreApplication app(argc, argv);
        try {
            return writerMain(QString::fromLocal8Bit(argv[2]));
        } catch (const std::exception& e) {
            std::fprintf(stderr, "%s\n", e.what());
            return 2;
        }
    }
    QCoreApplication app(argc, argv);
    TestBackup test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_backup.moc"
