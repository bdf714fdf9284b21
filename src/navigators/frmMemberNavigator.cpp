#include "navigators/frmMemberNavigator.h"

#include "app/Permissions.h"
#include "app/Workspace.h"
#include "attendance/SinceCriterionBox.h"
#include "data/Clock.h"
#include "directory/frmChurchDirectory.h"
#include "giving/frmContributionStatements.h"
#include "navigators/EmailPeople.h"
#include "navigators/NavigatorScreen.h"
#include "reports/ProgressDialog.h"
#include "reports/Reports.h"
#include "ui_frmMemberNavigator.h"
#include "widgets/Context.h"
#include "widgets/FormHelpers.h"
#include "widgets/GridExport.h"
#include "widgets/Guard.h"
#include "widgets/Messages.h"
#include "widgets/PickList.h"
#include "widgets/ResultGrid.h"
#include "widgets/SharedLists.h"

#include <QAction>
#include <QLabel>

namespace pw::navigators {

frmMemberNavigator::frmMemberNavigator(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::frmMemberNavigator)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("frmMemberNavigator"));
    setFocusProxy(ui->txtName);
    setDefaultButton(this, ui->btnFind);

    m_members = setupNavigatorGrid(ui->vsfgMembers, QStringLiteral("Members"), true);
    email::installEmailCommands(ui->vsfgMembers, m_members, ui->layoutFrame2);
    // The statements of the people found, for a treasurer (giving is seen
    // only with "Giving View").
    if (HasPermission(perm::GivingView)) {
        auto* statements = new QAction(tr("Contribution Statements..."), ui->vsfgMembers);
        statements->setObjectName(QStringLiteral("actContributionStatements"));
        ui->vsfgMembers->addAction(statements);
        connect(statements, &QAction::triggered, this, [this] {
            guarded([this] {
                const QList<qint64> found = idsInGridOrder(*m_members);
                if (found.isEmpty()) {
                    messages().show(tr("No people are listed."), tr("Contribution Statements"));
                    return;
                }
                if (auto* w = qobject_cast<giving::frmContributionStatements*>(
                        workspace()->open(QStringLiteral("frmContributionStatements"))))
                    w->showPeople(found);
            });
        });
    }
    // A church directory of the people found.
    if (HasPermission(perm::MemberView)) {
        auto* directory = new QAction(tr("Church Directory..."), ui->vsfgMembers);
        directory->setObjectName(QStringLiteral("actChurchDirectory"));
        ui->vsfgMembers->addAction(directory);
        connect(directory, &QAction::triggered, this, [this] {
            guarded([this] {
                const QList<qint64> found = idsInGridOrder(*m_members);
                if (found.isEmpty()) {
                    messages().show(tr("No people are listed."), tr("Church Directory"));
                    return;
                }
                if (auto* w = qobject_cast<directory::frmChurchDirectory*>(
                        workspace()->open(QStringLiteral("frmChurchDirectory"))))
                    w->showPeople(found);
            });
        });
    }
    // Attendance, on a row of its own below the other criteria.
    m_attended = new attendance::SinceCriterionBox(this);
    const int attendedRow = ui->gridCriteria->rowCount();
    ui->gridCriteria->addWidget(new QLabel(tr("Attendance"), this), attendedRow, 0);
    ui->gridCriteria->addWidget(m_attended, attendedRow, 1, 1, 3);
    attachTypeAhead({ ui->cmbStatus, ui->cmbChurchStatus, ui->cmbProspectStatus, ui->cmbSSClass, ui->cmbDiscClass,
        ui->cmbWedClass, ui->cmbCG, ui->cmbDeacon, ui->cmbResponsibility, ui->cmbDobAnniv });
    tickOnUserChange(ui->chkMemberSince, { ui->dtStartDate, ui->dtEndDate });
    keepQuick(this);
    m_households = std::make_unique<HouseholdChoiceControls>(ui->layoutPrintButtons, 2, ui->btnPrintList);

    connect(ui->btnFind, &QPushButton::clicked, this, [this] { guarded([this] { UpdateGrids(); }); });
    connect(ui->btnClear, &QPushButton::clicked, this, [this] { guarded([this] { btnClear_clicked(); }); });
    connect(ui->btnExit, &QPushButton::clicked, this, [this] { closeScreen(this); });
    connect(ui->btnPrintList, &QPushButton::clicked, this,
        [this] { guarded([this] { printList(this, *m_members, *m_households, reports::Design::MemberList); }); });
    connect(ui->btnPrintMailingLabels, &QPushButton::clicked, this,
        [this] { guarded([this] { printLabels(this, *m_members, *m_households); }); });
    // A person or responsibility saved on the member screen: the lists show it.
    if (Workspace* w = workspace()) {
        connect(w, &Workspace::membersChanged, this, [this] { guarded([this] { LoadSearchValues(); }); });
        // A class, group or responsibility saved elsewhere joins its list;
        // the criteria chosen and the people found stay.
        connect(w, &Workspace::lookupsChanged, this, [this] { guarded([this] { reloadPickLists(Choice::Keep); }); });
    }

    guarded([this] { LoadSearchValues(); });
}

frmMemberNavigator::~frmMemberNavigator() { delete ui; }

QSize frmMemberNavigator::sizeHint() const { return screenSize(this, QWidget::sizeHint()); }

void frmMemberNavigator::LoadSearchValues()
{
    BusyCursor busy;
    fillMonths(ui->cmbDobAnniv);
    fillYesNo(ui->cmbReceiveNL);
    fillYesNo(ui->cmbHOH);
    reloadPickLists(Choice::Clear);
    emptyGrid(ui->vsfgMembers, *m_members, memberGridColumns());
    showFound(false);
    setDatesQuietly({ ui->dtStartDate, ui->dtEndDate }, clock().today());
}

void frmMemberNavigator::reloadPickLists(Choice choice)
{
    BusyCursor busy;
    using L = SharedLists::List;
    fillTextList(ui->cmbStatus, listTexts(L::MemberStatuses), choice);
    fillTextList(ui->cmbChurchStatus, listTexts(L::ChurchStatuses), choice);
    fillTextList(ui->cmbProspectStatus, listTexts(L::ProspectStatuses), choice);
    fillTextList(ui->cmbResponsibility, listTexts(L::ResponsibilityNames), choice);
    fillPickList(ui->cmbSSClass, listItems(L::SundaySchoolClasses), choice);
    fillPickList(ui->cmbDiscClass, listItems(L::DiscipleshipClasses), choice);
    fillPickList(ui->cmbWedClass, listItems(L::WednesdayClasses), choice);
    fillPickList(ui->cmbCG, listItems(L::CareGroups), choice);
    fillPickList(ui->cmbDeacon, listItems(L::Deacons), choice);
}

MemberCriteria frmMemberNavigator::criteria() const
{
    MemberCriteria c;
    c.name = ui->txtName->text();
    c.memberSince = ui->chkMemberSince->isChecked();
    c.memberSinceFirst = ui->dtStartDate->date();
    c.memberSinceLast = ui->dtEndDate->date();
    c.search = ui->txtSearch->text();
    c.status = chosenText(ui->cmbStatus);
    c.churchStatus = chosenText(ui->cmbChurchStatus);
    c.prospectStatus = chosenText(ui->cmbProspectStatus);
    c.monthIndex = ui->cmbDobAnniv->currentIndex();
    c.mapSection = ui->txtMapSection->text();
    c.sundaySchoolClass = selectedId(ui->cmbSSClass);
    c.careGroup = selectedId(ui->cmbCG);
    c.discipleshipClass = selectedId(ui->cmbDiscClass);
    c.wednesdayClass = selectedId(ui->cmbWedClass);
    c.deacon = selectedId(ui->cmbDeacon);
    c.responsibility = chosenText(ui->cmbResponsibility);
    c.receiveNewsletter = chosenYesNo(ui->cmbReceiveNL);
    c.headOfHousehold = chosenYesNo(ui->cmbHOH);
    c.city = ui->txtCity->text();
    c.state = ui->txtState->text();
    c.zip = ui->txtZip->text();
    c.attended = m_attended->criterion();
    return c;
}

void frmMemberNavigator::UpdateGrids()
{
    BusyCursor busy;
    // The search empties the grid first: one that fails leaves an empty
    // grid, never the previous people under the new criteria.
    showFound(false);
    runSearch(*m_members, memberGridColumns(), memberSearch(criteria()));
    fitAfterSearch(this, ui->vsfgMembers);
    showFound(true);
}

QList<qint64> frmMemberNavigator::listedIds() const { return idsInGridOrder(*m_members); }

void frmMemberNavigator::btnClear_clicked()
{
    ui->txtName->clear();
    setDatesQuietly({ ui->dtStartDate, ui->dtEndDate }, clock().today());
    ui->txtSearch->clear();
    ui->txtMapSection->clear();
    for (QComboBox* combo : { ui->cmbStatus, ui->cmbChurchStatus, ui->cmbProspectStatus, ui->cmbDobAnniv,
             ui->cmbSSClass, ui->cmbCG, ui->cmbDiscClass, ui->cmbWedClass })
        combo->setCurrentIndex(-1);
    emptyGrid(ui->vsfgMembers, *m_members, memberGridColumns());
    showFound(false);
    ui->chkMemberSince->setChecked(false);
    for (QComboBox* combo : { ui->cmbDeacon, ui->cmbResponsibility, ui->cmbReceiveNL, ui->cmbHOH })
        combo->setCurrentIndex(-1);
    for (QLineEdit* box : { ui->txtCity, ui->txtState, ui->txtZip })
        box->clear();
    m_attended->clear();
}

void frmMemberNavigator::showFound(bool searched)
{
    ui->lblMembersFound->setText(searched ? peopleFoundText(m_members->rowCount()) : QString());
}

} // namespace pw::navigators
