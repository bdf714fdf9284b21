#include "admin/frmImportPeople.h"

#include "app/Workspace.h"
#include "data/ChurchSettings.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/Lookups.h"
#include "people/ImportPlan.h"
#include "people/ImportReport.h"
#include "widgets/Context.h"
#include "widgets/FileChooser.h"
#include "widgets/FormHelpers.h"
#include "widgets/Guard.h"
#include "widgets/Messages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace pw::admin {

using namespace people;

namespace {

    QString title() { return frmImportPeople::tr("Import People"); }

    QWidget* page(QStackedWidget* pages, const QString& name, const QString& heading, QVBoxLayout** layout)
    {
        auto* widget = new QWidget(pages);
        widget->setObjectName(name);
        *layout = new QVBoxLayout(widget);
        auto* title = new QLabel(QStringLiteral("<b>%1</b>").arg(heading), widget);
        (*layout)->addWidget(title);
        pages->addWidget(widget);
        return widget;
    }

    QPushButton* button(QWidget* parent, const char* name, const QString& caption)
    {
        auto* b = new QPushButton(caption, parent);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    }

    QString actionCaption(DuplicateAction action)
    {
        switch (action) {
        case DuplicateAction::Skip:
            return frmImportPeople::tr("Skip");
        case DuplicateAction::Fill:
            return frmImportPeople::tr("Fill empty fields");
        case DuplicateAction::Add:
            return frmImportPeople::tr("Add anyway");
        }
        return {};
    }

    QComboBox* actionCombo(QWidget* parent, DuplicateAction chosen)
    {
        auto* combo = new QComboBox(parent);
        for (const DuplicateAction a : { DuplicateAction::Skip, DuplicateAction::Fill, DuplicateAction::Add })
            combo->addItem(actionCaption(a), int(a));
        combo->setCurrentIndex(int(chosen));
        return combo;
    }

    const FileRequest::Kind kOpen = FileRequest::Kind::Open;

} // namespace

frmImportPeople::frmImportPeople(QWidget* parent)
    : QWidget(parent)
    , m_pages(new QStackedWidget(this))
{
    setObjectName(QStringLiteral("frmImportPeople"));
    setWindowTitle(title());
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(m_pages);

    QVBoxLayout* layout = nullptr;
    QWidget* filePage = page(m_pages, QStringLiteral("pageFile"), tr("1. The CSV file"), &layout);
    layout->addWidget(new QLabel(tr("Save the spreadsheet as CSV (comma, semicolon or tab separated, "
                                    "with the column names in the first row) and choose the file."),
        filePage));
    auto* fileRow = new QHBoxLayout;
    txtFile = new QLineEdit(filePage);
    txtFile->setObjectName(QStringLiteral("txtFile"));
    QPushButton* btnBrowse = button(filePage, "btnBrowse", tr("&Browse..."));
    fileRow->addWidget(txtFile);
    fileRow->addWidget(btnBrowse);
    layout->addLayout(fileRow);
    lblFileInfo = new QLabel(filePage);
    lblFileInfo->setObjectName(QStringLiteral("lblFileInfo"));
    layout->addWidget(lblFileInfo);
    layout->addStretch();

    QWidget* mappingPage = page(m_pages, QStringLiteral("pageMapping"), tr("2. Columns"), &layout);
    tblMapping = new QTableWidget(0, 3, mappingPage);
    tblMapping->setObjectName(QStringLiteral("tblMapping"));
    tblMapping->setHorizontalHeaderLabels({ tr("Column"), tr("First Row"), tr("Field") });
    tblMapping->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tblMapping->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(tblMapping);
    auto* mappingButtons = new QHBoxLayout;
    QPushButton* btnLoadMapping = button(mappingPage, "btnLoadMapping", tr("&Load Mapping..."));
    QPushButton* btnSaveMapping = button(mappingPage, "btnSaveMapping", tr("&Save Mapping..."));
    mappingButtons->addWidget(btnLoadMapping);
    mappingButtons->addWidget(btnSaveMapping);
    mappingButtons->addStretch();
    layout->addLayout(mappingButtons);

    QWidget* optionsPage = page(m_pages, QStringLiteral("pageOptions"), tr("3. Choices"), &layout);
    auto* form = new QFormLayout;
    chkBundleByAddress = new QCheckBox(
        tr("Without a family column, people with the same last name and address are one family"), optionsPage);
    chkBundleByAddress->setObjectName(QStringLiteral("chkBundleByAddress"));
    chkAddUnknownValues = new QCheckBox(
        tr("Add values that are not in their lists (titles, states, statuses) to the lists"), optionsPage);
    chkAddUnknownValues->setObjectName(QStringLiteral("chkAddUnknownValues"));
    cmbDuplicates = actionCombo(optionsPage, DuplicateAction::Skip);
    cmbDuplicates->setObjectName(QStringLiteral("cmbDuplicates"));
    form->addRow(chkBundleByAddress);
    form->addRow(chkAddUnknownValues);
    form->addRow(tr("People already in the church:"), cmbDuplicates);
    auto* given = new QLabel(tr("Every person in this file who has none gets (the member screen saves no "
                                "change to a person without these):"),
        optionsPage);
    given->setWordWrap(true);
    form->addRow(given);
    Database& database = pw::db();
    const QStringList lists[] = { Lookups::memberStatuses(database), Lookups::churchStatuses(database),
        Lookups::prospectStatuses(database), Lookups::genders() };
    const char* const names[]
        = { "cmbDefaultStatus", "cmbDefaultChurchStatus", "cmbDefaultProspectStatus", "cmbDefaultGender" };
    for (int i = 0; i < defaultableFields().size(); ++i) {
        const QString& key = defaultableFields().at(i);
        auto* combo = new QComboBox(optionsPage);
        combo->setObjectName(QString::fromLatin1(names[i]));
        combo->addItem(QString());
        combo->addItems(lists[i]);
        form->addRow(importField(key)->caption + QLatin1Char(':'), combo);
        m_defaults.append({ key, combo });
    }
    layout->addLayout(form);
    layout->addStretch();

    QWidget* previewPage = page(m_pages, QStringLiteral("pagePreview"), tr("4. Preview"), &layout);
    txtPreview = new QPlainTextEdit(previewPage);
    txtPreview->setObjectName(QStringLiteral("txtPreview"));
    txtPreview->setReadOnly(true);
    layout->addWidget(txtPreview, 2);
    layout->addWidget(new QLabel(tr("Rows that match someone already in the church:"), previewPage));
    tblDuplicates = new QTableWidget(0, 3, previewPage);
    tblDuplicates->setObjectName(QStringLiteral("tblDuplicates"));
    tblDuplicates->setHorizontalHeaderLabels({ tr("Line"), tr("Row"), tr("Do", "column: what to do with the row") });
    tblDuplicates->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    tblDuplicates->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(tblDuplicates, 1);

    QWidget* reportPage = page(m_pages, QStringLiteral("pageReport"), tr("5. Report"), &layout);
    txtReport = new QPlainTextEdit(reportPage);
    txtReport->setObjectName(QStringLiteral("txtReport"));
    txtReport->setReadOnly(true);
    layout->addWidget(txtReport);

    auto* buttons = new QHBoxLayout;
    btnBack = button(this, "btnBack", tr("< &Back"));
    btnNext = button(this, "btnNext", tr("&Next >"));
    btnImport = button(this, "btnImport", tr("&Import"));
    QPushButton* btnClose = button(this, "btnClose", tr("&Close"));
    buttons->addStretch();
    for (QPushButton* b : { btnBack, btnNext, btnImport, btnClose })
        buttons->addWidget(b);
    outer->addLayout(buttons);

    connect(btnBrowse, &QPushButton::clicked, this, [this] { guarded([this] { btnBrowse_clicked(); }); });
    connect(btnBack, &QPushButton::clicked, this, [this] { guarded([this] { btnBack_clicked(); }); });
    connect(btnNext, &QPushButton::clicked, this, [this] { guarded([this] { btnNext_clicked(); }); });
    connect(btnImport, &QPushButton::clicked, this, [this] { guarded([this] { btnImport_clicked(); }); });
    connect(btnClose, &QPushButton::clicked, this, [this] { closeScreen(this); });
    connect(btnLoadMapping, &QPushButton::clicked, this, [this] { guarded([this] { btnLoadMapping_clicked(); }); });
    connect(btnSaveMapping, &QPushButton::clicked, this, [this] { guarded([this] { btnSaveMapping_clicked(); }); });
    connect(txtFile, &QLineEdit::textEdited, this, [this] { m_table.reset(); });
    showPage(FilePage);
}

frmImportPeople::~frmImportPeople() = default;

void frmImportPeople::showPage(int page)
{
    m_pages->setCurrentIndex(page);
    btnBack->setEnabled(page > FilePage && page < ReportPage);
    btnNext->setEnabled(page < PreviewPage);
    btnImport->setEnabled(page == PreviewPage);
}

void frmImportPeople::btnBrowse_clicked()
{
    FileRequest request;
    request.kind = kOpen;
    request.caption = tr("Import People");
    request.path = txtFile->text();
    request.filters = { tr("CSV Files (*.csv *.txt *.tsv)"), tr("All Files (*)") };
    const QString chosen = chooseFile(this, request);
    if (chosen.isEmpty())
        return;
    txtFile->setText(chosen);
    m_table.reset();
    readFile();
}

bool frmImportPeople::readFile()
{
    if (m_table)
        return true;
    if (txtFile->text().trimmed().isEmpty()) {
        messages().show(tr("Choose the CSV file to import."), title(), Icon::Information);
        return false;
    }
    BusyCursor busy;
    m_table = readCsvFile(txtFile->text().trimmed());
    lblFileInfo->setText(tr("%1 rows, %2 columns; %3, %4 separated.")
                             .arg(m_table->rows.size())
                             .arg(m_table->header.size())
                             .arg(m_table->encoding, separatorName(m_table->separator)));
    fillMapping(ImportMapping::guess(m_table->header));
    return true;
}

void frmImportPeople::fillMapping(const ImportMapping& mapping)
{
    tblMapping->setRowCount(0);
    tblMapping->setRowCount(m_table->header.size());
    for (int i = 0; i < m_table->header.size(); ++i) {
        const QString& name = m_table->header.at(i);
        tblMapping->setItem(i, 0, new QTableWidgetItem(name));
        const QString first = m_table->rows.isEmpty() ? QString() : m_table->rows.first().cells.at(i);
        tblMapping->setItem(i, 1, new QTableWidgetItem(first.simplified()));
        auto* combo = new QComboBox(tblMapping);
        combo->setObjectName(QStringLiteral("cmbField%1").arg(i));
        combo->addItem(tr("(ignore)"), QString());
        for (const ImportField& f : importFields())
            combo->addItem(people::shownCaption(f), f.key);
        combo->setCurrentIndex(std::max(0, combo->findData(mapping.columns.value(name))));
        tblMapping->setCellWidget(i, 2, combo);
    }
    chkBundleByAddress->setChecked(mapping.bundleByAddress);
    chkAddUnknownValues->setChecked(mapping.addUnknownValues);
    for (const auto& [key, combo] : std::as_const(m_defaults)) {
        // Without a value of its own, Church Status offers the church's for
        // people added without one.
        const QString value = !mapping.defaults.contains(key) && key == QLatin1String("memberActiveStatus")
            ? ChurchSettings::value(pw::db(), ChurchSettings::kNewPersonChurchStatus)
            : mapping.defaults.value(key);
        int at = combo->findText(value.trimmed(), Qt::MatchFixedString);
        if (at < 0) {
            combo->addItem(value.trimmed()); // kept as the mapping has it; the preview names it
            at = combo->count() - 1;
        }
        combo->setCurrentIndex(at);
    }
    cmbDuplicates->setCurrentIndex(int(mapping.duplicates));
}

ImportMapping frmImportPeople::mappingFromScreen() const
{
    ImportMapping mapping;
    for (int i = 0; i < tblMapping->rowCount(); ++i) {
        const auto* combo = qobject_cast<QComboBox*>(tblMapping->cellWidget(i, 2));
        const QString key = combo ? combo->currentData().toString() : QString();
        if (!key.isEmpty())
            mapping.columns.insert(tblMapping->item(i, 0)->text(), key);
    }
    mapping.bundleByAddress = chkBundleByAddress->isChecked();
    mapping.addUnknownValues = chkAddUnknownValues->isChecked();
    for (const auto& [key, combo] : m_defaults)
        mapping.defaults.insert(key, combo->currentText());
    mapping.duplicates = DuplicateAction(cmbDuplicates->currentData().toInt());
    return mapping;
}

void frmImportPeople::btnBack_clicked() { showPage(m_pages->currentIndex() - 1); }

void frmImportPeople::btnNext_clicked()
{
    const int current = m_pages->currentIndex();
    if (current == FilePage && !readFile())
        return;
    if (current == MappingPage) {
        const ImportMapping mapping = mappingFromScreen();
        if (mapping.columnFor(QStringLiteral("firstName")).isEmpty()
            && mapping.columnFor(QStringLiteral("lastName")).isEmpty()) {
            messages().show(tr("Choose the column that holds the first or the last name."), title(), Icon::Information);
            return;
        }
    }
    if (current == OptionsPage)
        makePlan();
    showPage(current + 1);
}

void frmImportPeople::makePlan()
{
    BusyCursor busy;
    m_plan = std::make_unique<ImportPlan>(pw::db(), *m_table, mappingFromScreen(), clock().today());
    txtPreview->setPlainText(previewText(pw::db(), *m_plan));
    tblDuplicates->setRowCount(0);
    const QList<PlannedPerson>& rows = m_plan->people();
    for (int i = 0; i < rows.size(); ++i) {
        const PlannedPerson& p = rows.at(i);
        if (!p.isDuplicate())
            continue;
        const int r = tblDuplicates->rowCount();
        tblDuplicates->insertRow(r);
        tblDuplicates->setItem(r, 0, new QTableWidgetItem(QString::number(p.line)));
        QStringList names;
        for (const DuplicateMatch& m : p.matches)
            names.append(m_plan->matchName(pw::db(), m));
        tblDuplicates->setItem(r, 1,
            new QTableWidgetItem(
                tr("%1 %2 matches %3").arg(p.record.firstName, p.record.lastName, names.join(QStringLiteral("; ")))));
        QComboBox* combo = actionCombo(tblDuplicates, p.action);
        combo->setObjectName(QStringLiteral("cmbAction%1").arg(p.line));
        connect(combo, &QComboBox::currentIndexChanged, this, [this, i, combo] {
            m_plan->setAction(i, DuplicateAction(combo->currentData().toInt()));
            txtPreview->setPlainText(previewText(pw::db(), *m_plan));
        });
        tblDuplicates->setCellWidget(r, 2, combo);
    }
}

void frmImportPeople::btnImport_clicked()
{
    if (!m_plan)
        return;
    ImportPlan::RunOptions options;
    options.userName = ctx().user.username;
    options.pictureFolder = ctx().settings.pictureFolder;
    ImportResult result;
    {
        BusyCursor busy;
        result = m_plan->run(pw::db(), clock(), options);
    }
    txtReport->setPlainText(reportText(*m_plan, result));
    if (!result.succeeded) {
        messages().show(
            tr("The import failed; nothing of it was written.\n\n%1").arg(result.failure), title(), Icon::Warning);
        return;
    }
    showPage(ReportPage);
    if (Workspace* workspace = ctx().workspace) {
        emit workspace->membersChanged();
        emit workspace->lookupsChanged();
        emit workspace->statusChanged(
            tr("Imported %1 people from %2.").arg(result.added).arg(QFileInfo(m_table->file).fileName()));
    }
}

void frmImportPeople::btnLoadMapping_clicked()
{
    FileRequest request;
    request.kind = kOpen;
    request.caption = tr("Load Mapping");
    request.filters = { tr("Column Mappings (*.json)") };
    const QString chosen = chooseFile(this, request);
    if (!chosen.isEmpty())
        fillMapping(ImportMapping::load(chosen));
}

void frmImportPeople::btnSaveMapping_clicked()
{
    FileRequest request;
    request.kind = FileRequest::Kind::Save;
    request.caption = tr("Save Mapping");
    request.filters = { tr("Column Mappings (*.json)") };
    const QString chosen = chooseFile(this, request);
    if (!chosen.isEmpty())
        mappingFromScreen().save(chosen);
}

} // namespace pw::admin
