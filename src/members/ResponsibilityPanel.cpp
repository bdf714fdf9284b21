#include "members/ResponsibilityPanel.h"

#include "app/Permissions.h"
#include "app/Workspace.h"
#include "data/Clock.h"
#include "data/Responsibilities.h"
#include "ui_ResponsibilityPanel.h"
#include "widgets/Context.h"
#include "widgets/FormHelpers.h"
#include "widgets/Formats.h"
#include "widgets/Guard.h"
#include "widgets/Messages.h"
#include "widgets/PickList.h"
#include "widgets/ResultGrid.h"
#include "widgets/SharedLists.h"

#include <QCoreApplication>
#include <QLineEdit>

namespace pw::members {

namespace {
    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(ResponsibilityPanel)
    };

    QStringList columns() { return { Tr::tr("Name"), Tr::tr("Start"), Tr::tr("End"), Tr::tr("Description") }; }
    enum Column { ColName = 0 };
    using formats::dateText;

    // "Usher (01/01/2020 - 12/31/2020)" for the status line.
    QString rowText(const Responsibilities::ResponsibilityRow& row)
    {
        return QStringLiteral("%1 (%2 - %3)").arg(row.name, dateText(row.start), dateText(row.end));
    }
} // namespace

ResponsibilityPanel::ResponsibilityPanel(QWidget* parent)
    : QGroupBox(parent)
    , ui(new Ui::ResponsibilityPanel)
    , m_model(new ResultModel(this))
{
    ui->setupUi(this);
    m_model->setColumns(columns());
    setupResultGrid(ui->vsfgChurchResponsibilites, m_model);
    fitColumns(ui->vsfgChurchResponsibilites);
    for (QDateEdit* picker : { ui->dtRespStart, ui->dtRespEnd }) {
        if (ctx().clock)
            picker->setDate(clock().today());
    }

    connect(ui->btnAddResp, &QPushButton::clicked, this, [this] { guarded([this] { btnAddResp_clicked(); }); });
    connect(ui->btnRemoveResp, &QPushButton::clicked, this, [this] { guarded([this] { btnRemoveResp_clicked(); }); });
    connect(ui->vsfgChurchResponsibilites->selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this](const QModelIndex& current) { vsfgChurchResponsibilites_currentChanged(current.row()); });
}

ResponsibilityPanel::~ResponsibilityPanel() { delete ui; }

void ResponsibilityPanel::bind(QLineEdit* memberId) { m_memberId = memberId; }

qint64 ResponsibilityPanel::memberId() const
{
    if (!m_memberId)
        return 0;
    bool ok = false;
    const qint64 id = m_memberId->text().trimmed().toLongLong(&ok);
    return ok && id > 0 ? id : 0;
}

QString ResponsibilityPanel::chosenName() const
{
    return ui->cmbResp->currentIndex() >= 0 ? ui->cmbResp->currentText() : QString();
}

void ResponsibilityPanel::reloadLists()
{
    fillTextList(ui->cmbResp, listTexts(SharedLists::List::ResponsibilityNames), Choice::Keep);
}

void ResponsibilityPanel::clear()
{
    ui->cmbResp->setCurrentIndex(-1);
    ui->dtRespStart->setDate(clock().today());
    ui->dtRespEnd->setDate(clock().today());
    m_lines.clear();
    m_linesFor = 0;
    m_model->setColumns(columns());
    fitColumns(ui->vsfgChurchResponsibilites);
}

void ResponsibilityPanel::loadResponsibilities()
{
    QVector<QStringList> rows;
    const qint64 id = memberId();
    m_lines = id > 0 ? Responsibilities::linesOf(db(), id) : QVector<Responsibilities::ResponsibilityLine>();
    m_linesFor = id;
    for (const Responsibilities::ResponsibilityLine& line : m_lines)
        rows.append({ line.name, dateText(line.start), dateText(line.end), line.description });
    m_model->setColumns(columns());
    m_model->setRows(std::move(rows));
    fitColumns(ui->vsfgChurchResponsibilites);
}

void ResponsibilityPanel::vsfgChurchResponsibilites_currentChanged(int row)
{
    // The chosen row is named by the three controls for Remove.
    if (row < 0 || row >= m_model->rowCount())
        return;
    ui->cmbResp->setCurrentIndex(ui->cmbResp->findText(m_model->textAt(row, ColName), Qt::MatchFixedString));
    const Responsibilities::ResponsibilityLine line = m_lines.value(row);
    if (line.start.isValid())
        ui->dtRespStart->setDate(line.start);
    if (line.end.isValid())
        ui->dtRespEnd->setDate(line.end);
}

void ResponsibilityPanel::afterChange()
{
    ui->cmbResp->setCurrentIndex(-1);
    ui->dtRespStart->setDate(clock().today());
    ui->dtRespEnd->setDate(clock().today());
    loadResponsibilities();
    emit responsibilitiesChanged();
}

void ResponsibilityPanel::btnAddResp_clicked()
{
    if (!requirePermission(perm::MemberEntry, refusal::Save))
        return;
    const qint64 id = memberId();
    const QString name = chosenName();
    if (id <= 0 || name.isEmpty()) {
        messages().show(
            tr("You must have a current member and responsibility selected."), tr("Required Info"), Icon::None);
        return;
    }
    const Responsibilities::ResponsibilityRow row { id, name, ui->dtRespStart->date(), ui->dtRespEnd->date() };
    Responsibilities::add(db(), row);
    afterChange();
    showStatus(tr("Saved responsibility %1.").arg(rowText(row)));
}

void ResponsibilityPanel::btnRemoveResp_clicked()
{
    if (!requirePermission(perm::MemberEntry, refusal::Remove))
        return;
    if (messages().ask(tr("Are you sure you want to remove the selected Responsibility?"), tr("Remove Confirmation"))
        != Answer::Yes)
        return;
    const qint64 id = memberId();
    const QString name = chosenName();
    // Only rows the grid showed are removed: one that another workstation
    // added meanwhile stays, and when the rows shown are gone nothing changes.
    const Responsibilities::ResponsibilityRow row { id, name, ui->dtRespStart->date(), ui->dtRespEnd->date() };
    const int shown = id > 0 && m_linesFor == id ? Responsibilities::countShown(m_lines, row) : 0;
    if (shown == 0) {
        messages().show(tr("The list holds no responsibility with the chosen name, start and end date, "
                           "so nothing was removed. Choose the row to remove in the list."),
            tr("Invalid Selection"), Icon::None);
        return;
    }
    // Assignments go only with the member's last term, so the question is
    // asked only then.
    if (Responsibilities::isDeacon(name) && Responsibilities::heldCount(db(), id, name) <= shown
        && messages().ask(tr("By removing the Deacon Responsibility from this member, you will remove it "
                             "from all Member files as the assigned Deacon. Are you sure you wish to "
                             "continue?"),
               tr("Deacon Removal"))
            != Answer::Yes)
        return;
    const Responsibilities::Removal removal = Responsibilities::removeShown(db(), row, shown);
    afterChange();
    if (removal.removed > 0)
        showStatus(tr("Removed responsibility %1.").arg(rowText(row)));
    if (!removal.stale)
        return;
    if (removal.removed > 0)
        messages().show(tr("The responsibility was removed as the list showed it. Another workstation "
                           "added the same responsibility with the same dates meanwhile; that one was "
                           "kept and is shown in the list."),
            QStringLiteral("Pewlark"), Icon::Information);
    else
        messages().show(tr("The responsibilities of this person were changed at another workstation "
                           "after the list was shown, so nothing was removed.\n\nThe list now shows "
                           "them as they are; check it and try again."),
            QStringLiteral("Pewlark"), Icon::Warning);
}

} // namespace pw::members
