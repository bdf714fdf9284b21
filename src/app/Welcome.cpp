#include "app/Welcome.h"

#include "data/Database.h"
#include "data/Health.h"
#include "data/NewChurch.h"
#include "data/OpenChurch.h"
#include "data/Postgres.h"
#include "data/Schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace pw::welcome {

namespace {
    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(Welcome)
    };
} // namespace

QString dataFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("pewlark"));
}

QString pictureFolderFor(const QString& churchFile)
{
    return QFileInfo(churchFile).absoluteDir().filePath(QStringLiteral("pictures")) + QLatin1Char('/');
}

namespace {

    // A file's picture folder is made beside it; a server's church keeps its
    // pictures in the user's data folder.
    ConfigValues valuesFor(const QString& location)
    {
        const QString pictures = postgres::isLocation(location)
            ? QDir(dataFolder()).filePath(QStringLiteral("pictures")) + QLatin1Char('/')
            : pictureFolderFor(location);
        QDir().mkpath(pictures);
        return { location, pictures };
    }

    QString absoluteFile(const QString& file) { return QDir::cleanPath(QFileInfo(file).absoluteFilePath()); }

} // namespace

ConfigValues valuesForFile(const QString& churchFile) { return valuesFor(absoluteFile(churchFile)); }

ConfigValues createChurch(const NewChurch& church, const Clock& clock)
{
    const QString name = church.churchName.trimmed();
    const QString user = church.adminUsername.trimmed();
    if (name.isEmpty())
        throw Error(Tr::tr("Please enter the church's name."));
    if (user.isEmpty())
        throw Error(Tr::tr("Please enter a user name for the first Admin."));
    if (church.password.isEmpty())
        throw Error(Tr::tr("Please enter a password for %1.").arg(user));
    if (church.password != church.passwordAgain)
        throw Error(Tr::tr("The two passwords differ; please type the same password twice."));
    if (church.file.trimmed().isEmpty())
        throw Error(Tr::tr("Please choose where the church file is kept."));
    const QString file = absoluteFile(church.file.trimmed());
    if (QFileInfo::exists(file))
        throw Error(Tr::tr("The file \"%1\" already exists; choose Open a church file... to use it, or "
                           "another name for the new church.")
                        .arg(QDir::toNativeSeparators(file)));
    if (!QDir().mkpath(QFileInfo(file).absolutePath()))
        throw Error(Tr::tr("The folder \"%1\" could not be made.")
                        .arg(QDir::toNativeSeparators(QFileInfo(file).absolutePath())));

    createEmptyDatabase(file, user, church.password, clock, name);
    return valuesFor(file);
}

ConfigValues openChurch(const QString& location)
{
    const QString where = location.trimmed();
    if (where.isEmpty())
        throw Error(Tr::tr("Please give the church's file or server location."));
    const bool server = postgres::isLocation(where);
    const QString path = server ? where : absoluteFile(where);
    try {
        if (server) {
            std::unique_ptr<Database> db = Database::open(path, Database::OpenMode::ReadOnly);
            schema::checkReadOnly(*db);
            health::checkHasAccount(*db);
        } else {
            // As start-up will check it, after the upgrade an older file
            // will get: a church the next start refuses is not kept.
            health::checkAsStartupWould(path);
        }
    } catch (const Error& e) {
        if (server)
            throw;
        // A file picked by mistake (a spreadsheet, another program's data) is
        // the likely case here, more than a damaged church.
        throw Error(Tr::tr("The file \"%1\" cannot be used as a Pewlark church; choose another.\n\n%2")
                        .arg(QDir::toNativeSeparators(path), e.text()));
    }
    return valuesFor(path);
}

ConfigValues makeDemo(const Jobs& jobs, QString* logins)
{
    if (!jobs.makeDemo)
        throw Error(Tr::tr("This copy of Pewlark cannot make the demo church."));
    const QDir folder(dataFolder());
    if (!folder.mkpath(QStringLiteral(".")))
        throw Error(Tr::tr("The folder \"%1\" could not be made.").arg(QDir::toNativeSeparators(folder.path())));
    QString file = folder.filePath(QStringLiteral("demo-church.sqlite"));
    for (int n = 2; QFileInfo::exists(file); ++n)
        file = folder.filePath(QStringLiteral("demo-church-%1.sqlite").arg(n));
    const QString shown = jobs.makeDemo(file);
    if (logins)
        *logins = shown;
    return valuesFor(file);
}

QString configTarget(const QString& configRead)
{
    // The office's file is changed only by whoever looks after the office,
    // never by one user's welcome window.
    const config::Places where = config::places();
    const QFileInfo read(configRead);
    if (!configRead.isEmpty() && read.absoluteFilePath() != QFileInfo(where.office).absoluteFilePath() && read.exists()
        && read.isWritable())
        return configRead;
    return where.user;
}

} // namespace pw::welcome
