#include "members/FamilyPanel.h"

#include "app/Permissions.h"
#include "app/Workspace.h"
#include "data/Households.h"
#include "ui_FamilyPanel.h"
#include "widgets/Context.h"
#include "widgets/FormHelpers.h"
#include "widgets/Formats.h"
#include "widgets/Guard.h"
#include "widgets/Messages.h"
#include "widgets/Phone.h"
#include "widgets/PickList.h"
#include "widgets/ResultGrid.h"
#include "widgets/SharedLists.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

namespace pw::members {

namespace {
    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(FamilyPanel)
    };

    QStringList columns()
    {
        return { Tr::tr("ID"), Tr::tr("Name"), Tr::tr("Relationship"), Tr::tr("Status"), Tr::tr("Member Status"),
            Tr::tr("Prospect Status"), Tr::tr("Phone"), Tr::tr("Gender"), Tr::tr("DOB") };
    }
    enum Column { ColId = 0, ColRelationship = 2 };

    // The person as the relative list shows it, without the padding of empty parts.
    QString shownName(const QString& listText) { return listText.simplified(); }
} // namespace

FamilyPanel::FamilyPanel(QWidget* parent)
    : QGroupBox(parent)
    , ui(new Ui::FamilyPanel)
    , m_model(new ResultModel(this))
{
    ui->setupUi(this);
    m_model->setColumns(columns());
    setupResultGrid(ui->vsfgFamilyMembers, m_model);
    fitColumns(ui->vsfgFamilyMembers);
    // These lists keep the combo box's own first-letter search.
    ui->vsfgFamilyMembers->installEventFilter(this);

    connect(
        ui->btnAddFamMember, &QPushButton::clicked, this, [this] { guarded([this] { btnAddFamMember_clicked(); }); });
    connect(ui->btnRemoveFamMember, &QPushButton::clicked, this,
        [this] { guarded([this] { btnRemoveFamMember_clicked(); }); });
    connect(ui->btnNewFamMember, &QPushButton::clicked, this, [this] { emit newFamilyMemberRequested(); });
    ui->lblJoinsHousehold->hide();
    connect(ui->vsfgFamilyMembers->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
        [this](const QModelIndex& current) { vsfgFamilyMembers_currentRowChanged(current.row()); });
    connect(ui->vsfgFamilyMembers, &QAbstractItemView::doubleClicked, this,
        [this](const QModelIndex& index) { guarded([this, index] { openRow(index.row()); }); });
}

FamilyPanel::~FamilyPanel() { delete ui; }

void FamilyPanel::bind(QLineEdit* memberId, QCheckBox* headOfHousehold)
{
    m_memberId = memberId;
    m_headOfHousehold = headOfHousehold;
}

qint64 FamilyPanel::memberId() const
{
    if (!m_memberId)
        return 0;
    bool ok = false;
    const qint64 id = m_memberId->text().trimmed().toLongLong(&ok);
    return ok && id > 0 ? id : 0;
}

bool FamilyPanel::isHead() const { return m_headOfHousehold && m_headOfHousehold->isChecked(); }

void FamilyPanel::reloadLists()
{
    BusyCursor busy;
    fillPeopleList(ui->cmbMemberAdd, NameForm::WithTitle, People::NotHeadsOfHousehold, Choice::Keep);
    fillTextList(ui->cmbRelationship, listTexts(SharedLists::List::Relationships), Choice::Keep);
}

void FamilyPanel::showJoiningHousehold(const QString& headName)
{
    ui->lblJoinsHousehold->setText(headName.isEmpty()
            ? QString()
            : tr("Saving adds this person to the household of %1 as the \"Relationship\" chosen above.").arg(headName));
    ui->lblJoinsHousehold->setVisible(!headName.isEmpty());
}

QString FamilyPanel::chosenRelationship() const
{
    return ui->cmbRelationship->currentIndex() >= 0 ? ui->cmbRelationship->currentText() : QString();
}

QWidget* FamilyPanel::relationshipBox() const { return ui->cmbRelationship; }

void FamilyPanel::clear()
{
    ui->cmbMemberAdd->setCurrentIndex(-1);
    ui->cmbRelationship->setCurrentIndex(-1);
    m_shown.clear();
    m_shownFor = 0;
    m_model->setColumns(columns());
    fitColumns(ui->vsfgFamilyMembers);
}

void FamilyPanel::loadFamilyMembers()
{
    // The view follows the head of household box as it is now: a head sees
    // the relatives, anyone else sees the heads who list them.
    const bool head = isHead();
    const qint64 id = memberId();
    QVector<QStringList> rows;
    m_shown = id > 0 ? familyRows(db(), id, head) : std::vector<FamilyRow>();
    m_shownFor = id;
    m_shownAsHead = head;
    if (id > 0) {
        for (const FamilyRow& r : m_shown) {
            rows.append({ r.id > 0 ? QString::number(r.id) : QString(),
                personNameWithTitle(r.lastName, r.firstName, r.middleName, r.title),
                head ? r.relationship : tr("Head of Household"), r.status, r.memberActiveStatus, r.prospectActiveStatus,
                phoneBoxText(r.phone), r.gender, formats::dateText(r.dateOfBirth) });
        }
    }
    m_model->setColumns(columns());
    m_model->setRows(std::move(rows));
    fitColumns(ui->vsfgFamilyMembers);
}

void FamilyPanel::vsfgFamilyMembers_currentRowChanged(int row)
{
    // In a head's view the chosen row names the connection for Remove, or for
    // Add with another relationship.
    if (row < 0 || row >= m_model->rowCount() || !isHead())
        return;
    if (!selectById(ui->cmbMemberAdd, m_model->idAt(row)))
        ui->cmbMemberAdd->setCurrentIndex(-1); // the relative has since become a head
    ui->cmbRelationship->setCurrentIndex(
        ui->cmbRelationship->findText(m_model->textAt(row, ColRelationship), Qt::MatchFixedString));
}

void FamilyPanel::openRow(int row)
{
    const qint64 id = m_model->idAt(row);
    if (id > 0)
        emit openMemberRequested(id);
}

bool FamilyPanel::eventFilter(QObject* watched, QEvent* event)
{
    // Enter on a chosen row opens that person, as a double-click does.
    if (watched == ui->vsfgFamilyMembers && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const int row = ui->vsfgFamilyMembers->currentIndex().row();
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && key->modifiers() == Qt::NoModifier
            && row >= 0) {
            guarded([this, row] { openRow(row); });
            return true;
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

std::optional<QStringList> FamilyPanel::shownRelationships(qint64 id, qint64 relativeId) const
{
    if (!m_shownAsHead || m_shownFor != id || id <= 0)
        return std::nullopt;
    QStringList relationships;
    for (const FamilyRow& r : m_shown)
        if (r.id == relativeId)
            relationships.append(r.relationship);
    return relationships;
}

void FamilyPanel::showChangedElsewhere()
{
    loadFamilyMembers();
    messages().show(tr("The family members of this person were changed at another workstation after the list was "
                       "shown, so nothing was changed.\n\nThe list now shows them as they are; check it and try "
                       "again."),
        QStringLiteral("Pewlark"), Icon::Warning);
}

void FamilyPanel::btnAddFamMember_clicked()
{
    if (!requirePermission(perm::MemberEntry, refusal::Save))
        return;
    const qint64 id = memberId();
    const qint64 relativeId = selectedId(ui->cmbMemberAdd);
    const QString relationship
        = ui->cmbRelationship->currentIndex() >= 0 ? ui->cmbRelationship->currentText() : QString();
    if (id <= 0 || relativeId <= 0 || relationship.isEmpty()) {
        messages().show(tr("You must have a current member, relative member, and relationship selected."),
            tr("Required Info"), Icon::None);
        return;
    }
    // Only a head lists relatives: a row written for anyone else would not
    // be in the grid, which then shows the heads who list this person.
    if (!isHead()) {
        messages().show(tr("Family members are listed under the head of household. Tick \"Head of "
                           "Household\" for this person, or add the family member on the record of the "
                           "head of household."),
            tr("Invalid Selection"), Icon::None);
        return;
    }
    if (relativeId == id) {
        messages().show(tr("A person cannot be his or her own family member. Choose another person in "
                           "\"Member\"."),
            tr("Invalid Selection"), Icon::None);
        return;
    }
    // In a head's view the grid shows the pair's row (or none): the change is
    // made only when the stored pair is still what the grid shows, so that a
    // relationship another workstation set meanwhile is not overwritten
    // unseen. A grid filled before the box was ticked does not show the
    // pair; the change is made as asked.
    const std::optional<QStringList> shown = shownRelationships(id, relativeId);
    std::vector<FamilyRow> expected = m_shown;
    if (shown && shown->size() <= 1) {
        if (Households::setShownConnection(db(), id, relativeId, relationship, shown->value(0))
            == Households::Change::Stale) {
            showChangedElsewhere();
            return;
        }
    } else {
        Households::setConnection(db(), id, relativeId, relationship);
    }
    if (shown) {
        expected.erase(std::remove_if(expected.begin(), expected.end(),
                           [relativeId](const FamilyRow& r) { return r.id == relativeId; }),
            expected.end());
        FamilyRow added;
        added.id = relativeId;
        added.relationship = relationship;
        expected.push_back(added);
    }
    const QString name = shownName(ui->cmbMemberAdd->currentText());
    ui->cmbMemberAdd->setCurrentIndex(-1);
    ui->cmbRelationship->setCurrentIndex(-1);
    loadFamilyMembers();
    showStatus(tr("Saved family member %1 (%2).%3")
                   .arg(name, relationship,
                       Households::sameConnections(expected, m_shown)
                           ? QString()
                           : tr(" The list also shows changes made at another workstation.")));
}

void FamilyPanel::btnRemoveFamMember_clicked()
{
    if (!requirePermission(perm::MemberEntry, refusal::Remove))
        return;
    if (messages().ask(tr("Are you sure you want to remove the selected Relationship?"), tr("Remove Confirmation"))
        != Answer::Yes)
        return;
    const qint64 id = memberId();
    const qint64 relativeId = selectedId(ui->cmbMemberAdd);
    // Nobody on screen or no relative chosen: nothing names a connection.
    if (id <= 0 || relativeId <= 0) {
        loadFamilyMembers();
        return;
    }
    // In a head's view only the row the grid shows is removed; a row another
    // workstation added or changed meanwhile stays, and the user is told.
    int removed = 0;
    const std::optional<QStringList> shown = shownRelationships(id, relativeId);
    if (shown && shown->isEmpty()) {
        // The grid shows no such row; one that is there now was added at
        // another workstation and is not the user's to remove unseen.
        const std::vector<FamilyRow> now = familyRows(db(), id, true);
        if (std::any_of(now.begin(), now.end(), [relativeId](const FamilyRow& r) { return r.id == relativeId; })) {
            showChangedElsewhere();
            return;
        }
    } else if (shown && shown->size() == 1) {
        if (Households::removeShownConnection(db(), id, relativeId, shown->first()) == Households::Change::Stale) {
            showChangedElsewhere();
            return;
        }
        removed = 1;
    } else {
        removed = Households::removeConnection(db(), id, relativeId);
    }
    const QString name = shownName(ui->cmbMemberAdd->currentText());
    loadFamilyMembers();
    if (removed > 0)
        showStatus(tr("Removed family member %1.").arg(name));
}

} // namespace pw::members
