#pragma once

// A contribution statement laid out as a report, and a run that writes the
// statements of a period to PDF files (one per unit, or all in one) with a
// CSV of their per-fund totals, for the screen and the command line alike.

#include "giving/StatementData.h"
#include "reports/Report.h"

#include <QLocale>
#include <QSet>

namespace pw::giving {

// What every statement of a run shows of the church.
struct ChurchHeading {
    QString name;
    QStringList address; // street lines, then "City, State Zip"
    QString text; // the church's statement wording
    QString printedOn; // the date in the footer, already written out
};

// The church's name, address and statement wording as stored.
ChurchHeading churchHeading(Database& db, const QDate& today);

// One statement on pages of its own, amounts in the locale's currency form.
reports::ReportPtr statementReport(const Statement& statement, const ChurchHeading& church, const QLocale& locale);

// The file a unit's statement is written to, named after the person it is
// addressed to ("Hale, John.pdf"); a name already used in the run gets the
// person's identifier ("Hale, John 417.pdf"). Characters no file system
// takes are replaced.
QString statementFileName(const Statement& statement, QSet<QString>& used);

struct StatementRun {
    QString pdfFolder; // one PDF per unit there
    QString combinedPdf; // or every statement in this one file
    QString csvFile; // optional: one row per unit and fund
    QLocale locale;
};

struct StatementRunResult {
    int written = 0; // statements
    QStringList withoutAddress; // the names of units with no address, in run order
    QStringList files; // the files written
    bool cancelled = false;
};

// Writes every statement of the source. progress(done, total) is asked
// before each statement and stops the run when it answers false; files
// already written stay. Throws pw::Error when a file cannot be written.
StatementRunResult writeStatements(const StatementSource& source, const ChurchHeading& church, const StatementRun& run,
    const std::function<bool(int, int)>& progress = {});

} // namespace pw::giving
