#include "outreach/frmOutreachPhaseEntry.h"

#include "app/Permissions.h"
#include "app/Workspace.h"
#include "data/Database.h"
#include "ui_frmOutreachPhaseEntry.h"
#include "widgets/Conflicts.h"
#include "widgets/Context.h"
#include "widgets/FormHelpers.h"
#include "widgets/Guard.h"
#include "widgets/Messages.h"
#include "widgets/ResultGrid.h"
#include "widgets/SharedLists.h"

#include <QCoreApplication>
#include <QItemSelectionModel>
#include <algorithm>

namespace pw::outreach {

namespace {

    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(OutreachPhaseEntry)
    };

    QStringList columns() { return { Tr::tr("Order"), Tr::tr("Name"), Tr::tr("Action"), Tr::tr("Weeks") }; }

    bool sameTable(const std::vector<Phases::PhaseRow>& a, const std::vector<Phases::PhaseRow>& b)
    {
        return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
            return x.order == y.order && x.name == y.name && x.action == y.action && x.timePeriod == y.timePeriod;
        });
    }

    QVariant tableState(const std::vector<Phases::PhaseRow>& rows)
    {
        QStringList out;
        for (const Phases::PhaseRow& r : rows)
            out << QStringList { r.order, r.name, r.action, r.timePeriod, r.loadedName }.join(QChar(0x1f));
        return out;
    }

} // namespace

frmOutreachPhaseEntry::frmOutreachPhaseEntry(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::frmOutreachPhaseEntry)
    , m_model(new ResultModel(this))
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("frmOutreachPhaseEntry"));
    BusyCursor busy;

    attachTypeAhead(ui->cmbAction);
    setDefaultButton(this, ui->btnUpdate);
    setFocusProxy(ui->txtOrder);
    m_model->setColumns(columns());
    setupResultGrid(ui->vsfgPhase, m_model);

    // What counts as unsaved is the table and anything typed into the boxes
    // that "Update" has not applied; choosing a phase only fills the boxes.
    m_tracker = new EditTracker(this, tr("Outreach Phase Entry"));
    m_tracker->watch(this);
    for (QWidget* box : std::initializer_list<QWidget*> { ui->txtOrder, ui->txtName, ui->cmbAction, ui->txtTimePeriod })
        m_tracker->ignore(box);
    m_tracker->addState([this] { return tableState(m_rows); });
    m_tracker->addState([this] { return boxesChanged(); });
    m_tracker->setSave([this] {
        bool saved = false;
        guarded([this, &saved] { saved = save(); });
        return saved;
    });
    m_tracker->setViewOnly(!HasPermission(perm::OutreachPhaseEntry));

    connect(ui->btnUpdate, &QPushButton::clicked, this, [this] { guarded([this] { btnUpdate_clicked(); }); });
    connect(ui->btnNew, &QPushButton::clicked, this, [this] { guarded([this] { btnNew_clicked(); }); });
    connect(ui->btnRemove, &QPushButton::clicked, this, [this] { guarded([this] { btnRemove_clicked(); }); });
    connect(ui->btnSave, &QPushButton::clicked, this, [this] {
        guarded([this] {
            if (save())
                closeScreen(this);
        });
    });
    connect(ui->btnExit, &QPushButton::clicked, this, [this] { closeScreen(this); });
    connect(ui->vsfgPhase->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
        [this](const QModelIndex& current) { vsfgPhase_currentRowChanged(current.row()); });
    if (Workspace* w = workspace())
        connect(w, &Workspace::lookupsChanged, this, [this] {
            // A new action elsewhere is offered here too; the table stays as edited.
            guarded([this] { m_values.fill(ui->cmbAction, listTexts(SharedLists::List::ProspectActions)); });
        });

    guarded([this] {
        m_values.fill(ui->cmbAction, listTexts(SharedLists::List::ProspectActions));
        loadPhases();
    });
}

frmOutreachPhaseEntry::~frmOutreachPhaseEntry() { delete ui; }

void frmOutreachPhaseEntry::loadPhases()
{
    BusyCursor busy;
    EditTracker::Quiet quiet(m_tracker);
    m_stored = Phases::load(db());
    m_rows = m_stored;
    showTable(-1);
    showInBoxes({});
    m_tracker->markClean();
}

void frmOutreachPhaseEntry::showTable(int current)
{
    QVector<QStringList> cells;
    cells.reserve(static_cast<int>(m_rows.size()));
    for (const Phases::PhaseRow& r : m_rows)
        cells.append({ r.order, r.name, r.action, r.timePeriod });
    m_filling = true;
    m_model->setColumns(columns());
    m_model->setRows(std::move(cells));
    m_current = current;
    if (current >= 0)
        ui->vsfgPhase->selectRow(current);
    else
        ui->vsfgPhase->clearSelection();
    m_filling = false;
    fitColumns(ui->vsfgPhase);
}

void frmOutreachPhaseEntry::showInBoxes(const Phases::PhaseRow& row)
{
    ui->txtOrder->setText(row.order);
    ui->txtName->setText(row.name);
    m_values.show(ui->cmbAction, row.action);
    ui->txtTimePeriod->setText(row.timePeriod);
}

Phases::PhaseRow frmOutreachPhaseEntry::rowFromBoxes() const
{
    Phases::PhaseRow row;
    row.order = ui->txtOrder->text().trimmed();
    row.name = ui->txtName->text().trimmed();
    row.action = m_values.value(ui->cmbAction);
    row.timePeriod = ui->txtTimePeriod->text().trimmed();
    if (m_current >= 0 && m_current < static_cast<int>(m_rows.size())) {
        row.loadedName = m_rows[m_current].loadedName;
        row.key = m_rows[m_current].key;
    }
    return row;
}

bool frmOutreachPhaseEntry::boxesChanged() const
{
    const Phases::PhaseRow boxes = rowFromBoxes();
    Phases::PhaseRow shown;
    if (m_current >= 0 && m_current < static_cast<int>(m_rows.size()))
        shown = m_rows[m_current];
    return boxes.order != shown.order.trimmed() || boxes.name != shown.name.trimmed() || boxes.action != shown.action
        || boxes.timePeriod != shown.timePeriod.trimmed();
}

void frmOutreachPhaseEntry::vsfgPhase_currentRowChanged(int row)
{
    if (m_filling || row < 0 || row >= static_cast<int>(m_rows.size()))
        return;
    EditTracker::Quiet quiet(m_tracker);
    m_current = row;
    showInBoxes(m_rows[row]);
}

void frmOutreachPhaseEntry::focusField(Phases::Field field)
{
    switch (field) {
    case Phases::Field::Order:
        bringToView(ui->txtOrder);
        break;
    case Phases::Field::Name:
        bringToView(ui->txtName);
        break;
    case Phases::Field::Action:
        bringToView(ui->cmbAction);
        break;
    case Phases::Field::TimePeriod:
        bringToView(ui->txtTimePeriod);
        break;
    }
}

bool frmOutreachPhaseEntry::btnUpdate_clicked()
{
    const Phases::PhaseRow row = rowFromBoxes();
    const QStringList actions = listTexts(SharedLists::List::ProspectActions);
    if (const std::optional<Phases::Problem> problem = Phases::checkRow(m_rows, m_current, row, actions)) {
        messages().show(problem->text, problem->title);
        focusField(problem->field);
        return false;
    }
    EditTracker::Quiet quiet(m_tracker);
    int index = m_current;
    if (index >= 0) {
        m_rows[index] = row;
    } else {
        m_rows.push_back(row);
        index = static_cast<int>(m_rows.size()) - 1;
    }
    // Kept in phase order, the updated phase staying chosen.
    std::vector<int> order(m_rows.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<int>(i);
    std::stable_sort(
        order.begin(), order.end(), [this](int a, int b) { return m_rows[a].orderValue() < m_rows[b].orderValue(); });
    std::vector<Phases::PhaseRow> sorted;
    sorted.reserve(m_rows.size());
    int current = -1;
    for (int i : order) {
        if (i == index)
            current = static_cast<int>(sorted.size());
        sorted.push_back(m_rows[i]);
    }
    m_rows = std::move(sorted);
    showTable(current);
    showInBoxes(m_rows[current]);
    return true;
}

void frmOutreachPhaseEntry::btnNew_clicked()
{
    EditTracker::Quiet quiet(m_tracker);
    showTable(-1);
    showInBoxes({});
    ui->txtOrder->setFocus();
}

void frmOutreachPhaseEntry::btnRemove_clicked()
{
    if (m_current < 0 || m_current >= static_cast<int>(m_rows.size())) {
        messages().show(tr("Choose the phase to remove in the list first."), tr("Invalid Selection"));
        return;
    }
    const Phases::PhaseRow& row = m_rows[m_current];
    // Prospects are in the phase under the name it has in the database.
    const int count = Phases::prospectCount(db(), row.loadedName.isEmpty() ? row.name : row.loadedName);
    QString question;
    if (count > 0) {
        question = tr("%1 in the phase \"%2\". After it is removed %3 that phase name, which no longer "
                      "matches a phase, so the next contact with %4 starts again at the first "
                      "phase.\n\nRemove the phase \"%2\"?")
                       .arg(count == 1 ? tr("1 prospect is") : tr("%1 prospects are").arg(count), row.name,
                           count == 1 ? tr("that prospect keeps") : tr("they keep"),
                           count == 1 ? tr("that prospect") : tr("each of them"));
    } else {
        question = tr("Are you sure you want to remove the phase \"%1\"?").arg(row.name);
    }
    if (messages().ask(question, tr("Remove Confirmation")) != Answer::Yes)
        return;
    EditTracker::Quiet quiet(m_tracker);
    m_rows.erase(m_rows.begin() + m_current);
    showTable(-1);
    showInBoxes({});
}

bool frmOutreachPhaseEntry::writeTable(bool force, int& renamed)
{
    Database& database = db();
    Transaction tx(database);
    if (!force && !sameTable(Phases::load(database), m_stored))
        return false;
    renamed = Phases::save(database, m_rows);
    tx.commit();
    return true;
}

void frmOutreachPhaseEntry::saveKeepingRecord()
{
    guarded([this] { save(); });
}

bool frmOutreachPhaseEntry::save()
{
    if (!requireSavePermission(*m_tracker, perm::OutreachPhaseEntry))
        return false;
    // What the boxes hold is part of the save, as if "Update" had been pressed.
    if (boxesChanged() && !btnUpdate_clicked())
        return false;
    const QStringList actions = listTexts(SharedLists::List::ProspectActions);
    if (const std::optional<Phases::Problem> problem = Phases::check(m_rows, actions)) {
        EditTracker::Quiet quiet(m_tracker);
        showTable(problem->row);
        if (problem->row >= 0)
            showInBoxes(m_rows[problem->row]);
        messages().show(problem->text, problem->title);
        focusField(problem->field);
        return false;
    }

    int renamed = 0;
    bool keptTheirs = false;
    const bool answered = saveAskingOnConflict([&](threeway::OnConflict how) {
        // The table is compared as a whole: another workstation's change to
        // any phase is a conflict.
        keptTheirs = how == threeway::OnConflict::KeepTheirs;
        if (keptTheirs || writeTable(how == threeway::OnConflict::KeepMine, renamed))
            return QString();
        return tr("While you were editing the outreach phases, another user changed them at another "
                  "workstation.\n\nKeep their phases, keep yours, or cancel the save?");
    });
    if (!answered)
        return false;
    if (keptTheirs) {
        loadPhases(); // their table, and nothing of this screen's changes
        return false;
    }

    loadPhases();
    QString status = tr("Saved the outreach phases.");
    if (renamed > 0)
        status += renamed == 1 ? tr(" 1 prospect moved with a renamed phase.")
                               : tr(" %1 prospects moved with renamed phases.").arg(renamed);
    showStatus(status);
    if (Workspace* w = workspace())
        emit w->lookupsChanged();
    return true;
}

} // namespace pw::outreach
