#include "Bench.h"

#include "app/Config.h"
#include "app/Context.h"
#include "app/Login.h"
#include "app/MDI.h"
#include "app/Startup.h"
#include "app/Workspace.h"
#include "data/Health.h"

#include <QApplication>
#include <QDir>
#include <QFile>
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

    // From reading config.txt to the login window on screen.
    const double startup = medianMs(context.runs, [&] {
        Application app({}, std::make_unique<ThrowingMessages>());
        if (app.start(configPath, lockPath) != 0 || !app.mainWindow()->workspace()->find(QStringLiteral("frmLogin")))
            throw std::runtime_error("start-up failed");
        QApplication::processEvents();
    });
    context.add({ QStringLiteral("start-up to login window"), people, startup, -1 });

    // The same with the checks start-up runs on the database before the
    // login window (the file's pages, an account, writable), which must keep
    // the whole under a second.
    const double checked = medianMs(context.runs, [&] {
        Application app({}, std::make_unique<ThrowingMessages>());
        if (app.start(configPath, lockPath) != 0 || !app.mainWindow()->workspace()->find(QStringLiteral("frmLogin")))
            throw std::runtime_error("start-up failed");
        health::checkAtStartup(db());
        QApplication::processEvents();
    });
    context.add({ QStringLiteral("start-up to login window, with start-up checks"), people, checked, -1 });

    // The account check of a login: the query and the password hash check,
    // which is deliberately slow (argon2id) to make guessing expensive.
    Application app({}, std::make_unique<ThrowingMessages>());
    if (app.start(configPath, lockPath) != 0)
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
