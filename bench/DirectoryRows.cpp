#include "Bench.h"

#include "data/Database.h"
#include "directory/Directory.h"
#include "reports/Report.h"

namespace pw::bench {

// The directory of every active member of the church: its households read
// and grouped, then the whole booklet laid out, and the memory that takes.
void addDirectoryRows(BenchContext& context)
{
    Session session(context);
    Database& db = session.db();
    const directory::Choice choice; // the Active church status, two entries a page
    std::size_t households = 0;
    const double read = medianMs(context.runs, [&] { households = directory::entries(db, choice, QString()).size(); });
    const QString size = QStringLiteral("%1 people, %2 households").arg(context.people).arg(households);
    context.add({ QStringLiteral("church directory: households read and grouped"), size, read, -1 });
    resetPeakMemory();
    const double before = residentMemoryMb();
    int pages = 0;
    const double laidOut = medianMs(1, [&] {
        const reports::ReportPtr report = directory::directoryReport(db, choice, QString(), QDate::currentDate());
        report->paginate();
        pages = report->pageCount();
    });
    context.add({ QStringLiteral("church directory: the booklet laid out (%1 pages)").arg(pages), size, laidOut, -1 });
    context.add({ QStringLiteral("church directory: memory beyond the church while laying it out"), size,
        peakMemoryMb() - before, -1, true });
}

} // namespace pw::bench
