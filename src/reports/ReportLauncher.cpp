#include "reports/ReportLauncher.h"

#include "app/Permissions.h"
#include "app/Workspace.h"
#include "data/Database.h"
#include "data/Sql.h"
#include "reports/BatchPrint.h"
#include "reports/ProgressDialog.h"
#include "reports/Reports.h"
#include "ui_ReportLauncher.h"
#include "widgets/Context.h"
#include "widgets/FormHelpers.h"
#include "widgets/Guard.h"
#include "widgets/Messages.h"
#include "widgets/PickList.h"

#include <QSqlQuery>
#include <memory>

namespace pw::reports {

namespace {

    QString byFullName() { return QStringLiteral(" ORDER BY ") + sql::orderByName() + QStringLiteral(", ID"); }

    QList<qint64> ids(const QString& sqlText, const QVariantList& params) { return db().ids(sqlText, params); }

    // The chosen person was removed after the list was filled.
    void sayPersonGone(const LauncherChoice& choice, const QString& title)
    {
        messages().show(ReportLauncher::tr("\"%1\" is no longer in the database, perhaps removed at another "
                                           "workstation, so no sheet was made.")
                            .arg(choice.text.trimmed()),
            title);
    }

    ReportPtr updateSheet(qint64 id)
    {
        ReportData data = memberInfoUpdateData(id);
        if (data.main.rows.empty())
            return nullptr;
        return std::make_shared<const Report>(std::move(data));
    }

} // namespace

LauncherSetup visitationSheetLauncher()
{
    return { QStringLiteral("frmProspectVisitationSheetReport"), ReportLauncher::tr("Prospect Visitation Sheet"),
        perm::VisitationSheetReport, false, [](ReportLauncher& screen, const LauncherChoice& choice) {
            if (!PrintVisitationSheet(choice.id, true))
                sayPersonGone(choice, screen.windowTitle());
        } };
}

LauncherSetup memberInfoUpdateLauncher()
{
    return { QStringLiteral("frmMemberInformationUpdateReport"), ReportLauncher::tr("Member Information Update Report"),
        perm::MemberInfoUpdateReport, true, [](ReportLauncher& screen, const LauncherChoice& choice) {
            SheetBatch batch;
            batch.ids = updateReportMembers(choice.text, choice.id);
            if (batch.ids.isEmpty() && choice.id > 0) {
                sayPersonGone(choice, screen.windowTitle());
                return;
            }
            batch.sheetFor = &updateSheet;
            batch.copies = 1;
            batch.title = screen.windowTitle();
            batch.sheets = ReportLauncher::tr("member information update sheets");
            batch.sheet = ReportLauncher::tr("member information update sheet");
            batch.pdfName = designTitle(Design::MemberInfoUpdate) + QStringLiteral(".pdf");
            printSheets(batch, &screen, progressDialog(&screen));
        } };
}

QList<qint64> updateReportMembers(const QString& choiceText, qint64 chosenId)
{
    if (choiceText == kAllHeadsOfHousehold)
        return ids(QStringLiteral("SELECT ID FROM Member WHERE ") + sql::textEquals(QStringLiteral("Status"))
                + QStringLiteral(" AND Head_Of_Household = 1") + byFullName(),
            { QStringLiteral("Member") });
    if (choiceText == kAllMembersAndChildren)
        return ids(QStringLiteral("SELECT ID FROM Member WHERE (") + sql::textEquals(QStringLiteral("Status"))
                + QStringLiteral(" OR ") + sql::textEquals(QStringLiteral("Status")) + QStringLiteral(")")
                + byFullName(),
            { QStringLiteral("Member"), QStringLiteral("Child Of Member") });
    return ids(QStringLiteral("SELECT ID FROM Member WHERE ID = ?"), { chosenId });
}

ReportLauncher::ReportLauncher(LauncherSetup setup, QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::ReportLauncher)
    , m_setup(std::move(setup))
{
    ui->setupUi(this);
    setObjectName(m_setup.windowName);
    setWindowTitle(m_setup.caption);
    setFocusProxy(ui->cmbProspect);
    setDefaultButton(this, ui->btnOK);
    setCancelButton(this, ui->btnCancel);
    attachTypeAhead(ui->cmbProspect);
    connect(ui->btnOK, &QPushButton::clicked, this, [this] { guarded([this] { btnOK_clicked(); }); });
    connect(ui->btnCancel, &QPushButton::clicked, this, [this] { btnCancel_clicked(); });
    guarded([this] { fillPeople(Choice::Clear); });
    // People added elsewhere join the list; the one chosen stays chosen.
    if (Workspace* w = workspace())
        connect(w, &Workspace::membersChanged, this, [this] { guarded([this] { fillPeople(Choice::Keep); }); });
}

void ReportLauncher::fillPeople(Choice choice)
{
    BusyCursor busy;
    QVector<PickItem> groups;
    if (m_setup.groupEntries)
        groups = { { tr("***All Head of Household***"), 0 }, { tr("***All Members & Child of Members***"), 0 } };
    fillPeopleList(ui->cmbProspect, NameForm::WithTitle, People::Everyone, choice, groups);
}

ReportLauncher::~ReportLauncher() { delete ui; }

bool ReportLauncher::mayRun() const
{
    if (!requirePermission(m_setup.permission, refusal::RunReport))
        return false;
    if (ui->cmbProspect->currentIndex() < 0) {
        messages().show(tr("You must select a Prospect."), tr("Invalid Selection"), Icon::None);
        return false;
    }
    return true;
}

void ReportLauncher::btnOK_clicked()
{
    if (!mayRun())
        return;
    {
        BusyCursor busy;
        // The group entries lead the list and are shown translated; the run
        // knows them by their keys.
        QString text = ui->cmbProspect->currentText();
        const int index = ui->cmbProspect->currentIndex();
        if (m_setup.groupEntries && index == 0)
            text = kAllHeadsOfHousehold;
        else if (m_setup.groupEntries && index == 1)
            text = kAllMembersAndChildren;
        if (m_setup.run)
            m_setup.run(*this, { text, selectedId(ui->cmbProspect) });
    }
    closeScreen(this);
}

void ReportLauncher::btnCancel_clicked() { closeScreen(this); }

} // namespace pw::reports
