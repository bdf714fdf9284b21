#pragma once

// Gifts from a CSV file as online-giving services export them (date, the
// giver by name, e-mail or envelope number, fund, amount, method,
// reference): each row's giver is matched by envelope number, else by
// e-mail, else by name (and address, when the file has one) to exactly one
// active person, never guessed; a row that matches nobody or several people
// is listed and left out. Funds are matched by name and, on choice, created.
// The gifts go into one new batch per import, whose control total and count
// are the file's; a row already imported (the same giver, date, amount and
// reference) is not imported again, so the same file twice adds nothing.

#include "people/CsvReader.h"

#include <QDate>
#include <QDateTime>
#include <QMap>
#include <QString>
#include <QStringList>
#include <vector>

class QTextStream;

namespace pw {
class Clock;
class Database;
}

namespace pw::giving {

// Which header fills which field: "date", "name", "firstName", "lastName",
// "email", "envelope", "address", "fund", "amount", "method", "reference".
struct GiftMapping {
    QMap<QString, QString> columns; // header -> field

    // Each header to the field its name suggests ("Donation Date", "Donor
    // Email", "Designation", "Transaction ID"...); a field goes to the first
    // column that names it.
    static GiftMapping guess(const QStringList& header);
    // A JSON object of header -> field; throws Error naming the file.
    static GiftMapping load(const QString& path);
    QString columnFor(const QString& field) const;
};

struct GiftImportRow {
    int line = 0;
    QDate date;
    qint64 giverId = 0;
    QString fund; // as the file names it
    qint64 fundId = 0; // 0: a fund created by the import
    qint64 cents = 0;
    QString method;
    QString reference;
    QString problem; // why the row is left out; empty when it is imported
    bool already = false; // imported before
    qint64 reverses = 0; // a refund (a negative amount): the stored gift it takes back
};

struct GiftImportPlan {
    QString file;
    std::vector<GiftImportRow> rows;
    QStringList newFunds; // created by the import
    qint64 fileCents = 0; // every row with an amount
    int fileCount = 0;

    int toImport() const;
    qint64 importedCents() const;
};

// Reads the rows against the church. createFunds: a fund the church lacks
// is created (else its rows are left out).
GiftImportPlan planGiftImport(
    Database& db, const people::CsvTable& table, const GiftMapping& mapping, bool createFunds);

struct GiftImportResult {
    qint64 batchId = 0; // 0: nothing was imported
    QDate batchDate;
};

// Plans again inside the writing transaction and writes the batch, the new
// funds and the gifts at once.
GiftImportResult runGiftImport(Database& db, const people::CsvTable& table, const GiftMapping& mapping,
    bool createFunds, const QString& user, const QDateTime& now, GiftImportPlan* planned = nullptr);

// What an import did, or (without a result) would do; backupPath names the
// copy made before it, when one was.
QString giftImportReport(const GiftImportPlan& plan, const GiftImportResult* result, const QString& backupPath = {});

// The dated copy of a church file ("...before-import-...") made before an
// import that will write, with its pictures; empty text on a server, where
// the server's own backups serve.
QString backUpBeforeGiftImport(Database& db, const Clock& clock, const QString& pictureFolder);

// pewlark --import-gifts FILE.csv [--mapping FILE.json] [--create-funds]
// [--dry-run] [--into DB], after a backup when it will write. Returns 0 when done or previewed, 1 when refused
// or failed (nothing written).
struct GiftImportCommand {
    QString file;
    QString mapping;
    bool createFunds = false;
    bool dryRun = false;
    QString database;
    QString pictureFolder; // copied with the backup made before the import
    QString userName = QStringLiteral("Import");
};
int runImportGifts(const GiftImportCommand& command, const Clock& clock, QTextStream& out, QTextStream& err);

} // namespace pw::giving
