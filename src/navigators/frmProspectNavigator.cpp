#include "navigators/frmProspectNavigator.h"

#include "app/Permissions.h"
#include "app/Workspace.h"
#include "data/Clock.h"
#include "navigators/EmailPeople.h"
#include "navigators/NavigatorScreen.h"
#include "reports/ProgressDialog.h"
#include "reports/Reports.h"
#include "ui_frmProspectNavigator.h"
#include "widgets/Context.h"
#include "widgets/FormHelpers.h"
#include "widgets/GridExport.h"
#include "widgets/Guard.h"
#include "widgets/PickList.h"
#include "widgets/ResultGrid.h"
#include "widgets/SharedLists.h"

#include <QItemSelectionModel>

namespace pw::navigators {

frmProspectNavigator::frmProspectNavigator(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::frmProspectNavigator)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("frmProspectNavigator"));
    setFocusProxy(ui->cmbPhase);
    setDefaultButton(this, ui->btnFind);

    m_prospects = setupNavigatorGrid(ui->vsfgMembers, QStringLiteral("Prospects"), true);
    email::installEmailCommands(ui->vsfgMembers, m_prospects, ui->layoutFrame2);
    m_contacts = setupNavigatorGrid(ui->vsfgContact, QStringLiteral("Contacts"), false);
    attachTypeAhead({ ui->cmbNextAction, ui->cmbPrevAction, ui->cmbStatus, ui->cmbChurchStatus, ui->cmbProspectStatus,
        ui->cmbSSClass, ui->cmbCG, ui->cmbDobAnniv });
    tickOnUserChange(ui->chkNextDate, { ui->dtStartDate, ui->dtEndDate });
    tickOnUserChange(ui->chkPrevDate, { ui->dtStartDatePrev, ui->dtEndDatePrev });
    keepQuick(this);
    m_households = std::make_unique<HouseholdChoiceControls>(ui->layoutButtons, 0, ui->txtZip);

    connect(ui->btnFind, &QPushButton::clicked, this, [this] { guarded([this] { UpdateGrids(); }); });
    connect(ui->btnClear, &QPushButton::clicked, this, [this] { guarded([this] { btnClear_clicked(); }); });
    connect(ui->btnExit, &QPushButton::clicked, this, [this] { closeScreen(this); });
    connect(ui->btnPrintList, &QPushButton::clicked, this,
        [this] { guarded([this] { printList(this, *m_prospects, *m_households, reports::Design::ProspectList); }); });
    connect(ui->btnPrintMailingLabels, &QPushButton::clicked, this,
        [this] { guarded([this] { printLabels(this, *m_prospects, *m_households); }); });
    connect(ui->btnPrintPS, &QPushButton::clicked, this, [this] { guarded([this] { btnPrintPS_clicked(); }); });
    connect(ui->vsfgMembers->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
        [this] { guarded([this] { vsfgMembers_currentRowChanged(); }); });

    // A phase, class or group saved elsewhere joins its list; the criteria
    // chosen and the prospects found stay.
    if (Workspace* w = workspace())
        connect(w, &Workspace::lookupsChanged, this, [this] { guarded([this] { reloadPickLists(Choice::Keep); }); });

    guarded([this] { LoadSearchValues(); });
}

frmProspectNavigator::~frmProspectNavigator() { delete ui; }

QSize frmProspectNavigator::sizeHint() const { return screenSize(this, QWidget::sizeHint()); }

void frmProspectNavigator::LoadSearchValues()
{
    BusyCursor busy;
    ui->txtSearch->clear();
    const QDate today = clock().today();
    setDatesQuietly({ ui->dtStartDate, ui->dtEndDate }, today);
    ui->chkNextDate->setChecked(false);
    setDatesQuietly({ ui->dtStartDatePrev, ui->dtEndDatePrev }, today);
    ui->chkPrevDate->setChecked(false);
    reloadPickLists(Choice::Clear);
    fillMonths(ui->cmbDobAnniv);
    ui->txtMapSection->clear();
    clearProspects();
    clearContacts();
}

ProspectCriteria frmProspectNavigator::criteria() const
{
    ProspectCriteria c;
    c.phase = chosenText(ui->cmbPhase);
    c.name = ui->txtName->text();
    c.nextContact = ui->chkNextDate->isChecked();
    c.nextContactFirst = ui->dtStartDate->date();
    c.nextContactLast = ui->dtEndDate->date();
    c.nextAction = chosenText(ui->cmbNextAction);
    c.previousContact = ui->chkPrevDate->isChecked();
    c.previousContactFirst = ui->dtStartDatePrev->date();
    c.previousContactLast = ui->dtEndDatePrev->date();
    c.previousAction = chosenText(ui->cmbPrevAction);
    c.status = chosenText(ui->cmbStatus);
    c.churchStatus = chosenText(ui->cmbChurchStatus);
    c.prospectStatus = chosenText(ui->cmbProspectStatus);
    c.search = ui->txtSearch->text();
    c.sundaySchoolClass = selectedId(ui->cmbSSClass);
    c.careGroup = selectedId(ui->cmbCG);
    c.monthIndex = ui->cmbDobAnniv->currentIndex();
    c.mapSection = ui->txtMapSection->text();
    c.city = ui->txtCity->text();
    c.state = ui->txtState->text();
    c.zip = ui->txtZip->text();
    return c;
}

void frmProspectNavigator::UpdateGrids()
{
    BusyCursor busy;
    clearContacts();
    ui->lblProspectsFound->clear();
    runSearch(*m_prospects, prospectGridColumns(), prospectSearch(criteria()));
    fitAfterSearch(this, ui->vsfgMembers);
    ui->lblProspectsFound->setText(peopleFoundText(m_prospects->rowCount()));
}

void frmProspectNavigator::reloadPickLists(Choice choice)
{
    BusyCursor busy;
    using L = SharedLists::List;
    fillTextList(ui->cmbPhase, listTexts(L::OutreachPhases), choice);
    const QStringList actions = listTexts(L::ProspectActions);
    fillTextList(ui->cmbNextAction, actions, choice);
    fillTextList(ui->cmbPrevAction, actions, choice);
    fillTextList(ui->cmbStatus, listTexts(L::MemberStatuses), choice);
    fillTextList(ui->cmbChurchStatus, listTexts(L::ChurchStatuses), choice);
    fillTextList(ui->cmbProspectStatus, listTexts(L::ProspectStatuses), choice);
    fillPickList(ui->cmbSSClass, listItems(L::SundaySchoolClasses), choice);
    fillPickList(ui->cmbCG, listItems(L::CareGroups), choice);
}

QList<qint64> frmProspectNavigator::listedIds() const { return idsInGridOrder(*m_prospects); }

void frmProspectNavigator::vsfgMembers_currentRowChanged()
{
    const QModelIndex current = ui->vsfgMembers->currentIndex();
    if (!current.isValid())
        return;
    const qint64 prospect = m_prospects->idAt(current.row());
    // Emptied first, so a failed read shows no other prospect's contacts.
    clearContacts();
    runSearch(*m_contacts, contactGridColumns(), contactsOf(prospect));
    fitColumns(ui->vsfgContact);
    ui->lblContactsFound->setText(contactsFoundText(m_contacts->rowCount()));
}

void frmProspectNavigator::clearContacts()
{
    emptyGrid(ui->vsfgContact, *m_contacts, contactGridColumns());
    ui->lblContactsFound->clear();
}

void frmProspectNavigator::clearProspects()
{
    emptyGrid(ui->vsfgMembers, *m_prospects, prospectGridColumns());
    ui->lblProspectsFound->clear();
}

void frmProspectNavigator::btnClear_clicked()
{
    ui->txtName->clear();
    ui->chkNextDate->setChecked(false);
    const QDate today = clock().today();
    setDatesQuietly({ ui->dtStartDate, ui->dtEndDate }, today);
    ui->cmbNextAction->setCurrentIndex(-1);
    ui->chkPrevDate->setChecked(false);
    setDatesQuietly({ ui->dtStartDatePrev, ui->dtEndDatePrev }, today);
    for (QComboBox* combo : { ui->cmbPrevAction, ui->cmbStatus, ui->cmbChurchStatus, ui->cmbProspectStatus })
        combo->setCurrentIndex(-1);
    ui->txtSearch->clear();
    for (QComboBox* combo : { ui->cmbSSClass, ui->cmbCG, ui->cmbDobAnniv })
        combo->setCurrentIndex(-1);
    ui->txtMapSection->clear();
    clearProspects();
    clearContacts();
    ui->cmbPhase->setCurrentIndex(-1);
    for (QLineEdit* box : { ui->txtCity, ui->txtState, ui->txtZip })
        box->clear();
}

void frmProspectNavigator::btnPrintPS_clicked()
{
    if (!mayPrint(*m_prospects, perm::VisitationSheetReport))
        return;
    printVisitationSheets(this, listedIds());
}

} // namespace pw::navigators
