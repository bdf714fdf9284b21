#include "FileConditions.h"
#include "OfficeFolder.h"
#include "TestSupport.h"

#include "app/MDI.h"
#include "app/Startup.h"
#include "app/Workspace.h"
#include "data/Backup.h"
#include "data/Schema.h"
#include "widgets/FormHelpers.h"
#include "widgets/Guard.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRandomGenerator>
#include <QTimer>
#include <QtTest>

#include <sqlite3.h>

using namespace pw;

namespace {

using Office = test::OfficeFolder;

struct Started {
    test::FakeMessages* messages = new test::FakeMessages;
    test::FakeClock* clock = new test::FakeClock;
    Application app { {}, std::unique_ptr<Messages>(messages), std::unique_ptr<Clock>(clock) };
    int code = -1;
    Started(const Office& office, bool dailyBackup = true, qint64 pagesCheckedFirst = Application::kPagesCheckedFirst)
    {
        app.setPagesCheckedFirst(pagesCheckedFirst);
        code = app.start(office.config, office.dir.filePath(QStringLiteral("lock")), dailyBackup);
    }
};

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void refusals_data();
    void refusals();
    void pictureFolderWarnedOnce_data();
    void pictureFolderWarnedOnce();
    void dailyBackupOncePerDay();
    void dailyBackupFailureWarnsAndCarriesOn();
    void lockedSaveShowsBusyPointerThenMessage();
    void largeFileCheckedWhileLoginIsUp_data();
    void largeFileCheckedWhileLoginIsUp();
    void waitForAnotherProgramIsShown();
    void olderDatabaseIsKeptBeforeItsUpgrade();
    void leftoversOfKilledCopiesAreRemoved();
};

void TestStartup::refusals_data()
{
    QTest::addColumn<QString>("situation");
    QTest::addColumn<QStringList>("expected"); // parts of the one message

    const QString restore = QStringLiteral("pewlark --config \"%CONFIG%\" --restore");
    QTest::newRow("damaged page") << "damaged" << QStringList { "it is damaged", restore + " BACKUP-FILE" };
    QTest::newRow("damaged, with automatic backups")
        << "damaged, backups"
        << QStringList { "it is damaged", "The newest automatic backup is \"%BACKUPS%/church-2026-03-14.sqlite\"",
               restore + " \"%BACKUPS%/church-2026-03-14.sqlite\"" };
    QTest::newRow("no account") << "no account" << QStringList { "holds no user accounts", restore };
    QTest::newRow("leftover of an interrupted creation")
        << "leftover" << QStringList { "is what was left when writing" };
    QTest::newRow("missing database") << "missing" << QStringList { "does not exist", "configuration file", restore };
    QTest::newRow("random bytes in config.txt") << "random config" << QStringList { "is not a plain text file" };
    QTest::newRow("a table missing") << "no table"
                                     << QStringList { "is not a whole Pewlark database: it lacks the table Church.",
                                            restore };
    QTest::newRow("an older church without a column")
        << "older incomplete" << QStringList { "it lacks the column Member.Notes", restore };
    QTest::newRow("another program's file with a write-ahead log")
        << "foreign wal" << QStringList { "is not a Pewlark database." };
}

void TestStartup::refusals()
{
    QFETCH(QString, situation);
    QFETCH(QStringList, expected);
    Office office;
    QString named = office.database;
    if (situation.startsWith(QLatin1String("damaged")))
        test::damagePage(office.database);
    if (situation == QLatin1String("damaged, backups")) {
        QDir().mkpath(backup::dailyFolder(office.database));
        for (const char* name : { "church-2026-03-12.sqlite", "church-2026-03-14.sqlite", "church-2026-03-13.sqlite",
                 "other-2026-03-20.sqlite" })
            QFile(backup::dailyFolder(office.database) + QLatin1Char('/') + QLatin1String(name))
                .open(QIODevice::WriteOnly);
    }
    if (situation == QLatin1String("no account"))
        Database::open(office.database, Database::OpenMode::ExistingOnly)->exec(QStringLiteral("DELETE FROM \"User\""));
    if (situation == QLatin1String("leftover")) {
        named = office.dir.filePath(QStringLiteral(".church.sqlite.partial-999999"));
        QVERIFY(QFile::rename(office.database, named));
        office.writeConfig(config::write({ named, office.pictures }).toUtf8());
    }
    if (situation == QLatin1String("missing"))
        QVERIFY(QFile::remove(office.database));
    if (situation == QLatin1String("no table"))
        Database::open(office.database, Database::OpenMode::ExistingOnly)->exec(QStringLiteral("DROP TABLE Church"));
    if (situation == QLatin1String("older incomplete")) {
        auto db = Database::open(office.database, Database::OpenMode::ExistingOnly);
        test::makeVersion1(*db);
        db->exec(QStringLiteral("ALTER TABLE Member DROP COLUMN Notes"));
    }
    if (situation == QLatin1String("foreign wal")) {
        QVERIFY(QFile::remove(office.database));
        sqlite3* h = nullptr;
        sqlite3_open(QFile::encodeName(office.database).constData(), &h);
        sqlite3_exec(h, "PRAGMA journal_mode = WAL; CREATE TABLE Recipes (Name TEXT)", nullptr, nullptr, nullptr);
        sqlite3_close(h);
    }
    if (situation == QLatin1String("random config")) {
        QByteArray bytes;
        QRandomGenerator random(9);
        for (int i = 0; i < 400; ++i)
            bytes.append(char(random.bounded(256)));
        office.writeConfig(bytes);
        named = office.config;
    }
    const QStringList before = office.files();
    const QByteArray contents = test::fileHash(named);

    Started s(office);
    QVERIFY(s.code != 0);
    QCOMPARE(s.messages->count(), 1);
    const QString text = s.messages->last().text;
    QVERIFY2(text.contains(QDir::toNativeSeparators(named)), qPrintable(text));
    for (QString part : expected) {
        part.replace(QStringLiteral("%CONFIG%"), QDir::toNativeSeparators(office.config))
            .replace(QStringLiteral("%BACKUPS%/"),
                QDir::toNativeSeparators(backup::dailyFolder(office.database) + QLatin1Char('/')));
        QVERIFY2(text.contains(part), qPrintable(text));
    }
    if (situation == QLatin1String("random config"))
        QVERIFY2(!text.contains(QStringLiteral("does not exist")), qPrintable(text));
    QVERIFY(!s.app.mainWindow() || !s.app.mainWindow()->isVisible());
    // Nothing was created or changed on the way, no backup either.
    QCoreApplication::processEvents();
    QCOMPARE(office.files(), before);
    QCOMPARE(test::fileHash(named), contents);
}

void TestStartup::pictureFolderWarnedOnce_data()
{
    QTest::addColumn<QString>("folder"); // relative to the office folder; "<empty>": none
    QTest::addColumn<QString>("expected"); // empty: no warning

    QTest::newRow("existing folder") << "pictures/"
                                     << "";
    QTest::newRow("prefix without separator, parent exists") << "pictures/p"
                                                             << "";
    QTest::newRow("missing folder") << "gone/"
                                    << "does not exist";
    QTest::newRow("a file, not a folder") << "church.sqlite/"
                                          << "is not a folder";
    QTest::newRow("empty field") << "<empty>"
                                 << "names no picture folder";
}

void TestStartup::pictureFolderWarnedOnce()
{
    QFETCH(QString, folder);
    QFETCH(QString, expected);
    Office office;
    const QString prefix = folder == QLatin1String("<empty>") ? QString() : office.dir.filePath(folder);
    office.writeConfig(config::write({ office.database, prefix }).toUtf8());
    Started s(office, false);
    QCOMPARE(s.code, 0);
    QVERIFY(s.app.mainWindow()->workspace()->find(QStringLiteral("frmLogin")));
    if (expected.isEmpty()) {
        QCOMPARE(s.messages->count(), 0);
        return;
    }
    QCOMPARE(s.messages->count(), 1);
    QCOMPARE(s.messages->last().icon, Icon::Warning);
    QVERIFY2(s.messages->last().text.contains(expected), qPrintable(s.messages->last().text));
    QVERIFY2(s.messages->last().text.contains(office.config), qPrintable(s.messages->last().text));
    QCOMPARE(ctx().settings.pictureFolder, prefix);
}

void TestStartup::dailyBackupOncePerDay()
{
    Office office;
    QDir().mkpath(backup::dailyFolder(office.database));
    // Fifteen earlier days and a file of somebody else's.
    for (int day = 1; day <= 15; ++day)
        QFile(QStringLiteral("%1/church-2026-02-%2.sqlite")
                  .arg(backup::dailyFolder(office.database))
                  .arg(day, 2, 10, QLatin1Char('0')))
            .open(QIODevice::WriteOnly);
    QFile(backup::dailyFolder(office.database) + QStringLiteral("/notes.txt")).open(QIODevice::WriteOnly);
    const QString today = backup::dailyFolder(office.database) + QStringLiteral("/church-2026-03-15.sqlite");
    {
        Started s(office);
        QCOMPARE(s.code, 0);
        QVERIFY(!QFileInfo::exists(today)); // not before the login window is up
        QTRY_VERIFY(QFileInfo::exists(today));
        QCOMPARE(s.messages->count(), 0);
        backup::checkRestorable(today, office.dir.path());
    }
    QStringList kept = QDir(backup::dailyFolder(office.database)).entryList(QDir::Files, QDir::Name);
    QCOMPARE(kept.size(), 15); // 14 automatic ones and notes.txt
    QCOMPARE(kept.first(), QStringLiteral("church-2026-02-03.sqlite"));
    QVERIFY(kept.contains(QStringLiteral("notes.txt")));

    // The second start of the day leaves today's copy as it is.
    const QDateTime made = QFileInfo(today).lastModified();
    Started again(office);
    QCOMPARE(again.code, 0);
    QTest::qWait(50);
    QCOMPARE(again.messages->count(), 0);
    QCOMPARE(QFileInfo(today).lastModified(), made);
}

void TestStartup::dailyBackupFailureWarnsAndCarriesOn()
{
    Office office;
    // Where the folder should be lies a file, so no folder can be made.
    QFile(backup::dailyFolder(office.database)).open(QIODevice::WriteOnly);
    Started s(office);
    QCOMPARE(s.code, 0);
    QTRY_COMPARE(s.messages->count(), 1);
    QCOMPARE(s.messages->last().icon, Icon::Warning);
    QCOMPARE(s.messages->last().title, QStringLiteral("Pewlark"));
    QVERIFY2(s.messages->last().text.startsWith(QStringLiteral("Today's automatic backup could not be made")),
        qPrintable(s.messages->last().text));
    QVERIFY2(s.messages->last().text.contains(QDir::toNativeSeparators(backup::dailyFolder(office.database))),
        qPrintable(s.messages->last().text));
    QVERIFY(s.app.mainWindow()->isVisible());
    QVERIFY(s.app.mainWindow()->workspace()->find(QStringLiteral("frmLogin")));
}

// Another workstation holds the write lock while a save runs: the busy
// pointer shows and the windows keep being served during the wait, then the
// "in use" message comes, with the engine's text as detail.
void TestStartup::lockedSaveShowsBusyPointerThenMessage()
{
    test::TestEnv env(test::Where::File);
    LockWaitIndicator indicator;
    env.db().setLockWaitLimit(400);
    sqlite3* other = nullptr;
    sqlite3_open_v2(QFile::encodeName(env.db().path()).constData(), &other, SQLITE_OPEN_READWRITE, nullptr);
    QCOMPARE(sqlite3_exec(other, "BEGIN IMMEDIATE; DELETE FROM Member", nullptr, nullptr, nullptr), SQLITE_OK);

    QList<bool> busyDuringWait;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&] {
        busyDuringWait.append(QApplication::overrideCursor()
            && QApplication::overrideCursor()->shape() == Qt::WaitCursor && waitingForLock());
    });
    look.start(20);
    const bool saved = guarded([] {
        BusyCursor busy;
        Transaction tx(db());
        db().exec(QStringLiteral("INSERT INTO Member (First_Name, Last_Name) VALUES ('New', 'Person')"));
        tx.commit();
    });
    look.stop();
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);

    QVERIFY(!saved);
    QVERIFY(!busyDuringWait.isEmpty());
    QVERIFY(!busyDuringWait.contains(false));
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(!waitingForLock());
    QCOMPARE(env.messages.count(), 1);
    QCOMPARE(env.messages.last().title, QStringLiteral("Pewlark"));
    const QString text = env.messages.last().text;
    QVERIFY2(text.contains(QStringLiteral("another program or workstation is writing to it")), qPrintable(text));
    QVERIFY2(text.contains(QDir::toNativeSeparators(env.db().path())), qPrintable(text));
    QVERIFY2(text.endsWith(DbError::detailLine(QStringLiteral("database is locked"))), qPrintable(text));
    QCOMPARE(env.db().scalar(QStringLiteral("SELECT COUNT(*) FROM Member WHERE First_Name = 'New'")).toInt(), 0);
}

void TestStartup::largeFileCheckedWhileLoginIsUp_data()
{
    QTest::addColumn<bool>("damaged");
    QTest::newRow("intact") << false;
    QTest::newRow("damaged page") << true;
}

void TestStartup::largeFileCheckedWhileLoginIsUp()
{
    QFETCH(bool, damaged);
    Office office;
    if (damaged)
        test::damagePage(office.database);
    Started s(office, false, 0); // every file counts as large
    QCOMPARE(s.code, 0);
    QVERIFY(s.app.mainWindow()->workspace()->find(QStringLiteral("frmLogin")));
    QVERIFY(s.app.pageCheck());

    // A change made before the check has ended waits for it, and is refused
    // when the file is damaged.
    bool refused = false;
    try {
        db().exec(QStringLiteral("UPDATE Church SET KeyPressDelay = KeyPressDelay"));
    } catch (const DbError& e) {
        refused = e.kind() == DbError::Kind::Damaged;
    }
    QCOMPARE(refused, damaged);
    QCOMPARE(s.app.pageCheck()->wait() != nullptr, damaged);

    // Then the refusal start-up gives, and the program ends.
    QTRY_COMPARE(s.messages->count(), damaged ? 1 : 0);
    QCOMPARE(s.app.mainWindow()->isVisible(), !damaged);
    if (damaged) {
        const QString text = s.messages->last().text;
        QVERIFY2(text.contains(QStringLiteral("it is damaged")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("--restore")), qPrintable(text));
    }
}

// Another program holds the write lock at start-up: a window says what
// Pewlark waits for and how long at most, then the one refusal comes.
void TestStartup::waitForAnotherProgramIsShown()
{
    Office office;
    sqlite3* other = nullptr;
    sqlite3_open_v2(QFile::encodeName(office.database).constData(), &other, SQLITE_OPEN_READWRITE, nullptr);
    QCOMPARE(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    QStringList shown;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("lockWaitNotice") && w->isVisible())
                shown.append(static_cast<QLabel*>(w)->text());
    });
    look.start(100);
    Started s(office, false);
    look.stop();
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);

    QVERIFY(s.code != 0);
    QCOMPARE(s.messages->count(), 1);
    QVERIFY2(s.messages->last().text.contains(QStringLiteral("another program or workstation is writing to it")),
        qPrintable(s.messages->last().text));
    shown.removeDuplicates();
    QCOMPARE(shown,
        QStringList { QStringLiteral("Pewlark is waiting for another program or workstation that is writing to the "
                                     "database \"%1\" (at most 3 seconds)...")
                          .arg(QDir::toNativeSeparators(office.database)) });
}

// The upgrade changes only the database opened for work, after a copy of
// it as it was.
void TestStartup::olderDatabaseIsKeptBeforeItsUpgrade()
{
    Office office;
    test::makeVersion1(*Database::open(office.database, Database::OpenMode::ExistingOnly));
    Started s(office, false);
    QCOMPARE(s.code, 0);
    QCOMPARE(schema::version(db()), schema::kCurrentVersion);
    const QString kept = office.dir.filePath(QStringLiteral("church.before-upgrade-2026-03-15-103000.sqlite"));
    QCOMPARE(office.files(QStringLiteral("church.before-upgrade-*")), QStringList { QFileInfo(kept).fileName() });
    auto copy = Database::open(kept, Database::OpenMode::ReadOnly);
    QCOMPARE(schema::version(*copy), 1);
    QCOMPARE(copy->scalar(QStringLiteral("SELECT COUNT(*) FROM Member")).toInt(), 200);
}

// Interrupted copies of this program whose process is gone, beside the
// database and among its automatic backups, are gone after the next start.
void TestStartup::leftoversOfKilledCopiesAreRemoved()
{
    Office office;
    const QString backups = backup::dailyFolder(office.database);
    const QString dead = QString::number(test::endedProcessId());
    const QString alive = QString::number(QCoreApplication::applicationPid());
    QVERIFY(QDir().mkpath(backups + QStringLiteral("/.church-2026-03-01-pictures.partial-") + dead));
    const QStringList names { ".church.sqlite.partial-" + dead, ".church.sqlite.partial-" + dead + "-journal",
        ".church.before-restore-2026-03-01-101010.sqlite.partial-" + dead, ".church.sqlite.partial-" + alive,
        ".notes.partial", "backups/.church-2026-03-01.sqlite.partial-" + dead,
        "backups/.church-2026-03-01-pictures.partial-" + dead + "/1.jpg" };
    for (const QString& name : names)
        QFile(office.dir.filePath(name)).open(QIODevice::WriteOnly);
    Started s(office, false);
    QCOMPARE(s.code, 0);
    QCOMPARE(office.files(QStringLiteral(".*")), (QStringList { ".church.sqlite.partial-" + alive, ".notes.partial" }));
    QCOMPARE(QDir(backups).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList {});
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
