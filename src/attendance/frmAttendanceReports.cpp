#include "attendance/frmAttendanceReports.h"

#include "reports/ReportWindow.h"

#include "app/Workspace.h"
#include "attendance/AttendanceReports.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "reports/ReportOutput.h"
#include "widgets/Context.h"
#include "widgets/DateBox.h"
#include "widgets/FormHelpers.h"
#include "widgets/Guard.h"
#include "widgets/Messages.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace pw::attendance {

frmAttendanceReports::frmAttendanceReports(QWidget* parent)
    : QWidget(parent)
    , cmbReport(named(new QComboBox, "cmbReport"))
    , cmbService(named(new QComboBox, "cmbService"))
    , cmbClass(named(new QComboBox, "cmbClass"))
    , dtDate(named(new DateBox, "dtDate"))
    , optMonth(named(new QRadioButton(tr("Month")), "optMonth"))
    , optQuarter(named(new QRadioButton(tr("Quarter")), "optQuarter"))
    , spnAtLeast(named(new QSpinBox, "spnAtLeast"))
    , spnOfWeeks(named(new QSpinBox, "spnOfWeeks"))
    , btnPreview(named(new QPushButton(tr("Preview")), "btnPreview"))
    , btnPrint(named(new QPushButton(tr("Print")), "btnPrint"))
    , btnExit(named(new QPushButton(tr("Exit")), "btnExit"))
    , lblDate(named(new QLabel(tr("Date")), "lblDate"))
{
    setObjectName(QStringLiteral("frmAttendanceReports"));
    setWindowTitle(tr("Attendance Reports"));
    cmbReport->addItem(tr("Class Roll Sheet"), int(Kind::RollSheet));
    cmbReport->addItem(tr("Attendance Summary"), int(Kind::Summary));
    cmbReport->addItem(tr("Not Seen Lately"), int(Kind::NotSeen));
    dtDate->setCalendarPopup(true);
    dtDate->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    dtDate->setDate(clock().today());
    optMonth->setChecked(true);
    auto* span = new QHBoxLayout;
    span->addWidget(optMonth);
    span->addWidget(optQuarter);
    span->addStretch(1);
    spnAtLeast->setRange(1, 52);
    spnAtLeast->setValue(3);
    spnOfWeeks->setRange(1, 104);
    spnOfWeeks->setValue(8);
    auto* weeks = new QHBoxLayout;
    weeks->addWidget(new QLabel(tr("Attended at least")));
    weeks->addWidget(spnAtLeast);
    weeks->addWidget(new QLabel(tr("of the")));
    weeks->addWidget(spnOfWeeks);
    weeks->addWidget(new QLabel(tr("weeks before the date, and not since")));
    weeks->addStretch(1);

    auto* form = new QFormLayout;
    form->addRow(tr("Report"), cmbReport);
    form->addRow(tr("Service"), cmbService);
    form->addRow(tr("Class"), cmbClass);
    form->addRow(lblDate, dtDate);
    form->addRow(tr("Covering"), span);
    form->addRow(QString(), weeks);
    reports::layOutReportWindow(this, form, { btnPreview, btnPrint, btnExit });
    attachTypeAhead({ cmbReport, cmbService, cmbClass });

    connect(cmbReport, qOverload<int>(&QComboBox::currentIndexChanged), this,
        [this] { guarded([this] { cmbReport_changed(); }); });
    connect(cmbService, qOverload<int>(&QComboBox::currentIndexChanged), this,
        [this] { guarded([this] { cmbService_changed(); }); });
    connect(btnPreview, &QPushButton::clicked, this, [this] { guarded([this] { run(true); }); });
    connect(btnPrint, &QPushButton::clicked, this, [this] { guarded([this] { run(false); }); });
    connect(btnExit, &QPushButton::clicked, this, [this] { closeScreen(this); });
    if (Workspace* w = workspace())
        connect(w, &Workspace::lookupsChanged, this, [this] { guarded([this] { cmbService_changed(); }); });
    guarded([this] { cmbReport_changed(); });
}

void frmAttendanceReports::cmbReport_changed()
{
    const auto kind = Kind(cmbReport->currentData().toInt());
    const QString keep = cmbService->currentData().toString();
    {
        const QSignalBlocker block(cmbService);
        cmbService->clear();
        if (kind == Kind::NotSeen)
            cmbService->addItem(tr("(any service)"), QString());
        for (const services::Service& s : services::all())
            if (kind != Kind::RollSheet || s.hasClasses())
                cmbService->addItem(s.nameText(), s.codeText());
        cmbService->setCurrentIndex(std::max(0, cmbService->findData(keep)));
    }
    cmbService->setEnabled(kind != Kind::Summary);
    cmbClass->setEnabled(kind == Kind::RollSheet);
    optMonth->setEnabled(kind == Kind::RollSheet);
    optQuarter->setEnabled(kind == Kind::RollSheet);
    spnAtLeast->setEnabled(kind == Kind::NotSeen);
    spnOfWeeks->setEnabled(kind == Kind::NotSeen);
    lblDate->setText(kind == Kind::RollSheet ? tr("Starting month")
            : kind == Kind::Summary          ? tr("Up to the week of")
                                             : tr("Not since"));
    cmbService_changed();
}

void frmAttendanceReports::cmbService_changed()
{
    const services::Service* s = services::byCode(cmbService->currentData().toString());
    const qint64 keep = selectedId(cmbClass);
    cmbClass->clear();
    if (!s)
        return;
    for (const auto& [id, name] : classesOf(db(), *s))
        addItemWithId(cmbClass, name, id);
    if (keep > 0)
        selectById(cmbClass, keep);
}

void frmAttendanceReports::run(bool preview)
{
    const auto kind = Kind(cmbReport->currentData().toInt());
    const services::Service* service = services::byCode(cmbService->currentData().toString());
    if (kind == Kind::RollSheet && (!service || selectedId(cmbClass) <= 0)) {
        messages().show(tr("Choose a class."), tr("Required Fields"));
        return;
    }
    reports::ReportPtr report;
    {
        BusyCursor busy;
        if (kind == Kind::RollSheet) {
            const services::Service* s = service;
            const auto [from, to] = monthSpan(dtDate->date(), optQuarter->isChecked());
            report = rollSheetReport(*s, selectedId(cmbClass), from, to);
        } else if (kind == Kind::Summary) {
            report = summaryReport(dtDate->date());
        } else {
            report = notSeenReport(
                { spnAtLeast->value(), spnOfWeeks->value(), dtDate->date(), cmbService->currentData().toString() });
        }
        report->paginate();
    }
    if (preview)
        reports::output().preview(report);
    else if (reports::output().print(report, 1))
        showStatus(tr("Printed the %1.").arg(report->title()));
}

} // namespace pw::attendance
