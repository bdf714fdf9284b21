#include "cli/DatabaseJobs.h"

#include "cli/Jobs.h"
#include "data/Clock.h"
#include "data/CopyChurch.h"
#include "data/NewChurch.h"
#include "data/Platform.h"
#include "data/Postgres.h"
#include "demo/DemoGenerator.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <cstdio>
#include <iostream>
#include <string>

namespace pw::cli {

namespace {

    QString readPassword(const QString& username)
    {
        std::string line;
        {
            const platform::HiddenTyping hidden;
            if (hidden.console()) {
                std::fprintf(stderr, "Password for %s: ", qPrintable(username));
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
            std::fprintf(stderr,
                "pewlark: --demo-database writes a file. To try the demo church on a server, write it to a file and "
                "copy it there: pewlark --copy-database DEMO-FILE %s\n",
                qPrintable(postgres::shown(path)));
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

} // namespace

void registerDemoDatabase(Jobs& jobs)
{
    jobs.registerJob({ { QStringLiteral("demo-database"), QStringLiteral("FILE"),
                           QStringLiteral("Write a demo church database to FILE (which must not exist) and stop.") },
        { { QStringLiteral("people"), QStringLiteral("N"),
            QStringLiteral("Number of people in the demo database (default 2000).") } },
        {}, {}, [](const JobInput& input) { return runDemo(input.file, input.option(QStringLiteral("people"))); } });
}

void registerCreateDatabase(Jobs& jobs)
{
    jobs.registerJob({ { QStringLiteral("create-database"), QStringLiteral("FILE"),
                           QStringLiteral("Create an empty church database in FILE with one Admin account and stop; "
                                          "the password is read from standard input.") },
        { { QStringLiteral("admin"), QStringLiteral("USERNAME"),
            QStringLiteral("User name of the Admin account for --create-database.") } },
        {}, {}, [](const JobInput& input) { return runCreate(input.file, input.option(QStringLiteral("admin"))); } });
}

void registerCopyDatabase(Jobs& jobs)
{
    jobs.registerJob({ { QStringLiteral("copy-database"), QStringLiteral("FROM"),
                           QStringLiteral("Copy the whole church in FROM (a file or a postgresql:// database) to TO, "
                                          "a new file or an empty database on a server, and stop: pewlark "
                                          "--copy-database FROM TO.") },
        {}, { QStringLiteral("TO"), {}, QStringLiteral("The target of --copy-database.") },
        QStringLiteral("--copy-database needs the database to copy to: pewlark --copy-database FROM TO."),
        [](const JobInput& input) { return runCopy(input.file, input.target); } });
}

} // namespace pw::cli
