#include "app/Startup.h"

#include "app/BackupCommands.h"
#include "app/MDI.h"
#include "app/Workspace.h"
#include "app/frmAbout.h"
#include "app/frmWelcome.h"
#include "data/Backup.h"
#include "data/Database.h"
#include "data/Health.h"
#include "data/NewDatabaseFile.h"
#include "data/OpenChurch.h"
#include "data/Platform.h"
#include "data/Postgres.h"
#include "widgets/Context.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <cstdio>

namespace pw {

namespace {
    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(Startup)
    };
} // namespace

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
    return QDir(folder).filePath(QStringLiteral("pewlark-%1.lock").arg(platform::userKey()));
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
    if (m_dailyBackup)
        m_dailyBackup->wait();
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
            return Tr::tr("The database file \"%1\" named in the configuration file \"%2\" does not exist. "
                          "Correct the third field of the configuration file, or put a backup of the "
                          "database in its place (%3 BACKUP-FILE).")
                .arg(file, QDir::toNativeSeparators(configPath), restoreCommand(configPath));
        if (!dbError || dbError->kind() != DbError::Kind::Damaged || isLeftoverName(databasePath))
            return e.text();
        const QString command = restoreCommand(configPath);
        const QString newest = newestDailyBackup(databasePath);
        const QString how = newest.isEmpty()
            ? Tr::tr("To put a backup in its place, close Pewlark and run: %1 BACKUP-FILE").arg(command)
            : Tr::tr("The newest automatic backup is \"%1\". To put it in place, close Pewlark and run: "
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

void Application::offerWelcome(welcome::Jobs jobs)
{
    m_welcomeOffered = true;
    m_welcomeJobs = std::move(jobs);
}

QString Application::runWelcome(const QString& configRead)
{
    const QString target = welcome::configTarget(configRead);
    if (m_welcomeRunner)
        return m_welcomeRunner(target, m_welcomeJobs) ? target : QString();
    frmWelcome window(target, m_welcomeJobs);
    window.setWindowIcon(QIcon(frmAbout::logo()));
    if (qEnvironmentVariableIsSet("PEWLARK_SHOW_FIRST_WINDOW_AND_QUIT")) {
        // An installation check: the window is shown, named, and closed.
        window.show();
        QCoreApplication::processEvents();
        std::printf("%s\n", qPrintable(window.objectName()));
        return {};
    }
    return window.exec() == QDialog::Accepted ? target : QString();
}

int Application::start(const QString& firstConfigPath, const QString& lockPath, bool dailyBackup)
{
    Context& c = ctx();
    QString configPath = firstConfigPath;
    if (m_welcomeOffered && !QFileInfo::exists(configPath)) {
        configPath = runWelcome(configPath);
        if (configPath.isEmpty())
            return kClosedAtWelcome;
    }
    ConfigValues values;
    bool pagesLeft = false;
    try {
        values = config::load(configPath);
        c.settings.databasePath = values.databasePath;
        c.settings.pictureFolder = values.pictureFolder;
        m_database = health::openForStartup(values.databasePath, *m_clock, m_pagesCheckedFirst, &pagesLeft);
        c.database = m_database.get();
    } catch (const Error& e) {
        const bool gone = !values.databasePath.isEmpty() && !postgres::isLocation(values.databasePath)
            && !QFileInfo::exists(values.databasePath) && !QFileInfo(values.databasePath).isSymLink();
        const int code = fail(startupRefusal(e, values.databasePath, configPath));
        if (!gone || !m_welcomeOffered)
            return code;
        // The church file has gone: the same choices as on a first start.
        const QString written = runWelcome(configPath);
        if (written.isEmpty())
            return code;
        m_welcomeOffered = false;
        return start(written, lockPath, dailyBackup);
    }
    removeLeftovers(values.databasePath);

    QApplication::setWindowIcon(QIcon(frmAbout::logo()));
    m_mainWindow = std::make_unique<MDI>();
    setWorkspace(m_mainWindow->workspace());
    if (m_registrar)
        m_registrar(*c.workspace);

    try {
        LoadChurchSettings();
    } catch (const DbError& e) {
        return fail(Tr::tr("The church settings in \"%1\" could not be read: %2")
                        .arg(postgres::shown(c.settings.databasePath), e.text()));
    }

    m_instance = std::make_unique<SingleInstance>(lockPath);
    if (!m_instance->acquire()) {
        // On standard error too, as every other start-up refusal, for a
        // copy started from a terminal or a script.
        const QString text = Tr::tr("This application is already running.");
        std::fprintf(stderr, "pewlark: %s\n", qPrintable(text));
        m_messages->show(text, Tr::tr("Application Already Running"), Icon::None);
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
    waitForDailyBackup();
    auto outcome = std::make_shared<backups::DailyOutcome>();
    m_dailyOutcome = outcome;
    m_dailyBackup.reset(
        QThread::create([outcome, path = db().path(), pictures = ctx().settings.pictureFolder, clock = m_clock.get()] {
            *outcome = backups::makeDaily(path, *clock, pictures);
        }));
    QObject::connect(m_dailyBackup.get(), &QThread::finished, m_mainWindow.get(), [this] { waitForDailyBackup(); });
    m_dailyBackup->start(QThread::LowPriority);
}

void Application::waitForDailyBackup()
{
    if (!m_dailyBackup)
        return;
    m_dailyBackup->wait();
    m_dailyBackup.reset();
    const std::shared_ptr<backups::DailyOutcome> outcome = std::move(m_dailyOutcome);
    if (outcome && m_mainWindow)
        backups::reportDaily(*outcome);
}

void returnFreedMemory() { platform::returnFreedMemory(); }

} // namespace pw
