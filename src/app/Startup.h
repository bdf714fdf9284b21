#pragma once

#include "app/Config.h"
#include "widgets/Guard.h"
#include "widgets/Messages.h"
#include "app/Welcome.h"
#include "data/Clock.h"
#include "data/PageCheck.h"

#include <QLockFile>
#include <QString>
#include <functional>
#include <memory>

class QThread;

namespace pw {

namespace backups {
    struct DailyOutcome;
}

class Database;
class MDI;
class Workspace;

// Closes the database and ends the program at once; open windows are not
// asked anything and unsaved entries are dropped.
void CloseAndExit();

// Reads the church row into the settings. With no church row it opens the
// church information window (when that screen is part of the build) and
// leaves the key-press delay as it is. An empty delay counts as 0.
void LoadChurchSettings();

// One running copy per user of the machine.
class SingleInstance {
public:
    explicit SingleInstance(const QString& lockPath = defaultLockPath());
    // True when this is the only running copy; it then holds the lock until destroyed.
    bool acquire();
    static QString defaultLockPath();

private:
    QLockFile m_lock;
};

// The running program: its services, its database and its main window.
class Application {
public:
    using ScreenRegistrar = std::function<void(Workspace&)>;

    // Messages and clock may be replaced (tests); by default the real ones are used.
    explicit Application(
        ScreenRegistrar registrar = {}, std::unique_ptr<Messages> messages = {}, std::unique_ptr<Clock> clock = {});
    ~Application();

    // The start-up sequence up to the login window. The database must pass
    // start-up's checks (not a leftover, intact, with an account, writable);
    // a missing picture folder is shown once as a warning. Returns 0 when the
    // main window is up and waiting for a login, otherwise the exit code after
    // the one message naming the file and what to do (nothing is created or
    // changed on the way). Once the login window is up, the daily automatic
    // backup follows (unless dailyBackup is false).
    int start(const QString& configPath, const QString& lockPath = SingleInstance::defaultLockPath(),
        bool dailyBackup = true);

    // A database file larger than this many bytes has its pages checked
    // while the login window is up instead of before it (tests set 0).
    static constexpr qint64 kPagesCheckedFirst = 32 * 1024 * 1024;
    void setPagesCheckedFirst(qint64 bytes) { m_pagesCheckedFirst = bytes; }
    // That check, once started; nullptr when the pages were checked first.
    // A failure is refused as at start-up: the one message, then the
    // program ends with exit code 1.
    health::PageCheck* pageCheck() const { return m_pageCheck.get(); }

    // Offered when no configuration file exists (and none was named with
    // --config), and after the refusal of a configuration whose church file
    // has gone: the welcome window writes a configuration, and start-up goes
    // on with it. Closed without a choice, start() returns kClosedAtWelcome.
    void offerWelcome(welcome::Jobs jobs);
    static constexpr int kClosedAtWelcome = -1;
    // Shows the welcome window writing to configFile; returns true when it
    // wrote it. By default a modal window; tests answer it themselves.
    using WelcomeRunner = std::function<bool(const QString& configFile, const welcome::Jobs& jobs)>;
    void setWelcomeRunner(WelcomeRunner runner) { m_welcomeRunner = std::move(runner); }

    MDI* mainWindow() const { return m_mainWindow.get(); }
    Messages& messages() const { return *m_messages; }

    // Today's automatic backup (data/Backup.h) unless it exists; a failure
    // warns and the program carries on. start() runs it once the login
    // window is up. The copy is made on a thread of its own through a
    // connection of its own, so the login window answers meanwhile; the
    // status line or the warning follows when it has ended.
    void runDailyBackup();
    // Waits until a daily backup under way has ended and been reported.
    void waitForDailyBackup();

private:
    int fail(const QString& text);

    ScreenRegistrar m_registrar;
    bool m_welcomeOffered = false;
    welcome::Jobs m_welcomeJobs;
    WelcomeRunner m_welcomeRunner;
    // The configuration the welcome window wrote, or empty when it was closed.
    QString runWelcome(const QString& configRead);
    LockWaitIndicator m_lockWaits;
    std::unique_ptr<Messages> m_messages;
    std::unique_ptr<Clock> m_clock;
    std::unique_ptr<Database> m_database;
    qint64 m_pagesCheckedFirst = kPagesCheckedFirst;
    std::unique_ptr<health::PageCheck> m_pageCheck;
    std::unique_ptr<SingleInstance> m_instance;
    std::unique_ptr<MDI> m_mainWindow;
    std::unique_ptr<QThread> m_dailyBackup;
    std::shared_ptr<backups::DailyOutcome> m_dailyOutcome;
};

// Large blocks of memory (the list of every person, a grid of a million
// rows, a report's rows) go back to the system when they are freed, instead
// of staying with the process after the first long list: a program that
// runs all day keeps only what it holds. cli::runPewlark() does this first.
void returnFreedMemory();

} // namespace pw
