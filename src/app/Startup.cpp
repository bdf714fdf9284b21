#include "app/Startup.h"

#include "app/Context.h"
#include "app/MDI.h"
#include "app/Workspace.h"
#include "app/frmAbout.h"
#include "data/Database.h"
#include "data/NewChurch.h"
#include "demo/DemoGenerator.h"
#include "legacy/ImportCommand.h"
#include "data/Sql.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlQuery>
#include <QStandardPaths>
#include <cstdio>
#include <iostream>
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
    QSqlQuery row = db().exec(QStringLiteral("SELECT KeyPressDelay FROM Church LIMIT 1"));
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

int Application::start(const QString& configPath, const QString& lockPath)
{
    Context& c = ctx();
    try {
        const ConfigValues values = config::load(configPath);
        c.settings.databasePath = values.databasePath;
        c.settings.pictureFolder = values.pictureFolder;
        m_database = Database::open(values.databasePath, Database::OpenMode::ExistingOnly);
        c.database = m_database.get();
    } catch (const Error& e) {
        return fail(e.text());
    }

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
    return 0;
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
        demo::DemoOptions options;
        if (!peopleText.isEmpty()) {
            bool ok = false;
            options.people = peopleText.toInt(&ok);
            if (!ok || options.people < 1) {
                std::fprintf(stderr, "pewlark: --people needs a whole number of 1 or more, not \"%s\".\n",
                    qPrintable(peopleText));
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
        if (QFileInfo::exists(path)) {
            std::fprintf(stderr, "pewlark: The file \"%s\" already exists; it was left unchanged.\n", qPrintable(path));
            return 1;
        }
        const QString password = readPassword(username);
        try {
            createEmptyDatabase(path, username.trimmed(), password.trimmed(), SystemClock());
            std::printf("Created %s with the Admin account \"%s\".\n", qPrintable(QDir::toNativeSeparators(path)),
                qPrintable(username.trimmed()));
            return 0;
        } catch (const std::exception& e) {
            std::fprintf(stderr, "pewlark: %s\n", e.what());
            return 1;
        }
    }

    bool hasOption(int argc, char** argv, const char* name)
    {
        for (int i = 1; i < argc; ++i)
            if (qstrcmp(argv[i], name) == 0)
                return true;
        return false;
    }

} // namespace

int runPewlark(int argc, char** argv, const Application::ScreenRegistrar& registrar)
{
    // The command-line tasks need no windows, so they run without a display.
    const bool commandLineTask = hasOption(argc, argv, "--demo-database") || hasOption(argc, argv, "--create-database")
        || hasOption(argc, argv, "--help") || hasOption(argc, argv, "-h") || hasOption(argc, argv, "--version")
        || hasOption(argc, argv, "--import-legacy");
    std::unique_ptr<QCoreApplication> app;
    if (commandLineTask)
        app = std::make_unique<QCoreApplication>(argc, argv);
    else
        app = std::make_unique<QApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Pewlark"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Pewlark: the church office's membership roll and outreach."));
    parser.addHelpOption();
    parser.addVersionOption();
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
    const QCommandLineOption intoOption(
        QStringLiteral("into"), QStringLiteral("New database for --import-legacy."), "FILE");
    const QCommandLineOption picturesOption(
        QStringLiteral("pictures"), QStringLiteral("Picture folder for --import-legacy to check."), "DIR");
    parser.addOptions({ configOption, demoOption, peopleOption, createOption, adminOption, importOption, intoOption,
        picturesOption });
    if (!parser.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "pewlark: %s\n%s", qPrintable(parser.errorText()), qPrintable(parser.helpText()));
        return 2;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        std::printf("%s", qPrintable(parser.helpText()));
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("Pewlark 1.0\n");
        return 0;
    }
    if (parser.isSet(demoOption))
        return runDemo(parser.value(demoOption), parser.value(peopleOption));
    if (parser.isSet(importOption))
        return legacy::runImportCommand(
            parser.value(importOption), parser.value(intoOption), parser.value(picturesOption));
    if (parser.isSet(createOption))
        return runCreate(parser.value(createOption), parser.value(adminOption));

    Application application(registrar);
    const QString configPath = parser.isSet(configOption) ? parser.value(configOption) : config::defaultPath();
    const int code = application.start(configPath);
    if (code != 0)
        return code;
    return QApplication::exec();
}

} // namespace pw
