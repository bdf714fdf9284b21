#include "app/Startup.h"

#include "app/BackupCommands.h"
#include "app/Config.h"
#include "app/Context.h"
#include "app/Guard.h"
#include "app/MDI.h"
#include "app/Workspace.h"
#include "app/frmAbout.h"
#include "data/Backup.h"
#include "data/Clock.h"
#include "data/CopyChurch.h"
#include "data/Database.h"
#include "data/Health.h"
#include "data/NewChurch.h"
#include "data/NewDatabaseFile.h"
#include "data/Postgres.h"
#include "data/Sql.h"
#include "demo/DemoGenerator.h"
#include "legacy/ImportCommand.h"
#include "people/ImportCommand.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTextStream>
#include <QTimer>
#include <cstdio>
#include <iostream>
#include <malloc.h>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace pw {

void CloseAndExit()
{
    if (ctx().database)
        ctx().database->close();
    QCoreApplication::exit(0);
}

void LoadChurchSettings()
{
    QSqlQuery row = db().exec(QStringLiteral("SELECT KeyPressDelay FROM Church ORDER BY rowid LIMIT 1"));
    if (!row.next()) {
        if (Workspace* ws = workspace()) {
            if (ws->hasScreen(QStringLiteral("frmChurchInfo"))) {
                if (QWidget* frame = ws->area()->window())
                    frame->show();
                ws->openWithoutTest(QStringLiteral("frmChurchInfo"));
            }
        }
        return;
    }
    bool ok = false;
    const double delay = row.value(0).toString().trimmed().toDouble(&ok);
    ctx().settings.keyPressDelay = ok ? delay : 0.0;
}

SingleInstance::SingleInstance(const QString& lockPath)
    : m_lock(lockPath)
{
    m_lock.setStaleLockTime(0); // a lock is stale only when its process is gone
}

bool SingleInstance::acquire() { return m_lock.tryLock(0); }

QString SingleInstance::defaultLockPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = QString::number(getuid());
    return QDir(folder).filePath(QStringLiteral("pewlark-%1.lock").arg(user));
}

Application::Application(ScreenRegistrar registrar, std::unique_ptr<Messages> messages, std::unique_ptr<Clock> clock)
    : m_registrar(std::move(registrar))
    , m_messages(messages ? std::move(messages) : std::make_unique<BoxMessages>())
    , m_clock(clock ? std::move(clock) : std::make_unique<SystemClock>())
{
    Context& c = ctx();
    c = Context {};
    c.messages = m_messages.get();
    c.clock = m_clock.get();
}

Application::~Application()
{
    m_pageCheck.reset();
    m_mainWindow.reset();
    m_database.reset();
    ctx() = Context {};
}

int Application::fail(const QString& text)
{
    std::fprintf(stderr, "pewlark: %s\n", qPrintable(text));
    m_messages->show(text, QStringLiteral("Pewlark"), Icon::Critical);
    return 1;
}

namespace {

    // A leftover of an interrupted creation is not restored over: its own
    // message says what to do.
    bool isLeftoverName(const QString& path)
    {
        const QString name = QFileInfo(path).fileName();
        return name.startsWith(QLatin1Char('.')) && name.contains(QStringLiteral(".partial-"));
    }

    // The newest automatic backup of the database, or empty text.
    QString newestDailyBackup(const QString& databasePath)
    {
        const QFileInfo info(databasePath);
        const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
        const QDir folder(backup::dailyFolder(databasePath));
        const QStringList names = folder.entryList(
            { info.completeBaseName() + QStringLiteral("-\?\?\?\?-\?\?-\?\?") + suffix }, QDir::Files, QDir::Name);
        return names.isEmpty() ? QString() : folder.filePath(names.last());
    }

    // The command that puts a backup in place, as it must be typed: with the
    // configuration file when it is not the one beside the program.
    QString restoreCommand(const QString& configPath)
    {
        QString command = QStringLiteral("pewlark");
        if (QFileInfo(configPath).absoluteFilePath() != QFileInfo(config::defaultPath()).absoluteFilePath())
            command += QStringLiteral(" --config \"%1\"").arg(QDir::toNativeSeparators(configPath));
        return command + QStringLiteral(" --restore");
    }

    // The start-up refusal: the message names the file and what to do; for a
    // damaged database it adds how a backup is put back.
    QString startupRefusal(const Error& e, const QString& databasePath, const QString& configPath)
    {
        // A server's messages name the server and the database already.
        if (postgres::isLocation(databasePath))
            return e.text();
        const auto* dbError = dynamic_cast<const DbError*>(&e);
        const QString file = QDir::toNativeSeparators(QFileInfo(databasePath).absoluteFilePath());
        if (!databasePath.isEmpty() && !QFileInfo::exists(databasePath) && !QFileInfo(databasePath).isSymLink())
            return QStringLiteral("The database file \"%1\" named in the configuration file \"%2\" does not exist. "
                                  "Correct the third field of the configuration file, or put a backup of the "
                                  "database in its place (%3 BACKUP-FILE).")
                .arg(file, QDir::toNativeSeparators(configPath), restoreCommand(configPath));
        if (!dbError || dbError->kind() != DbError::Kind::Damaged || isLeftoverName(databasePath))
            return e.text();
        const QString command = restoreCommand(configPath);
        const QString newest = newestDailyBackup(databasePath);
        const QString how = newest.isEmpty()
            ? QStringLiteral("To put a backup in its place, close Pewlark and run: %1 BACKUP-FILE").arg(command)
            : QStringLiteral("The newest automatic backup is \"%1\". To put it in place, close Pewlark and run: "
                             "%2 \"%1\"")
                  .arg(QDir::toNativeSeparators(newest), command);
        // The engine's own words stay last, as in every other message.
        QString text = dbError->message() + QStringLiteral("\n\n") + how;
        if (!dbError->detail().isEmpty())
            text += QStringLiteral("\n\n") + DbError::detailLine(dbError->detail());
        return text;
    }

    // What interrupted copies of this program left beside the database and
    // among its automatic backups (their process is gone).
    void removeLeftovers(const QString& databasePath)
    {
        if (postgres::isLocation(databasePath))
            return;
        NewDatabaseFile::removeStaleLeftoversIn(QFileInfo(databasePath).absolutePath(), databasePath);
        const QString daily = backup::dailyFolder(databasePath);
        if (QFileInfo(daily).isDir())
            NewDatabaseFile::removeStaleLeftoversIn(daily);
    }

} // namespace

int Application::start(const QString& configPath, const QString& lockPath, bool dailyBackup)
{
    Context& c = ctx();
    ConfigValues values;
    bool pagesLeft = false;
    try {
        values = config::load(configPath);
        c.settings.databasePath = values.databasePath;
        c.settings.pictureFolder = values.pictureFolder;
        m_database = health::openForStartup(values.databasePath, *m_clock, m_pagesCheckedFirst, &pagesLeft);
        c.database = m_database.get();
    } catch (const Error& e) {
        return fail(startupRefusal(e, values.databasePath, configPath));
    }
    removeLeftovers(values.databasePath);

    QApplication::setWindowIcon(QIcon(frmAbout::logo()));
    m_mainWindow = std::make_unique<MDI>();
    c.workspace = m_mainWindow->workspace();
    if (m_registrar)
        m_registrar(*c.workspace);

    try {
        LoadChurchSettings();
    } catch (const DbError& e) {
        return fail(QStringLiteral("The church settings in \"%1\" could not be read: %2")
                        .arg(c.settings.databasePath, e.text()));
    }

    m_instance = std::make_unique<SingleInstance>(lockPath);
    if (!m_instance->acquire()) {
        // On standard error too, as every other start-up refusal, for a
        // copy started from a terminal or a script.
        const QString text = QStringLiteral("This application is already running.");
        std::fprintf(stderr, "pewlark: %s\n", qPrintable(text));
        m_messages->show(text, QStringLiteral("Application Already Running"), Icon::None);
        return 3;
    }

    m_mainWindow->show();
    m_mainWindow->lock();
    m_mainWindow->showLogin();

    // The page check of a large file reads all of it: it runs while the
    // user logs in, and nothing is saved until it has passed.
    if (pagesLeft)
        m_pageCheck = std::make_unique<health::PageCheck>(
            *m_database, [this, path = values.databasePath, configPath](const DbError* failure) {
                if (failure && m_mainWindow && m_mainWindow->isVisible()) {
                    fail(startupRefusal(*failure, path, configPath));
                    m_mainWindow->hide();
                    QCoreApplication::exit(1);
                }
            });

    // Once, and the program runs on without pictures.
    const QString pictures = config::pictureFolderProblem(values.pictureFolder, configPath);
    if (!pictures.isEmpty())
        m_messages->show(pictures, QStringLiteral("Pewlark"), Icon::Warning);

    // The login window is up first; the copy is made while the user types.
    if (dailyBackup)
        QTimer::singleShot(0, m_mainWindow.get(), [this] { runDailyBackup(); });
    return 0;
}

void Application::runDailyBackup()
{
    // Never on a connection that waits for a lock; the next turn will do.
    if (waitingForLock()) {
        QTimer::singleShot(100, m_mainWindow.get(), [this] { runDailyBackup(); });
        return;
    }
    backups::dailyAtStartup();
}

namespace {

    QString readPassword(const QString& username)
    {
        const bool terminal = isatty(STDIN_FILENO);
        termios saved {};
        if (terminal) {
            std::fprintf(stderr, "Password for %s: ", qPrintable(username));
            std::fflush(stderr);
            tcgetattr(STDIN_FILENO, &saved);
            termios silent = saved;
            silent.c_lflag &= ~static_cast<tcflag_t>(ECHO);
            tcsetattr(STDIN_FILENO, TCSANOW, &silent);
        }
        std::string line;
        std::getline(std::cin, line);
        if (terminal) {
            tcsetattr(STDIN_FILENO, TCSANOW, &saved);
            std::fprintf(stderr, "\n");
        }
        return QString::fromStdString(line).remove(QLatin1Char('\r'));
    }

    int runDemo(const QString& path, const QString& peopleText)
    {
        if (postgres::isLocation(path)) {
            std::fprintf(stderr,
                "pewlark: --demo-database writes a file. To try the demo church on a server, write it to a file and "
                "copy it there: pewlark --copy-database DEMO-FILE %s\n",
                qPrintable(path));
            return 2;
        }
        demo::DemoOptions options;
        if (!peopleText.isEmpty()) {
            bool ok = false;
            options.people = peopleText.toInt(&ok);
            if (!ok || options.people < demo::kMinPeople || options.people > demo::kMaxPeople) {
                std::fprintf(stderr, "pewlark: --people needs a whole number from %d to %d, not \"%s\".\n",
                    demo::kMinPeople, demo::kMaxPeople, qPrintable(peopleText));
                return 2;
            }
        }
        try {
            QElapsedTimer timer;
            timer.start();
            const demo::DemoSummary s = demo::generate(path, options);
            std::printf("Created demo database %s: %lld people in %lld households, %lld prospects, %lld contacts "
                        "(%.1f s).\n",
                qPrintable(QDir::toNativeSeparators(path)), static_cast<long long>(s.people),
                static_cast<long long>(s.households), static_cast<long long>(s.prospects),
                static_cast<long long>(s.contacts), timer.elapsed() / 1000.0);
            std::printf("Log in as \"%s\" / \"%s\" (Admin) or \"%s\" / \"%s\" (Member View only).\n",
                qPrintable(s.adminUsername), qPrintable(s.adminPassword), qPrintable(s.userUsername),
                qPrintable(s.userPassword));
            return 0;
        } catch (const std::exception& e) {
            std::fprintf(stderr, "pewlark: %s\n", e.what());
            return 1;
        }
    }

    int runCreate(const QString& path, const QString& username)
    {
        if (username.trimmed().isEmpty()) {
            std::fprintf(stderr, "pewlark: --create-database needs --admin USERNAME.\n");
            return 2;
        }
        const bool server = postgres::isLocation(path);
        if (!server && QFileInfo::exists(path)) {
            std::fprintf(stderr, "pewlark: The file \"%s\" already exists; it was left unchanged.\n", qPrintable(path));
            return 1;
        }
        const QString password = readPassword(username);
        try {
            createEmptyDatabase(path, username.trimmed(), password.trimmed(), SystemClock());
            const QString where = server ? postgres::parse(path).display() : QDir::toNativeSeparators(path);
            std::printf(
                "Created %s with the Admin account \"%s\".\n", qPrintable(where), qPrintable(username.trimmed()));
            return 0;
        } catch (const std::exception& e) {
            std::fprintf(stderr, "pewlark: %s\n", e.what());
            return 1;
        }
    }

    int runCopy(const QString& from, const QString& to)
    {
        try {
            QElapsedTimer timer;
            timer.start();
            const copying::CopyResult result = copying::copyChurch(
                from, to, [](const QString& table) { std::fprintf(stderr, "Copying %s...\n", qPrintable(table)); });
            std::printf("Copied the church from %s to %s (%.1f s).\n", qPrintable(result.from), qPrintable(result.to),
                timer.elapsed() / 1000.0);
            std::printf("%-26s %10s %10s\n", "Table", "From", "To");
            for (const copying::TableCount& count : result.tables)
                std::printf("%-26s %10lld %10lld\n", qPrintable(QString(count.table).remove(QLatin1Char('"'))),
                    static_cast<long long>(count.from), static_cast<long long>(count.to));
            return 0;
        } catch (const std::exception& e) {
            std::fprintf(stderr, "pewlark: %s\n", e.what());
            return 1;
        }
    }

    // Qt's own options for the window system, which QApplication takes out
    // of the arguments itself: with a value, and without.
    const QStringList& windowSystemOptionsWithValue()
    {
        static const QStringList names
            = { "platform", "platformpluginpath", "platformtheme", "plugin", "display", "geometry", "qwindowgeometry",
                  "qwindowtitle", "qwindowicon", "style", "stylesheet", "session", "name", "title" };
        return names;
    }
    const QStringList& windowSystemFlags()
    {
        static const QStringList names = { "reverse", "widgetcount", "nograb", "dograb", "sync" };
        return names;
    }

    // "-platform" or "--platform" gives "platform"; anything else empty.
    QString windowSystemName(const QString& argument, bool* withValue, bool* joined)
    {
        if (!argument.startsWith(QLatin1Char('-')))
            return {};
        QString name = argument.mid(argument.startsWith(QStringLiteral("--")) ? 2 : 1);
        *joined = false;
        const int equals = int(name.indexOf(QLatin1Char('=')));
        if (equals > 0) {
            name.truncate(equals);
            *joined = true;
        }
        if (windowSystemOptionsWithValue().contains(name)) {
            *withValue = true;
            return name;
        }
        if (!*joined && windowSystemFlags().contains(name)) {
            *withValue = false;
            return name;
        }
        return {};
    }

    // The one line for a display that was there by name but could not be
    // opened; printed from the message handler as the window system gives up.
    void displayFailed()
    {
        const QByteArray display = qgetenv("DISPLAY");
        std::fprintf(stderr,
            "pewlark: The display%s%s%s could not be opened, so Pewlark's windows cannot be shown; the command-line "
            "jobs (pewlark --help) need no display.\n",
            display.isEmpty() ? "" : " \"", display.constData(), display.isEmpty() ? "" : "\"");
        std::fflush(stderr);
    }

    // While the window system starts, its messages are held back: when it
    // gives up, the one line above is all that is printed; when it starts,
    // they are printed as usual.
    QStringList& heldMessages()
    {
        static QStringList held;
        return held;
    }

    void holdWindowSystemMessages(QtMsgType type, const QMessageLogContext& context, const QString& text)
    {
        if (type == QtFatalMsg) {
            displayFailed();
            std::_Exit(1);
        }
        heldMessages().append(qFormatLogMessage(type, context, text));
    }

    // The people import into --into, or else into the database config.txt
    // names (whose pictures are then backed up with it).
    int runImportPeople(const CommandLine& command, const QString& configPath)
    {
        people::ImportCommand job;
        job.file = command.file;
        job.mapping = command.mapping;
        job.dryRun = command.dryRun;
        job.duplicates = command.duplicates;
        job.database = command.into;
        if (job.database.isEmpty()) {
            try {
                const ConfigValues values = config::load(configPath);
                job.database = values.databasePath;
                job.pictureFolder = values.pictureFolder;
            } catch (const std::exception& e) {
                std::fprintf(stderr, "pewlark: %s\n", qPrintable(errorText(e)));
                return 1;
            }
        }
        QTextStream out(stdout);
        QTextStream err(stderr);
        return people::runImportPeople(job, SystemClock(), out, err);
    }

    int runTask(const CommandLine& command)
    {
        const QString configPath = command.configPath.isEmpty() ? config::defaultPath() : command.configPath;
        switch (command.task) {
        case CommandLine::Task::Help:
            std::printf("%s", qPrintable(command.helpText));
            return 0;
        case CommandLine::Task::Version:
            std::printf("Pewlark 1.0\n");
            return 0;
        case CommandLine::Task::Mistake:
            std::fprintf(stderr, "pewlark: %s\n%s", qPrintable(command.mistake), qPrintable(command.helpText));
            return 2;
        case CommandLine::Task::Demo:
            return runDemo(command.file, command.people);
        case CommandLine::Task::Import:
            return legacy::runImportCommand(command.file, command.into, command.pictures);
        case CommandLine::Task::Create:
            return runCreate(command.file, command.admin);
        case CommandLine::Task::Copy:
            return runCopy(command.file, command.into);
        case CommandLine::Task::Backup:
            return backups::runBackupCommand(configPath, command.file);
        case CommandLine::Task::Restore:
            return backups::runRestoreCommand(configPath, command.file, SystemClock());
        case CommandLine::Task::ImportPeople:
            return runImportPeople(command, configPath);
        case CommandLine::Task::Windows:
            break;
        }
        return 0;
    }

} // namespace

CommandLine parseCommandLine(const QStringList& arguments)
{
    CommandLine result;
    QStringList ours;
    for (int i = 0; i < arguments.size(); ++i) {
        bool withValue = false;
        bool joined = false;
        if (i > 0 && !windowSystemName(arguments.at(i), &withValue, &joined).isEmpty()) {
            result.windowSystemArguments.append(arguments.at(i));
            if (withValue && !joined && i + 1 < arguments.size())
                result.windowSystemArguments.append(arguments.at(++i));
            continue;
        }
        ours.append(arguments.at(i));
    }

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Pewlark: the church office's membership roll and outreach."));
    const QCommandLineOption helpOption(
        { QStringLiteral("h"), QStringLiteral("help") }, QStringLiteral("Show these options and stop."));
    const QCommandLineOption versionOption(
        { QStringLiteral("v"), QStringLiteral("version") }, QStringLiteral("Show the version and stop."));
    const QCommandLineOption configOption(
        QStringLiteral("config"), QStringLiteral("Read FILE instead of config.txt beside the program."), "FILE");
    const QCommandLineOption demoOption(QStringLiteral("demo-database"),
        QStringLiteral("Write a demo church database to FILE (which must not exist) and stop."), "FILE");
    const QCommandLineOption peopleOption(
        QStringLiteral("people"), QStringLiteral("Number of people in the demo database (default 2000)."), "N");
    const QCommandLineOption createOption(QStringLiteral("create-database"),
        QStringLiteral("Create an empty church database in FILE with one Admin account and stop; the password is "
                       "read from standard input."),
        "FILE");
    const QCommandLineOption adminOption(
        QStringLiteral("admin"), QStringLiteral("User name of the Admin account for --create-database."), "USERNAME");
    const QCommandLineOption importOption(QStringLiteral("import-legacy"),
        QStringLiteral("Import the older program's database FILE (.mdb) into the new file --into names, and stop."),
        "FILE");
    const QCommandLineOption intoOption(QStringLiteral("into"),
        QStringLiteral("New database for --import-legacy; for --import-people, the database to import into "
                       "instead of the one config.txt names."),
        "FILE");
    const QCommandLineOption picturesOption(
        QStringLiteral("pictures"), QStringLiteral("Picture folder for --import-legacy to check."), "DIR");
    const QCommandLineOption copyOption(QStringLiteral("copy-database"),
        QStringLiteral("Copy the whole church in FROM (a file or a postgresql:// database) to TO, a new file or an "
                       "empty database on a server, and stop: pewlark --copy-database FROM TO."),
        "FROM");
    const QCommandLineOption backupOption(QStringLiteral("backup"),
        QStringLiteral("Write a checked backup of the database config.txt names to FILE (which must not exist) and "
                       "stop."),
        "FILE");
    const QCommandLineOption restoreOption(QStringLiteral("restore"),
        QStringLiteral("Put the backup FILE in place of the database config.txt names, keeping that database as a "
                       "dated copy beside it, and stop."),
        "FILE");
    const QCommandLineOption importPeopleOption(QStringLiteral("import-people"),
        QStringLiteral("Import the people of the CSV table FILE into the church, after a backup, and stop."), "FILE");
    const QCommandLineOption mappingOption(QStringLiteral("mapping"),
        QStringLiteral("Which column fills which field for --import-people (saved by File > Import People...)."),
        "FILE");
    const QCommandLineOption dryRunOption(
        QStringLiteral("dry-run"), QStringLiteral("Print the preview of --import-people and write nothing."));
    const QCommandLineOption duplicatesOption(QStringLiteral("duplicates"),
        QStringLiteral("What --import-people does with people already in the church: skip (the default), fill "
                       "their empty fields, or add them anyway."),
        "skip|fill|add");
    parser.addOptions({ helpOption, versionOption, configOption, demoOption, peopleOption, createOption, adminOption,
        importOption, intoOption, picturesOption, copyOption, backupOption, restoreOption, importPeopleOption,
        mappingOption, dryRunOption, duplicatesOption });
    parser.addPositionalArgument(QStringLiteral("TO"), QStringLiteral("The target of --copy-database."));
    result.helpText = parser.helpText();

    const auto mistake = [&result](const QString& text) {
        result.task = CommandLine::Task::Mistake;
        result.mistake = text;
        result.file.clear();
        return result;
    };
    if (!parser.parse(ours))
        return mistake(parser.errorText());
    result.configPath = parser.value(configOption);
    if (parser.isSet(helpOption)) {
        result.task = CommandLine::Task::Help;
        return result;
    }
    if (parser.isSet(versionOption)) {
        result.task = CommandLine::Task::Version;
        return result;
    }
    QStringList positional = parser.positionalArguments();
    if (parser.isSet(copyOption) && !positional.isEmpty())
        result.into = positional.takeFirst();
    if (!positional.isEmpty())
        return mistake(QStringLiteral("Unexpected argument \"%1\".").arg(positional.constFirst()));

    const QList<QPair<const QCommandLineOption*, CommandLine::Task>> tasks = {
        { &demoOption, CommandLine::Task::Demo },
        { &createOption, CommandLine::Task::Create },
        { &importOption, CommandLine::Task::Import },
        { &backupOption, CommandLine::Task::Backup },
        { &restoreOption, CommandLine::Task::Restore },
        { &copyOption, CommandLine::Task::Copy },
        { &importPeopleOption, CommandLine::Task::ImportPeople },
    };
    QStringList chosen;
    for (const auto& task : tasks) {
        if (!parser.isSet(*task.first))
            continue;
        chosen.append(QStringLiteral("--") + task.first->names().constFirst());
        result.task = task.second;
        result.file = parser.value(*task.first);
    }
    if (chosen.size() > 1)
        return mistake(QStringLiteral("Choose one of %1.").arg(chosen.join(QStringLiteral(", "))));
    if (result.task != CommandLine::Task::Windows && result.file.isEmpty())
        return mistake(QStringLiteral("%1 needs a file name.").arg(chosen.constFirst()));
    if (result.task == CommandLine::Task::Copy && result.into.isEmpty())
        return mistake(
            QStringLiteral("--copy-database needs the database to copy to: pewlark --copy-database FROM TO."));

    // Options that only make sense with their task.
    struct Belonging {
        const QCommandLineOption* option;
        const QCommandLineOption* owner;
        CommandLine::Task task;
    };
    const Belonging belongings[] = {
        { &peopleOption, &demoOption, CommandLine::Task::Demo },
        { &adminOption, &createOption, CommandLine::Task::Create },
        { &intoOption, &importOption, CommandLine::Task::Import },
        { &picturesOption, &importOption, CommandLine::Task::Import },
        { &mappingOption, &importPeopleOption, CommandLine::Task::ImportPeople },
        { &dryRunOption, &importPeopleOption, CommandLine::Task::ImportPeople },
        { &duplicatesOption, &importPeopleOption, CommandLine::Task::ImportPeople },
    };
    for (const Belonging& b : belongings) {
        const bool alsoPeople = b.option == &intoOption && result.task == CommandLine::Task::ImportPeople;
        if (parser.isSet(*b.option) && result.task != b.task && !alsoPeople)
            return mistake(QStringLiteral("--%1 goes with --%2.")
                               .arg(b.option->names().constFirst(), b.owner->names().constFirst()));
    }
    result.people = parser.value(peopleOption);
    result.admin = parser.value(adminOption);
    if (parser.isSet(intoOption))
        result.into = parser.value(intoOption);
    result.pictures = parser.value(picturesOption);
    result.mapping = parser.value(mappingOption);
    result.dryRun = parser.isSet(dryRunOption);
    result.duplicates = parser.value(duplicatesOption);
    if (parser.isSet(duplicatesOption) && !QStringList { "skip", "fill", "add" }.contains(result.duplicates))
        return mistake(QStringLiteral("--duplicates takes skip, fill or add."));
    return result;
}

QString missingDisplay(const QStringList& windowSystemArguments)
{
    // A platform named outright (offscreen, vnc, a virtual screen) is taken
    // at its word; the window system says itself when it cannot start.
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return {};
    for (const QString& argument : windowSystemArguments) {
        bool withValue = false;
        bool joined = false;
        if (windowSystemName(argument, &withValue, &joined) == QLatin1String("platform"))
            return {};
    }
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return QStringLiteral("There is no display to show Pewlark's windows on (DISPLAY is not set); start it on the "
                              "desktop. The command-line jobs (pewlark --help) need no display.");
    return {};
}

void returnFreedMemory()
{
    // The C library otherwise raises this threshold to the largest block
    // freed so far, after which such blocks come from, and stay in, its heap.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
}

int runPewlark(int argc, char** argv, const Application::ScreenRegistrar& registrar)
{
    returnFreedMemory();
    const auto name = [] {
        QCoreApplication::setApplicationName(QStringLiteral("Pewlark"));
        QCoreApplication::setApplicationVersion(QStringLiteral("1.0"));
    };
    // The options are read, and the command-line tasks run, without the
    // window system, so none of them needs a display.
    CommandLine command;
    {
        QCoreApplication app(argc, argv);
        name();
        command = parseCommandLine(QCoreApplication::arguments());
        if (command.task != CommandLine::Task::Windows)
            return runTask(command);
        const QString missing = missingDisplay(command.windowSystemArguments);
        if (!missing.isEmpty()) {
            std::fprintf(stderr, "pewlark: %s\n", qPrintable(missing));
            return 1;
        }
        if (command.configPath.isEmpty())
            command.configPath = config::defaultPath();
    }

    const QtMessageHandler previous = qInstallMessageHandler(holdWindowSystemMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(previous);
    for (const QString& held : std::as_const(heldMessages()))
        std::fprintf(stderr, "%s\n", qPrintable(held));
    heldMessages().clear();
    name();

    Application application(registrar);
    const int code = application.start(command.configPath);
    if (code != 0)
        return code;
    return QApplication::exec();
}

} // namespace pw
