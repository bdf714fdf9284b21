#pragma once

#include "data/Clock.h"
#include "app/Config.h"
#include "app/Messages.h"

#include <QLockFile>
#include <QString>
#include <functional>
#include <memory>

namespace pw {

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

    // The start-up sequence up to the login window. Returns 0 when the main
    // window is up and waiting for a login, otherwise the exit code after the
    // problem was shown (nothing is created or changed on the way).
    int start(const QString& configPath, const QString& lockPath = SingleInstance::defaultLockPath());

    MDI* mainWindow() const { return m_mainWindow.get(); }
    Messages& messages() const { return *m_messages; }

private:
    int fail(const QString& text);

    ScreenRegistrar m_registrar;
    std::unique_ptr<Messages> m_messages;
    std::unique_ptr<Clock> m_clock;
    std::unique_ptr<Database> m_database;
    std::unique_ptr<SingleInstance> m_instance;
    std::unique_ptr<MDI> m_mainWindow;
};

// The whole program: command-line options, then either a command-line task
// (demo database, new database) or the windows.
int runPewlark(int argc, char** argv, const Application::ScreenRegistrar& registrar = {});

} // namespace pw
