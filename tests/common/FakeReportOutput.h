#pragma once

// A report output for tests: keeps every report it is asked to preview or
// print, with the copies asked for, and answers print() with `printResult`.
// TestEnv puts one into the context.

#include "reports/ReportOutput.h"

#include <QString>
#include <vector>

namespace pw::test {

class FakeReportOutput : public reports::ReportOutput {
public:
    struct Printed {
        reports::ReportPtr report;
        int copies = 0;
    };

    void preview(reports::ReportPtr report) override { previewed.push_back(std::move(report)); }

    bool print(reports::ReportPtr report, int copies) override
    {
        printed.push_back({ std::move(report), copies });
        return printResult;
    }

    bool hasPrinter() override { return printerInstalled; }

    // Every report handed over, previews and print jobs alike.
    int count() const { return static_cast<int>(previewed.size() + printed.size()); }
    void clear()
    {
        previewed.clear();
        printed.clear();
    }

    // The last report previewed, or nullptr.
    reports::ReportPtr lastPreview() const { return previewed.empty() ? nullptr : previewed.back(); }
    // The last report printed, or nullptr.
    reports::ReportPtr lastPrinted() const { return printed.empty() ? nullptr : printed.back().report; }

    std::vector<reports::ReportPtr> previewed;
    std::vector<Printed> printed;
    bool printResult = true; // what print() answers; false simulates a printer that refused the job
    bool printerInstalled = true; // what hasPrinter() answers
};

} // namespace pw::test
