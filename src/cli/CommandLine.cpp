#include "cli/CommandLine.h"

#include "app/Config.h"
#include "cli/WelcomeJobs.h"
#include "data/Platform.h"
#include "data/Postgres.h"
#include "i18n/Language.h"
#include "widgets/Context.h"

#include <QDir>

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QSettings>
#include <cstdio>
#include <vector>

namespace {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};
} // namespace

namespace pw::cli {

namespace {

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
        const QString display = QString::fromLocal8Bit(qgetenv("DISPLAY"));
        const QString message = display.isEmpty()
            ? Tr::tr("The display could not be opened, so Pewlark's windows cannot be shown; the command-line jobs "
                     "(pewlark --help) need no display.")
            : Tr::tr("The display \"%1\" could not be opened, so Pewlark's windows cannot be shown; the "
                     "command-line jobs (pewlark --help) need no display.")
                  .arg(display);
        std::fprintf(stderr, "pewlark: %s\n", qPrintable(message));
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

    QCommandLineOption optionFor(const OptionEntry& entry)
    {
        return QCommandLineOption(entry.name, entry.description, entry.valueName);
    }

    int runTask(const CommandLine& command, const Jobs& jobs)
    {
        switch (command.task) {
        case CommandLine::Task::Help:
            std::printf("%s", qPrintable(command.helpText));
            return 0;
        case CommandLine::Task::Version:
            std::printf("Pewlark 1.0\n");
            return 0;
        case CommandLine::Task::Where:
            return printWhere(command.configPath, command.configGiven);
        case CommandLine::Task::Mistake:
            std::fprintf(stderr, "pewlark: %s\n%s", qPrintable(command.mistake), qPrintable(command.helpText));
            return 2;
        case CommandLine::Task::Job: {
            const JobInput input { command.configPath.isEmpty() ? config::defaultPath() : command.configPath,
                command.file, command.target, command.options };
            return jobs.find(command.job)->run(input);
        }
        case CommandLine::Task::Windows:
            break;
        }
        return 0;
    }

} // namespace

CommandLine parseCommandLine(const QStringList& arguments, const Jobs& jobs)
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
    parser.setApplicationDescription(Tr::tr("Pewlark: the church office's membership roll and outreach."));
    const QCommandLineOption helpOption(
        { QStringLiteral("h"), QStringLiteral("help") }, Tr::tr("Show these options and stop."));
    const QCommandLineOption versionOption(
        { QStringLiteral("v"), QStringLiteral("version") }, Tr::tr("Show the version and stop."));
    const QCommandLineOption configOption(QStringLiteral("config"),
        Tr::tr("Read FILE instead of the first of config.txt beside the program, "
               "~/.config/pewlark/config.txt and /etc/pewlark/config.txt."),
        "FILE");
    const QCommandLineOption whereOption(QStringLiteral("where"),
        Tr::tr("Show which configuration file is used, and the database and picture folder it names, and "
               "stop."));
    parser.addOptions({ helpOption, versionOption, configOption, whereOption });
    // Each job's option, then the options that go with it alone. An option
    // two jobs take (--into) is listed with the first.
    QStringList added;
    for (const JobEntry& job : jobs.entries()) {
        parser.addOption(optionFor(job.option));
        for (const OptionEntry& with : job.with) {
            if (!added.contains(with.name))
                parser.addOption(optionFor(with));
            added.append(with.name);
        }
        if (!job.target.name.isEmpty())
            parser.addPositionalArgument(job.target.name, job.target.description);
    }
    result.helpText = parser.helpText();

    const auto mistake = [&result](const QString& text) {
        result.task = CommandLine::Task::Mistake;
        result.mistake = text;
        result.job.clear();
        result.file.clear();
        return result;
    };
    if (!parser.parse(ours))
        return mistake(parser.errorText());
    result.configPath = parser.value(configOption);
    result.configGiven = parser.isSet(configOption);
    if (parser.isSet(helpOption)) {
        result.task = CommandLine::Task::Help;
        return result;
    }
    if (parser.isSet(versionOption)) {
        result.task = CommandLine::Task::Version;
        return result;
    }
    if (parser.isSet(whereOption)) {
        result.task = CommandLine::Task::Where;
        return result;
    }
    QStringList positional = parser.positionalArguments();
    for (const JobEntry& job : jobs.entries()) {
        if (!job.target.name.isEmpty() && parser.isSet(job.option.name) && !positional.isEmpty()
            && result.target.isEmpty())
            result.target = positional.takeFirst();
    }
    if (!positional.isEmpty())
        return mistake(Tr::tr("Unexpected argument \"%1\".").arg(positional.constFirst()));

    QStringList chosen;
    const JobEntry* job = nullptr;
    for (const JobEntry& entry : jobs.entries()) {
        if (!parser.isSet(entry.option.name))
            continue;
        chosen.append(QStringLiteral("--") + entry.option.name);
        job = &entry;
        result.task = CommandLine::Task::Job;
        result.job = entry.option.name;
        result.file = entry.option.valueName.isEmpty() ? QStringLiteral("yes") : parser.value(entry.option.name);
    }
    if (chosen.size() > 1)
        return mistake(Tr::tr("Choose one of %1.").arg(chosen.join(QStringLiteral(", "))));
    if (job && result.file.isEmpty())
        return mistake(Tr::tr("%1 needs a file name.").arg(chosen.constFirst()));
    if (job && !job->target.name.isEmpty() && result.target.isEmpty())
        return mistake(job->targetMissing);

    // Options that only make sense with their job. A flag (an option without
    // a value) is given to its job as "yes" when set.
    const auto takes = [](const JobEntry* entry, const QString& name) {
        for (int i = 0; entry && i < entry->with.size(); ++i) {
            if (entry->with.at(i).name == name)
                return true;
        }
        return false;
    };
    for (const JobEntry& entry : jobs.entries()) {
        for (const OptionEntry& with : entry.with) {
            if (parser.isSet(with.name) && !takes(job, with.name))
                return mistake(Tr::tr("--%1 goes with --%2.").arg(with.name, entry.option.name));
            if (job == &entry)
                result.options.insert(with.name,
                    with.valueName.isEmpty() ? (parser.isSet(with.name) ? QStringLiteral("yes") : QString())
                                             : parser.value(with.name));
        }
    }
    return result;
}

int printWhere(const QString& configPath, bool configGiven, FILE* out)
{
    const config::Places places = config::places();
    const QString file = configGiven ? configPath : config::locate(places);
    if (file.isEmpty()) {
        std::fprintf(out, "%s",
            qPrintable(Tr::tr("No configuration file was found. Pewlark looks for, in this order:\n  %1\n  %2\n  %3\n"
                              "Started on the desktop, it opens its welcome window, which writes %2.\n")
                           .arg(QDir::toNativeSeparators(places.beside), QDir::toNativeSeparators(places.user),
                               QDir::toNativeSeparators(places.office))));
        return 1;
    }
    const QString which = configGiven ? Tr::tr("given with --config")
        : file == places.beside       ? Tr::tr("beside the program")
        : file == places.user         ? Tr::tr("the user's own")
                                      : Tr::tr("the office's");
    std::fprintf(out, "%s\n", qPrintable(Tr::tr("Configuration: %1 (%2)").arg(QDir::toNativeSeparators(file), which)));
    try {
        const ConfigValues values = config::load(file);
        std::fprintf(out, "%s\n",
            qPrintable(
                Tr::tr("Database: %1\nPictures: %2").arg(postgres::shown(values.databasePath), values.pictureFolder)));
        return 0;
    } catch (const Error& e) {
        std::fprintf(out, "%s\n", qPrintable(Tr::tr("It cannot be read: %1").arg(e.text())));
        return 1;
    }
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
    if (platform::displayFromEnvironment() && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return Tr::tr("There is no display to show Pewlark's windows on (DISPLAY is not set); start it on the "
                      "desktop. The command-line jobs (pewlark --help) need no display.");
    return {};
}

int runPewlark(int argc, char** argv, const JobRegistrar& registerJobs, const Application::ScreenRegistrar& screens)
{
    returnFreedMemory();
    const auto setUp = [] {
        QCoreApplication::setApplicationName(QStringLiteral("Pewlark"));
        QCoreApplication::setApplicationVersion(QStringLiteral("1.0"));
        // The user's language (or the desktop's), installed in each
        // application object as it is made: its catalogues go with it.
        i18n::use(i18n::startingLanguage(*storedSettings()));
    };
    Jobs jobs;
    // The options are read, and the command-line jobs run, without the
    // window system, so none of them needs a display.
    CommandLine command;
    bool painting = false;
    {
        QCoreApplication app(argc, argv);
        setUp();
        // Registered once the application exists: the help texts are
        // translated as the jobs are registered.
        if (registerJobs)
            registerJobs(jobs);
        command = parseCommandLine(QCoreApplication::arguments(), jobs);
        painting = command.task == CommandLine::Task::Job && jobs.find(command.job)->paints;
        if (command.task != CommandLine::Task::Windows && !painting)
            return runTask(command, jobs);
    }
    if (painting) {
        // A job that lays out pages runs under the off-screen window system:
        // it brings the fonts and needs no display.
        std::vector<char*> arguments(argv, argv + argc);
        char platform[] = "-platform";
        char offscreen[] = "offscreen";
        arguments.insert(arguments.begin() + 1, { platform, offscreen });
        int count = int(arguments.size());
        arguments.push_back(nullptr);
        const QtMessageHandler previous = qInstallMessageHandler(holdWindowSystemMessages);
        QGuiApplication app(count, arguments.data());
        qInstallMessageHandler(previous);
        setUp();
        // The off-screen system's notice that it has no runtime folder of a
        // desktop session is no news to a scheduled job.
        for (const QString& held : std::as_const(heldMessages()))
            if (!held.contains(QLatin1String("XDG_RUNTIME_DIR")))
                std::fprintf(stderr, "%s\n", qPrintable(held));
        heldMessages().clear();
        return runTask(command, jobs);
    }
    {
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
    setUp();
    for (const QString& held : std::as_const(heldMessages()))
        std::fprintf(stderr, "%s\n", qPrintable(held));
    heldMessages().clear();

    Application application(screens);
    if (!command.configGiven)
        application.offerWelcome(welcomeJobs());
    const int code = application.start(command.configPath);
    if (code == Application::kClosedAtWelcome)
        return 0;
    if (code != 0)
        return code;
    return QApplication::exec();
}

} // namespace pw::cli
