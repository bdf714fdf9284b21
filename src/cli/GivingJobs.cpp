#include "cli/GivingJobs.h"

#include "app/Config.h"
#include "cli/Jobs.h"
#include "data/Backup.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "giving/GiftImport.h"
#include "giving/StatementReport.h"
#include "widgets/Formats.h"
#include "widgets/Guard.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(GivingJobs)
};
} // namespace

namespace pw::cli {

namespace {

    // A date as a script writes it (2026-12-31) or as the office types it.
    QDate readDate(const QString& text, const QDate& today)
    {
        const QDate iso = QDate::fromString(text.trimmed(), Qt::ISODate);
        return iso.isValid() ? iso : formats::parseTypedDate(text, today, formats::TwoDigitYears::Nearest);
    }

    int statements(const JobInput& input)
    {
        QTextStream out(stdout);
        QTextStream err(stderr);
        const auto mistake = [&](const QString& text) {
            err << "pewlark: " << text << Qt::endl;
            return 2;
        };
        giving::StatementRun run;
        run.pdfFolder = input.option(QStringLiteral("pdf"));
        run.csvFile = input.option(QStringLiteral("csv"));
        if (run.pdfFolder.isEmpty())
            return mistake(Tr::tr("--statements needs --pdf DIR, the folder the statements are written to."));
        const QDate today = SystemClock().today();
        giving::Period period = giving::lastCalendarYear(today);
        for (const auto& [name, date] :
            { std::pair { QStringLiteral("from"), &period.from }, std::pair { QStringLiteral("to"), &period.to } }) {
            const QString given = input.option(name);
            if (given.isEmpty())
                continue;
            *date = readDate(given, today);
            if (!date->isValid())
                return mistake(Tr::tr("--%1 takes a date such as 2026-12-31, not \"%2\".").arg(name, given));
        }
        if (period.from > period.to)
            return mistake(Tr::tr("The period starts (%1) after it ends (%2).")
                               .arg(formats::dateText(period.from), formats::dateText(period.to)));
        try {
            if (!QFileInfo(run.pdfFolder).isDir() && !QDir().mkpath(run.pdfFolder))
                throw Error(
                    Tr::tr("The folder \"%1\" could not be made.").arg(QDir::toNativeSeparators(run.pdfFolder)));
            const ConfigValues values = config::load(input.configPath);
            // Only read: an older church file is read in an upgraded working copy.
            const backup::ReadOnlyChurch church = backup::openToRead(values.databasePath);
            Database* db = church.db.get();
            const giving::StatementSource source(*db, period);
            const giving::StatementRunResult result
                = giving::writeStatements(source, giving::churchHeading(*db, today), run);
            out << (result.written == 1 ? Tr::tr("%1 statement for %2 to %3 written to %4.")
                                        : Tr::tr("%1 statements for %2 to %3 written to %4."))
                       .arg(result.written)
                       .arg(formats::dateText(period.from), formats::dateText(period.to),
                           QDir::toNativeSeparators(run.pdfFolder))
                << Qt::endl;
            if (!run.csvFile.isEmpty())
                out << Tr::tr("Totals per fund: %1").arg(QDir::toNativeSeparators(run.csvFile)) << Qt::endl;
            if (!result.withoutAddress.isEmpty())
                out << Tr::tr("Without an address (the statement is written, but cannot be mailed): %1")
                           .arg(result.withoutAddress.join(QStringLiteral("; ")))
                    << Qt::endl;
            return 0;
        } catch (const std::exception& e) {
            err << "pewlark: " << errorText(e) << Qt::endl;
            return 1;
        }
    }

    int importGifts(const JobInput& input)
    {
        giving::GiftImportCommand job;
        job.file = input.file;
        job.mapping = input.option(QStringLiteral("mapping"));
        job.dryRun = !input.option(QStringLiteral("dry-run")).isEmpty();
        job.createFunds = !input.option(QStringLiteral("create-funds")).isEmpty();
        job.database = input.option(QStringLiteral("into"));
        QTextStream out(stdout);
        QTextStream err(stderr);
        if (job.database.isEmpty() && !churchFromConfig(input, &job.database, &job.pictureFolder))
            return 1;
        return giving::runImportGifts(job, SystemClock(), out, err);
    }

} // namespace

void registerImportGifts(Jobs& jobs)
{
    jobs.registerJob({ { QStringLiteral("import-gifts"), QStringLiteral("FILE"),
                           Tr::tr("Import the gifts of the CSV table FILE (as online-giving services export "
                                  "them) into one new batch of the database config.txt names (or the one "
                                  "--into names), after a backup, and stop.") },
        { { QStringLiteral("mapping"), QStringLiteral("FILE"),
              Tr::tr("Which column fills which field of the import (JSON).") },
            { QStringLiteral("dry-run"), QString(), Tr::tr("Print what the import would do and write nothing.") },
            { QStringLiteral("create-funds"), QString(),
                Tr::tr("Create the funds --import-gifts names that the church lacks, instead of leaving "
                       "their rows out.") },
            { QStringLiteral("into"), QStringLiteral("DB"),
                Tr::tr("The database the import writes to, instead of the one config.txt names.") } },
        {}, {}, &importGifts });
}

void registerStatements(Jobs& jobs)
{
    JobEntry entry { { QStringLiteral("statements"), QString(),
                         Tr::tr("Write the contribution statements of everybody who gave in the period, one "
                                "PDF per giver or household in the folder --pdf names, and stop.") },
        { { QStringLiteral("from"), QStringLiteral("DATE"),
              Tr::tr("The first day of --statements' period (default: January 1 of last year).") },
            { QStringLiteral("to"), QStringLiteral("DATE"),
                Tr::tr("The last day of --statements' period (default: December 31 of last year).") },
            { QStringLiteral("pdf"), QStringLiteral("DIR"), Tr::tr("The folder --statements writes to.") },
            { QStringLiteral("csv"), QStringLiteral("FILE"),
                Tr::tr("Also write the totals of --statements per giver and fund to the CSV file FILE.") } },
        {}, {}, &statements };
    entry.paints = true;
    jobs.registerJob(std::move(entry));
}

} // namespace pw::cli
