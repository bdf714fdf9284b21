#include "app/frmWelcome.h"

#include "ui_frmWelcome.h"
#include "widgets/Context.h"
#include "widgets/FileChooser.h"
#include "widgets/FormHelpers.h"
#include "widgets/Guard.h"
#include "widgets/Messages.h"

#include <QDir>
#include <QFileInfo>

namespace pw {

frmWelcome::frmWelcome(const QString& configFile, welcome::Jobs jobs, QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::frmWelcome)
    , m_configFile(configFile)
    , m_jobs(std::move(jobs))
{
    ui->setupUi(this);
    ui->btnMoveIn->setEnabled(bool(m_jobs.moveIn));
    ui->btnDemo->setEnabled(bool(m_jobs.makeDemo));
    ui->txtServer->setPlaceholderText(QStringLiteral("postgresql://office-server/church"));
    ui->txtFile->setText(QDir(welcome::dataFolder()).filePath(QStringLiteral("church.sqlite")));
    txtFile_textChanged();

    connect(ui->btnCreate, &QPushButton::clicked, this, [this] { btnCreate_clicked(); });
    connect(ui->btnOpen, &QPushButton::clicked, this, [this] { guarded([this] { btnOpen_clicked(); }); });
    connect(ui->btnServer, &QPushButton::clicked, this, [this] { btnServer_clicked(); });
    connect(ui->btnMoveIn, &QPushButton::clicked, this, [this] { guarded([this] { btnMoveIn_clicked(); }); });
    connect(ui->btnDemo, &QPushButton::clicked, this, [this] { guarded([this] { btnDemo_clicked(); }); });
    connect(ui->btnQuit, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->btnBrowse, &QPushButton::clicked, this, [this] { btnBrowse_clicked(); });
    connect(
        ui->btnCreateChurch, &QPushButton::clicked, this, [this] { guarded([this] { btnCreateChurch_clicked(); }); });
    connect(ui->btnConnect, &QPushButton::clicked, this, [this] { guarded([this] { btnConnect_clicked(); }); });
    connect(ui->btnCreateBack, &QPushButton::clicked, this, [this] { showPage(ui->pageChoices, ui->btnCreate); });
    connect(ui->btnServerBack, &QPushButton::clicked, this, [this] { showPage(ui->pageChoices, ui->btnServer); });
    connect(ui->txtFile, &QLineEdit::textChanged, this, [this] { txtFile_textChanged(); });
    showPage(ui->pageChoices, ui->btnCreate);
}

frmWelcome::~frmWelcome() { delete ui; }

void frmWelcome::showPage(QWidget* page, QWidget* focus)
{
    ui->stkPages->setCurrentWidget(page);
    focus->setFocus();
    if (auto* button = qobject_cast<QPushButton*>(focus))
        button->setDefault(true);
}

void frmWelcome::txtFile_textChanged()
{
    const QString file = ui->txtFile->text().trimmed();
    ui->lblPictures->setText(file.isEmpty() ? QString() : QDir::toNativeSeparators(welcome::pictureFolderFor(file)));
}

// The configuration is written only after the church was made or checked, so
// a refusal leaves the file as it was.
void frmWelcome::keep(const ConfigValues& values)
{
    config::save(m_configFile, values);
    m_written = values;
    accept();
}

void frmWelcome::btnCreate_clicked()
{
    showPage(ui->pageCreate, ui->txtChurchName);
    ui->btnCreateChurch->setDefault(true);
}

void frmWelcome::btnServer_clicked()
{
    showPage(ui->pageServer, ui->txtServer);
    ui->btnConnect->setDefault(true);
}

void frmWelcome::btnBrowse_clicked()
{
    FileRequest request;
    request.kind = FileRequest::Kind::Save;
    request.caption = tr("The New Church File");
    request.path = ui->txtFile->text();
    request.filters = { tr("Pewlark Churches") + QStringLiteral(" (*.sqlite)") };
    const QString file = chooseFile(this, request);
    if (!file.isEmpty())
        ui->txtFile->setText(QDir::toNativeSeparators(file));
}

void frmWelcome::btnCreateChurch_clicked()
{
    welcome::NewChurch church;
    church.churchName = ui->txtChurchName->text();
    church.adminUsername = ui->txtAdminUsername->text();
    church.password = ui->txtPassword->text();
    church.passwordAgain = ui->txtPasswordAgain->text();
    church.file = QDir::fromNativeSeparators(ui->txtFile->text());
    BusyCursor busy;
    keep(welcome::createChurch(church, clock()));
}

void frmWelcome::btnOpen_clicked()
{
    FileRequest request;
    request.kind = FileRequest::Kind::Open;
    request.caption = tr("Open a Church File");
    request.path = welcome::dataFolder();
    request.filters
        = { tr("Pewlark Churches") + QStringLiteral(" (*.sqlite)"), tr("All Files") + QStringLiteral(" (*)") };
    const QString file = chooseFile(this, request);
    if (file.isEmpty())
        return;
    BusyCursor busy;
    keep(welcome::openChurch(file));
}

void frmWelcome::btnConnect_clicked()
{
    const QString location = ui->txtServer->text().trimmed();
    if (!location.startsWith(QLatin1String("postgresql://")) && !location.startsWith(QLatin1String("postgres://"))) {
        messages().show(tr("Please give the server's location in the form "
                           "postgresql://server/database."),
            tr("Welcome to Pewlark"), Icon::Warning);
        ui->txtServer->setFocus();
        return;
    }
    BusyCursor busy;
    keep(welcome::openChurch(location));
}

void frmWelcome::btnMoveIn_clicked()
{
    FileRequest request;
    request.kind = FileRequest::Kind::Open;
    request.caption = tr("The Older Program's Database");
    request.filters
        = { tr("Older Program Databases") + QStringLiteral(" (*.mdb)"), tr("All Files") + QStringLiteral(" (*)") };
    const QString oldFile = chooseFile(this, request);
    if (oldFile.isEmpty())
        return;
    QDir folder(welcome::dataFolder());
    folder.mkpath(QStringLiteral("."));
    QString target = folder.filePath(QFileInfo(oldFile).completeBaseName() + QStringLiteral(".sqlite"));
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = folder.filePath(QStringLiteral("%1-%2.sqlite").arg(QFileInfo(oldFile).completeBaseName()).arg(n));

    welcome::Jobs::Outcome outcome;
    {
        BusyCursor busy;
        outcome = m_jobs.moveIn(oldFile, target, [this](const QString& line) {
            ui->lblProgress->setText(line);
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        });
        ui->lblProgress->clear();
    }
    messages().show(outcome.report, tr("Move In"), outcome.succeeded ? Icon::Information : Icon::Warning);
    if (outcome.succeeded)
        keep(welcome::valuesForFile(target));
}

void frmWelcome::btnDemo_clicked()
{
    QString logins;
    ConfigValues values;
    {
        BusyCursor busy;
        ui->lblProgress->setText(tr("Making the demo church..."));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        values = welcome::makeDemo(m_jobs, &logins);
        ui->lblProgress->clear();
    }
    messages().show(logins, tr("The Demo Church"), Icon::Information);
    keep(values);
}

} // namespace pw
