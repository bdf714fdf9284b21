#include "FileConditions.h"
#include "data/Database.h"
#include "data/Members.h"
#include "data/NewDatabaseFile.h"

#include <QtTest>

#include <csignal>
#include <cstdio>
#include <thread>

using namespace pw;

// A new database file appears whole or not at all.
class TestNewDatabaseFile : public QObject {
    Q_OBJECT
private slots:
    void committedFileOpens();
    void droppedFileLeavesNothing();
    void refusals_data();
    void refusals();
    void killedWriterLeavesNoTarget_data();
    void killedWriterLeavesNoTarget();
    void leftoverNames_data();
    void leftoverNames();
    void leftoversOfRunningProcessesAreKept();
};

namespace {

QStringList folderEntries(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

void addPeople(Database& db, int count)
{
    Members::Inserter inserter(db);
    MemberRecord r;
    r.status = QStringLiteral("Member");
    r.gender = QStringLiteral("Unknown");
    for (int i = 0; i < count; ++i) {
        r.firstName = QStringLiteral("Person %1").arg(i);
        r.lastName = QStringLiteral("Roll");
        inserter.insert(r);
    }
}

// Runs as a separate process: builds the file up to a stage, says "ready"
// and waits to be killed (or, at the stage "commit", finishes).
int childMain(const QString& target, const QString& stage)
{
    NewDatabaseFile file(target);
    Database& db = file.database();
    const auto ready = [] {
        std::printf("ready\n");
        std::fflush(stdout);
    };
    if (stage == QLatin1String("created")) {
        ready();
    } else if (stage == QLatin1String("writing")) {
        Transaction tx(db);
        addPeople(db, 500);
        ready();
        for (int i = 0; i < 10000; ++i) // a long change, killed midway
            addPeople(db, 100);
        tx.commit();
    } else if (stage == QLatin1String("written") || stage == QLatin1String("commit")) {
        Transaction tx(db);
        addPeople(db, 2000);
        tx.commit();
        if (stage == QLatin1String("commit")) {
            file.commit();
            return 0;
        }
        ready();
    }
    std::this_thread::sleep_for(std::chrono::seconds(60));
    return 3;
}

} // namespace

void TestNewDatabaseFile::committedFileOpens()
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("church.sqlite"));
    {
        NewDatabaseFile file(target);
        QVERIFY(!QFileInfo::exists(target));
        QCOMPARE(QFileInfo(file.temporaryPath()).absolutePath(), QFileInfo(target).absolutePath());
        Transaction tx(file.database());
        addPeople(file.database(), 3);
        tx.commit();
        file.commit();
        QVERIFY(file.committed());
    }
    QCOMPARE(folderEntries(dir.path()), QStringList { "church.sqlite" });
    std::unique_ptr<Database> db = Database::open(target, Database::OpenMode::ExistingOnly);
    QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM Member")).toInt(), 3);
    QCOMPARE(db->scalar(QStringLiteral("PRAGMA quick_check")).toString(), QStringLiteral("ok"));
}

void TestNewDatabaseFile::droppedFileLeavesNothing()
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("church.sqlite"));
    {
        NewDatabaseFile file(target);
        Transaction tx(file.database());
        addPeople(file.database(), 3);
        // Neither the change nor the file is committed.
    }
    QCOMPARE(folderEntries(dir.path()), QStringList {});
}

void TestNewDatabaseFile::refusals_data()
{
    QTest::addColumn<QString>("situation");
    QTest::addColumn<QString>("message");

    QTest::newRow("target exists") << "exists"
                                   << "already exists; it was left unchanged";
    QTest::newRow("target appears before the rename") << "appears"
                                                      << "appeared while the new database was written";
    QTest::newRow("change still open at commit") << "open change"
                                                 << "still has an unfinished change";
    QTest::newRow("folder missing") << "no folder"
                                    << "does not exist";
    QTest::newRow("a name longer than the disk allows") << "long name"
                                                        << "the file name is longer than the disk allows";
    QTest::newRow("disk full while writing") << "full"
                                             << "there is no room left on the disk";
}

void TestNewDatabaseFile::refusals()
{
    QFETCH(QString, situation);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QString target = dir.filePath(QStringLiteral("church.sqlite"));
    if (situation == QLatin1String("no folder"))
        target = dir.filePath(QStringLiteral("missing/church.sqlite"));
    if (situation == QLatin1String("long name"))
        target = dir.filePath(QString(300, QLatin1Char('x')));
    const QByteArray theirs("another program's file");
    const auto writeTheirs = [&] {
        QFile f(target);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(theirs);
    };
    if (situation == QLatin1String("exists"))
        writeTheirs();

    QString error;
    try {
        NewDatabaseFile file(target);
        if (situation == QLatin1String("full")) {
            test::FileSizeLimit limit(256 * 1024);
            if (!limit.ok())
                QSKIP("a full disk cannot be made for this process");
            Transaction tx(file.database());
            addPeople(file.database(), 5000);
            tx.commit();
        }
        std::unique_ptr<Transaction> open;
        if (situation == QLatin1String("appears"))
            writeTheirs();
        if (situation == QLatin1String("open change"))
            open = std::make_unique<Transaction>(file.database());
        file.commit();
    } catch (const DbError& e) {
        error = e.text();
    }
    QVERIFY2(error.contains(message), qPrintable(error));
    // The message names the file the user gave, never the temporary one.
    QVERIFY2(
        error.contains(QFileInfo(target).fileName()) && !error.contains(QLatin1String(".partial-")), qPrintable(error));
    // Their file is untouched and nothing of ours is left behind.
    if (situation == QLatin1String("exists") || situation == QLatin1String("appears")) {
        QCOMPARE(folderEntries(dir.path()), QStringList { "church.sqlite" });
        QFile f(target);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), theirs);
    } else {
        QCOMPARE(folderEntries(dir.path()), QStringList {});
    }
}

void TestNewDatabaseFile::killedWriterLeavesNoTarget_data()
{
    QTest::addColumn<QString>("stage");
    QTest::newRow("just created") << "created";
    QTest::newRow("in the middle of a long change") << "writing";
    QTest::newRow("written, not yet renamed") << "written";
}

void TestNewDatabaseFile::killedWriterLeavesNoTarget()
{
    QFETCH(QString, stage);
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("church.sqlite"));

    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), { QStringLiteral("--child"), target, stage });
    QVERIFY(child.waitForStarted());
    QByteArray said;
    while (!said.contains("ready") && child.state() == QProcess::Running) {
        child.waitForReadyRead(30000);
        said += child.readAllStandardOutput();
    }
    QVERIFY2(said.contains("ready"), child.readAllStandardError().constData());
    const qint64 pid = child.processId();
    child.kill();
    QVERIFY(child.waitForFinished(30000));

    QVERIFY(!QFileInfo::exists(target));
    const QStringList left = folderEntries(dir.path());
    QVERIFY(!left.isEmpty());
    for (const QString& name : left) {
        qint64 leftBy = 0;
        QVERIFY2(NewDatabaseFile::isLeftoverOf(target, name, &leftBy), qPrintable(name));
        QCOMPARE(leftBy, pid);
    }

    // The next run removes what the killed one left and builds the file whole.
    QCOMPARE(NewDatabaseFile::removeStaleLeftovers(target).size(), left.size());
    QCOMPARE(folderEntries(dir.path()), QStringList {});
    {
        NewDatabaseFile file(target);
        file.commit();
    }
    QCOMPARE(folderEntries(dir.path()), QStringList { "church.sqlite" });

    // A run left to finish puts a complete file in place.
    const QString second = dir.filePath(QStringLiteral("second.sqlite"));
    QProcess finishing;
    finishing.start(
        QCoreApplication::applicationFilePath(), { QStringLiteral("--child"), second, QStringLiteral("commit") });
    QVERIFY(finishing.waitForFinished(60000));
    QCOMPARE(finishing.exitCode(), 0);
    std::unique_ptr<Database> db = Database::open(second, Database::OpenMode::ExistingOnly);
    QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM Member")).toInt(), 2000);
}

void TestNewDatabaseFile::leftoverNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("leftover");
    QTest::addColumn<qint64>("pid");

    QTest::newRow("temporary file") << ".church.sqlite.partial-4242" << true << qint64(4242);
    QTest::newRow("its journal") << ".church.sqlite.partial-17-journal" << true << qint64(17);
    QTest::newRow("its write-ahead log") << ".church.sqlite.partial-17-wal" << true << qint64(17);
    QTest::newRow("the target itself") << "church.sqlite" << false << qint64(0);
    QTest::newRow("the target's journal") << "church.sqlite-journal" << false << qint64(0);
    QTest::newRow("another target's leftover") << ".chapel.sqlite.partial-17" << false << qint64(0);
    QTest::newRow("no process number") << ".church.sqlite.partial-" << false << qint64(0);
    QTest::newRow("something else after the number") << ".church.sqlite.partial-17.bak" << false << qint64(0);
}

void TestNewDatabaseFile::leftoverNames()
{
    QFETCH(QString, name);
    QFETCH(bool, leftover);
    QFETCH(qint64, pid);
    qint64 got = 0;
    QCOMPARE(NewDatabaseFile::isLeftoverOf(QStringLiteral("/srv/church.sqlite"), name, &got), leftover);
    QCOMPARE(got, pid);
}

void TestNewDatabaseFile::leftoversOfRunningProcessesAreKept()
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("church.sqlite"));
    const qint64 dead = test::endedProcessId();
    QVERIFY(dead > 0);

    const QString mine = NewDatabaseFile::temporaryPathFor(target, QCoreApplication::applicationPid());
    const QString stale = NewDatabaseFile::temporaryPathFor(target, dead);
    for (const QString& path : { mine, stale, stale + QStringLiteral("-journal") }) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    QStringList removed = NewDatabaseFile::removeStaleLeftovers(target);
    removed.sort();
    QCOMPARE(removed, (QStringList { stale, stale + QStringLiteral("-journal") }));
    QCOMPARE(folderEntries(dir.path()), QStringList { QFileInfo(mine).fileName() });
}

int main(int argc, char** argv)
{
    if (argc == 4 && qstrcmp(argv[1], "--child") == 0) {
        QCoreApplication app(argc, argv);
        try {
            return childMain(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
        } catch (const std::exception& e) {
            std::fprintf(stderr, "%s\n", e.what());
            return 2;
        }
    }
    QCoreApplication app(argc, argv);
    TestNewDatabaseFile test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_newdatabasefile.moc"
