#include "giving/frmGivingReports.h"

#include "reports/ReportWindow.h"

#include "app/Workspace.h"
#include "data/Clock.h"
#include "giving/Batches.h"
#include "giving/GivingReports.h"
#include "reports/BatchPrint.h"
#include "reports/ReportOutput.h"
#include "widgets/Context.h"
#include "widgets/DateBox.h"
#include "widgets/FormHelpers.h"
#include "widgets/Formats.h"
#include "widgets/Guard.h"
#include "widgets/Messages.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace pw::giving {

namespace {
    enum Report { Deposit, FundMonth, Pledges, Givers };
} // namespace

frmGivingReports::frmGivingReports(QWidget* parent)
    : QWidget(parent)
    , cmbReport(named(new QComboBox, "cmbReport"))
    , cmbBatch(named(new QComboBox, "cmbBatch"))
    , spnYear(named(new QSpinBox, "spnYear"))
    , dtFrom(named(new DateBox, "dtFrom"))
    , dtTo(named(new DateBox, "dtTo"))
    , btnPreview(named(new QPushButton(tr("Pre&view")), "btnPreview"))
    , btnPrint(named(new QPushButton(tr("P&rint")), "btnPrint"))
    , btnExit(named(new QPushButton(tr("E&xit")), "btnExit"))
{
    setObjectName(QStringLiteral("frmGivingReports"));
    setWindowTitle(tr("Giving Reports"));
    cmbReport->addItem(tr("Deposit Report"), Deposit);
    cmbReport->addItem(tr("Giving by Fund and Month"), FundMonth);
    cmbReport->addItem(tr("Pledges and Giving"), Pledges);
    cmbReport->addItem(tr("Givers and Totals"), Givers);
    const QDate today = clock().today();
    spnYear->setRange(1900, 2999);
    spnYear->setValue(today.year());
    for (QDateEdit* box : { dtFrom, dtTo }) {
        box->setCalendarPopup(true);
        box->setDisplayFormat(formats::dateFormat());
    }
    dtFrom->setDate(QDate(today.year(), 1, 1));
    dtTo->setDate(today);
    {
        BusyCursor busy;
        for (const Batch& b : listedBatches(db(), today, 400))
            addItemWithId(cmbBatch,
                formats::dateText(b.date) + (b.description.isEmpty() ? QString() : QStringLiteral(" ") + b.description)
                    + (b.closed ? QString() : tr(" (open)")),
                b.id);
    }
    attachTypeAhead({ cmbReport, cmbBatch });

    auto* grid = new QGridLayout;
    auto* batchLabel = new QLabel(tr("Batch"));
    auto* yearLabel = new QLabel(tr("Year"));
    auto* fromLabel = new QLabel(tr("From"));
    auto* toLabel = new QLabel(tr("To"));
    grid->addWidget(new QLabel(tr("Report")), 0, 0);
    grid->addWidget(cmbReport, 0, 1, 1, 3);
    grid->addWidget(batchLabel, 1, 0);
    grid->addWidget(cmbBatch, 1, 1, 1, 3);
    grid->addWidget(yearLabel, 2, 0);
    grid->addWidget(spnYear, 2, 1);
    grid->addWidget(fromLabel, 3, 0);
    grid->addWidget(dtFrom, 3, 1);
    grid->addWidget(toLabel, 3, 2);
    grid->addWidget(dtTo, 3, 3);
    grid->setColumnStretch(3, 1);
    m_batchRow = { batchLabel, cmbBatch };
    m_yearRow = { yearLabel, spnYear };
    m_periodRow = { fromLabel, dtFrom, toLabel, dtTo };

    reports::layOutReportWindow(this, grid, { btnPreview, btnPrint, btnExit });
    setMinimumWidth(460);

    connect(cmbReport, qOverload<int>(&QComboBox::currentIndexChanged), this, [this] { reportChosen(); });
    connect(btnPreview, &QPushButton::clicked, this, [this] { guarded([this] { run(false); }); });
    connect(btnPrint, &QPushButton::clicked, this, [this] { guarded([this] { run(true); }); });
    connect(btnExit, &QPushButton::clicked, this, [this] { closeScreen(this); });
    reportChosen();
}

void frmGivingReports::reportChosen()
{
    const int report = cmbReport->currentData().toInt();
    for (QWidget* w : std::as_const(m_batchRow))
        w->setEnabled(report == Deposit);
    for (QWidget* w : std::as_const(m_yearRow))
        w->setEnabled(report == FundMonth);
    for (QWidget* w : std::as_const(m_periodRow))
        w->setEnabled(report == Pledges || report == Givers);
}

void frmGivingReports::run(bool print)
{
    const int report = cmbReport->currentData().toInt();
    const Period period { dtFrom->date(), dtTo->date() };
    if ((report == Pledges || report == Givers) && period.from > period.to) {
        messages().show(tr("The period starts (%1) after it ends (%2).")
                            .arg(formats::dateText(period.from), formats::dateText(period.to)),
            windowTitle(), Icon::Warning);
        dtFrom->setFocus();
        return;
    }
    if (report == Deposit && selectedId(cmbBatch) <= 0) {
        messages().show(tr("Choose the batch."), windowTitle());
        cmbBatch->setFocus();
        return;
    }
    reports::ReportPtr laidOut;
    {
        BusyCursor busy;
        switch (report) {
        case Deposit:
            laidOut = depositReport(db(), selectedId(cmbBatch));
            break;
        case FundMonth:
            laidOut = fundMonthReport(db(), spnYear->value());
            break;
        case Pledges:
            laidOut = pledgeReport(db(), period);
            break;
        default:
            laidOut = giversReport(db(), period);
            break;
        }
    }
    if (!print) {
        reports::output().preview(laidOut);
    } else if (reports::output().print(laidOut, 1)) {
        showStatus(reports::printedStatus(cmbReport->currentText()));
    }
}

} // namespace pw::giving
