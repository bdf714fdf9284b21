#include "reports/BatchPrint.h"

#include "app/Workspace.h"
#include "data/Database.h"
#include "reports/ReportOutput.h"
#include "widgets/Context.h"
#include "widgets/Messages.h"

#include <QCoreApplication>
#include <QDir>

namespace pw::reports {

namespace {
    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(BatchPrint)
    };
} // namespace

namespace {

    // Asks the progress only for runs of several sheets.
    bool goOn(const BatchProgress& progress, const QString& text, int done, int total)
    {
        return total <= 1 || !progress || progress(text, done, total);
    }

    BatchResult saveAsOnePdf(const SheetBatch& batch, QWidget* parent, const BatchProgress& progress)
    {
        BatchResult result;
        if (messages().ask(Tr::tr("No printer is installed on this computer, so the %1 cannot be printed.\n\n"
                                  "Would you like to save them as one PDF file instead?")
                               .arg(batch.sheets),
                batch.title, Icon::Question)
            != Answer::Yes)
            return result;
        const QString path = choosePdfPath(parent, batch.pdfName);
        if (path.isEmpty())
            return result;
        const int total = static_cast<int>(batch.ids.size());
        const QString text = Tr::tr("Saving %1...").arg(batch.sheets);
        // Only the sheets made count: a person removed meanwhile has none.
        int sheets = 0;
        bool stopped = false;
        const bool written = writeCombinedPdf(
            total,
            [&](int i) {
                ReportPtr sheet = batch.sheetFor(batch.ids.at(i));
                sheets += sheet ? 1 : 0;
                return sheet;
            },
            path,
            [&](int i) {
                stopped = !goOn(progress, text, i, total);
                return !stopped;
            });
        goOn(progress, text, total, total);
        if (!written) {
            result.stopped = stopped;
            messages().show(stopped ? Tr::tr("Saving was stopped; no file was written.")
                                    : Tr::tr("No file was written: the people chosen are no longer in the "
                                             "database, perhaps removed at another workstation."),
                batch.title, Icon::Information);
            return result;
        }
        result.done = sheets;
        result.savedAsPdf = true;
        result.pdfPath = path;
        return result;
    }

    BatchResult runSheets(const SheetBatch& batch, QWidget* parent, const BatchProgress& progress)
    {
        BatchResult result;
        if (batch.ids.isEmpty())
            return result;
        if (!output().hasPrinter())
            return saveAsOnePdf(batch, parent, progress);

        const int total = static_cast<int>(batch.ids.size());
        const QString text = Tr::tr("Printing %1...").arg(batch.sheets);
        // A printer that fails part way fails every later job the same way:
        // the run stops there and says how far it got, so nobody prints the
        // first sheets twice to reach the rest.
        QString failure;
        for (int i = 0; i < total && !result.stopped; ++i) {
            if (!goOn(progress, text, i, total)) {
                result.stopped = true;
                break;
            }
            try {
                const ReportPtr sheet = batch.sheetFor(batch.ids.at(i));
                if (!sheet)
                    continue;
                if (output().print(sheet, batch.copies))
                    ++result.done;
                else
                    result.stopped = true;
            } catch (const Error& e) {
                failure = e.text();
                result.stopped = true;
            }
        }
        goOn(progress, text, total, total);
        QStringList said;
        if (!failure.isEmpty())
            said.append(failure);
        if (result.stopped && total > 1)
            said.append(Tr::tr("Printing stopped after %1 of %2 sheets.").arg(result.done).arg(total));
        if (!said.isEmpty())
            messages().show(
                said.join(QStringLiteral("\n\n")), batch.title, failure.isEmpty() ? Icon::Information : Icon::Warning);
        return result;
    }

} // namespace

QString printedStatus(const QString& what) { return Tr::tr("Printed %1.").arg(what); }

QString savedPdfStatus(const QString& what, const QString& path)
{
    return Tr::tr("Saved %1 to %2.").arg(what, QDir::toNativeSeparators(path));
}

QString batchStatus(const SheetBatch& batch, const BatchResult& result)
{
    if (result.done <= 0)
        return QString();
    // "1 member information update sheet", "752 member information update sheets"
    QString sheets = batch.sheets;
    if (result.done == 1 && !batch.sheet.isEmpty())
        sheets = batch.sheet;
    else if (result.done == 1 && sheets.endsWith(QLatin1Char('s')))
        sheets.chop(1);
    const QString what = QStringLiteral("%1 %2").arg(result.done).arg(sheets);
    QString text = result.savedAsPdf ? savedPdfStatus(what, result.pdfPath) : printedStatus(what);
    if (result.stopped && !result.savedAsPdf)
        text += Tr::tr(" Printing stopped after %1 of %2.").arg(result.done).arg(batch.ids.size());
    return text;
}

BatchResult printSheets(const SheetBatch& batch, QWidget* parent, const BatchProgress& progress)
{
    const BatchResult result = runSheets(batch, parent, progress);
    const QString status = batchStatus(batch, result);
    if (!status.isEmpty())
        showStatus(status);
    return result;
}

} // namespace pw::reports
