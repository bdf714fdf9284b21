#include "giving/frmImportGifts.h"

#include "app/Permissions.h"
#include "app/Workspace.h"
#include "data/Clock.h"
#include "giving/GiftImport.h"
#include "widgets/Context.h"
#include "widgets/FileChooser.h"
#include "widgets/FormHelpers.h"
#include "widgets/Guard.h"
#include "widgets/Messages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace pw::giving {

frmImportGifts::frmImportGifts(QWidget* parent)
    : QWidget(parent)
    , txtFile(named(new QLineEdit, "txtFile"))
    , btnChoose(named(new QPushButton(tr("&Choose File...")), "btnChoose"))
    , tblMapping(named(new QTableWidget(0, 3), "tblMapping"))
    , chkCreateFunds(named(new QCheckBox(tr("Create the &funds the church lacks")), "chkCreateFunds"))
    , txtPreview(named(new QPlainTextEdit, "txtPreview"))
    , btnImport(named(new QPushButton(tr("&Import")), "btnImport"))
    , btnExit(named(new QPushButton(tr("E&xit")), "btnExit"))
{
    setObjectName(QStringLiteral("frmImportGifts"));
    setWindowTitle(tr("Import Gifts"));
    txtFile->setReadOnly(true);
    showAsReadOnly(txtFile);
    txtPreview->setReadOnly(true);
    txtPreview->setMinimumSize(560, 240);
    txtPreview->setPlaceholderText(tr("Choose the CSV file an online-giving service exported: what the "
                                      "import would do shows here before anything is written."));
    auto* file = new QHBoxLayout;
    file->addWidget(new QLabel(tr("File")));
    file->addWidget(txtFile, 1);
    file->addWidget(btnChoose);
    tblMapping->setHorizontalHeaderLabels({ tr("Column"), tr("First Value"), tr("Gift Field") });
    tblMapping->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tblMapping->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblMapping->setMinimumHeight(140);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnImport);
    buttons->addWidget(btnExit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(file);
    layout->addWidget(tblMapping);
    layout->addWidget(chkCreateFunds);
    layout->addWidget(txtPreview, 1);
    layout->addLayout(buttons);
    btnImport->setEnabled(false);
    setCancelButton(this, btnExit);

    connect(btnChoose, &QPushButton::clicked, this, [this] { guarded([this] { btnChoose_clicked(); }); });
    connect(chkCreateFunds, &QCheckBox::toggled, this, [this] { guarded([this] { preview(); }); });
    connect(btnImport, &QPushButton::clicked, this, [this] { guarded([this] { btnImport_clicked(); }); });
    connect(btnExit, &QPushButton::clicked, this, [this] { closeScreen(this); });
}

void frmImportGifts::btnChoose_clicked()
{
    FileRequest request;
    request.kind = FileRequest::Kind::Open;
    request.caption = tr("Choose the Gifts to Import");
    request.path = txtFile->text().isEmpty() ? QDir::homePath() : txtFile->text();
    request.filters = { tr("CSV Files (*.csv *.txt)"), tr("All Files (*)") };
    const QString chosen = chooseFile(this, request);
    if (chosen.isEmpty())
        return;
    txtFile->setText(QDir::toNativeSeparators(chosen));
    btnImport->setEnabled(false);
    txtPreview->clear();
    {
        BusyCursor busy;
        m_table = std::make_unique<people::CsvTable>(people::readCsvFile(chosen));
    }
    fillMapping();
    preview();
}

namespace {
    // The fields a column may fill, as the grid offers them.
    const std::vector<std::pair<const char*, const char*>>& giftFields()
    {
        static const std::vector<std::pair<const char*, const char*>> fields = {
            { "date", QT_TRANSLATE_NOOP("pw::giving::frmImportGifts", "Date") },
            { "amount", QT_TRANSLATE_NOOP("pw::giving::frmImportGifts", "Amount") },
            { "fund", QT_TRANSLATE_NOOP("pw::giving::frmImportGifts", "Fund") },
            { "name", QT_TRANSLATE_NOOP("pw::giving::frmImportGifts", "Name") },
            { "firstName", QT_TRANSLATE_NOOP("pw::giving::frmImportGifts", "First Name") },
            { "lastName", QT_TRANSLATE_NOOP("pw::giving::frmImportGifts", "Last Name") },
            { "email", QT_TRANSLATE_NOOP("pw::giving::frmImportGifts", "E-mail") },
            { "envelope", QT_TRANSLATE_NOOP("pw::giving::frmImportGifts", "Envelope") },
            { "address", QT_TRANSLATE_NOOP("pw::giving::frmImportGifts", "Address") },
            { "method", QT_TRANSLATE_NOOP("pw::giving::frmImportGifts", "Method") },
            { "reference", QT_TRANSLATE_NOOP("pw::giving::frmImportGifts", "Reference") },
        };
        return fields;
    }
} // namespace

void frmImportGifts::fillMapping()
{
    const GiftMapping mapping = GiftMapping::guess(m_table->header);
    tblMapping->setRowCount(0);
    tblMapping->setRowCount(int(m_table->header.size()));
    for (int i = 0; i < m_table->header.size(); ++i) {
        const QString& name = m_table->header.at(i);
        tblMapping->setItem(i, 0, new QTableWidgetItem(name));
        const QString first = m_table->rows.isEmpty() || m_table->rows.first().cells.size() <= i
            ? QString()
            : m_table->rows.first().cells.at(i);
        tblMapping->setItem(i, 1, new QTableWidgetItem(first.simplified()));
        auto* combo = new QComboBox(tblMapping);
        combo->setObjectName(QStringLiteral("cmbField%1").arg(i));
        combo->addItem(tr("(ignore)"), QString());
        for (const auto& [key, caption] : giftFields())
            combo->addItem(
                QCoreApplication::translate("pw::giving::frmImportGifts", caption), QString::fromLatin1(key));
        combo->setCurrentIndex(std::max(0, combo->findData(mapping.columns.value(name))));
        tblMapping->setCellWidget(i, 2, combo);
        connect(combo, qOverload<int>(&QComboBox::activated), this, [this] { guarded([this] { preview(); }); });
    }
}

GiftMapping frmImportGifts::mappingFromScreen() const
{
    GiftMapping mapping;
    for (int i = 0; i < tblMapping->rowCount(); ++i) {
        const auto* combo = qobject_cast<QComboBox*>(tblMapping->cellWidget(i, 2));
        const QString key = combo ? combo->currentData().toString() : QString();
        // A field goes to the first column chosen for it.
        if (!key.isEmpty() && mapping.columnFor(key).isEmpty())
            mapping.columns.insert(tblMapping->item(i, 0)->text(), key);
    }
    return mapping;
}

void frmImportGifts::preview()
{
    if (!m_table)
        return;
    btnImport->setEnabled(false);
    BusyCursor busy;
    const GiftImportPlan plan = planGiftImport(db(), *m_table, mappingFromScreen(), chkCreateFunds->isChecked());
    txtPreview->setPlainText(giftImportReport(plan, nullptr));
    btnImport->setEnabled(plan.toImport() > 0);
}

void frmImportGifts::btnImport_clicked()
{
    if (!requirePermission(perm::GivingEntry, refusal::Save))
        return;
    GiftImportPlan plan;
    GiftImportResult result;
    QString backupPath;
    {
        BusyCursor busy;
        // The file as it is now: it may have been written again since it was chosen.
        const people::CsvTable table = people::readCsvFile(m_table->file);
        backupPath = backUpBeforeGiftImport(db(), clock(), ctx().settings.pictureFolder);
        result = runGiftImport(
            db(), table, mappingFromScreen(), chkCreateFunds->isChecked(), ctx().user.username, clock().now(), &plan);
    }
    txtPreview->setPlainText(giftImportReport(plan, &result, backupPath));
    btnImport->setEnabled(false);
    showStatus(result.batchId > 0 ? tr("Imported %1 gift(s).").arg(plan.toImport()) : tr("Nothing was imported."));
    if (Workspace* w = workspace())
        emit w->lookupsChanged();
}

} // namespace pw::giving
