#include "FileConditions.h"
#include "OfficeFolder.h"
#include "TestSupport.h"

#include "app/Config.h"
#include "cli/BackupJobs.h"
#include "cli/CommandLine.h"
#include "cli/DatabaseJobs.h"
#include "cli/GivingJobs.h"
#include "cli/ImportJobs.h"
#include "cli/PeopleJobs.h"
#include "data/NewChurch.h"
#include "data/Platform.h"

#include <QDir>
#include <QProcess>
#include <QtTest>

using namespace pw;
using namespace pw::cli;
using Task = CommandLine::Task;

Q_DECLARE_METATYPE(CommandLine::Task)

namespace {

using Office = test::OfficeFolder;

QStringList datedCopies(const Office& office) { return office.files(QStringLiteral("church.before-restore-*")); }

// The jobs as the program registers them.
Jobs programJobs()
{
    Jobs jobs;
    registerDemoDatabase(jobs);
    registerCreateDatabase(jobs);
    registerImportLegacy(jobs);
    registerCopyDatabase(jobs);
    registerBackup(jobs);
    registerRestore(jobs);
    registerImportPeople(jobs);
    registerStatements(jobs);
    return jobs;
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void withoutDisplay_data();
    void withoutDisplay();
    void speaksTheDesktopsLanguage_data();
    void speaksTheDesktopsLanguage();
    void restoreCommand_data();
    void restoreCommand();
    void backupOnlyReadsItsSource_data();
    void backupOnlyReadsItsSource();
    void twoImportsAtOnce_data();
    void twoImportsAtOnce();
};

void TestCommandLine::parse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Task>("task");
    QTest::addColumn<QString>("job");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("mistake");

    QTest::newRow("windows") << QStringList {} << Task::Windows << ""
                             << ""
                             << "";
    QTest::newRow("windows, another config") << QStringList { "--config", "/c.txt" } << Task::Windows << ""
                                             << ""
                                             << "";
    QTest::newRow("window-system options pass")
        << QStringList { "-platform", "offscreen", "--style=fusion", "-reverse" } << Task::Windows << ""
        << ""
        << "";
    QTest::newRow("backup") << QStringList { "--backup", "/b.sqlite", "--config", "/c.txt" } << Task::Job << "backup"
                            << "/b.sqlite"
                            << "";
    QTest::newRow("restore") << QStringList { "--restore=/r.sqlite" } << Task::Job << "restore"
                             << "/r.sqlite"
                             << "";
    QTest::newRow("demo") << QStringList { "--demo-database", "d", "--people", "500" } << Task::Job << "demo-database"
                          << "d"
                          << "";
    QTest::newRow("help wins") << QStringList { "--backup", "x", "--help" } << Task::Help << ""
                               << ""
                               << "";
    QTest::newRow("short help") << QStringList { "-h" } << Task::Help << ""
                                << ""
                                << "";
    QTest::newRow("version") << QStringList { "--version" } << Task::Version << ""
                             << ""
                             << "";
    QTest::newRow("unknown option") << QStringList { "--bogus" } << Task::Mistake << ""
                                    << ""
                                    << "Unknown option 'bogus'.";
    QTest::newRow("missing value") << QStringList { "--backup" } << Task::Mistake << ""
                                   << ""
                                   << "Missing value after '--backup'.";
    QTest::newRow("empty file name") << QStringList { "--restore", "" } << Task::Mistake << ""
                                     << ""
                                     << "--restore needs a file name.";
    QTest::newRow("two tasks") << QStringList { "--backup", "a", "--restore", "b" } << Task::Mistake << ""
                               << ""
                               << "Choose one of --backup, --restore.";
    QTest::newRow("people without demo") << QStringList { "--people", "5" } << Task::Mistake << ""
                                         << ""
                                         << "--people goes with --demo-database.";
    QTest::newRow("into with backup") << QStringList { "--backup", "b", "--into", "x" } << Task::Mistake << ""
                                      << ""
                                      << "--into goes with --import-legacy.";
    QTest::newRow("people import: --into shared, a flag")
        << QStringList { "--import-people", "r.csv", "--into", "db", "--dry-run" } << Task::Job << "import-people"
        << "r.csv"
        << "";
    QTest::newRow("flag without its job") << QStringList { "--dry-run" } << Task::Mistake << ""
                                          << ""
                                          << "--dry-run goes with --import-people.";
    QTest::newRow("statements: a job without a value")
        << QStringList { "--statements", "--pdf", "out" } << Task::Job << "statements"
        << "yes"
        << "";
    QTest::newRow("stray argument") << QStringList { "church.sqlite" } << Task::Mistake << ""
                                    << ""
                                    << "Unexpected argument \"church.sqlite\".";
}

void TestCommandLine::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(Task, task);
    QFETCH(QString, job);
    QFETCH(QString, file);
    QFETCH(QString, mistake);
    const CommandLine c = parseCommandLine(QStringList { QStringLiteral("pewlark") } + arguments, programJobs());
    QCOMPARE(c.mistake, mistake);
    QCOMPARE(c.task, task);
    QCOMPARE(c.job, job);
    QCOMPARE(c.file, file);
    if (arguments.contains(QStringLiteral("--config")))
        QCOMPARE(c.configPath, QStringLiteral("/c.txt"));
    if (c.job == QLatin1String("import-people"))
        QCOMPARE(c.options,
            (QHash<QString, QString> {
                { "into", "db" }, { "dry-run", "yes" }, { "mapping", "" }, { "duplicates", "" } }));
    if (arguments.contains(QStringLiteral("-platform")))
        QCOMPARE(c.windowSystemArguments, (QStringList { "-platform", "offscreen", "--style=fusion", "-reverse" }));
    QVERIFY(c.helpText.contains(QStringLiteral("--restore <FILE>")));
}

// The built program on a machine without a display, as a scheduled job runs it.
void TestCommandLine::withoutDisplay_data()
{
    QTest::addColumn<QStringList>("arguments"); // %DIR%: the office folder, %CONFIG%: its config.txt
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err"); // the start of standard error

    QTest::newRow("unknown option") << QStringList { "--bogus" } << 2 << ""
                                    << "pewlark: Unknown option 'bogus'.\n";
    QTest::newRow("help") << QStringList { "--help" } << 0 << "--backup <FILE>"
                          << "";
    QTest::newRow("version") << QStringList { "--version" } << 0 << "Pewlark 1.0"
                             << "";
    QTest::newRow("windowed start") << QStringList { "--config", "%CONFIG%" } << 1 << ""
                                    << "pewlark: There is no display to show Pewlark's windows on";
    QTest::newRow("backup") << QStringList { "--config", "%CONFIG%", "--backup", "%DIR%/copy.sqlite" } << 0
                            << "Backed up "
                            << "";
    QTest::newRow("backup over an existing file")
        << QStringList { "--config", "%CONFIG%", "--backup", "%CONFIG%" } << 1 << ""
        << "pewlark: The file \"%CONFIG%\" already exists; it was left unchanged.";
    QTest::newRow("restore of a missing file")
        << QStringList { "--config", "%CONFIG%", "--restore", "%DIR%/none.sqlite" } << 1 << ""
        << "pewlark: The file \"%DIR%/none.sqlite\" does not exist.";
    QTest::newRow("new database without --admin") << QStringList { "--create-database", "%DIR%/new.sqlite" } << 2 << ""
                                                  << "pewlark: --create-database needs --admin";
    QTest::newRow("demo database of too few people")
        << QStringList { "--demo-database", "%DIR%/demo.sqlite", "--people", "99" } << 2 << ""
        << "pewlark: --people needs a whole number from 100 to 1000000, not \"99\".\n";
    QTest::newRow("demo database") << QStringList { "--demo-database", "%DIR%/demo.sqlite", "--people", "100" } << 0
                                   << "Created demo database"
                                   << "";
    QTest::newRow("statements without a folder") << QStringList { "--statements", "--from", "2026-01-01" } << 2 << ""
                                                 << "pewlark: --statements needs --pdf DIR";
    QTest::newRow("statements from no date")
        << QStringList { "--statements", "--from", "2026-02-30", "--pdf", "%DIR%" } << 2 << ""
        << "pewlark: --from takes a date such as 2026-12-31, not \"2026-02-30\".\n";
    QTest::newRow("statements of a period backwards")
        << QStringList { "--statements", "--from", "2026-12-31", "--to", "2026-01-01", "--pdf", "%DIR%" } << 2 << ""
        << "pewlark: The period starts (12/31/2026) after it ends (1/1/2026).\n";
    QTest::newRow("statements of a year nobody gave") << QStringList { "--config", "%CONFIG%", "--statements", "--from",
        "2026-01-01", "--to", "2026-12-31", "--pdf", "%DIR%/statements", "--csv", "%DIR%/totals.csv" }
                                                      << 0 << "0 statements for 1/1/2026 to 12/31/2026 written to"
                                                      << "";
}

void TestCommandLine::withoutDisplay()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, code);
    QFETCH(QString, out);
    QFETCH(QString, err);
    if (err.contains(QLatin1String("no display")) && !platform::displayFromEnvironment())
        QSKIP("the Windows desktop is always there: a windowed start opens its window");
    Office office(50);
    // A file named from the office folder, as the system writes it
    // ("%DIR%/none.sqlite" is C:\...\none.sqlite on Windows).
    const auto place = [&](QString text) {
        static const QRegularExpression named(QStringLiteral("%(CONFIG|DIR)%([^\\s\"]*)"));
        QString out;
        qsizetype from = 0;
        for (auto it = named.globalMatch(text); it.hasNext();) {
            const auto m = it.next();
            const QString base = m.captured(1) == QLatin1String("CONFIG") ? office.config : office.dir.path();
            out += text.mid(from, m.capturedStart() - from) + QDir::toNativeSeparators(base + m.captured(2));
            from = m.capturedEnd();
        }
        return out + text.mid(from);
    };
    for (QString& a : arguments)
        a = place(a);

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM" })
        environment.remove(QString::fromLatin1(name));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(PEWLARK_PROGRAM), arguments);
    QVERIFY(program.waitForFinished(60000));
    // A Windows console program ends its lines with \r\n.
    const QString stdOut
        = QString::fromLocal8Bit(program.readAllStandardOutput()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QString stdErr
        = QString::fromLocal8Bit(program.readAllStandardError()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QVERIFY2(program.exitCode() == code, qPrintable(QStringLiteral("exit %1: %2").arg(program.exitCode()).arg(stdErr)));
    QVERIFY2(stdOut.contains(out), qPrintable(stdOut));
    if (err.isEmpty())
        QVERIFY2(stdErr.isEmpty(), qPrintable(stdErr));
    else
        QVERIFY2(stdErr.startsWith(place(err)),
            qPrintable(stdErr)); // files named as the system writes them
    if (code == 1) // a failure says so in one line
        QCOMPARE(stdErr.count(QLatin1Char('\n')), 1);
    if (arguments.contains(QStringLiteral("--backup")) && code == 0)
        QCOMPARE(test::peopleIn(office.dir.filePath(QStringLiteral("copy.sqlite"))), 50);
}

void TestCommandLine::speaksTheDesktopsLanguage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::newRow("help in Spanish") << "es_MX.UTF-8" << QStringList { "--help" }
                                     << "Mostrar estas opciones y terminar."
                                     << "";
    QTest::newRow("a mistake in Portuguese")
        << "pt_BR.UTF-8" << QStringList { "--demo-database", "demo.sqlite", "--people", "99" } << ""
        << "pewlark: --people precisa de um número inteiro de 100 a 1000000, não \"99\".\n";
    QTest::newRow("English desktop") << "en_US.UTF-8" << QStringList { "--help" } << "Show these options and stop."
                                     << "";
}

// --help and the jobs' messages follow the desktop's language when the
// user has chosen none.
void TestCommandLine::speaksTheDesktopsLanguage()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, arguments);
    QFETCH(QString, out);
    QFETCH(QString, err);
#ifdef Q_OS_WIN
    QSKIP("Windows takes the desktop's language from the user's regional settings, not from LANG");
#endif
    QTemporaryDir home;
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_MESSAGES" })
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("LC_ALL"), locale);
    environment.insert(QStringLiteral("LANG"), locale);
    // No language chosen: settings of a user who never chose one.
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
    environment.insert(QStringLiteral("APPDATA"), home.path());
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(home.path());
    program.start(QStringLiteral(PEWLARK_PROGRAM), arguments);
    QVERIFY(program.waitForFinished(60000));
    const QString stdOut
        = QString::fromUtf8(program.readAllStandardOutput()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QString stdErr
        = QString::fromUtf8(program.readAllStandardError()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QVERIFY2(stdOut.contains(out), qPrintable(stdOut));
    QCOMPARE(stdErr, err);
}

void TestCommandLine::restoreCommand_data()
{
    QTest::addColumn<QString>("current"); // healthy, damaged, missing
    QTest::addColumn<QString>("offered"); // good, damaged
    QTest::addColumn<QString>("message"); // empty: restored

    QTest::newRow("healthy database, good backup") << "healthy"
                                                   << "good"
                                                   << "";
    QTest::newRow("damaged database, good backup") << "damaged"
                                                   << "good"
                                                   << "";
    QTest::newRow("no database, good backup") << "missing"
                                              << "good"
                                              << "";
    QTest::newRow("damaged backup") << "healthy"
                                    << "damaged"
                                    << "is damaged";
    QTest::newRow("damaged database, damaged backup") << "damaged"
                                                      << "damaged"
                                                      << "is damaged";
}

void TestCommandLine::restoreCommand()
{
    QFETCH(QString, current);
    QFETCH(QString, offered);
    QFETCH(QString, message);
    Office office(current == QLatin1String("missing") ? -1 : 80);
    const QString backup = office.dir.filePath(QStringLiteral("saved.sqlite"));
    test::makeChurch(backup, 120);
    if (offered == QLatin1String("damaged"))
        test::damagePage(backup);
    if (current == QLatin1String("damaged"))
        test::damagePage(office.database);
    const QByteArray before = test::fileHash(office.database);
    test::FakeClock clock;

    const int code = runRestoreCommand(office.config, backup, clock);
    if (!message.isEmpty()) {
        QCOMPARE(code, 1);
        QCOMPARE(test::fileHash(office.database), before);
        QVERIFY(datedCopies(office).isEmpty());
        return;
    }
    QCOMPARE(code, 0);
    QCOMPARE(test::peopleIn(office.database), 120);
    const QStringList copies = datedCopies(office);
    if (current == QLatin1String("missing")) {
        QVERIFY(copies.isEmpty());
    } else {
        QCOMPARE(copies, QStringList { QStringLiteral("church.before-restore-2026-03-15-103000.sqlite") });
        // Kept as it was: a damaged file untouched, a healthy one as a copy.
        const QString kept = office.dir.filePath(copies.first());
        if (current == QLatin1String("damaged"))
            QCOMPARE(test::fileHash(kept), before);
        else
            QCOMPARE(test::peopleIn(kept), 80);
    }
    // Nothing of the work is left beside the database.
    QVERIFY(office.files(QStringLiteral(".*partial*")).isEmpty());
}

void TestCommandLine::backupOnlyReadsItsSource_data()
{
    QTest::addColumn<bool>("older");
    QTest::newRow("an unfinished change beside it") << false;
    QTest::newRow("an unfinished change in an older church") << true;
}

// --backup leaves its database and the journal a stopped program left as
// they were.
void TestCommandLine::backupOnlyReadsItsSource()
{
    QFETCH(bool, older);
    Office office(50);
    if (older)
        test::makeVersion1(*Database::open(office.database, Database::OpenMode::ExistingOnly));
    test::leaveUnfinishedChange(office.database);
    const QStringList files = office.files();
    const QByteArray before = test::fileHash(office.database) + test::fileHash(office.database + "-journal");
    QCOMPARE(runBackupCommand(office.config, office.dir.filePath(QStringLiteral("copy.sqlite"))), 0);
    QCOMPARE(test::fileHash(office.database) + test::fileHash(office.database + "-journal"), before);
    QCOMPARE(office.files().size(), files.size() + 1); // the backup alone: no copy before an upgrade, no leftover
}

void TestCommandLine::twoImportsAtOnce_data()
{
    QTest::addColumn<bool>("server");
    QTest::newRow("file") << false;
    QTest::newRow("server") << true;
}

// One spreadsheet imported by two programs started together: every person
// arrives once, and each import keeps its own copy from before.
void TestCommandLine::twoImportsAtOnce()
{
    QFETCH(bool, server);
    if (server && !test::onServer())
        QSKIP("no test server (PEWLARK_TEST_POSTGRES)");
    Office office(50);
    const QString church = server ? test::emptyServerDatabase(QStringLiteral("two")) : office.database;
    if (server)
        createEmptyDatabase(church, QStringLiteral("pastor"), QStringLiteral("s3cret"), test::FakeClock());
    QFile csv(office.dir.filePath(QStringLiteral("roll.csv")));
    QVERIFY(csv.open(QIODevice::WriteOnly));
    csv.write("First Name,Last Name,Email\n");
    for (int i = 0; i < 2000; ++i)
        csv.write(QStringLiteral("Ann%1,Ray,ann%1@example.org\n").arg(i).toUtf8());
    csv.close();
    const int before = test::peopleIn(church);
    QProcess first, second;
    for (QProcess* program : { &first, &second })
        program->start(QStringLiteral(PEWLARK_PROGRAM),
            { QStringLiteral("--import-people"), csv.fileName(), QStringLiteral("--into"), church });
    for (QProcess* program : { &first, &second })
        QVERIFY2(
            program->waitForFinished(60000) && program->exitCode() == 0, program->readAllStandardError().constData());
    QCOMPARE(test::peopleIn(church), before + 2000);
    QCOMPARE(office.files(QStringLiteral("church.before-import-*")).size(), server ? 0 : 2);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
