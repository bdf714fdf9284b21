#include "Bench.h"

#include "app/Config.h"
#include "widgets/Context.h"
#include "app/Login.h"
#include "app/MDI.h"
#include "app/Startup.h"
#include "app/Workspace.h"
#include "data/Backup.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/Health.h"
#include "data/PageCheck.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <QVector>
#include <QElapsedTimer>
#include <QFileInfo>
#include <stdexcept>

namespace pw::bench {

namespace {

    QString writeConfig(const BenchContext& context)
    {
        const QString path = QDir(context.workDir).filePath(QStringLiteral("config.txt"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw std::runtime_error("cannot write config.txt");
        file.write(config::write({ context.databasePath, context.workDir + QLatin1Char('/') }).toUtf8());
        return path;
    }

} // namespace

void addAppRows(BenchContext& context)
{
    const QString configPath = writeConfig(context);
    const QString lockPath = QDir(context.workDir).filePath(QStringLiteral("bench.lock"));
    const QString people = QStringLiteral("%1 people").arg(context.people);

    // From reading config.txt to the login window on screen, with the checks
    // start-up runs on the database first (not a leftover, every page intact,
    // an account, writable). The daily backup follows the login window and
    // is timed on its own below.
    const double startup = medianMs(context.runs, [&] {
        Application app({}, std::make_unique<ThrowingMessages>());
        if (app.start(configPath, lockPath, false) != 0
            || !app.mainWindow()->workspace()->find(QStringLiteral("frmLogin")))
            throw std::runtime_error("start-up failed");
        QApplication::processEvents();
    });
    context.add({ QStringLiteral("start-up to login window (checks included)"), people, startup, -1 });

    // The checks alone. The engine's page check reads the whole file, so
    // a large one's is left until the login window is up, and then runs
    // beside it on a connection of its own.
    {
        auto database = Database::open(context.databasePath, Database::OpenMode::ExistingOnly);
        const bool pagesFirst = QFileInfo(context.databasePath).size() <= Application::kPagesCheckedFirst;
        const double checks = medianMs(context.runs, [&] { health::checkAtStartup(*database, pagesFirst); });
        const double raw = rawQueryMs(context.databasePath, QStringLiteral("PRAGMA quick_check"), context.runs);
        context.add({ pagesFirst ? QStringLiteral("start-up checks before the login window (quick_check, account, "
                                                  "write probe)")
                                 : QStringLiteral("start-up checks before the login window (account, write probe)"),
            people, checks, pagesFirst ? raw : -1 });
        if (!pagesFirst) {
            const double pages = medianMs(context.runs, [&] {
                health::PageCheck check(*database, {});
                if (check.wait())
                    throw std::runtime_error("the page check failed");
            });
            context.add(
                { QStringLiteral("page check while the login window is up (quick_check)"), people, pages, raw });
        }
    }

    // The first start of a day copies the database into backups/ once the
    // login window is up (online backup, then the copy's own check).
    {
        Application app({}, std::make_unique<ThrowingMessages>());
        if (app.start(configPath, lockPath, false) != 0)
            throw std::runtime_error("start-up failed");
        const QString today = QDir(backup::dailyFolder(context.databasePath))
                                  .filePath(backup::dailyFileName(context.databasePath, clock().today()));
        // The copy runs on a thread of its own: what the user waits for is
        // the time the program's own thread is held to start it.
        QVector<double> held;
        const double daily = medianMs(
            context.runs,
            [&] {
                QElapsedTimer started;
                started.start();
                app.runDailyBackup();
                held.append(started.nsecsElapsed() / 1e6);
                app.waitForDailyBackup();
                if (!QFileInfo::exists(today))
                    throw std::runtime_error("the daily backup was not written");
            },
            [&] { QFile::remove(today); });
        std::sort(held.begin(), held.end());
        context.add({ QStringLiteral("daily automatic backup (first start of a day), made beside the login window"),
            people, daily, -1 });
        context.add({ QStringLiteral("daily automatic backup: the login window held meanwhile"), people,
            held.isEmpty() ? 0.0 : held.at(held.size() / 2), -1 });
        QFile::remove(today);
    }

    // The account check of a login: the query and the password hash check,
    // which is deliberately slow (argon2id) to make guessing expensive.
    Application app({}, std::make_unique<ThrowingMessages>());
    if (app.start(configPath, lockPath, false) != 0)
        throw std::runtime_error("start-up failed");
    const double login = medianMs(context.runs, [] {
        if (!login::authenticate(QStringLiteral("admin"), QStringLiteral("admin")))
            throw std::runtime_error("the demo admin could not log in");
    });
    const double raw = rawQueryMs(context.databasePath,
        QStringLiteral("SELECT Member_ID, Type, Username, Password FROM \"User\" WHERE Username = 'admin' COLLATE "
                       "NOCASE AND Inactive <> 1"),
        context.runs);
    context.add({ QStringLiteral("login (query + argon2id check)"), people, login, raw });
}

} // namespace pw::bench
