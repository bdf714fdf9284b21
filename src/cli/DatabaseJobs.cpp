#include "cli/DatabaseJobs.h"

#include "cli/Jobs.h"
#include "data/Clock.h"
#include "data/CopyChurch.h"
#include "data/NewChurch.h"
#include "data/Platform.h"
#include "data/Postgres.h"
#include "demo/DemoGenerator.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <cstdio>
#include <iostream>
#include <string>

namespace {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(DatabaseJobs)
};
} // namespace

namespace pw::cli {

namespace {

    // The seconds a job took, with one decimal, written as the system writes numbers.
    QString seconds(const QElapsedTimer& timer)
    {
        char text[32];
        std::snprintf(text, sizeof text, "%.1f", timer.elapsed() / 1000.0);
        return QString::fromLocal8Bit(text);
    }

    QString readPassword(const QString& username)
    {
        std::string line;
        {
            const platform::HiddenTyping hidden;
            if (hidden.console()) {
                std::fprintf(stderr, "%s", qPrintable(Tr::tr("Password for %1: ").arg(username)));
                std::fflush(stderr);
            }
            std::getline(std::cin, line);
            if (hidden.console())
                std::fprintf(stderr, "\n");
        }
        return QString::fromStdString(line).remove(QLatin1Char('\r'));
    }

    int runDemo(const QString& path, const QString& peopleText)
    {
        if (postgres::isLocation(path)) {
            std::fprintf(stderr, "pewlark: %s\n",
                qPrintable(Tr::tr("--demo-database writes a file. To try the demo church on a server, write it to a "
                                  "file and copy it there: pewlark --copy-database DEMO-FILE %1")
                               .arg(postgres::shown(path))));
            return 2;
        }
        demo::DemoOptions options;
        if (!peopleText.isEmpty()) {
            bool ok = false;
            options.people = peopleText.toInt(&ok);
            if (!ok || options.people < demo::kMinPeople || options.people > demo::kMaxPeople) {
                std::fprintf(stderr, "pewlark: %s\n",
                    qPrintable(Tr::tr("--people needs a whole number from %1 to %2, not \"%3\".")
                                   .arg(demo::kMinPeople)
                                   .arg(demo::kMaxPeople)
                                   .arg(peopleText)));
                return 2;
            }
        }
        try {
            QElapsedTimer timer;
            timer.start();
            const demo::DemoSummary s = demo::generate(path, options);
            std::printf("%s\n",
                qPrintable(Tr::tr("Created demo database %1: %2 people in %3 households, %4 prospects, %5 contacts "
                                  "(%6 s).")
                               .arg(QDir::toNativeSeparators(path))
                               .arg(static_cast<long long>(s.people))
                               .arg(static_cast<long long>(s.households))
                               .arg(static_cast<long long>(s.prospects))
                               .arg(static_cast<long long>(s.contacts))
                               .arg(seconds(timer))));
            std::printf("%s\n",
                qPrintable(Tr::tr("Log in as \"%1\" / \"%2\" (Admin) or \"%3\" / \"%4\" (Member View only).")
                               .arg(s.adminUsername, s.adminPassword, s.userUsername, s.userPassword)));
            return 0;
        } catch (const std::exception& e) {
            std::fprintf(stderr, "pewlark: %s\n", e.what());
            return 1;
        }
    }

    int runCreate(const QString& path, const QString& username)
    {
        if (username.trimmed().isEmpty()) {
            std::fprintf(stderr, "pewlark: %s\n", qPrintable(Tr::tr("--create-database needs --admin USERNAME.")));
            return 2;
        }
        const bool server = postgres::isLocation(path);
        if (!server && QFileInfo::exists(path)) {
            std::fprintf(stderr, "pewlark: %s\n",
                qPrintable(Tr::tr("The file \"%1\" already exists; it was left unchanged.").arg(path)));
            return 1;
        }
        const QString password = readPassword(username);
        try {
            createEmptyDatabase(path, username.trimmed(), password.trimmed(), SystemClock());
            const QString where = server ? postgres::parse(path).display() : QDir::toNativeSeparators(path);
            std::printf(
                "%s\n", qPrintable(Tr::tr("Created %1 with the Admin account \"%2\".").arg(where, username.trimmed())));
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
            const copying::CopyResult result = copying::copyChurch(from, to, [](const QString& table) {
                std::fprintf(stderr, "%s\n", qPrintable(Tr::tr("Copying %1...").arg(table)));
            });
            std::printf("%s\n",
                qPrintable(
                    Tr::tr("Copied the church from %1 to %2 (%3 s).").arg(result.from, result.to, seconds(timer))));
            std::printf("%-26s %10s %10s\n", qPrintable(Tr::tr("Table")), qPrintable(Tr::tr("From", "first database")),
                qPrintable(Tr::tr("To", "second database")));
            for (const copying::TableCount& count : result.tables)
                std::printf("%-26s %10lld %10lld\n", qPrintable(QString(count.table).remove(QLatin1Char('"'))),
                    static_cast<long long>(count.from), static_cast<long long>(count.to));
            return 0;
        } catch (const std::exception& e) {
            std::fprintf(stderr, "pewlark: %s\n", e.what());
            return 1;
        }
    }

} // namespace

void registerDemoDatabase(Jobs& jobs)
{
    jobs.registerJob({ { QStringLiteral("demo-database"), QStringLiteral("FILE"),
                           Tr::tr("Write a demo church database to FILE (which must not exist) and stop.") },
        { { QStringLiteral("people"), QStringLiteral("N"),
            Tr::tr("Number of people in the demo database (default 2000).") } },
        {}, {}, [](const JobInput& input) { return runDemo(input.file, input.option(QStringLiteral("people"))); } });
}

void registerCreateDatabase(Jobs& jobs)
{
    jobs.registerJob({ { QStringLiteral("create-database"), QStringLiteral("FILE"),
                           Tr::tr("Create an empty church database in FILE with one Admin account and stop; "
                                  "the password is read from standard input.") },
        { { QStringLiteral("admin"), QStringLiteral("USERNAME"),
            Tr::tr("User name of the Admin account for --create-database.") } },
        {}, {}, [](const JobInput& input) { return runCreate(input.file, input.option(QStringLiteral("admin"))); } });
}

void registerCopyDatabase(Jobs& jobs)
{
    jobs.registerJob({ { QStringLiteral("copy-database"), QStringLiteral("FROM"),
                           Tr::tr("Copy the whole church in FROM (a file or a postgresql:// database) to TO, "
                                  "a new file or an empty database on a server, and stop: pewlark "
                                  "--copy-database FROM TO.") },
        {}, { QStringLiteral("TO"), {}, Tr::tr("The target of --copy-database.") },
        Tr::tr("--copy-database needs the database to copy to: pewlark --copy-database FROM TO."),
        [](const JobInput& input) { return runCopy(input.file, input.target); } });
}

} // namespace pw::cli
