#pragma once

// A report output for tests: keeps every report it is asked to preview or
// print, with the copies asked for, and answers print() with `printResult`.
// After each print job it calls `afterPrint`, when set, with the number of
// jobs so far: a test acts there as a user in the middle of a run (clicking
// Cancel). TestEnv puts one into the context.

#include "reports/ReportOutput.h"

#include <QList>
#include <QString>
#include <functional>
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
        const bool taken = printResult;
        printed.push_back({ std::move(report), copies });
        if (afterPrint)
            afterPrint(static_cast<int>(printed.size()));
        return taken;
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
    // The ID in the first row of each report printed, in print order.
    QList<qint64> printedIds() const
    {
        QList<qint64> ids;
        for (const Printed& p : printed)
            ids.append(p.report->data().main.value(0, QStringLiteral("ID")).toLongLong());
        return ids;
    }

    std::vector<reports::ReportPtr> previewed;
    std::vector<Printed> printed;
    bool printResult = true; // what print() answers; false simulates a printer that refused the job
    bool printerInstalled = true; // what hasPrinter() answers
    std::function<void(int)> afterPrint; // called after each print job with the jobs so far
};

} // namespace pw::test
