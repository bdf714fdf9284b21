#include "giving/frmContributionStatements.h"

#include "app/Workspace.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "giving/StatementReport.h"
#include "reports/BatchPrint.h"
#include "reports/ProgressDialog.h"
#include "reports/ReportOutput.h"
#include "widgets/Context.h"
#include "widgets/DateBox.h"
#include "widgets/FileChooser.h"
#include "widgets/FormHelpers.h"
#include "widgets/Formats.h"
#include "widgets/Guard.h"
#include "widgets/Messages.h"
#include "widgets/PickList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace pw::giving {

frmContributionStatements::frmContributionStatements(QWidget* parent)
    : QWidget(parent)
    , dtFrom(named(new DateBox, "dtFrom"))
    , dtTo(named(new DateBox, "dtTo"))
    , optEverybody(named(new QRadioButton(tr("&Everybody who gave")), "optEverybody"))
    , optOnePerson(named(new QRadioButton(tr("One &person")), "optOnePerson"))
    , cmbPerson(named(new QComboBox, "cmbPerson"))
    , optFound(named(new QRadioButton, "optFound"))
    , chkCsv(named(new QCheckBox(tr("Also write the totals per fund as a CSV file")), "chkCsv"))
    , btnPreview(named(new QPushButton(tr("Pre&view")), "btnPreview"))
    , btnPrint(named(new QPushButton(tr("P&rint")), "btnPrint"))
    , btnOnePdf(named(new QPushButton(tr("&One PDF...")), "btnOnePdf"))
    , btnPdfPerGiver(named(new QPushButton(tr("PDF per &Giver...")), "btnPdfPerGiver"))
    , btnExit(named(new QPushButton(tr("E&xit")), "btnExit"))
{
    setObjectName(QStringLiteral("frmContributionStatements"));
    setWindowTitle(tr("Contribution Statements"));

    auto* period = new QFormLayout;
    period->addRow(tr("&From"), dtFrom);
    period->addRow(tr("&To"), dtTo);
    for (QDateEdit* box : { dtFrom, dtTo }) {
        box->setCalendarPopup(true);
        box->setDisplayFormat(formats::dateFormat());
    }
    const Period last = lastCalendarYear(clock().today());
    dtFrom->setDate(last.from);
    dtTo->setDate(last.to);

    auto* who = new QGroupBox(tr("Statements for"));
    auto* whoLayout = new QVBoxLayout(who);
    whoLayout->addWidget(optEverybody);
    auto* person = new QHBoxLayout;
    person->addWidget(optOnePerson);
    person->addWidget(cmbPerson, 1);
    whoLayout->addLayout(person);
    whoLayout->addWidget(optFound);
    optFound->hide();
    optEverybody->setChecked(true);
    limitPopupRows(cmbPerson);
    attachTypeAhead(cmbPerson);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : { btnPreview, btnPrint, btnOnePdf, btnPdfPerGiver })
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(btnExit);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(period);
    layout->addWidget(who);
    layout->addWidget(chkCsv);
    layout->addStretch(1);
    layout->addLayout(buttons);
    setDefaultButton(this, btnPreview);
    setCancelButton(this, btnExit);

    {
        BusyCursor busy;
        fillPeopleList(cmbPerson, NameForm::WithoutTitle);
    }
    optWho_changed();
    connect(optOnePerson, &QRadioButton::toggled, this, [this] { optWho_changed(); });
    // Choosing a person means this person's statement.
    connect(cmbPerson, qOverload<int>(&QComboBox::activated), this, [this] { optOnePerson->setChecked(true); });
    connect(btnPreview, &QPushButton::clicked, this, [this] { guarded([this] { btnPreview_clicked(); }); });
    connect(btnPrint, &QPushButton::clicked, this, [this] { guarded([this] { btnPrint_clicked(); }); });
    connect(btnOnePdf, &QPushButton::clicked, this, [this] { guarded([this] { writePdfs(true); }); });
    connect(btnPdfPerGiver, &QPushButton::clicked, this, [this] { guarded([this] { writePdfs(false); }); });
    connect(btnExit, &QPushButton::clicked, this, [this] { closeScreen(this); });
    if (Workspace* w = workspace())
        connect(w, &Workspace::membersChanged, this, [this] {
            guarded([this] { fillPeopleList(cmbPerson, NameForm::WithoutTitle, People::Everyone, Choice::Keep); });
        });
}

void frmContributionStatements::showPeople(const QList<qint64>& ids)
{
    m_found = ids;
    optFound->setText(
        ids.size() == 1 ? tr("The person &found") : tr("The %1 people &found").arg(QLocale().toString(ids.size())));
    optFound->show();
    optFound->setChecked(true);
}

void frmContributionStatements::optWho_changed() { btnPreview->setEnabled(optOnePerson->isChecked()); }

bool frmContributionStatements::readChoice(std::unique_ptr<StatementSource>& source)
{
    const Period period { dtFrom->date(), dtTo->date() };
    if (period.from > period.to) {
        messages().show(tr("The period starts (%1) after it ends (%2).")
                            .arg(formats::dateText(period.from), formats::dateText(period.to)),
            tr("Contribution Statements"), Icon::Warning);
        dtFrom->setFocus();
        return false;
    }
    std::optional<QList<qint64>> only;
    if (optOnePerson->isChecked()) {
        const qint64 id = selectedId(cmbPerson);
        if (id <= 0) {
            messages().show(tr("Choose the person."), tr("Contribution Statements"));
            cmbPerson->setFocus();
            return false;
        }
        only = QList<qint64> { id };
    } else if (optFound->isChecked()) {
        only = m_found;
    }
    {
        BusyCursor busy;
        source = std::make_unique<StatementSource>(db(), period, only);
    }
    if (source->count() == 0) {
        messages().show(optOnePerson->isChecked()
                ? tr("%1 gave nothing from %2 to %3.")
                      .arg(cmbPerson->currentText(), formats::dateText(period.from), formats::dateText(period.to))
                : optFound->isChecked() ? tr("None of the people found gave anything from %1 to %2.")
                                              .arg(formats::dateText(period.from), formats::dateText(period.to))
                                        : tr("Nobody gave anything from %1 to %2.")
                                              .arg(formats::dateText(period.from), formats::dateText(period.to)),
            tr("Contribution Statements"));
        return false;
    }
    return true;
}

void frmContributionStatements::btnPreview_clicked()
{
    std::unique_ptr<StatementSource> source;
    if (!readChoice(source))
        return;
    const ChurchHeading church = churchHeading(db(), clock().today());
    reports::output().preview(statementReport(source->statement(0), church, QLocale()));
}

void frmContributionStatements::btnPrint_clicked()
{
    std::unique_ptr<StatementSource> source;
    if (!readChoice(source))
        return;
    const ChurchHeading church = churchHeading(db(), clock().today());
    reports::SheetBatch batch;
    for (int i = 0; i < source->count(); ++i)
        batch.ids.append(i);
    batch.sheetFor = [&](qint64 i) { return statementReport(source->statement(int(i)), church, QLocale()); };
    batch.title = tr("Contribution Statements");
    batch.sheets = tr("contribution statements");
    batch.pdfName = QStringLiteral("Contribution Statements.pdf");
    const reports::BatchResult result = reports::printSheets(batch, this, reports::progressDialog(this));
    const QString status = reports::batchStatus(batch, result);
    if (!status.isEmpty())
        showStatus(status);
}

void frmContributionStatements::writePdfs(bool oneFile)
{
    std::unique_ptr<StatementSource> source;
    if (!readChoice(source))
        return;
    StatementRun run;
    run.locale = QLocale();
    FileRequest request;
    request.kind = oneFile ? FileRequest::Kind::Pdf : FileRequest::Kind::Folder;
    request.caption = oneFile ? tr("Save the Statements as One PDF") : tr("Choose the Folder for the Statements");
    request.path = QDir(picturesFolder()).filePath(oneFile ? QStringLiteral("Contribution Statements.pdf") : QString());
    if (oneFile)
        request.filters = { tr("PDF Files (*.pdf)") };
    const QString chosen = chooseFile(this, request);
    if (chosen.isEmpty())
        return;
    (oneFile ? run.combinedPdf : run.pdfFolder) = chosen;
    const QString folder = oneFile ? QFileInfo(chosen).absolutePath() : chosen;
    if (chkCsv->isChecked())
        run.csvFile = QDir(folder).filePath(QStringLiteral("Contribution Totals.csv"));
    const ChurchHeading church = churchHeading(db(), clock().today());
    const reports::BatchProgress progress = reports::progressDialog(this);
    const StatementRunResult result = writeStatements(*source, church, run, [&](int done, int total) {
        return !progress || progress(tr("Writing the contribution statements..."), done, total);
    });
    QString text = result.cancelled
        ? tr("Stopped after %1 of %2 statement(s).").arg(result.written).arg(source->count())
        : tr("Wrote %1 statement(s) to %2.").arg(result.written).arg(QDir::toNativeSeparators(chosen));
    if (!run.csvFile.isEmpty() && !result.cancelled)
        text += tr("\n\nTotals per fund: %1").arg(QDir::toNativeSeparators(run.csvFile));
    if (!result.withoutAddress.isEmpty())
        text += tr("\n\nWithout an address (written, but they cannot be mailed): %1")
                    .arg(result.withoutAddress.join(QStringLiteral("; ")));
    messages().show(text, tr("Contribution Statements"));
    showStatus(result.cancelled ? tr("Stopped writing the contribution statements.")
                                : tr("Wrote %1 contribution statement(s).").arg(result.written));
}

} // namespace pw::giving
