#include "reports/frmMemberInformationUpdateReport.h"

#include "app/Context.h"
#include "app/FormHelpers.h"
#include "app/Guard.h"
#include "app/Messages.h"
#include "app/Permissions.h"
#include "app/Workspace.h"
#include "reports/ReportLauncher.h"
#include "reports/ReportOutput.h"
#include "reports/Reports.h"
#include "ui_frmMemberInformationUpdateReport.h"

#include <QProgressDialog>
#include <memory>

namespace pw {

frmMemberInformationUpdateReport::frmMemberInformationUpdateReport(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::frmMemberInformationUpdateReport)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("frmMemberInformationUpdateReport"));
    setFocusProxy(ui->cmbProspect);
    connect(ui->btnOK, &QPushButton::clicked, this, [this] { guarded([this] { btnOK_clicked(); }); });
    connect(ui->btnCancel, &QPushButton::clicked, this, [this] { btnCancel_clicked(); });
    guarded([this] { reports::setupLauncher(this, ui->cmbProspect, ui->btnOK, ui->btnCancel, true); });
}

frmMemberInformationUpdateReport::~frmMemberInformationUpdateReport() { delete ui; }

void frmMemberInformationUpdateReport::btnOK_clicked()
{
    if (!reports::launcherMayRun(perm::MemberInfoUpdateReport, ui->cmbProspect))
        return;
    {
        BusyCursor busy;
        // Never previewed from here: every sheet goes straight to the printer.
        printSheets(reports::updateReportMembers(ui->cmbProspect->currentText(), selectedId(ui->cmbProspect)));
    }
    closeScreen(this);
}

std::unique_ptr<QProgressDialog> frmMemberInformationUpdateReport::progressFor(const QString& text, int total)
{
    if (total <= 1)
        return nullptr;
    auto progress = std::make_unique<QProgressDialog>(text, QStringLiteral("Cancel"), 0, total, this);
    progress->setWindowTitle(windowTitle());
    progress->setWindowModality(Qt::WindowModal);
    progress->setMinimumDuration(0);
    progress->setAutoReset(false);
    return progress;
}

void frmMemberInformationUpdateReport::printSheets(const QList<qint64>& ids)
{
    if (ids.isEmpty())
        return;
    // Without a printer every job would ask the same question; ask once and
    // offer all the sheets as one PDF file instead.
    if (!reports::output().hasPrinter()) {
        saveSheetsAsPdf(ids);
        return;
    }
    const int total = static_cast<int>(ids.size());
    const std::unique_ptr<QProgressDialog> progress
        = progressFor(QStringLiteral("Printing member information update sheets..."), total);
    int printed = 0;
    for (int i = 0; i < total; ++i) {
        if (progress) {
            progress->setValue(i);
            if (progress->wasCanceled())
                break;
        }
        // A job the printer did not take (no printer, and the user declined
        // saving it) would fail the same way for everyone after; stop here
        // instead of asking again for every person.
        if (!reports::PrintMemberInfoUpdate(ids.at(i), false))
            break;
        ++printed;
    }
    if (progress)
        progress->setValue(total);
    if (total > 1 && printed < total) {
        messages().show(QStringLiteral("Printing stopped after %1 of %2 sheets.").arg(printed).arg(total),
            windowTitle(), Icon::Information);
    }
}

void frmMemberInformationUpdateReport::saveSheetsAsPdf(const QList<qint64>& ids)
{
    if (messages().ask(QStringLiteral("No printer is installed on this computer, so the member information update "
                                      "sheets cannot be printed.\n\nWould you like to save them as one PDF file "
                                      "instead?"),
            windowTitle(), Icon::Question)
        != Answer::Yes)
        return;
    const QString path = reports::choosePdfPath(
        this, reports::designTitle(reports::Design::MemberInfoUpdate) + QStringLiteral(".pdf"));
    if (path.isEmpty())
        return;
    const int total = static_cast<int>(ids.size());
    const std::unique_ptr<QProgressDialog> progress
        = progressFor(QStringLiteral("Saving member information update sheets..."), total);
    const bool written = reports::writeCombinedPdf(
        total,
        [&ids](int i) { return std::make_shared<const reports::Report>(reports::memberInfoUpdateData(ids.at(i))); },
        path,
        [&progress](int i) {
            if (!progress)
                return true;
            progress->setValue(i);
            return !progress->wasCanceled();
        });
    if (progress)
        progress->setValue(total);
    if (!written)
        messages().show(QStringLiteral("Saving was stopped; no file was written."), windowTitle(), Icon::Information);
}

void frmMemberInformationUpdateReport::btnCancel_clicked() { closeScreen(this); }

} // namespace pw
