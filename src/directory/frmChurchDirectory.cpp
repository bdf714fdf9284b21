#include "directory/frmChurchDirectory.h"

#include "app/Workspace.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "reports/ReportOutput.h"
#include "widgets/Context.h"
#include "widgets/FormHelpers.h"
#include "widgets/Guard.h"
#include "widgets/Messages.h"
#include "widgets/SharedLists.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace pw::directory {

frmChurchDirectory::frmChurchDirectory(QWidget* parent)
    : QWidget(parent)
    , optStatuses(named(new QRadioButton(tr("Church &statuses")), "optStatuses"))
    , lstStatuses(named(new QListWidget, "lstStatuses"))
    , optFound(named(new QRadioButton, "optFound"))
    , chkBirthdays(named(new QCheckBox(tr("&Birthdays (day and month)")), "chkBirthdays"))
    , cmbPaper(named(new QComboBox, "cmbPaper"))
    , cmbPerPage(named(new QComboBox, "cmbPerPage"))
    , btnPreview(named(new QPushButton(tr("Pre&view")), "btnPreview"))
    , btnPrint(named(new QPushButton(tr("P&rint")), "btnPrint"))
    , btnPdf(named(new QPushButton(tr("P&DF...")), "btnPdf"))
    , btnExit(named(new QPushButton(tr("E&xit")), "btnExit"))
{
    setObjectName(QStringLiteral("frmChurchDirectory"));
    setWindowTitle(tr("Church Directory"));

    {
        BusyCursor busy;
        const Choice defaults;
        for (const QString& status : listTexts(SharedLists::List::ChurchStatuses)) {
            auto* item = new QListWidgetItem(status, lstStatuses);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(defaults.churchStatuses.contains(status) ? Qt::Checked : Qt::Unchecked);
        }
    }
    auto* who = new QGroupBox(tr("People in the directory"));
    auto* whoLayout = new QVBoxLayout(who);
    whoLayout->addWidget(optStatuses);
    whoLayout->addWidget(lstStatuses);
    whoLayout->addWidget(optFound);
    optFound->hide();
    optStatuses->setChecked(true);

    cmbPaper->addItems({ tr("Letter", "paper size"), QStringLiteral("A4") });
    cmbPerPage->addItems({ tr("2 per page"), tr("4 per page") });
    auto* form = new QFormLayout;
    form->addRow(chkBirthdays);
    form->addRow(tr("&Paper"), cmbPaper);
    form->addRow(tr("&Households"), cmbPerPage);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : { btnPreview, btnPrint, btnPdf })
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(btnExit);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(who, 1);
    layout->addLayout(form);
    layout->addLayout(buttons);
    setDefaultButton(this, btnPreview);
    setCancelButton(this, btnExit);

    // Ticking a status means the statuses.
    connect(lstStatuses, &QListWidget::itemChanged, this, [this] { optStatuses->setChecked(true); });
    connect(btnPreview, &QPushButton::clicked, this, [this] { guarded([this] { btnPreview_clicked(); }); });
    connect(btnPrint, &QPushButton::clicked, this, [this] { guarded([this] { btnPrint_clicked(); }); });
    connect(btnPdf, &QPushButton::clicked, this, [this] { guarded([this] { btnPdf_clicked(); }); });
    connect(btnExit, &QPushButton::clicked, this, [this] { closeScreen(this); });
}

void frmChurchDirectory::showPeople(const QList<qint64>& ids)
{
    m_found = ids;
    optFound->setText(
        ids.size() == 1 ? tr("The person &found") : tr("The %1 people &found").arg(QLocale().toString(ids.size())));
    optFound->show();
    optFound->setChecked(true);
}

Choice frmChurchDirectory::choice() const
{
    Choice c;
    c.churchStatuses.clear();
    if (optFound->isChecked()) {
        c.people = m_found;
    } else {
        for (int i = 0; i < lstStatuses->count(); ++i) {
            if (lstStatuses->item(i)->checkState() == Qt::Checked)
                c.churchStatuses.append(lstStatuses->item(i)->text());
        }
    }
    c.birthdays = chkBirthdays->isChecked();
    c.a4 = cmbPaper->currentIndex() == 1;
    c.perPage = cmbPerPage->currentIndex() == 1 ? 4 : 2;
    return c;
}

bool frmChurchDirectory::someoneChosen()
{
    // An empty status list would mean everybody: here it means nobody was ticked.
    const Choice c = choice();
    if (optFound->isChecked() ? !c.people.isEmpty() : !c.churchStatuses.isEmpty())
        return true;
    messages().show(tr("No people are chosen for the directory."), tr("Church Directory"));
    (optFound->isChecked() ? static_cast<QWidget*>(optFound) : lstStatuses)->setFocus();
    return false;
}

reports::ReportPtr frmChurchDirectory::booklet() const
{
    BusyCursor busy;
    return directoryReport(db(), choice(), ctx().settings.pictureFolder, clock().today());
}

void frmChurchDirectory::btnPreview_clicked()
{
    if (someoneChosen())
        reports::output().preview(booklet());
}

void frmChurchDirectory::btnPrint_clicked()
{
    if (someoneChosen() && reports::output().print(booklet(), 0))
        showStatus(tr("Printed the church directory."));
}

void frmChurchDirectory::btnPdf_clicked()
{
    if (!someoneChosen())
        return;
    const QString path = reports::choosePdfPath(this, QStringLiteral("Church Directory.pdf"));
    if (path.isEmpty())
        return;
    const reports::ReportPtr report = booklet();
    {
        BusyCursor busy;
        report->writePdf(path);
    }
    showStatus(tr("Wrote the church directory to %1.").arg(QDir::toNativeSeparators(path)));
}

} // namespace pw::directory
