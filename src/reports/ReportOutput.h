#pragma once

// Where a finished report goes: the preview window or the printer. Production
// uses the "Report Viewer" window and the default printer; tests install a
// fake that keeps the reports it was given.

#include "reports/Report.h"

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
};

// The process-wide output. Until a test or start-up sets one, the production
// output is used.
ReportOutput& output();
void setOutput(ReportOutput* output); // nullptr restores the production one

} // namespace pw::reports
