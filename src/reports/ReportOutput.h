#pragma once

// Where a finished report goes: the preview window or the printer. Production
// uses the "Report Viewer" window and the default printer; tests put a fake
// that keeps the reports it was given into the context.

#include "reports/Report.h"

#include <QString>
#include <memory>

class QPrinter;
class QWidget;

namespace pw::reports {

class ReportOutput {
public:
    virtual ~ReportOutput() = default;

    // Shows the report in the one preview window, replacing what it shows.
    virtual void preview(ReportPtr report) = 0;

    // Prints on the default printer without a dialog. copies 0 means the
    // printer's own default. Returns true only when the job was handed to a
    // printer (or, when no printer is installed and the user agreed, saved
    // as PDF); false when nothing was printed.
    virtual bool print(ReportPtr report, int copies) = 0;

    // Is there a printer to print on without asking? A run of many jobs asks
    // about the lack of one once, before it starts, instead of once per job.
    virtual bool hasPrinter();
};

// The output in use: the context's, or the production one when it has none.
ReportOutput& output();

// The default printer, ready to print on: the context's lookup, or the
// system's default printer; nullptr when none is installed.
std::shared_ptr<QPrinter> defaultPrinter();

// Asks where to save a PDF file; suggestedPath is the proposed file. Returns
// the chosen path, or empty text when the user cancelled.
QString chooseSaveFile(QWidget* parent, const QString& suggestedPath);

// Paints the report on a printer the caller has set up, with the busy pointer.
// Throws pw::Error naming the printer when the job could not be handed over.
void printReport(const Report& report, QPrinter& printer);

// The file name offered when a report is saved as PDF: its title, and for a
// one-person sheet the person's name, e.g. "Member List.pdf".
QString suggestedPdfName(const Report& report);

// Asks where to save a PDF file, offering fileName in the folder used last.
// Adds ".pdf" when the chosen name has no extension. Returns the path, or
// empty text when the user cancelled.
QString choosePdfPath(QWidget* parent, const QString& fileName);

// Asks for a PDF file and writes the report to it. Adds ".pdf" when the
// chosen name has no extension. Returns the path written, or empty text when
// the user cancelled. Throws pw::Error when the file cannot be written.
QString saveReportAsPdf(const Report& report, QWidget* parent);

} // namespace pw::reports
