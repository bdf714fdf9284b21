#include "data/Database.h"
#include "data/Health.h"
#include "data/NewDatabaseFile.h"
#include "data/OpenChurch.h"
#include "demo/DemoGenerator.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <thread>

using namespace pw;

// Writers killed at several moments leave either nothing or a whole,
// checked database, and start-up refuses whatever they leave behind.
namespace {

constexpr int kDemoPeople = 10000;
constexpr int kSavedRows = 20000;

void say(const QByteArray& line)
{
    std::fputs(line.constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// Child: writes a demo church, telling how far it got.
int demoChild(const QString& target)
{
    demo::DemoOptions options;
    options.people = kDemoPeople;
    options.today = QDate(2026, 3, 15);
    options.progress = [](qint64 done, qint64) { say("progress " + QByteArray::number(done)); };
    demo::generate(target, options);
    say("done");
    std::this_thread::sleep_for(std::chrono::seconds(60));
    return 0;
}

// Child: one long save into an existing database: every person's notes
// changed and many rows added, as one change.
int saveChild(const QString& path)
{
    auto db = Database::open(path, Database::OpenMode::ExistingOnly);
    Transaction tx(*db);
    db->exec(QStringLiteral("UPDATE Member SET Notes = 'saved'"));
    say("progress 0");
    Statement insert(*db,
        QStringLiteral("INSERT INTO Member (Status, First_Name, Last_Name, Notes) VALUES ('Member', ?, 'Saved', ?)"));
    const QString notes(300, QLatin1Char('s'));
    for (int i = 1; i <= kSavedRows; ++i) {
        insert.run({ QStringLiteral("Person %1").arg(i), notes });
        if (i % 1000 == 0)
            say("progress " + QByteArray::number(i));
    }
    tx.commit();
    say("done");
    std::this_thread::sleep_for(std::chrono::seconds(60));
    return 0;
}

// Starts the child and kills it once it has said a line that meets the
// moment: "progress N" with N >= from, or "done" (from = -1). With from
// below -1, the child is left to finish its work. Returns what it said.
QByteArray runAndKill(const QStringList& args, qint64 from, int delayMs)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), args);
    if (!child.waitForStarted())
        return "not started";
    QByteArray said;
    const auto reached = [&] {
        const QList<QByteArray> lines = said.split('\n');
        for (const QByteArray& line : lines) {
            if (line == "done")
                return true;
            if (from >= 0 && line.startsWith("progress ") && line.mid(9).toLongLong() >= from)
                return true;
        }
        return false;
    };
    while (!reached() && child.state() == QProcess::Running) {
        child.waitForReadyRead(60000);
        said += child.readAllStandardOutput();
    }
    if (delayMs > 0)
        QTest::qWait(delayMs);
    child.kill();
    child.waitForFinished(30000);
    return said + child.readAllStandardError();
}

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

// What start-up says about a file, or empty when it accepts it.
QString startupRefusal(const QString& path)
{
    try {
        health::openForStartup(path);
        return {};
    } catch (const DbError& e) {
        return e.text();
    }
}

} // namespace

class TestKilledWriters : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void killedDemoLeavesNothingOrAWholeChurch_data();
    void killedDemoLeavesNothingOrAWholeChurch();
    void killedSaveLeavesOldOrNew_data();
    void killedSaveLeavesOldOrNew();

private:
    QTemporaryDir m_dir;
    QString m_church;
};

void TestKilledWriters::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_church = m_dir.filePath(QStringLiteral("template.sqlite"));
    demo::DemoOptions options;
    options.people = 2000;
    options.today = QDate(2026, 3, 15);
    demo::generate(m_church, options);
}

void TestKilledWriters::killedDemoLeavesNothingOrAWholeChurch_data()
{
    QTest::addColumn<qint64>("from");
    QTest::addColumn<int>("delayMs");
    QTest::newRow("first people written") << qint64(1000) << 0;
    QTest::newRow("half the people written") << qint64(kDemoPeople / 2) << 0;
    QTest::newRow("every person written") << qint64(kDemoPeople) << 0;
    QTest::newRow("writing the accounts") << qint64(kDemoPeople) << 150;
    QTest::newRow("committing and renaming") << qint64(kDemoPeople) << 600;
    QTest::newRow("finished") << qint64(-1) << 0;
}

void TestKilledWriters::killedDemoLeavesNothingOrAWholeChurch()
{
    QFETCH(qint64, from);
    QFETCH(int, delayMs);
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("church.sqlite"));
    const QByteArray said = runAndKill({ QStringLiteral("--demo"), target }, from, delayMs);

    const bool finished = said.contains("\ndone");
    QVERIFY2(!finished || QFileInfo::exists(target), said.right(200).constData());
    if (QFileInfo::exists(target)) {
        // Whole: every check passes and every person is there.
        QCOMPARE(startupRefusal(target), QString());
        auto db = Database::open(target, Database::OpenMode::ExistingOnly);
        QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM Member")).toInt(), kDemoPeople);
        QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM \"User\"")).toInt(), 2);
    }

    for (const QString& name : filesIn(dir.path())) {
        if (name == QLatin1String("church.sqlite"))
            continue;
        QVERIFY2(NewDatabaseFile::isLeftoverOf(target, name), qPrintable(name));
        if (name.endsWith(QLatin1String("-journal")))
            continue;
        // Start-up refuses a leftover by its name...
        const QString leftover = dir.filePath(name);
        QString refusal = startupRefusal(leftover);
        QVERIFY2(refusal.contains(QDir::toNativeSeparators(leftover)) && refusal.contains(QStringLiteral("is what was left when writing")),
            qPrintable(refusal));
        // ...and by what it holds, under any name.
        const QString renamed = dir.filePath(QStringLiteral("renamed.sqlite"));
        QVERIFY(QFile::copy(leftover, renamed));
        if (QFileInfo::exists(leftover + QStringLiteral("-journal")))
            QVERIFY(QFile::copy(leftover + QStringLiteral("-journal"), renamed + QStringLiteral("-journal")));
        refusal = startupRefusal(renamed);
        QVERIFY2(!refusal.isEmpty(), qPrintable(name));
        QVERIFY2(refusal.contains(QDir::toNativeSeparators(renamed)), qPrintable(refusal));
        QFile::remove(renamed);
        QFile::remove(renamed + QStringLiteral("-journal"));
    }
}

void TestKilledWriters::killedSaveLeavesOldOrNew_data()
{
    QTest::addColumn<qint64>("from");
    QTest::addColumn<int>("delayMs");
    QTest::addColumn<bool>("mustBeNew");
    QTest::addColumn<int>("journal"); // 1: the kill leaves a journal, 0: none, -1: either
    QTest::newRow("the change begun") << qint64(0) << 0 << false << 1;
    QTest::newRow("half the rows added") << qint64(kSavedRows / 2) << 0 << false << 1;
    QTest::newRow("committing") << qint64(kSavedRows) << 0 << false << -1;
    QTest::newRow("committed") << qint64(-1) << 0 << true << 0;
}

void TestKilledWriters::killedSaveLeavesOldOrNew()
{
    QFETCH(qint64, from);
    QFETCH(int, delayMs);
    QFETCH(bool, mustBeNew);
    QFETCH(int, journal);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("church.sqlite"));
    QVERIFY(QFile::copy(m_church, path));
    const QByteArray said = runAndKill({ QStringLiteral("--save"), path }, from, delayMs);
    QVERIFY2(said.contains("progress"), said.constData());
    // Killed in the middle, the change leaves the engine's journal behind.
    if (journal >= 0)
        QCOMPARE(QFileInfo::exists(path + QStringLiteral("-journal")), journal == 1);

    // The engine's journal makes the next opening undo a half-made change;
    // the file then passes every start-up check...
    QCOMPARE(startupRefusal(path), QString());
    // ...and holds the change whole or not at all.
    auto db = Database::open(path, Database::OpenMode::ExistingOnly);
    const int added = db->scalar(QStringLiteral("SELECT COUNT(*) FROM Member WHERE Last_Name = 'Saved'")).toInt();
    const int changed = db->scalar(QStringLiteral("SELECT COUNT(*) FROM Member WHERE Notes = 'saved'")).toInt();
    if (mustBeNew || added > 0) {
        QCOMPARE(added, kSavedRows);
        QCOMPARE(changed, 2000);
    } else {
        QCOMPARE(changed, 0);
    }
    QCOMPARE(filesIn(dir.path()), QStringList { "church.sqlite" });
}

int main(int argc, char** argv)
{
    if (argc == 3 && (qstrcmp(argv[1], "--demo") == 0 || qstrcmp(argv[1], "--save") == 0)) {
        QCoreApplication app(argc, argv);
        try {
            const QString path = QString::fromLocal8Bit(argv[2]);
            return qstrcmp(argv[1], "--demo") == 0 ? demoChild(path) : saveChild(path);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "%s\n", e.what());
            return 2;
        }
    }
    QCoreApplication app(argc, argv);
    TestKilledWriters test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_killedwriters.moc"
