#pragma once

// Printing one report per person in one run, without a window: the rules of
// the run live here and the screen only shows the progress.

#include "reports/Report.h"

#include <QList>
#include <QString>
#include <functional>

class QWidget;

namespace pw::reports {

// The progress of a run of several sheets: what is being done, how many
// sheets are done and how many there are. Answers false when the user asked
// to stop. It is called before each sheet and once more with done == total
// at the end; a run of one sheet shows no progress.
using BatchProgress = Progress;

// One run: the people in printing order and how each one's sheet is made.
struct SheetBatch {
    QList<qint64> ids;
    // The sheet of one person; nullptr (a person removed meanwhile) skips him.
    std::function<ReportPtr(qint64 id)> sheetFor;
    int copies = 1; // per print job; 0: the printer's own default
    QString title; // the title of every message of the run (the screen's caption)
    QString sheets; // what the messages call the sheets, e.g. "member information update sheets"
    // One of them, e.g. "member information update sheet"; empty: sheets
    // without its final "s".
    QString sheet;
    QString pdfName; // the file name offered when the sheets are saved as PDF
};

// What happened to a run.
struct BatchResult {
    int done = 0; // sheets printed (handed to the printer) or saved
    bool stopped = false; // a job was refused or the user stopped the run
    bool savedAsPdf = false;
    QString pdfPath; // the file written when saved as PDF
};

// The status line after a print job or a PDF: "Printed Member List.",
// "Saved Member List to /home/office/Member List.pdf."
QString printedStatus(const QString& what);
QString savedPdfStatus(const QString& what, const QString& path);
// The status line after a run: how many sheets were printed or saved, and
// where the PDF went; empty when nothing was printed or saved.
QString batchStatus(const SheetBatch& batch, const BatchResult& result);

// Prints one job per person, in order. A run stops at the first job the
// printer refuses or fails with an error (every later one would fare the
// same way) or when the progress answers false; a stopped run of several
// sheets then says how many were printed, after the error's text when there
// was one. Without a printer it asks once, not once per person, whether to
// save every sheet into one PDF file, asks for the file and writes it whole
// or, when stopped, not at all. parent owns the dialogs. A person removed
// meanwhile has no sheet and is not counted. The status line then tells
// what was done (batchStatus()).
BatchResult printSheets(const SheetBatch& batch, QWidget* parent, const BatchProgress& progress);

} // namespace pw::reports
