#include "reports/ReportOutput.h"

#include "app/Workspace.h"
#include "data/Database.h"
#include "reports/PageFrame.h"
#include "reports/Viewer.h"
#include "widgets/Context.h"
#include "widgets/FormHelpers.h"
#include "widgets/Messages.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace pw::reports {

namespace {
    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(ReportOutput)
    };
} // namespace

namespace {

    std::shared_ptr<QPrinter> systemDefaultPrinter()
    {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull())
            return nullptr;
        auto printer = std::make_shared<QPrinter>(info, QPrinter::HighResolution);
        return printer->isValid() ? printer : nullptr;
    }

    // The folder offered for the next PDF: where the last one went, at first
    // the user's documents folder.
    QString& lastPdfFolder()
    {
        static QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        return folder;
    }

    // A report for the printer: mailing labels get the remembered calibration.
    ReportPtr withCalibration(ReportPtr report)
    {
        if (!report || report->data().design != Design::MailingLabels)
            return report;
        ReportData data = report->data();
        const LabelOptions saved = savedLabelCalibration();
        data.labels.offsetXmm = saved.offsetXmm;
        data.labels.offsetYmm = saved.offsetYmm;
        return std::make_shared<const Report>(std::move(data));
    }

    // Production: the "Report Viewer" window and the default printer.
    class ProductionOutput : public ReportOutput {
    public:
        void preview(ReportPtr report) override
        {
            Viewer* viewer = nullptr;
            if (Workspace* ws = workspace()) {
                const bool wasOpen = ws->find<Viewer>() != nullptr;
                viewer = ws->open<Viewer>();
                if (auto* sub = qobject_cast<QMdiSubWindow*>(viewer->parentWidget())) {
                    if (!wasOpen) {
                        // As large as the work area allows: pages need room.
                        const QSize area = ws->area()->viewport()->size();
                        sub->resize(sub->size().expandedTo(area).boundedTo(area));
                    }
                    ws->area()->setActiveSubWindow(sub);
                }
            } else {
                if (!m_topLevel) {
                    m_topLevel = new Viewer();
                    m_topLevel->setAttribute(Qt::WA_DeleteOnClose);
                }
                viewer = m_topLevel;
                viewer->show();
                viewer->raise();
                viewer->activateWindow();
            }
            viewer->showReport(std::move(report));
        }

        bool print(ReportPtr report, int copies) override
        {
            if (!report)
                return false;
            const ReportPtr job = withCalibration(std::move(report));
            const std::shared_ptr<QPrinter> printer = defaultPrinter();
            if (!printer) {
                const Answer answer
                    = messages().ask(Tr::tr("No printer is installed on this computer, so \"%1\" cannot be printed.\n\n"
                                            "Would you like to save it as a PDF file instead?")
                                         .arg(job->title()),
                        Tr::tr("Print"), Icon::Question);
                if (answer != Answer::Yes)
                    return false;
                return !saveReportAsPdf(*job, QApplication::activeWindow()).isEmpty();
            }
            if (copies > 0)
                printer->setCopyCount(copies);
            job->preparePage(*printer);
            printReport(*job, *printer);
            return true;
        }

    private:
        QPointer<Viewer> m_topLevel;
    };

} // namespace

bool ReportOutput::hasPrinter() { return defaultPrinter() != nullptr; }

ReportOutput& output()
{
    static ProductionOutput production;
    return ctx().reportOutput ? *ctx().reportOutput : production;
}

std::shared_ptr<QPrinter> defaultPrinter()
{
    const PrinterLookup& lookup = ctx().printerLookup;
    return lookup ? lookup() : systemDefaultPrinter();
}

QString chooseSaveFile(QWidget* parent, const QString& suggestedPath)
{
    FileRequest request;
    request.kind = FileRequest::Kind::Pdf;
    request.caption = Tr::tr("Save as PDF");
    request.path = suggestedPath;
    request.filters = { Tr::tr("PDF Files (*.pdf)") };
    return chooseFile(parent, request);
}

void printReport(const Report& report, QPrinter& printer)
{
    const QString name = printer.printerName().isEmpty() ? Tr::tr("the printer") : printer.printerName();
    if (!printer.isValid())
        throw Error(Tr::tr("\"%1\" could not be printed: %2 is not available.").arg(report.title(), name));
    BusyCursor busy;
    try {
        report.render(printer);
    } catch (const Error& e) {
        throw Error(Tr::tr("\"%1\" could not be printed on %2.\n%3").arg(report.title(), name, e.text()));
    }
    if (printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted)
        throw Error(Tr::tr("\"%1\" could not be printed: %2 refused the job.").arg(report.title(), name));
}

QString suggestedPdfName(const Report& report)
{
    QString name = report.title();
    const ReportData& d = report.data();
    if ((d.design == Design::VisitationSheet || d.design == Design::MemberInfoUpdate) && !d.main.rows.empty()) {
        const QString person
            = detail::joinNonEmpty({ detail::valueText(d.main.value(0, QStringLiteral("First_Name"))),
                                       detail::valueText(d.main.value(0, QStringLiteral("Last_Name"))) },
                QStringLiteral(" "));
        if (!person.isEmpty())
            name += QStringLiteral(" - ") + person;
    }
    static const QRegularExpression unsafe(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]"));
    name.replace(unsafe, QStringLiteral("_"));
    return name + QStringLiteral(".pdf");
}

QString choosePdfPath(QWidget* parent, const QString& fileName)
{
    QString path = chooseSaveFile(parent, QDir(lastPdfFolder()).filePath(fileName));
    if (path.trimmed().isEmpty())
        return {};
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    lastPdfFolder() = QFileInfo(path).absolutePath();
    return path;
}

QString saveReportAsPdf(const Report& report, QWidget* parent)
{
    const QString path = choosePdfPath(parent, suggestedPdfName(report));
    if (path.isEmpty())
        return {};
    BusyCursor busy;
    report.writePdf(path);
    return path;
}

} // namespace pw::reports
