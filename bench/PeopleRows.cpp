#include "Bench.h"

#include "data/Clock.h"
#include "data/Database.h"
#include "data/Members.h"
#include "people/CsvReader.h"
#include "people/ImportPlan.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

namespace pw::bench {

namespace {

    QByteArray csvCell(const QString& text) { return '"' + text.toUtf8().replace("\"", "\"\"") + '"'; }

    // 10,000 rows as a spreadsheet exports them: one in ten a person already
    // in the church (found again by name and birth date), the rest new
    // families of two sharing last name and address.
    QByteArray spreadsheet(Database& db, int rows)
    {
        QByteArray csv = "First Name,Last Name,Birthday,Address,City,State,Zip,Home Phone,E-mail\r\n";
        int written = 0;
        db.scan(QStringLiteral("SELECT First_Name, Last_Name, Date_Of_Birth, Address_1, City, State, Zip, Phone, Email "
                               "FROM Member WHERE Date_Of_Birth IS NOT NULL ORDER BY ID LIMIT ?"),
            { rows / 10 }, [&](const RowView& r) {
                const QDate born = QDate::fromString(r.text(2), Qt::ISODate);
                csv += csvCell(r.text(0)) + ',' + csvCell(r.text(1)) + ',' + born.toString("M/d/yyyy").toUtf8();
                for (int i = 3; i < 9; ++i)
                    csv += ',' + csvCell(r.text(i));
                csv += "\r\n";
                ++written;
            });
        for (int i = written; i < rows; ++i) {
            const int family = i / 2;
            csv += QStringLiteral("%1,Newcomb%2,%3/%4/19%5,%6 Import Way,Macon,GA,31201,(478) 555-%7,\r\n")
                       .arg(i % 2 ? QStringLiteral("Ruth") : QStringLiteral("Amos"))
                       .arg(family)
                       .arg(1 + i % 12)
                       .arg(1 + i % 28)
                       .arg(40 + i % 50)
                       .arg(family)
                       .arg(family % 10000, 4, 10, QLatin1Char('0'))
                       .toUtf8();
        }
        return csv;
    }

} // namespace

void addPeopleRows(BenchContext& context)
{
    const int rows = 10000;
    const QString csvPath = QDir(context.workDir).filePath(QStringLiteral("people.csv"));
    {
        auto db = Database::open(context.databasePath, Database::OpenMode::ReadOnly);
        QFile file(csvPath);
        if (!file.open(QIODevice::WriteOnly) || file.write(spreadsheet(*db, rows)) < 0)
            throw DbError(QStringLiteral("\"%1\" could not be written.").arg(csvPath));
    }

    int run = 0;
    int added = 0;
    SystemClock clock;
    const double ms = medianMs(context.runs, [&] {
        const QString target = QDir(context.workDir).filePath(QStringLiteral("import-people-%1.sqlite").arg(run++));
        QFile::remove(target);
        if (!QFile::copy(context.databasePath, target))
            throw DbError(QStringLiteral("\"%1\" could not be copied.").arg(context.databasePath));
        auto db = Database::open(target, Database::OpenMode::ExistingOnly);
        QElapsedTimer timer;
        const people::CsvTable table = people::readCsvFile(csvPath);
        const people::ImportPlan plan(*db, table, people::ImportMapping::guess(table.header), clock.today());
        const people::ImportResult result = plan.run(*db, clock, {});
        if (!result.succeeded)
            throw DbError(result.failure);
        added = result.added;
        db.reset();
        for (const QString& file : QDir(context.workDir).entryList({ QStringLiteral("import-people-*") }))
            QFile::remove(QDir(context.workDir).filePath(file));
    });
    context.add({ QStringLiteral("people import from CSV with duplicate matching and backup"),
        QStringLiteral("%1 rows (%2 new) into %3 people").arg(rows).arg(added).arg(context.people), ms });
}

} // namespace pw::bench
