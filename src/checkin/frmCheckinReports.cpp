#include "checkin/frmCheckinReports.h"

#include "reports/ReportWindow.h"

#include "app/Workspace.h"
#include "checkin/CheckinReports.h"
#include "data/Clock.h"
#include "reports/ReportOutput.h"
#include "widgets/Context.h"
#include "widgets/DateBox.h"
#include "widgets/FormHelpers.h"
#include "widgets/Guard.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace pw::checkin {

frmCheckinReports::frmCheckinReports(QWidget* parent)
    : QWidget(parent)
    , dtDay(named(new DateBox, "dtDay"))
    , cmbReport(named(new QComboBox, "cmbReport"))
    , btnPreview(named(new QPushButton(tr("Preview")), "btnPreview"))
    , btnPrint(named(new QPushButton(tr("Print")), "btnPrint"))
    , btnExit(named(new QPushButton(tr("Exit")), "btnExit"))
{
    setObjectName(QStringLiteral("frmCheckinReports"));
    setWindowTitle(tr("Check-in Reports"));
    for (const DayReport kind : { DayReport::ByClass, DayReport::StillIn })
        cmbReport->addItem(dayReportTitle(kind), int(kind));
    dtDay->setCalendarPopup(true);
    dtDay->setDate(clock().today());

    auto* form = new QFormLayout;
    form->addRow(tr("Report"), cmbReport);
    form->addRow(tr("Day"), dtDay);
    reports::layOutReportWindow(this, form, { btnPreview, btnPrint, btnExit });
    attachTypeAhead(cmbReport);

    connect(btnPreview, &QPushButton::clicked, this, [this] { guarded([this] { run(true); }); });
    connect(btnPrint, &QPushButton::clicked, this, [this] { guarded([this] { run(false); }); });
    connect(btnExit, &QPushButton::clicked, this, [this] { closeScreen(this); });
}

void frmCheckinReports::run(bool preview)
{
    reports::ReportPtr report;
    {
        BusyCursor busy;
        report = dayReport(db(), DayReport(cmbReport->currentData().toInt()), dtDay->date());
        report->paginate();
    }
    if (preview)
        reports::output().preview(report);
    else if (reports::output().print(report, 1))
        showStatus(tr("Printed the %1 report.").arg(report->title()));
}

} // namespace pw::checkin
