#include "members/FamilyPanel.h"

#include "app/Context.h"
#include "app/FormHelpers.h"
#include "app/Guard.h"
#include "app/Messages.h"
#include "app/Permissions.h"
#include "app/PickList.h"
#include "app/ResultGrid.h"
#include "app/SharedLists.h"
#include "data/Households.h"
#include "ui_FamilyPanel.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace pw::members {

namespace {
    const QStringList kColumns = { QStringLiteral("ID"), QStringLiteral("Name"), QStringLiteral("Relationship"),
        QStringLiteral("Status"), QStringLiteral("Member Status"), QStringLiteral("Prospect Status"),
        QStringLiteral("Phone"), QStringLiteral("Gender"), QStringLiteral("DOB") };
    enum Column { ColId = 0, ColRelationship = 2 };
    const QString kHeadOfHousehold = QStringLiteral("Head of Household");
    const QString kDateFormat = QStringLiteral("MM/dd/yyyy");
} // namespace

FamilyPanel::FamilyPanel(QWidget* parent)
    : QGroupBox(parent)
    , ui(new Ui::FamilyPanel)
    , m_model(new ResultModel(this))
{
    ui->setupUi(this);
    m_model->setColumns(kColumns);
    setupResultGrid(ui->vsfgFamilyMembers, m_model);
    fitColumns(ui->vsfgFamilyMembers);
    // These lists keep the combo box's own first-letter search.
    ui->vsfgFamilyMembers->installEventFilter(this);

    connect(
        ui->btnAddFamMember, &QPushButton::clicked, this, [this] { guarded([this] { btnAddFamMember_clicked(); }); });
    connect(ui->btnRemoveFamMember, &QPushButton::clicked, this,
        [this] { guarded([this] { btnRemoveFamMember_clicked(); }); });
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

void FamilyPanel::clear()
{
    ui->cmbMemberAdd->setCurrentIndex(-1);
    ui->cmbRelationship->setCurrentIndex(-1);
    m_model->setColumns(kColumns);
    fitColumns(ui->vsfgFamilyMembers);
}

void FamilyPanel::loadFamilyMembers()
{
    // The view follows the head of household box as it is now: a head sees
    // the relatives, anyone else sees the heads who list them.
    const bool head = isHead();
    const qint64 id = memberId();
    QVector<QStringList> rows;
    if (id > 0) {
        for (const FamilyRow& r : familyRows(db(), id, head)) {
            rows.append({ r.id > 0 ? QString::number(r.id) : QString(),
                personNameWithTitle(r.lastName, r.firstName, r.middleName, r.title),
                head ? r.relationship : kHeadOfHousehold, r.status, r.memberActiveStatus, r.prospectActiveStatus,
                r.phone, r.gender, r.dateOfBirth.isValid() ? r.dateOfBirth.toString(kDateFormat) : QString() });
        }
    }
    m_model->setColumns(kColumns);
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

void FamilyPanel::btnAddFamMember_clicked()
{
    if (!requirePermission(perm::MemberEntry, refusal::Save))
        return;
    const qint64 id = memberId();
    const qint64 relativeId = selectedId(ui->cmbMemberAdd);
    const QString relationship
        = ui->cmbRelationship->currentIndex() >= 0 ? ui->cmbRelationship->currentText() : QString();
    if (id <= 0 || relativeId <= 0 || relationship.isEmpty()) {
        messages().show(QStringLiteral("You must have a current member, relative member, and relationship selected."),
            QStringLiteral("Required Info"), Icon::None);
        return;
    }
    Households::setConnection(db(), id, relativeId, relationship);
    ui->cmbMemberAdd->setCurrentIndex(-1);
    ui->cmbRelationship->setCurrentIndex(-1);
    loadFamilyMembers();
}

void FamilyPanel::btnRemoveFamMember_clicked()
{
    if (!requirePermission(perm::MemberEntry, refusal::Remove))
        return;
    if (messages().ask(QStringLiteral("Are you sure you want to remove the selected Relationship?"),
            QStringLiteral("Remove Confirmation"))
        != Answer::Yes)
        return;
    const qint64 id = memberId();
    const qint64 relativeId = selectedId(ui->cmbMemberAdd);
    // Nobody on screen or no relative chosen: nothing names a connection.
    if (id > 0 && relativeId > 0)
        Households::removeConnection(db(), id, relativeId);
    loadFamilyMembers();
}

} // namespace pw::members
