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
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pw::giving {

namespace {
    const QString kCaption = QStringLiteral("Import Gifts");
}

frmImportGifts::frmImportGifts(QWidget* parent)
    : QWidget(parent)
    , txtFile(named(new QLineEdit, "txtFile"))
    , btnChoose(named(new QPushButton(QStringLiteral("&Choose File...")), "btnChoose"))
    , chkCreateFunds(named(new QCheckBox(QStringLiteral("Create the &funds the church lacks")), "chkCreateFunds"))
    , txtPreview(named(new QPlainTextEdit, "txtPreview"))
    , btnImport(named(new QPushButton(QStringLiteral("&Import")), "btnImport"))
    , btnExit(named(new QPushButton(QStringLiteral("E&xit")), "btnExit"))
{
    setObjectName(QStringLiteral("frmImportGifts"));
    setWindowTitle(kCaption);
    txtFile->setReadOnly(true);
    showAsReadOnly(txtFile);
    txtPreview->setReadOnly(true);
    txtPreview->setMinimumSize(560, 240);
    txtPreview->setPlaceholderText(QStringLiteral("Choose the CSV file an online-giving service exported: what the "
                                                  "import would do shows here before anything is written."));
    auto* file = new QHBoxLayout;
    file->addWidget(new QLabel(QStringLiteral("File")));
    file->addWidget(txtFile, 1);
    file->addWidget(btnChoose);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnImport);
    buttons->addWidget(btnExit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(file);
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
    request.caption = QStringLiteral("Choose the Gifts to Import");
    request.path = txtFile->text().isEmpty() ? QDir::homePath() : txtFile->text();
    request.filters = { QStringLiteral("CSV Files (*.csv *.txt)"), QStringLiteral("All Files (*)") };
    const QString chosen = chooseFile(this, request);
    if (chosen.isEmpty())
        return;
    txtFile->setText(QDir::toNativeSeparators(chosen));
    btnImport->setEnabled(false);
    txtPreview->clear();
    preview();
}

void frmImportGifts::preview()
{
    if (txtFile->text().isEmpty())
        return;
    BusyCursor busy;
    const people::CsvTable table = people::readCsvFile(QDir::fromNativeSeparators(txtFile->text()));
    const GiftImportPlan plan
        = planGiftImport(db(), table, GiftMapping::guess(table.header), chkCreateFunds->isChecked());
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
        const people::CsvTable table = people::readCsvFile(QDir::fromNativeSeparators(txtFile->text()));
        backupPath = backUpBeforeGiftImport(db(), clock(), ctx().settings.pictureFolder);
        result = runGiftImport(db(), table, GiftMapping::guess(table.header), chkCreateFunds->isChecked(),
            ctx().user.username, clock().now(), &plan);
    }
    txtPreview->setPlainText(giftImportReport(plan, &result, backupPath));
    btnImport->setEnabled(false);
    showStatus(result.batchId > 0 ? QStringLiteral("Imported %1 gift(s).").arg(plan.toImport())
                                  : QStringLiteral("Nothing was imported."));
    if (Workspace* w = workspace())
        emit w->lookupsChanged();
}

} // namespace pw::giving
