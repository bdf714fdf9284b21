#include "reports/frmVisitationSheetReport.h"

#include "app/FormHelpers.h"
#include "app/Guard.h"
#include "app/Permissions.h"
#include "app/Workspace.h"
#include "reports/ReportLauncher.h"
#include "reports/Reports.h"
#include "ui_frmVisitationSheetReport.h"

namespace pw {

frmProspectVisitationSheetReport::frmProspectVisitationSheetReport(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::frmProspectVisitationSheetReport)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("frmProspectVisitationSheetReport"));
    setFocusProxy(ui->cmbProspect);
    connect(ui->btnOK, &QPushButton::clicked, this, [this] { guarded([this] { btnOK_clicked(); }); });
    connect(ui->btnCancel, &QPushButton::clicked, this, [this] { btnCancel_clicked(); });
    guarded([this] { reports::setupLauncher(this, ui->cmbProspect, ui->btnOK, ui->btnCancel, false); });
}

frmProspectVisitationSheetReport::~frmProspectVisitationSheetReport() { delete ui; }

void frmProspectVisitationSheetReport::btnOK_clicked()
{
    if (!reports::launcherMayRun(perm::VisitationSheetReport, ui->cmbProspect))
        return;
    {
        BusyCursor busy;
        reports::PrintVisitationSheet(selectedId(ui->cmbProspect), true);
    }
    closeScreen(this);
}

void frmProspectVisitationSheetReport::btnCancel_clicked() { closeScreen(this); }

} // namespace pw
